// What every fuzz target of the calculation core shares: field texts drawn from the fuzzer's bytes, the two result
// forms, and the check that stops the run with a report when an invariant breaks.
#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace vxr::fuzz {

// Stops the run as a crash, so that libFuzzer keeps the input that broke the invariant.
inline void require(bool holds, const char* invariant, std::string_view detail = {}) {
    if (holds) return;
    std::fprintf(stderr, "broken invariant: %s\n  %.*s\n", invariant,
                 static_cast<int>(detail.size() > 2000 ? 2000 : detail.size()), detail.data());
    std::abort();
}

// A double written the way a field may hold it.
inline std::string written(double v, int style, int precision) {
    char buffer[400];
    std::to_chars_result r{};
    switch (style % 3) {
        case 0:
            r = std::to_chars(buffer, buffer + sizeof buffer, v);
            break;
        case 1:
            r = std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::scientific, precision % 17);
            break;
        default:
            r = std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::general, precision % 17);
            break;
    }
    return r.ec == std::errc() ? std::string(buffer, r.ptr) : std::string("0");
}

// One field text. Mostly a number (anywhere in the double range, a plain engineering value, or a power of ten far
// out), sometimes decorated with blanks or full-width forms, sometimes raw bytes or a long run of one character.
inline std::string field_text(FuzzedDataProvider& in) {
    const int kind = in.ConsumeIntegralInRange<int>(0, 9);
    const int style = in.ConsumeIntegralInRange<int>(0, 2);
    const int precision = in.ConsumeIntegralInRange<int>(0, 16);
    switch (kind) {
        case 0:
            return written(in.ConsumeFloatingPoint<double>(), style, precision);
        case 1:
        case 2:
            return written(in.ConsumeFloatingPointInRange<double>(-2000.0, 2000.0), style, precision);
        case 3:
            return written(in.ConsumeFloatingPointInRange<double>(0.0, 10.0), style, precision);
        case 4:
            return std::to_string(in.ConsumeIntegralInRange<int>(-1000, 1000)) + "e" +
                   std::to_string(in.ConsumeIntegralInRange<int>(-400, 400));
        case 5:
            return std::to_string(in.ConsumeIntegralInRange<int>(-10, 300));
        case 6: {
            // Blanks around, or the full-width forms a Chinese input method types.
            const std::string number = written(in.ConsumeFloatingPointInRange<double>(-1e4, 1e4), style, precision);
            if (in.ConsumeBool()) return std::string(in.ConsumeIntegralInRange<std::size_t>(0, 3), ' ') + number + "\t";
            std::string wide;
            for (const char c : number) {
                if (c >= '0' && c <= '9')
                    wide += "\xEF\xBC" + std::string(1, static_cast<char>(0x90 + (c - '0')));
                else if (c == '.')
                    wide += "\xEF\xBC\x8E";
                else if (c == '-')
                    wide += "\xEF\xBC\x8D";
                else if (c == '+')
                    wide += "\xEF\xBC\x8B";
                else if (c == 'e')
                    wide += "\xEF\xBD\x85";
                else
                    wide += c;
            }
            return wide;
        }
        case 7:
            return std::string(in.ConsumeIntegralInRange<std::size_t>(0, 10000),
                               "1 0.e-x"[in.ConsumeIntegralInRange<int>(0, 6)]);
        default:
            return in.ConsumeRandomLengthString(40);
    }
}

// "###0.000": at least one integer digit and no needless leading zero, exactly three decimals, no "-0.000".
inline bool is_masked(std::string_view t) {
    std::size_t i = 0;
    if (i < t.size() && t[i] == '-') ++i;
    const std::size_t digits = i;
    while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i;
    if (i == digits || (t[digits] == '0' && i - digits > 1)) return false;
    if (i + 4 != t.size() || t[i] != '.') return false;
    for (std::size_t k = i + 1; k < t.size(); ++k)
        if (t[k] < '0' || t[k] > '9') return false;
    return t != "-0.000";
}

// Plain number text: at most 15 significant digits, no trailing zeros after a point, no trailing point, "0." before
// a fraction, and an exponent form "d.ddE±XX" for very small or large magnitudes.
inline bool is_plain(std::string_view t) {
    if (t.empty() || t == "-0") return false;
    std::size_t i = t[0] == '-' ? 1 : 0;
    const std::size_t e = t.find('E');
    const std::string_view mantissa = t.substr(i, e == std::string_view::npos ? std::string_view::npos : e - i);
    if (mantissa.empty() || mantissa.back() == '.') return false;
    const std::size_t point = mantissa.find('.');
    const std::string_view whole = mantissa.substr(0, point);
    if (whole.empty() || (whole.size() > 1 && whole[0] == '0')) return false;
    int significant = 0;
    bool leading = true;
    for (std::size_t k = 0; k < mantissa.size(); ++k) {
        const char c = mantissa[k];
        if (k == point) continue;
        if (c < '0' || c > '9') return false;
        if (c != '0') leading = false;
        if (!leading) ++significant;
    }
    if (significant > 15) return false;
    if (point != std::string_view::npos && mantissa.back() == '0') return false;
    if (e == std::string_view::npos) return true;
    // Exponent form: one digit before the point, not zero; then E, a sign and two or three digits.
    if (whole.size() != 1 || whole[0] == '0') return false;
    const std::string_view exponent = t.substr(e + 1);
    if (exponent.size() < 3 || exponent.size() > 4 || (exponent[0] != '+' && exponent[0] != '-')) return false;
    for (const char c : exponent.substr(1))
        if (c < '0' || c > '9') return false;
    return true;
}

}  // namespace vxr::fuzz
