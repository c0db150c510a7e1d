#include "frame/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace vxr::frame {
namespace {

// A finite value as its first `significant` decimal digits, rounded, and the power of ten of the first of them.
struct Decimal {
    bool negative = false;
    std::string digits;  // exactly `significant` digits, the first non-zero unless the value is zero
    int power = 0;       // value = d.dddddddddddddd × 10^power
};

Decimal decimal_form(double value, int significant = 15) {
    char buffer[64];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, significant - 1);
    const char* p = buffer;
    Decimal d;
    if (*p == '-') d.negative = true, ++p;
    d.digits.reserve(static_cast<std::size_t>(significant));
    for (; p < result.ptr && *p != 'e'; ++p)
        if (*p != '.') d.digits.push_back(*p);
    if (p < result.ptr && p[1] == '+') ++p;  // from_chars reads no plus sign
    std::from_chars(p + 1, result.ptr, d.power);
    return d;
}

// Adds one to a string of decimal digits, growing it on a carry out of the first digit.
void increment(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

// Digits written as plain number text: no trailing zeros or point, "0." before a fraction, and an exponent form
// such as "1.5E-07" only for magnitudes below 1E-05 or from 1E+15 up.
std::string written(Decimal d) {
    d.digits.erase(d.digits.find_last_not_of('0') + 1);
    std::string out;
    out.reserve(d.digits.size() + 24);
    if (d.negative) out += '-';
    if (d.power < -5 || d.power >= 15) {
        out += d.digits[0];
        if (d.digits.size() > 1) out.append(".").append(d.digits, 1);
        const int magnitude = std::abs(d.power);
        out += d.power < 0 ? "E-" : "E+";
        if (magnitude < 10) out += '0';
        out += std::to_string(magnitude);
    } else if (d.power < 0) {
        out.append("0.").append(static_cast<std::size_t>(-d.power - 1), '0').append(d.digits);
    } else {
        const auto whole = static_cast<std::size_t>(d.power) + 1;
        if (d.digits.size() <= whole) {
            out.append(d.digits).append(whole - d.digits.size(), '0');
        } else {
            out.append(d.digits, 0, whole).append(".").append(d.digits, whole);
        }
    }
    return out;
}

}  // namespace

std::string masked(double value, int decimals) {
    const std::string zero = decimals > 0 ? "0." + std::string(static_cast<std::size_t>(decimals), '0') : "0";
    if (!std::isfinite(value)) return zero;
    const Decimal d = decimal_form(value);
    // The value times 10^decimals, rounded half away from zero, as a string of digits.
    const int keep = d.power + 1 + decimals;
    std::string units;
    if (keep <= 0) {
        units = (keep == 0 && d.digits[0] >= '5') ? "1" : "0";
    } else if (keep >= static_cast<int>(d.digits.size())) {
        units = d.digits + std::string(static_cast<std::size_t>(keep) - d.digits.size(), '0');
    } else {
        units = d.digits.substr(0, static_cast<std::size_t>(keep));
        if (d.digits[static_cast<std::size_t>(keep)] >= '5') increment(units);
    }
    const auto first = units.find_first_not_of('0');
    if (first == std::string::npos) return zero;
    units.erase(0, first);
    const auto width = static_cast<std::size_t>(decimals) + 1;
    if (units.size() < width) units.insert(0, width - units.size(), '0');
    if (decimals > 0) units.insert(units.size() - static_cast<std::size_t>(decimals), ".");
    return d.negative ? "-" + units : units;
}

std::string masked_or_significant(double value, int decimals) {
    const std::string text = masked(value, decimals);
    const auto first = text.find_first_of("123456789");
    // A whole count (no decimals) always shows as it is.
    if (decimals <= 0 || value == 0.0 || !std::isfinite(value) ||
        (first != std::string::npos && text.size() - first - (text.find('.') > first ? 1 : 0) >= 2))
        return text;
    // Four significant digits, the exponent taken after rounding to them.
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 3).ptr;
    const std::string_view s(buffer, static_cast<std::size_t>(end - buffer));
    const int power = std::atoi(std::string(s.substr(s.find('e') + 1)).c_str());
    if (std::fabs(value) >= 1e-6) return masked(value, 3 - power);
    const int magnitude = std::abs(power);
    return std::string(s.substr(0, s.find('e'))) + (power < 0 ? "E-" : "E+") + (magnitude < 10 ? "0" : "") +
           std::to_string(magnitude);
}

std::string in_note(double value, int digits) {
    if (!std::isfinite(value)) return "0";
    // Rounded to `digits` significant digits straight from the binary value, written as plain number text writes it.
    const std::string text = value == 0.0 ? "0" : written(decimal_form(value, std::clamp(digits, 1, kAsTyped)));
    return value < 0 ? "(" + text + ")" : text;
}

std::string plain(double value) {
    if (!std::isfinite(value) || value == 0.0) return "0";
    return written(decimal_form(value));
}

}  // namespace vxr::frame
