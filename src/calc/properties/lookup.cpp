#include "calc/properties/lookup.h"

#include <cmath>
#include <optional>
#include <type_traits>

#include "calc/properties/if97.h"
#include "frame/number_text.h"
#include "frame/numeric_text.h"

namespace vxr::calc::water {
namespace {

constexpr const char* kNone = "—";
constexpr double kCriticalCelsius = if97::kTc - 273.15;

// A text read as a number: nothing typed, no number, or the number.
struct Read {
    bool blank;
    std::optional<double> value;
};
Read read(const std::string& text) {
    const bool blank = text.find_first_not_of(" \t\r\n") == std::string::npos;
    return {blank, blank ? std::nullopt : frame::parse_number(text)};
}

// The number in `text`, or the refusal naming the quantity.
Answer<double> number(const std::string& text, const char* quantity) {
    const Read r = read(text);
    if (r.blank) return Refusal{std::string("请输入") + quantity + "。"};
    if (!r.value) return Refusal{std::string(quantity) + "不是有效的数值。"};
    return *r.value;
}

double kpa(double p, PressureUnit unit) {
    return unit == PressureUnit::MPa ? p * 1000.0 : p;
}

// What a single-phase state at (t, p) is called.
const char* phase_of(double t_c, double p_kpa) {
    if (t_c >= kCriticalCelsius) return p_kpa >= if97::kPc * 1000.0 ? "超临界流体" : "过热蒸汽";
    return p_kpa > saturation_pressure_pa(t_c + 273.15) / 1000.0 ? "压缩液体" : "过热蒸汽";
}

// The state found, or the refusal; a single-phase state's temperature and pressure are those typed.
template <class T>
Answer<Found> with(const Typed& typed, const Answer<T>& answer, double t_c = 0, double p_kpa = 0) {
    if (const auto* refusal = std::get_if<Refusal>(&answer)) return *refusal;
    Found found{typed, std::get<T>(answer), t_c, p_kpa};
    if constexpr (!std::is_same_v<T, Properties>) {
        found.t_c = std::get<T>(answer).t_c;
        found.p_kpa = std::get<T>(answer).p_kpa;
    }
    return found;
}

std::string mu_text(const Properties& p) {
    return (p.mu_approximate ? "≈" : "") + six_digits(p.mu * 1000.0);
}

}  // namespace

std::string six_digits(double value) {
    if (!std::isfinite(value)) return kNone;
    const std::string digits = frame::in_note(std::abs(value), 6);
    return value < 0 && digits != "0" ? "-" + digits : digits;
}

const char* unit_name(PressureUnit unit) {
    return unit == PressureUnit::MPa ? "MPa" : "kPa";
}

const Saturation* Found::line() const {
    if (const auto* s = std::get_if<Saturation>(&state)) return s;
    if (const auto* w = std::get_if<WetSteam>(&state)) return &w->line;
    return nullptr;
}

const Properties* Found::one() const {
    if (const auto* p = std::get_if<Properties>(&state)) return p;
    if (const auto* s = std::get_if<Saturation>(&state)) return typed.side == Side::Liquid ? &s->liquid : &s->vapour;
    return nullptr;
}

std::string Found::described() const {
    const std::string t = "t = " + six_digits(t_c) + " ℃";
    const std::string p =
        "p = " + six_digits(typed.unit == PressureUnit::MPa ? p_kpa / 1000.0 : p_kpa) + " " + unit_name(typed.unit);
    const std::string side = typed.side == Side::Liquid ? "饱和液体，" : "饱和蒸汽，";
    switch (typed.mode) {
        case Mode::SaturationByTemperature:
            return side + t;
        case Mode::SaturationByPressure:
            return side + p;
        case Mode::TemperatureAndPressure:
            return t + "，" + p;
        case Mode::Wet:
            break;
    }
    return "湿蒸汽，x = " + six_digits(std::get<WetSteam>(state).x) + "，" + t + "，" + p;
}

Answer<Found> find(const Typed& typed) {
    const auto t = [&] { return number(typed.temperature, "温度"); };
    const auto p = [&]() -> Answer<double> {
        const Answer<double> value = number(typed.pressure, "压力");
        if (const auto* v = std::get_if<double>(&value)) return kpa(*v, typed.unit);
        return value;
    };
    const auto refused = [](const Answer<double>& a) { return std::get_if<Refusal>(&a); };
    switch (typed.mode) {
        case Mode::SaturationByTemperature: {
            const Answer<double> tv = t();
            if (const auto* r = refused(tv)) return *r;
            return with(typed, saturation_at_temperature(std::get<double>(tv)));
        }
        case Mode::SaturationByPressure: {
            const Answer<double> pv = p();
            if (const auto* r = refused(pv)) return *r;
            return with(typed, saturation_at_pressure(std::get<double>(pv)));
        }
        case Mode::TemperatureAndPressure: {
            const Answer<double> tv = t(), pv = p();
            if (const auto* r = refused(tv)) return *r;
            if (const auto* r = refused(pv)) return *r;
            const double t_c = std::get<double>(tv), p_kpa = std::get<double>(pv);
            return with(typed, at(t_c, p_kpa), t_c, p_kpa);
        }
        case Mode::Wet:
            break;
    }
    const bool by_temperature = !read(typed.temperature).blank;
    if (!by_temperature && read(typed.pressure).blank) return Refusal{"湿蒸汽：请输入温度或压力。"};
    const Answer<double> given = by_temperature ? t() : p();
    if (const auto* r = refused(given)) return *r;
    const Answer<double> x = number(typed.dryness, "干度");
    if (const auto* r = refused(x)) return *r;
    const double v = std::get<double>(given), dryness = std::get<double>(x);
    return with(typed, by_temperature ? wet_at_temperature(v, dryness) : wet_at_pressure(v, dryness));
}

Table table(const Found& found) {
    Table out;
    const Saturation* line = found.line();
    const auto* wet = std::get_if<WetSteam>(&found.state);
    const double p_shown = found.typed.unit == PressureUnit::MPa ? found.p_kpa / 1000.0 : found.p_kpa;
    std::vector<const Properties*> phases;
    if (line) {
        if (wet) out.columns.push_back("湿蒸汽");
        out.columns.insert(out.columns.end(), {"饱和液体", "饱和蒸汽"});
        phases = {&line->liquid, &line->vapour};
    } else {
        const bool critical = std::get<Properties>(found.state).rho == if97::kRhoc && std::isinf(found.one()->cp);
        out.columns.push_back(critical ? "临界点" : phase_of(found.t_c, found.p_kpa));
        phases = {found.one()};
    }
    // A row of a property of each phase; the mixture's value first for wet steam ("—" where it has none).
    const auto each = [&](const char* quantity, const char* unit, auto value, std::optional<double> mixture = {}) {
        Table::Row row{quantity, unit, {}};
        if (wet) row.cells.push_back(mixture ? six_digits(*mixture) : kNone);
        for (const Properties* p : phases) row.cells.push_back(value(*p));
        out.rows.push_back(std::move(row));
    };
    const auto whole = [&](const char* quantity, const char* unit, const std::string& cell) {
        out.rows.push_back({quantity, unit, {cell}});
    };
    const auto of = [](double Properties::*member, double scale = 1.0) {
        return [member, scale](const Properties& p) { return six_digits(p.*member * scale); };
    };
    whole("温度 t", "℃", six_digits(found.t_c));
    whole("压力 p", unit_name(found.typed.unit), six_digits(p_shown));
    each("密度 ρ", "kg/m³", of(&Properties::rho), wet ? std::optional(wet->rho) : std::nullopt);
    each("比体积 v", "m³/kg", of(&Properties::v), wet ? std::optional(wet->v) : std::nullopt);
    each("比焓 h", "kJ/kg", of(&Properties::h), wet ? std::optional(wet->h) : std::nullopt);
    each("比熵 s", "kJ/(kg·K)", of(&Properties::s), wet ? std::optional(wet->s) : std::nullopt);
    each("定压比热容 cp", "kJ/(kg·K)", of(&Properties::cp));
    each("定容比热容 cv", "kJ/(kg·K)", of(&Properties::cv));
    each("声速 w", "m/s", of(&Properties::w));
    each("动力粘度 μ", "mPa·s", mu_text);
    each("导热系数 λ", "W/(m·K)", of(&Properties::lambda));
    each("普朗特数 Pr", "", of(&Properties::pr));
    whole("汽化热 r", "kJ/kg", line ? six_digits(line->r) : kNone);
    whole("表面张力 σ", "mN/m", line ? six_digits(line->sigma * 1000.0) : kNone);

    // The note: where the state lies, and what is approximate or infinite.
    if (wet)
        out.note = std::string("湿蒸汽，按") + (read(found.typed.temperature).blank ? "压力" : "温度") +
                   "求饱和状态；混合物的 ρ、v、h、s 按干度加权（v = v′ + x·(v″ − v′)）。";
    else if (line)
        out.note = found.t_c >= kCriticalCelsius ? "临界点：液相与汽相相同。"
                   : line->liquid.region == 3    ? "饱和线（IF97 第 4 区）；两相按第 3 区。"
                                              : "饱和线（IF97 第 4 区）；液相按第 1 区，汽相按第 2 区。";
    else
        out.note = "IF97 第 " + std::to_string(found.one()->region) + " 区，" + out.columns[0] + "。";
    bool approximate = false, infinite = false;
    for (const Properties* p : phases) {
        approximate = approximate || p->mu_approximate;
        infinite = infinite || std::isinf(p->cp);
    }
    if (infinite) out.note += "临界点上 cp、λ、Pr 为无穷大（—）。";
    if (line && std::isnan(line->vapour.rho))
        out.note += "临界温度以下 3.47×10⁻⁵ K 内 IF97 的饱和压力高于汽相方程能达到的压力：饱和蒸汽与汽化热无值（—）。";
    if (approximate) out.note += "≈：临界区内的 μ 未计临界增强，为近似值。";
    return out;
}

}  // namespace vxr::calc::water
