// The unit page's core: every unit's exact factor, round trips, the table's texts (a gauge pressure, negative
// absolute pressures, values out of range, the unit each quantity opens on), unit expressions and what they refuse,
// and the page's number text.
#include "calc/units/conversion.h"

#include <gtest/gtest.h>
#include <limits>
#include <map>

#include "calc/units/value_text.h"

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

// The page's table: a value typed in one unit (on a local atmosphere in kPa), one unit's text or the error. An
// absolute pressure below zero is refused, zero is a vacuum; a value that no double holds is refused, never 0 or inf.
// The page opens each quantity on the unit an engineer here types (150 typed under 温度 is 150 ℃: the page's test).
TEST(UnitConversion, TheTablesTexts) {
    const char* const negative = "绝对压力不能为负。";
    // name, quantity, value, its unit, atmosphere, the unit shown, what it shows
    const char* const rows[][7] = {{"gauge on a local atmosphere", "压力", "100", "kPa（表压）", "90", "kPa", "190"},
                                   {"gauge to gauge", "压力", "100", "kPa（表压）", "90", "MPa（表压）", "0.1"},
                                   {"a full vacuum, gauge", "压力", "-101.325", "kPa（表压）", "101.325", "Pa", "0"},
                                   {"below it, gauge", "压力", "-101.326", "kPa（表压）", "101.325", "Pa", negative},
                                   {"a full vacuum, absolute", "压力", "0", "kPa", "101.325", "Pa", "0"},
                                   {"below it, absolute", "压力", "-0.001", "kPa", "101.325", "Pa", negative},
                                   {"32 ℉ is 0 ℃, not rounding noise", "温度", "32", "℉", "", "℃", "0"},
                                   {"459.67 °R is 0 ℉", "温度", "459.67", "°R", "", "℉", "0"},
                                   {"a hair above: not zero", "温度", "32.000001", "℉", "", "℃", "5.55555573101E-07"},
                                   {"20 ℃ is 68 ℉", "温度", "20", "℃", "", "℉", "68"},
                                   {"the largest", "长度", "1e302", "m", "", "μm", "1E+308"},
                                   {"out of range", "长度", "1e303", "m", "", "μm", "换算结果超出可表示的范围。"}};
    for (const auto& [name, quantity, value, from, atmosphere, in, shown] : rows) {
        const QuantityTable t = table(quantity);
        const QuantityTable::Texts texts = t.convert(value, row(t, from), atmosphere);
        EXPECT_EQ(texts.values[row(t, in)] + texts.error, shown) << name;
    }
    for (const auto& [name, caption] :
         {std::pair{"温度", "℃"}, {"压力", "kPa"}, {"比热容", "kJ/(kg·℃)"}, {"体积流量", "m³/h"}, {"质量流量", "kg/h"}})
        EXPECT_STREQ(table(name).quantity().units[default_unit(table(name).quantity())].caption, caption) << name;
}

// A value typed in one unit, in a unit expression: the value and a note after " | ", or the error. A caption of the
// table reads as its row; under 温差 every temperature unit is a slope, however spelt; gal, gpm, bbl, hp, oz and torr
// as a process engineer means them, as whole words only. (degF as a slope, a rate refused and ton as the short ton
// are the page's test.)
TEST(UnitConversion, Expressions) {
    // name, quantity, value, its unit, atmosphere, the expression, what it shows
    const char* const rows[][7] = {
        {"a slope by its caption", "温差", "100", "℃", "", "℉", "180"},
        {"a negative slope", "温差", "-10", "K", "", "degF", "-18"},
        {"a slope spelt ℃ after a blank", "温差", "10", "K", "", " ℃", "10"},
        {"a point under 温度", "温度", "10", "K", "", "degC", "-263.15"},
        {"℉ as a point", "温度", "100", "℃", "", "°F", "212"},
        {"0 ℉ through kelvin, no noise", "温度", "459.67", "°R", "", "degF", "0"},
        {"below absolute zero", "温度", "-273.2", "℃", "", "K", "温度低于绝对零度（0 K）。"},
        {"0 psig is an atmosphere", "压力", "0", "psig", "101.325", "atm", "1"},
        {"gauge to gauge by caption", "压力", "0", "kPa（表压）", "101.325", "psig", "0"},
        {"a blank atmosphere", "压力", "1", "bar", " ", "Pa", "当地大气压须为大于零的数字。"},
        {"kcal/(m²·h·℃) by its caption", "传热系数", "1.163", "W/(m²·K)", "", "kcal/(m²·h·℃)", "1"},
        {"gal", "体积流量", "1", "m³/h", "", "gal/min", "4.4028675393"},
        {"gpm", "体积流量", "1", "m³/h", "", "gpm", "4.4028675393"},
        {"bbl", "体积流量", "1", "m³/h", "", "bbl/d", "150.95545849"},
        {"gallon", "体积", "1", "m³", "", "gallon", "264.172052358"},
        {"barrel", "体积", "1", "m³", "", "barrel", "6.28981077043"},
        {"hp", "功率", "1", "kW", "", "hp", "1.3410220896"},
        {"horsepower", "功率", "1", "kW", "", "horsepower", "1.3410220896"},
        {"oz", "质量", "1", "kg", "", "oz", "35.2739619496"},
        {"torr", "压力", "1", "kPa", "101.325", "torr", "7.50061682704"},
        {"gal inside a word", "体积", "1", "m³", "", "kgal", "“kgal”不是体积的单位。"},
        {"t", "质量", "1", "kg", "", "t", "0.001"},
        {"ton inside a word", "质量", "1", "kg", "", "ton_force", "“ton_force”不是质量的单位。"},
        {"a reciprocal unit", "长度", "2", "m", "", "1/m", "“1/m”不是长度的单位。"},
        {"a logarithmic unit", "功率", "2", "W", "", "dBm", "33.0102999566"},
        {"the largest", "长度", "1e296", "m", "", "pm", "1E+308"},
        {"out of range", "长度", "1e297", "m", "", "pm", "换算结果超出可表示的范围。"},
        {"blanks around a unit", "长度", "1", "mile", "", " ft ", "5280"},
        {"no expression", "长度", "1", "m", "", "", ""},
        {"an unknown unit", "长度", "1", "m", "", "furlongg", "无法识别的单位：furlongg"},
        {"a unit of another quantity", "长度", "1", "m", "", "kg", "“kg”不是长度的单位。"}};
    for (const auto& [name, quantity, value, from, atmosphere, expression, shown] : rows) {
        const QuantityTable t = table(quantity);
        const QuantityTable::Expressed e = t.express(value, row(t, from), atmosphere, expression);
        EXPECT_EQ(e.value + e.error + (e.note.empty() ? "" : " | " + e.note), shown) << name;
    }
}

// Twelve significant digits, and the exponent form only at its two bounds (68 ℉ and 0 as the table shows them).
TEST(ValueText, TwelveDigitsAndTheExponentBounds) {
    const std::tuple<const char*, double, const char*> cases[] = {
        {"minus zero", -0.0, "0"},
        {"twelve digits kept", 123456789.123456, "123456789.123"},
        {"whole digits rounded", 1234567890126.0, "1234567890130"},
        {"negative", -0.5, "-0.5"},
        {"1E-06 is fixed", 1e-6, "0.000001"},
        {"rounds up to 1E-06", 9.999999999999e-7, "0.000001"},
        {"below 1E-06", 9.99999999999e-7, "9.99999999999E-07"},
        {"negative below 1E-06", -1.5e-7, "-1.5E-07"},
        {"below 1E+15", 999999999999000.0, "999999999999000"},
        {"rounds up to 1E+15", 999999999999999.0, "1E+15"},
        {"1E+15", 1e15, "1E+15"},
        {"three exponent digits", std::numeric_limits<double>::max(), "1.79769313486E+308"},
        {"infinite", std::numeric_limits<double>::infinity(), ""}};
    for (const auto& [name, value, text] : cases) EXPECT_EQ(value_text(value), text) << name;
}

}  // namespace
}  // namespace vxr::calc::units
