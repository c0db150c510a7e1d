// A thin wrapper of the UDUNITS-2 library: its unit database, loaded once on first use; units parsed from UTF-8
// expressions ("kcal/(m²·h·℃)", "550 ft lbf/s", "K @ 273.15"); converters between units of one dimension; the
// difference unit of a temperature scale.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

struct ut_system;
union ut_unit;
union cv_converter;

namespace vxr::calc::units {

class Unit {
public:
    const ut_unit* get() const { return unit_.get(); }

private:
    friend class Database;
    friend std::optional<Unit> as_difference(const Unit& unit);
    struct Free {
        void operator()(ut_unit* u) const;
    };
    explicit Unit(ut_unit* u) : unit_(u) {}
    std::unique_ptr<ut_unit, Free> unit_;
};

// An affine conversion y = slope·x + offset between two units of one dimension.
class Converter {
public:
    double operator()(double x) const;

private:
    friend std::optional<Converter> converter(const Unit& from, const Unit& to);
    struct Free {
        void operator()(cv_converter* c) const;
    };
    explicit Converter(cv_converter* c) : converter_(c) {}
    std::unique_ptr<cv_converter, Free> converter_;
};

class Database {
public:
    // The database of the installed library, read on the first call only; nullptr (and why, in `error`) where it
    // cannot be read, on that call and every later one.
    static const Database* get(std::string* error = nullptr);

    // The unit of a UTF-8 expression, or nothing where UDUNITS cannot read it.
    std::optional<Unit> parse(std::string_view expression) const;

private:
    struct Free {
        void operator()(ut_system* s) const;
    };
    explicit Database(ut_system* s) : system_(s) {}
    std::unique_ptr<ut_system, Free> system_;
};

// The conversion from one unit to another, or nothing where their dimensions differ. UDUNITS itself also converts
// between reciprocal dimensions (2 m as 0.5 "1/m"); that is no conversion of a quantity and is refused here.
std::optional<Converter> converter(const Unit& from, const Unit& to);

// The unit without the origin of its scale, in which a temperature difference is measured: ℃ gives K, ℉ gives K/1.8;
// a unit without an origin (K, °R, K/min) is itself. Nothing where UDUNITS cannot build it.
std::optional<Unit> as_difference(const Unit& unit);

}  // namespace vxr::calc::units
