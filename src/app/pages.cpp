#include "app/pages.h"

#include "app/absorption_page.h"
#include "app/condensation_page.h"
#include "app/convection_page.h"
#include "app/distillation_page.h"
#include "app/drying_page.h"
#include "app/evaporation_page.h"
#include "app/friction_page.h"
#include "app/pipe_diameter_page.h"
#include "app/pump_page.h"
#include "app/relief_page.h"
#include "app/stress_page.h"
#include "app/unit_page.h"
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
};

}  // namespace

const calc::Calculation* PageInfo::calc() const {
    return calculation ? calc::find_calculation(calculation) : nullptr;
}

std::span<const PageInfo> pages() {
    return kPages;
}

const PageInfo* findPage(std::string_view name) {
    for (const PageInfo& p : kPages)
        if (name == p.name) return &p;
    return nullptr;
}

}  // namespace vxr::app
