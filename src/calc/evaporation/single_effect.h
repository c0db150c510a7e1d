// A single-effect evaporator: material and heat balances, heating steam and heating area (化工原理, 蒸发: 单效蒸发
// 的计算).
//
//   water evaporated   W = F·(1 − x0/x1)                                          kg/h
//   product            F − W                                                      kg/h
//   boiling point      t1 = T1 + Δ  (secondary vapour temperature plus the boiling-point rise and other losses)
//   heat duty          Q = [F·cp0·(t1 − t0) + W·r1]·(1 + p/100) / 3600           kW
//   heating steam      D = 3600·Q / r                                             kg/h
//   temperature drop   Δt = T − t1;   heating area  A = 1000·Q / (K·Δt)           m²
//
// The heat balance neglects the heat of dilution (it holds for solutions such as most salts and sugars, not for
// e.g. NaOH or H₂SO₄ at high concentration) and takes the condensate leaving at the steam temperature; p is the
// heat loss as a share of the useful heat. Mass fractions are of the solute; F in kg/h, cp0 in kJ/(kg·℃), r1 and
// r in kJ/kg, K in W/(m²·℃).
//
// Worked example: F 10000 kg/h from 0.10 to 0.30, feed at 20 ℃ with cp0 3.77 kJ/(kg·℃), secondary vapour 60.1 ℃
// (r1 2355 kJ/kg), Δ 8 ℃, steam 133.3 ℃ (r 2168 kJ/kg), K 1500 W/(m²·℃), 5 % heat loss: W 6666.667 kg/h,
// product 3333.333 kg/h, t1 68.100 ℃, Q 5108.066 kW, D 8482.029 kg/h, D/W 1.272, Δt 65.200 ℃, A 52.230 m².
#pragma once

#include <string>

#include "frame/outcome.h"

namespace vxr::calc {

// The field texts of one case, in the page's reading order.
struct EvaporationInput {
    std::string feed;               // F, kg/h
    std::string feed_conc;          // x0, mass fraction
    std::string product_conc;       // x1, mass fraction
    std::string feed_temp;          // t0, ℃
    std::string feed_cp;            // cp0, kJ/(kg·℃)
    std::string vapour_temp;        // T1, ℃
    std::string vapour_latent;      // r1, kJ/kg
    std::string temp_loss;          // Δ, ℃
    std::string steam_temp;         // T, ℃
    std::string steam_latent;       // r, kJ/kg
    std::string heat_transfer;      // K, W/(m²·℃)
    std::string heat_loss_percent;  // p, % of the useful heat
};

// W, product, t1, Q, D, D/W, Δt and A, each through its mask with its notes; or why not.
frame::Outcome<EvaporationInput> single_effect_evaporator(const EvaporationInput& in);

}  // namespace vxr::calc
