// The water/steam dialog's arithmetic: the texts typed read in each mode, the table it shows, and the fill of every
// page's property inputs (which fields, in which units, from which state, what stays), with the refusals of each.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "calc/properties/fill.h"
#include "frame/numeric_text.h"

namespace vxr::test {
namespace {

using namespace calc::water;
constexpr auto kPa = PressureUnit::kPa, MPa = PressureUnit::MPa;

Typed by_t(const char* t, Side side = Side::Liquid) {
    return {Mode::SaturationByTemperature, t, "", kPa, "", side};
}
Typed tp(const char* t, const char* p, PressureUnit unit = MPa) {
    return {Mode::TemperatureAndPressure, t, p, unit, "", Side::Liquid};
}
Typed wet(const char* t, const char* p, const char* x, PressureUnit unit = kPa) {
    return {Mode::Wet, t, p, unit, x, Side::Liquid};
}

// The state's description, or the refusal's message.
std::string found(const Typed& typed) {
    const Answer<Found> f = find(typed);
    return std::holds_alternative<Refusal>(f) ? std::get<Refusal>(f).message : std::get<Found>(f).described();
}

// A table's rows as "quantity [unit] cell | cell", those of the quantities named in `which` ("密度 ρ"), joined by
// " / ". Every table has a row for each quantity of the list the dialog sizes its table by, in its order.
std::string rows(const Typed& typed, std::initializer_list<std::string_view> which) {
    const Table t = table(std::get<Found>(find(typed)));
    std::vector<std::string> quantities;
    for (const Table::Row& r : t.rows) quantities.push_back(r.quantity);
    EXPECT_EQ(quantities, std::vector<std::string>(std::begin(kTableQuantities), std::end(kTableQuantities)));
    std::string s = t.columns[0];
    for (std::string_view q : which) {
        const auto row =
            std::find_if(t.rows.begin(), t.rows.end(), [&](const Table::Row& r) { return r.quantity == q; });
        if (row == t.rows.end()) return "no row " + std::string(q);
        s += " / " + row->quantity + " [" + row->unit + "]";
        for (std::size_t c = 0; c < row->cells.size(); ++c) s += (c ? " | " : " ") + row->cells[c];
    }
    return s + " / " + t.note;
}

// The fill of `calculation` from the dialog's `typed`, the page's texts at their defaults but `page`: "field=text"
// joined by blanks (each text a number the page reads), or the sources, or the refusal and its field.
std::string filled(const char* calculation, const Typed& typed, std::map<std::string, std::string> page = {},
                   bool sources = false) {
    const calc::Calculation& c = *calc::find_calculation(calculation);
    for (const frame::Field& f : c.fields()) page.emplace(f.name, f.text);
    const FillAnswer a = fill(c, find(typed), [&](std::string_view name) { return page.at(std::string(name)); });
    if (const auto* r = std::get_if<FillRefusal>(&a)) return r->message + " @ " + (r->field ? r->field : "none");
    std::string all;
    for (const Filled& f : std::get<Fill>(a).fields) {
        EXPECT_TRUE(frame::parse_number(f.text)) << f.text;
        all += (all.empty() ? "" : sources ? " | " : " ") + (sources ? f.source : std::string(f.field) + "=" + f.text);
    }
    return all;
}

// The texts typed read in each mode; the table: a column per phase, a value of the whole state once, "—" where none
// applies or the value is infinite, ≈ on μ in the critical region, and the note.
TEST(WaterSteamLookup, ModesAndTheTable) {
    const std::pair<Typed, std::string> modes[] = {
        {by_t("105"), "饱和液体，t = 105 ℃"},
        {{Mode::SaturationByPressure, "x", "0.5", MPa, "", Side::Vapour}, "饱和蒸汽，p = 0.5 MPa"},
        {tp("20", "0.101325"), "t = 20 ℃，p = 0.101325 MPa"},
        {wet("", "1", "0.9", MPa), "湿蒸汽，x = 0.9，t = 179.886 ℃，p = 1 MPa"},
        {wet(" 100 ", "abc", "0"), "湿蒸汽，x = 0，t = 100 ℃，p = 101.418 kPa"},
        {by_t("１００"), "饱和液体，t = 100 ℃"},
        {by_t(" "), "请输入温度。"},
        {tp("20", "1,5"), "压力不是有效的数值。"},
        {wet("", "", "0.5"), "湿蒸汽：请输入温度或压力。"},
        {wet("100", "", ""), "请输入干度。"},
        {tp("801", "1"), "温度高于 800 ℃，超出计算范围（0～800 ℃）。"},
        {tp("20", "100.001"), "压力高于 100 MPa，超出计算范围。"}};
    for (const auto& [typed, expected] : modes) EXPECT_EQ(found(typed), expected) << typed.temperature;
    EXPECT_EQ(rows(by_t("105"), {"温度 t", "压力 p", "密度 ρ", "动力粘度 μ", "普朗特数 Pr", "汽化热 r", "表面张力 σ"}),
              "饱和液体 / 温度 t [℃] 105 / 压力 p [kPa] 120.902 / 密度 ρ [kg/m³] 954.708 | 0.704982 / 动力粘度 μ "
              "[mPa·s] 0.267482 | 0.0124059 / 普朗特数 Pr [] 1.66382 | 1.03845 / 汽化热 r [kJ/kg] 2243.18 / 表面张力 σ "
              "[mN/m] 57.9425 / 饱和线（IF97 第 4 区）；液相按第 1 区，汽相按第 2 区。");
    EXPECT_EQ(
        rows(tp("20", "0.101325"), {"压力 p", "密度 ρ", "汽化热 r"}),
        "压缩液体 / 压力 p [MPa] 0.101325 / 密度 ρ [kg/m³] 998.206 / 汽化热 r [kJ/kg] — / IF97 第 1 区，压缩液体。");
    EXPECT_EQ(rows(wet("", "1", "0.9", MPa), {"比焓 h", "定压比热容 cp"}),
              "湿蒸汽 / 比焓 h [kJ/kg] 2575.68 | 762.683 | 2777.12 / 定压比热容 cp [kJ/(kg·K)] — | 4.40511 | 2.71498 / "
              "湿蒸汽，按压力求饱和状态；混合物的 ρ、v、h、s 按干度加权（v = v′ + x·(v″ − v′)）。");
    EXPECT_EQ(rows(tp("373.946", "22.064"), {"定压比热容 cp", "动力粘度 μ"}),
              "临界点 / 定压比热容 cp [kJ/(kg·K)] — / 动力粘度 μ [mPa·s] ≈0.0393292 / IF97 第 3 区，临界点。临界点上 "
              "cp、λ、Pr 为无穷大（—）。≈：临界区内的 μ 未计临界增强，为近似值。");
    EXPECT_EQ(rows(tp("400", "20"), {}) + rows(tp("400", "30"), {}),
              "过热蒸汽 / IF97 第 2 区，过热蒸汽。超临界流体 / IF97 第 3 区，超临界流体。");
    EXPECT_EQ(six_digits(-0.0415798765) + " " + six_digits(1.25e-5), "-0.0415799 0.0000125");
}

// Just below Tc IF97's ps(T) lies above every pressure of region 3's vapour branch: from 3.47e-5 K below Tc to the
// critical point's own band (6.47e-7 K) the saturated vapour and r are "—", the liquid a number; beyond, numbers.
TEST(WaterSteamLookup, NoSaturatedVapourJustBelowTheCriticalPoint) {
    const std::string region3 = "饱和线（IF97 第 4 区）；两相按第 3 区。",
                      approximate = "≈：临界区内的 μ 未计临界增强，为近似值。";
    const std::string none =
        region3 + "临界温度以下 3.47×10⁻⁵ K 内 IF97 的饱和压力高于汽相方程能达到的压力：饱和蒸汽与汽化热无值（—）。" +
        approximate;
    const std::pair<Typed, std::string> rows_of[] = {
        {by_t("373.94596529"), "321.674 / 汽化热 r [kJ/kg] 1.60748 / " + region3 + approximate},  // 3.471e-5 K
        {by_t("373.94596531"), "— / 汽化热 r [kJ/kg] — / " + none},                               // 3.469e-5 K
        {by_t("373.94599934"), "— / 汽化热 r [kJ/kg] — / " + none},                               // 6.6e-7 K
        {by_t("373.94599936"),
         "322 / 汽化热 r [kJ/kg] 0 / 临界点：液相与汽相相同。临界点上 cp、λ、Pr 为无穷大（—）。" + approximate},
        {{Mode::SaturationByPressure, "", "22063.99", kPa, "", Side::Liquid},  // 3.7e-5 K below Tc
         "321.616 / 汽化热 r [kJ/kg] 1.73909 / " + region3 + approximate},
        {{Mode::SaturationByPressure, "", "22063.991", kPa, "", Side::Liquid}, "— / 汽化热 r [kJ/kg] — / " + none}};
    for (const auto& [typed, expected] : rows_of) {
        const std::string shown = rows(typed, {"密度 ρ", "汽化热 r"});
        EXPECT_EQ(shown.substr(shown.find(" | ") + 3), expected) << typed.temperature << typed.pressure;
    }
    const std::string mixture = "湿蒸汽 / 密度 ρ [kg/m³] — | 322.596 | —";
    EXPECT_EQ(rows(wet("373.94597", "", "0.5"), {"密度 ρ"}).substr(0, mixture.size()), mixture);
}

// Where each value came from, as the sheet names it.
TEST(WaterSteamFill, SourcesNameTheStateAndTheEquations) {
    EXPECT_EQ(filled("friction", by_t("105"), {}, true),
              "物性：水，IAPWS-IF97，饱和液体，t = 105 ℃ | 物性：水，IAPWS 2008 与 IAPWS-IF97，饱和液体，t = 105 ℃");
    EXPECT_EQ(filled("pump", tp("20", "0.101325"), {}, true),
              "物性：水，IAPWS-IF97，t = 20 ℃，p = 0.101325 MPa | 物性：水，IAPWS-IF97，饱和蒸汽压，t = 20 ℃");
    EXPECT_EQ(
        filled("condensation", by_t("105"), {}, true),
        "物性：水，IAPWS-IF97，汽化热，t = 150 ℃ | 物性：水，IAPWS 2008 与 IAPWS-IF97，冷凝液，膜温 (ts + tw)/2 = "
        "135 ℃，p = ps(ts) = 476.101 kPa | 物性：水，IAPWS 2011 与 IAPWS-IF97，冷凝液，膜温 (ts + tw)/2 = 135 ℃，p = "
        "ps(ts) = 476.101 kPa | 物性：水，IAPWS-IF97，饱和蒸汽，t = 150 ℃ | 物性：水，IAPWS-IF97，冷凝液，膜温 (ts "
        "+ tw)/2 = 135 ℃，p = ps(ts) = 476.101 kPa | 物性：水，IAPWS-IF97，冷凝液，膜温 (ts + tw)/2 = 135 ℃，p = "
        "ps(ts) = 476.101 kPa");
    const std::string critical = filled("friction", by_t("373.5"), {}, true);
    EXPECT_EQ(critical.substr(critical.find(" | ") + 3),
              "物性：水，IAPWS 2008 与 IAPWS-IF97，饱和液体，t = 373.5 ℃（临界区内，μ 为近似值）");
}

// Each page's tagged inputs, in its units, and no other, beyond what the window's fill test shows: the vapour's μ in
// Pa·s; the pump's vapour pressure in kPa at the state's temperature, at and above the critical point; the convection
// page's cp in J/(kg·K); a page without such inputs fills nothing. Refused: the page's own temperatures, the field at
// fault named, tw just below ts filled (tw = ts refused: the window's test); the dialog's state: wet steam, a state
// refused, no saturation pressure above Tc, infinite cp at the critical point, no saturated vapour just below it (the
// liquid there, and the vapour just outside, filled).
TEST(WaterSteamFill, EachPageFillsItsInputsOrNamesTheFieldAtFault) {
    const std::string no_number = "不是有效的数值，未填入物性。 @ ", ts = "“蒸汽饱和温度（℃）”", tw = "“壁面温度（℃）”";
    const std::string kNoVapour = "临界温度以下 3.47×10⁻⁵ K 内饱和蒸汽无值：";
    const std::pair<std::map<std::string, std::string>, std::string> condensation[] = {
        {{{"Text76", "abc"}, {"Text75", "x"}}, ts + no_number + "Text76"},
        {{{"Text75", ""}}, tw + no_number + "Text75"},
        {{{"Text76", "374"}}, ts + "：饱和温度须在 0～373.946 ℃（临界温度）之间。未填入物性。 @ Text76"},
        {{{"Text76", "1"}, {"Text75", "-3"}},
         tw + "：膜温 (ts + tw)/2 = -1 ℃，温度低于 0 ℃，超出计算范围（0～800 ℃）。未填入物性。 @ Text75"}};
    for (const auto& [page, expected] : condensation) EXPECT_EQ(filled("condensation", by_t("105"), page), expected);
    const std::tuple<const char*, Typed, std::map<std::string, std::string>, std::string> rows[] = {
        {"friction", by_t("105", Side::Vapour), {}, "Text34=0.704982 Text35=0.0000124059"},
        {"pump", tp("20", "0.101325"), {}, "Text41=998.206 Text43=2.33921"},
        {"pump", tp("373.946", "30"), {}, "Text41=562.734 Text43=22064"},
        {"convection", tp("20", "0.101325"), {}, "Text67=998.206 Text65=4184.79 Text66=0.0010016 Text64=0.598011"},
        {"pipeDiameter", by_t("105"), {}, "本页没有可由水和水蒸气物性填入的输入。 @ none"},
        {"evaporation", by_t("105"), {{"evapSteamTemp", "1.2.3"}}, "“加热蒸汽温度（℃）”" + no_number + "evapSteamTemp"},
        {"friction", wet("", "1", "0.9"), {}, "湿蒸汽是两相混合物，其物性不填入页面。 @ none"},
        {"convection", by_t(""), {}, "请输入温度。 @ none"},
        {"pump", tp("400", "30"), {}, "温度高于临界温度 373.946 ℃，没有饱和蒸汽压。 @ none"},
        {"convection", by_t("373.946"), {}, "临界点上 cp、λ 为无穷大，无法填入。 @ none"},
        {"friction", by_t("373.94597", Side::Vapour), {}, kNoVapour + "饱和蒸汽的密度 ρ 无法填入。 @ none"},
        {"condensation", by_t("105"), {{"Text76", "373.94597"}}, kNoVapour + "汽化热 r 无法填入。 @ Text76"}};
    for (const auto& [calculation, typed, page, expected] : rows) EXPECT_EQ(filled(calculation, typed, page), expected);
    EXPECT_EQ(filled("condensation", by_t("105"), {{"Text75", "149.99"}}).substr(0, 14), "Text78=2113.67");
    EXPECT_EQ(filled("friction", by_t("373.94597")).substr(0, 14), "Text34=322.596");
    EXPECT_EQ(filled("friction", by_t("373.94596529", Side::Vapour)).substr(0, 14), "Text34=321.674");
}

}  // namespace
}  // namespace vxr::test
