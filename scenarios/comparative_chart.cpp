#include "scenarios/comparative_chart.h"

#include "common/numtext.h"
#include "engine/capt_agua.h"
#include "engine/capt_agua_interval.h"
#include "scenarios/scenario_errors.h"

namespace {

const char* const kNomesVariaveis[7] = {"Dados de precipitação",      "Área de captação",
                                        "Demanda de água potável",    "Número de moradores",
                                        "Percentual de substituição", "Coeficiente de escoamento superficial",
                                        "Reservatório superior"};

const char* const kRotulosCombos[8] = {"Dados de precipitação",      "Área de captação",
                                       "Demanda de água potável",    "Número de moradores",
                                       "Percentual de substituição", "Coeficiente de aproveitamento",
                                       "Reservatório superior",      "Reservatório inferior"};

std::string textoDadosPrec(const dadosPrecRecord& d, const LocaleSettings& loc) {
    return NomeSemPasta(d.strDadosPrec) + " | " + formatGeneral(d.dblDescartPrec, loc) + " mm";
}

std::string textoResSup(const resSupRecord& r, const LocaleSettings& loc) {
    if (r.modo() == UpperReservoirMode::FromDemand)
        return std::string(kDemandaPluvial) + " | " + formatGeneral(r.dblResSupRec * 100, loc) + "%";
    if (r.dblResSup > 0)
        return formatGeneral(r.dblResSup, loc) + " | " + formatGeneral(r.dblResSupRec * 100, loc) + "%";
    return "0 | 0%";
}

std::size_t tamanhoLista(const TCombs& c, int param) {
    return c.tamanhos()[static_cast<std::size_t>(param)];
}

template <typename T>
std::vector<T> escolhe(const std::vector<T>& lista, bool inteira, std::optional<std::size_t> pos) {
    if (inteira) return lista;
    return {lista.at(*pos)};
}

}  // namespace

const char* NomeParametroVariavel(int param) {
    return param >= 0 && param < 7 ? kNomesVariaveis[param] : "";
}

const char* RotuloComboFixo(int param) {
    return param >= 0 && param < 8 ? kRotulosCombos[param] : "";
}

std::vector<ParametroVariavel> ParametrosVariaveis(const TCombs& combs) {
    std::vector<ParametroVariavel> r;
    for (int p = 0; p < 7; ++p) {
        if (tamanhoLista(combs, p) > 1) r.push_back({kNomesVariaveis[p], p});
    }
    return r;
}

std::vector<std::string> ItensCombo(const TCombs& c, int param, const LocaleSettings& loc) {
    std::vector<std::string> itens;
    switch (param) {
        case 0:
            for (const auto& d : c.vecArqPrec) itens.push_back(textoDadosPrec(d, loc));
            break;
        case 1:
            for (double v : c.vecAreaCapt) itens.push_back(formatGeneral(v, loc));
            break;
        case 2:
            for (const auto& v : c.vecDemPot) itens.push_back(VectorToString(v, loc));
            break;
        case 3:
            for (const auto& v : c.vecNroMor) itens.push_back(VectorToString(v, loc));
            break;
        case 4:
            for (double v : c.vecPorcSubst) itens.push_back(formatGeneral(v, loc));
            break;
        case 5:
            for (double v : c.vecCoefAprov) itens.push_back(formatGeneral(v, loc));
            break;
        case 6:
            for (const auto& r : c.vecResSup) itens.push_back(textoResSup(r, loc));
            break;
        case kParamResInf:
            return ItensResInf(c, loc).textos;
        default:
            break;
    }
    return itens;
}

ItensFaixas ItensResInf(const TCombs& c, const LocaleSettings& loc) {
    ItensFaixas f;
    for (std::size_t i = 0; i < c.vecResInf.size(); ++i) {
        const resInfRecord& r = c.vecResInf[i];
        if (!r.isSweep()) continue;
        f.textos.push_back("Intervalo de volumes: " + formatGeneral(r.volmax, loc) + "; " +
                           formatGeneral(r.interv, loc) + "; " + formatGeneral(r.delta, loc));
        f.posicoes.push_back(i);
    }
    return f;
}

bool SelecionaPrimeiro(const TCombs& combs, int param) {
    if (param < 0 || param > kParamResInf) return false;
    if (param == kParamResInf) return combs.vecResInf.size() == 1 && combs.vecResInf[0].isSweep();
    return tamanhoLista(combs, param) == 1;
}

std::string EscolhaIncompleta(const TCombs& c, const EscolhaGrafico& e) {
    if (!e.paramVariavel || *e.paramVariavel < 0 || *e.paramVariavel > 6)
        return "Escolha o parâmetro variável.";
    for (int p = 0; p < 7; ++p) {
        if (p == *e.paramVariavel) continue;
        const auto& s = e.selecionados[static_cast<std::size_t>(p)];
        if (!s || *s >= tamanhoLista(c, p)) {
            return std::string("Escolha um valor de \"") + kRotulosCombos[p] + "\".";
        }
    }
    bool faixaValida = false;
    if (e.faixa) {
        const auto faixas = ItensResInf(c, LocaleSettings{});
        faixaValida = *e.faixa < faixas.posicoes.size();
    }
    if (!faixaValida) return "Escolha um intervalo de volumes do reservatório inferior.";
    return "";
}

std::shared_ptr<TCombs> CombsDoGrafico(const TCombs& c, const EscolhaGrafico& e) {
    const std::string falta = EscolhaIncompleta(c, e);
    if (!falta.empty()) throw ScenarioError(falta);
    if (c.matDadosPrec.size() != c.vecArqPrec.size()) {
        throw ScenarioError("Os dados de precipitação deste conjunto de cenários não foram lidos.");
    }
    const int v = *e.paramVariavel;
    const auto& s = e.selecionados;
    auto d = std::make_shared<TCombs>();
    d->vecArqPrec = escolhe(c.vecArqPrec, v == 0, s[0]);
    d->matDadosPrec = escolhe(c.matDadosPrec, v == 0, s[0]);
    d->vecAreaCapt = escolhe(c.vecAreaCapt, v == 1, s[1]);
    d->vecDemPot = escolhe(c.vecDemPot, v == 2, s[2]);
    d->vecNroMor = escolhe(c.vecNroMor, v == 3, s[3]);
    d->vecPorcSubst = escolhe(c.vecPorcSubst, v == 4, s[4]);
    d->vecCoefAprov = escolhe(c.vecCoefAprov, v == 5, s[5]);
    d->vecResSup = escolhe(c.vecResSup, v == 6, s[6]);
    d->vecResInf = {c.vecResInf.at(ItensResInf(c, LocaleSettings{}).posicoes.at(*e.faixa))};
    d->strPastaBase = c.strPastaBase;
    d->geraTabela();
    return d;
}

std::vector<PontoCurva> PontosCurva(const TCaptAguaInterval& sim) {
    std::vector<PontoCurva> pontos;
    pontos.reserve(sim.vecCaptAgua.size() + 1);
    for (const auto& m : sim.vecCaptAgua) pontos.push_back({m->dblResInf, m->dblEconPot, false});
    if (sim.indVolOtimo >= 0 && static_cast<std::size_t>(sim.indVolOtimo) < sim.vecCaptAgua.size()) {
        const TCaptAgua& ideal = *sim.vecCaptAgua[static_cast<std::size_t>(sim.indVolOtimo)];
        pontos.push_back({ideal.dblResInf, ideal.dblEconPot, true});
    }
    return pontos;
}

std::string TituloCurva(const TCombs& d, int v, std::int32_t k, const TCaptAguaInterval& sim,
                        const LocaleSettings& loc) {
    const intArray& p = d.matCombs.at(static_cast<std::size_t>(k));
    const auto pos = [&p](int param) {
        return static_cast<std::size_t>(p.at(static_cast<std::size_t>(param)));
    };
    const auto vetor = [&](const char* nome, const doubleArray& vec, const char* unidade) {
        if (vec.size() == 1) return std::string(nome) + " (" + formatGeneral(vec[0], loc) + unidade + ")";
        return std::string(nome) + " (Variável " + formatGeneral(k, loc) + ")";
    };
    switch (v) {
        case 0:
            return "Dados de precipitação (" + textoDadosPrec(d.vecArqPrec.at(pos(0)), loc) + ")";
        case 1:
            return "Área de captação (" + formatGeneral(d.vecAreaCapt.at(pos(1)), loc) + " m²)";
        case 2:
            return vetor("Demanda de água total", d.vecDemPot.at(pos(2)), " l per capita/dia");
        case 3:
            return vetor("Número de moradores", d.vecNroMor.at(pos(3)), "");
        case 4:
            return "Percentual de substituição (" + formatGeneral(d.vecPorcSubst.at(pos(4)), loc) + "%)";
        case 5:
            return "Coeficiente de escoamento superficial (" + formatGeneral(d.vecCoefAprov.at(pos(5)), loc) +
                   ")";
        case 6:
            return "Reservatório superior (" + formatGeneral(sim.base().dblResSup, loc) + " l)";
        default:
            throw ScenarioError("Parâmetro variável inexistente.");
    }
}

GraficoComparativo GeraGraficoComparativo(const TCombs& c, const EscolhaGrafico& e,
                                          const LocaleSettings& loc) {
    GraficoComparativo r;
    r.combs = CombsDoGrafico(c, e);
    const int v = *e.paramVariavel;
    for (std::int32_t k = 0; k < r.combs->numCombinacoes(); ++k) {
        const auto sim = r.combs->simulaComb(k);
        r.linhas.push_back(LinhaDaSimulacao(*sim, k, loc));
        r.curvas.push_back({TituloCurva(*r.combs, v, k, *sim, loc), PontosCurva(*sim)});
    }
    return r;
}
