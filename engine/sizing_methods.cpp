#include "engine/sizing_methods.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>

#include "common/numtext.h"
#include "common/sheet_cell.h"
#include "engine/balance_run.h"
#include "engine/capt_agua.h"
#include "engine/engine_error.h"

namespace {

// The totals of one calendar month of the record.
struct MonthTotals {
    int month = 0;
    int days = 0;
    bool whole = false;
    double rain = 0, runoff = 0, demand = 0;  // mm, L, L
};

// The record's months in order, each with its totals; only the first and the last can be
// partial.
std::vector<MonthTotals> recordMonths(const balance::DaySeries& s, TDate start) {
    std::vector<MonthTotals> months;
    int y = 0, m = 0, d = 0, cy = 0;
    for (std::size_t j = 0; j < s.rain.size(); ++j) {
        start.addDays(static_cast<std::int64_t>(j)).toYMD(y, m, d);
        if (months.empty() || months.back().month != m || cy != y) {
            months.push_back({m, 0, false, 0, 0, 0});
            cy = y;
        }
        MonthTotals& t = months.back();
        ++t.days;
        t.rain += s.rain[j];
        t.runoff += s.runoff[j];
        t.demand += s.demand[j];
        t.whole = t.days == TDate::daysInMonth(y, m);
    }
    return months;
}

std::vector<MonthTotals> wholeMonths(const std::vector<MonthTotals>& months) {
    std::vector<MonthTotals> whole;
    for (const auto& t : months)
        if (t.whole) whole.push_back(t);
    return whole;
}

// The mean year: for each calendar month the means over its whole months; none when a
// calendar month has no whole month in the record.
std::optional<std::array<MonthTotals, 12>> meanYear(const std::vector<MonthTotals>& whole) {
    std::array<MonthTotals, 12> year{};
    for (const auto& t : whole) {
        MonthTotals& y = year[static_cast<std::size_t>(t.month - 1)];
        ++y.days;  // here: how many whole months were added
        y.rain += t.rain;
        y.runoff += t.runoff;
        y.demand += t.demand;
    }
    for (auto& y : year) {
        if (y.days == 0) return std::nullopt;
        y.rain /= y.days;
        y.runoff /= y.days;
        y.demand /= y.days;
    }
    return year;
}

// Rippl: the largest deficit carried from step to step, K = max(0, K + demand − runoff).
double ripplVolume(const double* demand, const double* runoff, std::size_t n, double& k, double largest) {
    for (std::size_t i = 0; i < n; ++i) {
        k = std::max(0.0, k + demand[i] - runoff[i]);
        largest = std::max(largest, k);
    }
    return largest;
}

double sum(const doubleArray& v) {
    double s = 0;
    for (double x : v) s += x;
    return s;
}

ResultadoMetodo metodo(const char* chave, const char* nome) {
    return ResultadoMetodo{chave, nome, std::nullopt, MotivoMetodo::Nenhum, 0, 0, 0, 0};
}

ResultadoMetodo ripplDiario(const balance::DaySeries& s) {
    ResultadoMetodo r = metodo("rippl_diario", "Rippl (diário)");
    if (!(sum(s.demand) < sum(s.runoff))) {
        r.motivo = MotivoMetodo::Demanda;
        return r;
    }
    double k = 0;
    r.volume = ripplVolume(s.demand.data(), s.runoff.data(), s.rain.size(), k, 0.0);
    return r;
}

ResultadoMetodo ripplMensal(const std::optional<std::array<MonthTotals, 12>>& year) {
    ResultadoMetodo r = metodo("rippl_mensal", "Rippl (mensal)");
    if (!year) {
        r.motivo = MotivoMetodo::Meses;
        return r;
    }
    std::array<double, 12> demand{}, runoff{};
    double totalDemand = 0, totalRunoff = 0;
    for (std::size_t m = 0; m < 12; ++m) {
        demand[m] = (*year)[m].demand;
        runoff[m] = (*year)[m].runoff;
        totalDemand += demand[m];
        totalRunoff += runoff[m];
    }
    if (!(totalDemand < totalRunoff)) {
        r.motivo = MotivoMetodo::Demanda;
        return r;
    }
    // The mean year twice in a row: a deficit that runs over December goes on into January.
    double k = 0;
    const double first = ripplVolume(demand.data(), runoff.data(), 12, k, 0.0);
    r.volume = ripplVolume(demand.data(), runoff.data(), 12, k, first);
    return r;
}

// The Australian method's confidence of a tank of `volume` litres: whether the months that do
// not fail reach `confianca` % of the months.
bool australianReaches(const std::vector<double>& inflow, const std::vector<MonthTotals>& months,
                       double volume, double confianca) {
    double s = 0;
    std::size_t failed = 0;
    for (std::size_t t = 0; t < months.size(); ++t) {
        s = s + inflow[t] - months[t].demand;
        if (s < 0) {
            ++failed;
            s = 0;
        } else {
            s = std::min(s, volume);
        }
    }
    const auto n = static_cast<double>(months.size());
    return (n - static_cast<double>(failed)) * 100 >= confianca * n;
}

ResultadoMetodo australiano(const std::vector<MonthTotals>& whole, bool hasMeanYear, const TCaptAgua& sim,
                            const ParametrosMetodos& p) {
    ResultadoMetodo r = metodo("australiano", "Prático australiano");
    if (!hasMeanYear) {
        r.motivo = MotivoMetodo::Meses;
        return r;
    }
    std::vector<double> inflow(whole.size());
    double totalRunoff = 0;
    for (std::size_t t = 0; t < whole.size(); ++t) {
        inflow[t] = sim.dblAreaCapt * sim.dblCoefAprov * std::max(whole[t].rain - p.interceptacao, 0.0);
        totalRunoff += whole[t].runoff;
    }
    // A tank that holds the whole runoff of these months never spills: a larger one changes nothing.
    // A larger tank never holds less at the end of a month, so it never fails more months: the
    // smallest multiple of 100 L that reaches the confidence is found by halving the range.
    double lo = 0, hi = std::ceil(totalRunoff / 100);  // in hundreds of litres
    if (!australianReaches(inflow, whole, hi * 100, p.confianca)) {
        r.motivo = MotivoMetodo::Confianca;
        return r;
    }
    while (lo < hi) {
        const double mid = std::floor((lo + hi) / 2);
        if (australianReaches(inflow, whole, mid * 100, p.confianca)) {
            hi = mid;
        } else {
            lo = mid + 1;
        }
    }
    r.volume = hi * 100;
    return r;
}

// The methods of the mean year's rain P: Azevedo Neto, German and English.
void metodosDaChuvaAnual(ResultadoMetodos& out, const std::optional<std::array<MonthTotals, 12>>& year,
                         const TCaptAgua& sim, const ParametrosMetodos& p) {
    ResultadoMetodo azevedo = metodo("azevedo_neto", "Azevedo Neto");
    ResultadoMetodo alemao = metodo("alemao", "Prático alemão");
    ResultadoMetodo ingles = metodo("ingles", "Prático inglês");
    out.mesesSecos = p.mesesSecos;
    if (!year) {
        for (auto* r : {&azevedo, &alemao, &ingles}) r->motivo = MotivoMetodo::Meses;
    } else {
        double P = 0, demand = 0;
        for (const auto& m : *year) P += m.rain, demand += m.demand;
        if (!out.mesesSecos) {
            double dry = 0;
            for (const auto& m : *year)
                if (m.rain < P / 12) dry += 1;
            out.mesesSecos = dry;
        }
        out.precAnual = P;
        azevedo.volume = 0.042 * P * sim.dblAreaCapt * *out.mesesSecos;
        alemao.volume = 0.06 * std::min(sim.dblCoefAprov * P * sim.dblAreaCapt, demand);
        ingles.volume = 0.05 * P * sim.dblAreaCapt;
    }
    out.metodos.push_back(azevedo);
    out.metodos.push_back(alemao);
    out.metodos.push_back(ingles);
}

void checkParametros(const ParametrosMetodos& p) {
    std::optional<std::string> e = p.mesesSecos ? erroMesesSecos(*p.mesesSecos) : std::nullopt;
    if (!e) e = erroInterceptacao(p.interceptacao);
    if (!e) e = erroConfianca(p.confianca);
    if (e) throw EngineError(*e);
}

// A method's volume run through the balance with every other input of `sim`.
void simulaVolume(ResultadoMetodo& r, const TCaptAgua& sim) {
    if (!r.volume) return;
    TCaptAgua run;
    run.Assign(sim);
    run.dblResInf = *r.volume;
    run.simula();
    r.dblEconPot = run.dblEconPot;
    r.dblPorcAtendTotal = run.dblPorcAtendTotal;
    r.dblPorcAtendParc = run.dblPorcAtendParc;
    r.dblPorcNaoAtend = run.dblPorcNaoAtend;
}

}  // namespace

std::optional<std::string> erroMesesSecos(double meses) {
    if (meses >= 0 && meses <= 12 && meses == std::floor(meses)) return std::nullopt;
    return "Meses secos (T): informe um número inteiro de meses de 0 a 12.";
}

std::optional<std::string> erroInterceptacao(double mm) {
    if (mm >= 0 && std::isfinite(mm)) return std::nullopt;
    return "Interceptação (mm): informe um valor maior ou igual a 0.";
}

std::optional<std::string> erroConfianca(double percent) {
    if (percent > 0 && percent <= 100) return std::nullopt;
    return "Confiança (%): informe um valor maior que 0 e no máximo 100.";
}

std::string motivoChave(MotivoMetodo motivo) {
    switch (motivo) {
        case MotivoMetodo::Demanda:
            return "demanda";
        case MotivoMetodo::Meses:
            return "meses";
        case MotivoMetodo::Confianca:
            return "confianca";
        case MotivoMetodo::Nenhum:
            break;
    }
    return {};
}

std::string motivoTexto(MotivoMetodo motivo) {
    switch (motivo) {
        case MotivoMetodo::Demanda:
            return "Não se aplica: a demanda não é menor que o volume captado";
        case MotivoMetodo::Meses:
            return "Não se aplica: a série não tem um mês completo de cada mês do ano";
        case MotivoMetodo::Confianca:
            return "Não se aplica: nenhum volume atinge a confiança pedida";
        case MotivoMetodo::Nenhum:
            break;
    }
    return {};
}

ResultadoMetodos calculaMetodos(const TCaptAgua& sim, const ParametrosMetodos& parametros) {
    checkParametros(parametros);
    sim.checkRunnable();
    TCaptAgua prepared;
    prepared.Assign(sim);
    balance::prepare(prepared);
    const balance::DaySeries s = balance::daySeries(prepared);
    const std::vector<MonthTotals> whole = wholeMonths(recordMonths(s, prepared.dateDadosPrec));
    const auto year = meanYear(whole);

    ResultadoMetodos out;
    out.metodos.push_back(ripplDiario(s));
    out.metodos.push_back(ripplMensal(year));
    metodosDaChuvaAnual(out, year, sim, parametros);
    out.metodos.push_back(australiano(whole, year.has_value(), sim, parametros));
    for (auto& r : out.metodos) simulaVolume(r, sim);
    return out;
}

std::vector<std::vector<std::string>> tabelaMetodos(const ResultadoMetodos& r, const LocaleSettings& loc) {
    std::vector<std::vector<std::string>> rows = {{"Método", "Volume (litros)", "Potencial de economia (%)",
                                                   "Atende completamente (%)", "Parcialmente (%)",
                                                   "Não atende (%)"}};
    for (const auto& m : r.metodos) {
        if (!m.volume) {
            rows.push_back({m.nome, motivoTexto(m.motivo), "", "", "", ""});
            continue;
        }
        rows.push_back({m.nome, formatGeneral(*m.volume, loc), formatNumber(m.dblEconPot, 4, 2, loc),
                        formatNumber(m.dblPorcAtendTotal, 4, 2, loc),
                        formatNumber(m.dblPorcAtendParc, 4, 2, loc),
                        formatNumber(m.dblPorcNaoAtend, 4, 2, loc)});
    }
    return rows;
}

std::vector<std::vector<std::string>> cabecalhoMetodos(const ResultadoMetodos& r, const LocaleSettings& loc) {
    const auto text = [&loc](const std::optional<double>& v) {
        return v ? formatGeneral(*v, loc) : std::string("não se aplica");
    };
    return {{"P (mm/ano)", text(r.precAnual)}, {"T (meses secos)", text(r.mesesSecos)}};
}

std::vector<std::string> linhasMetodos(const ResultadoMetodos& r, const LocaleSettings& loc) {
    std::vector<std::string> lines;
    auto add = [&lines](const std::vector<std::string>& row) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c) line += (c ? ";" : "") + sheetCell(row[c]);
        lines.push_back(line);
    };
    for (const auto& row : cabecalhoMetodos(r, loc)) add(row);
    for (const auto& row : tabelaMetodos(r, loc)) add(row);
    return lines;
}
