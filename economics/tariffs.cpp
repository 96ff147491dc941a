#include "economics/tariffs.h"

#include <cmath>

#include "common/numtext.h"
#include "economics/economics_errors.h"
#include "economics/months.h"
#include "engine/capt_agua.h"

double TotalConta(double volume, const TTarifas& tarifas) {
    double used = 0, total = 0;
    for (const TContaAguaFaixa& f : tarifas) {
        const double share = volume > f.Ate ? f.Ate - f.De : volume - used;
        used += share;
        if (share > 0) total += f.Fixo ? f.Valor : share * f.Valor;
    }
    return total;
}

double FatorReajuste(int i, double inflacao, int periodo_aumento) {
    if (periodo_aumento < 1) {
        throw AnaliseError(CampoAnalise::PeriodoAumento,
                           "Reajuste das tarifas de água e energia elétrica (meses): o intervalo entre "
                           "reajustes deve ser de pelo menos 1 mês.");
    }
    return std::pow(1 + inflacao / 100, i - (i % periodo_aumento));
}

double TarifaEnergia(double valor_inicial, int periodo, int periodo_aumento, double inflacao) {
    return valor_inicial * FatorReajuste(periodo, inflacao, periodo_aumento);
}

TEsgotoImpostos leEsgotoImpostos(const TCamposTarifas& campos, const LocaleSettings& loc) {
    TEsgotoImpostos e;
    e.tipo = campos.tipoEsgoto;
    e.impFixo = readLenient(campos.strImpFixo, loc);
    e.impVar = readLenient(campos.strImpVar, loc);
    if (e.tipo == TipoEsgoto::Fixa) {
        e.esgoto = readLenient(campos.strTarEsgoto, loc);
    } else if (e.tipo == TipoEsgoto::Nenhum && campos.strTarEsgoto.empty()) {
        // No kind and no value (a file without the sewer line): no sewer charge.
        e.esgoto = 0;
    } else {
        try {
            e.esgoto = readStrict(campos.strTarEsgoto, loc);
        } catch (const ConversionError& err) {
            throw AnaliseError(CampoAnalise::TarifaEsgoto, std::string("Tarifa de esgoto: ") + err.what());
        }
    }
    return e;
}

double ValorConta(double volume, const TTarifas& tarifas, const TEsgotoImpostos& e) {
    const double agua = TotalConta(volume, tarifas);
    if (e.tipo == TipoEsgoto::Fixa) return agua * (1 + e.impVar / 100) + e.esgoto + e.impFixo;
    return agua * (1 + e.esgoto / 100 + e.impVar / 100) + e.impFixo;
}

TContas CalculaContas(const TTarifas& tarifas, const TEsgotoImpostos& esgoto, const TCaptAgua& sim) {
    TContas c;
    for (int m = 0; m < 12; ++m) {
        const double pluv = valorDoMes(sim.vecVConsPluv, m), pot = valorDoMes(sim.vecVConsPot, m);
        const auto k = static_cast<std::size_t>(m);
        c.vecContaSemPluv[k] = ValorConta((pluv + pot) / 1000, tarifas, esgoto);
        c.vecContaComPluv[k] = ValorConta(pot / 1000, tarifas, esgoto);
    }
    return c;
}

TFaixaLida leFaixa(const TTarifas& anteriores, TipoFaixa tipo, std::string_view vol1, std::string_view vol2,
                   std::string_view custo, bool fixo, const LocaleSettings& loc) {
    TFaixaLida r;
    const std::string v1(vol1), v2(vol2), c(custo);
    std::string nome;
    switch (tipo) {
        case TipoFaixa::AbaixoDe:
            r.faixa = {0, readStrict(vol1, loc), readStrict(custo, loc), fixo};
            nome = "Abaixo de " + v1 + " m³";
            break;
        case TipoFaixa::Entre:
            r.faixa = {readStrict(vol1, loc), readStrict(vol2, loc), readStrict(custo, loc), false};
            nome = "Entre " + v1 + " e " + v2 + " m³";
            break;
        case TipoFaixa::AcimaDe:
            r.faixa = {readStrict(vol1, loc), kTetoFaixa, readStrict(custo, loc), false};
            nome = "Acima de " + v1 + " m³";
            break;
    }
    ChecaFaixa(anteriores, tipo, r.faixa, nome);
    const bool porM3 = tipo != TipoFaixa::AbaixoDe || !fixo;
    r.strLinha = nome + ": R$" + c + (porM3 ? " (por m³)." : " (fixo).");
    return r;
}
