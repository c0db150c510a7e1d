// The sheet's unit column: each quantity in its usual symbol (kg/m³, Pa·s, W/(m·℃) …, differences of temperature in
// ℃), whatever the page's caption writes (千克/立方米, KJ/Kg, Pa.s); a gauge or absolute pressure says which. Written
// out here, not taken from the tables of the code, for every input and result with a unit of the first and last page
// and of the pages whose units take every rule: degrees, per cent, a K as ℃, squares and cubes, (A) and ，表压.
#include <gtest/gtest.h>

#include <QStringList>

#include "app/pages/captions.h"
#include "app/pages/page_list.h"
#include "calc/catalogue.h"

namespace vxr::test {
namespace {

// clang-format off
const std::pair<const char*, const char*> kUnits[] = {
    {"pipeDiameterPage", "Text3 m³/h, Text4 m/s, Text10 m³/h, Text9 m/s, Text16 m³/h, Text15 m/s, Text5 mm, Text6 mm, "
                         "Text8 mm, Text7 mm, Text14 mm, Text13 mm, pipeSize1 mm, pipeVelocity1 m/s, pipeSize2 mm, "
                         "pipeVelocity2 m/s, pipeSize3 mm, pipeVelocity3 m/s"},
    {"condensationPage", "Text78 kJ/kg, Text80 Pa·s, Text81 W/(m·℃), Text79 kg/m³, Text82 kg/m³, Text76 ℃, Text75 ℃, "
                         "Text74 °, Text73 m, Text72 J/(kg·℃), Text71 m, Text70 m, Text83 W/(m²·℃)"},
    {"reliefPage", "reliefFlow kg/h, reliefSetPressure MPa（表压）, reliefOverpressure %, reliefBackPressure MPa（表压）, "
                   "reliefAtmosphere MPa, reliefMolarMass kg/kmol, reliefTemperature ℃, reliefDensity kg/m³, "
                   "reliefPressure MPa（绝压）, reliefArea mm², reliefThroat mm"},
    {"controlValvePage", "cvFlow m³/h, cvInletPressure kPa（绝压）, cvOutletPressure kPa（绝压）, cvTemperature ℃, "
                         "cvDensity kg/m³, cvVapourPressure kPa, cvCriticalPressure kPa, cvViscosity mPa·s, "
                         "cvMolarMass kg/kmol, cvPipeIn mm, cvPipeOut mm, cvValveSize mm, cvKv m³/h, cvChoke kPa"},
};
// clang-format on

TEST(SheetUnits, EveryQuantityInItsUsualSymbol) {
    for (const auto& [name, expected] : kUnits) {
        const app::PageInfo* page = app::findPage(name);
        ASSERT_TRUE(page && page->calc()) << name;
        QStringList units;
        for (const frame::Field& f : page->calc()->fields())
            if (*f.about.unit) units << QString::fromLatin1(f.name) + ' ' + app::sheetColumns(f).unit;
        EXPECT_EQ(units.join(", ").toStdString(), expected) << name;
    }
    // The caption's own name stays whole, brackets and all.
    const frame::Field* lx = app::findPage("stressPage")->calc()->field("Text48");
    EXPECT_EQ(app::sheetColumns(*lx).name.toStdString(), "LX（X轴投影长度）");
}

}  // namespace
}  // namespace vxr::test
