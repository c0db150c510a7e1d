// Reading a field's text as a number: the one numeric-text rule of every calculation.
//
// Accepted: optional blanks (spaces, tabs, and the line break a cell pasted from a spreadsheet brings), an optional
// sign, digits with an optional fraction (".5" and "5." too), an optional exponent (e/E with optional sign and
// digits), optional blanks. The decimal separator is always "." whatever the
// machine's locale. Full-width forms typed by a Chinese input method (digits, "．", "＋", "－", "ｅ", "Ｅ" and the
// ideographic blank) read as their plain forms. Everything else, and a value too large for a double, fails.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vxr::frame {

// The number a field text stands for, or nothing when the text breaks the rule.
std::optional<double> parse_number(std::string_view text);

// The text with full-width digits, signs, point, exponent letter and blank folded to ASCII; other text unchanged.
std::string fold_full_width(std::string_view text);

}  // namespace vxr::frame
