#include "scenarios/combs.h"

#include <algorithm>
#include <filesystem>

#include "common/platform.h"
#include "engine/capt_agua.h"
#include "engine/capt_agua_interval.h"
#include "engine/input_rules.h"
#include "engine/precipitation_file.h"
#include "engine/upper_reservoir.h"
#include "scenarios/scenario_errors.h"

namespace {

template <typename T>
const T& at(const std::vector<T>& list, std::int32_t pos, const char* nome) {
    if (pos < 0 || static_cast<std::size_t>(pos) >= list.size()) {
        throw ScenarioError(std::string("A combinação usa um valor que não existe na lista \"") + nome +
                            "\".");
    }
    return list[static_cast<std::size_t>(pos)];
}

// A demand or occupants vector of twelve values is one value per month.
bool mensal(const doubleArray& v) {
    return v.size() == 12;
}

}  // namespace

std::array<std::size_t, kNumParametros> TCombs::tamanhos() const {
    return {vecArqPrec.size(),   vecAreaCapt.size(),  vecDemPot.size(), vecNroMor.size(),
            vecPorcSubst.size(), vecCoefAprov.size(), vecResSup.size(), vecResInf.size()};
}

namespace {

// The number of combinations of lists of lengths n; an empty list or too many combinations
// throw ScenarioError.
std::int64_t totalCombinacoes(const std::array<std::size_t, kNumParametros>& n) {
    std::int64_t total = 1;
    for (int k = 0; k < kNumParametros; ++k) {
        if (n[static_cast<std::size_t>(k)] == 0) {
            throw ScenarioError(std::string("A lista \"") + RotuloParametro(k + 1) + "\" não tem valores.");
        }
        total *= static_cast<std::int64_t>(n[static_cast<std::size_t>(k)]);
        if (total > kMaxCombinacoes) {
            throw ScenarioError("As listas resultam em mais de " + std::to_string(kMaxCombinacoes) +
                                " combinações: reduza o número de valores.");
        }
    }
    return total;
}

// The positions of combination r: row i × n_k + j is row i of the table of the lists before k
// followed by position j of list k, so the first list changes slowest and the last fastest.
void posicoesDe(std::int64_t r, const std::array<std::size_t, kNumParametros>& n, intArray& linha) {
    linha.assign(kNumParametros, 0);
    for (int k = kNumParametros - 1; k >= 0; --k) {
        const auto nk = static_cast<std::int64_t>(n[static_cast<std::size_t>(k)]);
        linha[static_cast<std::size_t>(k)] = static_cast<std::int32_t>(r % nk);
        r /= nk;
    }
}

// Every combination of positions for lists of lengths n, in combination order.
intArrayArray tabelaCombinacoes(const std::array<std::size_t, kNumParametros>& n) {
    const std::int64_t total = totalCombinacoes(n);
    intArrayArray tabela;
    tabela.reserve(static_cast<std::size_t>(total));
    intArray linha;
    for (std::int64_t r = 0; r < total; ++r) {
        posicoesDe(r, n, linha);
        tabela.push_back(linha);
    }
    return tabela;
}

}  // namespace

void TCombs::geraTabela() {
    matCombs = tabelaCombinacoes(tamanhos());
    semTabela_ = 0;
}

void TCombs::geraContagem() {
    const auto total = static_cast<std::int32_t>(totalCombinacoes(tamanhos()));
    matCombs.clear();
    matCombs.shrink_to_fit();
    semTabela_ = total;
}

intArray TCombs::posicoes(std::int32_t ind) const {
    if (ind < 0 || ind >= numCombinacoes()) {
        throw ScenarioError("A combinação " + std::to_string(static_cast<std::int64_t>(ind) + 1) +
                            " não existe neste conjunto de cenários.");
    }
    if (!matCombs.empty()) return matCombs[static_cast<std::size_t>(ind)];
    const auto n = tamanhos();
    // A list emptied after the count: refused, never divided by its length.
    if (std::find(n.begin(), n.end(), std::size_t{0}) != n.end())
        throw ScenarioError("A tabela de combinações está incompleta.");
    intArray p;
    posicoesDe(ind, n, p);
    return p;
}

void TCombs::geraCombs(const LocaleSettings& loc) {
    intArrayArray tabela = tabelaCombinacoes(tamanhos());
    loadPrecFiles(loc);  // changes the series only once every file is read
    matCombs = std::move(tabela);
    semTabela_ = 0;
}

std::string TCombs::caminhoLeitura(const std::string& strDadosPrec) const {
    const std::filesystem::path p = pathFromUtf8(strDadosPrec);
    if (strPastaBase.empty() || p.is_absolute()) return strDadosPrec;
    return utf8FromPath(pathFromUtf8(strPastaBase) / p);
}

void TCombs::loadPrecFiles(const LocaleSettings& loc) {
    doubleArrayArray series;
    series.reserve(vecArqPrec.size());
    for (const auto& d : vecArqPrec) series.push_back(readPrecFile(caminhoLeitura(d.strDadosPrec), loc));
    matDadosPrec = std::move(series);
}

std::shared_ptr<TCaptAguaInterval> TCombs::simulaComb(std::int32_t ind) const {
    const intArray p = posicoes(ind);
    if (p.size() != kNumParametros) throw ScenarioError("A tabela de combinações está incompleta.");
    const dadosPrecRecord& F = at(vecArqPrec, p[0], RotuloParametro(1));
    const doubleArray& S = at(matDadosPrec, p[0], RotuloParametro(1));
    const double A = at(vecAreaCapt, p[1], RotuloParametro(2));
    const doubleArray& D = at(vecDemPot, p[2], RotuloParametro(3));
    const doubleArray& M = at(vecNroMor, p[3], RotuloParametro(4));
    const double P = at(vecPorcSubst, p[4], RotuloParametro(5));
    const double C = at(vecCoefAprov, p[5], RotuloParametro(6));
    const resSupRecord& U = at(vecResSup, p[6], RotuloParametro(7));
    const resInfRecord& L = at(vecResInf, p[7], RotuloParametro(8));

    auto sim = std::make_shared<TCaptAguaInterval>(
        S, F.dateDadosPrec, F.dblDescartPrec, A, D, mensal(D), M, mensal(M), P / 100, C, U.dblResSup,
        U.dblResSup * U.dblResSupRec, std::make_shared<TObsList>(), 0, 0, 0);
    TCaptAgua& Q = sim->base();
    Q.strArqPrec = F.strDadosPrec;
    if (U.modo() == UpperReservoirMode::FromDemand) {
        Q.dblResSup = demandSizedUpperVolume(Q.meanNroMor(), Q.meanDemAguaPot(), Q.dblPorcSubs,
                                             DemandFactorOrder::DemandShareOccupants);
        Q.dblResSupMinRec = Q.dblResSup * U.dblResSupRec;
    }
    if (L.isSweep()) {
        sim->setSweep(L.volmax, L.interv, L.delta);
    } else {
        sim->setSingle(L.volmax);
    }
    sim->run();
    return sim;
}

void TCombs::simulaCombIndiv(std::int32_t ind) {
    captAguaInterv = simulaComb(ind);
}

namespace {

// Reads one row's text into its list of `alvo`; errors name the row.
void leLinha(TCombs& alvo, int linha, std::string_view texto, const LocaleSettings& loc) {
    try {
        const char d = DelimitadorDaLinha(linha);
        switch (linha) {
            case kLinhaArqPrec:
                alvo.vecArqPrec = StrToDadosPrec(texto, d, loc);
                break;
            case kLinhaAreaCapt:
                alvo.vecAreaCapt = StrToVector(texto, d, loc);
                break;
            case kLinhaDemPot:
                alvo.vecDemPot = StrToVectorArray(texto, d, loc);
                break;
            case kLinhaNroMor:
                alvo.vecNroMor = StrToVectorArray(texto, d, loc);
                break;
            case kLinhaPorcSubst:
                alvo.vecPorcSubst = StrToVector(texto, d, loc);
                break;
            case kLinhaCoefAprov:
                alvo.vecCoefAprov = StrToVector(texto, d, loc);
                break;
            case kLinhaResSup:
                alvo.vecResSup = StrToResSup(texto, d, loc);
                break;
            case kLinhaResInf:
                alvo.vecResInf = StrToResInf(texto, loc);
                break;
            default:
                throw ScenarioError("Linha de parâmetro inexistente: " + std::to_string(linha) + ".");
        }
    } catch (const ScenarioError& e) {
        if (linha < 1 || linha > kNumParametros) throw;
        throw ScenarioError(std::string(RotuloParametro(linha)) + ": " + e.what());
    }
}

}  // namespace

bool PodeSimular(const TextosCenarios& textos) {
    for (const auto& t : textos) {
        if (t.empty()) return false;
    }
    return true;
}

bool TemFaixaDeVolumes(const TCombs& combs) {
    for (const auto& r : combs.vecResInf) {
        if (r.isSweep()) return true;
    }
    return false;
}

void PreencheLista(TCombs& combs, int linha, std::string_view texto, const LocaleSettings& loc) {
    leLinha(combs, linha, texto, loc);
}

void PreencheListas(TCombs& combs, const TextosCenarios& textos, const LocaleSettings& loc) {
    TCombs novo;
    for (int linha = 1; linha <= kNumParametros; ++linha) {
        leLinha(novo, linha, textos[static_cast<std::size_t>(linha - 1)], loc);
    }
    const auto n = novo.tamanhos();
    for (int linha = 1; linha <= kNumParametros; ++linha) {
        if (n[static_cast<std::size_t>(linha - 1)] == 0) {
            throw ScenarioError(std::string(RotuloParametro(linha)) + ": a lista de valores está vazia.");
        }
    }
    combs.vecArqPrec = std::move(novo.vecArqPrec);
    combs.vecAreaCapt = std::move(novo.vecAreaCapt);
    combs.vecDemPot = std::move(novo.vecDemPot);
    combs.vecNroMor = std::move(novo.vecNroMor);
    combs.vecPorcSubst = std::move(novo.vecPorcSubst);
    combs.vecCoefAprov = std::move(novo.vecCoefAprov);
    combs.vecResSup = std::move(novo.vecResSup);
    combs.vecResInf = std::move(novo.vecResInf);
}

std::vector<std::string> ValoresForaDosLimites(const TCombs& combs) {
    std::vector<std::string> avisos;
    const auto avisa = [&avisos](int linha, std::size_t item, const std::optional<std::string>& erro) {
        if (erro)
            avisos.push_back(std::string(RotuloParametro(linha)) + ", item " + std::to_string(item + 1) +
                             ": " + *erro);
    };
    for (std::size_t i = 0; i < combs.vecPorcSubst.size(); ++i)
        avisa(5, i, shareError(combs.vecPorcSubst[i]));
    for (std::size_t i = 0; i < combs.vecCoefAprov.size(); ++i)
        avisa(6, i, coefficientError(combs.vecCoefAprov[i]));
    for (std::size_t i = 0; i < combs.vecResSup.size(); ++i)
        avisa(7, i, ErroLimiarResSup(combs.vecResSup[i]));
    // A range written with a step of 0 keeps the meaning the list gives it, one fixed volume,
    // but the user is told: a sweep was what the range form promised.
    for (std::size_t i = 0; i < combs.vecResInf.size(); ++i) {
        const resInfRecord& r = combs.vecResInf[i];
        if (r.escritoComoFaixa && r.interv == 0)
            avisa(8, i,
                  std::string("o intervalo entre volumes é 0: o volume máximo é simulado como um volume "
                              "fixo, sem faixa de volumes."));
    }
    return avisos;
}
