#include "calc/drying/convective_dryer.h"

#include "calc/drying/water_saturation.h"
#include "frame/number_text.h"

namespace vxr::calc {

using frame::in_note;
using frame::kAsTyped;
using frame::Num;
using frame::plain;
using In = DryerInput;

namespace {

// Above this relative humidity the exhaust may condense on a cooler wall of the collector or the duct.
constexpr double kCondensationRisk = 80.0;

// "ps(20 ℃) = 2.33921 kPa（…）": the saturation pressure with the equation it came from; the temperature, an
// argument, as typed and without brackets ("ps(-10 ℃)").
std::string saturation_note(Num t, Num ps) {
    const char* source = over_ice(t.get()) ? "（冰面升华压力，IAPWS 2011）" : "（水的饱和蒸汽压，IAPWS-IF97）";
    return "ps(" + plain(t.get()) + " ℃) = " + in_note(ps) + " kPa" + source;
}

}  // namespace

Num air_humidity(Num vapour_pressure, Num total_pressure) {
    return 0.622 * vapour_pressure / (total_pressure - vapour_pressure);
}

frame::Outcome<In> convective_dryer(const In& in) {
    return frame::run<In>([&] {
        const frame::Fields<In> f(in);
        const Num G1 = f(&In::wet_feed);
        const Num w1 = f(&In::initial_moisture);
        const Num w2 = f(&In::final_moisture);
        const Num P = f(&In::pressure);
        const Num t0 = f(&In::air_temp);
        const Num phi0 = f(&In::air_humidity);
        const Num t1 = f(&In::preheat_temp);
        const Num t2 = f(&In::exhaust_temp);

        if (G1 <= 0) frame::refuse<In>("湿物料处理量必须大于零。", &In::wet_feed);
        constexpr const char* kMoisture = "含水量须满足 0 ≤ 产品含水量 < 初始含水量 < 1。";
        if (w1 >= 1 || w2 >= w1) frame::refuse<In>(kMoisture, &In::initial_moisture);
        if (w2 < 0) frame::refuse<In>(kMoisture, &In::final_moisture);
        if (phi0 <= 0 || phi0 > 100) frame::refuse<In>("相对湿度须在 0 到 100 之间。", &In::air_humidity);
        for (const auto& [t, field] : {std::pair{t0, &In::air_temp}, std::pair{t2, &In::exhaust_temp}})
            if (t < kSaturationLowest || t > kSaturationHighest)
                frame::refuse<In>("温度超出水蒸气饱和压力公式的范围（−60～373.946 ℃）。", field);
        if (t1 <= t0 || t1 <= t2)
            frame::refuse<In>("预热后空气温度必须高于新鲜空气温度和废气温度。", &In::preheat_temp);
        const Num ps0 = saturation_pressure(t0.get());
        const Num p0 = phi0 / 100 * ps0;
        if (p0 >= P) frame::refuse<In>("总压过低。", &In::pressure);
        const Num H0 = air_humidity(p0, P);
        const Num I1 = (1.01 + 1.88 * H0) * t1 + 2490 * H0;
        const Num H2 = (I1 - 1.01 * t2) / (1.88 * t2 + 2490);
        const Num ps2 = saturation_pressure(t2.get());
        const Num p2 = H2 * P / (0.622 + H2);
        const Num phi2 = 100 * p2 / ps2;
        if (phi2 > 100) frame::refuse<In>("废气已饱和（相对湿度超过100%），请提高废气温度。", &In::exhaust_temp);

        const Num Gc = G1 * (1 - w1);
        const Num X1 = w1 / (1 - w1);
        const Num X2 = w2 / (1 - w2);
        const Num W = Gc * (X1 - X2);
        const Num product = G1 - W;
        const Num L = W / (H2 - H0);
        const Num fresh = L * (1 + H0);
        const Num cH0 = 1.01 + 1.88 * H0;
        const Num Qp = L * cH0 * (t1 - t0) / 3600;
        const Num eta = 100 * W * (2490 + 1.88 * t2) / (3600 * Qp);

        const auto shown = [](Num v, int decimals) { return frame::masked_or_significant(v.get(), decimals); };
        const std::string Wt = shown(W, 3), productt = shown(product, 3);
        const std::string H0t = shown(H0, 5), H2t = shown(H2, 5), phi2t = shown(phi2, 2);
        const std::string Lt = shown(L, 3), freshT = shown(fresh, 3), Qpt = shown(Qp, 3);
        const std::string etat = shown(eta, 2);

        std::vector<std::string> rh = {
            "φ2 = 100·[H2·P/(0.622 + H2)]/ps(t2) = 100 × " + in_note(p2) + "/" + in_note(ps2) + " = " + phi2t + " %",
            "废气水汽分压 p2 = H2·P/(0.622 + H2) = " + in_note(H2) + " × " + in_note(P, kAsTyped) + "/(0.622 + " +
                in_note(H2) + ") = " + in_note(p2) + " kPa",
            saturation_note(t2, ps2),
        };
        if (phi2 > kCondensationRisk)
            rh.push_back(
                "注意：废气相对湿度超过 80%，废气在旋风分离器、袋滤器或管道中稍有降温即可能结露，"
                "宜提高废气温度。");

        return frame::Explained{{
            {Wt,
             {"W = Gc(X1 − X2) = " + in_note(Gc) + " × (" + in_note(X1) + " − " + in_note(X2) + ") = " + Wt + " kg/h",
              "Gc = G1(1 − w1) = " + in_note(G1, kAsTyped) + " × (1 − " + in_note(w1, kAsTyped) + ") = " + in_note(Gc) +
                  " kg绝干料/h",
              "X1 = w1/(1 − w1) = " + in_note(X1) + "，X2 = w2/(1 − w2) = " + in_note(X2) + " kg水/kg绝干料"}},
            {productt, {"G2 = G1 − W = " + in_note(G1, kAsTyped) + " − " + in_note(W) + " = " + productt + " kg/h"}},
            {H0t,
             {"H0 = 0.622·p0/(P − p0) = 0.622 × " + in_note(p0) + "/(" + in_note(P, kAsTyped) + " − " + in_note(p0) +
                  ") = " + H0t + " kg水/kg干气",
              "p0 = φ0/100·ps(t0) = " + in_note(phi0, kAsTyped) + "/100 × " + in_note(ps0) + " = " + in_note(p0) +
                  " kPa",
              saturation_note(t0, ps0)}},
            {H2t,
             {"H2 = (I1 − 1.01·t2)/(1.88·t2 + 2490) = (" + in_note(I1) + " − 1.01 × " + in_note(t2, kAsTyped) +
                  ")/(1.88 × " + in_note(t2, kAsTyped) + " + 2490) = " + H2t + " kg水/kg干气",
              "理想干燥器：I2 = I1 = (1.01 + 1.88·H0)·t1 + 2490·H0 = " + in_note(I1) + " kJ/kg干气"}},
            {phi2t, rh},
            {Lt,
             {"L = W/(H2 − H0) = " + in_note(W) + "/(" + in_note(H2) + " − " + in_note(H0) + ") = " + Lt +
              " kg干气/h"}},
            {freshT, {"L0 = L(1 + H0) = " + in_note(L) + " × (1 + " + in_note(H0) + ") = " + freshT + " kg/h"}},
            {Qpt,
             {"Qp = L(1.01 + 1.88·H0)(t1 − t0)/3600 = " + in_note(L) + " × " + in_note(cH0) + " × (" +
              in_note(t1, kAsTyped) + " − " + in_note(t0, kAsTyped) + ")/3600 = " + Qpt + " kW"}},
            {etat,
             {"η = 100·W(2490 + 1.88·t2)/(3600·Qp) = 100 × " + in_note(W) + " × (2490 + 1.88 × " +
                  in_note(t2, kAsTyped) + ")/(3600 × " + in_note(Qp) + ") = " + etat + " %",
              "理想干燥器校核：η = (t1 − t2)/(t1 − t0) = " + in_note(100 * (t1 - t2) / (t1 - t0)) + " %"}},
        }};
    });
}

}  // namespace vxr::calc
