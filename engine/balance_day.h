#pragma once
// One day of the water balance, in litres. Shared by every run of the engine so that a
// simulation on its own and the same system inside a sweep compute the same figures.

namespace balance {

inline double minOf(double a, double b) { return a < b ? a : b; }
inline double maxOf(double a, double b) { return a > b ? a : b; }

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
inline DayFlows dayWithoutUpper(double& vi, double R, double D, double resInf) {
    const double in = vi + R;
    const double V = minOf(in, resInf);
    DayFlows f;
    f.O = in > resInf ? in - resInf : 0.0;
    f.S = minOf(D, V);
    vi = V - f.S;
    return f;
}

// With an upper reservoir fed by a pump from the lower one. The pump refills the upper
// reservoir when its volume is at or below the threshold `minRec`.
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
