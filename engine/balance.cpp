#include <algorithm>
#include <vector>

#include "common/safe_div.h"
#include "engine/balance_day.h"
#include "engine/balance_run.h"
#include "engine/capt_agua.h"
#include "engine/month_array.h"
#include "engine/reference_year.h"

namespace balance {
namespace {

// A run of consecutive days of the series in one calendar month.
struct MonthRun {
    int month;
    std::size_t first;
    std::size_t count;
};

// Splits N days from `start` into month runs, walking the real calendar.
std::vector<MonthRun> monthRuns(TDate start, std::size_t n) {
    std::vector<MonthRun> runs;
    int y, m, d;
    start.toYMD(y, m, d);
    std::size_t j = 0;
    while (j < n) {
        const int left = TDate::daysInMonth(y, m) - d + 1;
        const std::size_t len = std::min(static_cast<std::size_t>(left), n - j);
        runs.push_back({m, j, len});
        j += len;
        d = 1;
        if (++m > 12) {
            m = 1;
            ++y;
        }
    }
    return runs;
}

// Per-day totals a month accumulates before they become results.
struct MonthSums {
    MonthArray<double> cons, pot, extrav, recalc, passes, total, partial;
    MonthArray<std::int32_t> days;
};

// Turns the accumulated sums of a run of `n` days into the simulation's results.
void finish(TCaptAgua& sim, const MonthSums& sums, std::size_t n) {
    double daysTotal = 0, daysPartial = 0, daysNot = 0;
    for (int m = 1; m <= 12; ++m) {
        const double cnt = sums.days[m];
        sim.vecVMediaMensalCont[m] = sums.days[m];
        sim.vecContRec[m] = safeDiv(sums.passes[m], cnt);
        sim.vecVConsPluv[m] = safeDiv(sums.cons[m], cnt) * kReferenceMonthDays[m];
        sim.vecVConsPot[m] = safeDiv(sums.pot[m], cnt) * kReferenceMonthDays[m];
        sim.vecVRecalc[m] = safeDiv(sums.recalc[m], cnt) * kReferenceMonthDays[m];
        sim.vecVExtrav[m] = safeDiv(sums.extrav[m], cnt) * kReferenceMonthDays[m];
    }
    double sumPluv = 0, sumPot = 0, sumExtrav = 0;
    for (int m = 1; m <= 12; ++m) {
        sumPluv += sim.vecVConsPluv[m];
        sumPot += sim.vecVConsPot[m];
        sumExtrav += sim.vecVExtrav[m];
    }
    sim.dblConsPluvMed = sumPluv / 365;
    sim.dblConsPotMed = sumPot / 365;
    sim.dblVExtravMed = sumExtrav / 365;
    for (int m = 1; m <= 12; ++m) {
        const double cnt = sums.days[m];
        const double notMet = cnt - sums.total[m] - sums.partial[m];
        daysTotal += sums.total[m];
        daysPartial += sums.partial[m];
        daysNot += notMet;
        sim.vecPorcAtendTotal[m] = safeDiv(sums.total[m], cnt);
        sim.vecPorcAtendParc[m] = safeDiv(sums.partial[m], cnt);
        sim.vecPorcNaoAtend[m] = safeDiv(notMet, cnt);
    }
    // No consumption at all (no occupants or no demand) gives no savings rather than 0 ÷ 0.
    const double consumption = sim.dblConsPluvMed + sim.dblConsPotMed;
    sim.dblEconPot = consumption > 0 ? 100 * sim.dblConsPluvMed / consumption : 0.0;
    const auto days = static_cast<double>(n);
    sim.dblPorcAtendTotal = 100 * daysTotal / days;
    sim.dblPorcAtendParc = 100 * daysPartial / days;
    sim.dblPorcNaoAtend = 100 * daysNot / days;
}

// Daily demand cycles, walked without a division per day.
struct Cycle {
    const double* values;
    std::size_t size;
    std::size_t pos = 0;
    double next() {
        const double v = values[pos];
        if (++pos == size) pos = 0;
        return v;
    }
};

// The inputs of one day, the same for every member of a sweep.
struct DayInputs {
    double R;     // runoff reaching the lower reservoir, L
    double T;     // total demand, L
    double D;     // rainwater demand, L
    double dPos;  // 1 when D > 0
};

// The inputs of the `len` days of the series from `first`, the demand cycles walked on.
void fillDayInputs(const TCaptAgua& in, std::size_t first, std::size_t len, Cycle& dem, Cycle& occ,
                   DayInputs* out) {
    const double* prec = in.vecDadosPrec.data();
    const double area = in.dblAreaCapt, coef = in.dblCoefAprov, subs = in.dblPorcSubs;
    for (std::size_t d = 0; d < len; ++d) {
        const double q = dem.next();
        const double n = occ.next();
        DayInputs& di = out[d];
        di.R = dayRunoff(prec[first + d], area, coef);
        di.T = q * n;
        di.D = dayRainDemand(subs, q, n);
        di.dPos = di.D > 0 ? 1.0 : 0.0;
    }
}

// One day of a system with an upper reservoir, added onto the sums of month `m`.
[[gnu::always_inline]] inline void addDayWithUpper(MonthSums& sums, int m, const DayInputs& day, double& vi,
                                                   double& vs, double resInf, double resSup, double minRec) {
    const DayFlows f = dayWithUpper(vi, vs, day.R, day.D, resInf, resSup, minRec);
    sums.cons[m] += f.S;
    sums.pot[m] += day.T - f.S;
    sums.extrav[m] += f.O;
    sums.recalc[m] += f.P;
    sums.passes[m] += f.k;
    const double full = metCompletely(f.S, day.D, day.dPos);
    sums.total[m] += full;
    sums.partial[m] += metPartially(f.S, full);
}

// The same for one member, in plain doubles.
[[gnu::always_inline]] inline void memberRun(const DayInputs* days, std::size_t len, double& v, double cap,
                                             double& s, double& c, double& o, double& t, double& p) {
    double lv = v, ls = s, lc = c, lo = o, lt = t, lp = p;
    for (std::size_t d = 0; d < len; ++d) {
        double S, O;
        dayWithoutUpper(lv, days[d].R, days[d].D, cap, S, O);
        ls += S;
        lc += days[d].T - S;
        lo += O;
        const double full = metCompletely(S, days[d].D, days[d].dPos);
        lt += full;
        lp += metPartially(S, full);
    }
    v = lv, s = ls, c = lc, o = lo, t = lt, p = lp;
}

// Members side by side in vector registers, with the processor's AVX2 chosen at run time,
// where the compiler has vector types and the loader picks a function's clone (GCC or Clang
// on x86-64 ELF systems); every other build runs the members one by one, with the same figures.
// A build may ask for the plain path with -DVESPRA_BALANCE_LANES=0.
#ifndef VESPRA_BALANCE_LANES
#if (defined(__GNUC__) || defined(__clang__)) && defined(__x86_64__) && defined(__ELF__)
#define VESPRA_BALANCE_LANES 1
#else
#define VESPRA_BALANCE_LANES 0
#endif
#endif

#if VESPRA_BALANCE_LANES
// Four members' values side by side; the compiler maps the lanes to vector registers.
typedef double Lanes __attribute__((vector_size(32)));

// Lanes are passed by reference only: a vector passed or returned by value would be passed in
// other registers by the AVX2 clone than by the default one.
[[gnu::always_inline]] inline void splat(Lanes& v, double x) {
    v = Lanes{x, x, x, x};
}
// Through a local, so that the compiler keeps the group's lanes in registers.
[[gnu::always_inline]] inline void load(Lanes& v, const double* p) {
    Lanes local;
    __builtin_memcpy(&local, p, sizeof local);
    v = local;
}
[[gnu::always_inline]] inline void store(double* p, const Lanes& v) {
    const Lanes local = v;
    __builtin_memcpy(p, &local, sizeof local);
}

// Running sums of a group of members over one month run. A group's state stays in registers
// for the whole run; adding day by day onto the month's sums keeps every member's order of
// additions, and so its figures, exactly those of a run on its own (the lanes compute what
// dayWithoutUpper, metCompletely and metPartially compute, operation for operation).
template <std::size_t NV>
[[gnu::always_inline]] inline void groupRun(const DayInputs* days, std::size_t len, double* v,
                                            const double* cap, double* s, double* c, double* o, double* t,
                                            double* p) {
    Lanes lv[NV], lcap[NV], ls[NV], lc[NV], lo[NV], lt[NV], lp[NV];
    for (std::size_t g = 0; g < NV; ++g) {
        load(lv[g], v + 4 * g), load(lcap[g], cap + 4 * g), load(ls[g], s + 4 * g);
        load(lc[g], c + 4 * g), load(lo[g], o + 4 * g), load(lt[g], t + 4 * g), load(lp[g], p + 4 * g);
    }
    Lanes zero, one;
    splat(zero, 0.0), splat(one, 1.0);
    for (std::size_t d = 0; d < len; ++d) {
        Lanes R, T, D, dPos;
        splat(R, days[d].R), splat(T, days[d].T), splat(D, days[d].D), splat(dPos, days[d].dPos);
        for (std::size_t g = 0; g < NV; ++g) {
            const Lanes in = lv[g] + R;
            const Lanes V = in < lcap[g] ? in : lcap[g];
            const Lanes O = in > lcap[g] ? in - lcap[g] : zero;
            const Lanes S = D < V ? D : V;
            lv[g] = V - S;
            ls[g] += S;
            lc[g] += T - S;
            lo[g] += O;
            const Lanes full = S >= D ? dPos : zero;
            lt[g] += full;
            lp[g] += (S > zero ? one : zero) - full;
        }
    }
    for (std::size_t g = 0; g < NV; ++g) {
        store(v + 4 * g, lv[g]), store(s + 4 * g, ls[g]), store(c + 4 * g, lc[g]), store(o + 4 * g, lo[g]);
        store(t + 4 * g, lt[g]), store(p + 4 * g, lp[g]);
    }
}

// Members run eight at a time: two registers of four lanes each.
constexpr std::size_t kVectors = 2;
constexpr std::size_t kGroup = 4 * kVectors;

// Under ThreadSanitizer the default version alone: the loader runs the clones' resolver before
// that sanitizer is set up, and the sanitizer instruments the resolver too.
#ifdef VESPRA_THREAD_SANITIZER
#define VESPRA_TARGET_CLONES
#else
#define VESPRA_TARGET_CLONES __attribute__((target_clones("avx2", "default")))
#endif

// One month run for every member. `off` is the month's offset in the month-by-member arrays.
VESPRA_TARGET_CLONES void monthRunAllMembers(const DayInputs* days, std::size_t len, std::size_t count,
                                             std::size_t off, double* v, const double* cap, double* cons,
                                             double* pot, double* extrav, double* total, double* partial) {
    std::size_t k = 0;
    for (; k + kGroup <= count; k += kGroup) {
        groupRun<kVectors>(days, len, v + k, cap + k, cons + off + k, pot + off + k, extrav + off + k,
                           total + off + k, partial + off + k);
    }
    for (; k < count; ++k) {
        memberRun(days, len, v[k], cap[k], cons[off + k], pot[off + k], extrav[off + k], total[off + k],
                  partial[off + k]);
    }
}

#else

// One month run for every member, one member after the other.
void monthRunAllMembers(const DayInputs* days, std::size_t len, std::size_t count, std::size_t off, double* v,
                        const double* cap, double* cons, double* pot, double* extrav, double* total,
                        double* partial) {
    for (std::size_t k = 0; k < count; ++k) {
        memberRun(days, len, v[k], cap[k], cons[off + k], pot[off + k], extrav[off + k], total[off + k],
                  partial[off + k]);
    }
}

#endif

void runMembers(const TCaptAgua& in, TCaptAgua* const* members, std::size_t count,
                const std::vector<MonthRun>& runs) {
    Cycle dem{in.vecDemAguaPot.data(), in.vecDemAguaPot.size()};
    Cycle occ{in.vecNroMor.data(), in.vecNroMor.size()};

    // Working arrays laid out member by member for each month.
    std::vector<double> cap(count), vi(count, 0.0);
    std::vector<double> cons(12 * count, 0.0), pot(12 * count, 0.0), extrav(12 * count, 0.0),
        total(12 * count, 0.0), partial(12 * count, 0.0);
    for (std::size_t k = 0; k < count; ++k) cap[k] = members[k]->dblResInf;
    MonthArray<std::int32_t> days;
    DayInputs inputs[31];

    for (const MonthRun& run : runs) {
        fillDayInputs(in, run.first, run.count, dem, occ, inputs);
        days[run.month] += static_cast<std::int32_t>(run.count);
        monthRunAllMembers(inputs, run.count, count, static_cast<std::size_t>(run.month - 1) * count,
                           vi.data(), cap.data(), cons.data(), pot.data(), extrav.data(), total.data(),
                           partial.data());
    }

    for (std::size_t k = 0; k < count; ++k) {
        MonthSums sums;
        sums.days = days;
        for (int m = 1; m <= 12; ++m) {
            const std::size_t i = static_cast<std::size_t>(m - 1) * count + k;
            sums.cons[m] = cons[i];
            sums.pot[m] = pot[i];
            sums.extrav[m] = extrav[i];
            sums.total[m] = total[i];
            sums.partial[m] = partial[i];
        }
        finish(*members[k], sums, in.vecDadosPrec.size());
    }
}

// One simulation on its own: the day's inputs and its balance in one loop, every value in
// registers. The arithmetic is memberRun's, operation for operation.
// With a fixed demand and fixed occupants (one value each, the common case) the day's demand
// is the same every day: it is computed once, as every day would compute it.
template <bool kFixedDemand>
void runSingleWith(const TCaptAgua& in, TCaptAgua& out, const std::vector<MonthRun>& runs) {
    const double* prec = in.vecDadosPrec.data();
    const double area = in.dblAreaCapt, coef = in.dblCoefAprov, subs = in.dblPorcSubs, cap = out.dblResInf;
    Cycle dem{in.vecDemAguaPot.data(), in.vecDemAguaPot.size()};
    Cycle occ{in.vecNroMor.data(), in.vecNroMor.size()};
    const double q0 = in.vecDemAguaPot[0], n0 = in.vecNroMor[0];
    const double fixedT = q0 * n0, fixedD = dayRainDemand(subs, q0, n0);
    MonthSums sums;
    double vi = 0;
    for (const MonthRun& run : runs) {
        const int m = run.month;
        sums.days[m] += static_cast<std::int32_t>(run.count);
        double ls = sums.cons[m], lc = sums.pot[m], lo = sums.extrav[m], lt = sums.total[m],
               lp = sums.partial[m];
        for (std::size_t j = run.first; j < run.first + run.count; ++j) {
            const double R = dayRunoff(prec[j], area, coef);
            double T = fixedT, D = fixedD;
            if constexpr (!kFixedDemand) {
                const double q = dem.next();
                const double n = occ.next();
                T = q * n;
                D = dayRainDemand(subs, q, n);
            }
            double S, O;
            dayWithoutUpper(vi, R, D, cap, S, O);
            ls += S;
            lc += T - S;
            lo += O;
            const double full = metCompletely(S, D, D > 0 ? 1.0 : 0.0);
            lt += full;
            lp += metPartially(S, full);
        }
        sums.cons[m] = ls, sums.pot[m] = lc, sums.extrav[m] = lo, sums.total[m] = lt, sums.partial[m] = lp;
    }
    finish(out, sums, in.vecDadosPrec.size());
}

void runSingle(const TCaptAgua& in, TCaptAgua& out, const std::vector<MonthRun>& runs) {
    if (in.vecDemAguaPot.size() == 1 && in.vecNroMor.size() == 1) {
        runSingleWith<true>(in, out, runs);
    } else {
        runSingleWith<false>(in, out, runs);
    }
}

// Members that share one pass at most; their sums stay a few megabytes.
constexpr std::size_t kBlock = 4096;

// Members with an upper reservoir that share one pass: their volumes and month sums stay in
// the first-level cache, and the processor overlaps their independent days.
constexpr std::size_t kUpperBlock = 16;

// Each member's day is the one a run on its own computes, added onto its month sums in the
// same order: only the day's inputs are shared.
void runUpperBlock(const TCaptAgua& in, TCaptAgua* const* members, std::size_t count,
                   const std::vector<MonthRun>& runs) {
    Cycle dem{in.vecDemAguaPot.data(), in.vecDemAguaPot.size()};
    Cycle occ{in.vecNroMor.data(), in.vecNroMor.size()};
    const double resSup = in.dblResSup, minRec = in.dblResSupMinRec;
    double cap[kUpperBlock], vi[kUpperBlock] = {}, vs[kUpperBlock] = {};
    MonthSums sums[kUpperBlock];
    for (std::size_t k = 0; k < count; ++k) cap[k] = members[k]->dblResInf;
    DayInputs inputs[31];
    for (const MonthRun& run : runs) {
        const int m = run.month;
        fillDayInputs(in, run.first, run.count, dem, occ, inputs);
        for (std::size_t d = 0; d < run.count; ++d) {
            for (std::size_t k = 0; k < count; ++k) {
                addDayWithUpper(sums[k], m, inputs[d], vi[k], vs[k], cap[k], resSup, minRec);
            }
        }
        for (std::size_t k = 0; k < count; ++k) sums[k].days[m] += static_cast<std::int32_t>(run.count);
    }
    for (std::size_t k = 0; k < count; ++k) finish(*members[k], sums[k], in.vecDadosPrec.size());
}

}  // namespace

void prepare(TCaptAgua& sim) {
    sim.descartPrec();
    if (sim.boolDemAguaPotMensal) sim.fillDemAguaPot();
    if (sim.boolNroMorMensal) sim.fillNroMor();
}

DaySeries daySeries(const TCaptAgua& sim) {
    const std::size_t n = sim.vecDadosPrec.size();
    DaySeries s{sim.vecDadosPrec, doubleArray(n), doubleArray(n)};
    Cycle dem{sim.vecDemAguaPot.data(), sim.vecDemAguaPot.size()};
    Cycle occ{sim.vecNroMor.data(), sim.vecNroMor.size()};
    for (std::size_t j = 0; j < n; ++j) {
        s.runoff[j] = dayRunoff(sim.vecDadosPrec[j], sim.dblAreaCapt, sim.dblCoefAprov);
        const double q = dem.next();
        const double people = occ.next();
        s.demand[j] = dayRainDemand(sim.dblPorcSubs, q, people);
    }
    return s;
}

void runWithoutUpper(const TCaptAgua& inputs, TCaptAgua* const* members, std::size_t count) {
    const std::vector<MonthRun> runs = monthRuns(inputs.dateDadosPrec, inputs.vecDadosPrec.size());
    if (count == 1) {
        runSingle(inputs, *members[0], runs);
        return;
    }
    for (std::size_t first = 0; first < count; first += kBlock) {
        runMembers(inputs, members + first, std::min(kBlock, count - first), runs);
    }
}

void runSweepWithUpper(const TCaptAgua& inputs, TCaptAgua* const* members, std::size_t count) {
    const std::vector<MonthRun> runs = monthRuns(inputs.dateDadosPrec, inputs.vecDadosPrec.size());
    for (std::size_t first = 0; first < count; first += kUpperBlock) {
        runUpperBlock(inputs, members + first, std::min(kUpperBlock, count - first), runs);
    }
}

void runWithUpper(TCaptAgua& sim) {
    const std::vector<MonthRun> runs = monthRuns(sim.dateDadosPrec, sim.vecDadosPrec.size());
    Cycle dem{sim.vecDemAguaPot.data(), sim.vecDemAguaPot.size()};
    Cycle occ{sim.vecNroMor.data(), sim.vecNroMor.size()};
    MonthSums sums;
    double vi = 0, vs = 0;
    for (const MonthRun& run : runs) {
        const int m = run.month;
        sums.days[m] += static_cast<std::int32_t>(run.count);
        for (std::size_t j = run.first; j < run.first + run.count; ++j) {
            const double R = dayRunoff(sim.vecDadosPrec[j], sim.dblAreaCapt, sim.dblCoefAprov);
            const double q = dem.next();
            const double n = occ.next();
            const double D = dayRainDemand(sim.dblPorcSubs, q, n);
            const DayInputs day{R, q * n, D, D > 0 ? 1.0 : 0.0};
            addDayWithUpper(sums, m, day, vi, vs, sim.dblResInf, sim.dblResSup, sim.dblResSupMinRec);
        }
    }
    finish(sim, sums, sim.vecDadosPrec.size());
}

}  // namespace balance
