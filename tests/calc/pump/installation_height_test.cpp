// Allowed installation height of a centrifugal pump: worked cases, signs and failures.
#include "calc/pump/installation_height.h"

#include <gtest/gtest.h>

namespace vxr::calc {
namespace {

// The page's default case: water at 101.3 kPa, vapour pressure 4.25 kPa, NPSHr 4 m, inlet loss 0.5 m.
constexpr PumpSuctionInput kDefaults{"1000", "101.3", "4.25", "0.5", "4"};

struct Case {
    const char* name;
    PumpSuctionInput in;
    const char* height;
};

TEST(InstallationHeight, ComputesWorkedCases) {
    const Case cases[] = {
        {"defaults: 9.903 − 0.5 − 4.5", kDefaults, "4.903"},
        {"light liquid at low pressure goes below the surface", {"800", "50", "20", "1", "3"}, "-0.673"},
        {"vapour pressure above the suction pressure", {"1000", "101.3", "120", "0.5", "4"}, "-6.908"},
        // The required NPSH is added to the margin as a number: "4" gives 4.5, never the text "40.5".
        {"NPSHr 0 leaves only the margin", {"1000", "101.3", "4.25", "0.5", "0"}, "8.903"},
        {"NPSHr with blanks is a number", {"1000", "101.3", "4.25", "0.5", " 4 "}, "4.903"},
        {"negative density is computed, not refused", {"-1000", "101.3", "4.25", "0.5", "4"}, "-14.903"},
        {"pressures in exponent form", {"1e3", "1.013e2", "425e-2", "5E-1", "4"}, "4.903"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(installation_height(c.in), c.height);
    }
}

TEST(InstallationHeight, RefusesDataItCannotCompute) {
    const Case cases[] = {
        {"zero density", {"0", "101.3", "4.25", "0.5", "4"}, nullptr},
        {"empty density", {"", "101.3", "4.25", "0.5", "4"}, nullptr},
        {"text pressure", {"1000", "abc", "4.25", "0.5", "4"}, nullptr},
        {"empty vapour pressure", {"1000", "101.3", "", "0.5", "4"}, nullptr},
        {"text inlet loss", {"1000", "101.3", "4.25", "0,5", "4"}, nullptr},
        {"empty NPSHr", {"1000", "101.3", "4.25", "0.5", ""}, nullptr},
        {"pressure overflowing in Pa", {"1000", "1e306", "4.25", "0.5", "4"}, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(installation_height(c.in), std::nullopt);
    }
}

}  // namespace
}  // namespace vxr::calc
