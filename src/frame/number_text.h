// Writing numbers: into result fields through the result mask or as plain number text, and into a result's notes.
#pragma once

#include <string>

namespace vxr::frame {

// "###0.000" / "####0.000": at least one integer digit, exactly three decimals (or `decimals`: "0.00" is 2, "0" is
// 0), halves rounded away from zero on the value's 15-significant-digit decimal form, "-" before a negative value,
// no group separators. A value that rounds to zero is written without a sign, "0.000".
std::string masked(double value, int decimals = 3);

// A result through its mask, unless the value is not zero and the mask would show it with fewer than two significant
// digits ("0.00000", "0.00003"): then with four significant digits, in fixed notation while |v| ≥ 1e-6
// ("0.000002500"), below that as "2.500E-07". A result a page can reach far below its mask keeps its digits. With no
// decimals (a count) it is the mask.
std::string masked_or_significant(double value, int decimals);

// Plain number text: rounded to 15 significant digits, no trailing zeros or point, "0." before a fraction, and an
// exponent form such as "1.5E-07" or "1E+15" only for magnitudes below 1E-05 or from 1E+15 up.
std::string plain(double value);

// How many significant digits a note gives a value the user typed: all of them, as plain number text shows it.
inline constexpr int kAsTyped = 15;

// A number as a result's notes write it, in a formula or as an intermediate value: rounded to `digits` significant
// digits and written as plain number text ("Re = 150000", "Pr = 6.76375"), a negative value in brackets so that
// "120 − (-10)" reads right. A typed value keeps its digits with `kAsTyped`.
std::string in_note(double value, int digits = 6);

}  // namespace vxr::frame
