#pragma once
// The balance of a group of sweep members, written once over the lane type V: a plain double
// (one member) or a vector of doubles (one member per lane). Every function is inlined into the
// function of the path that uses it, so it is compiled for that path's instruction set.
// Vectors are passed by reference only: by value a vector would travel in other registers under
// each instruction set.

#include <cstddef>
#include <cstring>

#include "engine/balance_day.h"
#include "engine/balance_lanes.h"

namespace balance::lanes {

#define VESPRA_LANE_INLINE [[gnu::always_inline]] inline

template <typename V>
constexpr std::size_t kWidth = sizeof(V) / sizeof(double);

// The larger of the lanes of `m`, halving the vector in registers.
VESPRA_LANE_INLINE double largestLane(double m) {
    return m;
}

#if defined(__GNUC__) || defined(__clang__)
typedef double Lanes2 __attribute__((vector_size(16)));
typedef double Lanes4 __attribute__((vector_size(32)));
typedef double Lanes8 __attribute__((vector_size(64)));

VESPRA_LANE_INLINE double largestLane(const Lanes2& m) {
    return m[0] > m[1] ? m[0] : m[1];
}
template <typename V, typename Half>
VESPRA_LANE_INLINE void halves(Half& lo, Half& hi, const V& m) {
#if defined(__has_builtin) && __has_builtin(__builtin_shufflevector)
    if constexpr (sizeof(V) == 32) {
        lo = __builtin_shufflevector(m, m, 0, 1), hi = __builtin_shufflevector(m, m, 2, 3);
    } else {
        lo = __builtin_shufflevector(m, m, 0, 1, 2, 3), hi = __builtin_shufflevector(m, m, 4, 5, 6, 7);
    }
#else
    std::memcpy(&lo, &m, sizeof lo);
    std::memcpy(&hi, reinterpret_cast<const char*>(&m) + sizeof lo, sizeof hi);
#endif
}
VESPRA_LANE_INLINE double largestLane(const Lanes4& m) {
    Lanes2 lo, hi;
    halves(lo, hi, m);
    return largestLane(lo > hi ? lo : hi);
}
VESPRA_LANE_INLINE double largestLane(const Lanes8& m) {
    Lanes4 lo, hi;
    halves(lo, hi, m);
    return largestLane(lo > hi ? lo : hi);
}
#endif

VESPRA_LANE_INLINE void splat(double& v, double x) {
    v = x;
}
template <typename V>
VESPRA_LANE_INLINE void splat(V& v, double x) {
    V local{};
    for (std::size_t i = 0; i < kWidth<V>; ++i) local[i] = x;
    v = local;
}

// Through a local, so that the compiler keeps a group's lanes in registers.
template <typename V>
VESPRA_LANE_INLINE void load(V& v, const double* p) {
    V local;
    std::memcpy(&local, p, sizeof local);
    v = local;
}
template <typename V>
VESPRA_LANE_INLINE void store(double* p, const V& v) {
    const V local = v;
    std::memcpy(p, &local, sizeof local);
}

// minOf and maxOf of balance_day.h, lane by lane.
template <typename V>
VESPRA_LANE_INLINE void setMin(V& r, const V& a, const V& b) {
    r = a < b ? a : b;
}
template <typename V>
VESPRA_LANE_INLINE void setMax(V& r, const V& a, const V& b) {
    r = a > b ? a : b;
}

// Values every lane shares.
template <typename V>
struct Shared {
    V zero, one, resSup, minRec;
    V floor;          // 0 as well, read where the compiler cannot see it: max(x, 0) stays one instruction
    V R, T, D, dPos;  // the day's
};

template <typename V>
VESPRA_LANE_INLINE void initShared(Shared<V>& s, const MonthJob& job) {
    static volatile double opaqueZero = 0.0;
    splat(s.zero, 0.0), splat(s.one, 1.0), splat(s.floor, opaqueZero);
    splat(s.resSup, job.resSup), splat(s.minRec, job.minRec);
}
template <typename V>
VESPRA_LANE_INLINE void setDay(Shared<V>& s, const DayInputs& day) {
    splat(s.R, day.R), splat(s.T, day.T), splat(s.D, day.D), splat(s.dPos, day.dPos);
}

// The day's class counts of metCompletely and metPartially. They are whole numbers of days, so
// every way of adding them up gives the same figures: a group counts the days met completely and
// the days with some rainwater, and the days met partially are the difference.
template <typename V>
VESPRA_LANE_INLINE void loadClasses(V& total, V& some, const Columns& c, std::size_t i) {
    V partial;
    load(total, c.total + i), load(partial, c.partial + i);
    some = partial + total;
}
template <typename V>
VESPRA_LANE_INLINE void addClasses(V& total, V& some, const V& S, const Shared<V>& s) {
    total = S >= s.D ? total + s.dPos : total;
    some = S > s.zero ? some + s.one : some;
}
template <typename V>
VESPRA_LANE_INLINE void storeClasses(const Columns& c, std::size_t i, const V& total, const V& some) {
    store(c.total + i, total), store(c.partial + i, some - total);
}

// ---------------------------------------------------------------------------------------
// Without an upper reservoir: dayWithoutUpper.

// A group's state stays in registers for the whole run of days; adding day by day onto the
// month's sums keeps every member's order of additions.
template <typename V, std::size_t NV>
VESPRA_LANE_INLINE void plainGroups(const MonthJob& job, std::size_t k) {
    constexpr std::size_t W = kWidth<V>;
    const Columns& c = job.at;
    V lv[NV], cap[NV], ls[NV], lc[NV], lo[NV], lt[NV], lp[NV];
    for (std::size_t g = 0; g < NV; ++g) {
        const std::size_t i = k + W * g;
        load(lv[g], c.vi + i), load(cap[g], c.cap + i), load(ls[g], c.cons + i), load(lc[g], c.pot + i);
        load(lo[g], c.extrav + i), loadClasses(lt[g], lp[g], c, i);
    }
    Shared<V> s;
    initShared(s, job);
    for (std::size_t d = 0; d < job.len; ++d) {
        setDay(s, job.days[d]);
        for (std::size_t g = 0; g < NV; ++g) {
            const V in = lv[g] + s.R;
            V V0, S;
            setMin(V0, in, cap[g]);
            const V O = in > cap[g] ? in - cap[g] : s.zero;
            setMin(S, s.D, V0);
            lv[g] = V0 - S;
            ls[g] += S;
            lc[g] += s.T - S;
            lo[g] += O;
            addClasses(lt[g], lp[g], S, s);
        }
    }
    for (std::size_t g = 0; g < NV; ++g) {
        const std::size_t i = k + W * g;
        store(c.vi + i, lv[g]), store(c.cons + i, ls[g]), store(c.pot + i, lc[g]), store(c.extrav + i, lo[g]);
        storeClasses(c, i, lt[g], lp[g]);
    }
}

// ---------------------------------------------------------------------------------------
// With an upper reservoir: dayWithUpper. A lane whose supply loop has ended keeps its values
// while the other lanes of its groups go on; the groups loop until every lane has ended.

// One day's flows of a group. `on` is above 0 in the lanes whose supply loop makes this pass,
// 0 in the others: a value in the flows' own registers, so that every choice is one comparison
// and a blend. A lane whose loop has ended keeps its S and vi, so its loop condition stays false:
// `on` is worked out afresh for every pass, from those values alone.
template <typename V>
struct UpperDay {
    V S, P, on;
};

// S < D and `held` > 0, lane by lane: the supply loop's condition with the lower reservoir's
// volume (the pass limit is the loop's own), the final draw's with the upper one's. For any two
// doubles S < D exactly when D − S > 0 (with gradual underflow a difference of unequal doubles is
// never 0, and NaN compares false both ways), so `on` is the demand still to supply where the
// reservoir holds water.
template <typename V>
VESPRA_LANE_INLINE void setSupplying(UpperDay<V>& f, const V& held, const Shared<V>& s) {
    const V gap = s.D - f.S;
    f.on = held > s.zero ? gap : s.zero;
}

// One pass of the supply loop, for the lanes that still supply. Passes are whole numbers, so
// each one is counted straight onto the month's sum.
template <typename V, bool kPumpsDemand>
VESPRA_LANE_INLINE void supplyPass(V& vi, V& vs, V& passes, UpperDay<V>& f, const Shared<V>& s) {
    V p, x;
    if constexpr (kPumpsDemand) {
        setMin(p, s.resSup - vs + s.D, vi);
    } else {
        setMin(p, s.resSup - vs, vi);
    }
    p = vs > s.minRec ? s.zero : p;
    const V on = f.on;
    f.P = on > s.zero ? f.P + p : f.P;
    vi = on > s.zero ? vi - p : vi;
    vs = on > s.zero ? vs + p : vs;
    if constexpr (kPumpsDemand) {
        setMin(x, s.D, vs);
    } else {
        V above, gap;
        setMax(above, vs - s.minRec, s.floor);
        setMin(gap, above, s.D - f.S);
        setMin(x, gap, vs);
    }
    vs = on > s.zero ? vs - x : vs;
    f.S = on > s.zero ? f.S + x : f.S;
    passes = on > s.zero ? passes + s.one : passes;
}

template <typename V>
VESPRA_LANE_INLINE void finalDraw(V& vs, UpperDay<V>& f, const Shared<V>& s) {
    V y;
    const V gap = s.D - f.S;
    setMin(y, gap, vs);
    vs = f.on > s.zero ? vs - y : vs;
    f.S = f.on > s.zero ? f.S + y : f.S;
}

// A group's volumes and month sums.
template <typename V>
struct UpperState {
    V vi, vs, cap, cons, pot, extrav, recalc, passes, total, some;
};

template <typename V>
VESPRA_LANE_INLINE void loadState(UpperState<V>& u, const Columns& c, std::size_t i) {
    load(u.vi, c.vi + i), load(u.vs, c.vs + i), load(u.cap, c.cap + i), load(u.cons, c.cons + i);
    load(u.pot, c.pot + i), load(u.extrav, c.extrav + i), load(u.recalc, c.recalc + i);
    load(u.passes, c.passes + i), loadClasses(u.total, u.some, c, i);
}
template <typename V>
VESPRA_LANE_INLINE void storeState(const Columns& c, std::size_t i, const UpperState<V>& u) {
    store(c.vi + i, u.vi), store(c.vs + i, u.vs), store(c.cons + i, u.cons), store(c.pot + i, u.pot);
    store(c.extrav + i, u.extrav), store(c.recalc + i, u.recalc), store(c.passes + i, u.passes);
    storeClasses(c, i, u.total, u.some);
}

// The day up to the supply loop: the runoff into the lower reservoir, its overflow.
template <typename V>
VESPRA_LANE_INLINE void startDay(UpperState<V>& u, UpperDay<V>& f, const Shared<V>& s) {
    const V in = u.vi + s.R;
    setMin(u.vi, in, u.cap);
    u.extrav += in > u.cap ? in - u.cap : s.zero;
    f.S = s.zero, f.P = s.zero;
}

template <typename V>
VESPRA_LANE_INLINE void endDay(UpperState<V>& u, UpperDay<V>& f, const Shared<V>& s) {
    u.cons += f.S;
    u.pot += s.T - f.S;
    u.recalc += f.P;
    addClasses(u.total, u.some, f.S, s);
}

template <typename V, std::size_t NV, bool kPumpsDemand>
VESPRA_LANE_INLINE void upperGroups(const MonthJob& job, std::size_t k) {
    constexpr std::size_t W = kWidth<V>;
    UpperState<V> u[NV];
    for (std::size_t g = 0; g < NV; ++g) loadState(u[g], job.at, k + W * g);
    Shared<V> s;
    initShared(s, job);
    for (std::size_t d = 0; d < job.len; ++d) {
        setDay(s, job.days[d]);
        UpperDay<V> f[NV];
        for (std::size_t g = 0; g < NV; ++g) startDay(u[g], f[g], s);
        // Every lane still supplying has made every pass so far: the pass limit is the loop's.
        // Most days take a pass: the first one runs without asking whether any lane needs it
        // (a lane that does not keeps its values).
        for (std::size_t g = 0; g < NV; ++g) {
            setSupplying(f[g], u[g].vi, s);
            supplyPass<V, kPumpsDemand>(u[g].vi, u[g].vs, u[g].passes, f[g], s);
        }
        for (int pass = 1; pass < kMaxPasses; ++pass) {
            V any = s.zero;
            for (std::size_t g = 0; g < NV; ++g) {
                setSupplying(f[g], u[g].vi, s);
                setMax(any, f[g].on, any);  // NaN from a NaN demand stays out
            }
            if (!(largestLane(any) > 0)) break;
            for (std::size_t g = 0; g < NV; ++g)
                supplyPass<V, kPumpsDemand>(u[g].vi, u[g].vs, u[g].passes, f[g], s);
        }
        // The final draw, where S < D and vs > 0 (as in setSupplying): mostly on days the lower
        // reservoir ran dry, so the groups skip it when no lane needs it.
        V any = s.zero;
        for (std::size_t g = 0; g < NV; ++g) {
            setSupplying(f[g], u[g].vs, s);
            setMax(any, f[g].on, any);
        }
        if (largestLane(any) > 0) {
            for (std::size_t g = 0; g < NV; ++g) finalDraw(u[g].vs, f[g], s);
        }
        for (std::size_t g = 0; g < NV; ++g) endDay(u[g], f[g], s);
    }
    for (std::size_t g = 0; g < NV; ++g) storeState(job.at, k + W * g, u[g]);
}

// ---------------------------------------------------------------------------------------

// Every member of the job, NV groups of lanes at a time, then the groups left one by one.
template <typename V, std::size_t NV, bool kUpper, bool kPumpsDemand>
VESPRA_LANE_INLINE void eachGroup(const MonthJob& job) {
    constexpr std::size_t W = kWidth<V>;
    std::size_t k = 0;
    for (; k + NV * W <= job.count; k += NV * W) {
        if constexpr (kUpper) {
            upperGroups<V, NV, kPumpsDemand>(job, k);
        } else {
            plainGroups<V, NV>(job, k);
        }
    }
    for (; k < job.count; k += W) {
        if constexpr (kUpper) {
            upperGroups<V, 1, kPumpsDemand>(job, k);
        } else {
            plainGroups<V, 1>(job, k);
        }
    }
}

// The month for every member on lanes of type V: NV groups in the plain balance, NU with an
// upper reservoir.
template <typename V, std::size_t NV, std::size_t NU>
VESPRA_LANE_INLINE void monthOnLanes(const MonthJob& job) {
    if (!job.upper) {
        eachGroup<V, NV, false, false>(job);
    } else if (job.minRec >= job.resSup) {
        // A threshold at or above the volume: one pass fills the upper reservoir and delivers
        // the day's demand as well.
        eachGroup<V, NU, true, true>(job);
    } else {
        eachGroup<V, NU, true, false>(job);
    }
}

}  // namespace balance::lanes
