#include "calc/relief/relief_valve.h"

#include <numbers>

#include "frame/checked.h"
#include "frame/number_text.h"

namespace vxr::calc {

using frame::in_note;
using frame::kAsTyped;
using frame::masked_or_significant;
using frame::Num;
using frame::pow;
using frame::sqrt;

namespace {

// What the method leaves out, in the notes of A on every case (no warning: it holds for every input).
constexpr const char* kGasNotCovered = "本方法不适用于两相流。";
constexpr const char* kLiquidNotCovered = "未作粘度修正，适用于粘度与水相近的液体；本方法不适用于两相流。";

// Above this share of the set pressure a back pressure takes a conventional valve out of its rating.
constexpr double kBackPressureShare = 0.1;
// The share is compared with this relative margin, so that a back pressure typed at exactly 10 % of the set pressure
// (0.0071 of 0.071, where 0.1 × 0.071 rounds below 0.0071) does not warn through the rounding of the product.
constexpr double kShareMargin = 1e-12;

constexpr const char* kConventionalValve =
    "注意：背压超过整定压力的 10%，普通安全阀不适用，应选平衡波纹管阀并按制造厂曲线取 Kb（液体 Kw）。";

}  // namespace

frame::Outcome<ReliefInput> relief_valve(const ReliefInput& in) {
    using In = ReliefInput;
    return frame::run<In>([&] {
        const frame::Fields<In> f(in);
        const bool gas = in.medium == ReliefMedium::Gas;
        const Num W = f(&In::flow);
        const Num Ps = f(&In::set_pressure);
        const Num over = f(&In::overpressure);
        const Num Pb = f(&In::back_pressure);
        const Num Kb = f(&In::back_pressure_factor);
        const Num Pa = f(&In::atmosphere);
        const Num K = f(&In::coefficient);
        Num M, t, Z, k, rho;
        if (gas) {
            M = f(&In::molar_mass);
            t = f(&In::temperature);
            Z = f(&In::compressibility);
            k = f(&In::exponent);
        } else {
            rho = f(&In::density);
        }

        if (W <= 0) frame::refuse<In>("泄放量必须大于零。", &In::flow);
        if (Ps <= 0) frame::refuse<In>("整定压力必须大于零。", &In::set_pressure);
        if (over < 0) frame::refuse<In>("超压和背压不能为负。", &In::overpressure);
        if (Pb < 0) frame::refuse<In>("超压和背压不能为负。", &In::back_pressure);
        if (Kb <= 0 || Kb > 1) frame::refuse<In>("背压修正系数须在 0 与 1 之间。", &In::back_pressure_factor);
        if (Pa <= 0) frame::refuse<In>("大气压必须大于零。", &In::atmosphere);
        if (K <= 0 || K > 1) frame::refuse<In>("泄放系数须在 0 与 1 之间。", &In::coefficient);
        // Both gauge, as typed. With the overpressure not negative, Pb < Ps gives Po ≤ P, equal only where Pa
        // swallows a difference below its last digit: then the arithmetic divides by zero (the data-check message).
        if (Pb >= Ps) frame::refuse<In>("背压不低于整定压力，安全阀无法开启。", &In::back_pressure);
        const Num P = Ps * (1 + over / 100) + Pa;
        const Num Po = Pb + Pa;
        if (gas) {
            constexpr const char* kGasMessage = "摩尔质量和压缩因子必须大于零，温度必须高于 −273.15 ℃。";
            if (M <= 0) frame::refuse<In>(kGasMessage, &In::molar_mass);
            if (t <= -273.15) frame::refuse<In>(kGasMessage, &In::temperature);
            if (Z <= 0) frame::refuse<In>(kGasMessage, &In::compressibility);
            if (k <= 1) frame::refuse<In>("绝热指数必须大于1。", &In::exponent);
        } else if (rho <= 0) {
            frame::refuse<In>("液体密度必须大于零。", &In::density);
        }

        const std::string P_text = masked_or_significant(P.get(), 4);
        const bool conventional = Kb == 1 && Pb > kBackPressureShare * Ps * (1 + kShareMargin);
        std::vector<std::string> pressure_notes{"P = Ps·(1 + 超压/100) + Pa = " + in_note(Ps, kAsTyped) + " × (1 + " +
                                                    in_note(over, kAsTyped) + "/100) + " + in_note(Pa, kAsTyped) +
                                                    " = " + in_note(P) + " MPa（绝压）",
                                                "Po = Pb + Pa = " + in_note(Pb, kAsTyped) + " + " +
                                                    in_note(Pa, kAsTyped) + " = " + in_note(Po) + " MPa（绝压）"};

        const auto area_notes = [&](std::vector<std::string> lines) {
            if (conventional) lines.push_back(kConventionalValve);
            return lines;
        };

        if (!gas) {
            const Num A = W / (5.1 * K * Kb * sqrt(rho * (P - Po)));
            const Num d0 = sqrt(4 * A / std::numbers::pi);
            return frame::Explained{{
                {P_text, pressure_notes},
                {"液体", {"液体：A = W/(5.1·K·Kw·√(ρ·(P − Po)))"}},
                {"", {}},
                {"", {}},
                {masked_or_significant(A.get(), 3),
                 area_notes({"A = W/(5.1·K·Kw·√(ρ·(P − Po))) = " + in_note(W, kAsTyped) + "/(5.1 × " +
                                 in_note(K, kAsTyped) + " × " + in_note(Kb, kAsTyped) + " × √(" +
                                 in_note(rho, kAsTyped) + " × (" + in_note(P) + " − " + in_note(Po) +
                                 "))) = " + in_note(A) + " mm²",
                             kLiquidNotCovered})},
                {masked_or_significant(d0.get(), 3),
                 {"d0 = √(4·A/π) = √(4 × " + in_note(A) + "/π) = " + in_note(d0) + " mm"}},
            }};
        }

        const Num T = t + 273.15;
        const Num rc = pow(2 / (k + 1), k / (k - 1));
        const Num C = 520 * sqrt(k * pow(2 / (k + 1), (k + 1) / (k - 1)));
        const Num r = Po / P;
        const Num root_mzt = sqrt(M / (Z * T));
        const bool critical = r <= rc;
        Num A;
        std::string area_note;
        if (critical) {
            A = W / (0.076 * C * K * Kb * P * root_mzt);
            area_note = "A = W/(7.6×10⁻²·C·K·Kb·P·√(M/(Z·T))) = " + in_note(W, kAsTyped) + "/(0.076 × " + in_note(C) +
                        " × " + in_note(K, kAsTyped) + " × " + in_note(Kb, kAsTyped) + " × " + in_note(P) + " × √(" +
                        in_note(M, kAsTyped) + "/(" + in_note(Z, kAsTyped) + " × " + in_note(T) +
                        "))) = " + in_note(A) + " mm²";
        } else {
            const Num bracket = pow(r, 2 / k) - pow(r, (k + 1) / k);
            A = W / (55.84 * K * Kb * P * sqrt(k / (k - 1) * bracket) * root_mzt);
            area_note = "A = W/(55.84·K·Kb·P·√((k/(k − 1))·[(Po/P)^(2/k) − (Po/P)^((k + 1)/k)])·√(M/(Z·T))) = " +
                        in_note(W, kAsTyped) + "/(55.84 × " + in_note(K, kAsTyped) + " × " + in_note(Kb, kAsTyped) +
                        " × " + in_note(P) + " × √(" + in_note(k / (k - 1)) + " × " + in_note(bracket) + ") × √(" +
                        in_note(M, kAsTyped) + "/(" + in_note(Z, kAsTyped) + " × " + in_note(T) +
                        "))) = " + in_note(A) + " mm²";
        }
        const Num d0 = sqrt(4 * A / std::numbers::pi);
        const std::string regime = critical ? "临界流动" : "亚临界流动";
        const std::string ratio_note = "Po/P = " + in_note(Po) + "/" + in_note(P) + " = " + in_note(r) +
                                       (critical ? " ≤ rc = " : " > rc = ") + in_note(rc) + "：" + regime;
        return frame::Explained{{
            {P_text, pressure_notes},
            {regime, {ratio_note}},
            {masked_or_significant(rc.get(), 4),
             {"rc = (2/(k + 1))^(k/(k − 1)) = (2/(" + in_note(k, kAsTyped) + " + 1))^(" + in_note(k, kAsTyped) + "/(" +
              in_note(k, kAsTyped) + " − 1)) = " + in_note(rc)}},
            {masked_or_significant(C.get(), 3),
             {"C = 520·√(k·(2/(k + 1))^((k + 1)/(k − 1))) = 520 × √(" + in_note(k, kAsTyped) + " × (2/(" +
              in_note(k, kAsTyped) + " + 1))^((" + in_note(k, kAsTyped) + " + 1)/(" + in_note(k, kAsTyped) +
              " − 1))) = " + in_note(C)}},
            {masked_or_significant(A.get(), 3),
             area_notes({area_note, "T = t + 273.15 = " + in_note(t, kAsTyped) + " + 273.15 = " + in_note(T) + " K",
                         ratio_note, kGasNotCovered})},
            {masked_or_significant(d0.get(), 3),
             {"d0 = √(4·A/π) = √(4 × " + in_note(A) + "/π) = " + in_note(d0) + " mm"}},
        }};
    });
}

}  // namespace vxr::calc
