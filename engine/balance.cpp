#include <algorithm>
#include <vector>

#include "balance_day.h"
#include "balance_run.h"
#include "safe_div.h"

namespace balance {
namespace {

constexpr int kNominalDays[13] = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

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
        const auto left = static_cast<std::size_t>(TDate::daysInMonth(y, m) - d + 1);
        const std::size_t len = std::min(left, n - j);
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
        sim.vecVConsPluv[m] = safeDiv(sums.cons[m], cnt) * kNominalDays[m];
        sim.vecVConsPot[m] = safeDiv(sums.pot[m], cnt) * kNominalDays[m];
        sim.vecVRecalc[m] = safeDiv(sums.recalc[m], cnt) * kNominalDays[m];
        sim.vecVExtrav[m] = safeDiv(sums.extrav[m], cnt) * kNominalDays[m];
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

// Members that share one pass: at most this many at once keeps their working arrays in cache.
constexpr std::size_t kBlock = 512;

void runBlock(const TCaptAgua& in, TCaptAgua* const* members, std::size_t count,
              const std::vector<MonthRun>& runs) {
    const double* prec = in.vecDadosPrec.data();
    const double area = in.dblAreaCapt, coef = in.dblCoefAprov, subs = in.dblPorcSubs;
    Cycle dem{in.vecDemAguaPot.data(), in.vecDemAguaPot.size()};
    Cycle occ{in.vecNroMor.data(), in.vecNroMor.size()};

    // Working arrays laid out member by member for each month, so the inner loop over the
    // members runs over contiguous memory.
    std::vector<double> cap(count), vi(count, 0.0);
    std::vector<double> cons(12 * count, 0.0), pot(12 * count, 0.0), extrav(12 * count, 0.0),
        total(12 * count, 0.0), partial(12 * count, 0.0);
    for (std::size_t k = 0; k < count; ++k) cap[k] = members[k]->dblResInf;
    MonthArray<std::int32_t> days;

    for (const MonthRun& run : runs) {
        const std::size_t off = static_cast<std::size_t>(run.month - 1) * count;
        double* __restrict s = cons.data() + off;
        double* __restrict c = pot.data() + off;
        double* __restrict o = extrav.data() + off;
        double* __restrict t = total.data() + off;
        double* __restrict p = partial.data() + off;
        double* __restrict v = vi.data();
        const double* __restrict cp = cap.data();
        days[run.month] += static_cast<std::int32_t>(run.count);
        for (std::size_t j = run.first; j < run.first + run.count; ++j) {
            const double R = prec[j] * area * coef;
            const double q = dem.next();
            const double n = occ.next();
            const double T = q * n;
            const double D = subs * q * n;
            for (std::size_t k = 0; k < count; ++k) {
                const DayFlows f = dayWithoutUpper(v[k], R, D, cp[k]);
                s[k] += f.S;
                c[k] += T - f.S;
                o[k] += f.O;
                t[k] += (f.S == D && D > 0) ? 1.0 : 0.0;
                p[k] += (f.S > 0 && f.S < D) ? 1.0 : 0.0;
            }
        }
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

}  // namespace

void prepare(TCaptAgua& sim) {
    sim.descartPrec();
    if (sim.boolDemAguaPotMensal) sim.fillDemAguaPot();
    if (sim.boolNroMorMensal) sim.fillNroMor();
}

void runWithoutUpper(const TCaptAgua& inputs, TCaptAgua* const* members, std::size_t count) {
    const std::vector<MonthRun> runs = monthRuns(inputs.dateDadosPrec, inputs.vecDadosPrec.size());
    for (std::size_t first = 0; first < count; first += kBlock) {
        runBlock(inputs, members + first, std::min(kBlock, count - first), runs);
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
            const double R = sim.vecDadosPrec[j] * sim.dblAreaCapt * sim.dblCoefAprov;
            const double q = dem.next();
            const double n = occ.next();
            const double T = q * n;
            const double D = sim.dblPorcSubs * q * n;
            const DayFlows f =
                dayWithUpper(vi, vs, R, D, sim.dblResInf, sim.dblResSup, sim.dblResSupMinRec);
            sums.cons[m] += f.S;
            sums.pot[m] += T - f.S;
            sums.extrav[m] += f.O;
            sums.recalc[m] += f.P;
            sums.passes[m] += f.k;
            sums.total[m] += (f.S == D && D > 0) ? 1.0 : 0.0;
            sums.partial[m] += (f.S > 0 && f.S < D) ? 1.0 : 0.0;
        }
    }
    finish(sim, sums, sim.vecDadosPrec.size());
}

}  // namespace balance
