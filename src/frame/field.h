// A calculation's table of fields: every control of its page that a user types into, chooses or reads, with what it
// means. The page builds and binds its controls from it; the sheet, the case files, the manual and the tests read it.
//
// `Field` is a row as every part of the program reads it. `Row<In>` binds a field to the calculation's input struct
// `In`: an input fills a text member, an option sets what choosing it means. A table is a constexpr array of rows in
// the page's reading order; `covers_every_member` checks at compile time that it fills every member of `In`.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace vxr::frame {

enum class Kind {
    Input,    // a number the calculation reads
    Option,   // one option button of an exclusive group
    Note,     // the user's own description (line number, medium, tag): never read
    Segment,  // a field of the pipe route's segment editor: kept in the route, not read from the box
    Result,   // written by the calculation
};

// The physical property of a fluid that an input stands for, so that a property table can fill it.
enum class Property {
    None,
    Density,           // of the flowing fluid, liquid or vapour
    LiquidDensity,     // of the condensate
    VapourDensity,     // of the vapour over it
    Viscosity,         // dynamic viscosity
    Conductivity,      // thermal conductivity
    SpecificHeat,      // isobaric specific heat
    LatentHeat,        // heat of vaporisation
    VapourPressure,    // saturation pressure at the fluid's temperature
    CriticalPressure,  // the fluid's thermodynamic critical pressure
    MolarMass,         // of a gas
    HeatRatio,         // cp/cv of a gas
    Compressibility,   // Z = p·v/(R·T) of a gas
};

// What a field stands for, as a user reads it.
struct About {
    const char* symbol = "";
    const char* unit = "";     // a UDUNITS-2 expression ("kg/m3", "Pa s", "degC"), "" where the field has none
    const char* meaning = "";  // one line
    const char* range = "";    // the range an engineer would expect, "" where none applies
    Property property = Property::None;
};

struct Field {
    Kind kind;
    const char* name;     // the control's object name
    const char* caption;  // with its unit, as the page shows it; an exponent written ² or ³
    const char* text;     // the default text; an option: "1" for the one chosen at start, else ""
    About about;
    const char* group;  // an option: the object name of the frame that makes its group exclusive
    // A field added after case files were first written: what a file without it means, the behaviour from before
    // it existed (an input's or note's text; on an option, "1" for the one that was in effect, "" for the others). A
    // file writes the field only where it differs from that. Null for the fields of the first release, which a
    // file always writes.
    const char* absent = nullptr;
};

constexpr Field input(const char* name, const char* caption, const char* text, About about) {
    return {Kind::Input, name, caption, text, about, nullptr};
}
constexpr Field note(const char* name, const char* caption, const char* text, const char* meaning) {
    return {Kind::Note, name, caption, text, {"", "", meaning, ""}, nullptr};
}
constexpr Field segment(const char* name, const char* caption, About about) {
    return {Kind::Segment, name, caption, "", about, nullptr};
}
constexpr Field option(const char* group, const char* name, const char* caption, bool chosen, const char* meaning) {
    return {Kind::Option, name, caption, chosen ? "1" : "", {"", "", meaning, ""}, group};
}
constexpr Field result(const char* name, const char* caption, About about) {
    return {Kind::Result, name, caption, "", about, nullptr};
}
// `field`, added after case files were first written: `absent` is what a file without it means (see Field::absent).
constexpr Field added(Field field, const char* absent) {
    field.absent = absent;
    return field;
}

// A field bound to the input struct `In` of its calculation.
template <class In>
struct Row {
    Field field;
    std::string In::*member = nullptr;  // an input: the text it fills
    void (*choose)(In&) = nullptr;      // an option: what choosing it sets
};

namespace detail {
// Converts to anything: counts the members of an aggregate by how many of these initialise it.
struct Anything {
    template <class T>
    operator T() const;  // never defined: used only where nothing is evaluated
};
template <class T, class... Given>
consteval std::size_t members() {
    if constexpr (requires { T{Given{}..., Anything{}}; })
        return members<T, Given..., Anything>();
    else
        return sizeof...(Given);
}
}  // namespace detail

// `name`, the object name of an input of the table `rows`: a name the table has no input of does not compile, so
// that a table naming other tables' inputs (the fill's temperatures, say) stays true to them.
template <class In, std::size_t N>
consteval const char* input_named(const std::array<Row<In>, N>& rows, const char* name) {
    for (const Row<In>& r : rows)
        if (r.field.kind == Kind::Input && std::string_view(r.field.name) == name) return r.field.name;
    throw "no input of this name in the table";  // not a constant expression: the call does not compile
}

// True when the table's inputs and option groups are as many as the members of `In` (less `others` filled
// elsewhere), each input bound to a member and each option to a choice: a member left out of the table fails here.
template <class In, std::size_t N>
consteval bool covers_every_member(const std::array<Row<In>, N>& rows, std::size_t others = 0) {
    std::size_t bound = 0;
    std::array<const char*, N> groups{};
    std::size_t group_count = 0;
    for (const Row<In>& r : rows) {
        if (r.field.kind == Kind::Input) {
            if (!r.member) return false;
            ++bound;
        }
        if (r.field.kind != Kind::Option) continue;
        if (!r.choose) return false;
        bool known = false;
        for (std::size_t g = 0; g < group_count; ++g) known = known || std::string_view(groups[g]) == r.field.group;
        if (!known) groups[group_count++] = r.field.group;
    }
    return bound + group_count + others == detail::members<In>();
}

// The caption as the calculation sheet and the manual write it: an option's own name without the caption of the box
// it runs on into ("倾斜平表面 [平表面与水平面夹角：" → 倾斜平表面), without the closing colon.
std::string sheet_caption(const Field& field);

}  // namespace vxr::frame
