// The numeric-text rule and the two ways numbers are written back into fields.
#include <gtest/gtest.h>

#include <tuple>

#include <clocale>
#include <cmath>
#include <limits>

#include "frame/checked.h"
#include "frame/number_text.h"
#include "frame/numeric_text.h"

namespace vxr::frame {
namespace {

TEST(NumericText, ReadsNumbers) {
    // clang-format off
    const std::pair<const char*, double> cases[] = {
        {"12.5", 12.5}, {"  12.5  ", 12.5}, {"\t7\t", 7}, {"+3", 3}, {"-3", -3}, {".5", 0.5}, {"5.", 5},
        {"-.5", -0.5}, {"1e3", 1000}, {"1E-3", 0.001}, {"2.5e+2", 250}, {"007", 7}, {"-0", 0}, {"1e-400", 0},
        {"1.7976931348623157e308", 1.7976931348623157e308}, {"0e999999", 0}, {"１２．５", 12.5}, {"－３", -3},
        {"＋１ｅ２", 100}, {"\u3000" "4\u3000", 4}, {"1Ｅ3", 1000},
    };
    // clang-format on
    for (const auto& [text, value] : cases) {
        const auto v = parse_number(text);
        ASSERT_TRUE(v.has_value()) << text;
        EXPECT_DOUBLE_EQ(*v, value) << text;
    }
}

TEST(NumericText, RefusesEverythingElse) {
    const char* cases[] = {"",     " ",   "abc",  "1.2.3", "1,000",  "1,5",   "&H10", "0x10", "inf",
                           "-inf", "nan", "1e",   "1e+",   "e5",     ".",     "+",    "-",    "+-1",
                           "1 2",  "12a", "1e5.", "1e400", "-2e308", "１,５", "1d3",  "--1",  "１２ａ"};
    for (const char* c : cases) EXPECT_FALSE(parse_number(c).has_value()) << '"' << c << '"';
}

TEST(NumericText, LongAndHugeTexts) {
    EXPECT_FALSE(parse_number(std::string(10000, 'x')).has_value());
    EXPECT_DOUBLE_EQ(*parse_number(std::string(10000, '0') + "1"), 1);
    EXPECT_DOUBLE_EQ(*parse_number("0." + std::string(500, '0') + "1e505"), 1e4);  // 1e-501 × 1e505
    EXPECT_FALSE(parse_number("1" + std::string(400, '0')).has_value());           // 1e400 overflows
}

TEST(NumericText, DecimalPointIgnoresTheLocale) {
    // A comma locale must not change what "1.5" or "1,5" mean.
    const char* old = std::setlocale(LC_ALL, nullptr);
    const std::string saved = old ? old : "C";
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8") && !std::setlocale(LC_ALL, "de_DE")) {
        GTEST_SKIP() << "no German locale installed";
    }
    EXPECT_DOUBLE_EQ(*parse_number("1.5"), 1.5);
    EXPECT_FALSE(parse_number("1,5").has_value());
    EXPECT_EQ(plain(1.5), "1.5");
    EXPECT_EQ(masked(1.5), "1.500");
    std::setlocale(LC_ALL, saved.c_str());
}

TEST(NumberText, MaskAndPlainForms) {
    // clang-format off
    const std::tuple<double, const char*, const char*> cases[] = {
        {1.0 / 3, "0.333", "0.333333333333333"}, {92, "92.000", "92"}, {0.00049, "0.000", "0.00049"},
        {-2.5, "-2.500", "-2.5"}, {1.0005, "1.001", "1.0005"}, {2.0005, "2.001", "2.0005"}, {-1.0005, "-1.001", "-1.0005"},
        {-0.0004, "0.000", "-0.0004"}, {0.1 + 0.2, "0.300", "0.3"}, {-0.0, "0.000", "0"},
        {9999.9995, "10000.000", "9999.9995"}, {0.00001, "0.000", "0.00001"}, {-1.5e-7, "0.000", "-1.5E-07"},
        {1e15, "1000000000000000.000", "1E+15"}, {123456789012345, "123456789012345.000", "123456789012345"},
        {1e-300, "0.000", "1E-300"},
    };
    // clang-format on
    for (const auto& [value, mask, text] : cases) {
        EXPECT_EQ(masked(value), mask) << value;
        EXPECT_EQ(plain(value), text) << value;
    }
}

// Masks with other numbers of decimals, and the six significant digits of a note.
TEST(NumberText, OtherMasksAndSignificantDigits) {
    const std::tuple<double, int, const char*> masks[] = {
        {12.345, 0, "12"},         {11.5, 0, "12"},     {-0.4, 0, "0"},
        {0.125, 2, "0.13"},        {60.0, 2, "60.00"},  {0.002634, 5, "0.00263"},
        {-0.000004, 5, "0.00000"}, {1.71, 4, "1.7100"},
    };
    for (const auto& [value, decimals, text] : masks) EXPECT_EQ(masked(value, decimals), text) << value;
    const std::pair<double, const char*> notes[] = {
        {150000, "150000"}, {6.763754045, "6.76375"}, {1234567, "1234570"}, {0.000123456789, "0.000123457"},
        {-2.5, "-2.5"},     {1e-7, "1E-07"},
    };
    for (const auto& [value, text] : notes) EXPECT_EQ(significant(value), text) << value;
}

TEST(CheckedArithmetic, FailuresAreTrapped) {
    const auto fails = [](auto body) { return !trap(body).has_value(); };
    EXPECT_TRUE(fails([] { return (Num(1) / 0).get(); }));
    EXPECT_TRUE(fails([] { return (Num(0) / 0).get(); }));
    EXPECT_TRUE(fails([] { return (Num(1e300) * 1e300).get(); }));
    EXPECT_TRUE(fails([] { return (Num(-1.7e308) - 1.7e308).get(); }));
    EXPECT_TRUE(fails([] { return sqrt(-1).get(); }));
    EXPECT_TRUE(fails([] { return ln(0).get(); }));
    EXPECT_TRUE(fails([] { return ln(-1).get(); }));
    EXPECT_TRUE(fails([] { return pow(-8, 1.0 / 3).get(); }));
    EXPECT_TRUE(fails([] { return pow(0, -1).get(); }));
    EXPECT_TRUE(fails([] { return pow(10, 400).get(); }));
    EXPECT_TRUE(fails([] { return value("abc").get(); }));
    EXPECT_TRUE(fails([] { return value("").get(); }));
    // Underflow, integral powers of negatives and zero results are no failures.
    EXPECT_EQ(*trap([] { return (Num(1e-300) * 1e-300).get(); }), 0.0);
    EXPECT_EQ(*trap([] { return pow(-2, 3).get(); }), -8.0);
    EXPECT_EQ(*trap([] { return pow(0, 0.25).get(); }), 0.0);
    EXPECT_EQ(*trap([] { return sqrt(0).get(); }), 0.0);
    EXPECT_EQ(*trap([] { return (value(" 12.5 ") * 2).get(); }), 25.0);
}

TEST(CheckedArithmetic, SineOfDegreesIsExactAtRightAngles) {
    const std::pair<double, double> cases[] = {{0, 0},    {90, 1},     {180, 0},  {270, -1}, {360, 0},
                                               {-90, -1}, {-180, 0},   {540, 0},  {450, 1},  {3.6e20, 0},
                                               {30, 0.5}, {-30, -0.5}, {150, 0.5}};
    for (const auto& [degrees, sine] : cases) EXPECT_NEAR(sin_degrees(degrees).get(), sine, 1e-15) << degrees;
    EXPECT_EQ(sin_degrees(180).get(), 0.0);
    EXPECT_EQ(sin_degrees(360).get(), 0.0);
}

}  // namespace
}  // namespace vxr::frame
