#include "calc/units/unit_table.h"

#include <string_view>

namespace vxr::calc::units {
namespace {

// International Table calorie and British thermal unit, exact by definition.
#define KCAL "4186.8 J"
#define BTU "1055.05585262 J"

constexpr UnitDef kLength[] = {{"m", "m"},         {"km", "km"},    {"cm", "cm"},    {"mm", "mm"},       {"μm", "um"},
                               {"in", "0.0254 m"}, {"ft", "12 in"}, {"yd", "36 in"}, {"mile", "5280 ft"}};
constexpr UnitDef kArea[] = {{"m²", "m2"},       {"km²", "km2"},        {"cm²", "cm2"}, {"mm²", "mm2"},
                             {"公顷", "1e4 m2"}, {"亩", "(1e4/15) m2"}, {"in²", "in2"}, {"ft²", "ft2"}};
constexpr UnitDef kVolume[] = {{"m³", "m3"},
                               {"L", "dm3"},
                               {"mL", "cm3"},
                               {"ft³", "ft3"},
                               {"in³", "in3"},
                               {"美制加仑", "231 in3"},
                               {"英制加仑", "4.54609 dm3"},
                               {"桶（石油）", "9702 in3"}};
constexpr UnitDef kMass[] = {
    {"kg", "kg"},    {"g", "g"}, {"mg", "mg"}, {"t", "1000 kg"}, {"lb", "0.45359237 kg"}, {"oz", "0.45359237 kg/16"},
    {"斤", "0.5 kg"}};
constexpr UnitDef kVolumeFlow[] = {
    {"m³/s", "m3/s"},     {"m³/h", "m3/h"},      {"m³/min", "m3/min"},           {"L/s", "dm3/s"},
    {"L/min", "dm3/min"}, {"m³/d", "m3/(24 h)"}, {"美制加仑/分", "231 in3/min"}, {"ft³/min", "ft3/min"}};
constexpr UnitDef kMassFlow[] = {
    {"kg/s", "kg/s"}, {"kg/h", "kg/h"}, {"t/h", "1000 kg/h"}, {"t/d", "1000 kg/(24 h)"}, {"lb/h", "0.45359237 kg/h"}};
// kgf = 9.80665 N; lbf = 0.45359237 kgf.
constexpr UnitDef kPressure[] = {{"Pa", "Pa"},
                                 {"kPa", "kPa"},
                                 {"MPa", "MPa"},
                                 {"bar", "1e5 Pa"},
                                 {"mbar", "100 Pa"},
                                 {"atm", "101325 Pa"},
                                 {"kgf/cm²", "9.80665 N/cm2"},
                                 {"mmHg", "133.322387415 Pa"},
                                 {"mmH₂O", "9.80665 Pa"},
                                 {"mH₂O", "9806.65 Pa"},
                                 {"psi", "0.45359237 9.80665 N/in2"},
                                 {"Torr", "101325 Pa/760"},
                                 {"kPa（表压）", "kPa", true},
                                 {"MPa（表压）", "MPa", true},
                                 {"bar（表压）", "1e5 Pa", true},
                                 {"kgf/cm²（表压）", "9.80665 N/cm2", true},
                                 {"psig", "0.45359237 9.80665 N/in2", true}};
constexpr UnitDef kTemperature[] = {{"K", "K"}, {"℃", "K @ 273.15"}, {"℉", "K/1.8 @ 459.67"}, {"°R", "K/1.8"}};
constexpr UnitDef kDifference[] = {{"K", "K"}, {"℃", "K"}, {"℉", "K/1.8"}, {"°R", "K/1.8"}};
constexpr UnitDef kDensity[] = {{"kg/m³", "kg/m3"},
                                {"g/cm³", "g/cm3"},
                                {"g/L", "g/dm3"},
                                {"kg/L", "kg/dm3"},
                                {"lb/ft³", "0.45359237 kg/ft3"},
                                {"lb/美制加仑", "0.45359237 kg/(231 in3)"}};
constexpr UnitDef kViscosity[] = {{"Pa·s", "Pa s"},
                                  {"mPa·s", "mPa s"},
                                  {"cP", "mPa s"},
                                  {"P", "0.1 Pa s"},
                                  {"kgf·s/m²", "9.80665 N s/m2"},
                                  {"lb/(ft·s)", "0.45359237 kg/(ft s)"}};
constexpr UnitDef kKinematic[] = {{"m²/s", "m2/s"}, {"mm²/s", "mm2/s"}, {"cSt", "mm2/s"},
                                  {"St", "cm2/s"},  {"m²/h", "m2/h"},   {"ft²/s", "ft2/s"}};
constexpr UnitDef kEnergy[] = {{"J", "J"},     {"kJ", "kJ"},        {"MJ", "MJ"}, {"kWh", "kW h"},
                               {"kcal", KCAL}, {"cal", "4.1868 J"}, {"Btu", BTU}, {"kgf·m", "9.80665 N m"}};
constexpr UnitDef kPower[] = {{"W", "W"},
                              {"kW", "kW"},
                              {"MW", "MW"},
                              {"kcal/h", KCAL "/h"},
                              {"Btu/h", BTU "/h"},
                              {"马力（米制）", "75 9.80665 N m/s"},
                              {"英制马力", "550 0.45359237 9.80665 N ft/s"},
                              {"冷吨（美制）", "12000 " BTU "/h"}};
constexpr UnitDef kSpecificHeat[] = {{"J/(kg·K)", "J/(kg K)"},
                                     {"kJ/(kg·℃)", "kJ/(kg K)"},
                                     {"kcal/(kg·℃)", KCAL "/(kg K)"},
                                     {"Btu/(lb·℉)", BTU "/(0.45359237 kg K/1.8)"}};
constexpr UnitDef kConductivity[] = {{"W/(m·K)", "W/(m K)"},
                                     {"W/(m·℃)", "W/(m K)"},
                                     {"kcal/(m·h·℃)", KCAL "/(m h K)"},
                                     {"Btu/(ft·h·℉)", BTU "/(ft h K/1.8)"}};
constexpr UnitDef kTransfer[] = {{"W/(m²·K)", "W/(m2 K)"},
                                 {"W/(m²·℃)", "W/(m2 K)"},
                                 {"kcal/(m²·h·℃)", KCAL "/(m2 h K)"},
                                 {"Btu/(ft²·h·℉)", BTU "/(ft2 h K/1.8)"}};
constexpr UnitDef kEnthalpy[] = {
    {"J/kg", "J/kg"}, {"kJ/kg", "kJ/kg"}, {"kcal/kg", KCAL "/kg"}, {"Btu/lb", BTU "/(0.45359237 kg)"}};
constexpr UnitDef kSpeed[] = {{"m/s", "m/s"},   {"m/min", "m/min"}, {"m/h", "m/h"},
                              {"km/h", "km/h"}, {"ft/s", "ft/s"},   {"ft/min", "ft/min"}};
constexpr UnitDef kForce[] = {
    {"N", "N"}, {"kN", "kN"}, {"kgf", "9.80665 N"}, {"lbf", "0.45359237 9.80665 N"}, {"dyn", "1e-5 N"}};

#undef KCAL
#undef BTU

// The index of the unit so captioned; a caption not in the list does not compile.
consteval std::size_t unit(std::span<const UnitDef> units, std::string_view caption) {
    for (std::size_t i = 0; i < units.size(); ++i)
        if (caption == units[i].caption) return i;
    throw "no unit so captioned";
}

// Each quantity opens on the unit of the design documents and handbooks a Chinese process engineer works from.
constexpr Quantity kQuantities[] = {
    {"长度", QuantityKind::Ordinary, kLength, unit(kLength, "m")},
    {"面积", QuantityKind::Ordinary, kArea, unit(kArea, "m²")},
    {"体积", QuantityKind::Ordinary, kVolume, unit(kVolume, "m³")},
    {"质量", QuantityKind::Ordinary, kMass, unit(kMass, "kg")},
    {"体积流量", QuantityKind::Ordinary, kVolumeFlow, unit(kVolumeFlow, "m³/h")},
    {"质量流量", QuantityKind::Ordinary, kMassFlow, unit(kMassFlow, "kg/h")},
    {"压力", QuantityKind::Pressure, kPressure, unit(kPressure, "kPa")},
    {"温度", QuantityKind::Temperature, kTemperature, unit(kTemperature, "℃")},
    {"温差", QuantityKind::Difference, kDifference, unit(kDifference, "℃")},
    {"密度", QuantityKind::Ordinary, kDensity, unit(kDensity, "kg/m³")},
    {"动力粘度", QuantityKind::Ordinary, kViscosity, unit(kViscosity, "mPa·s")},
    {"运动粘度", QuantityKind::Ordinary, kKinematic, unit(kKinematic, "mm²/s")},
    {"能量", QuantityKind::Ordinary, kEnergy, unit(kEnergy, "kJ")},
    {"功率", QuantityKind::Ordinary, kPower, unit(kPower, "kW")},
    {"比热容", QuantityKind::Ordinary, kSpecificHeat, unit(kSpecificHeat, "kJ/(kg·℃)")},
    {"导热系数", QuantityKind::Ordinary, kConductivity, unit(kConductivity, "W/(m·℃)")},
    {"传热系数", QuantityKind::Ordinary, kTransfer, unit(kTransfer, "W/(m²·℃)")},
    {"比焓", QuantityKind::Ordinary, kEnthalpy, unit(kEnthalpy, "kJ/kg")},
    {"速度", QuantityKind::Ordinary, kSpeed, unit(kSpeed, "m/s")},
    {"力", QuantityKind::Ordinary, kForce, unit(kForce, "N")},
};

}  // namespace

std::span<const Quantity> quantities() {
    return kQuantities;
}

}  // namespace vxr::calc::units
