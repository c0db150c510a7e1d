#include "calc/properties/fill.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "calc/evaporation/single_effect.h"
#include "calc/heat/condensation.h"
#include "calc/properties/if97.h"
#include "calc/units/udunits.h"
#include "calc/valve/control_valve.h"
#include "frame/number_text.h"
#include "frame/numeric_text.h"

namespace vxr::calc::water {
namespace {

using frame::Property;

constexpr double kCriticalCelsius = if97::kTc - 273.15;

// The inputs a page fills at temperatures of its own: saturation at `temperature`, or with `wall` the film between.
struct Own {
    const char* calculation;
    const char* field;
    const char* temperature;
    const char* wall = nullptr;
};
// Each name is checked against its page's table when this compiles.
consteval Own condensing(const char* field, const char* wall = nullptr) {
    using condensation::kFields;
    return {"condensation", frame::input_named(kFields, field), frame::input_named(kFields, "Text76"),
            wall ? frame::input_named(kFields, wall) : nullptr};
}
consteval Own evaporating(const char* field, const char* temperature) {
    using evaporation::kFields;
    return {"evaporation", frame::input_named(kFields, field), frame::input_named(kFields, temperature)};
}
constexpr Own kOwn[] = {
    condensing("Text78"),            // r at ts (Text76)
    condensing("Text79"),            // ρv at ts
    condensing("Text80", "Text75"),  // the condensate's μ, λ, ρ and cp at the film temperature (tw: Text75)
    condensing("Text81", "Text75"),
    condensing("Text82", "Text75"),
    condensing("Text72", "Text75"),
    evaporating("evapVapourLatent", "evapVapourTemp"),  // r1 at T1
    evaporating("evapSteamLatent", "evapSteamTemp"),    // r at T
};

const Own* own(const Calculation& c, const frame::Field& f) {
    for (const Own& o : kOwn)
        if (std::string_view(o.calculation) == c.name() && std::string_view(o.field) == f.name) return &o;
    return nullptr;
}

// Where a value is taken: the saturation line there (if on it), the single state or side (if one), and how the
// source names them.
struct Where {
    const Saturation* line;
    const Properties* one;
    std::string one_described;  // the single state or side, for ρ, μ, λ, cp
    double t_c;                 // the temperature, for r, ρv and pv
};

// A value in its SI unit and its source, or why not.
struct Value {
    double si;
    const char* unit;
    std::string source;
};

const char* method(Property p) {
    if (p == Property::Viscosity) return "IAPWS 2008 与 IAPWS-IF97";
    if (p == Property::Conductivity) return "IAPWS 2011 与 IAPWS-IF97";
    return "IAPWS-IF97";
}

std::variant<Value, FillRefusal> value_of(Property p, const Where& w) {
    const std::string head = std::string("物性：水，") + method(p) + "，";
    const std::string at_t = "t = " + six_digits(w.t_c) + " ℃";
    const auto from_one = [&](double Properties::*member, const char* unit) -> std::variant<Value, FillRefusal> {
        if (!w.one) return FillRefusal{"该物性须在单相状态或饱和的一侧查取。"};
        const bool approximate = member == &Properties::mu && w.one->mu_approximate;
        return Value{w.one->*member, unit, head + w.one_described + (approximate ? "（临界区内，μ 为近似值）" : "")};
    };
    switch (p) {
        case Property::Density:
        case Property::LiquidDensity:
            return from_one(&Properties::rho, "kg/m3");
        case Property::Viscosity:
            return from_one(&Properties::mu, "Pa s");
        case Property::Conductivity:
            return from_one(&Properties::lambda, "W/(m K)");
        case Property::SpecificHeat:
            return from_one(&Properties::cp, "kJ/(kg K)");
        case Property::VapourDensity:
            if (!w.line) return FillRefusal{"饱和蒸汽的密度只在饱和状态下有值：请选择饱和模式。"};
            return Value{w.line->vapour.rho, "kg/m3", head + "饱和蒸汽，" + at_t};
        case Property::LatentHeat:
            if (!w.line) return FillRefusal{"汽化热只在饱和状态下有值：请选择饱和模式。"};
            return Value{w.line->r, "kJ/kg", head + "汽化热，" + at_t};
        case Property::VapourPressure: {
            if (!w.line && !(w.t_c <= kCriticalCelsius))
                return FillRefusal{"温度高于临界温度 373.946 ℃，没有饱和蒸汽压。"};
            const double ps = w.line ? w.line->p_kpa : saturation_pressure_pa(w.t_c + 273.15) / 1000.0;
            return Value{ps, "kPa", head + "饱和蒸汽压，" + at_t};
        }
        case Property::CriticalPressure:  // taken at a page's own inlet state alone (fill_at_inlet)
        case Property::MolarMass:
        case Property::HeatRatio:
        case Property::Compressibility:
        case Property::None:
            break;
    }
    return FillRefusal{"该输入不是物性。"};
}

// The property that has no value near the critical point, as a refusal names it.
const char* missing(Property p) {
    switch (p) {
        case Property::Viscosity:
            return "饱和蒸汽的动力粘度 μ";
        case Property::Conductivity:
            return "饱和蒸汽的导热系数 λ";
        case Property::SpecificHeat:
            return "饱和蒸汽的定压比热容 cp";
        case Property::LatentHeat:
            return "汽化热 r";
        default:
            return "饱和蒸汽的密度 ρ";  // of the vapour over the liquid, or of the vapour side
    }
}

// The caption of a page's field in quotes, as a message names it.
std::string quoted(const frame::Field& f) {
    return "“" + frame::sheet_caption(f) + "”";
}

// A page's temperature as a number, or the refusal naming it.
std::variant<double, FillRefusal> page_number(const Calculation& c, const char* name,
                                              const std::function<std::string(std::string_view)>& text_of) {
    const frame::Field* f = c.field(name);
    const std::optional<double> v = frame::parse_number(text_of(name));
    if (!v) return FillRefusal{quoted(*f) + "不是有效的数值，未填入物性。", f->name};
    return *v;
}

// Where the inputs of `o` are taken on the page: saturation at its temperature, and the film below it.
struct OwnState {
    Saturation line;
    std::optional<Properties> film;
    double tm = 0;
};
std::variant<OwnState, FillRefusal> own_state(const Calculation& c, const Own& o,
                                              const std::function<std::string(std::string_view)>& text_of) {
    const frame::Field* hot = c.field(o.temperature);
    const auto ts = page_number(c, o.temperature, text_of);
    if (const auto* r = std::get_if<FillRefusal>(&ts)) return *r;
    std::optional<double> tw;
    if (o.wall) {
        const auto wall = page_number(c, o.wall, text_of);
        if (const auto* r = std::get_if<FillRefusal>(&wall)) return *r;
        tw = std::get<double>(wall);
    }
    const double t = std::get<double>(ts);
    const Answer<Saturation> line = saturation_at_temperature(t);
    if (const auto* r = std::get_if<Refusal>(&line))
        return FillRefusal{quoted(*hot) + "：" + r->message + "未填入物性。", hot->name};
    OwnState out{std::get<Saturation>(line), std::nullopt, 0.0};
    if (!tw) return out;
    const frame::Field* wall = c.field(o.wall);
    if (!(*tw < t))
        return FillRefusal{quoted(*wall) + "须低于" + quoted(*hot) + "（冷凝液物性取膜温 (ts + tw)/2），未填入物性。",
                           wall->name};
    out.tm = (t + *tw) / 2.0;
    const Answer<Properties> film = at(out.tm, out.line.p_kpa);
    if (const auto* r = std::get_if<Refusal>(&film))
        return FillRefusal{
            quoted(*wall) + "：膜温 (ts + tw)/2 = " + six_digits(out.tm) + " ℃，" + r->message + "未填入物性。",
            wall->name};
    out.film = std::get<Properties>(film);
    return out;
}

// `v` (in `from`) in the unit `to`, six significant digits.
std::variant<std::string, FillRefusal> converted(double v, const char* from, const char* to) {
    std::string error;
    const units::Database* db = units::Database::get(&error);
    if (!db) return FillRefusal{"单位库不可用：" + error};
    const std::optional<units::Unit> a = db->parse(from), b = db->parse(to);
    const std::optional<units::Converter> convert = a && b ? units::converter(*a, *b) : std::nullopt;
    if (!convert) return FillRefusal{std::string("无法把 ") + from + " 换算为 " + to + "。"};
    return frame::in_note((*convert)(v), 6);
}

// 调节阀计算 fills at its own inlet state (t1, p1), whatever the dialog shows, the inputs of the medium chosen: a
// liquid its ρ, μ, pv at t1 and pc; steam (superheated vapour) M, γ = cp/cv, Z = p·v/(R·T) with R = Ru/M, and μ.
struct Inlet {
    const char* field;
    const char* medium;  // the option under which it is filled; nullptr: under either
};
consteval Inlet inlet(const char* field, const char* medium) {
    return {frame::input_named(control_valve_fields::kFields, field), medium};
}
constexpr const char* kValve = "controlValve";
constexpr const char* kInletTemperature = frame::input_named(control_valve_fields::kFields, "cvTemperature");
constexpr const char* kInletPressure = frame::input_named(control_valve_fields::kFields, "cvInletPressure");
constexpr Inlet kInlet[] = {
    inlet("cvDensity", "cvLiquid"),      inlet("cvVapourPressure", "cvLiquid"), inlet("cvCriticalPressure", "cvLiquid"),
    inlet("cvViscosity", nullptr),       inlet("cvMolarMass", "cvGas"),         inlet("cvHeatRatio", "cvGas"),
    inlet("cvCompressibility", "cvGas"),
};
// Water's molar mass (kg/kmol) and the molar gas constant (kJ/(kmol·K)), for M and Z.
constexpr double kWaterMolarMass = 18.015;
constexpr double kMolarGasConstant = 8.314462618;

FillAnswer fill_at_inlet(const Calculation& c, const std::function<std::string(std::string_view)>& text_of) {
    const bool liquid = text_of("cvLiquid") == "1";
    const auto t = page_number(c, kInletTemperature, text_of);
    if (const auto* r = std::get_if<FillRefusal>(&t)) return *r;
    const auto p = page_number(c, kInletPressure, text_of);
    if (const auto* r = std::get_if<FillRefusal>(&p)) return *r;
    const double t_c = std::get<double>(t), p_kpa = std::get<double>(p);
    const frame::Field& hot = *c.field(kInletTemperature);
    const Answer<Properties> state = at(t_c, p_kpa);
    if (const auto* r = std::get_if<Refusal>(&state))
        return FillRefusal{quoted(hot) + "与" + quoted(*c.field(kInletPressure)) + "：" + r->message + "未填入物性。",
                           hot.name};
    const double T = t_c + 273.15;
    const bool below_critical = T < if97::kTc;
    const double ps = below_critical ? saturation_pressure_pa(T) / 1000.0 : 0.0;
    const std::string at_state = "t = " + six_digits(t_c) + " ℃，p = " + six_digits(p_kpa) + " kPa";
    if (liquid && !(below_critical && p_kpa > ps))
        return FillRefusal{quoted(hot) + "：" + at_state + " 时水不是液体，未填入物性。", hot.name};
    if (!liquid && !(below_critical ? p_kpa < ps : p_kpa < if97::kPc * 1000.0))
        return FillRefusal{quoted(hot) + "：" + at_state + " 时水不是过热蒸汽，未填入物性。", hot.name};
    const Properties& s = std::get<Properties>(state);
    const std::string where = "阀前 " + at_state;
    Fill out;
    for (const frame::Field& f : c.fields()) {
        const auto entry = std::find_if(std::begin(kInlet), std::end(kInlet),
                                        [&](const Inlet& i) { return std::string_view(i.field) == f.name; });
        if (entry == std::end(kInlet) || (entry->medium && text_of(entry->medium) != "1")) continue;
        Value v{0, "", "物性：水，IAPWS-IF97，" + where};
        switch (f.about.property) {
            case Property::Density:
                v = {s.rho, "kg/m3", v.source};
                break;
            case Property::Viscosity:
                v = {s.mu, "Pa s", std::string("物性：水，") + method(Property::Viscosity) + "，" + where};
                break;
            case Property::VapourPressure:
                v = {ps, "kPa", "物性：水，IAPWS-IF97，饱和蒸汽压，t = " + six_digits(t_c) + " ℃"};
                break;
            case Property::CriticalPressure:
                v = {if97::kPc * 1000.0, "kPa", "物性：水，IAPWS-IF97，临界压力"};
                break;
            case Property::MolarMass:
                v = {kWaterMolarMass, "kg/kmol", "物性：水的摩尔质量"};
                break;
            case Property::HeatRatio:
                v = {s.cp / s.cv, "", "物性：水，IAPWS-IF97，γ = cp/cv，" + where};
                break;
            case Property::Compressibility:
                v = {p_kpa * s.v / (kMolarGasConstant / kWaterMolarMass * T), "",
                     "物性：水，IAPWS-IF97，Z = p·v/(R·T)，R = 8.314462618/18.015 kJ/(kg·K)，" + where};
                break;
            default:
                continue;
        }
        if (!std::isfinite(v.si)) return FillRefusal{"临界点上 cp、λ 为无穷大，无法填入。"};
        std::string text = frame::in_note(v.si, 6);
        if (*v.unit) {
            const auto converted_text = converted(v.si, v.unit, f.about.unit);
            if (const auto* r = std::get_if<FillRefusal>(&converted_text)) return *r;
            text = std::get<std::string>(converted_text);
        }
        out.fields.push_back({f.name, text, v.source, {kInletTemperature, kInletPressure}});
    }
    out.note = "物性按阀前状态（阀前温度、阀前压力）查取。";
    return out;
}

}  // namespace

FillAnswer fill(const Calculation& calculation, const Answer<Found>& state,
                const std::function<std::string(std::string_view field)>& text_of) {
    if (std::string_view(calculation.name()) == kValve) return fill_at_inlet(calculation, text_of);
    Fill out;
    bool film = false, own_saturation = false;
    for (const frame::Field& f : calculation.fields()) {
        if (f.kind != frame::Kind::Input || f.about.property == Property::None) continue;
        std::optional<OwnState> page;
        Where where{};
        std::vector<const char*> at;
        if (const Own* o = own(calculation, f)) {
            at.push_back(o->temperature);
            if (o->wall) at.push_back(o->wall);
            auto s = own_state(calculation, *o, text_of);
            if (const auto* r = std::get_if<FillRefusal>(&s)) return *r;
            page = std::move(std::get<OwnState>(s));
            (page->film ? film : own_saturation) = true;
            if (page->film)
                where = {nullptr, &*page->film,
                         "冷凝液，膜温 (ts + tw)/2 = " + six_digits(page->tm) +
                             " ℃，p = ps(ts) = " + six_digits(page->line.p_kpa) + " kPa",
                         page->tm};
            else
                where = {&page->line, nullptr, "", page->line.t_c};
        } else {
            if (const auto* r = std::get_if<Refusal>(&state)) return FillRefusal{r->message};
            const Found& found = std::get<Found>(state);
            if (found.typed.mode == Mode::Wet) return FillRefusal{"湿蒸汽是两相混合物，其物性不填入页面。"};
            where = {found.line(), found.one(), found.described(), found.t_c};
        }
        const auto value = value_of(f.about.property, where);
        if (const auto* r = std::get_if<FillRefusal>(&value)) return *r;
        const Value& v = std::get<Value>(value);
        if (std::isnan(v.si))
            return FillRefusal{
                std::string("临界温度以下 3.47×10⁻⁵ K 内饱和蒸汽无值：") + missing(f.about.property) + " 无法填入。",
                at.empty() ? nullptr : at.front()};
        if (!std::isfinite(v.si)) return FillRefusal{"临界点上 cp、λ 为无穷大，无法填入。"};
        const auto text = converted(v.si, v.unit, f.about.unit);
        if (const auto* r = std::get_if<FillRefusal>(&text)) return *r;
        out.fields.push_back({f.name, std::get<std::string>(text), v.source, std::move(at)});
    }
    if (out.fields.empty()) return FillRefusal{kNothingToFill};
    if (film)
        out.note =
            "冷凝液的 ρ、μ、λ、cp 按膜温 (ts + tw)/2 与压力 ps(ts) 查取（教材的通常做法），ρv 与 r 按 ts 的饱和状态。";
    else if (own_saturation)
        out.note = "汽化热按页面上各自的饱和温度查取。";
    return out;
}

}  // namespace vxr::calc::water
