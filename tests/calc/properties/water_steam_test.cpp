// The water/steam properties: each IAPWS release's verification table, the region boundaries met from both sides,
// the density search of region 3, every refusal at and beside its bound, saturated and wet states, the critical point.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <sstream>
#include <string>
#include <type_traits>
#include <vector>

#include "calc/properties/if97.h"
#include "calc/properties/transport.h"
#include "calc/properties/water_steam.h"

using namespace vxr::calc::water;
using if97::State;

namespace {

// A computed value and the value a release prints for it.
struct Row {
    std::string name;
    double got;
    std::string printed;
};

// Each value within half a unit of its printed value's last digit. A release table's largest relative deviation goes
// to the test's record (--gtest_output=xml shows it).
void expect_printed(const std::vector<Row>& rows, bool record = true) {
    double largest = 0.0;
    for (const Row& row : rows) {
        const std::size_t e = row.printed.find('e');
        const std::string mantissa = row.printed.substr(0, e);
        const int decimals = static_cast<int>(mantissa.size() - mantissa.find('.') - 1);
        const int exponent = e == std::string::npos ? 0 : std::stoi(row.printed.substr(e + 1));
        const double value = std::stod(row.printed);
        EXPECT_LE(std::abs(row.got - value), 0.5000001 * std::pow(10.0, exponent - decimals))
            << row.name << ": " << row.got;
        largest = std::max(largest, std::abs(row.got / value - 1.0));
    }
    char text[32];
    std::snprintf(text, sizeof text, "%.2e", largest);
    if (record) ::testing::Test::RecordProperty("largest_relative_deviation", text);
}

// Rows of a table of one equation of two variables, (x, y, the printed value), or, for IF97's tables 5, 15 and 33,
// of a region's state at (T, p) or (T, ρ): its v (p by density), h, u, s, cp and w, printed in one text.
struct Printed {
    double x, y;
    const char* printed;
};
template <class F>
std::vector<Row> rows(F f, const std::vector<Printed>& points) {
    std::vector<Row> out;
    for (const Printed& point : points) {
        const std::string at = std::to_string(point.x) + ", " + std::to_string(point.y);
        if constexpr (std::is_same_v<decltype(f(0.0, 0.0)), State>) {
            const State s = f(point.x, point.y);
            std::istringstream printed(point.printed);
            for (double got : {f == if97::region3 ? s.p : 1.0 / s.rho, s.h, s.u, s.s, s.cp, s.w}) {
                out.push_back({at + ": value " + std::to_string(out.size() % 6), got, ""});
                printed >> out.back().printed;
            }
        } else {
            out.push_back({at, f(point.x, point.y), point.printed});
        }
    }
    return out;
}
std::vector<Row> operator+(std::vector<Row> a, const std::vector<Row>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// μ in μPa·s; λ in mW/(m·K), without the critical enhancement at (T, ρ), with it for an IF97 state.
const auto mu_upas = [](double t, double rho) { return viscosity(t, rho) * 1e6; };
const auto lambda_mw = [](double t, double rho) { return thermal_conductivity_background(t, rho) * 1e3; };
const auto lambda_if97 = [](const State& s) {
    return thermal_conductivity(s.t, s.rho, s.cp, s.cv, s.drho_dp, viscosity(s.t, s.rho)) * 1e3;
};

template <class T>
std::string refusal(const Answer<T>& answer) {
    const auto* refused = std::get_if<Refusal>(&answer);
    return refused ? refused->message : "";
}

}  // namespace

// IF97's tables 5, 15 and 33 (regions 1, 2 and 3), 35 and 36 and the check value of B23, each equation both ways.
TEST(PropertiesIf97, VerificationTables) {
    expect_printed(
        rows(if97::region1,
             {{300, 3, "0.100215168e-2 0.115331273e3 0.112324818e3 0.392294792 0.417301218e1 0.150773921e4"},
              {300, 80, "0.971180894e-3 0.184142828e3 0.106448356e3 0.368563852 0.401008987e1 0.163469054e4"},
              {500, 3, "0.120241800e-2 0.975542239e3 0.971934985e3 0.258041912e1 0.465580682e1 0.124071337e4"}}) +
        rows(if97::region2,
             {{300, 0.0035, "0.394913866e2 0.254991145e4 0.241169160e4 0.852238967e1 0.191300162e1 0.427920172e3"},
              {700, 0.0035, "0.923015898e2 0.333568375e4 0.301262819e4 0.101749996e2 0.208141274e1 0.644289068e3"},
              {700, 30, "0.542946619e-2 0.263149474e4 0.246861076e4 0.517540298e1 0.103505092e2 0.480386523e3"}}) +
        rows(if97::region3,
             {{650, 500, "0.255837018e2 0.186343019e4 0.181226279e4 0.405427273e1 0.138935717e2 0.502005554e3"},
              {650, 200, "0.222930643e2 0.237512401e4 0.226365868e4 0.485438792e1 0.446579342e2 0.383444594e3"},
              {750, 500, "0.783095639e2 0.225868845e4 0.210206932e4 0.446971906e1 0.634165359e1 0.760696041e3"}}));
    const auto ps = [](double t, double) { return if97::saturation_pressure(t); };
    const auto ts = [](double p, double) { return if97::saturation_temperature(p); };
    const auto b23 = [](double x, double to_p) { return to_p ? if97::b23_pressure(x) : if97::b23_temperature(x); };
    expect_printed(rows(ps, {{300, 0, "0.353658941e-2"}, {500, 0, "0.263889776e1"}, {600, 0, "0.123443146e2"}}) +
                   rows(ts, {{0.1, 0, "0.372755919e3"}, {1, 0, "0.453035632e3"}, {10, 0, "0.584149488e3"}}) +
                   rows(b23, {{623.15, 1, "0.165291643e2"}, {16.5291643, 0, "0.623150000e3"}}));
}

// The density search gives back the density that gave the pressure, on each branch, over region 3: from 623.15 K to
// 863 K, the sides of the loop close to Tc, the isotherms just above it (metastable and unstable densities, which the
// search rightly does not return, left out). IF97's equations meet at the region boundaries within the
// inconsistencies the formulation permits (Wagner et al. 2000, the IF97 article's table of permitted values: Δv/v
// 0.05 %, Δh 0.2 kJ/kg, Δs 0.2 J/(kg·K), Δcp/cp 1 %, Δw/w 1 %, Δg 0.2 kJ/kg).
TEST(PropertiesIf97, Region3AndTheBoundaries) {
    int checked = 0;
    for (double t : {623.2, 630.0, 640.0, 645.0, 647.0, 647.09, 647.096, 647.1, 650.0, 700.0, 800.0, 863.0}) {
        for (double rho = 100; rho <= 760; rho += 7.5) {
            const State s = if97::region3(t, rho);
            if (s.p > if97::kPHighest || s.p < if97::b23_pressure(t)) continue;
            const bool liquid = rho > if97::kRhoc, below_tc = t < if97::kTc;
            const double ps = below_tc ? if97::saturation_pressure(t) : 0.0;
            if (below_tc && !(s.drho_dp > 0 && (liquid ? s.p > ps : s.p < ps))) continue;
            const auto branch = !below_tc ? if97::Branch::single : liquid ? if97::Branch::liquid : if97::Branch::vapour;
            EXPECT_NEAR(if97::region3_density(t, s.p, branch), rho, 1e-9 * rho) << t << " K, " << rho << " kg/m³";
            ++checked;
        }
    }
    EXPECT_GT(checked, 600);
    const auto expect_consistent = [](const State& a, const State& b) {
        EXPECT_TRUE(std::abs(b.rho / a.rho - 1) <= 5e-4 && std::abs(b.h - a.h) <= 0.2 && std::abs(b.s - a.s) <= 2e-4 &&
                    std::abs(b.cp / a.cp - 1) <= 1e-2 && std::abs(b.w / a.w - 1) <= 1e-2)
            << a.t << " K, " << a.p << " MPa";
    };
    const auto solve = [](double t, double p, if97::Branch branch) {
        return if97::region3(t, if97::region3_density(t, p, branch));
    };
    for (double p : {16.6, 20.0, 40.0, 70.0, 100.0})
        expect_consistent(if97::region1(623.15, p), solve(623.15, p, if97::Branch::liquid));
    for (double t : {623.16, 640.0, 650.0, 700.0, 750.0, 800.0, 863.15})
        expect_consistent(if97::region2(t, if97::b23_pressure(t)),
                          solve(t, if97::b23_pressure(t), t < if97::kTc ? if97::Branch::vapour : if97::Branch::single));
    // On the saturation line the liquid's and the vapour's Gibbs free energies are equal: regions 1 and 2 up to
    // 623.15 K, the two sides of region 3 above.
    for (double t : {273.15, 300.0, 400.0, 500.0, 600.0, 623.15, 630.0, 640.0, 647.0}) {
        const double ps = if97::saturation_pressure(t);
        const bool three = t > if97::kT13;
        const State liquid = three ? solve(t, ps, if97::Branch::liquid) : if97::region1(t, ps);
        const State vapour = three ? solve(t, ps, if97::Branch::vapour) : if97::region2(t, ps);
        EXPECT_TRUE(std::abs(liquid.h - t * liquid.s - (vapour.h - t * vapour.s)) <= 0.2 && liquid.rho > vapour.rho)
            << t;
    }
}

// IAPWS 2008, table 4 (μ̄2 = 1), μ in μPa·s, every point outside the critical region; IAPWS 2011: table 4 (λ̄2 = 0),
// λ in mW/(m·K); in its industrial form with IF97, tables 7 (region 1), 8 (region 2) and 9 (region 3, by density): λ
// with its critical enhancement, and μ (μ̄2 = 1) that enters it; IAPWS 2014, values of its table (0.01, 25, 100 and
// 300 ℃), σ in mN/m.
TEST(PropertiesTransport, VerificationTables) {
    const auto in = [](State (*region)(double, double)) {
        return [region](double t, double x) { return lambda_if97(region(t, x)); };
    };
    const auto mu = [](double t, double p) { return mu_upas(t, (p ? if97::region1(t, p) : if97::region2(t, 50)).rho); };
    const auto sigma = [](double t, double) { return surface_tension(t) * 1e3; };
    expect_printed(
        rows(mu_upas, {{298.15, 998, "889.735100"}, {298.15, 1200, "1437.649467"}, {373.15, 1000, "307.883622"}}) +
        rows(mu_upas, {{433.15, 1, "14.538324"}, {433.15, 1000, "217.685358"}, {873.15, 1, "32.619287"}}) +
        rows(mu_upas, {{873.15, 100, "35.802262"}, {873.15, 600, "77.430195"}, {1173.15, 1, "44.217245"}}) +
        rows(mu_upas, {{1173.15, 100, "47.640433"}, {1173.15, 400, "64.154608"}}) +
        rows(lambda_mw, {{298.15, 0, "18.4341883"}, {298.15, 998, "607.712868"}}) +
        rows(lambda_mw, {{298.15, 1200, "799.038144"}, {873.15, 0, "79.1034659"}}) +
        rows(in(if97::region1), {{620, 20, "0.481485195e3"}, {620, 50, "0.545038940e3"}}) +
        rows(in(if97::region2), {{650, 0.3, "0.522311024e2"}, {800, 50, "0.177709914e3"}}) +
        rows(in(if97::region3), {{647.35, 222, "0.366879411e3"}, {647.35, 322, "0.124182415e4"}}) +
        rows(mu, {{620, 20, "0.709051068e2"}, {800, 0, "0.393727534e2"}}) +
        rows(mu_upas, {{647.35, 322, "0.393455495e2"}}) +
        rows(sigma, {{273.16, 0, "75.65"}, {298.15, 0, "71.97"}, {373.15, 0, "58.91"}, {573.15, 0, "14.36"}}));
}

// Each bound answered at it and refused just beyond it ("" for an answer, else a part of the message); a state
// within 1e-9 of ps(t) is on the saturation line, one 1.1e-9 off is not.
TEST(PropertiesWaterSteam, RefusalsAtAndBesideTheirBounds) {
    const double ps100 = saturation_pressure_pa(373.15) / 1000, ps360 = saturation_pressure_pa(633.15) / 1000;
    const auto expect = [](std::string got, const char* expected, const std::string& name) {
        EXPECT_TRUE(*expected ? got.find(expected) != std::string::npos : got.empty()) << name << ": " << got;
    };
    const auto at_t = [](double t) { return refusal(at(t, 100)); };
    const auto at_p = [](double p) { return refusal(at(25, p)); };
    const auto near100 = [&](double f) { return refusal(at(100, ps100 * (1 + f))); };
    const auto near360 = [&](double f) { return refusal(at(360, ps360 * (1 + f))); };
    // at 100 kPa: 0 ℃, −0.01 ℃, 800 ℃, 800.01 ℃; at 25 ℃: 0 kPa, 1e-6 kPa, 100 MPa, 100.001 MPa; no number;
    // ps(100 ℃)·(1 + f), f = 0.9e-9, −0.9e-9, 1.1e-9, −1.1e-9; ps(360 ℃)·(1 + f), f = 0.9e-9, 1.1e-9.
    const char *cold = "低于 0 ℃", *hot = "高于 800 ℃", *none = "大于零", *high = "100 MPa", *line = "饱和线上";
    const std::pair<std::string, const char*> cases[] = {
        {at_t(0), ""},           {at_t(-0.01), cold},      {at_t(800), ""},
        {at_t(800.01), hot},     {at_p(0), none},          {at_p(1e-6), ""},
        {at_p(100000), ""},      {at_p(100001), high},     {at_t(std::nan("")), "有效的数值"},
        {near100(0.9e-9), line}, {near100(-0.9e-9), line}, {near100(1.1e-9), ""},
        {near100(-1.1e-9), ""},  {near360(0.9e-9), line},  {near360(1.1e-9), ""}};
    for (std::size_t i = 0; i < std::size(cases); ++i)
        expect(cases[i].first, cases[i].second, "at(), case " + std::to_string(i));
    for (const auto& [t, expected] :
         {std::pair{0.0, ""}, {-0.01, "0～373.946 ℃"}, {373.946, ""}, {373.947, "0～373.946 ℃"}})
        expect(refusal(saturation_at_temperature(t)), expected, "saturated at " + std::to_string(t) + " ℃");
    for (const auto& [p, expected] :
         {std::pair{22064.0, ""}, {22065.0, "临界压力"}, {0.611213, ""}, {0.6112, "低于 0 ℃"}, {0.0, "大于零"}})
        expect(refusal(saturation_at_pressure(p)), expected, "saturated at " + std::to_string(p) + " kPa");
    expect(refusal(wet_at_temperature(100, -0.001)), "干度", "dryness −0.001");
    expect(refusal(wet_at_pressure(101.325, 1.001)), "干度", "dryness 1.001");
    expect(refusal(wet_at_temperature(400, 2)), "0～373.946 ℃", "the line before the dryness");
    EXPECT_EQ(refusal(at(100, ps100)), "该状态在饱和线上，请用“饱和（按温度）”或“饱和（按压力）”。");
}

// Each boundary crossed through `at`, a hair's breadth either side: the region switches there; on the saturation line
// each side is the saturated liquid or vapour, elsewhere the sides agree within IF97's permitted inconsistency. A
// saturated state by t and by the pressure it gives agree; wet steam at x = 0 and 1 is the saturated liquid and
// vapour, and halfway has the mean volume.
TEST(PropertiesWaterSteam, RegionsSaturatedAndWetStates) {
    const double ps100 = saturation_pressure_pa(373.15) / 1000, ps360 = saturation_pressure_pa(633.15) / 1000;
    const double pb23 = if97::b23_pressure(700) * 1000;
    const auto sat100 = std::get<Saturation>(saturation_at_temperature(100));
    const auto sat360 = std::get<Saturation>(saturation_at_temperature(360));
    const auto state = [](double t_c, double p_kpa) { return std::get<Properties>(at(t_c, p_kpa)); };
    const struct {
        const char* name;
        Properties low, high;  // on the side of the lower and of the higher pressure (or temperature)
        int low_region, high_region;
        const Saturation* line;  // the saturated states the sides are, if a saturation line
    } rows[] = {
        {"saturation at 100 ℃", state(100, ps100 * (1 - 2e-9)), state(100, ps100 * (1 + 2e-9)), 2, 1, &sat100},
        {"saturation at 360 ℃", state(360, ps360 * (1 - 2e-9)), state(360, ps360 * (1 + 2e-9)), 3, 3, &sat360},
        {"623.15 K at 20 MPa", state(350 - 1e-9, 20000), state(350 + 1e-9, 20000), 1, 3, nullptr},
        {"B23 at 700 K", state(426.85, pb23 * (1 - 1e-9)), state(426.85, pb23 * (1 + 1e-9)), 2, 3, nullptr},
    };
    for (const auto& r : rows) {
        const Properties& other = r.line ? r.line->liquid : r.low;  // the saturated liquid, or the other side
        EXPECT_EQ(r.low.region * 10 + r.high.region, r.low_region * 10 + r.high_region) << r.name;
        EXPECT_TRUE(std::abs(r.high.rho / other.rho - 1) <= (r.line ? 1e-7 : 5e-4) &&
                    std::abs(r.high.h - other.h) <= (r.line ? 1e-6 : 0.2) &&
                    (!r.line || std::abs(r.low.rho / r.line->vapour.rho - 1) <= 1e-7))
            << r.name;
    }
    for (double t_c : {0.0, 100.0, 200.0, 350.0, 360.0, 373.9}) {
        SCOPED_TRACE(t_c);
        const auto by_t = std::get<Saturation>(saturation_at_temperature(t_c));
        const auto by_p = std::get<Saturation>(saturation_at_pressure(by_t.p_kpa));
        EXPECT_NEAR(by_p.t_c, t_c, 1e-9);
        for (double ratio : {by_p.liquid.rho / by_t.liquid.rho, by_p.vapour.rho / by_t.vapour.rho,
                             by_p.liquid.h / by_t.liquid.h, by_p.r / by_t.r, by_p.vapour.lambda / by_t.vapour.lambda})
            EXPECT_NEAR(ratio, 1.0, 1e-8);
        const auto wet = std::get<WetSteam>(wet_at_temperature(t_c, 0)),
                   half = std::get<WetSteam>(wet_at_temperature(t_c, 0.5));
        const auto dry = std::get<WetSteam>(wet_at_pressure(by_t.p_kpa, 1));
        EXPECT_TRUE(wet.v == by_t.liquid.v && wet.h == by_t.liquid.h && wet.s == by_t.liquid.s);
        for (double ratio : {dry.v / by_p.vapour.v, dry.h / by_p.vapour.h, dry.s / by_p.vapour.s,
                             half.rho * (by_t.liquid.v + by_t.vapour.v) / 2})
            EXPECT_NEAR(ratio, 1.0, 1e-14);
    }
}

// The header's worked example, in the dialog's units (its ρ, cp, μ and λ: the convection page's fill); the critical
// point; the viscosity's approximate mark, which on the saturated liquid starts at 645.91 K (372.76 ℃).
TEST(PropertiesWaterSteam, WorkedExampleCriticalPointAndApproximateViscosity) {
    const auto water = std::get<Properties>(at(20, 101.325));
    expect_printed({{"h", water.h, "84.013"}, {"Pr", water.pr, "7.009"}}, false);
    const auto critical = std::get<Saturation>(saturation_at_temperature(373.946));
    EXPECT_TRUE(critical.liquid.rho == 322.0 && critical.vapour.rho == 322.0 && critical.r == 0.0 &&
                std::isinf(critical.liquid.cp) && std::isinf(critical.liquid.lambda) &&
                std::get<Properties>(at(373.946, 22064)).rho == 322.0);
    const auto approximate = [](double t_c) {
        return std::get<Saturation>(saturation_at_temperature(t_c)).liquid.mu_approximate;
    };
    EXPECT_TRUE(!approximate(372.7) && approximate(372.8));  // 645.85 K, 645.95 K
}
