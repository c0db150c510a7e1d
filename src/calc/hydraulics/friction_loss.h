// Friction loss of a pipe run with its fittings, by the equivalent-length method and the Darcy–Weisbach equation.
//
//   Re = D·u·ρ / μ                          D = d / 1000, inside diameter in m
//   Le = L + D · Σ nᵢ·kᵢ                     kᵢ: equivalent length of one fitting in inside diameters
//   λ  = 64 / Re                            Re < 2000
//   1/√λ = 1.74 − 2·lg(2ε / d)              Re ≥ 2000, fully rough pipe (Nikuradse), ε and d in mm
//   hf = λ · (Le / D) · u² / 2              J/kg;   h = hf / g,  g = 9.807 m/s²
//
// There is no smooth-pipe or transition law: from Re = 2000 up the factor depends on the roughness alone.
#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "frame/outcome.h"

namespace vxr::calc {

// Fittings in the order they are counted: 45° elbow, 90° elbow, 180° return bend, globe valve, gate valve, check
// valve, ball valve, flow meter.
constexpr std::size_t kFittingKinds = 8;

struct PipeRunInput {
    std::string inside_diameter;  // d, mm
    std::string velocity;         // u, m/s
    std::string density;          // ρ, kg/m³
    std::string viscosity;        // μ, Pa·s
    std::string roughness;        // ε, mm; read only in fully rough flow
    std::string length;           // L, straight length in m
    // Fitting counts; fractions and negatives are taken as they stand.
    std::string elbows_45;
    std::string elbows_90;
    std::string return_bends;
    std::string globe_valves;
    std::string gate_valves;
    std::string check_valves;
    std::string ball_valves;
    std::string flow_meters;
};

// Each kind of fitting with the equivalent length of one, in inside diameters, in the order they are counted.
struct FittingKind {
    std::string PipeRunInput::*count;
    int diameters;
};
inline constexpr std::array<FittingKind, kFittingKinds> kFittings = {{
    {&PipeRunInput::elbows_45, 15},
    {&PipeRunInput::elbows_90, 40},
    {&PipeRunInput::return_bends, 60},
    {&PipeRunInput::globe_valves, 340},
    {&PipeRunInput::gate_valves, 30},
    {&PipeRunInput::check_valves, 100},
    {&PipeRunInput::ball_valves, 30},
    {&PipeRunInput::flow_meters, 400},
}};

// The loss of the run, or nothing when the data do not allow it (zero velocity or viscosity, a smooth or negative
// roughness in fully rough flow, a text that is not a number).
// Where the flow is turbulent but below the fully rough zone (roughness Reynolds number Re·(ε/d)·√(λ/8) < 70,
// Nikuradse's bound), the notes warn that the fully rough λ underestimates the loss.
// Results: hf in J/kg, then h in m of the flowing fluid, both through the result mask.
frame::Outcome<PipeRunInput> friction_loss(const PipeRunInput& run);

}  // namespace vxr::calc
