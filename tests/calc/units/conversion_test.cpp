// Unit conversion on UDUNITS-2: every unit of the page held to its defined factor, round trips, temperature points
// against differences, gauge pressures, and the user's own expressions.
#include "calc/units/conversion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <vector>

namespace vxr::calc::units {
namespace {

const Database& database() {
    std::string error;
    const Database* db = Database::get(&error);
    if (!db) throw std::runtime_error(error);
    return *db;
}

QuantityTable table(const std::string& name) {
    for (const Quantity& q : quantities())
        if (q.name == name) return QuantityTable(database(), q);
    throw std::invalid_argument(name);
}

std::size_t row(const QuantityTable& t, const std::string& caption) {
    for (std::size_t i = 0; i < t.size(); ++i)
        if (t.quantity().units[i].caption == caption) return i;
    throw std::invalid_argument(caption);
}

// Each unit's value in the SI unit, exact by definition (gauge units: of their absolute scale).
const std::map<std::string, std::map<std::string, double>> kFactors = {
    {"长度",
     {{"m", 1},
      {"km", 1e3},
      {"cm", 0.01},
      {"mm", 1e-3},
      {"μm", 1e-6},
      {"in", 0.0254},
      {"ft", 0.3048},
      {"yd", 0.9144},
      {"mile", 1609.344}}},
    {"面积",
     {{"m²", 1},
      {"km²", 1e6},
      {"cm²", 1e-4},
      {"mm²", 1e-6},
      {"公顷", 1e4},
      {"亩", 10000.0 / 15},
      {"in²", 6.4516e-4},
      {"ft²", 0.09290304}}},
    {"体积",
     {{"m³", 1},
      {"L", 1e-3},
      {"mL", 1e-6},
      {"ft³", 0.028316846592},
      {"in³", 1.6387064e-5},
      {"美制加仑", 3.785411784e-3},
      {"英制加仑", 4.54609e-3},
      {"桶（石油）", 0.158987294928}}},
    {"质量",
     {{"kg", 1}, {"g", 1e-3}, {"mg", 1e-6}, {"t", 1000}, {"lb", 0.45359237}, {"oz", 0.028349523125}, {"斤", 0.5}}},
    {"体积流量",
     {{"m³/s", 1},
      {"m³/h", 1 / 3600.0},
      {"m³/min", 1 / 60.0},
      {"L/s", 1e-3},
      {"L/min", 1e-3 / 60},
      {"m³/d", 1 / 86400.0},
      {"美制加仑/分", 3.785411784e-3 / 60},
      {"ft³/min", 0.028316846592 / 60}}},
    {"质量流量",
     {{"kg/s", 1}, {"kg/h", 1 / 3600.0}, {"t/h", 1 / 3.6}, {"t/d", 1000 / 86400.0}, {"lb/h", 0.45359237 / 3600}}},
    {"压力",
     {{"Pa", 1},
      {"kPa", 1e3},
      {"MPa", 1e6},
      {"bar", 1e5},
      {"mbar", 100},
      {"atm", 101325},
      {"kgf/cm²", 98066.5},
      {"mmHg", 133.322387415},
      {"mmH₂O", 9.80665},
      {"mH₂O", 9806.65},
      {"psi", 6894.75729316836},
      {"Torr", 101325 / 760.0},
      {"kPa（表压）", 1e3},
      {"MPa（表压）", 1e6},
      {"bar（表压）", 1e5},
      {"kgf/cm²（表压）", 98066.5},
      {"psig", 6894.75729316836}}},
    {"温差", {{"K", 1}, {"℃", 1}, {"℉", 5 / 9.0}, {"°R", 5 / 9.0}}},
    {"密度",
     {{"kg/m³", 1},
      {"g/cm³", 1000},
      {"g/L", 1},
      {"kg/L", 1000},
      {"lb/ft³", 16.0184633739601},
      {"lb/美制加仑", 119.826427316897}}},
    {"动力粘度",
     {{"Pa·s", 1}, {"mPa·s", 1e-3}, {"cP", 1e-3}, {"P", 0.1}, {"kgf·s/m²", 9.80665}, {"lb/(ft·s)", 1.48816394356955}}},
    {"运动粘度",
     {{"m²/s", 1}, {"mm²/s", 1e-6}, {"cSt", 1e-6}, {"St", 1e-4}, {"m²/h", 1 / 3600.0}, {"ft²/s", 0.09290304}}},
    {"能量",
     {{"J", 1},
      {"kJ", 1e3},
      {"MJ", 1e6},
      {"kWh", 3.6e6},
      {"kcal", 4186.8},
      {"cal", 4.1868},
      {"Btu", 1055.05585262},
      {"kgf·m", 9.80665}}},
    {"功率",
     {{"W", 1},
      {"kW", 1e3},
      {"MW", 1e6},
      {"kcal/h", 1.163},
      {"Btu/h", 0.293071070172222},
      {"马力（米制）", 735.49875},
      {"英制马力", 745.699871582270},
      {"冷吨（美制）", 3516.85284206667}}},
    {"比热容", {{"J/(kg·K)", 1}, {"kJ/(kg·℃)", 1000}, {"kcal/(kg·℃)", 4186.8}, {"Btu/(lb·℉)", 4186.8}}},
    {"导热系数", {{"W/(m·K)", 1}, {"W/(m·℃)", 1}, {"kcal/(m·h·℃)", 1.163}, {"Btu/(ft·h·℉)", 1.73073466637139}}},
    {"传热系数", {{"W/(m²·K)", 1}, {"W/(m²·℃)", 1}, {"kcal/(m²·h·℃)", 1.163}, {"Btu/(ft²·h·℉)", 5.67826334111348}}},
    {"比焓", {{"J/kg", 1}, {"kJ/kg", 1000}, {"kcal/kg", 4186.8}, {"Btu/lb", 2326}}},
    {"速度",
     {{"m/s", 1},
      {"m/min", 1 / 60.0},
      {"m/h", 1 / 3600.0},
      {"km/h", 1 / 3.6},
      {"ft/s", 0.3048},
      {"ft/min", 0.3048 / 60}}},
    {"力", {{"N", 1}, {"kN", 1e3}, {"kgf", 9.80665}, {"lbf", 4.4482216152605}, {"dyn", 1e-5}}},
};

TEST(UnitConversion, HoldsEveryUnitToItsFactorAndBack) {
    for (const Quantity& q : quantities()) {
        SCOPED_TRACE(q.name);
        const QuantityTable t(database(), q);
        const bool points = q.kind == QuantityKind::Temperature;
        if (!points) {
            EXPECT_EQ(kFactors.at(q.name).size(), t.size()) << "a unit without its factor";
        }
        for (std::size_t i = 0; i < t.size(); ++i) {
            SCOPED_TRACE(q.units[i].caption);
            if (!points) {
                const double factor = kFactors.at(q.name).at(q.units[i].caption);
                EXPECT_NEAR(t.toSi(i, 1, 0) / factor, 1, 1e-12);
            }
            for (const double v : {-17.5, 1234.5678}) EXPECT_NEAR(t.fromSi(i, t.toSi(i, v, 9e4), 9e4) / v, 1, 1e-12);
        }
    }
}

TEST(UnitConversion, KeepsTemperaturePointsApartFromDifferences) {
    const QuantityTable points = table("温度"), differences = table("温差");
    const struct {
        const char* caption;
        double value, point_k, difference_k;
    } cases[] = {{"℃", 100, 373.15, 100}, {"℉", -40, 233.15, -40 / 1.8}, {"°R", 491.67, 273.15, 491.67 / 1.8}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.caption);
        EXPECT_NEAR(points.toSi(row(points, c.caption), c.value, 0), c.point_k, 1e-10);
        EXPECT_NEAR(differences.toSi(row(differences, c.caption), c.value, 0), c.difference_k, 1e-10);
    }
    EXPECT_EQ(points.convert("100", row(points, "℃"), "").values[2], "212");
    EXPECT_EQ(differences.convert("100", row(differences, "℃"), "").values[2], "180");
    const QuantityTable::Texts below = points.convert("-273.2", row(points, "℃"), "");
    EXPECT_EQ(below.error, "温度低于绝对零度（0 K）。");
    EXPECT_EQ(below.values, std::vector<std::string>(points.size()));
}

TEST(UnitConversion, AddsTheLocalAtmosphereToGaugePressures) {
    const QuantityTable p = table("压力");
    const QuantityTable::Texts texts = p.convert("100", row(p, "kPa（表压）"), "90");
    EXPECT_EQ(texts.values[row(p, "kPa")], "190");
    EXPECT_EQ(texts.values[row(p, "MPa（表压）")], "0.1");
    EXPECT_EQ(p.convert("0", row(p, "psig"), "101.325").values[row(p, "atm")], "1");
    EXPECT_EQ(p.convert("1", row(p, "bar"), " ").error, "当地大气压须为大于零的数字。");
}

TEST(UnitConversion, ReadsTheUsersExpressions) {
    const struct {
        const char* quantity;
        const char* value;
        const char* from;
        const char* expression;
        const char* result;
        const char* error;
    } cases[] = {
        {"传热系数", "1.163", "W/(m²·K)", "kcal/(m²·h·℃)", "1", ""},
        {"温度", "100", "℃", "°F", "212", ""},
        {"温差", "100", "℃", "℉", "180", ""},
        {"压力", "0", "kPa（表压）", "psig", "0", ""},
        {"长度", "1", "mile", " ft ", "5280", ""},
        {"长度", "1", "m", "", "", ""},
        {"长度", "1", "m", "furlongg", "", "无法识别的单位：furlongg"},
        {"长度", "1", "m", "kg", "", "“kg”不是长度的单位。"},
        {"长度", "1,5", "m", "ft", "", "数值不是有效的数字。"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expression);
        const QuantityTable t = table(c.quantity);
        const QuantityTable::Expressed e = t.express(c.value, row(t, c.from), "101.325", c.expression);
        EXPECT_EQ(e.value, c.result);
        EXPECT_EQ(e.error, c.error);
    }
}

}  // namespace
}  // namespace vxr::calc::units
