// Pipe friction loss: Colebrook's equation against an independent solution, both friction laws beside Re = 2000,
// each fitting's equivalent length, the refusals, the notes of each law on both sides of their bounds.
#include <cmath>

#include "calc/case_support.h"
#include "calc/hydraulics/friction_loss.h"

namespace vxr::test {

const std::pair<const char*, const char*> kRough{"frictionFullyRough", "1"};
const Typed kBare = {{"Text29", "0"}, {"Text28", "0"}, {"Text24", "0"}, {"Text25", "0"},
                     {"Text22", "0"}, {"Text21", "0"}, {"Text20", "0"}, {"Text19", "0"}};
Typed with(Typed typed, std::initializer_list<std::pair<const char*, const char*>> more) {
    typed.insert(typed.end(), more);
    return typed;
}

// λ from Colebrook's equation by bisection on λ itself, to the last bit: g(λ) = 1/√λ + 2·lg(k/3.7 + 2.51/(Re·√λ))
// falls as λ rises.
double bisected(double re, double k) {
    double lo = 1e-4, hi = 1.0;
    while (true) {
        const double mid = lo + (hi - lo) / 2;
        if (mid == lo || mid == hi) return mid;
        (1 / std::sqrt(mid) + 2 * std::log10(k / 3.7 + 2.51 / (re * std::sqrt(mid))) > 0 ? lo : hi) = mid;
    }
}

// 231 points over 2000 ≤ Re ≤ 10⁹ and 0 ≤ ε/d ≤ 0.05, within 10⁻¹² of the bisection; and the textbook point.
TEST(FrictionLoss, ColebrookSolvedToFullPrecision) {
    for (int i = 0; i <= 20; ++i)
        for (const double k : {0.0, 1e-7, 1e-6, 1e-5, 1e-4, 5e-4, 1e-3, 5e-3, 0.01, 0.03, 0.05}) {
            const double re = 2000 * std::pow(10.0, i * std::log10(1e9 / 2000) / 20);
            const double expected = bisected(re, k);
            EXPECT_NEAR(calc::colebrook_lambda(re, k) / expected, 1.0, 1e-12) << re << " " << k;
        }
    EXPECT_NEAR(calc::colebrook_lambda(1e5, 1e-4), 0.0185139, 5e-8);
    EXPECT_TRUE(std::isnan(calc::colebrook_lambda(1e5, 3.7)));  // 1/√λ would have to be negative
}

// The defaults and new seamless steel by Colebrook, the defaults fully rough: the manual's worked examples. Refused:
// arithmetic names no field; a text that is no number is named, the first read: the length, the counts, the
// roughness last (read only in turbulent flow).
TEST(FrictionLoss, WorkedCasesAndRefusals) {
    const std::string none = "请仔细核对数据！ @ none", named = "请仔细核对数据！ @ ";
    const Typed clean = with(kBare, {{"Text32", "50"}, {"Text33", "1"}, {"Text31", "0.05"}, {"Text23", "100"}});
    const Typed re2000 = {{"Text32", "1000"}, {"Text33", "2"}, {"Text35", "1"}};
    expect_shown("friction",
                 {{"new seamless steel, fully rough: 18 % low", with(clean, {kRough}), "19.627 | 2.001"},
                  {"a smooth pipe, Colebrook", with(clean, {{"Text31", "0"}}), "20.891 | 2.130"},
                  {"laminar, Re 1500", {{"Text35", "0.1"}}, "79.440 | 8.100"},
                  {"laminar: the roughness is not read", {{"Text35", "0.1"}, {"Text31", "abc"}}, "79.440 | 8.100"},
                  {"Re 2000: Colebrook", re2000, "111.129 | 11.332"},
                  {"Re 2000: fully rough", with(re2000, {kRough}), "37.224 | 3.796"},
                  {"Re 1999.98, either law", with(re2000, {{"Text34", "999.99"}}), "71.361 | 7.277"},
                  {"Re 1999.98, fully rough", with(re2000, {{"Text34", "999.99"}, kRough}), "71.361 | 7.277"},
                  {"a negative velocity, a negative loss", {{"Text33", "-1.5"}, kRough}, "-0.794 | -0.081"},
                  {"no fittings: Le = L", with(kBare, {kRough}), "20.487 | 2.089"},
                  {"half a 45° elbow", {{"Text29", "0.5"}, kRough}, "56.254 | 5.736"},
                  {"a negative count takes length off", {{"Text19", "-1"}, kRough}, "29.194 | 2.977"},
                  {"no velocity: 64/Re at Re 0", {{"Text33", "0"}}, none},
                  {"no viscosity", {{"Text35", "0"}}, none},
                  {"a smooth pipe, fully rough", {{"Text31", "0"}, kRough}, none},
                  {"a negative roughness, fully rough", {{"Text31", "-0.5"}, kRough}, none},
                  {"a negative roughness, Colebrook", {{"Text31", "-0.5"}}, named + "Text31"},
                  {"no root: ε/d 3.7", {{"Text31", "370"}}, none},
                  {"an overflowing length", {{"Text23", "1e308"}, {"Text19", "1e308"}}, none},
                  {"an empty roughness in turbulent flow", {{"Text31", ""}}, named + "Text31"},
                  {"the length before the counts", {{"Text19", "y"}, {"Text23", "x"}}, named + "Text23"},
                  {"the counts before the roughness", {{"Text31", "x"}, {"Text29", "y"}}, named + "Text29"}});
    // One more of each fitting than by default adds 15, 40, 60, 340, 30, 100, 30 and 400 bores of 0.1 m to 165.5 m.
    const char* more[][3] = {{"Text29", "2", "57.022 | 5.814"}, {"Text28", "3", "57.876 | 5.901"},
                             {"Text24", "2", "58.559 | 5.971"}, {"Text25", "2", "68.120 | 6.946"},
                             {"Text22", "2", "57.535 | 5.867"}, {"Text21", "2", "59.925 | 6.110"},
                             {"Text20", "2", "57.535 | 5.867"}, {"Text19", "2", "70.168 | 7.155"}};
    for (const auto& [field, count, loss] : more)
        EXPECT_EQ(shown(run("friction", {{field, count}, kRough})), loss) << field;
}

// Fully rough: Re·(ε/d)·√(λ/8) < 70 warns, under both results: 46.196 by default (the notes), exactly 70 at
// ε = 0.7164090153937708 mm, 70 less a rounding step at the next double down; laminar flow never warns. Colebrook:
// never that warning; transitional below Re 4000, outside the validated range below 4000, above 10⁸ or above
// ε/d 0.05.
TEST(FrictionLoss, NotesAndWarning) {
    const std::pair<const char*, bool> rows[] = {{"0.7164090153937708", false}, {"0.7164090153937707", true}};
    for (const auto& [eps, expected] : rows)
        for (std::size_t i : {0, 1}) EXPECT_EQ(warns(run("friction", {{"Text31", eps}, kRough}), i), expected) << eps;
    EXPECT_FALSE(warns(run("friction", {{"Text35", "0.1"}, kRough}))) << "laminar";
    const auto tail = [](const Typed& typed) {
        const std::vector<std::string> n = notes(run("friction", typed));
        return n.size() > 5 ? n[5] + (n.size() > 6 ? " / " + n[6] : "") : "";
    };
    const std::pair<Typed, std::string> colebrook[] = {
        {{}, ""},
        {{{"Text31", "0.1"}}, ""},  // ε⁺ below 70 means nothing to Colebrook
        {{{"Text35", "0.075"}}, "注意：2000 ≤ Re < 4000 为过渡流，λ 不确定 / 超出 Colebrook 公式的验证范围"},  // 2000
        {{{"Text35", "0.0375009375"}}, "注意：2000 ≤ Re < 4000 为过渡流，λ 不确定 / 超出 Colebrook 公式的验证范围"},
        {{{"Text35", "0.0375"}}, ""},                                                     // Re 4000
        {{{"Text32", "1000"}, {"Text33", "1"}, {"Text35", "1"}, {"Text34", "1e8"}}, ""},  // Re 10⁸
        {{{"Text32", "1000"}, {"Text33", "1"}, {"Text35", "1"}, {"Text34", "100000001"}},
         "超出 Colebrook 公式的验证范围"},
        {{{"Text32", "1000"}, {"Text31", "50"}}, ""},  // ε/d 0.05
        {{{"Text32", "1000"}, {"Text31", "50.0001"}}, "超出 Colebrook 公式的验证范围"}};
    for (const auto& [typed, expected] : colebrook)
        EXPECT_EQ(tail(typed), expected) << (typed.empty() ? "" : typed.back().second);
    const std::string heads = "Re, 1/√λ, Le, hf, Hf";
    EXPECT_EQ(outline(run("friction")), heads + " / " + heads);
    EXPECT_EQ(notes(run("friction")).at(1), "1/√λ = −2·lg(ε/(3.7d) + 2.51/(Re·√λ))，λ = 0.031002");
    EXPECT_EQ(notes(run("friction", {kRough})),
              (std::vector<std::string>{
                  "Re = d·u·ρ/μ = 150000（湍流，按完全粗糙区计算）", "1/√λ = 1.74 − 2·lg(2ε/d)，λ = 0.0303512",
                  "Le = L + Σnᵢ·kᵢ·d = 60 + 105.5 = 165.5 m", "hf = λ·(Le/d)·u²/2 = 56.510 J/kg",
                  "Hf = hf/g = 5.762 m（g = 9.807 m/s²）",
                  "注意：粗糙度雷诺数 Re·(ε/d)·√(λ/8) = 46.196 < 70，未进入完全粗糙区，λ 偏小，阻力偏低"}));
    const std::vector<std::string> laminar = notes(run("friction", {{"Text35", "0.1"}}));  // either law
    EXPECT_EQ(laminar.at(0) + " / " + laminar.at(1), "Re = d·u·ρ/μ = 1500（层流） / λ = 64/Re = 0.0426667");
}

}  // namespace vxr::test
