#include "calc/evaporation/single_effect.h"

#include <cmath>

#include "calc/properties/water_steam.h"
#include "frame/number_text.h"

namespace vxr::calc {

using frame::in_note;
using frame::kAsTyped;
using frame::Num;
using In = EvaporationInput;

namespace {

// Water's triple-point and critical temperatures, ℃ (IAPWS).
constexpr double kTriplePoint = 0.01;
constexpr double kCriticalPoint = 373.946;

// A typed latent heat above IF97's times the first or below it times the second is warned of.
constexpr double kLatentHigh = 1.02;
constexpr double kLatentLow = 0.98;

// The heat balance leaves out the heat of dilution: a line in the notes of Q and of A.
constexpr const char* kNoDilution = "未计溶液的稀释热：对稀释热大的溶液（如 NaOH、H₂SO₄），Q 与 A 偏低。";

// IAPWS-IF97's latent heat of water at `t` ℃ (0.01 ℃ ≤ t < 373.946 ℃, as the checks before make sure).
double if97_latent_heat(double t) {
    return std::get<water::Saturation>(water::saturation_at_temperature(t)).r;
}

// The warning for a typed latent heat more than 2 % off IF97's at its temperature (exactly 2 %: none), or "".
std::string latent_heat_check(const char* symbol, Num typed, const char* at, Num t) {
    const double r = typed.get(), reference = if97_latent_heat(t.get());
    if (r <= reference * kLatentHigh && r >= reference * kLatentLow) return {};
    // Just below the critical point IF97 has no saturated vapour, hence no latent heat (water_steam.h).
    if (std::isnan(reference))
        return std::string("注意：IAPWS-IF97 在 ") + at + " = " + in_note(t, kAsTyped) +
               " ℃（临界点附近）没有饱和蒸汽，也就没有水的汽化热，无法与 " + symbol + " = " + in_note(r, kAsTyped) +
               " kJ/kg 比较，请核对。";
    // Near the critical point the latent heat vanishes and no ratio to it means anything: said so, never a 0 %.
    if (!(reference > 0) || !std::isfinite(r / reference))
        return std::string("注意：IAPWS-IF97 在 ") + at + " = " + in_note(t, kAsTyped) + " ℃ 时水的汽化热为 " +
               in_note(reference) + " kJ/kg：临界点附近汽化热趋于零，无法与 " + symbol + " = " + in_note(r, kAsTyped) +
               " kJ/kg 比较，请核对。";
    return std::string("注意：") + symbol + " = " + in_note(r, kAsTyped) + " kJ/kg，比 IAPWS-IF97 在 " + at + " = " +
           in_note(t, kAsTyped) + " ℃ 时水的汽化热 " + in_note(reference) + " kJ/kg " + (r > reference ? "高" : "低") +
           " " + in_note(std::abs(r / reference - 1.0) * 100.0, 3) + " %（超过 2 %），请核对。";
}

}  // namespace

frame::Outcome<In> single_effect_evaporator(const In& in) {
    return frame::run<In>([&] {
        const frame::Fields<In> f(in);
        const Num F = f(&In::feed);
        const Num x0 = f(&In::feed_conc);
        const Num x1 = f(&In::product_conc);
        const Num t0 = f(&In::feed_temp);
        const Num cp0 = f(&In::feed_cp);
        const Num T1 = f(&In::vapour_temp);
        const Num r1 = f(&In::vapour_latent);
        const Num loss = f(&In::temp_loss);
        const Num T = f(&In::steam_temp);
        const Num r = f(&In::steam_latent);
        const Num K = f(&In::heat_transfer);
        const Num pct = f(&In::heat_loss_percent);

        if (F <= 0) frame::refuse<In>("进料量必须大于零。", &In::feed);
        constexpr const char* kConc = "浓度须满足 0 < 进料浓度 < 完成液浓度 < 1。";
        if (x0 <= 0 || x0 >= x1) frame::refuse<In>(kConc, &In::feed_conc);
        if (x1 >= 1) frame::refuse<In>(kConc, &In::product_conc);
        for (const auto& [v, field] : {std::pair{cp0, &In::feed_cp}, std::pair{r1, &In::vapour_latent},
                                       std::pair{r, &In::steam_latent}, std::pair{K, &In::heat_transfer}})
            if (v <= 0) frame::refuse<In>("比热容、汽化热和传热系数必须大于零。", field);
        constexpr const char* kLoss = "温度差损失和热损失不能为负。";
        if (loss < 0) frame::refuse<In>(kLoss, &In::temp_loss);
        if (pct < 0) frame::refuse<In>(kLoss, &In::heat_loss_percent);
        // Water boils only between its triple and critical points. The next check, T > t1 ≥ T1, then keeps the other
        // side of each: T above the triple point, T1 below the critical one.
        if (T1 < kTriplePoint) frame::refuse<In>("二次蒸汽温度须高于水的三相点 0.01 ℃。", &In::vapour_temp);
        if (T >= kCriticalPoint) frame::refuse<In>("加热蒸汽温度须低于水的临界温度 373.946 ℃。", &In::steam_temp);
        const Num t1 = T1 + loss;
        const Num dt = T - t1;
        if (dt <= 0) frame::refuse<In>("加热蒸汽温度必须高于溶液沸点。", &In::steam_temp);
        const Num W = F * (1 - x0 / x1);
        const Num sensible = F * cp0 * (t1 - t0);  // kJ/h
        const Num latent = W * r1;                 // kJ/h
        const Num Q = (sensible + latent) * (1 + pct / 100) / 3600;
        if (Q <= 0) frame::refuse<In>("传热量不为正，请核对进料温度。", &In::feed_temp);
        const Num product = F - W;
        const Num D = 3600 * Q / r;
        const Num economy = D / W;
        const Num A = 1000 * Q / (K * dt);

        const auto shown = [](Num v) { return frame::masked_or_significant(v.get(), 3); };
        const std::string Wt = shown(W), productt = shown(product), t1t = shown(t1);
        const std::string Qt = shown(Q), Dt = shown(D), et = shown(economy);
        const std::string dtt = shown(dt), At = shown(A);

        std::vector<std::string> duty = {
            "Q = [F·cp0·(t1 − t0) + W·r1]·(1 + p/100)/3600 = [" + in_note(F, kAsTyped) + " × " +
                in_note(cp0, kAsTyped) + " × (" + in_note(t1) + " − " + in_note(t0, kAsTyped) + ") + " + in_note(W) +
                " × " + in_note(r1, kAsTyped) + "] × (1 + " + in_note(pct, kAsTyped) + "/100)/3600 = " + Qt + " kW",
            "料液加热 F·cp0·(t1 − t0) = " + in_note(sensible.get()) +
                " kJ/h，水分汽化 W·r1 = " + in_note(latent.get()) + " kJ/h",
            "热损失 = " + in_note(((sensible + latent) * pct / 100 / 3600).get()) + " kW",
            kNoDilution,
        };
        const std::string r1_check = latent_heat_check("r1", r1, "T1", T1);
        const std::string r_check = latent_heat_check("r", r, "T", T);
        if (t0 > t1)
            duty.push_back("注意：进料温度高于溶液沸点，料液进入蒸发器后自蒸发，料液加热一项为负（放出热量）。");
        if (!r1_check.empty()) duty.push_back(r1_check);
        std::vector<std::string> area = {
            "A = 1000·Q/(K·Δt) = 1000 × " + in_note(Q) + "/(" + in_note(K, kAsTyped) + " × " + in_note(dt) +
                ") = " + At + " m²",
            kNoDilution,
        };
        if (dt < 5) area.push_back("注意：有效传热温差小于 5 ℃，传热面积对温差和 K 值的误差十分敏感。");
        if (!r1_check.empty()) area.push_back(r1_check);
        std::vector<std::string> steam = {"D = 3600·Q/r = 3600 × " + in_note(Q) + "/" + in_note(r, kAsTyped) + " = " +
                                          Dt + " kg/h"};
        if (!r_check.empty()) steam.push_back(r_check);

        return frame::Explained{{
            {Wt,
             {"W = F(1 − x0/x1) = " + in_note(F, kAsTyped) + " × (1 − " + in_note(x0, kAsTyped) + "/" +
              in_note(x1, kAsTyped) + ") = " + Wt + " kg/h"}},
            {productt, {"F − W = " + in_note(F, kAsTyped) + " − " + in_note(W) + " = " + productt + " kg/h"}},
            {t1t, {"t1 = T1 + Δ = " + in_note(T1, kAsTyped) + " + " + in_note(loss, kAsTyped) + " = " + t1t + " ℃"}},
            {Qt, duty},
            {Dt, steam},
            {et, {"D/W = " + in_note(D) + "/" + in_note(W) + " = " + et + " kg/kg"}},
            {dtt, {"Δt = T − t1 = " + in_note(T, kAsTyped) + " − " + in_note(t1) + " = " + dtt + " ℃"}},
            {At, area},
        }};
    });
}

}  // namespace vxr::calc
