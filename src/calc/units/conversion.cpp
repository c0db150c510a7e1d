#include "calc/units/conversion.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

#include "calc/units/value_text.h"
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

const char* const kOutOfRange = "换算结果超出可表示的范围。";

// Words an engineer writes for a unit that UDUNITS reads otherwise (gal, its galileo; oz, its fluid ounce), lacks
// (gpm) or rounds (gallon, barrel, horsepower; Torr, its mmHg), each as an exact expression.
struct Word {
    std::string_view word, expression;
};
constexpr Word kWords[] = {{"gal", "(231 in3)"},
                           {"gallon", "(231 in3)"},
                           {"gallons", "(231 in3)"},
                           {"gpm", "(231 in3/min)"},
                           {"bbl", "(9702 in3)"},
                           {"barrel", "(9702 in3)"},
                           {"barrels", "(9702 in3)"},
                           {"oz", "(0.45359237 kg/16)"},
                           {"hp", "(550 0.45359237 9.80665 N ft/s)"},
                           {"horsepower", "(550 0.45359237 9.80665 N ft/s)"},
                           {"Torr", "(101325 Pa/760)"},
                           {"torr", "(101325 Pa/760)"}};

// A word is a run of ASCII letters and underscores: "gal/min" holds gal, "gallon" and "kgal" do not, "gal2" does
// (gal squared, as UDUNITS reads exponents).
bool inWord(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
}

// The expression with each word of the list replaced by its meaning; `ton` set where it holds the short ton.
std::string withOwnWords(std::string_view expression, bool* ton) {
    std::string text;
    for (std::size_t at = 0; at < expression.size();) {
        if (!inWord(expression[at])) {
            text += expression[at++];
            continue;
        }
        std::size_t end = at;
        while (end < expression.size() && inWord(expression[end])) ++end;
        const std::string_view word = expression.substr(at, end - at);
        const auto own =
            std::find_if(std::begin(kWords), std::end(kWords), [&](const Word& w) { return w.word == word; });
        text += own == std::end(kWords) ? word : own->expression;
        if (word == "ton" || word == "tons") *ton = true;
        at = end;
    }
    return text;
}

// A result that is zero but for the rounding of the sums that made it (32 ℉ through 273.15 K to ℃ gives 5.7·10⁻¹⁴):
// 0. An affine conversion v = a·x + b adds a·x and b (x the value in SI, less the atmosphere for a gauge unit); the
// sum can leave a few units in the last place of the larger of them, and no more. A conversion by a factor alone
// (b = 0) never changes a value so, and a logarithmic one is left as it is.
double withoutNoise(const Converter& convert, double x, double atmosphere) {
    const double v = convert(x - atmosphere);
    if (!std::isfinite(v)) return v;
    const double b = convert(0), a = convert(1) - b, bent = convert(2) - 2 * convert(1) + b;
    if (!std::isfinite(a) || !std::isfinite(b) || std::fabs(bent) > 1e-9 * std::max(std::fabs(a), std::fabs(b)))
        return v;
    const double scale = std::max({std::fabs(a * x), std::fabs(a * atmosphere), std::fabs(b)});
    return std::fabs(v) <= 8 * std::numeric_limits<double>::epsilon() * scale ? 0.0 : v;
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
    return withoutNoise(units_[unit].from_si, si, quantity_.units[unit].gauge ? atmosphere : 0);
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
    if (quantity_.kind == QuantityKind::Pressure && si < 0) {
        *error = "绝对压力不能为负。";
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
    for (std::size_t i = 0; i < units_.size(); ++i) {
        const double v = fromSi(i, *si, atmosphere);
        if (!std::isfinite(v)) {
            texts.values.assign(units_.size(), std::string());
            texts.error = kOutOfRange;
            return texts;
        }
        texts.values[i] = value_text(v);
    }
    return texts;
}

QuantityTable::Expressed QuantityTable::express(std::string_view value, std::size_t from,
                                                std::string_view atmosphere_kpa, std::string_view expression) const {
    Expressed out;
    if (expression.find_first_not_of(" \t") == std::string_view::npos) return out;
    const std::optional<double> si = readSi(value, from, atmosphere_kpa, &out.error);
    if (!si) return out;
    std::optional<double> v;
    for (std::size_t i = 0; i < units_.size() && !v; ++i) {
        if (expression != quantity_.units[i].caption) continue;
        const double atmosphere = quantity_.kind == QuantityKind::Pressure ? *number(atmosphere_kpa) * 1000 : 0;
        v = fromSi(i, *si, atmosphere);
    }
    if (!v) {
        bool ton = false;
        std::optional<Unit> unit = database_.parse(withOwnWords(expression, &ton));
        if (unit && quantity_.kind == QuantityKind::Difference) unit = as_difference(*unit);
        if (!unit) {
            out.error = "无法识别的单位：" + std::string(expression);
            return out;
        }
        const std::optional<Converter> to = converter(units_.front().unit, *unit);
        if (!to) {
            out.error = "“" + std::string(expression) + "”不是" + quantity_.name + "的单位。";
            return out;
        }
        v = withoutNoise(*to, *si, 0);
        if (ton) out.note = "ton 按美吨 907.18474 kg 计；公吨请写 t";
    }
    if (std::isfinite(*v)) return {value_text(*v), "", out.note};
    return {"", kOutOfRange, ""};
}

}  // namespace vxr::calc::units
