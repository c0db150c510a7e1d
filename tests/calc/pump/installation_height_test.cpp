#include "calc/pump/installation_height.h"
#include <gtest/gtest.h>
#include "calc/outcome_support.h"

using namespace vxr;
// The page's default case first (101.3 kPa, pv 4.25 kPa, Hf 0.5 m, NPSHr 4 m): Hg = 9.903 − 0.5 − 4.5 m.
TEST(InstallationHeight, TableAndNotes) {
    // clang-format off
    const std::pair<calc::PumpSuctionInput, std::optional<std::string>> cases[] = {
        {{"1000", "101.3", "4.25", "0.5", "4"}, "4.903"}, {{"800", "50", "20", "1", "3"}, "-0.673"},
        {{"1000", "101.3", "120", "0.5", "4"}, "-6.908"},  // vapour pressure above the suction pressure
        // NPSHr and the inlet loss count metre for metre (the margin added as text, "4" + "0.5", would be 40.5).
        {{"1000", "101.3", "4.25", "0.5", "0"}, "8.903"}, {{"1000", "101.3", "4.25", "2.5", "4"}, "2.903"},
        {{"0", "101.3", "4.25", "0.5", "4"}, std::nullopt}, {{"1000", "101.3", "4.25", "0,5", "4"}, std::nullopt},
        {{"1000", "1e306", "4.25", "0.5", "4"}, std::nullopt}};  // overflows in Pa
    for (const auto& [in, hg] : cases) EXPECT_EQ(test::shown(calc::installation_height(in)), hg) << in.inlet_loss;
    EXPECT_EQ(test::notes(calc::installation_height(cases[1].first)),
              "Hg = (p − pv)/(ρ·g) − Hf − (NPSHr + 0.5) / (p − pv)/(ρ·g) = 3.82653 m（g = 9.8 m/s²） / "
              "Hf = 1 m  NPSHr + 0.5 = 3.5 m / Hg = -0.673 m / 负值表示泵须安装在液面以下");
    EXPECT_EQ(test::notes(calc::installation_height(cases[0].first)).find("负值"), std::string::npos);
}
