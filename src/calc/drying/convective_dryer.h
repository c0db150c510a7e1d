// A convective dryer with a preheater, taken as an ideal dryer: no heat is added in the dryer, none lost, and the
// material takes none away, so the air leaves with the enthalpy it had after the preheater (化工原理, 干燥: 物料衡算与
// 热量衡算, 理想干燥过程).
//
//   dry solid          Gc = G1·(1 − w1);  X1 = w1/(1 − w1),  X2 = w2/(1 − w2)     (wet-basis w, dry-basis X)
//   water evaporated   W = Gc·(X1 − X2);  product G1 − W                          kg/h
//   fresh air          p0 = φ0/100·ps(t0);  H0 = 0.622·p0/(P − p0)                 kg water/kg dry air
//   exhaust            (1.01 + 1.88·H0)·t1 + 2490·H0 = (1.01 + 1.88·H2)·t2 + 2490·H2  (humid enthalpy, kJ/kg dry air)
//                      φ2 = 100·[H2·P/(0.622 + H2)] / ps(t2)                       %
//   air                L = W/(H2 − H0) kg dry air/h;  fresh air L·(1 + H0) kg/h
//   preheater          Qp = L·(1.01 + 1.88·H0)·(t1 − t0)/3600                      kW
//   thermal efficiency η = 100·W·(2490 + 1.88·t2)/(3600·Qp)                        %
//
// ps is the saturation pressure of water (calc/drying/water_saturation.h: IAPWS-IF97 over water, IAPWS 2011 over
// ice), so t0 and t2 must lie within −60 … 373.946 ℃. For the ideal dryer the enthalpy balance makes
// η = (t1 − t2)/(t1 − t0) exactly. Pressures in kPa, temperatures in ℃, flows in kg/h.
//
// Worked example: 1000 kg/h wet feed from 0.40 to 0.05, air at 101.325 kPa, 20 ℃ and 60 %, preheated to 120 ℃,
// leaving at 60 ℃: W 368.421 kg/h, product 631.579 kg/h, H0 0.00874, H2 0.03240, φ2 25.15 %, L 15570.648 kg dry
// air/h, fresh air 15706.686 kg/h, Qp 443.947 kW, η 60.00 %.
#pragma once

#include <string>

#include "frame/checked.h"
#include "frame/outcome.h"

namespace vxr::calc {

// The field texts of one case, in the page's reading order.
struct DryerInput {
    std::string wet_feed;          // G1, kg/h
    std::string initial_moisture;  // w1, wet basis, mass fraction
    std::string final_moisture;    // w2, wet basis, mass fraction
    std::string pressure;          // P, kPa
    std::string air_temp;          // t0, ℃
    std::string air_humidity;      // φ0, %
    std::string preheat_temp;      // t1, ℃
    std::string exhaust_temp;      // t2, ℃
};

// The humidity of air, kg water/kg dry air, from its water-vapour pressure p and total pressure P (same unit).
frame::Num air_humidity(frame::Num vapour_pressure, frame::Num total_pressure);

// W, product, H0, H2, φ2, L, fresh air, Qp and η, each through its mask with its notes; or why not.
frame::Outcome<DryerInput> convective_dryer(const DryerInput& in);

}  // namespace vxr::calc
