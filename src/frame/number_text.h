// Writing numbers into result fields: the three-decimal result mask and the plain number text.
#pragma once

#include <string>

namespace vxr::frame {

// "###0.000" / "####0.000": at least one integer digit, exactly three decimals (or `decimals`: "0.00" is 2, "0" is
// 0), halves rounded away from zero on the value's 15-significant-digit decimal form, "-" before a negative value,
// no group separators. A value that rounds to zero is written without a sign, "0.000".
std::string masked(double value, int decimals = 3);

// Plain number text: rounded to 15 significant digits, no trailing zeros or point, "0." before a fraction, and an
// exponent form such as "1.5E-07" or "1E+15" only for magnitudes below 1E-05 or from 1E+15 up.
std::string plain(double value);

// A value rounded to `digits` significant digits and written as plain number text: the intermediate values of a
// result's notes ("Re = 150000", "Pr = 6.76375").
std::string significant(double value, int digits = 6);

// A value as it stands in a note's formula: `significant` (15 digits: plain number text), and a negative value in
// brackets, so that "120 − (-10)" reads right.
std::string in_formula(double value, int digits = 6);

}  // namespace vxr::frame
