#pragma once
// One day of the water balance, in litres. Shared by every run of the engine so that a
// simulation on its own and the same system inside a sweep compute the same figures.

namespace balance {

[[gnu::always_inline]] inline double minOf(double a, double b) {
    return a < b ? a : b;
}
inline double maxOf(double a, double b) {
    return a > b ? a : b;
}

// The runoff reaching the lower reservoir on a day of `prec` mm (the series after the
// first-flush discard), litres: every run and every figure formed from the series uses it.
[[gnu::always_inline]] inline double dayRunoff(double prec, double area, double coef) {
    return prec * area * coef;
}
// The day's rainwater demand, litres: the substitution share of `q` litres per person for `n`
// people.
[[gnu::always_inline]] inline double dayRainDemand(double subs, double q, double n) {
    return subs * q * n;
}

// The most supply-loop passes in one day.
constexpr int kMaxPasses = 10000;

struct DayFlows {
    double S = 0;  // rainwater supplied
    double O = 0;  // overflow of the lower reservoir
    double P = 0;  // pumped to the upper reservoir
    int k = 0;     // supply-loop passes
};

// Without an upper reservoir: the consumers draw straight from the lower reservoir.
// `vi` is the lower reservoir's volume, carried from day to day.
// Written without branches so that a sweep's members run side by side in vector registers.
[[gnu::always_inline]] inline void dayWithoutUpper(double& vi, double R, double D, double resInf, double& S,
                                                   double& O) {
    const double in = vi + R;
    const double V = minOf(in, resInf);
    O = in > resInf ? in - resInf : 0.0;
    S = minOf(D, V);
    vi = V - S;
}

inline DayFlows dayWithoutUpper(double& vi, double R, double D, double resInf) {
    DayFlows f;
    dayWithoutUpper(vi, R, D, resInf, f.S, f.O);
    return f;
}

// The day's class counts: met completely when the supply reaches the demand (S >= D > 0),
// partially when 0 < S < D; `demandPositive` is 1 when D > 0. With an upper reservoir the supply
// loop adds the day's draws one by one, and their sum can end one rounding step above the
// demand: such a day is met completely. So "partially" is "some rainwater" less "completely".
[[gnu::always_inline]] inline double metCompletely(double S, double D, double demandPositive) {
    return S >= D ? demandPositive : 0.0;
}
[[gnu::always_inline]] inline double metPartially(double S, double completely) {
    return (S > 0 ? 1.0 : 0.0) - completely;
}

// With an upper reservoir fed by a pump from the lower one. The pump refills the upper
// reservoir when its volume is at or below the threshold `minRec`. A sweep's lanes do the same,
// operation for operation, in balance_kernels.h.
inline DayFlows dayWithUpper(double& vi, double& vs, double R, double D, double resInf, double resSup,
                             double minRec) {
    DayFlows f;
    const double in = vi + R;
    const double V = minOf(in, resInf);
    f.O = in > resInf ? in - resInf : 0.0;
    vi = V;
    // A threshold at or above the volume: one pass fills the upper reservoir and delivers
    // the day's demand as well.
    const bool pumpsDemand = minRec >= resSup;
    while (f.S < D && vi > 0 && f.k < kMaxPasses) {
        double p;
        if (vs > minRec) {
            p = 0;
        } else if (pumpsDemand) {
            p = minOf(resSup - vs + D, vi);
        } else {
            p = minOf(resSup - vs, vi);
        }
        f.P += p;
        vi -= p;
        vs += p;
        double x;
        if (pumpsDemand) {
            x = minOf(D, vs);
        } else {
            x = minOf(minOf(maxOf(vs - minRec, 0.0), D - f.S), vs);
        }
        vs -= x;
        f.S += x;
        ++f.k;
    }
    // The lower reservoir ran dry or the pass limit was reached: what the upper reservoir
    // still holds goes to the consumers, below the threshold if need be.
    if (f.S < D && vs > 0) {
        const double y = minOf(D - f.S, vs);
        vs -= y;
        f.S += y;
    }
    return f;
}

}  // namespace balance
