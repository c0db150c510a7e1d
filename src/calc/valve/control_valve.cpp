#include "calc/valve/control_valve.h"

#include <numbers>
#include <vector>

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

// The standard's numerical constants for Kv in m³/h, p in kPa, d in mm, T in K (gas flows at 0 ℃, 101.325 kPa).
constexpr double N1 = 0.1;
constexpr double N2 = 1.60e-3;
constexpr double N4 = 7.07e-2;
constexpr double N5 = 1.80e-3;
constexpr double N9 = 24.6;
constexpr double N18 = 0.865;
constexpr double N22 = 17.3;
// Water at 15 ℃ and 101.325 kPa, the reference of ρ1/ρ0.
constexpr double kRho0 = 999.1033;
// The normal state of a gas flow, and the molar gas constant, kJ/(kmol·K).
constexpr double kNormalPressure = 101.325;
constexpr double kNormalTemperature = 273.15;
constexpr double kGasConstant = 8.314462618;
// Turbulent from this valve Reynolds number up.
constexpr double kTurbulent = 10000;
// The piping iteration ends once a step raises Kv by less than 1 % (the last Kv is below 1/0.99 of the one before),
// and gives up after this many steps.
constexpr double kStepRatio = 0.99;
constexpr int kPipingSteps = 20;
// The non-turbulent iteration raises Ci by 30 % a step, at most this many times.
constexpr double kCiStep = 1.3;
constexpr int kReynoldsSteps = 60;
// Kv/(N18·d²): the factors of fittings hold below 0.04; the full-size trim's FR from 0.016 up.
constexpr double kFittingsLimit = 0.04;
constexpr double kFullTrimLimit = 0.016;

constexpr const char* kNoPipingConvergence =
    "管件几何系数 FP 的迭代未收敛：相对于所需的 Kv，阀门通径过小或管件损失过大，请核对通径与管径。";
constexpr const char* kNoReynoldsConvergence =
    "雷诺数系数 FR 的迭代未收敛：非湍流下找不到满足 Kv/FR ≤ Ci 的 Ci，请核对粘度、流量与阀门通径。";

Num lg(Num v) {
    return frame::ln(v) / std::numbers::ln10;
}

std::string joined(const std::vector<Num>& values) {
    std::string s;
    for (const Num& v : values) s += (s.empty() ? "" : " → ") + in_note(v);
    return s;
}

}  // namespace

frame::Outcome<ControlValveInput> control_valve(const ControlValveInput& in) {
    using In = ControlValveInput;
    return frame::run<In>([&] {
        const frame::Fields<In> f(in);
        const bool gas = in.medium == ValveMedium::Gas;
        const Num Q = f(&In::flow);
        const Num p1 = f(&In::inlet_pressure);
        const Num p2 = f(&In::outlet_pressure);
        Num t, rho, pv, pc, M, gamma, Z, xT;
        if (gas) t = f(&In::temperature);
        if (!gas) {
            rho = f(&In::density);
            pv = f(&In::vapour_pressure);
            pc = f(&In::critical_pressure);
        }
        const Num mu = f(&In::viscosity);
        if (gas) {
            M = f(&In::molar_mass);
            gamma = f(&In::heat_ratio);
            Z = f(&In::compressibility);
        }
        const Num FL = f(&In::recovery);
        if (gas) xT = f(&In::ratio_factor);
        const Num Fd = f(&In::style_modifier);
        const Num D1 = f(&In::pipe_in);
        const Num D2 = f(&In::pipe_out);
        const Num d = f(&In::valve_size);

        if (Q <= 0) frame::refuse<In>("流量必须大于零。", &In::flow);
        constexpr const char* kPositive = "阀前压力和阀后压力必须大于零。";
        if (p1 <= 0) frame::refuse<In>(kPositive, &In::inlet_pressure);
        if (p2 <= 0) frame::refuse<In>(kPositive, &In::outlet_pressure);
        if (p2 >= p1) frame::refuse<In>("阀后压力必须低于阀前压力。", &In::outlet_pressure);
        if (!gas) {
            if (p1 <= pv) frame::refuse<In>("阀前压力必须高于饱和蒸气压（液体在阀前已汽化）。", &In::inlet_pressure);
            if (pv < 0) frame::refuse<In>("饱和蒸气压不能为负。", &In::vapour_pressure);
            if (pv >= pc) frame::refuse<In>("饱和蒸气压必须低于临界压力。", &In::vapour_pressure);
        }
        if (FL <= 0 || FL > 1) frame::refuse<In>("压力恢复系数 FL 须大于 0 且不大于 1。", &In::recovery);
        if (Fd <= 0 || Fd > 1) frame::refuse<In>("阀型修正系数 Fd 须大于 0 且不大于 1。", &In::style_modifier);
        constexpr const char* kPositiveProperty = "压缩因子、摩尔质量、密度和粘度必须大于零。";
        if (gas) {
            if (xT <= 0 || xT >= 1) frame::refuse<In>("压差比系数 xT 须大于 0 且小于 1。", &In::ratio_factor);
            if (gamma <= 1) frame::refuse<In>("绝热指数 γ 必须大于 1。", &In::heat_ratio);
            if (Z <= 0) frame::refuse<In>(kPositiveProperty, &In::compressibility);
            if (M <= 0) frame::refuse<In>(kPositiveProperty, &In::molar_mass);
        } else if (rho <= 0) {
            frame::refuse<In>(kPositiveProperty, &In::density);
        }
        if (mu <= 0) frame::refuse<In>(kPositiveProperty, &In::viscosity);
        if (gas && t <= -273.15) frame::refuse<In>("温度必须高于 −273.15 ℃。", &In::temperature);
        constexpr const char* kDiameter = "管内径和阀门通径必须大于零。";
        if (D1 <= 0) frame::refuse<In>(kDiameter, &In::pipe_in);
        if (D2 <= 0) frame::refuse<In>(kDiameter, &In::pipe_out);
        if (d <= 0) frame::refuse<In>(kDiameter, &In::valve_size);
        if (d > D1 || d > D2) frame::refuse<In>("阀门通径不得大于管内径。", &In::valve_size);

        const Num dp = p1 - p2;
        // The reducers' loss coefficients and the Bernoulli coefficients of the pipes.
        const Num r1 = d * d / (D1 * D1), r2 = d * d / (D2 * D2);
        const Num K1 = 0.5 * (1 - r1) * (1 - r1), K2 = 1.0 * (1 - r2) * (1 - r2);
        const Num KB1 = 1 - r1 * r1, KB2 = 1 - r2 * r2;
        const Num SK = K1 + K2 + KB1 - KB2, SK1 = K1 + KB1;
        const Num T = gas ? t + 273.15 : Num(0);
        const Num Fg = gas ? gamma / 1.40 : Num(0);
        const Num x = dp / p1;
        const Num FF = gas ? Num(0) : 0.96 - 0.28 * sqrt(pv / pc);
        const Num relative = gas ? Num(0) : rho / kRho0;  // ρ1/ρ0

        // Kv with the factors of the fittings as given.
        struct Step {
            Num FP, FLP, xTP;
            bool choked = false;
            Num limit;  // liquid ΔpChoked, gas xChoked = Fγ·xTP
            Num Y;
            Num C;
        };
        const auto kv = [&](Num FP, Num FLP, Num xTP) {
            Step s{FP, FLP, xTP, false, 0, 0, 0};
            if (!gas) {
                s.limit = (FLP / FP) * (FLP / FP) * (p1 - FF * pv);
                s.choked = dp >= s.limit;
                s.C = s.choked ? Q / (N1 * FLP) * sqrt(relative / (p1 - FF * pv)) : Q / (N1 * FP) * sqrt(relative / dp);
            } else {
                s.limit = Fg * xTP;
                s.choked = x >= s.limit;
                s.Y = s.choked ? Num(2.0 / 3.0) : 1 - x / (3 * s.limit);
                s.C = Q / (N9 * FP * p1 * s.Y) * sqrt(M * T * Z / (s.choked ? s.limit : x));
            }
            return s;
        };

        // The Reynolds number: a liquid's flow as given, a gas's at the inlet state.
        Num rho1 = rho, Q1 = Q;
        if (gas) {
            rho1 = p1 * M / (Z * kGasConstant * T);
            Q1 = Q * (kNormalPressure / p1) * (T / kNormalTemperature) * Z;
        }
        const Num nu = mu / 1000 / rho1;
        const Num D1_4 = D1 * D1 * D1 * D1;
        const auto reynolds = [&](Num C) {
            return N4 * Fd * Q1 / (nu * sqrt(C * FL)) * pow(FL * FL * C * C / (N2 * D1_4) + 1, 0.25);
        };
        const std::string re_formula = "Rev = N4·Fd·Q/(ν·√(Kv·FL))·(FL²·Kv²/(N2·D1⁴) + 1)^(1/4)";
        std::vector<std::string> re_notes;
        re_notes.push_back("ν = μ/ρ1 = " + in_note(mu, kAsTyped) + "×10⁻³/" + in_note(rho1) + " = " + in_note(nu) +
                           " m²/s");
        if (gas)
            re_notes.push_back("ρ1 = p1·M/(Z·R·T1) = " + in_note(rho1) +
                               " kg/m³，阀前实际流量 Q1 = Q·(101.325/p1)·(T1/273.15)·Z = " + in_note(Q1) + " m³/h");

        const Step bare = kv(1, FL, gas ? xT : Num(0));
        const Num Re0 = reynolds(bare.C);
        const Num d2 = d * d;
        const Num area = std::numbers::pi * d2 / 4 * 1e-6;  // m²

        std::vector<std::string> kv_notes, regime_notes, choke_notes, fp_notes, y_notes;
        std::vector<std::string> warnings;
        std::string regime, fp_text, y_text;
        Num C, Re;
        Step last = bare;

        if (Re0 >= kTurbulent) {
            re_notes.insert(re_notes.begin(), re_formula + " = " + in_note(Re0) +
                                                  "（按无管件时的 Kv = " + in_note(bare.C) + "）≥ 10000：湍流");
            Re = Re0;
            std::vector<Num> history{bare.C};
            bool converged = false;
            for (int k = 0; k < kPipingSteps && !converged; ++k) {
                const Num a = (last.C / d2) * (last.C / d2);
                const Num FP = 1 / sqrt(1 + SK / N2 * a);
                const Num FLP = FL / sqrt(1 + FL * FL / N2 * SK1 * a);
                const Num xTP = gas ? (xT / (FP * FP)) / (1 + xT * SK1 / N5 * a) : Num(0);
                const Step next = kv(FP, FLP, xTP);
                converged = last.C / next.C >= kStepRatio;
                last = next;
                history.push_back(last.C);
            }
            if (!converged) frame::refuse<In>(kNoPipingConvergence, nullptr);
            C = last.C;
            regime = last.choked ? "阻塞流" : "湍流";
            const std::string Cp = in_note(history[history.size() - 2]);
            fp_notes = {"K1 = 0.5·(1 − d²/D1²)² = " + in_note(K1) + "，K2 = 1.0·(1 − d²/D2²)² = " + in_note(K2),
                        "KB1 = 1 − (d/D1)⁴ = " + in_note(KB1) + "，KB2 = 1 − (d/D2)⁴ = " + in_note(KB2),
                        "ΣK = K1 + K2 + KB1 − KB2 = " + in_note(SK),
                        "FP = 1/√(1 + ΣK/N2·(Kv/d²)²) = 1/√(1 + " + in_note(SK) + "/0.0016 × (" + Cp + "/" +
                            in_note(d2) + ")²) = " + in_note(last.FP),
                        "FP 迭代：Kv = " + joined(history) + " m³/h（从无管件的 Kv 起，每步以上一步的 Kv 求 FP" +
                            (gas ? "、xTP" : "、FLP") + "，增幅小于 1 % 时停止）"};
            if (!gas) fp_notes.push_back("FLP = FL/√(1 + FL²/N2·(K1 + KB1)·(Kv/d²)²) = " + in_note(last.FLP));
            fp_text = masked_or_significant(last.FP.get(), 4);
            const Num ratio = C / (N18 * d2);
            if (ratio >= kFittingsLimit)
                warnings.push_back("注意：Kv/(N18·d²) = " + in_note(ratio) +
                                   " ≥ 0.04，超出 FP、FLP、xTP 公式的适用范围。");
        } else {
            // Non-turbulent: the standard's equations without the fittings, Ci raised until Kv/FR ≤ Ci.
            const Num Ct = gas ? Q / N22 * sqrt(M * T / (dp * (p1 + p2))) : Q / N1 * sqrt(relative / dp);
            Num Ci = kCiStep * Ct, FR, FR1, FR2;
            bool laminar = false, converged = false;
            std::vector<Num> tried;
            for (int k = 0; k < kReynoldsSteps && !converged; ++k) {
                if (k > 0) Ci = Ci * kCiStep;
                tried.push_back(Ci);
                Re = reynolds(Ci);
                const Num n1 = N2 / ((Ci / d2) * (Ci / d2));
                FR2 = 0.026 / FL * sqrt(n1 * Re);
                laminar = Re < 10;
                if (!laminar) {
                    FR1 = 1 + 0.33 * sqrt(FL) / pow(n1, 0.25) * lg(Re / kTurbulent);
                    laminar = FR2 <= FR1;
                }
                // Below Rev = 10 the laminar formula alone, which a tiny flow in a wide valve takes above 1: FR ≤ 1.
                FR = laminar ? (FR2 > 1 ? Num(1) : FR2) : FR1;
                converged = FR > 0 && Ct / FR <= Ci;
            }
            if (!converged) frame::refuse<In>(kNoReynoldsConvergence, nullptr);
            C = Ci;
            regime = std::string(laminar ? "层流" : "过渡流") + "，FR = " + frame::masked(FR.get(), 3);
            re_notes.insert(re_notes.begin(), re_formula + " = " + in_note(Re) + "（按 Ci = " + in_note(Ci) + "）");
            re_notes.push_back("按无管件时的 Kv = " + in_note(bare.C) + "：Rev = " + in_note(Re0) + " < 10000，非湍流");
            regime_notes = {
                gas ? "非湍流：Kv = Q/(N22·FR)·√(M·T1/(Δp·(p1 + p2)))，FR = 1 时 Kv = " + in_note(Ct) + " m³/h"
                    : "非湍流：Kv = Q/(N1·FR)·√((ρ1/ρ0)/Δp)，FR = 1 时 Kv = " + in_note(Ct) + " m³/h",
                "Ci = 1.3·Kv，每步增加 30 %：Ci = " + joined(tried) + " m³/h",
                "n1 = N2/(Ci/d²)² = " + in_note(N2 / ((Ci / d2) * (Ci / d2))),
                (Re < 10 ? std::string("Rev < 10：FR = 0.026/FL·√(n1·Rev) = ") + in_note(FR2)
                         : "FR = min(1 + 0.33·√FL/n1^(1/4)·lg(Rev/10000), 0.026/FL·√(n1·Rev)) = min(" + in_note(FR1) +
                               ", " + in_note(FR2) + ") = " + in_note(FR)),
                "Kv/FR = " + in_note(Ct / FR) + " ≤ Ci = " + in_note(Ci) + "：所需 Kv = Ci"};
            warnings.push_back("注意：Rev = " + in_note(Re) +
                               " < 10000，流动非湍流，Kv 按雷诺数系数 FR 修正（不计管件）。");
            const Num ratio = Ci / (N18 * d2);
            if (ratio < kFullTrimLimit)
                warnings.push_back("注意：Ci/(N18·d²) = " + in_note(ratio) +
                                   " < 0.016，超出全尺寸阀芯 FR 公式的适用范围（缩径阀芯）。");
        }

        // The choking limit of the factors used, and the flow at which the valve of this Kv chokes.
        Num q_choked;
        if (!gas) {
            choke_notes = {"FF = 0.96 − 0.28·√(pv/pc) = 0.96 − 0.28 × √(" + in_note(pv, kAsTyped) + "/" +
                               in_note(pc, kAsTyped) + ") = " + in_note(FF),
                           "ΔpChoked = (FLP/FP)²·(p1 − FF·pv) = (" + in_note(last.FLP) + "/" + in_note(last.FP) +
                               ")² × (" + in_note(p1, kAsTyped) + " − " + in_note(FF) + " × " + in_note(pv, kAsTyped) +
                               ") = " + in_note(last.limit) + " kPa",
                           "阀后压力降至 p1 − ΔpChoked = " + in_note(p1 - last.limit) + " kPa(A) 时阻塞"};
            regime_notes.insert(regime_notes.begin(), "Δp = p1 − p2 = " + in_note(dp) +
                                                          (last.choked ? " kPa ≥ ΔpChoked = " : " kPa < ΔpChoked = ") +
                                                          in_note(last.limit) + " kPa");
            q_choked = N1 * last.FLP * C * sqrt((p1 - FF * pv) / relative);
        } else {
            choke_notes = {"Fγ = γ/1.40 = " + in_note(gamma, kAsTyped) + "/1.40 = " + in_note(Fg),
                           "xTP = (xT/FP²)/(1 + xT·(K1 + KB1)/N5·(Kv/d²)²) = " + in_note(last.xTP),
                           "xChoked = Fγ·xTP = " + in_note(last.limit),
                           "阀后压力降至 p1·(1 − xChoked) = " + in_note(p1 * (1 - last.limit)) + " kPa(A) 时阻塞"};
            regime_notes.insert(
                regime_notes.begin(),
                "x = Δp/p1 = " + in_note(x) + (last.choked ? " ≥ xChoked = " : " < xChoked = ") + in_note(last.limit));
            q_choked = N9 * last.FP * C * p1 * (2.0 / 3.0) * sqrt(last.limit / (M * T * Z));
        }
        if (Re >= kTurbulent) {
            if (!gas) {
                kv_notes.push_back(last.choked
                                       ? "阻塞流：Kv = Q/(N1·FLP)·√((ρ1/ρ0)/(p1 − FF·pv)) = " + in_note(C) + " m³/h"
                                       : "Kv = Q/(N1·FP)·√((ρ1/ρ0)/Δp) = " + in_note(Q, kAsTyped) + "/(0.1 × " +
                                             in_note(last.FP) + ") × √(" + in_note(relative) + "/" + in_note(dp) +
                                             ") = " + in_note(C) + " m³/h");
                kv_notes.push_back("ρ1/ρ0 = " + in_note(rho, kAsTyped) + "/999.1033 = " + in_note(relative));
            } else {
                kv_notes.push_back("Kv = Q/(N9·FP·p1·Y)·√(M·T1·Z/x) = " + in_note(Q, kAsTyped) + "/(24.6 × " +
                                   in_note(last.FP) + " × " + in_note(p1, kAsTyped) + " × " + in_note(last.Y) +
                                   ") × √(" + in_note(M, kAsTyped) + " × " + in_note(T) + " × " + in_note(Z, kAsTyped) +
                                   "/" + in_note(last.choked ? last.limit : x) + ") = " + in_note(C) + " m³/h");
                y_notes = {"x = Δp/p1 = " + in_note(x),
                           last.choked ? "x ≥ Fγ·xTP：x 取 xChoked = " + in_note(last.limit) + "，Y = 2/3"
                                       : "Y = 1 − x/(3·Fγ·xTP) = 1 − " + in_note(x) + "/(3 × " + in_note(last.limit) +
                                             ") = " + in_note(last.Y)};
                y_text = masked_or_significant(last.Y.get(), 4);
            }
            kv_notes.push_back("按此 Kv，流量达 " + in_note(q_choked) + (gas ? " Nm³/h" : " m³/h") + " 时阀门阻塞");
            if (last.choked)
                warnings.insert(warnings.begin(),
                                gas ? "注意：阻塞流：x ≥ Fγ·xTP，流量不再随阀后压力降低而增加。"
                                    : "注意：阻塞流：Δp ≥ ΔpChoked，液体在阀内汽化，流量不再随压差增加。");
        } else {
            kv_notes.push_back("所需 Kv = Ci = " + in_note(C) + " m³/h");
        }
        // The velocity in the valve's outlet (a gas at p2, T1 and Z as at the inlet).
        if (!gas) {
            const Num v = Q / 3600 / area;
            kv_notes.push_back("阀门出口流速 v = Q/(π·d²/4) = " + in_note(v) + " m/s");
            if (p2 < pv) warnings.push_back("注意：阀后压力低于饱和蒸气压，液体在阀后闪蒸。");
        } else {
            const Num Q2 = Q * (kNormalPressure / p2) * (T / kNormalTemperature) * Z;
            const Num v = Q2 / 3600 / area;
            const Num c = sqrt(gamma * Z * kGasConstant * 1000 / M * T);
            kv_notes.push_back("阀门出口流速 v = Q2/(π·d²/4) = " + in_note(v) + " m/s（Q2 = " + in_note(Q2) +
                               " m³/h，按 p2），马赫数 Ma = v/√(γ·Z·R·T1/M) = " + in_note(v / c));
        }
        for (const std::string& w : warnings) kv_notes.push_back(w);
        if (Re >= kTurbulent) regime_notes.push_back("Rev = " + in_note(Re) + " ≥ 10000：" + regime);
        for (const std::string& w : warnings)
            if (w.find("阻塞流") != std::string::npos || w.find("非湍流") != std::string::npos)
                regime_notes.push_back(w);

        const Num Cv = 1.156 * C;
        return frame::Explained{{
            {masked_or_significant(C.get(), 3), kv_notes},
            {masked_or_significant(Cv.get(), 3), {"Cv = 1.156·Kv = 1.156 × " + in_note(C) + " = " + in_note(Cv)}},
            {regime, regime_notes},
            {gas ? masked_or_significant(last.limit.get(), 4) : masked_or_significant(last.limit.get(), 2),
             choke_notes},
            {fp_text, fp_notes},
            {y_text, y_notes},
            {frame::masked(Re.get(), 0), re_notes},
        }};
    });
}

}  // namespace vxr::calc
