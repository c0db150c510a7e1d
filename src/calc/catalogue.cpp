#include "calc/catalogue.h"

#include <algorithm>

#include "calc/absorption/packed_absorber.h"
#include "calc/distillation/shortcut_column.h"
#include "calc/drying/convective_dryer.h"
#include "calc/evaporation/single_effect.h"
#include "calc/flexibility/assessment.h"
#include "calc/heat/condensation.h"
#include "calc/heat/forced_convection.h"
#include "calc/hydraulics/friction_loss.h"
#include "calc/hydraulics/pipe_diameter.h"
#include "calc/pump/installation_height.h"
#include "calc/relief/relief_valve.h"
#include "calc/valve/control_valve.h"

namespace vxr::calc {

std::span<const Calculation> calculations() {
    static const Calculation kAll[] = {
        {"pipeDiameter", pipe_sizing::kFields, size_pipes},
        {"friction", friction::kFields, friction_loss},
        {"pump", pump::kFields, installation_height},
        {"convection", convection::kFields, convection_film_coefficient},
        {"condensation", condensation::kFields, condensation_film_coefficient},
        {"distillation", distillation::kFields, shortcut_column},
        {"evaporation", evaporation::kFields, single_effect_evaporator},
        {"drying", drying::kFields, convective_dryer},
        {"absorption", absorption::kFields, packed_absorber},
        {"relief", relief::kFields, relief_valve},
        {"stress", flexibility::kFields, assess_flexibility},
        {"controlValve", control_valve_fields::kFields, control_valve},
    };
    return kAll;
}

const Calculation* find_calculation(std::string_view name) {
    for (const Calculation& c : calculations())
        if (name == c.name()) return &c;
    return nullptr;
}

const frame::Field* Calculation::field(std::string_view name) const {
    const auto found =
        std::find_if(fields_.begin(), fields_.end(), [&](const frame::Field& f) { return name == f.name; });
    return found == fields_.end() ? nullptr : &*found;
}

Case Calculation::defaults() const {
    Case c;
    for (const frame::Field& f : fields_) {
        if (f.kind == frame::Kind::Input) c.texts.emplace_back(f.text);
        if (f.kind == frame::Kind::Option) c.chosen.push_back(*f.text != '\0');
    }
    return c;
}

bool Calculation::set(Case& c, std::string_view name, std::string_view text) const {
    const frame::Field* target = field(name);
    if (!target || (target->kind != frame::Kind::Input && target->kind != frame::Kind::Option)) return false;
    if (target->kind == frame::Kind::Option && text != "1") return false;  // an option is chosen, never unchosen
    std::size_t input = 0, option = 0;
    for (const frame::Field& f : fields_) {
        if (f.kind == frame::Kind::Input) {
            if (&f == target) c.texts.at(input) = std::string(text);
            ++input;
        } else if (f.kind == frame::Kind::Option) {
            // Choosing one option of a group turns the others of that group off.
            if (target->kind == frame::Kind::Option && std::string_view(f.group) == target->group)
                c.chosen.at(option) = &f == target;
            ++option;
        }
    }
    return true;
}

}  // namespace vxr::calc
