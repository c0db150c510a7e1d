// What the water/steam dialog computes, without Qt: the texts typed read into a state, and the table of properties
// it shows, as texts, with a note on how they were reached.
//
// Four modes: saturation by temperature (the saturation pressure and both saturated phases), saturation by
// pressure (the saturation temperature and both phases), temperature and pressure (one single-phase state), and
// wet steam of a dryness x, given by its temperature when the temperature's text is not blank, else by its
// pressure. Texts are read by the program's numeric-text rule; t in ℃, p absolute in kPa or MPa, x from 0 to 1.
//
// The table has a row per quantity (t, p, ρ, v, h, s, cp, cv, w, μ, λ, Pr, r, σ), each with its unit (μ in mPa·s,
// σ in mN/m), and a column per phase: one for a single-phase state, 饱和液体 and 饱和蒸汽 on saturation, and for wet
// steam the mixture (ρ, v, h, s only) before the two. Values have six significant digits; "—" stands where a
// value is infinite (cp, λ and Pr at the critical point) or does not apply (r and σ off saturation, the mixture's
// cp …). A row true of the whole state (t, p, r, σ on saturation) has one value for all its columns. μ within the
// critical region, where IAPWS 2008 without its critical enhancement is more than 2 % off, is written "≈0.0432" and
// the note says why.
#pragma once

#include <string>
#include <variant>
#include <vector>

#include "calc/properties/water_steam.h"

namespace vxr::calc::water {

enum class Mode { SaturationByTemperature, SaturationByPressure, TemperatureAndPressure, Wet };
enum class PressureUnit { kPa, MPa };
enum class Side { Liquid, Vapour };

// The dialog's texts and choices.
struct Typed {
    Mode mode = Mode::SaturationByTemperature;
    std::string temperature;  // ℃
    std::string pressure;     // absolute, in `unit`
    PressureUnit unit = PressureUnit::kPa;
    std::string dryness;
    Side side = Side::Liquid;  // on saturation, the phase that fills a page of one fluid
};

// The state found from them.
struct Found {
    Typed typed;
    std::variant<Properties, Saturation, WetSteam> state;
    double t_c = 0, p_kpa = 0;  // the state's temperature and pressure

    const Saturation* line() const;  // the saturation line, on saturation and for wet steam
    // The single-phase state or, on saturation, the side chosen; nullptr for wet steam.
    const Properties* one() const;
    // How the state was given, for a value's source: "饱和液体，t = 105 ℃", "t = 20 ℃，p = 101.325 kPa".
    std::string described() const;
};

Answer<Found> find(const Typed& typed);

struct Table {
    struct Row {
        std::string quantity;            // "密度 ρ"
        std::string unit;                // "kg/m³"; "" for Pr
        std::vector<std::string> cells;  // one per column, or one alone for the whole state
    };
    std::vector<std::string> columns;
    std::vector<Row> rows;
    std::string note;  // the IF97 region, the approximate μ, the infinite values at the critical point
};

// The quantities of the table's rows, in order: every state shows each of them (a value it has not, "—").
inline constexpr const char* kTableQuantities[] = {
    "温度 t",        "压力 p", "密度 ρ",     "比体积 v",   "比焓 h",      "比熵 s",   "定压比热容 cp",
    "定容比热容 cv", "声速 w", "动力粘度 μ", "导热系数 λ", "普朗特数 Pr", "汽化热 r", "表面张力 σ",
};

Table table(const Found& found);

// Six significant digits as plain number text ("958.349", "-0.0415798", "1.2E-05"); "—" for a value not finite.
std::string six_digits(double value);

// The pressure unit's name: "kPa" or "MPa".
const char* unit_name(PressureUnit unit);

}  // namespace vxr::calc::water
