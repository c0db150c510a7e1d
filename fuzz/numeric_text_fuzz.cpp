// Fuzz target for the numeric-text rule and the two number-to-text forms.
//
// The text is read by parse_number and, independently, by a small automaton for the grammar (blanks, sign, digits
// with an optional point, optional exponent, blanks; full-width forms folded first) with the C library's strtod
// for the value. Accepted exactly when the grammar matches and the value fits a double; an underflow reads as zero
// or as the tiny value itself. Every finite value met on the way (the parsed one, and the input's first eight bytes
// taken as a double) is then written through the result mask and as plain number text: the mask has exactly three
// decimals and lies within half a thousandth of the value; the plain text reads back as the value rounded to 15
// significant digits and takes the exponent form only below 1E-05 or from 1E+15 up.
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

#include "frame/number_text.h"
#include "frame/numeric_text.h"
#include "fuzz_support.h"

namespace {

using vxr::fuzz::require;

// The full-width forms a Chinese input method types, as ASCII; every other byte stays.
std::string folded(std::string_view text) {
    static const struct {
        const char* wide;
        char ascii;
    } kForms[] = {{"\xEF\xBC\x8E", '.'}, {"\xEF\xBC\x8B", '+'}, {"\xEF\xBC\x8D", '-'},
                  {"\xEF\xBD\x85", 'e'}, {"\xEF\xBC\xA5", 'E'}, {"\xE3\x80\x80", ' '}};
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        const std::string_view rest = text.substr(i);
        char ascii = 0;
        if (rest.size() >= 3 && rest.substr(0, 2) == "\xEF\xBC" && static_cast<unsigned char>(rest[2]) >= 0x90 &&
            static_cast<unsigned char>(rest[2]) <= 0x99)
            ascii = static_cast<char>('0' + (static_cast<unsigned char>(rest[2]) - 0x90));
        for (const auto& f : kForms)
            if (rest.substr(0, 3) == f.wide) ascii = f.ascii;
        if (ascii) {
            out += ascii;
            i += 3;
        } else {
            out += text[i++];
        }
    }
    return out;
}

// The grammar as an automaton over the text with its blanks removed.
bool in_grammar(std::string_view s) {
    enum State { Start, Sign, Whole, Point, Fraction, E, ESign, EDigits, Reject };
    State st = Start;
    for (const char c : s) {
        const bool digit = c >= '0' && c <= '9';
        const bool sign = c == '+' || c == '-';
        const bool e = c == 'e' || c == 'E';
        switch (st) {
            case Start:
                st = sign ? Sign : digit ? Whole : c == '.' ? Point : Reject;
                break;
            case Sign:
                st = digit ? Whole : c == '.' ? Point : Reject;
                break;
            case Whole:
                st = digit ? Whole : c == '.' ? Fraction : e ? E : Reject;
                break;
            case Point:
                st = digit ? Fraction : Reject;
                break;
            case Fraction:
                st = digit ? Fraction : e ? E : Reject;
                break;
            case E:
                st = sign ? ESign : digit ? EDigits : Reject;
                break;
            case ESign:
                st = digit ? EDigits : Reject;
                break;
            case EDigits:
                st = digit ? EDigits : Reject;
                break;
            case Reject:
                return false;
        }
    }
    return st == Whole || st == Fraction || st == EDigits;
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

void check_parse(const std::string& text) {
    const auto parsed = vxr::frame::parse_number(text);
    const std::string plain_text(trimmed(folded(text)));
    if (!in_grammar(plain_text)) {
        require(!parsed, "parse_number accepts a text outside the grammar", text);
        return;
    }
    const double reference = std::strtod(plain_text.c_str(), nullptr);
    if (std::isinf(reference)) {
        require(!parsed, "parse_number accepts a value too large for a double", text);
        return;
    }
    require(parsed.has_value(), "parse_number refuses a number of the grammar", text);
    require(*parsed == reference || (std::fabs(reference) < DBL_MIN && *parsed == 0.0),
            "parse_number reads another value than strtod", text);
}

void check_forms(double v) {
    if (!std::isfinite(v)) return;
    char detail[64];
    std::snprintf(detail, sizeof detail, "%.17g", v);
    char rounded_text[64];
    std::snprintf(rounded_text, sizeof rounded_text, "%.14e", v);
    // Within a hair of the largest double, the value rounded to 15 digits lies beyond it: such a text is written
    // correctly but cannot be read back.
    const double rounded = std::strtod(rounded_text, nullptr);
    const bool readable = std::isfinite(rounded);

    const std::string m = vxr::frame::masked(v);
    require(vxr::fuzz::is_masked(m), "masked text malformed", detail);
    if (readable) {
        const auto back = vxr::frame::parse_number(m);
        require(back.has_value(), "masked text does not read back", detail);
        require(std::fabs(*back - v) <= 0.0005 * (1 + 1e-9) + std::fabs(v) * 1e-14,
                "masked text off by more than 0.0005", detail);
        require((m[0] == '-') == (*back < 0), "masked text has the wrong sign", detail);
    }

    const std::string p = vxr::frame::plain(v);
    require(vxr::fuzz::is_plain(p), "plain text malformed", (std::string(detail) + " -> " + p));
    if (readable) {
        const auto plain_back = vxr::frame::parse_number(p);
        require(plain_back && *plain_back == rounded, "plain text does not read back as the value to 15 digits",
                (std::string(detail) + " -> " + p));
    }
    const bool exponent_form = p.find('E') != std::string::npos;
    const double magnitude = std::fabs(readable ? rounded : v);
    require(exponent_form == (magnitude != 0 && (magnitude < 1e-5 || magnitude >= 1e15)),
            "plain text takes the exponent form at the wrong magnitude", (std::string(detail) + " -> " + p));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    check_parse(text);
    if (const auto v = vxr::frame::parse_number(text)) check_forms(*v);
    if (size >= sizeof(double)) {
        double raw;
        std::memcpy(&raw, data, sizeof raw);
        check_forms(raw);
    }
    return 0;
}
