#include "calc/properties/if97.h"

#include <array>
#include <cmath>

namespace vxr::calc::water::if97 {
namespace {

// One term nᵢ·x^Iᵢ·y^Jᵢ of a basic equation.
struct Term {
    int i;
    int j;
    double n;
};

// Region 1, table 2.
constexpr std::array<Term, 34> kRegion1 = {{
    {0, -2, 0.14632971213167},        {0, -1, -0.84548187169114},       {0, 0, -0.37563603672040e1},
    {0, 1, 0.33855169168385e1},       {0, 2, -0.95791963387872},        {0, 3, 0.15772038513228},
    {0, 4, -0.16616417199501e-1},     {0, 5, 0.81214629983568e-3},      {1, -9, 0.28319080123804e-3},
    {1, -7, -0.60706301565874e-3},    {1, -1, -0.18990068218419e-1},    {1, 0, -0.32529748770505e-1},
    {1, 1, -0.21841717175414e-1},     {1, 3, -0.52838357969930e-4},     {2, -3, -0.47184321073267e-3},
    {2, 0, -0.30001780793026e-3},     {2, 1, 0.47661393906987e-4},      {2, 3, -0.44141845330846e-5},
    {2, 17, -0.72694996297594e-15},   {3, -4, -0.31679644845054e-4},    {3, 0, -0.28270797985312e-5},
    {3, 6, -0.85205128120103e-9},     {4, -5, -0.22425281908000e-5},    {4, -2, -0.65171222895601e-6},
    {4, 10, -0.14341729937924e-12},   {5, -8, -0.40516996860117e-6},    {8, -11, -0.12734301741641e-8},
    {8, -6, -0.17424871230634e-9},    {21, -29, -0.68762131295531e-18}, {23, -31, 0.14478307828521e-19},
    {29, -38, 0.26335781662795e-22},  {30, -39, -0.11947622640071e-22}, {31, -40, 0.18228094581404e-23},
    {32, -41, -0.93537087292458e-25},
}};

// Region 2, ideal-gas part, table 10 (exponent J⁰ in `j`).
constexpr std::array<Term, 9> kRegion2Ideal = {{
    {0, 0, -0.96927686500217e1},
    {0, 1, 0.10086655968018e2},
    {0, -5, -0.56087911283020e-2},
    {0, -4, 0.71452738081455e-1},
    {0, -3, -0.40710498223928},
    {0, -2, 0.14240819171444e1},
    {0, -1, -0.43839511319450e1},
    {0, 2, -0.28408632460772},
    {0, 3, 0.21268463753307e-1},
}};

// Region 2, residual part, table 11.
constexpr std::array<Term, 43> kRegion2Residual = {{
    {1, 0, -0.17731742473213e-2},    {1, 1, -0.17834862292358e-1},    {1, 2, -0.45996013696365e-1},
    {1, 3, -0.57581259083432e-1},    {1, 6, -0.50325278727930e-1},    {2, 1, -0.33032641670203e-4},
    {2, 2, -0.18948987516315e-3},    {2, 4, -0.39392777243355e-2},    {2, 7, -0.43797295650573e-1},
    {2, 36, -0.26674547914087e-4},   {3, 0, 0.20481737692309e-7},     {3, 1, 0.43870667284435e-6},
    {3, 3, -0.32277677238570e-4},    {3, 6, -0.15033924542148e-2},    {3, 35, -0.40668253562649e-1},
    {4, 1, -0.78847309559367e-9},    {4, 2, 0.12790717852285e-7},     {4, 3, 0.48225372718507e-6},
    {5, 7, 0.22922076337661e-5},     {6, 3, -0.16714766451061e-10},   {6, 16, -0.21171472321355e-2},
    {6, 35, -0.23895741934104e2},    {7, 0, -0.59059564324270e-17},   {7, 11, -0.12621808899101e-5},
    {7, 25, -0.38946842435739e-1},   {8, 8, 0.11256211360459e-10},    {8, 36, -0.82311340897998e1},
    {9, 13, 0.19809712802088e-7},    {10, 4, 0.10406965210174e-18},   {10, 10, -0.10234747095929e-12},
    {10, 14, -0.10018179379511e-8},  {16, 29, -0.80882908646985e-10}, {16, 50, 0.10693031879409},
    {18, 57, -0.33662250574171},     {20, 20, 0.89185845355421e-24},  {20, 35, 0.30629316876232e-12},
    {20, 48, -0.42002467698208e-5},  {21, 21, -0.59056029685639e-25}, {22, 53, 0.37826947613457e-5},
    {23, 39, -0.12768608934681e-14}, {24, 26, 0.73087610595061e-28},  {24, 40, 0.55414715350778e-16},
    {24, 58, -0.94369707241210e-6},
}};

// Region 3, table 30: n₁ of the logarithmic term, then the terms i = 2 … 40.
constexpr double kRegion3Log = 0.10658070028513e1;
constexpr std::array<Term, 39> kRegion3 = {{
    {0, 0, -0.15732845290239e2},   {0, 1, 0.20944396974307e2},    {0, 2, -0.76867707878716e1},
    {0, 7, 0.26185947787954e1},    {0, 10, -0.28080781148620e1},  {0, 12, 0.12053369696517e1},
    {0, 23, -0.84566812812502e-2}, {1, 2, -0.12654315477714e1},   {1, 6, -0.11524407806681e1},
    {1, 15, 0.88521043984318},     {1, 17, -0.64207765181607},    {2, 0, 0.38493460186671},
    {2, 2, -0.85214708824206},     {2, 6, 0.48972281541877e1},    {2, 7, -0.30502617256965e1},
    {2, 22, 0.39420536879154e-1},  {2, 26, 0.12558408424308},     {3, 0, -0.27999329698710},
    {3, 2, 0.13899799569460e1},    {3, 4, -0.20189915023570e1},   {3, 16, -0.82147637173963e-2},
    {3, 26, -0.47596035734923},    {4, 0, 0.43984074473500e-1},   {4, 2, -0.44476435428739},
    {4, 4, 0.90572070719733},      {4, 26, 0.70522450087967},     {5, 1, 0.10770512626332},
    {5, 3, -0.32913623258954},     {5, 26, -0.50871062041158},    {6, 0, -0.22175400873096e-1},
    {6, 2, 0.94260751665092e-1},   {6, 26, 0.16436278447961},     {7, 2, -0.13503372241348e-1},
    {8, 26, -0.14834345352472e-1}, {9, 2, 0.57922953628084e-3},   {9, 26, 0.32308904703711e-2},
    {10, 0, 0.80964802996215e-4},  {10, 1, -0.16557679795037e-3}, {11, 26, -0.44923899061815e-4},
}};

// Region 4, table 34.
constexpr std::array<double, 10> kSaturation = {
    0.11670521452767e4, -0.72421316703206e6, -0.17073846940092e2, 0.12020824702470e5, -0.32325550322333e7,
    0.14915108613530e2, -0.48232657361591e4, 0.40511340542057e6,  -0.23855557567849,  0.65017534844798e3,
};

// B23, table 1.
constexpr std::array<double, 5> kB23 = {
    0.34805185628969e3, -0.11671859879975e1, 0.10192970039326e-2, 0.57254459862746e3, 0.13918839778870e2,
};

// x^k for k = lo … hi by repeated multiplication (x ≠ 0 where lo < 0).
template <int Lo, int Hi>
class Powers {
public:
    explicit Powers(double x) {
        at(0) = 1.0;
        for (int k = 1; k <= Hi; ++k) at(k) = at(k - 1) * x;
        const double inverse = 1.0 / x;
        for (int k = -1; k >= Lo; --k) at(k) = at(k + 1) * inverse;
    }
    double operator[](int k) const { return v_[k - Lo]; }

private:
    double& at(int k) { return v_[k - Lo]; }
    std::array<double, Hi - Lo + 1> v_{};
};

// Σ t, Σ I·t, Σ I(I−1)·t, Σ J·t, Σ J(J−1)·t, Σ I·J·t over the terms t = n·x^I·y^J: the function and its partial
// derivatives are these sums divided by x, x², y, y², x·y.
struct Sums {
    double f = 0, fi = 0, fii = 0, fj = 0, fjj = 0, fij = 0;
};

template <class Table, class X, class Y>
Sums sums(const Table& table, const X& x, const Y& y) {
    Sums s;
    for (const Term& term : table) {
        const double t = term.n * x[term.i] * y[term.j];
        s.f += t;
        s.fi += term.i * t;
        s.fii += term.i * (term.i - 1) * t;
        s.fj += term.j * t;
        s.fjj += term.j * (term.j - 1) * t;
        s.fij += term.i * term.j * t;
    }
    return s;
}

// The dimensionless Gibbs free energy γ(π, τ) and its derivatives.
struct Gibbs {
    double g, gp, gpp, gt, gtt, gpt;
};

// A state from the Gibbs free energy of regions 1 and 2 (the relations of the release's tables 3 and 12).
State from_gibbs(double t, double p, double p_star, double tau, const Gibbs& d) {
    const double pi = p / p_star;
    const double rt = kR * t;  // kJ/kg
    const double v = rt * pi * d.gp / (p * 1000.0);
    const double expansion = d.gp - tau * d.gpt;
    State s{};
    s.t = t;
    s.p = p;
    s.rho = 1.0 / v;
    s.h = rt * tau * d.gt;
    s.u = rt * (tau * d.gt - pi * d.gp);
    s.s = kR * (tau * d.gt - d.g);
    s.cp = -kR * tau * tau * d.gtt;
    s.cv = kR * (-tau * tau * d.gtt + expansion * expansion / d.gpp);
    s.w = std::sqrt(rt * 1000.0 * d.gp * d.gp / (expansion * expansion / (tau * tau * d.gtt) - d.gpp));
    const double dv_dp = rt * d.gpp / (1000.0 * p_star * p_star);  // m³/(kg·MPa)
    s.drho_dp = -s.rho * s.rho * dv_dp;
    return s;
}

// Region 3 along one isotherm: the powers of τ are worked out once for the density search.
class Isotherm3 {
public:
    explicit Isotherm3(double t) : t_(t), tau_(kTc / t), tau_powers_(tau_) {}

    // φ and its derivatives at δ, as sums (see `Sums`) without the logarithmic term.
    Sums at(double delta) const { return sums(kRegion3, Powers<0, 11>(delta), tau_powers_); }

    // p in MPa and (∂p/∂ρ)_T in MPa·m³/kg at ρ.
    void pressure(double rho, double& p, double& dp_drho) const {
        const double delta = rho / kRhoc;
        const Sums s = at(delta);
        const double d_phi_d = kRegion3Log + s.fi;      // δ·φ_δ
        const double d2_phi_dd = -kRegion3Log + s.fii;  // δ²·φ_δδ
        p = rho * kR * t_ * d_phi_d / 1000.0;
        dp_drho = kR * t_ * (2.0 * d_phi_d + d2_phi_dd) / 1000.0;
    }

    State state(double rho) const {
        const double delta = rho / kRhoc;
        const Sums s = at(delta);
        const double phi = kRegion3Log * std::log(delta) + s.f;
        const double d_phi_d = kRegion3Log + s.fi;      // δ·φ_δ
        const double d2_phi_dd = -kRegion3Log + s.fii;  // δ²·φ_δδ
        const double t_phi_t = s.fj;                    // τ·φ_τ
        const double t2_phi_tt = s.fjj;                 // τ²·φ_ττ
        const double dt_phi_dt = s.fij;                 // δ·τ·φ_δτ
        const double rt = kR * t_;
        const double stiffness = 2.0 * d_phi_d + d2_phi_dd;
        const double coupling = d_phi_d - dt_phi_dt;
        State st{};
        st.t = t_;
        st.rho = rho;
        st.p = rho * rt * d_phi_d / 1000.0;
        st.u = rt * t_phi_t;
        st.h = rt * (t_phi_t + d_phi_d);
        st.s = kR * (t_phi_t - phi);
        st.cv = -kR * t2_phi_tt;
        st.cp = kR * (-t2_phi_tt + coupling * coupling / stiffness);
        st.w = std::sqrt(rt * 1000.0 * (stiffness - coupling * coupling / t2_phi_tt));
        st.drho_dp = 1000.0 / (rt * stiffness);
        return st;
    }

private:
    double t_;
    double tau_;
    Powers<0, 26> tau_powers_;
};

constexpr double kRho3Lowest = 40.0;    // kg/m³
constexpr double kRho3Highest = 800.0;  // kg/m³

// Safeguarded Newton inside [a, b], where p(ρ) rises and p(a) ≤ p ≤ p(b).
double solve_bracketed(const Isotherm3& isotherm, double p, double a, double b, double start) {
    double rho = start;
    double step_before = b - a;
    for (int k = 0; k < 200; ++k) {
        double pk = 0, slope = 0;
        isotherm.pressure(rho, pk, slope);
        const double g = pk - p;
        if (g == 0.0) return rho;
        (g < 0 ? a : b) = rho;
        double next = slope > 0 ? rho - g / slope : a - 1.0;
        // Bisect where Newton leaves the bracket or converges more slowly than bisection would.
        if (!(next > a && next < b) || std::abs(next - rho) > 0.5 * step_before) next = 0.5 * (a + b);
        step_before = std::abs(next - rho);
        rho = next;
        if (step_before <= 1e-13 * rho || b - a <= 1e-13 * rho) return rho;
    }
    return rho;
}

}  // namespace

State region1(double t, double p) {
    const double pi = p / 16.53, tau = 1386.0 / t;
    const double x = 7.1 - pi, y = tau - 1.222;
    const Sums s = sums(kRegion1, Powers<0, 32>(x), Powers<-41, 17>(y));
    // γ_π = −Σ I·t / x and γ_πτ = −Σ I·J·t / (x·y): the signs come from d(7.1 − π)/dπ = −1.
    const Gibbs d{s.f, -s.fi / x, s.fii / (x * x), s.fj / y, s.fjj / (y * y), -s.fij / (x * y)};
    return from_gibbs(t, p, 16.53, tau, d);
}

State region2(double t, double p) {
    const double pi = p, tau = 540.0 / t;
    const double y = tau - 0.5;
    const Sums r = sums(kRegion2Residual, Powers<0, 24>(pi), Powers<0, 58>(y));
    const Sums o = sums(kRegion2Ideal, Powers<0, 0>(1.0), Powers<-5, 3>(tau));
    const Gibbs d{
        std::log(pi) + o.f + r.f,
        1.0 / pi + r.fi / pi,
        -1.0 / (pi * pi) + r.fii / (pi * pi),
        o.fj / tau + r.fj / y,
        o.fjj / (tau * tau) + r.fjj / (y * y),
        r.fij / (pi * y),
    };
    return from_gibbs(t, p, 1.0, tau, d);
}

State region3(double t, double rho) {
    return Isotherm3(t).state(rho);
}

double region3_density(double t, double p, Branch branch) {
    const Isotherm3 isotherm(t);
    double a = kRho3Lowest, b = kRho3Highest;
    if (branch != Branch::single) {
        // Bisect the branch's half of the isotherm: `inside` stays in the loop (p falls), `outside` on the branch
        // beyond the root, until a point on the branch short of the root turns up.
        const bool liquid = branch == Branch::liquid;
        double inside = kRhoc, outside = liquid ? kRho3Highest : kRho3Lowest, short_of_root = 0.0;
        for (int k = 0; k < 100 && short_of_root == 0.0 && std::abs(outside - inside) > 1e-13 * kRhoc; ++k) {
            const double mid = 0.5 * (inside + outside);
            double pm = 0, slope = 0;
            isotherm.pressure(mid, pm, slope);
            if (slope <= 0) {
                inside = mid;
            } else if (liquid ? pm <= p : pm >= p) {
                short_of_root = mid;
            } else {
                outside = mid;
            }
        }
        // Without such a point the loop is too small to split: the root is then the spinodal, next to `outside`.
        const double near_end = short_of_root != 0.0 ? short_of_root : outside;
        (liquid ? b : a) = outside;
        (liquid ? a : b) = near_end;
    }
    return solve_bracketed(isotherm, p, a, b, branch == Branch::vapour ? a : b);
}

double saturation_pressure(double t) {
    const auto& n = kSaturation;
    const double theta = t + n[8] / (t - n[9]);
    const double a = theta * theta + n[0] * theta + n[1];
    const double b = n[2] * theta * theta + n[3] * theta + n[4];
    const double c = n[5] * theta * theta + n[6] * theta + n[7];
    return std::pow(2.0 * c / (-b + std::sqrt(b * b - 4.0 * a * c)), 4);
}

double saturation_temperature(double p) {
    const auto& n = kSaturation;
    const double beta = std::pow(p, 0.25);
    const double e = beta * beta + n[2] * beta + n[5];
    const double f = n[0] * beta * beta + n[3] * beta + n[6];
    const double g = n[1] * beta * beta + n[4] * beta + n[7];
    const double d = 2.0 * g / (-f - std::sqrt(f * f - 4.0 * e * g));
    return 0.5 * (n[9] + d - std::sqrt((n[9] + d) * (n[9] + d) - 4.0 * (n[8] + n[9] * d)));
}

double b23_pressure(double t) {
    return kB23[0] + kB23[1] * t + kB23[2] * t * t;
}

double b23_temperature(double p) {
    return kB23[3] + std::sqrt((p - kB23[4]) / kB23[2]);
}

}  // namespace vxr::calc::water::if97
