#include "calc/pump/installation_height.h"
#include <gtest/gtest.h>
#include "calc/outcome_support.h"

using namespace vxr;

// The page's default case: water at 101.3 kPa, vapour pressure 4.25 kPa, NPSHr 4 m, inlet loss 0.5 m.
TEST(InstallationHeight, TableAndNotes) {
    const std::pair<calc::PumpSuctionInput, std::optional<std::string>> cases[] = {
        {{"1000", "101.3", "4.25", "0.5", "4"}, "4.903"},  // 9.903 − 0.5 − 4.5
        {{"800", "50", "20", "1", "3"}, "-0.673"},
        {{"1000", "101.3", "120", "0.5", "4"}, "-6.908"},  // vapour pressure above the suction pressure
        // The required NPSH is added to the margin as a number: "4" gives 4.5, never the text "40.5".
        {{"1000", "101.3", "4.25", "0.5", "0"}, "8.903"},
        {{"1000", "101.3", "4.25", "2.5", "4"}, "2.903"},  // the inlet loss counts once, metre for metre
        {{"0", "101.3", "4.25", "0.5", "4"}, std::nullopt},
        {{"1000", "101.3", "4.25", "0,5", "4"}, std::nullopt},
        {{"1000", "1e306", "4.25", "0.5", "4"}, std::nullopt},  // overflows in Pa
    };
    for (const auto& [in, height] : cases) EXPECT_EQ(test::shown(calc::installation_height(in)), height) << in.pressure;
    EXPECT_EQ(test::notes(calc::installation_height(cases[1].first)),
              "Hg = (p − pv)/(ρ·g) − Hf − (NPSHr + 0.5) / (p − pv)/(ρ·g) = 3.82653 m（g = 9.8 m/s²） / "
              "Hf = 1 m  NPSHr + 0.5 = 3.5 m / Hg = -0.673 m / 负值表示泵须安装在液面以下");
    EXPECT_EQ(test::notes(calc::installation_height(cases[0].first)).find("负值"), std::string::npos);
}
