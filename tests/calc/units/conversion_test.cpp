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

// Each unit's value in the SI unit, exact by definition, in the page's order (gauge units: of their absolute scale).
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
    {"力", {1, 1e3, 9.80665, 4.4482216152605, 1e-5}},
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
                EXPECT_NEAR(t.toSi(i, 1, 0) / kFactors.at(q.name)[i], 1, 1e-12);
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
        const char *quantity, *value, *from, *expression, *result, *error;
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
