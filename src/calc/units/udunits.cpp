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

std::optional<Converter> converter(const Unit& from, const Unit& to) {
    cv_converter* c = ut_get_converter(const_cast<ut_unit*>(from.get()), const_cast<ut_unit*>(to.get()));
    if (!c) return std::nullopt;
    return Converter(c);
}

}  // namespace vxr::calc::units
