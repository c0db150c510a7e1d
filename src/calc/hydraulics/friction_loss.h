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
#include <optional>
#include <string>

namespace vxr::calc {

// Fittings in the order they are counted: 45° elbow, 90° elbow, 180° return bend, globe valve, gate valve, check
// valve, ball valve, flow meter.
constexpr std::size_t kFittingKinds = 8;

// Equivalent length of one fitting of each kind, in inside diameters.
inline constexpr std::array<int, kFittingKinds> kFittingDiameters = {15, 40, 60, 340, 30, 100, 30, 400};

struct PipeRunInput {
    std::string inside_diameter;                      // d, mm
    std::string velocity;                             // u, m/s
    std::string density;                              // ρ, kg/m³
    std::string viscosity;                            // μ, Pa·s
    std::string roughness;                            // ε, mm; read only in fully rough flow
    std::string length;                               // L, straight length in m
    std::array<std::string, kFittingKinds> fittings;  // counts; fractions and negatives are taken as they stand
};

struct FrictionLoss {
    std::string per_mass;  // hf, J/kg, result mask
    std::string head;      // h, m of the flowing fluid, result mask
};

// The loss of the run, or nothing when the data do not allow it (zero velocity or viscosity, a smooth or negative
// roughness in fully rough flow, a text that is not a number).
std::optional<FrictionLoss> friction_loss(const PipeRunInput& run);

}  // namespace vxr::calc
