#include "frame/numeric_text.h"

#include <charconv>
#include <cstdlib>
#include <system_error>

namespace vxr::frame {
namespace {

// Full-width forms are three-byte UTF-8 sequences: U+FF01..U+FF5E start EF BC or EF BD, U+3000 is E3 80 80.
std::optional<char> full_width_char(std::string_view text, std::size_t i) {
    if (i + 2 >= text.size()) return std::nullopt;
    const auto b0 = static_cast<unsigned char>(text[i]);
    const auto b1 = static_cast<unsigned char>(text[i + 1]);
    const auto b2 = static_cast<unsigned char>(text[i + 2]);
    if (b0 == 0xE3 && b1 == 0x80 && b2 == 0x80) return ' ';
    if (b0 != 0xEF || (b1 != 0xBC && b1 != 0xBD) || b2 < 0x80 || b2 > 0xBF) return std::nullopt;
    const unsigned code = 0xFF00u + ((b1 - 0xBCu) << 6) + (b2 - 0x80u);  // U+FF00..U+FF7F
    const char ascii = static_cast<char>(code - 0xFF00u + 0x20u);        // U+FF01 is '!'
    switch (ascii) {
        case '0':
        case '1':
        case '2':
        case '3':
        case '4':
        case '5':
        case '6':
        case '7':
        case '8':
        case '9':
        case '.':
        case '+':
        case '-':
        case 'e':
        case 'E':
            return ascii;
        default:
            return std::nullopt;
    }
}

// A cell copied from a spreadsheet arrives with its line break ("12\r\n"): line breaks count as blanks around a
// number, never inside one.
bool is_blank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

// The power of ten of the first non-zero digit of a mantissa such as "0012.50" (here 1); 0 when every digit is 0.
long long leading_digit_power(std::string_view mantissa, std::size_t int_digits) {
    long long power = static_cast<long long>(int_digits) - 1;
    for (const char c : mantissa) {
        if (c == '.') continue;
        if (c != '0') return power;
        --power;
    }
    return 0;
}

}  // namespace

std::string fold_full_width(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        if (const auto c = full_width_char(text, i)) {
            out.push_back(*c);
            i += 3;
        } else {
            out.push_back(text[i]);
            ++i;
        }
    }
    return out;
}

std::optional<double> parse_number(std::string_view raw) {
    const std::string folded = fold_full_width(raw);
    std::string_view s = folded;
    while (!s.empty() && is_blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && is_blank(s.back())) s.remove_suffix(1);

    // Scan the grammar ourselves; the conversion below sees only a text that already fits it.
    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    const std::size_t body = i;
    std::size_t int_digits = 0, frac_digits = 0;
    while (i < s.size() && is_digit(s[i])) ++i, ++int_digits;
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && is_digit(s[i])) ++i, ++frac_digits;
    }
    if (int_digits + frac_digits == 0) return std::nullopt;
    const std::size_t mantissa_end = i;
    long long exponent = 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        bool exp_negative = false;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) exp_negative = s[i++] == '-';
        std::size_t exp_digits = 0;
        while (i < s.size() && is_digit(s[i])) {
            if (exponent < 100000) exponent = exponent * 10 + (s[i] - '0');
            ++i, ++exp_digits;
        }
        if (exp_digits == 0) return std::nullopt;
        if (exp_negative) exponent = -exponent;
    }
    if (i != s.size()) return std::nullopt;

    const std::string_view unsigned_text = s.substr(body);
    double magnitude = 0.0;
    const auto [end, ec] =
        std::from_chars(unsigned_text.data(), unsigned_text.data() + unsigned_text.size(), magnitude);
    if (ec == std::errc::result_out_of_range) {
        // Too large or too small for a double. The decimal exponent of the leading significant digit tells which:
        // overflow fails, underflow reads as zero.
        if (leading_digit_power(s.substr(body, mantissa_end - body), int_digits) + exponent > 0) return std::nullopt;
        magnitude = 0.0;
    } else if (ec != std::errc() || end != unsigned_text.data() + unsigned_text.size()) {
        return std::nullopt;
    }
    return negative ? -magnitude : magnitude;
}

}  // namespace vxr::frame
