// Checked double arithmetic and the failure trap of a calculation.
//
// A calculation computes with `Num` values: every operation tests its result, and a step that is invalid (no
// number), divides by zero or overflows throws `DataCheckFailure`. Underflow is no failure. Field texts become
// numbers through `value()`, which throws the same failure for a text that breaks the numeric-text rule; the trap is
// `frame::run` (frame/outcome.h), so that a page formula reads like the formula and the caller sees either all
// results or none.
#pragma once

#include <string>
#include <string_view>

#include "frame/number_text.h"

namespace vxr::frame {

// The one failure of a calculation: the data did not allow it to finish.
struct DataCheckFailure {};

class Num {
public:
    constexpr Num() = default;
    Num(double v);  // NOLINT: a plain constant of a formula takes part as a number
    double get() const { return v_; }

    friend Num operator+(Num a, Num b);
    friend Num operator-(Num a, Num b);
    friend Num operator*(Num a, Num b);
    friend Num operator/(Num a, Num b);
    Num operator-() const { return Num(-v_); }

    friend bool operator<(Num a, Num b) { return a.v_ < b.v_; }
    friend bool operator<=(Num a, Num b) { return a.v_ <= b.v_; }
    friend bool operator>(Num a, Num b) { return a.v_ > b.v_; }
    friend bool operator>=(Num a, Num b) { return a.v_ >= b.v_; }
    friend bool operator==(Num a, Num b) { return a.v_ == b.v_; }

private:
    double v_ = 0.0;
};

// A field text as a number, by the numeric-text rule; throws DataCheckFailure if it breaks the rule.
Num value(std::string_view text);

Num sqrt(Num x);                  // fails below zero
Num ln(Num x);                    // natural logarithm; fails at zero and below
Num pow(Num base, Num exponent);  // fails for a negative base with a fractional exponent, and 0 to a negative power
// The sine of an angle in degrees, exact at the multiples of 90° (sin 180° is 0, not 1.2e-16), so that a surface
// turned through a half or a whole turn reads as horizontal rather than as a sliver of a degree.
Num sin_degrees(Num degrees);
Num floor(Num x);

// A checked number as a result's notes write it (`in_note` of frame/number_text.h).
inline std::string in_note(Num value, int digits = 6) {
    return in_note(value.get(), digits);
}

}  // namespace vxr::frame
