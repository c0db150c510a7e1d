#include "frame/checked.h"

#include <cmath>
#include <numbers>

#include "frame/numeric_text.h"

namespace vxr::frame {
namespace {

// Every step's result is tested: no number (NaN) or an infinite value is a failure; a tiny or zero one is not.
Num checked(double v) {
    if (!std::isfinite(v)) throw DataCheckFailure{};
    return Num(v);
}

}  // namespace

Num::Num(double v) : v_(v) {}

Num operator+(Num a, Num b) {
    return checked(a.v_ + b.v_);
}
Num operator-(Num a, Num b) {
    return checked(a.v_ - b.v_);
}
Num operator*(Num a, Num b) {
    return checked(a.v_ * b.v_);
}
Num operator/(Num a, Num b) {
    if (b.v_ == 0.0) throw DataCheckFailure{};
    return checked(a.v_ / b.v_);
}

Num value(std::string_view text) {
    const auto parsed = parse_number(text);
    if (!parsed) throw DataCheckFailure{};
    return Num(*parsed);
}

Num sqrt(Num x) {
    if (x.get() < 0.0) throw DataCheckFailure{};
    return checked(std::sqrt(x.get()));
}

Num ln(Num x) {
    if (x.get() <= 0.0) throw DataCheckFailure{};
    return checked(std::log(x.get()));
}

Num pow(Num base, Num exponent) {
    if (base.get() < 0.0 && std::trunc(exponent.get()) != exponent.get()) throw DataCheckFailure{};
    if (base.get() == 0.0 && exponent.get() < 0.0) throw DataCheckFailure{};
    return checked(std::pow(base.get(), exponent.get()));
}

Num sin_degrees(Num degrees) {
    double turn = std::fmod(degrees.get(), 360.0);  // exact
    if (turn < 0) turn += 360.0;
    if (turn == 0.0 || turn == 180.0) return Num(0.0);
    if (turn == 90.0) return Num(1.0);
    if (turn == 270.0) return Num(-1.0);
    return checked(std::sin(turn * std::numbers::pi / 180.0));
}

Num floor(Num x) {
    return checked(std::floor(x.get()));
}

}  // namespace vxr::frame
