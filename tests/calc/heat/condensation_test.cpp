// Film condensation: each surface, the angle's bounds, the fields each surface reads, refusals, the warning of a
// turbulent film on both sides of Re = 1800, and the notes.
#include "calc/case_support.h"

namespace vxr::test {

// Option10 inclined, Option9 vertical tube, Option8 outside and Option7 inside a horizontal tube; each surface
// finishes with the fields it never reads blank, and every surface reads r. The angle in degrees: from flat facing
// up (0°) to flat facing down (±180°) the film runs; past either it cannot.
TEST(Condensation, WorkedCasesFieldsReadAndRefusals) {
    const std::string none = "请仔细核对数据！ @ none", named = "请仔细核对数据！ @ ";
    const auto angle = [](const char* degrees) { return Typed{{"Option10", "1"}, {"Text74", degrees}}; };
    const Typed steam = {{"Option7", "1"},   {"Text82", "958"},      {"Text79", "0.6"}, {"Text78", "2257"},
                         {"Text81", "0.68"}, {"Text80", "0.000282"}, {"Text76", "100"}, {"Text75", "90"},
                         {"Text72", "4216"}, {"Text70", "0.025"}};
    expect_shown("condensation",
                 {{"inclined at 30°: sin θ = 0.5", {{"Option10", "1"}, {"Text74", "30"}}, "2140.025"},
                  {"no latent heat on a vertical tube", {{"Text78", "0"}}, "0.000"},
                  {"no latent heat inside: r′ = 0.375·cp·Δt", {{"Option7", "1"}, {"Text78", "0"}}, "1362.239"},
                  {"steam at 100 ℃ inside a 25 mm tube at 90 ℃: 0.555·(9.12071e16)^0.25", steam, "9644.954"},
                  {"0°: flat, facing up", angle("0"), "0.000"},
                  {"−0.001°", angle("-0.001"), none},
                  {"180°: flat, facing down", angle("180"), "0.000"},
                  {"180.001°", angle("180.001"), none},
                  {"−180°", angle("-180"), "0.000"},
                  {"200°", angle("200"), none},
                  {"inclined", {{"Option10", "1"}, {"Text72", ""}, {"Text71", ""}, {"Text70", ""}}, "2544.933"},
                  {"vertical", {{"Text74", ""}, {"Text72", "x"}, {"Text71", ""}, {"Text70", "abc"}}, "2544.933"},
                  {"outside", {{"Option8", "1"}, {"Text74", ""}, {"Text70", ""}, {"Text73", "x"}}, "3825.999"},
                  {"inside", {{"Option7", "1"}, {"Text74", ""}, {"Text73", ""}, {"Text71", ""}}, "2959.105"},
                  {"the vertical r", {{"Text78", ""}}, named + "Text78"},
                  {"the inside r", {{"Option7", "1"}, {"Text78", ""}}, named + "Text78"},
                  {"the outside cp", {{"Option8", "1"}, {"Text72", ""}}, named + "Text72"},
                  {"the inside cp", {{"Option7", "1"}, {"Text72", ""}}, named + "Text72"},
                  {"no Δt", {{"Text75", "150"}}, none},
                  {"a wall above the vapour", {{"Option7", "1"}, {"Text75", "160"}}, none},
                  {"r·(1 + 0.68·cp·Δt/r) at r = 0", {{"Option8", "1"}, {"Text78", "0"}}, none},
                  {"r in J/kg overflows", {{"Text78", "1e306"}}, none}});
}

// Re = 4·α·L·Δt/(r·μ) is exactly 1800 at L = 7.382092899031373 m: no warning; the next double up warns. The film
// Reynolds number belongs to the surfaces a film runs down over L; the horizontal tubes note r′ instead.
TEST(Condensation, NotesAndWarning) {
    for (const auto& [length, expected] : {std::pair{"7.382092899031373", false}, {"7.382092899031374", true}}) {
        EXPECT_EQ(warns(run("condensation", {{"Text73", length}})), expected) << "vertical, L " << length;
        EXPECT_EQ(warns(run("condensation", {{"Option10", "1"}, {"Text73", length}})), expected)
            << "inclined, L " << length;
    }
    EXPECT_EQ(outline(run("condensation")), "Δt, α, α, 膜雷诺数 Re");
    EXPECT_EQ(outline(run("condensation", {{"Option8", "1"}})), "Δt, α, r′, α");
    EXPECT_EQ(outline(run("condensation", {{"Option7", "1"}})), "Δt, α, r′, α");
    EXPECT_EQ(notes(run("condensation", {{"Text73", "30"}})),
              (std::vector<std::string>{"Δt = ts − tw = 30 ℃", "α = 1.13·[ρl·(ρl − ρv)·g·r·λ³/(μ·L·Δt)]^0.25",
                                        "α = 1431.121 W/(m²·℃)", "膜雷诺数 Re = 4·α·L·Δt/(r·μ) = 5152.04",
                                        "注意：Re > 1800，液膜已非层流，层流膜公式偏低"}));
    EXPECT_EQ(notes(run("condensation", {{"Option10", "1"}, {"Text74", "30"}})).at(1),
              "α = 1.13·[ρl·(ρl − ρv)·g·sinθ·r·λ³/(μ·L·Δt)]^0.25，sinθ = 0.5");
    EXPECT_EQ(notes(run("condensation", {{"Option8", "1"}})).at(2), "r′ = r·(1 + 0.68·cp·Δt/r) = 1085270 J/kg");
    EXPECT_EQ(notes(run("condensation", {{"Option7", "1"}})).at(1) + " / " +
                  notes(run("condensation", {{"Option7", "1"}})).at(2),
              "α = 0.555·[ρl·(ρl − ρv)·g·r′·λ³/(μ·dᵢ·Δt)]^0.25（管内低速冷凝） / r′ = r + 0.375·cp·Δt = 1047020 J/kg");
}

}  // namespace vxr::test
