// The units of the conversion page, quantity by quantity, each as a UDUNITS-2 expression built from exact bases.
//
// The library's own database rounds some units (its gallon, barrel, ounce and horsepowers), lacks others (dyn, cP,
// kWh, gpm, mmH2O, psig) and makes its Torr equal to its mmHg, so no unit here is taken by its library name where
// that name is rounded or missing: the US gallon is "231 in3", the Torr "atm/760", the metric horsepower
// "75 kgf m/s". The first unit of each quantity is its SI unit; the page opens on another where a Chinese process
// engineer writes that one most (℃, kPa, m³/h, kg/h, kJ/(kg·℃), …).
#pragma once

#include <cstddef>
#include <span>

namespace vxr::calc::units {

enum class QuantityKind {
    Ordinary,
    Pressure,     // has gauge units: absolute = gauge + local atmosphere
    Temperature,  // points: ℃ and ℉ carry their offsets, nothing lies below absolute zero
    Difference,   // temperature differences: slopes only
};

struct UnitDef {
    const char* caption;     // as the page shows it, with ² and ³
    const char* expression;  // for UDUNITS; a gauge unit's expression is its absolute scale
    bool gauge = false;
};

struct Quantity {
    const char* name;
    QuantityKind kind;
    std::span<const UnitDef> units;
    std::size_t opens;  // the unit the page opens on, by its index in `units`
};

std::span<const Quantity> quantities();

// The index of the unit a quantity is first shown in (and a value is read in until the user picks another).
inline std::size_t default_unit(const Quantity& quantity) {
    return quantity.opens;
}

}  // namespace vxr::calc::units
