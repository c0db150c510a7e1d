// Writing numbers into result fields: the three-decimal result mask and the plain number text.
#pragma once

#include <string>

namespace vxr::frame {

// "###0.000" / "####0.000": at least one integer digit, exactly three decimals, halves rounded away from zero on
// the value's 15-significant-digit decimal form, "-" before a negative value, no group separators. A value that
// rounds to zero is written "0.000".
std::string masked(double value);

// Plain number text: rounded to 15 significant digits, no trailing zeros or point, "0." before a fraction, and an
// exponent form such as "1.5E-07" or "1E+15" only for magnitudes below 1E-05 or from 1E+15 up.
std::string plain(double value);

}  // namespace vxr::frame
