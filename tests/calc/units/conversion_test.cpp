// The unit page's core: every unit's exact factor, round trips, a gauge pressure, the unit each quantity opens on,
// and unit expressions.
#include "calc/units/conversion.h"

#include <gtest/gtest.h>
#include <map>

namespace vxr::calc::units {
namespace {

// The table of a quantity, and a unit's row in it, by their names.
QuantityTable table(const std::string& name) {
    std::string error;
    for (const Quantity& q : quantities())
        if (q.name == name && Database::get(&error)) return QuantityTable(*Database::get(), q);
    throw std::invalid_argument(name + error);
}
std::size_t row(const QuantityTable& t, const std::string& caption) {
    for (std::size_t i = 0; i < t.size(); ++i)
        if (t.quantity().units[i].caption == caption) return i;
    throw std::invalid_argument(caption);
}

// Each unit's value in the SI unit, exact by definition, in the page's order (gauge units: of their absolute scale;
// temperature points: 1 of the unit in K).
const std::map<std::string, std::vector<double>> kFactors = {
    {"长度", {1, 1e3, 0.01, 1e-3, 1e-6, 0.0254, 0.3048, 0.9144, 1609.344}},
    {"面积", {1, 1e6, 1e-4, 1e-6, 1e4, 10000.0 / 15, 6.4516e-4, 0.09290304}},
    {"体积", {1, 1e-3, 1e-6, 0.028316846592, 1.6387064e-5, 3.785411784e-3, 4.54609e-3, 0.158987294928}},
    {"质量", {1, 1e-3, 1e-6, 1000, 0.45359237, 0.028349523125, 0.5}},
    {"体积流量", {1, 1 / 3600.0, 1 / 60.0, 1e-3, 1e-3 / 60, 1 / 86400.0, 3.785411784e-3 / 60, 0.028316846592 / 60}},
    {"质量流量", {1, 1 / 3600.0, 1 / 3.6, 1000 / 86400.0, 0.45359237 / 3600}},
    {"压力",
     {1, 1e3, 1e6, 1e5, 100, 101325, 98066.5, 133.322387415, 9.80665, 9806.65, 6894.75729316836, 101325 / 760.0, 1e3,
      1e6, 1e5, 98066.5, 6894.75729316836}},
    {"温度", {1, 274.15, 460.67 / 1.8, 1 / 1.8}},
    {"温差", {1, 1, 5 / 9.0, 5 / 9.0}},
    {"密度", {1, 1000, 1, 1000, 16.0184633739601, 119.826427316897}},
    {"动力粘度", {1, 1e-3, 1e-3, 0.1, 9.80665, 1.48816394356955}},
    {"运动粘度", {1, 1e-6, 1e-6, 1e-4, 1 / 3600.0, 0.09290304}},
    {"能量", {1, 1e3, 1e6, 3.6e6, 4186.8, 4.1868, 1055.05585262, 9.80665}},
    {"功率", {1, 1e3, 1e6, 1.163, 0.293071070172222, 735.49875, 745.699871582270, 3516.85284206667}},
    {"比热容", {1, 1000, 4186.8, 4186.8}},
    {"导热系数", {1, 1, 1.163, 1.73073466637139}},
    {"传热系数", {1, 1, 1.163, 5.67826334111348}},
    {"比焓", {1, 1000, 4186.8, 2326}},
    {"速度", {1, 1 / 60.0, 1 / 3600.0, 1 / 3.6, 0.3048, 0.3048 / 60}},
    {"力", {1, 1e3, 9.80665, 4.4482216152605, 1e-5}}};

// Each unit to SI by its factor, and back from SI (a gauge unit on a local atmosphere) to the value it came from.
TEST(UnitConversion, EveryUnitsFactorAndRoundTrip) {
    for (const Quantity& q : quantities()) {
        const QuantityTable t = table(q.name);
        ASSERT_EQ(kFactors.at(q.name).size(), t.size()) << q.name << ": a unit without its factor";
        for (std::size_t i = 0; i < t.size(); ++i) {
            EXPECT_NEAR(t.toSi(i, 1, 0) / kFactors.at(q.name)[i], 1, 1e-12) << q.name << " " << q.units[i].caption;
            EXPECT_NEAR(t.fromSi(i, t.toSi(i, -17.5, 9e4), 9e4) / -17.5, 1, 1e-12) << q.units[i].caption << " back";
        }
    }
}

// The page's texts: every unit at once, a gauge pressure on the local atmosphere typed.
TEST(UnitConversion, GaugePressureOnTheLocalAtmosphere) {
    const QuantityTable p = table("压力");
    const QuantityTable::Texts gauge = p.convert("100", row(p, "kPa（表压）"), "90");
    EXPECT_EQ(gauge.values[row(p, "kPa")], "190");
    EXPECT_EQ(gauge.values[row(p, "MPa（表压）")], "0.1");
}

// The page opens each quantity on the unit an engineer here types: 150 typed under 温度 is 150 ℃.
TEST(UnitConversion, QuantitiesOpenOnTheEngineersUnit) {
    const std::map<std::string, std::string> opens = {{"温度", "℃"},        {"温差", "℃"},
                                                      {"压力", "kPa"},      {"比热容", "kJ/(kg·℃)"},
                                                      {"体积流量", "m³/h"}, {"质量流量", "kg/h"}};
    for (const auto& [name, caption] : opens) {
        const QuantityTable t = table(name);
        EXPECT_EQ(t.quantity().units[default_unit(t.quantity())].caption, caption) << name;
    }
    const QuantityTable t = table("温度");
    EXPECT_EQ(t.convert("150", default_unit(t.quantity()), "").values[row(t, "K")], "423.15");
}

// A unit's caption reads as its row; the value, or the error.
TEST(UnitConversion, Expressions) {
    // Name, quantity, value, unit, local atmosphere, expression, the value or the error.
    using Case = std::tuple<const char*, const char*, const char*, const char*, const char*, const char*, std::string>;
    const Case cases[] = {{"below absolute zero", "温度", "-273.2", "℃", "", "K", "温度低于绝对零度（0 K）。"},
                          {"0 psig is an atmosphere", "压力", "0", "psig", "101.325", "atm", "1"},
                          {"a blank atmosphere", "压力", "1", "bar", " ", "Pa", "当地大气压须为大于零的数字。"},
                          {"kcal/(m²·h·℃) by its caption", "传热系数", "1.163", "W/(m²·K)", "", "kcal/(m²·h·℃)", "1"},
                          {"℉ as a point", "温度", "100", "℃", "", "°F", "212"},
                          {"℉ as a slope", "温差", "100", "℃", "", "℉", "180"},
                          {"gauge to gauge", "压力", "0", "kPa（表压）", "101.325", "psig", "0"},
                          {"blanks around a unit", "长度", "1", "mile", "", " ft ", "5280"},
                          {"no expression", "长度", "1", "m", "", "", ""},
                          {"an unknown unit", "长度", "1", "m", "", "furlongg", "无法识别的单位：furlongg"},
                          {"a unit of another quantity", "长度", "1", "m", "", "kg", "“kg”不是长度的单位。"}};
    for (const auto& [name, quantity, value, from, atmosphere, expression, expected] : cases) {
        const QuantityTable t = table(quantity);
        const QuantityTable::Expressed e = t.express(value, row(t, from), atmosphere, expression);
        EXPECT_EQ(e.value + e.error, expected) << name;
    }
}

}  // namespace
}  // namespace vxr::calc::units
