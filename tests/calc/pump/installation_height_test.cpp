// Pump installation height: worked cases, refusals, and the note of a negative height on both sides of zero.
#include "calc/case_support.h"

namespace vxr::test {

// 800 kg/m³ at 50 kPa, pv 20 kPa, Hf 1 m, NPSHr 3 m: 3.827 − 1 − 3.5 m.
const Typed kBelow = {{"Text41", "800"}, {"Text42", "50"}, {"Text43", "20"}, {"Text44", "1"}, {"Text45", "3"}};

// Worked cases; refusals read in the order p, pv, ρ, Hf, NPSHr.
TEST(InstallationHeight, WorkedCasesAndRefusals) {
    const std::string named = "请仔细核对数据！ @ ";
    expect_shown("pump", {{"800 kg/m³ at 50 kPa, pv 20 kPa, Hf 1 m, NPSHr 3 m", kBelow, "-0.673"},
                          {"vapour pressure above the suction pressure", {{"Text43", "120"}}, "-6.908"},
                          {"NPSHr metre for metre, never joined to 0.5 as text", {{"Text45", "0"}}, "8.903"},
                          {"the inlet loss metre for metre", {{"Text44", "2.5"}}, "2.903"},
                          {"no density", {{"Text41", "0"}}, named + "none"},
                          {"a pressure that overflows in Pa", {{"Text42", "1e306"}}, named + "none"},
                          {"a decimal comma", {{"Text44", "0,5"}}, named + "Text44"},
                          {"the pressures before the density", {{"Text41", "x"}, {"Text43", "y"}}, named + "Text43"},
                          {"the inlet loss before NPSHr", {{"Text45", "x"}, {"Text44", "y"}}, named + "Text44"}});
}

// (p − pv)/(ρ·g) = 9800 Pa / 9800 N/m³ = 1 m exactly, less 1 m of NPSHr and margin: Hg = 0 is no negative height,
// a millimetre of inlet loss more is.
TEST(InstallationHeight, NotesAndTheNegativeHeight) {
    const std::string heads = "Hg, (p − pv)/(ρ·g), Hf, Hg";
    EXPECT_EQ(outline(run("pump")), heads);
    Typed level = {{"Text42", "9.8"}, {"Text43", "0"}, {"Text44", "0"}, {"Text45", "0.5"}};
    EXPECT_EQ(shown(run("pump", level)) + " " + outline(run("pump", level)), "0.000 " + heads);
    level.push_back({"Text44", "0.001"});
    EXPECT_EQ(shown(run("pump", level)) + " " + outline(run("pump", level)), "-0.001 " + heads + ", 负值表示");
    EXPECT_EQ(notes(run("pump", kBelow)),
              (std::vector<std::string>{"Hg = (p − pv)/(ρ·g) − Hf − (NPSHr + 0.5)",
                                        "(p − pv)/(ρ·g) = 3.82653 m（g = 9.8 m/s²）", "Hf = 1 m  NPSHr + 0.5 = 3.5 m",
                                        "Hg = -0.673 m", "负值表示泵须安装在液面以下"}));
    EXPECT_EQ(notes(run("pump", {{"Text43", "120"}})).at(1), "(p − pv)/(ρ·g) = (-1.90816) m（g = 9.8 m/s²）");
}

}  // namespace vxr::test
