#include "app/pages/page_list.h"

#include "app/pages/absorption_page.h"
#include "app/pages/condensation_page.h"
#include "app/pages/control_valve_page.h"
#include "app/pages/convection_page.h"
#include "app/pages/distillation_page.h"
#include "app/pages/drying_page.h"
#include "app/pages/evaporation_page.h"
#include "app/pages/friction_page.h"
#include "app/pages/pipe_diameter_page.h"
#include "app/pages/pump_page.h"
#include "app/pages/relief_page.h"
#include "app/pages/stress_page.h"
#include "app/pages/unit_page.h"
#include "calc/catalogue.h"

namespace vxr::app {
namespace {

template <class Page>
QWidget* build(const PageInfo& info) {
    return new Page(info);
}

constexpr PageInfo kPages[] = {
    {"pipeDiameterPage", "管径计算", "pipeDiameter", build<PipeDiameterPage>},
    {"frictionPage", "管道阻力计算", "friction", build<FrictionPage>},
    {"pumpPage", "离心泵安装高度计算", "pump", build<PumpPage>},
    {"convectionPage", "传热膜系数计算", "convection", build<ConvectionPage>},
    {"condensationPage", "冷凝膜系数", "condensation", build<CondensationPage>},
    {"distillationPage", "精馏计算", "distillation", build<DistillationPage>},
    {"evaporationPage", "单效蒸发", "evaporation", build<EvaporationPage>},
    {"dryingPage", "干燥计算", "drying", build<DryingPage>},
    {"absorptionPage", "吸收计算", "absorption", build<AbsorptionPage>},
    {"reliefPage", "安全阀计算", "relief", build<ReliefPage>},
    {"stressPage", "管道应力判断", "stress", build<StressPage>},
    {"unitPage", "单位换算", nullptr, build<UnitPage>},
    {"controlValvePage", "调节阀计算", "controlValve", build<ControlValvePage>},
};

std::span<const PageInfo> g_list = kPages;

}  // namespace

PageListForTest::PageListForTest(std::span<const PageInfo> list) {
    g_list = list;
}

PageListForTest::~PageListForTest() {
    g_list = kPages;
}

const calc::Calculation* PageInfo::calc() const {
    return calculation ? calc::find_calculation(calculation) : nullptr;
}

std::span<const PageInfo> pages() {
    return g_list;
}

const PageInfo* findPage(std::string_view name) {
    for (const PageInfo& p : g_list)
        if (name == p.name) return &p;
    return nullptr;
}

}  // namespace vxr::app
