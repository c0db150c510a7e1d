// The water/steam dialog's arithmetic: the texts typed read in each mode, the table it shows, and the fill of every
// page's property inputs (which fields, in which units, from which state, what stays), with the refusals of each.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "calc/properties/fill.h"
#include "frame/numeric_text.h"

namespace vxr::test {
namespace {

using namespace calc::water;

// The state's description, or the refusal's message.
std::string found(const Typed& typed) {
    const Answer<Found> f = find(typed);
    const auto* r = std::get_if<Refusal>(&f);
    return r ? r->message : std::get<Found>(f).described();
}

// A table's row as "quantity [unit] cell | cell".
std::string row(const Table& t, std::size_t i) {
    std::string s = t.rows[i].quantity + " [" + t.rows[i].unit + "]";
    for (std::size_t c = 0; c < t.rows[i].cells.size(); ++c) s += (c ? " | " : " ") + t.rows[i].cells[c];
    return s;
}

Table table_of(const Typed& typed) {
    return table(std::get<Found>(find(typed)));
}

// The fill of `calculation` from the dialog's `typed`, the page's texts at their defaults but `page`: "field=text"
// joined by blanks, or the refusal and its field. Every text filled reads back as its value within six digits.
std::string filled(const char* calculation, const Typed& typed, std::map<std::string, std::string> page = {}) {
    const calc::Calculation& c = *calc::find_calculation(calculation);
    for (const frame::Field& f : c.fields()) page.emplace(f.name, f.text);
    const FillAnswer a = fill(c, find(typed), [&](std::string_view name) { return page.at(std::string(name)); });
    if (const auto* r = std::get_if<FillRefusal>(&a)) return r->message + " @ " + (r->field ? r->field : "none");
    std::string all;
    for (const Filled& f : std::get<Fill>(a).fields) {
        EXPECT_TRUE(frame::parse_number(f.text)) << f.text;
        all += (all.empty() ? "" : " ") + std::string(f.field) + "=" + f.text;
    }
    return all;
}

std::vector<std::string> sources(const char* calculation, const Typed& typed) {
    const calc::Calculation& c = *calc::find_calculation(calculation);
    const FillAnswer a = fill(c, find(typed), [&](std::string_view name) { return c.field(name)->text; });
    std::vector<std::string> out;
    for (const Filled& f : std::get<Fill>(a).fields) out.push_back(f.source);
    return out;
}

const Typed kSat105{Mode::SaturationByTemperature, "105", "", PressureUnit::kPa, "", Side::Liquid};
const Typed kSteam105{Mode::SaturationByTemperature, "105", "", PressureUnit::kPa, "", Side::Vapour};
const Typed kWater20{Mode::TemperatureAndPressure, "20", "0.101325", PressureUnit::MPa, "", Side::Vapour};
const Typed kWet{Mode::Wet, "", "1", PressureUnit::MPa, "0.9", Side::Liquid};

TEST(WaterSteamLookup, EachModeReadsItsTexts) {
    const struct {
        const char* name;
        Typed typed;
        std::string expected;
    } rows[] = {
        {"saturation by t", kSat105, "饱和液体，t = 105 ℃"},
        {"saturation by p, vapour",
         {Mode::SaturationByPressure, "x", "0.5", PressureUnit::MPa, "", Side::Vapour},
         "饱和蒸汽，p = 0.5 MPa"},
        {"t and p", kWater20, "t = 20 ℃，p = 0.101325 MPa"},
        {"wet by p (t blank)", kWet, "湿蒸汽，x = 0.9，t = 179.886 ℃，p = 1 MPa"},
        {"wet by t",
         {Mode::Wet, " 100 ", "abc", PressureUnit::kPa, "0", Side::Liquid},
         "湿蒸汽，x = 0，t = 100 ℃，p = 101.418 kPa"},
        {"full-width t",
         {Mode::SaturationByTemperature, "１００", "", PressureUnit::kPa, "", Side::Liquid},
         "饱和液体，t = 100 ℃"},
        {"blank t", {Mode::SaturationByTemperature, " ", "1", PressureUnit::kPa, "", Side::Liquid}, "请输入温度。"},
        {"p no number",
         {Mode::TemperatureAndPressure, "20", "1,5", PressureUnit::kPa, "", Side::Liquid},
         "压力不是有效的数值。"},
        {"wet, nothing", {Mode::Wet, "", "", PressureUnit::kPa, "0.5", Side::Liquid}, "湿蒸汽：请输入温度或压力。"},
        {"wet, no dryness", {Mode::Wet, "100", "", PressureUnit::kPa, "", Side::Liquid}, "请输入干度。"},
        {"the core's refusal",
         {Mode::TemperatureAndPressure, "801", "1", PressureUnit::kPa, "", Side::Liquid},
         "温度高于 800 ℃，超出计算范围（0～800 ℃）。"},
        {"100.001 MPa",
         {Mode::TemperatureAndPressure, "20", "100.001", PressureUnit::MPa, "", Side::Liquid},
         "压力高于 100 MPa，超出计算范围。"},
    };
    for (const auto& r : rows) EXPECT_EQ(found(r.typed), r.expected) << r.name;
}

// A column per phase, a value of the whole state once, "—" where none applies or the value is infinite, ≈ on μ in
// the critical region, and the note.
TEST(WaterSteamLookup, TableColumnsCellsAndNote) {
    const Table sat = table_of(kSat105);
    EXPECT_EQ(sat.columns, (std::vector<std::string>{"饱和液体", "饱和蒸汽"}));
    ASSERT_EQ(sat.rows.size(), 14u);
    for (const auto& [i, expected] : std::map<std::size_t, std::string>{{0, "温度 t [℃] 105"},
                                                                        {1, "压力 p [kPa] 120.902"},
                                                                        {2, "密度 ρ [kg/m³] 954.708 | 0.704982"},
                                                                        {9, "动力粘度 μ [mPa·s] 0.267482 | 0.0124059"},
                                                                        {11, "普朗特数 Pr [] 1.66382 | 1.03845"},
                                                                        {12, "汽化热 r [kJ/kg] 2243.18"},
                                                                        {13, "表面张力 σ [mN/m] 57.9425"}})
        EXPECT_EQ(row(sat, i), expected);
    EXPECT_EQ(sat.note, "饱和线（IF97 第 4 区）；液相按第 1 区，汽相按第 2 区。");
    const Table water = table_of(kWater20);
    EXPECT_EQ(water.columns[0] + " " + row(water, 1) + " / " + row(water, 12) + " / " + water.note,
              "压缩液体 压力 p [MPa] 0.101325 / 汽化热 r [kJ/kg] — / IF97 第 1 区，压缩液体。");
    const Table wet = table_of(kWet);
    EXPECT_EQ(row(wet, 4) + " / " + row(wet, 6),
              "比焓 h [kJ/kg] 2575.68 | 762.683 | 2777.12 / 定压比热容 cp [kJ/(kg·K)] — | 4.40511 | 2.71498");
    const Table critical = table_of({Mode::TemperatureAndPressure, "373.946", "22.064", PressureUnit::MPa, "", {}});
    EXPECT_EQ(critical.columns[0] + " " + row(critical, 6) + " / " + row(critical, 9),
              "临界点 定压比热容 cp [kJ/(kg·K)] — / 动力粘度 μ [mPa·s] ≈0.0393292");
    EXPECT_EQ(critical.note,
              "IF97 第 3 区，临界点。临界点上 cp、λ、Pr 为无穷大（—）。≈：临界区内的 μ 未计临界增强，为近似值。");
    EXPECT_EQ(table_of({Mode::TemperatureAndPressure, "400", "20", PressureUnit::MPa, "", {}}).columns[0], "过热蒸汽");
    EXPECT_EQ(table_of({Mode::TemperatureAndPressure, "400", "30", PressureUnit::MPa, "", {}}).columns[0],
              "超临界流体");
    EXPECT_EQ(six_digits(-0.0415798765) + " " + six_digits(1.25e-5), "-0.0415799 0.0000125");
}

// Each page's tagged inputs, in its units, and no other: the convection and condensation pages' cp in J/(kg·K), μ in
// Pa·s; the pump's vapour pressure in kPa at the state's temperature; the evaporator's r1 and r at its own T1 and T
// (its solution's cp0 stays). Pages without such inputs fill nothing.
TEST(WaterSteamFill, EachPageFillsItsPropertyInputsInTheirUnits) {
    const struct {
        const char* calculation;
        Typed typed;
        std::string expected;
    } rows[] = {
        {"friction", kSat105, "Text34=954.708 Text35=0.000267482"},
        {"friction", kSteam105, "Text34=0.704982 Text35=0.0000124059"},
        {"pump", kWater20, "Text41=998.206 Text43=2.33921"},
        {"pump", kSteam105, "Text41=0.704982 Text43=120.902"},
        {"convection", kWater20, "Text67=998.206 Text65=4184.79 Text66=0.0010016 Text64=0.598011"},
        {"condensation", kWet,
         "Text78=2113.67 Text80=0.00020452 Text81=0.682978 Text79=2.54776 Text82=930.621 "
         "Text72=4274.62"},
        {"evaporation", kWet, "evapVapourLatent=2357.45 evapSteamLatent=2164.1"},
        {"pipeDiameter", kSat105, "本页没有可由水和水蒸气物性填入的输入。 @ none"},
        {"relief", kSat105, "本页没有可由水和水蒸气物性填入的输入。 @ none"},
    };
    for (const auto& r : rows) EXPECT_EQ(filled(r.calculation, r.typed), r.expected) << r.calculation;
}

// Where each value came from, as the sheet names it.
TEST(WaterSteamFill, SourcesNameTheStateAndTheEquations) {
    EXPECT_EQ(sources("friction", kSat105),
              (std::vector<std::string>{"物性：水，IAPWS-IF97，饱和液体，t = 105 ℃",
                                        "物性：水，IAPWS 2008 与 IAPWS-IF97，饱和液体，t = 105 ℃"}));
    EXPECT_EQ(sources("pump", kWater20)[1], "物性：水，IAPWS-IF97，饱和蒸汽压，t = 20 ℃");
    const std::vector<std::string> condensation = sources("condensation", kSat105);
    EXPECT_EQ(condensation[0], "物性：水，IAPWS-IF97，汽化热，t = 150 ℃");
    EXPECT_EQ(condensation[2],
              "物性：水，IAPWS 2011 与 IAPWS-IF97，冷凝液，膜温 (ts + tw)/2 = 135 ℃，p = ps(ts) = 476.101 kPa");
    EXPECT_EQ(condensation[3], "物性：水，IAPWS-IF97，饱和蒸汽，t = 150 ℃");
    EXPECT_EQ(sources("friction", {Mode::SaturationByTemperature, "373.5", "", PressureUnit::kPa, "", {}})[1],
              "物性：水，IAPWS 2008 与 IAPWS-IF97，饱和液体，t = 373.5 ℃（临界区内，μ 为近似值）");
}

// The page's own temperatures: the field at fault named, tw = ts refused and tw just below filled; the dialog's
// state: wet steam, a state refused, no saturation pressure above Tc, infinite cp at the critical point.
TEST(WaterSteamFill, RefusalsNameThePageFieldOrNone) {
    const std::string tw_first =
        "“壁面温度（℃）”须低于“蒸汽饱和温度（℃）”（冷凝液物性取膜温 (ts + tw)/2），未填入物性。";
    const struct {
        const char* name;
        const char* calculation;
        Typed typed;
        std::map<std::string, std::string> page;
        std::string expected;
    } rows[] = {
        {"ts no number",
         "condensation",
         kSat105,
         {{"Text76", "abc"}, {"Text75", "x"}},
         "“蒸汽饱和温度（℃）”不是有效的数值，未填入物性。 @ Text76"},
        {"tw no number",
         "condensation",
         kSat105,
         {{"Text75", ""}},
         "“壁面温度（℃）”不是有效的数值，未填入物性。 @ Text75"},
        {"tw = ts", "condensation", kSat105, {{"Text75", "150"}}, tw_first + " @ Text75"},
        {"ts above Tc",
         "condensation",
         kSat105,
         {{"Text76", "374"}},
         "“蒸汽饱和温度（℃）”：饱和温度须在 0～373.946 ℃（临界温度）之间。未填入物性。 @ Text76"},
        {"film below 0 ℃",
         "condensation",
         kSat105,
         {{"Text76", "1"}, {"Text75", "-3"}},
         "“壁面温度（℃）”：膜温 (ts + tw)/2 = -1 ℃，温度低于 0 ℃，超出计算范围（0～800 ℃）。未填入物性。 @ Text75"},
        {"T no number",
         "evaporation",
         kSat105,
         {{"evapSteamTemp", "1.2.3"}},
         "“加热蒸汽温度（℃）”不是有效的数值，未填入物性。 @ evapSteamTemp"},
        {"wet steam", "friction", kWet, {}, "湿蒸汽是两相混合物，其物性不填入页面。 @ none"},
        {"the dialog refuses",
         "convection",
         {Mode::SaturationByTemperature, "", "", PressureUnit::kPa, "", {}},
         {},
         "请输入温度。 @ none"},
        {"no ps above Tc",
         "pump",
         {Mode::TemperatureAndPressure, "400", "30", PressureUnit::MPa, "", {}},
         {},
         "温度高于临界温度 373.946 ℃，没有饱和蒸汽压。 @ none"},
        {"critical cp",
         "convection",
         {Mode::SaturationByTemperature, "373.946", "", PressureUnit::kPa, "", {}},
         {},
         "临界点上 cp、λ 为无穷大，无法填入。 @ none"},
    };
    for (const auto& r : rows) EXPECT_EQ(filled(r.calculation, r.typed, r.page), r.expected) << r.name;
    EXPECT_EQ(filled("condensation", kSat105, {{"Text75", "149.99"}}).substr(0, 14), "Text78=2113.67");
    EXPECT_EQ(filled("pump", {Mode::TemperatureAndPressure, "373.946", "30", PressureUnit::MPa, "", {}}),
              "Text41=562.734 Text43=22064");
}

}  // namespace
}  // namespace vxr::test
