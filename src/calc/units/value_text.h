// How the conversion page writes a converted value: the digits a unit conversion can vouch for and no noise.
//
// A factor known to 15 digits carried through two affine steps leaves its last digit or two uncertain (20 ℃ comes out
// as 67.99999999999994 ℉), so the page shows at most 12 significant digits, trailing zeros dropped: "68",
// "0.3048", "1609.344". Zero is "0". The exponent form ("1.5E-07", "1E+15") is kept for magnitudes below 1E-06 and
// from 1E+15 up, judged on the value as rounded, so that 9.999999999999E-07 reads "0.000001".
#pragma once

#include <string>

namespace vxr::calc::units {

// A value as the conversion page shows it; an infinite or undefined one as an empty text.
std::string value_text(double value);

}  // namespace vxr::calc::units
