#include "scenarios/item_rules.h"

#include <algorithm>

#include "common/numtext.h"
#include "engine/input_rules.h"
#include "engine/upper_reservoir.h"
#include "scenarios/value_lists.h"

namespace {

using Erro = std::optional<std::string>;

const char* const kPassoZero = "O intervalo entre volumes deve ser maior que 0 litros.";

// A demand or occupants vector: no value below 0, and not all of them 0.
Erro erroVetor(const doubleArray& v, const char* nome) {
    if (std::any_of(v.begin(), v.end(), [](double x) { return x < 0; }))
        return std::string(nome) + " não pode ter valores negativos.";
    if (std::none_of(v.begin(), v.end(), [](double x) { return x > 0; }))
        return std::string(nome) + " deve ser maior que 0.";
    return std::nullopt;
}

Erro erroResSup(const resSupRecord& r) {
    if (r.modo() == UpperReservoirMode::None) return std::nullopt;
    if (r.dblResSup < 0 && r.modo() != UpperReservoirMode::FromDemand)
        return "O volume do reservatório superior não pode ser negativo.";
    if (r.dblResSupRec < 0) return "O percentual do volume abaixo do qual há recalque não pode ser negativo.";
    return ErroLimiarResSup(r);
}

Erro erroResInf(const resInfRecord& r) {
    if (!r.escritoComoFaixa) {
        if (r.volmax < 0) return "O volume do reservatório inferior não pode ser negativo.";
        return std::nullopt;
    }
    if (r.volmax <= 0) return "O volume máximo deve ser maior que 0 litros.";
    if (r.interv <= 0) return std::string(kPassoZero) + " Um volume fixo é informado como \"Fixo\".";
    if (r.delta < 0) return "A diferença entre potenciais de economia não pode ser negativa.";
    return std::nullopt;
}

// The range rules of the one value an item holds.
Erro erroDosValores(int linha, std::string_view item, const LocaleSettings& loc) {
    const std::string texto = TStringListToString({std::string(item)});
    const char d = DelimitadorDaLinha(linha);
    switch (linha) {
        case kLinhaArqPrec:
            if (StrToDadosPrec(texto, d, loc).at(0).dblDescartPrec < 0)
                return "O descarte do escoamento inicial não pode ser negativo.";
            return std::nullopt;
        case kLinhaAreaCapt:
            if (StrToVector(texto, d, loc).at(0) <= 0) return "A área de captação deve ser maior que 0.";
            return std::nullopt;
        case kLinhaDemPot:
            return erroVetor(StrToVectorArray(texto, d, loc).at(0), "A demanda de água");
        case kLinhaNroMor:
            return erroVetor(StrToVectorArray(texto, d, loc).at(0), "O número de moradores");
        case kLinhaPorcSubst:
            return shareError(StrToVector(texto, d, loc).at(0));
        case kLinhaCoefAprov:
            return coefficientError(StrToVector(texto, d, loc).at(0));
        case kLinhaResSup:
            return erroResSup(StrToResSup(texto, d, loc).at(0));
        default:
            return erroResInf(StrToResInf(texto, loc).at(0));
    }
}

}  // namespace

std::optional<std::string> ErroDoItem(int linha, std::string_view item, const LocaleSettings& loc) {
    Erro causa = ErroDeLeituraDoItem(linha, item, loc);
    if (!causa) causa = erroDosValores(linha, item, loc);
    if (!causa) return std::nullopt;
    return "O valor \"" + std::string(item) + "\" não foi adicionado: " + *causa;
}

std::optional<ErroDeCampo> ErroFaixaDeVolumes(std::string_view volMaximo, std::string_view intervalo,
                                              std::string_view diferenca, const LocaleSettings& loc) {
    const std::string_view textos[3] = {volMaximo, intervalo, diferenca};
    const char* const nomes[3] = {"Volume máximo (litros)", "Intervalo entre volumes (litros)",
                                  "Diferença entre potenciais de economia (%/m³)"};
    double v[3] = {};
    for (int i = 0; i < 3; ++i) {
        const auto lido = tryReadNumber(textos[i], loc);
        if (!lido)
            return ErroDeCampo{
                std::string(nomes[i]) + ": '" + std::string(textos[i]) + "' não é um número válido.", i};
        v[i] = *lido;
    }
    if (v[1] <= 0)
        return ErroDeCampo{std::string(kPassoZero) + " Um volume fixo é informado como \"Fixo\" na lista.",
                           1};
    if (v[0] <= 0) return ErroDeCampo{"O volume máximo deve ser maior que 0 litros.", 0};
    if (v[2] < 0) return ErroDeCampo{"A diferença entre potenciais de economia não pode ser negativa.", 2};
    return std::nullopt;
}
