// The numeric-text rule, the ways numbers are written back (result masks, plain text, notes), and checked arithmetic.
#include "frame/numeric_text.h"

#include <gtest/gtest.h>
#include <clocale>

#include "frame/checked.h"
#include "frame/number_text.h"

namespace vxr::frame {
namespace {

// Numbers, written as a person types them (full-width digits too), and nothing else; a cell pasted from a spreadsheet
// brings its line break: around a number it is a blank, inside one it is not.
TEST(NumericText, ReadsNumbersAndRefusesEverythingElse) {
    const std::pair<std::string, double> numbers[] = {
        {"  12.5  ", 12.5}, {"\t7\t", 7},    {"+3", 3},         {"-.5", -0.5},  {"5.", 5},
        {"1E-3", 0.001},    {"2.5e+2", 250}, {"007", 7},        {"1e-400", 0},  {"0e999999", 0},
        {"１２．５", 12.5}, {"－３", -3},    {"＋１ｅ２", 100}, {"1Ｅ3", 1000}, {"\u30004\u3000", 4}};
    for (const auto& [text, number] : numbers) EXPECT_EQ(parse_number(text), number) << testing::PrintToString(text);
    EXPECT_EQ(parse_number("1.7976931348623157e308"), 1.7976931348623157e308);
    EXPECT_EQ(parse_number(std::string(10000, '0') + "1"), 1);
    EXPECT_EQ(parse_number("0." + std::string(500, '0') + "1e505"), 1e4);  // 1e-501 × 1e505
    const std::string refused[] = {"",    " ",    "abc",   "1.2.3",  "1,5", "0x10",  "inf",   "nan",
                                   "1e",  "1e+",  "e5",    ".",      "+",   "+-1",   "--1",   "1 2",
                                   "12a", "1e5.", "1e400", "-2e308", "1d3", "１,５", "１２ａ"};
    for (const std::string& text : refused) EXPECT_EQ(parse_number(text), std::nullopt) << testing::PrintToString(text);
    EXPECT_EQ(parse_number(std::string(10000, 'x')), std::nullopt);
    EXPECT_EQ(parse_number("1" + std::string(400, '0')), std::nullopt);  // overflows
    const std::pair<std::string, std::optional<double>> texts[] = {
        {"12\n", 12}, {"\n12", 12},   {"1\r\n", 1},  {" 3.5\r\n\t", 3.5}, {"１２\r\n", 12},
        {"1\n2", {}}, {"1\r\n2", {}}, {"1e\n5", {}}, {"\r\n", {}},        {"-\n1", {}}};
    for (const auto& [text, number] : texts) EXPECT_EQ(parse_number(text), number) << testing::PrintToString(text);
}

// A comma locale, where one is installed, changes neither what "1.5" and "1,5" mean nor how 1.5 is written.
TEST(NumericText, IgnoresTheLocale) {
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8") && !std::setlocale(LC_ALL, "de_DE")) GTEST_SKIP() << "no comma locale";
    EXPECT_EQ(parse_number("1.5"), 1.5);
    EXPECT_EQ(parse_number("1,5"), std::nullopt);
    EXPECT_EQ(plain(1.5) + " " + masked(1.5) + " " + in_note(1.5), "1.5 1.500 1.5");
    std::setlocale(LC_ALL, "C");
}

// A value's default mask (3 decimals) and its plain text; masks of other decimals; in a note six significant digits
// by default, all of a typed value with kAsTyped, a negative value in brackets.
TEST(NumberText, MasksPlainTextAndNotes) {
    const std::pair<double, const char*> forms[] = {{0.00049, "0.000 0.00049"},         {-0.0, "0.000 0"},
                                                    {1.0005, "1.001 1.0005"},           {-1.0005, "-1.001 -1.0005"},
                                                    {-0.0004, "0.000 -0.0004"},         {0.1 + 0.2, "0.300 0.3"},
                                                    {9999.9995, "10000.000 9999.9995"}, {1e-300, "0.000 1E-300"},
                                                    {0.00001, "0.000 0.00001"},         {-1.5e-7, "0.000 -1.5E-07"}};
    for (const auto& [value, texts] : forms) EXPECT_EQ(masked(value) + " " + plain(value), texts) << value;
    EXPECT_EQ(masked(1.0 / 3) + " " + plain(1.0 / 3), "0.333 0.333333333333333");
    EXPECT_EQ(masked(1e15) + " " + plain(1e15), "1000000000000000.000 1E+15");
    EXPECT_EQ(masked(123456789012345) + " " + plain(123456789012345), "123456789012345.000 123456789012345");
    const std::tuple<double, int, const char*> masks[] = {
        {12.345, 0, "12"},        {11.5, 0, "12"},           {-0.4, 0, "0"},     {0.125, 2, "0.13"},
        {0.002634, 5, "0.00263"}, {-0.000004, 5, "0.00000"}, {1.71, 4, "1.7100"}};
    for (const auto& [value, decimals, text] : masks) EXPECT_EQ(masked(value, decimals), text) << value;
    const std::pair<double, const char*> six[] = {
        {150000, "150000"}, {6.763754045, "6.76375"}, {1234567, "1234570"}, {0.000123456789, "0.000123457"},
        {1e-7, "1E-07"},    {0.9999996, "1"},         {-2.5, "(-2.5)"},     {-1.5e-7, "(-1.5E-07)"},
        {-0.0, "0"}};
    for (const auto& [value, text] : six) EXPECT_EQ(in_note(value), text) << value;
    const std::pair<double, const char*> typed[] = {
        {1.0 / 3, "0.333333333333333"}, {1234567.891, "1234567.891"}, {0.1 + 0.2, "0.3"}, {-10, "(-10)"}};
    for (const auto& [value, text] : typed) EXPECT_EQ(in_note(value, kAsTyped), text) << value;
    EXPECT_EQ(in_note(123456.789, 3), "123000");
    EXPECT_EQ(in_note(Num(-6.7637541)), "(-6.76375)");
}

// A small non-zero result keeps two significant digits: four instead, fixed from 1e-6 up, else with an exponent;
// a count (no decimals) and a value with two digits already, once rounded (0.0095 to 0.010), are left to the mask.
TEST(NumberText, SmallResultsKeepTheirDigits) {
    const std::tuple<double, int, const char*> rows[] = {
        {2.5e-6, 5, "0.000002500"},    {1e-6, 5, "0.000001000"}, {9.99e-7, 5, "9.990E-07"}, {-2.5e-7, 5, "-2.500E-07"},
        {9.99996e-6, 5, "0.00001000"}, {3e-5, 5, "0.00003000"},  {0.0012, 3, "0.001200"},   {0.0094999, 3, "0.009500"}};
    for (const auto& [value, decimals, text] : rows) EXPECT_EQ(masked_or_significant(value, decimals), text) << value;
    EXPECT_EQ(masked_or_significant(0.00012, 5) + " " + masked_or_significant(0.0095, 3) + " " +
                  masked_or_significant(0.012, 3) + " " + masked_or_significant(0, 5) + " " +
                  masked_or_significant(5, 0) + " " + masked_or_significant(1.5, 3),
              "0.00012 0.010 0.012 0.00000 5 1.500");
}

// Steps that are no number, divide by zero or overflow fail; underflow, integral powers of negatives and zeros do
// not. Whole and half turns are exact, so that a horizontal surface gives exactly nothing.
TEST(CheckedArithmetic, FailingStepsAndExactSines) {
    EXPECT_THROW(Num(1) / 0, DataCheckFailure);
    EXPECT_THROW(Num(1e300) * 1e300, DataCheckFailure);
    EXPECT_THROW(Num(-1.7e308) - 1.7e308, DataCheckFailure);
    EXPECT_THROW(Num(1.7e308) + 1.7e308, DataCheckFailure);
    EXPECT_THROW(sqrt(-1), DataCheckFailure);
    EXPECT_THROW(ln(0), DataCheckFailure);
    EXPECT_THROW(pow(0, -1), DataCheckFailure);
    EXPECT_THROW(pow(-8, 1.0 / 3), DataCheckFailure);
    EXPECT_THROW(pow(10, 400), DataCheckFailure);
    EXPECT_THROW(value("abc"), DataCheckFailure);
    EXPECT_THROW(value(""), DataCheckFailure);
    EXPECT_THROW(value("1\n2"), DataCheckFailure);
    EXPECT_EQ((Num(1e-300) * 1e-300).get(), 0);
    EXPECT_EQ(pow(-2, 3).get(), -8);
    EXPECT_EQ(pow(0, 0.25).get(), 0);
    EXPECT_EQ(sqrt(0).get(), 0);
    EXPECT_EQ((value(" 12.5\r\n") * 2).get(), 25);
    const std::pair<double, double> sines[] = {{0, 0},    {90, 1},     {180, 0},  {270, -1}, {360, 0},
                                               {-90, -1}, {-180, 0},   {540, 0},  {450, 1},  {3.6e20, 0},
                                               {30, 0.5}, {-30, -0.5}, {150, 0.5}};
    for (const auto& [degrees, sine] : sines)
        EXPECT_NEAR(sin_degrees(degrees).get(), sine, sine == 0.5 || sine == -0.5 ? 1e-15 : 0) << degrees;
}

}  // namespace
}  // namespace vxr::frame
