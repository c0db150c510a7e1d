#include "calc/units/value_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace vxr::calc::units {

std::string value_text(double value) {
    if (!std::isfinite(value)) return "";  // never shown: the conversion refuses a value out of range
    if (value == 0) return "0";
    // d.ddddddddddde±x: twelve significant digits, correctly rounded.
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 11).ptr;
    const std::string text(buffer, end);
    const std::size_t e = text.find('e');
    const bool negative = text[0] == '-';
    std::string digits;
    for (std::size_t i = negative ? 1 : 0; i < e; ++i)
        if (text[i] != '.') digits += text[i];
    digits.erase(digits.find_last_not_of('0') + 1);
    const int power = std::atoi(text.c_str() + e + 1);

    std::string out = negative ? "-" : "";
    if (power < -6 || power >= 15) {
        out += digits.substr(0, 1);
        if (digits.size() > 1) out += "." + digits.substr(1);
        out += power < 0 ? "E-" : "E+";
        const std::string magnitude = std::to_string(std::abs(power));
        return out + (magnitude.size() < 2 ? "0" : "") + magnitude;
    }
    if (power < 0) return out + "0." + std::string(static_cast<std::size_t>(-power - 1), '0') + digits;
    const auto whole = static_cast<std::size_t>(power) + 1;
    if (digits.size() <= whole) return out + digits + std::string(whole - digits.size(), '0');
    return out + digits.substr(0, whole) + "." + digits.substr(whole);
}

}  // namespace vxr::calc::units
