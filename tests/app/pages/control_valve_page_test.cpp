// 调节阀计算 through the real window: each medium's own flow and viscosity (captions, greyed inputs, the case), the
// liquid's and the gas's results, the gas's notes and sheet, the fill at the page's inlet state.
#include <QLabel>

#include "app/window_test_support.h"

namespace vxr::test {
namespace {

class ControlValveTest : public WindowTest {
protected:
    ControlValveTest() { showPage("controlValvePage"); }
    // The caption of a row as drawn, its exponent digit over the blanks.
    QString caption(const char* field) { return text((std::string(field) + "Label").c_str()); }
};

// Switching the medium shows the other medium's last flow and viscosity under its own unit; what the medium does not
// read is greyed; both media's results, a gas's notes and sheet; the page state keeps both media's texts, the one not
// shown only where it is not its default, and restores them.
TEST_F(ControlValveTest, EachMediumKeepsItsFlowAndViscosity) {
    const auto results = [this] {
        QStringList all;
        for (const char* r : {"cvKv", "cvCv", "cvRegime", "cvChoke", "cvFP", "cvY", "cvRe"}) all << text(r);
        return all.join(" | ");
    };
    EXPECT_EQ(caption("cvFlow") + caption("cvChoke"), "流量（m  /h）：阻塞压差（kPa）：");
    click("cvCalculate");  // the liquid's defaults: water near 90 ℃
    EXPECT_EQ(results(), "164.995 | 190.735 | 湍流 | 497.19 | 1.0000 |  | 2967028");
    click("cvGas");
    EXPECT_EQ(text("cvFlow") + " " + text("cvViscosity"), "3800 0.014665");
    EXPECT_EQ(caption("cvFlow") + caption("cvChoke"), "流量（Nm  /h）：阻塞压差比 x：");
    EXPECT_TRUE(find("cvFlow")->toolTip().contains("Nm³/h"));
    for (const char* name : {"cvDensity", "cvVapourPressure", "cvCriticalPressure"})
        EXPECT_FALSE(find(name)->isEnabled());
    for (const char* name : {"cvMolarMass", "cvXT", "cvTemperature", "cvViscosity"})
        EXPECT_TRUE(find(name)->isEnabled());
    const char* const gas[][2] = {
        {"cvTemperature", "159.85"}, {"cvOutletPressure", "310"}, {"cvFL", "0.85"},    {"cvFd", "0.42"},
        {"cvPipeIn", "80"},          {"cvValveSize", "50"},       {"cvPipeOut", "100"}};
    for (const auto& [field, value] : gas) type(field, value);
    click("cvCalculate");
    EXPECT_EQ(results(), "70.807 | 81.853 | 湍流 | 0.5804 | 0.8680 | 0.6875 | 2092306");
    EXPECT_TRUE(find("cvKv")->toolTip().contains("马赫数"));
    // The sheet: the gas's captions and units, what the gas leaves out, the inlet pressure absolute.
    const QStringList sheet = page("controlValvePage")->sheetText().split('\n');
    for (const char* row : {"介质\t气体或蒸汽", "流量\t3800\tNm³/h", "阀前压力\t680\tkPa（绝压）",
                            "动力粘度\t0.014665\tmPa·s", "阻塞压差比 x\t0.5804\t", "Kv\t70.807\tm³/h"})
        EXPECT_TRUE(sheet.contains(QString::fromUtf8(row))) << row;
    EXPECT_TRUE(sheet.contains("本选项未用：液体密度、饱和蒸气压、临界压力"));
    type("cvFlow", "4000");
    click("cvLiquid");
    EXPECT_EQ(text("cvFlow") + " " + text("cvViscosity"), "360 0.31472");
    EXPECT_FALSE(find("cvXT")->isEnabled());
    type("cvViscosity", "2");
    EXPECT_EQ(page("controlValvePage")->state().kept,
              (app::ByName<app::ByName<QString>>{{"cvGas", {{"cvFlow", "4000"}}}}));
    click("cvGas");
    EXPECT_EQ(text("cvFlow") + " " + text("cvViscosity"), "4000 0.014665");
    // Restored after other changes: the gas shown, the liquid's viscosity kept.
    const app::PageState saved = page("controlValvePage")->state();
    EXPECT_EQ(saved.kept, (app::ByName<app::ByName<QString>>{{"cvLiquid", {{"cvViscosity", "2"}}}}));
    click("cvLiquid");
    type("cvViscosity", "3");
    page("controlValvePage")->restore(saved);
    EXPECT_TRUE(checked("cvGas") && !find("cvDensity")->isEnabled());
    EXPECT_EQ(text("cvFlow") + " " + text("cvViscosity") + " " + caption("cvFlow"), "4000 0.014665 流量（Nm  /h）：");
    click("cvLiquid");
    EXPECT_EQ(text("cvFlow") + " " + text("cvViscosity"), "360 2");
    EXPECT_EQ(page("controlValvePage")->state().kept,
              (app::ByName<app::ByName<QString>>{{"cvGas", {{"cvFlow", "4000"}}}}));
}

// 填入本页 at the page's inlet state: water's ρ, μ, pv and pc for a liquid; steam's M, γ, Z and μ for a gas, refused
// (naming 阀前温度) where the inlet is no superheated steam; the sheet names the sources, out of date once p1 changes.
TEST_F(ControlValveTest, FillsAtItsInletState) {
    window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    QTest::keyClick(&window(), Qt::Key_F4);
    click("waterSteamFill");
    EXPECT_EQ(text("cvDensity") + " " + text("cvViscosity") + " " + text("cvVapourPressure") + " " +
                  text("cvCriticalPressure"),
              "965.583 0.314337 70.1824 22064");
    click("cvGas");
    const auto refused = clickAndCatch("waterSteamFill");
    expectMessage(refused, "VXR", "“阀前温度（℃）”：t = 90 ℃，p = 680 kPa 时水不是过热蒸汽，未填入物性。");
    EXPECT_EQ(window().focusWidget(), find("cvTemperature"));
    type("cvTemperature", "200");
    click("waterSteamFill");
    EXPECT_EQ(
        text("cvMolarMass") + " " + text("cvHeatRatio") + " " + text("cvCompressibility") + " " + text("cvViscosity"),
        "18.015 1.35782 0.962815 0.0159939");
    type("cvInletPressure", "700");
    click("cvCalculate");
    const QString sheet = page("controlValvePage")->sheetText();
    EXPECT_TRUE(sheet.contains("摩尔质量\t物性：水的摩尔质量（已过时）")) << sheet.toStdString();
    // One line: the liquid's values filled at 90 ℃ are not read by the gas.
    EXPECT_EQ(find("cvKv")->toolTip().count("物性按"), 1);
    EXPECT_TRUE(
        find("cvKv")->toolTip().contains("物性按 p1 = 680 kPa（绝压）、t1 = 200 ℃ 填入，现 p1 = 700 kPa（绝压）"));
}

}  // namespace
}  // namespace vxr::test
