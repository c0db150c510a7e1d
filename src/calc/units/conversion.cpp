#include "calc/units/conversion.h"

#include <stdexcept>

#include "frame/number_text.h"
#include "frame/numeric_text.h"

namespace vxr::calc::units {
namespace {

std::optional<Unit> read(const Database& database, const char* expression) {
    std::optional<Unit> unit = database.parse(expression);
    if (!unit) throw std::logic_error(std::string("unit expression not understood: ") + expression);
    return unit;
}

std::optional<double> number(std::string_view text) {
    return frame::parse_number(text);
}

// ℃ and ℉ written as their slopes, for a temperature difference.
std::string asDifference(std::string_view expression) {
    struct Swap {
        std::string_view from, to;
    };
    constexpr Swap kSwaps[] = {{"℃", "K"}, {"°C", "K"}, {"℉", "(K/1.8)"}, {"°F", "(K/1.8)"}};
    std::string text(expression);
    for (const Swap& s : kSwaps)
        for (std::size_t at = text.find(s.from); at != std::string::npos; at = text.find(s.from, at + s.to.size()))
            text.replace(at, s.from.size(), s.to);
    return text;
}

}  // namespace

QuantityTable::QuantityTable(const Database& database, const Quantity& quantity)
    : database_(database), quantity_(quantity) {
    const std::optional<Unit> si = read(database, quantity.units.front().expression);
    for (const UnitDef& def : quantity.units) {
        std::optional<Unit> unit = read(database, def.expression);
        std::optional<Converter> to = converter(*unit, *si);
        std::optional<Converter> from = converter(*si, *unit);
        if (!to || !from) throw std::logic_error(std::string("unit of another dimension: ") + def.expression);
        units_.push_back({std::move(*unit), std::move(*to), std::move(*from)});
    }
}

double QuantityTable::toSi(std::size_t unit, double value, double atmosphere) const {
    const double si = units_[unit].to_si(value);
    return quantity_.units[unit].gauge ? si + atmosphere : si;
}

double QuantityTable::fromSi(std::size_t unit, double si, double atmosphere) const {
    return units_[unit].from_si(quantity_.units[unit].gauge ? si - atmosphere : si);
}

std::optional<double> QuantityTable::readSi(std::string_view value, std::size_t from, std::string_view atmosphere_kpa,
                                            std::string* error) const {
    const std::optional<double> v = number(value);
    if (!v) {
        *error = "数值不是有效的数字。";
        return std::nullopt;
    }
    double atmosphere = 0;
    if (quantity_.kind == QuantityKind::Pressure) {
        const std::optional<double> pa = number(atmosphere_kpa);
        if (!pa || *pa <= 0) {
            *error = "当地大气压须为大于零的数字。";
            return std::nullopt;
        }
        atmosphere = *pa * 1000;
    }
    const double si = toSi(from, *v, atmosphere);
    if (quantity_.kind == QuantityKind::Temperature && si < 0) {
        *error = "温度低于绝对零度（0 K）。";
        return std::nullopt;
    }
    return si;
}

QuantityTable::Texts QuantityTable::convert(std::string_view value, std::size_t from,
                                            std::string_view atmosphere_kpa) const {
    Texts texts;
    texts.values.resize(units_.size());
    const std::optional<double> si = readSi(value, from, atmosphere_kpa, &texts.error);
    if (!si) return texts;
    const double atmosphere = quantity_.kind == QuantityKind::Pressure ? *number(atmosphere_kpa) * 1000 : 0;
    for (std::size_t i = 0; i < units_.size(); ++i) texts.values[i] = frame::plain(fromSi(i, *si, atmosphere));
    return texts;
}

QuantityTable::Expressed QuantityTable::express(std::string_view value, std::size_t from,
                                                std::string_view atmosphere_kpa, std::string_view expression) const {
    Expressed out;
    if (expression.find_first_not_of(" \t") == std::string_view::npos) return out;
    const std::optional<double> si = readSi(value, from, atmosphere_kpa, &out.error);
    if (!si) return out;
    for (std::size_t i = 0; i < units_.size(); ++i) {
        if (expression != quantity_.units[i].caption) continue;
        const double atmosphere = quantity_.kind == QuantityKind::Pressure ? *number(atmosphere_kpa) * 1000 : 0;
        out.value = frame::plain(fromSi(i, *si, atmosphere));
        return out;
    }
    const std::string text =
        quantity_.kind == QuantityKind::Difference ? asDifference(expression) : std::string(expression);
    const std::optional<Unit> unit = database_.parse(text);
    if (!unit) {
        out.error = "无法识别的单位：" + std::string(expression);
        return out;
    }
    const std::optional<Converter> to = converter(units_.front().unit, *unit);
    if (!to) {
        out.error = "“" + std::string(expression) + "”不是" + quantity_.name + "的单位。";
        return out;
    }
    out.value = frame::plain((*to)(*si));
    return out;
}

}  // namespace vxr::calc::units
