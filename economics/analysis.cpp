#include "economics/analysis.h"

#include <cmath>
#include <stdexcept>

#include "common/numtext.h"
#include "economics/economics_errors.h"
#include "economics/field_reads.h"
#include "economics/months.h"
#include "engine/capt_agua.h"

std::unique_ptr<TCaptAgua> SimulaCaptAgua(const TCaptAgua& base, std::string_view strVolume,
                                          const LocaleSettings& loc) {
    const double volume =
        leNumeroCampo(strVolume, CampoAnalise::Volume, "Volume do reservatório inferior (litros)", loc);
    auto sim = std::make_unique<TCaptAgua>();
    sim->Assign(base);
    sim->dblResInf = volume;
    sim->simula();
    return sim;
}

int NroPeriodos(double anos) {
    return static_cast<int>(std::nearbyint(anos * 12));
}

void AddEconomias(std::vector<TPeriodo>& periodos, const TContas& contas, const TReajuste& r) {
    for (std::size_t i = 1; i < periodos.size(); ++i) {
        const int k = static_cast<int>(i);
        const auto c = static_cast<std::size_t>(mesCalendario(k, r.mesIn));
        const double saving = contas.vecContaSemPluv[c] - contas.vecContaComPluv[c];
        periodos[i].Economia = {
            "Economia de água potável",
            Currency::fromDouble(FatorReajuste(k, r.inflacao, r.periodoAumento) * saving)};
    }
}

TVPL CalculaVPL(const doubleArray& fluxo, double tma) {
    TVPL out;
    if (fluxo.empty()) return out;
    doubleArray acumulado(fluxo.size());
    double s = 0;
    for (std::size_t i = 0; i < fluxo.size(); ++i) {
        s += fluxo[i] / std::pow(1 + tma / 100, static_cast<double>(i + 1));
        acumulado[i] = s;
    }
    out.curVPL = Currency::fromDouble(std::nearbyint(s * 100) / 100);
    if (out.curVPL.tenThousandths > 0) {
        for (std::size_t i = 0; i < acumulado.size(); ++i) {
            if (acumulado[i] >= 0) {
                out.intTempoRetorno = static_cast<int>(i);
                break;
            }
        }
    }
    return out;
}

double InternalRateOfReturn(double guess, const doubleArray& fluxo, int* iteracoes) {
    double x = -std::log(1 + guess);
    for (int iter = 1; iter <= 15; ++iter) {
        if (iteracoes) *iteracoes = iter;
        const double t = std::exp(x);
        double npvNeg = 0, npvPos = 0, dNeg = 0, dPos = 0;
        for (std::size_t k = fluxo.size(); k-- > 0;) {
            const double f = fluxo[k], kf = static_cast<double>(k) * f;
            npvNeg *= t;
            npvPos *= t;
            dNeg *= t;
            dPos *= t;
            if (f < 0) {
                npvNeg += f;
                dNeg += kf;
            } else {
                npvPos += f;
                dPos += kf;
            }
        }
        if (npvNeg >= npvPos) throw InternalRateOfReturnError();
        if (npvNeg >= 0 || npvPos <= 0) return -1;
        const double step = std::log(-npvNeg / npvPos) / (dNeg / npvNeg - dPos / npvPos);
        x -= step;
        if (std::fabs(step) < 1e-12 * std::fabs(x) + 1e-15) {
            const double rate = std::exp(-x) - 1;
            // A step that ran off to an infinite factor has found no rate.
            if (!std::isfinite(rate)) throw InternalRateOfReturnError();
            return rate;
        }
    }
    throw InternalRateOfReturnError();
}

namespace {

int lePeriodo(const TCamposAnalise& a, const LocaleSettings& loc) {
    const auto campo = CampoAnalise::PeriodoAnalise;
    const double anos = leNumeroCampo(a.strPeriodoAnalise, campo, "Período de análise (anos)", loc);
    if (anos > 50) throw AnaliseError(campo, "O período máximo de análise é de 50 anos.", true);
    // A period that comes out as no month at all has no month 0 to charge.
    if (!(std::nearbyint(anos * 12) >= 1)) {
        throw AnaliseError(campo,
                           "Período de análise (anos): o período de análise deve ter pelo menos 1 mês.");
    }
    return NroPeriodos(anos);
}

TResultadoAnalise calcula(const TDadosAnalise& d, bool usaResSup, const TCaptAgua& sim,
                          const LocaleSettings& loc) {
    TResultadoAnalise r;
    r.nroPeriodos = lePeriodo(d.analise, loc);
    r.vecPeriodos.resize(static_cast<std::size_t>(r.nroPeriodos));
    r.contas = CalculaContas(d.tarifas.vecTarifas, leEsgotoImpostos(d.tarifas, loc), sim);
    AddCustosIniciais(r.vecPeriodos, d.iniciais, usaResSup, loc);

    TMotobomba mb;
    if (usaResSup) {
        if (!MotobombaCompleta(d.motobomba)) {
            throw AnaliseError(CampoAnalise::MotobombaIncompleta,
                               "Há um ou mais dados não preenchidos sobre a motobomba.");
        }
        mb = LeMotobomba(d.motobomba, loc);
    }
    TReajuste reajuste;
    if (d.analise.indMesIn < 0 || d.analise.indMesIn > 11) {
        throw AnaliseError(CampoAnalise::Nenhum,
                           "Mês de instalação do sistema de captação de águas pluviais: "
                           "escolha um mês de Jan a Dez.");
    }
    reajuste.mesIn = d.analise.indMesIn;
    r.mesIn = reajuste.mesIn;
    reajuste.inflacao =
        leNumeroCampo(d.analise.strInflacao, CampoAnalise::Inflacao, "Inflação (% ao mês)", loc);
    const char* rotuloAumento = "Reajuste das tarifas de água e energia elétrica (meses)";
    reajuste.periodoAumento =
        leInteiroCampo(d.analise.strPeriodoAumento, CampoAnalise::PeriodoAumento, rotuloAumento);
    if (reajuste.periodoAumento < 1) {
        throw AnaliseError(
            CampoAnalise::PeriodoAumento,
            std::string(rotuloAumento) + ": o intervalo entre reajustes deve ser de pelo menos 1 mês.");
    }
    for (const TManutencao& item : d.vecManutencao) ChecaPeriodicidade(item);

    if (usaResSup) AddCustoMotobomba(r.vecPeriodos, mb, sim, reajuste);
    AddCustoManutencao(r.vecPeriodos, d.vecManutencao, sim, reajuste);
    AddEconomias(r.vecPeriodos, r.contas, reajuste);

    const auto n = r.vecPeriodos.size();
    r.vecEconomias.resize(n);
    r.vecCustos.resize(n);
    doubleArray fluxo(n);
    for (std::size_t i = 0; i < n; ++i) {
        r.vecEconomias[i] = r.vecPeriodos[i].Economia.Valor.toDouble();
        double custo = 0;
        for (const TCusto& c : r.vecPeriodos[i].Custo) custo += c.Valor.toDouble();
        r.vecCustos[i] = custo;
        fluxo[i] = r.vecEconomias[i] - custo;
    }

    const char* rotuloTMA = "Taxa mínima de atratividade (% ao mês)";
    const double tma = leNumeroCampo(d.analise.strTMA, CampoAnalise::TMA, rotuloTMA, loc);
    // At −100 % the discount divides by zero.
    if (!(tma > -100)) {
        throw AnaliseError(CampoAnalise::TMA, std::string(rotuloTMA) + ": a taxa deve ser maior que -100.");
    }
    const TVPL vpl = CalculaVPL(fluxo, tma);
    r.curVPL = vpl.curVPL;
    r.intTempoRetorno = vpl.intTempoRetorno;
    try {
        const double tir = InternalRateOfReturn(0, fluxo);
        if (tir != -1) r.dblTIR = tir * 100;
    } catch (const InternalRateOfReturnError&) {
        // Shown as an undefined rate; the present value and payback still stand.
    }
    return r;
}

}  // namespace

TResultadoAnalise Calcular(const TDadosAnalise& dados, bool usaResSup, const TCaptAgua& simAnalise,
                           const LocaleSettings& loc) {
    try {
        return calcula(dados, usaResSup, simAnalise, loc);
    } catch (const std::range_error& e) {
        // An amount too large for money (an absurd inflation over many years, say).
        throw AnaliseError(CampoAnalise::Nenhum, e.what());
    }
}

std::string TextoVPL(Currency curVPL, const LocaleSettings& loc) {
    return "Valor presente líquido: R$ " + formatCurrencyGeneral(curVPL, loc);
}

std::string TextoTempoRetorno(int intTempoRetorno) {
    if (intTempoRetorno == -1) return "Não há retorno financeiro no período analisado.";
    return "Tempo de retorno do investimento: " + std::to_string(intTempoRetorno) + " meses";
}

std::string TextoTIR(const std::optional<double>& dblTIR, const LocaleSettings& loc) {
    if (!dblTIR) return "Taxa interna de retorno indefinida";
    return "Taxa interna de retorno: " + formatFixed(*dblTIR, 8, 2, loc) + "% ao mês";
}
