// The numeric-text rule, the two ways numbers are written back into fields, and checked arithmetic.
#include "frame/numeric_text.h"
#include <gtest/gtest.h>
#include <clocale>
#include "frame/checked.h"
#include "frame/number_text.h"

namespace vxr::frame {
TEST(NumericText, ReadsNumbersRefusesEverythingElseIgnoresTheLocale) {
    // clang-format off
    const std::pair<std::string, double> numbers[] = {
        {"  12.5  ", 12.5}, {"\t7\t", 7}, {"+3", 3}, {"-.5", -0.5}, {"5.", 5}, {"1E-3", 0.001}, {"2.5e+2", 250},
        {"007", 7}, {"1e-400", 0}, {"1.7976931348623157e308", 1.7976931348623157e308}, {"0e999999", 0},
        {"１２．５", 12.5}, {"－３", -3}, {"＋１ｅ２", 100}, {"\u3000" "4\u3000", 4}, {"1Ｅ3", 1000},
        {std::string(10000, '0') + "1", 1}, {"0." + std::string(500, '0') + "1e505", 1e4}};  // 1e-501 × 1e505
    const std::string refused[] = {"", " ", "abc", "1.2.3", "1,5", "0x10", "inf", "nan", "1e", "1e+", "e5", ".", "+",
        "+-1", "--1", "1 2", "12a", "1e5.", "1e400", "-2e308", "1d3", "１,５", "１２ａ", std::string(10000, 'x'),
        "1" + std::string(400, '0')};  // 1e400 overflows
    for (const auto& [text, value] : numbers) EXPECT_EQ(parse_number(text), value) << text.substr(0, 20);
    for (const auto& text : refused) EXPECT_EQ(parse_number(text), std::nullopt) << '"' << text.substr(0, 20) << '"';
    // A comma locale, where one is installed, changes neither what "1.5" and "1,5" mean nor how 1.5 is written.
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") || std::setlocale(LC_ALL, "de_DE")) {
        EXPECT_EQ(parse_number("1.5").value_or(0) + parse_number("1,5").value_or(1000), 1001.5);
        EXPECT_EQ(plain(1.5) + " " + masked(1.5), "1.5 1.500");
        std::setlocale(LC_ALL, "C");
    }
}
TEST(NumberText, MasksPlainTextSignificantDigitsAndCheckedArithmetic) {
    // Value, its default mask (3 decimals) and its plain text; masks of other decimals; 6 significant digits.
    const std::tuple<double, std::string, const char*> forms[] = {
        {1.0 / 3, "0.333", "0.333333333333333"}, {0.00049, "0.000", "0.00049"}, {-0.0, "0.000", "0"},
        {1.0005, "1.001", "1.0005"}, {-1.0005, "-1.001", "-1.0005"}, {-0.0004, "0.000", "-0.0004"},
        {0.1 + 0.2, "0.300", "0.3"}, {9999.9995, "10000.000", "9999.9995"}, {1e-300, "0.000", "1E-300"},
        {0.00001, "0.000", "0.00001"}, {-1.5e-7, "0.000", "-1.5E-07"}, {1e15, "1000000000000000.000", "1E+15"},
        {123456789012345, "123456789012345.000", "123456789012345"}};
    const std::tuple<double, int, const char*> masks[] = {{12.345, 0, "12"}, {11.5, 0, "12"}, {-0.4, 0, "0"},
        {0.125, 2, "0.13"}, {0.002634, 5, "0.00263"}, {-0.000004, 5, "0.00000"}, {1.71, 4, "1.7100"}};
    const std::pair<double, const char*> sixes[] = {{150000, "150000"}, {6.763754045, "6.76375"},
        {1234567, "1234570"}, {0.000123456789, "0.000123457"}, {-2.5, "-2.5"}, {1e-7, "1E-07"}};
    for (const auto& [value, mask, text] : forms) EXPECT_EQ(masked(value) + " " + plain(value), mask + " " + text);
    for (const auto& [value, decimals, text] : masks) EXPECT_EQ(masked(value, decimals), text) << value;
    for (const auto& [value, text] : sixes) EXPECT_EQ(significant(value), text) << value;
    // Steps that are no number, divide by zero or overflow fail; underflow, integral powers of negatives, zeros do not.
    const std::pair<Num (*)(), std::optional<double>> steps[] = {
        {[] { return Num(1) / 0; }, {}}, {[] { return Num(1e300) * 1e300; }, {}}, {[] { return sqrt(-1); }, {}},
        {[] { return Num(-1.7e308) - 1.7e308; }, {}}, {[] { return ln(0); }, {}}, {[] { return pow(0, -1); }, {}},
        {[] { return pow(-8, 1.0 / 3); }, {}}, {[] { return pow(10, 400); }, {}}, {[] { return value("abc"); }, {}},
        {[] { return value(""); }, {}}, {[] { return Num(1e-300) * 1e-300; }, 0.0}, {[] { return pow(-2, 3); }, -8.0},
        {[] { return pow(0, 0.25); }, 0.0}, {[] { return sqrt(0); }, 0.0}, {[] { return value(" 12.5 ") * 2; }, 25.0}};
    // Whole and half turns are exact, so that a horizontal surface gives exactly nothing.
    const std::pair<double, double> sines[] = {{0, 0}, {90, 1}, {180, 0}, {270, -1}, {360, 0}, {-90, -1}, {-180, 0},
        {540, 0}, {450, 1}, {3.6e20, 0}, {30, 0.5}, {-30, -0.5}, {150, 0.5}};
    for (const auto& c : steps) EXPECT_EQ(trap(c.first), c.second) << "step " << &c - steps;
    for (const auto& [degrees, sine] : sines)
        EXPECT_NEAR(sin_degrees(degrees).get(), sine, sine == 0.5 || sine == -0.5 ? 1e-15 : 0) << degrees;
}
}  // namespace vxr::frame
