// One quantity of the conversion page: a value typed in one of its units, written in every unit at once, and in a
// unit expression of the user's own.
//
// Each unit's converters to and from the SI unit are made once, when the quantity is first chosen, so that a
// refresh of the whole table is a dozen affine steps. Gauge pressures are their absolute unit less the local
// atmosphere; an absolute pressure below zero and a temperature point below absolute zero are refused.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/units/udunits.h"
#include "calc/units/unit_table.h"

namespace vxr::calc::units {

class QuantityTable {
public:
    // Every unit of `quantity` read by `database`; a unit it cannot read is a fault of the table (std::logic_error).
    QuantityTable(const Database& database, const Quantity& quantity);

    const Quantity& quantity() const { return quantity_; }
    std::size_t size() const { return units_.size(); }

    // A value of unit `unit` in the SI unit, and back; `atmosphere` (Pa) is added to a gauge pressure.
    double toSi(std::size_t unit, double value, double atmosphere) const;
    double fromSi(std::size_t unit, double si, double atmosphere) const;

    // The texts of the page: every unit's value as `value_text` writes it, or empty texts and why.
    struct Texts {
        std::vector<std::string> values;  // one per unit; all empty where `error` is set
        std::string error;
    };
    Texts convert(std::string_view value, std::size_t from, std::string_view atmosphere_kpa) const;

    // The value in a unit expression ("kcal/(m²·h·℃)"). A caption of the table itself ("psig") reads as its row.
    // Before UDUNITS reads the expression, the whole words of the page's own list take the engineer's meaning (gal
    // the US gallon, not the galileo; gpm, bbl, hp, oz; the exact gallon, barrel, horsepower and Torr for the
    // library's rounded ones). Under a temperature ℃ and ℉ are points; under a difference every temperature unit
    // is a slope (10 K = 10 degC = 18 degF). An empty expression gives empty texts.
    struct Expressed {
        std::string value;
        std::string error;
        std::string note;  // how a unit of several meanings was read (ton, the short ton), beside a value
    };
    Expressed express(std::string_view value, std::size_t from, std::string_view atmosphere_kpa,
                      std::string_view expression) const;

private:
    struct Row {
        Unit unit;
        Converter to_si;
        Converter from_si;
    };
    // The value typed in `from` in SI, or why not.
    std::optional<double> readSi(std::string_view value, std::size_t from, std::string_view atmosphere_kpa,
                                 std::string* error) const;

    const Database& database_;
    const Quantity& quantity_;
    std::vector<Row> units_;
};

}  // namespace vxr::calc::units
