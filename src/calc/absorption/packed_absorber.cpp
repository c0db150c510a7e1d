#include "calc/absorption/packed_absorber.h"

#include <cmath>

#include "frame/number_text.h"

namespace vxr::calc {

using frame::in_note;
using frame::kAsTyped;
using frame::Num;

namespace {

// Above this inlet mole fraction the dilute-gas assumptions (constant V and L, straight equilibrium line) strain.
constexpr double kDiluteLimit = 0.1;
// Closer to 1 than this, S counts as 1 and N_OG takes its limit (the general form divides 0 by 0).
constexpr double kUnitFactor = 1e-9;

bool unit_factor(Num S) {
    return std::abs(1 - S.get()) < kUnitFactor;
}

}  // namespace

Num transfer_units(Num Y1, Num Y2, Num X2, Num m, Num ratio) {
    const Num S = m / ratio;
    if (unit_factor(S)) return (Y1 - Y2) / (Y2 - m * X2);
    return 1 / (1 - S) * frame::ln((1 - S) * (Y1 - m * X2) / (Y2 - m * X2) + S);
}

frame::Outcome<AbsorberInput> packed_absorber(const AbsorberInput& in) {
    using In = AbsorberInput;
    return frame::run<In>([&] {
        const frame::Fields<In> f(in);
        const Num G = f(&In::gas_flow);
        const Num y1 = f(&In::inlet_gas);
        const Num phi = f(&In::recovery);
        const Num x2 = f(&In::inlet_liquid);
        const Num m = f(&In::slope);
        const Num beta = f(&In::ratio_factor);
        const Num HOG = f(&In::transfer_unit);

        if (G <= 0) frame::refuse<In>("气体流量必须大于零。", &In::gas_flow);
        if (y1 <= 0 || y1 >= 1) frame::refuse<In>("进塔气体组成须在 0 与 1 之间。", &In::inlet_gas);
        if (phi <= 0 || phi >= 100) frame::refuse<In>("吸收率须在 0 与 100 之间。", &In::recovery);
        if (x2 < 0 || x2 >= 1) frame::refuse<In>("进塔液体组成须在 0 与 1 之间。", &In::inlet_liquid);
        if (m <= 0) frame::refuse<In>("相平衡常数必须大于零。", &In::slope);
        if (beta <= 1) frame::refuse<In>("液气比必须大于最小液气比（倍数大于1）。", &In::ratio_factor);
        if (HOG <= 0) frame::refuse<In>("传质单元高度必须大于零。", &In::transfer_unit);
        const Num Y1 = y1 / (1 - y1);
        const Num Y2 = Y1 * (1 - phi / 100);
        const Num X2 = x2 / (1 - x2);
        if (Y2 <= m * X2) frame::refuse<In>("进塔液体组成过高，达不到所要求的吸收率。", &In::inlet_liquid);

        const Num V = G * (1 - y1);
        const Num min_ratio = (Y1 - Y2) / (Y1 / m - X2);
        const Num ratio = beta * min_ratio;
        const Num L = ratio * V;
        const Num X1 = X2 + (Y1 - Y2) / ratio;
        const Num S = m / ratio;
        const Num driving = (Y1 - m * X2) / (Y2 - m * X2);  // ratio of the driving forces at the two ends
        const bool limit = unit_factor(S);
        const Num NOG = transfer_units(Y1, Y2, X2, m, ratio);
        const Num Z = HOG * NOG;

        const auto shown = [](Num v, int decimals) { return frame::masked_or_significant(v.get(), decimals); };
        const std::string Y2_text = shown(Y2, 5), min_text = shown(min_ratio, 4), ratio_text = shown(ratio, 4),
                          L_text = shown(L, 3), X1_text = shown(X1, 5), S_text = shown(S, 4), NOG_text = shown(NOG, 3),
                          Z_text = shown(Z, 3);
        const std::string Y1_note =
            "Y1 = y1/(1 − y1) = " + in_note(y1, kAsTyped) + "/(1 − " + in_note(y1, kAsTyped) + ") = " + in_note(Y1);
        const std::string X2_note =
            "X2 = x2/(1 − x2) = " + in_note(x2, kAsTyped) + "/(1 − " + in_note(x2, kAsTyped) + ") = " + in_note(X2);
        const std::string NOG_note =
            limit ? "N_OG = (Y1 − Y2)/(Y2 − m·X2) = (" + in_note(Y1) + " − " + in_note(Y2) + ")/(" + in_note(Y2) +
                        " − " + in_note(m, kAsTyped) + " × " + in_note(X2) + ") = " + NOG_text + "（S = 1 时的极限）"
                  : "N_OG = 1/(1 − S)·ln[(1 − S)·(Y1 − m·X2)/(Y2 − m·X2) + S] = 1/(1 − " + in_note(S) + ")·ln[(1 − " +
                        in_note(S) + ") × " + in_note(driving) + " + " + in_note(S) + "] = " + NOG_text;
        std::vector<std::string> warnings;
        if (y1 > kDiluteLimit)
            warnings.push_back("注意：进塔气体组成 y1 = " + in_note(y1, kAsTyped) +
                               " 大于 0.1，低浓度吸收的假定（V、L 不变，平衡线为直线）误差增大。");
        auto notes = [&](std::vector<std::string> lines) {
            lines.insert(lines.end(), warnings.begin(), warnings.end());
            return lines;
        };

        return frame::Explained{{
            {Y2_text,
             notes({"Y2 = Y1·(1 − φ/100) = " + in_note(Y1) + " × (1 − " + in_note(phi, kAsTyped) + "/100) = " + Y2_text,
                    Y1_note, "Y2 = " + in_note(Y2)})},
            {min_text, notes({"(L/V)min = (Y1 − Y2)/(Y1/m − X2) = (" + in_note(Y1) + " − " + in_note(Y2) + ")/(" +
                                  in_note(Y1) + "/" + in_note(m, kAsTyped) + " − " + in_note(X2) + ") = " + min_text,
                              Y1_note, X2_note, "Y2 = " + in_note(Y2), "(L/V)min = " + in_note(min_ratio)})},
            {ratio_text,
             notes({"L/V = β·(L/V)min = " + in_note(beta, kAsTyped) + " × " + in_note(min_ratio) + " = " + ratio_text,
                    "L/V = " + in_note(ratio)})},
            {L_text, notes({"L = (L/V)·V = " + in_note(ratio) + " × " + in_note(V) + " = " + L_text + " kmol/h",
                            "V = G·(1 − y1) = " + in_note(G, kAsTyped) + " × (1 − " + in_note(y1, kAsTyped) +
                                ") = " + in_note(V) + " kmol/h（惰性气体）"})},
            {X1_text, notes({"X1 = X2 + (Y1 − Y2)/(L/V) = " + in_note(X2) + " + (" + in_note(Y1) + " − " + in_note(Y2) +
                                 ")/" + in_note(ratio) + " = " + X1_text,
                             "X1 = " + in_note(X1)})},
            {S_text, notes({"S = m/(L/V) = " + in_note(m, kAsTyped) + "/" + in_note(ratio) + " = " + S_text,
                            "S = " + in_note(S)})},
            {NOG_text, notes({NOG_note, "(Y1 − m·X2)/(Y2 − m·X2) = " + in_note(driving), "N_OG = " + in_note(NOG)})},
            {Z_text,
             notes({"Z = HOG·N_OG = " + in_note(HOG, kAsTyped) + " × " + in_note(NOG) + " = " + Z_text + " m"})},
        }};
    });
}

}  // namespace vxr::calc
