#include "calc/units/udunits.h"

#include <udunits2.h>

namespace vxr::calc::units {

void Unit::Free::operator()(ut_unit* u) const {
    ut_free(u);
}
void Converter::Free::operator()(cv_converter* c) const {
    cv_free(c);
}
void Database::Free::operator()(ut_system* s) const {
    ut_free_system(s);
}

double Converter::operator()(double x) const {
    return cv_convert_double(converter_.get(), x);
}

const Database* Database::get(std::string* error) {
    struct Loaded {
        std::unique_ptr<Database> database;
        std::string error;
    };
    static const Loaded loaded = [] {
        // The library reports through stderr by default; its failures are read from the return values instead.
        ut_set_error_message_handler(ut_ignore);
        ut_system* system = ut_read_xml(nullptr);
        if (!system) {
            const int status = static_cast<int>(ut_get_status());
            ut_status source;  // where the path came from (the library writes it unconditionally)
            const char* path = ut_get_path_xml(nullptr, &source);
            return Loaded{nullptr, std::string("无法读取单位库 ") + (path ? path : "") + "（UDUNITS-2 状态 " +
                                       std::to_string(status) + "）"};
        }
        return Loaded{std::unique_ptr<Database>(new Database(system)), {}};
    }();
    if (error) *error = loaded.error;
    return loaded.database.get();
}

std::optional<Unit> Database::parse(std::string_view expression) const {
    // ut_parse needs a terminated string without leading or trailing blanks.
    const std::size_t first = expression.find_first_not_of(" \t");
    if (first == std::string_view::npos) return std::nullopt;
    const std::size_t last = expression.find_last_not_of(" \t");
    const std::string text(expression.substr(first, last - first + 1));
    ut_unit* unit = ut_parse(system_.get(), text.c_str(), UT_UTF8);
    if (!unit) return std::nullopt;
    return Unit(unit);
}

namespace {

// Units whose product is dimensionless and whose quotient is not: m and 1/m, Pa and m·s²/kg.
bool reciprocal(const ut_unit* a, const ut_unit* b) {
    ut_unit* product = ut_multiply(a, b);  // nothing for a logarithmic unit (dBm), which is not reciprocal
    ut_unit* quotient = ut_divide(a, b);
    const bool is = product && ut_is_dimensionless(product) && !(quotient && ut_is_dimensionless(quotient));
    ut_free(product);
    ut_free(quotient);
    return is;
}

}  // namespace

std::optional<Converter> converter(const Unit& from, const Unit& to) {
    if (reciprocal(from.get(), to.get())) return std::nullopt;
    cv_converter* c = ut_get_converter(const_cast<ut_unit*>(from.get()), const_cast<ut_unit*>(to.get()));
    if (!c) return std::nullopt;
    return Converter(c);
}

std::optional<Unit> as_difference(const Unit& unit) {
    // UDUNITS keeps an origin only on a Galilean unit at the top of an expression ("degF/min" already has none):
    // that one is rebuilt as its scale times its underlying unit, every other kind is copied.
    ut_visitor visitor{};
    visitor.visit_basic = [](const ut_unit* u, void* out) {
        *static_cast<ut_unit**>(out) = ut_clone(u);
        return UT_SUCCESS;
    };
    visitor.visit_product = [](const ut_unit* u, int, const ut_unit* const*, const int*, void* out) {
        *static_cast<ut_unit**>(out) = ut_clone(u);
        return UT_SUCCESS;
    };
    visitor.visit_galilean = [](const ut_unit*, double scale, const ut_unit* underlying, double, void* out) {
        *static_cast<ut_unit**>(out) = ut_scale(scale, underlying);
        return UT_SUCCESS;
    };
    visitor.visit_timestamp = [](const ut_unit* u, const ut_unit*, double, void* out) {
        *static_cast<ut_unit**>(out) = ut_clone(u);
        return UT_SUCCESS;
    };
    visitor.visit_logarithmic = [](const ut_unit* u, double, const ut_unit*, void* out) {
        *static_cast<ut_unit**>(out) = ut_clone(u);
        return UT_SUCCESS;
    };
    ut_unit* slope = nullptr;
    if (ut_accept_visitor(unit.get(), &visitor, &slope) != UT_SUCCESS || !slope) return std::nullopt;
    return Unit(slope);
}

}  // namespace vxr::calc::units
