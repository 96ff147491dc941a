#include <algorithm>
#include <vector>

#include "common/safe_div.h"
#include "engine/balance_day.h"
#include "engine/balance_lanes.h"
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

using lanes::DayInputs;

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

// Runs every member of a block, month run after month run, on the lanes of the chosen path.
// Only the day's inputs are shared: each member's days are those of its own run, added onto
// its month sums in the same order.
class MemberBlock {
  public:
    MemberBlock(const TCaptAgua& in, TCaptAgua* const* members, std::size_t count, bool upper)
        : in_(in),
          upper_(upper),
          members_(members),
          count_(count),
          padded_((count + lanes::kPad - 1) / lanes::kPad * lanes::kPad),
          cap_(padded_),
          vi_(padded_, 0.0),
          vs_(padded_, 0.0),
          sums_(kColumns * 12 * padded_, 0.0) {
        // The padding lanes repeat the last member: they end each day's supply loop with it.
        for (std::size_t k = 0; k < padded_; ++k) cap_[k] = members[std::min(k, count - 1)]->dblResInf;
    }

    void run(const std::vector<MonthRun>& runs) {
        Cycle dem{in_.vecDemAguaPot.data(), in_.vecDemAguaPot.size()};
        Cycle occ{in_.vecNroMor.data(), in_.vecNroMor.size()};
        MonthArray<std::int32_t> days;
        DayInputs inputs[31];
        for (const MonthRun& run : runs) {
            fillDayInputs(in_, run.first, run.count, dem, occ, inputs);
            days[run.month] += static_cast<std::int32_t>(run.count);
            lanes::MonthJob job{inputs,        run.count,          padded_, columns(run.month), upper_,
                                in_.dblResSup, in_.dblResSupMinRec};
            lanes::runMonth(job);
        }
        for (std::size_t k = 0; k < count_; ++k) {
            MonthSums sums;
            sums.days = days;
            for (int m = 1; m <= 12; ++m) {
                const lanes::Columns c = columns(m);
                sums.cons[m] = c.cons[k], sums.pot[m] = c.pot[k], sums.extrav[m] = c.extrav[k];
                sums.recalc[m] = c.recalc[k], sums.passes[m] = c.passes[k];
                sums.total[m] = c.total[k], sums.partial[m] = c.partial[k];
            }
            finish(*members_[k], sums, in_.vecDadosPrec.size());
        }
    }

  private:
    static constexpr std::size_t kColumns = 7;

    // The columns of month m: its sums laid out member by member.
    lanes::Columns columns(int m) {
        double* month = sums_.data() + static_cast<std::size_t>(m - 1) * kColumns * padded_;
        auto col = [&](std::size_t i) { return month + i * padded_; };
        return {vi_.data(), vs_.data(), cap_.data(), col(0), col(1), col(2), col(3), col(4), col(5), col(6)};
    }

    const TCaptAgua& in_;
    bool upper_;
    TCaptAgua* const* members_;
    std::size_t count_, padded_;
    std::vector<double> cap_, vi_, vs_, sums_;
};

// Members that share one pass at most: a month's columns stay in the second-level cache.
constexpr std::size_t kBlock = 4096;

void runMembers(const TCaptAgua& in, TCaptAgua* const* members, std::size_t count, bool upper) {
    const std::vector<MonthRun> runs = monthRuns(in.dateDadosPrec, in.vecDadosPrec.size());
    for (std::size_t first = 0; first < count; first += kBlock) {
        MemberBlock(in, members + first, std::min(kBlock, count - first), upper).run(runs);
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
    if (count == 1) {
        runSingle(inputs, *members[0], monthRuns(inputs.dateDadosPrec, inputs.vecDadosPrec.size()));
        return;
    }
    runMembers(inputs, members, count, false);
}

void runSweepWithUpper(const TCaptAgua& inputs, TCaptAgua* const* members, std::size_t count) {
    runMembers(inputs, members, count, true);
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
