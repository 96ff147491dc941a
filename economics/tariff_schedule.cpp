#include "economics/tariff_schedule.h"

#include "common/numtext.h"

namespace {

// A list row is its band's name followed by its price: "Entre 10 e 15 m³: R$4,5 (por m³).".
constexpr const char* kInicioPreco = ": R$";

std::string nomePorLimites(TipoFaixa tipo, const TContaAguaFaixa& f, const LocaleSettings& loc) {
    switch (tipo) {
        case TipoFaixa::AbaixoDe:
            return "Abaixo de " + formatGeneral(f.Ate, loc) + " m³";
        case TipoFaixa::Entre:
            return "Entre " + formatGeneral(f.De, loc) + " e " + formatGeneral(f.Ate, loc) + " m³";
        case TipoFaixa::AcimaDe:
            break;
    }
    return "Acima de " + formatGeneral(f.De, loc) + " m³";
}

std::string entreAspas(const std::string& nome) {
    return "\"" + nome + "\"";
}

}  // namespace

TipoFaixa TipoDaFaixa(const TTarifas& tarifas, std::size_t i) {
    if (i == 0) return TipoFaixa::AbaixoDe;
    return tarifas[i].Ate == kTetoFaixa ? TipoFaixa::AcimaDe : TipoFaixa::Entre;
}

std::string NomeFaixa(const TTarifas& tarifas, const std::vector<std::string>& linhas, std::size_t i,
                      const LocaleSettings& loc) {
    if (i < linhas.size()) {
        const auto fim = linhas[i].find(kInicioPreco);
        if (fim != std::string::npos) return linhas[i].substr(0, fim);
    }
    return nomePorLimites(TipoDaFaixa(tarifas, i), tarifas[i], loc);
}

void ChecaFaixa(const TTarifas& anteriores, TipoFaixa tipo, const TContaAguaFaixa& faixa,
                const std::string& nome) {
    auto recusa = [&nome](const std::string& motivo) { throw FaixaRecusada(nome, motivo); };
    if (!anteriores.empty() && TipoDaFaixa(anteriores, anteriores.size() - 1) == TipoFaixa::AcimaDe)
        recusa("a faixa \"Acima de\" é a última da tabela; nenhuma faixa pode vir depois dela.");
    if (anteriores.empty() != (tipo == TipoFaixa::AbaixoDe))
        recusa("a tabela começa pela faixa \"Abaixo de\", e só a primeira faixa é \"Abaixo de\".");
    if (tipo == TipoFaixa::Entre && !(faixa.De < faixa.Ate)) recusa(kPreenchimentoIncorreto);
    if (faixa.De < 0 || faixa.Ate < 0) recusa("os volumes das faixas não podem ser negativos.");
    if (!anteriores.empty() && faixa.De != anteriores.back().Ate)
        recusa("cada faixa começa onde a anterior termina.");
    // The largest limit whose saved text (15 significant digits) stays below the ceiling.
    constexpr double kMaiorLimite = 99999.9999999999;
    if (tipo != TipoFaixa::AcimaDe && !(faixa.Ate <= kMaiorLimite))
        recusa("os volumes das faixas devem ser menores que 100000 m³, o teto da faixa \"Acima de\".");
}

std::optional<std::string> RecusaTabela(const TTarifas& tarifas, const std::vector<std::string>& linhas,
                                        const LocaleSettings& loc) {
    if (tarifas.empty()) return std::nullopt;
    const std::size_t ultima = tarifas.size() - 1;
    if (ultima > 0 && TipoDaFaixa(tarifas, ultima) == TipoFaixa::AcimaDe) return std::nullopt;
    return "A tabela de tarifas termina na faixa " + entreAspas(NomeFaixa(tarifas, linhas, ultima, loc)) +
           ": a última faixa deve ser \"Acima de\", para que todo o consumo acima dela seja cobrado.";
}

std::optional<std::string> RemoveFaixa(TTarifas& tarifas, std::vector<std::string>& linhas, std::size_t i,
                                       const LocaleSettings& loc) {
    if (i >= tarifas.size()) return std::nullopt;
    linhas.resize(tarifas.size());
    if (i + 1 < tarifas.size()) {
        if (i == 0 && TipoDaFaixa(tarifas, 1) == TipoFaixa::AcimaDe) {
            return "A faixa " + entreAspas(NomeFaixa(tarifas, linhas, 0, loc)) +
                   " não pode ser removida enquanto a faixa " +
                   entreAspas(NomeFaixa(tarifas, linhas, 1, loc)) +
                   " vier logo depois dela: a tabela começa pela faixa \"Abaixo de\". Remova antes a faixa "
                   "\"Acima de\".";
        }
        // The next band takes over the removed band's volumes, at its own price.
        const std::string& linha = linhas[i + 1];
        const auto preco = linha.find(kInicioPreco);
        TContaAguaFaixa& seguinte = tarifas[i + 1];
        seguinte.De = tarifas[i].De;
        seguinte.Fixo = false;
        const TipoFaixa tipo = i == 0 ? TipoFaixa::AbaixoDe : TipoDaFaixa(tarifas, i + 1);
        linhas[i + 1] = nomePorLimites(tipo, seguinte, loc) +
                        (preco == std::string::npos ? std::string(kInicioPreco) : linha.substr(preco));
    }
    tarifas.erase(tarifas.begin() + static_cast<std::ptrdiff_t>(i));
    linhas.erase(linhas.begin() + static_cast<std::ptrdiff_t>(i));
    return std::nullopt;
}
