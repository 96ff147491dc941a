#include <cmath>

#include "common/numtext.h"
#include "common/safe_div.h"
#include "engine/capt_agua.h"
#include "engine/month_array.h"
#include "engine/monthly_table.h"
#include "engine/reference_year.h"

namespace {

const char* const kMonthNames[12] = {"Janeiro", "Fevereiro", "Março",    "Abril",   "Maio",     "Junho",
                                     "Julho",   "Agosto",    "Setembro", "Outubro", "Novembro", "Dezembro"};

std::string percent(double v, const LocaleSettings& loc) {
    return formatNumber(v, 4, 2, loc);
}

// Litres per day: two decimals, scientific only past ten integer digits.
std::string volume(double v, const LocaleSettings& loc) {
    if (std::isfinite(v) && std::fabs(v) >= 1e10) return formatFixed(v, 10, 2, loc);
    return formatFixed(v, 30, 2, loc);
}

// Litres per year: six significant digits, no decimals.
std::string total(double v, const LocaleSettings& loc) {
    return formatFixed(v, 6, 0, loc);
}

double mean12(const MonthArray<double>& a) {
    double s = 0;
    for (int m = 1; m <= 12; ++m) s += a[m];
    return s / 12;
}

double sum12(const MonthArray<double>& a) {
    double s = 0;
    for (int m = 1; m <= 12; ++m) s += a[m];
    return s;
}

// Mean of a monthly share over all days of the series, months weighted by their days.
double dayWeighted(const MonthArray<double>& share, const MonthArray<std::int32_t>& cnt) {
    double num = 0, den = 0;
    for (int m = 1; m <= 12; ++m) {
        num += share[m] * cnt[m];
        den += cnt[m];
    }
    return safeDiv(num, den);
}

}  // namespace

MonthlyTable buildMonthlyTable(const TCaptAgua& s, const LocaleSettings& loc) {
    MonthlyTable t;
    for (int m = 1; m <= 12; ++m) {
        auto& row = t[static_cast<std::size_t>(m - 1)];
        row[0] = kMonthNames[m - 1];
        row[1] = percent(safeDiv(s.vecVConsPluv[m], s.vecVConsPluv[m] + s.vecVConsPot[m]) * 100, loc);
        row[2] = volume(s.vecVConsPluv[m] / kReferenceMonthDays[m], loc);
        row[3] = volume(s.vecVConsPot[m] / kReferenceMonthDays[m], loc);
        row[4] = volume(s.vecVExtrav[m] / kReferenceMonthDays[m], loc);
        row[5] = percent(s.vecPorcAtendTotal[m] * 100, loc);
        row[6] = percent(s.vecPorcAtendParc[m] * 100, loc);
        row[7] = percent(s.vecPorcNaoAtend[m] * 100, loc);
        row[8] = percent(s.vecContRec[m], loc);
    }
    auto& means = t[12];
    means[0] = "Média";
    const double pluv = mean12(s.vecVConsPluv), pot = mean12(s.vecVConsPot);
    // No consumption at all shows 0,00 rather than 0 ÷ 0.
    means[1] = percent(pluv + pot > 0 ? 100 * pluv / (pot + pluv) : 0.0, loc);
    means[2] = volume(s.dblConsPluvMed, loc);
    means[3] = volume(s.dblConsPotMed, loc);
    means[4] = volume(s.dblVExtravMed, loc);
    means[5] = percent(100 * dayWeighted(s.vecPorcAtendTotal, s.vecVMediaMensalCont), loc);
    means[6] = percent(100 * dayWeighted(s.vecPorcAtendParc, s.vecVMediaMensalCont), loc);
    means[7] = percent(100 * dayWeighted(s.vecPorcNaoAtend, s.vecVMediaMensalCont), loc);
    means[8] = percent(dayWeighted(s.vecContRec, s.vecVMediaMensalCont), loc);
    auto& totals = t[13];
    totals[0] = "Total ano";
    totals[2] = total(sum12(s.vecVConsPluv), loc);
    totals[3] = total(sum12(s.vecVConsPot), loc);
    totals[4] = total(sum12(s.vecVExtrav), loc);
    return t;
}
