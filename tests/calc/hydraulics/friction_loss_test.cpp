// Pipe friction loss: both friction laws beside Re = 2000, each fitting's equivalent length, the refusals, the
// warning below the fully rough zone on both sides of its bound, and the notes.
#include "calc/case_support.h"

namespace vxr::test {

TEST(FrictionLoss, WorkedCases) {
    const Typed bare = {{"Text29", "0"}, {"Text28", "0"}, {"Text24", "0"}, {"Text25", "0"},
                        {"Text22", "0"}, {"Text21", "0"}, {"Text20", "0"}, {"Text19", "0"}};
    expect_shown(
        "friction",
        {{"laminar, Re 1500", {{"Text35", "0.1"}}, "79.440 | 8.100"},
         {"laminar: the roughness is not read", {{"Text35", "0.1"}, {"Text31", "abc"}}, "79.440 | 8.100"},
         {"Re 2000: fully rough", {{"Text32", "1000"}, {"Text33", "2"}, {"Text35", "1"}}, "37.224 | 3.796"},
         {"Re 1999.98", {{"Text32", "1000"}, {"Text33", "2"}, {"Text34", "999.99"}, {"Text35", "1"}}, "71.361 | 7.277"},
         {"a negative velocity, a negative loss", {{"Text33", "-1.5"}}, "-0.794 | -0.081"},
         {"no fittings: Le = L", bare, "20.487 | 2.089"},
         {"half a 45° elbow", {{"Text29", "0.5"}}, "56.254 | 5.736"},
         {"a negative count takes length off", {{"Text19", "-1"}}, "29.194 | 2.977"}});
    // One more of each fitting than by default adds 15, 40, 60, 340, 30, 100, 30 and 400 bores of 0.1 m to 165.5 m.
    const char* more[][3] = {{"Text29", "2", "57.022 | 5.814"}, {"Text28", "3", "57.876 | 5.901"},
                             {"Text24", "2", "58.559 | 5.971"}, {"Text25", "2", "68.120 | 6.946"},
                             {"Text22", "2", "57.535 | 5.867"}, {"Text21", "2", "59.925 | 6.110"},
                             {"Text20", "2", "57.535 | 5.867"}, {"Text19", "2", "70.168 | 7.155"}};
    for (const auto& [field, count, loss] : more) EXPECT_EQ(shown(run("friction", {{field, count}})), loss) << field;
}

// Arithmetic names no field; a text that is no number is named, the first read: the length, the counts, the
// roughness last (read only in turbulent flow).
TEST(FrictionLoss, Refusals) {
    const std::string none = "请仔细核对数据！ @ none", named = "请仔细核对数据！ @ ";
    expect_shown("friction",
                 {{"no velocity: 64/Re at Re 0", {{"Text33", "0"}}, none},
                  {"no viscosity", {{"Text35", "0"}}, none},
                  {"a smooth pipe in turbulent flow", {{"Text31", "0"}}, none},
                  {"a negative roughness", {{"Text31", "-0.5"}}, none},
                  {"an overflowing length", {{"Text23", "1e308"}, {"Text19", "1e308"}}, none},
                  {"an empty roughness in turbulent flow", {{"Text31", ""}}, named + "Text31"},
                  {"the length before the counts", {{"Text19", "y"}, {"Text23", "x"}}, named + "Text23"},
                  {"the counts before the roughness", {{"Text31", "x"}, {"Text29", "y"}}, named + "Text29"}});
}

// Re·(ε/d)·√(λ/8) < 70 warns, under both results: 46.196 by default (the notes), exactly 70 at ε = 0.7164090153937708
// mm, 70 less a rounding step at the next double down; laminar flow never warns.
TEST(FrictionLoss, NotesAndWarning) {
    const std::pair<const char*, bool> rows[] = {{"0.7164090153937708", false}, {"0.7164090153937707", true}};
    for (const auto& [eps, expected] : rows)
        for (std::size_t i : {0, 1}) EXPECT_EQ(warns(run("friction", {{"Text31", eps}}), i), expected) << eps;
    EXPECT_FALSE(warns(run("friction", {{"Text35", "0.1"}}))) << "laminar";
    const std::string heads = "Re, 1/√λ, Le, hf, Hf, 注意：粗糙度雷诺数 Re·(ε/d)·√(λ/8)";
    EXPECT_EQ(outline(run("friction")), heads + " / " + heads);
    EXPECT_EQ(notes(run("friction")),
              (std::vector<std::string>{
                  "Re = d·u·ρ/μ = 150000（湍流，按完全粗糙区计算）", "1/√λ = 1.74 − 2·lg(2ε/d)，λ = 0.0303512",
                  "Le = L + Σnᵢ·kᵢ·d = 60 + 105.5 = 165.5 m", "hf = λ·(Le/d)·u²/2 = 56.510 J/kg",
                  "Hf = hf/g = 5.762 m（g = 9.807 m/s²）",
                  "注意：粗糙度雷诺数 Re·(ε/d)·√(λ/8) = 46.196 < 70，未进入完全粗糙区，λ 偏小，阻力偏低"}));
    const std::vector<std::string> laminar = notes(run("friction", {{"Text35", "0.1"}}));
    EXPECT_EQ(laminar.at(0) + " / " + laminar.at(1), "Re = d·u·ρ/μ = 1500（层流） / λ = 64/Re = 0.0426667");
}

}  // namespace vxr::test
