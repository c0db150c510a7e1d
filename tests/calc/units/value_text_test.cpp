// The conversion page's number text: twelve significant digits, and the exponent form only at its two bounds.
#include "calc/units/value_text.h"

#include <gtest/gtest.h>
#include <limits>

namespace vxr::calc::units {
namespace {

TEST(ValueText, TwelveDigitsAndTheExponentBounds) {
    const std::tuple<const char*, double, const char*> cases[] = {
        {"noise of 20 ℃ in ℉", 67.99999999999994, "68"},
        {"zero", 0.0, "0"},
        {"minus zero", -0.0, "0"},
        {"twelve digits kept", 123456789.123456, "123456789.123"},
        {"whole digits rounded", 1234567890126.0, "1234567890130"},
        {"negative", -0.5, "-0.5"},
        {"1E-06 is fixed", 1e-6, "0.000001"},
        {"rounds up to 1E-06", 9.999999999999e-7, "0.000001"},
        {"below 1E-06", 9.99999999999e-7, "9.99999999999E-07"},
        {"negative below 1E-06", -1.5e-7, "-1.5E-07"},
        {"below 1E+15", 999999999999000.0, "999999999999000"},
        {"rounds up to 1E+15", 999999999999999.0, "1E+15"},
        {"1E+15", 1e15, "1E+15"},
        {"three exponent digits", std::numeric_limits<double>::max(), "1.79769313486E+308"},
        {"infinite", std::numeric_limits<double>::infinity(), ""}};
    for (const auto& [name, value, text] : cases) EXPECT_EQ(value_text(value), text) << name;
}

}  // namespace
}  // namespace vxr::calc::units
