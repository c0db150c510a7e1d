// The unit page's core: every unit's exact factor, round trips, a gauge pressure, the unit each quantity opens on,
// unit expressions, and what it refuses.
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
// A value typed in the unit `from`, in a unit expression: its text or why not, and a note beside it after " | ".
std::string expressed(const char* quantity, const char* value, const char* from, const char* expression) {
    const QuantityTable t = table(quantity);
    const QuantityTable::Expressed e = t.express(value, row(t, from), "101.325", expression);
    return e.value + e.error + (e.note.empty() ? "" : " | " + e.note);
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
    for (const auto& [name, caption] :
         {std::pair{"温度", "℃"}, {"压力", "kPa"}, {"比热容", "kJ/(kg·℃)"}, {"体积流量", "m³/h"}, {"质量流量", "kg/h"}})
        EXPECT_STREQ(table(name).quantity().units[default_unit(table(name).quantity())].caption, caption) << name;
    const QuantityTable t = table("温度");
    EXPECT_EQ(t.convert("150", default_unit(t.quantity()), "").values[row(t, "K")], "423.15");
}

// Under 温差 every temperature unit written is a slope, however spelt (" ℃" is not the table's caption: UDUNITS
// reads it); a rate stays another quantity. Each row is named by its expression, 10 K written in it.
TEST(UnitConversion, TemperatureDifferencesInEverySpelling) {
    const std::pair<const char*, std::string> cases[] = {{"degC", "10"}, {"celsius", "10"},
                                                         {"°C", "10"},   {" ℃", "10"},
                                                         {"degF", "18"}, {"fahrenheit", "18"},
                                                         {"°F", "18"},   {"℉ ", "18"},
                                                         {"degR", "18"}, {"degF/min", "“degF/min”不是温差的单位。"}};
    for (const auto& [expression, expected] : cases)
        EXPECT_EQ(expressed("温差", "10", "K", expression), expected) << expression;
    EXPECT_EQ(expressed("温差", "-10", "K", "degF"), "-18") << "a negative difference";
    EXPECT_EQ(expressed("温度", "10", "K", "degC"), "-263.15") << "a point under 温度";
}

// An absolute pressure below zero is refused, in the table and in the expression alike; zero is a vacuum.
TEST(UnitConversion, NegativeAbsolutePressureIsRefused) {
    // Name, value, unit, the value in Pa or the error.
    using Case = std::tuple<const char*, const char*, const char*, std::string>;
    const char* const refused = "绝对压力不能为负。";
    const Case cases[] = {{"a full vacuum, gauge", "-101.325", "kPa（表压）", "0"},
                          {"below it, gauge", "-101.326", "kPa（表压）", refused},
                          {"a full vacuum, absolute", "0", "kPa", "0"},
                          {"below it, absolute", "-0.001", "kPa", refused}};
    for (const auto& [name, value, from, expected] : cases) {
        const QuantityTable p = table("压力");
        const QuantityTable::Texts texts = p.convert(value, row(p, from), "101.325");
        EXPECT_EQ(texts.values[row(p, "Pa")] + texts.error, expected) << name << " in the table";
        EXPECT_EQ(expressed("压力", value, from, "Pa"), expected) << name << " in Pa typed";
    }
}

// gal, gpm, bbl, hp and oz as a process engineer means them (and the library's rounded names exact), as whole
// words only; ton read as the short ton, and said. Each row is named by its expression, 1 of the unit given in it.
TEST(UnitConversion, TheEngineersAbbreviations) {
    using Case = std::tuple<const char*, const char*, const char*, std::string>;  // quantity, unit, expression, text
    const Case cases[] = {{"体积流量", "m³/h", "gal/min", "4.4028675393"},
                          {"体积流量", "m³/h", "gpm", "4.4028675393"},
                          {"体积流量", "m³/h", "bbl/d", "150.95545849"},
                          {"体积", "m³", "gallon", "264.172052358"},
                          {"体积", "m³", "barrel", "6.28981077043"},
                          {"功率", "kW", "hp", "1.3410220896"},
                          {"功率", "kW", "horsepower", "1.3410220896"},
                          {"质量", "kg", "oz", "35.2739619496"},
                          {"密度", "kg/m³", "oz/gal", "0.133526471232"},
                          {"压力", "kPa", "torr", "7.50061682704"},
                          {"体积", "m³", "kgal", "“kgal”不是体积的单位。"},
                          {"体积", "m³", "bbls", "无法识别的单位：bbls"},
                          {"质量", "kg", "ton", "0.00110231131092 | ton 按美吨 907.18474 kg 计；公吨请写 t"},
                          {"质量", "kg", "t", "0.001"},
                          {"质量", "kg", "ton_force", "“ton_force”不是质量的单位。"}};
    for (const auto& [quantity, from, expression, expected] : cases)
        EXPECT_EQ(expressed(quantity, "1", from, expression), expected) << expression;
}

// UDUNITS would write 2 m as 0.5 "1/m"; a unit of the reciprocal dimension is another quantity.
TEST(UnitConversion, ReciprocalUnitsAreRefused) {
    EXPECT_EQ(expressed("长度", "2", "m", "1/m"), "“1/m”不是长度的单位。");
    EXPECT_EQ(expressed("功率", "2", "W", "dBm"), "33.0102999566") << "a logarithmic unit";
}

// A value that no double holds in some unit is refused, never written as 0 or inf.
TEST(UnitConversion, ValuesOutOfRangeAreRefused) {
    const QuantityTable t = table("长度");
    EXPECT_EQ(t.convert("1e302", row(t, "m"), "").values[row(t, "μm")], "1E+308");
    EXPECT_EQ(t.convert("1e303", row(t, "m"), "").error, "换算结果超出可表示的范围。");
    EXPECT_EQ(expressed("长度", "1e296", "m", "pm"), "1E+308");
    EXPECT_EQ(expressed("长度", "1e297", "m", "pm"), "换算结果超出可表示的范围。");
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
                          {"no noise digits", "温度", "20", "℃", "", "℉", "68"},
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
