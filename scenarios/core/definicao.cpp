#include "scenarios/core/definicao.h"

#include <filesystem>
#include <vector>

#include "common/textfile.h"
#include "scenarios/core/erros_cenarios.h"

namespace {

std::string linhaRotulo(std::size_t i) {
    return "Linha " + std::to_string(i + 1) + " (" + RotuloParametro(static_cast<int>(i) + 1) + ")";
}

}  // namespace

DefinicaoCenarios LeDefinicaoCenarios(const std::string& path, const LocaleSettings& loc) {
    return LeDefinicaoCenariosLinhas(readTextLines(path), path, loc);
}

DefinicaoCenarios LeDefinicaoCenariosLinhas(std::vector<std::string> linhas, const std::string& path,
                                            const LocaleSettings& loc) {
    while (linhas.size() > kNumParametros && linhas.back().empty()) linhas.pop_back();
    if (linhas.size() != kNumParametros) {
        throw ScenarioError("O arquivo de cenários deve ter exatamente 8 linhas, uma por parâmetro; \"" +
                            path + "\" tem " + std::to_string(linhas.size()) + ".");
    }
    DefinicaoCenarios def;
    TCombs verificacao;
    for (std::size_t i = 0; i < linhas.size(); ++i) {
        if (linhas[i].empty()) throw ScenarioError(linhaRotulo(i) + ": a lista de valores está vazia.");
        try {
            PreencheLista(verificacao, static_cast<int>(i) + 1, linhas[i], loc);
        } catch (const ScenarioError& e) {
            throw ScenarioError("Linha " + std::to_string(i + 1) + ", " + e.what());
        }
        def.textos[i] = std::move(linhas[i]);
    }
    def.pasta = std::filesystem::path(path).parent_path().string();
    return def;
}

void GravaDefinicaoCenarios(const std::string& path, const TextosCenarios& textos) {
    std::vector<std::string> linhas(textos.begin(), textos.end());
    for (std::size_t i = 0; i < linhas.size(); ++i) {
        if (linhas[i].find_first_of("\r\n") != std::string::npos) {
            throw ScenarioError(linhaRotulo(i) + ": o texto tem uma quebra de linha.");
        }
        if (cp1252ToUtf8(utf8ToCp1252(linhas[i])) != linhas[i]) {
            throw ScenarioError(linhaRotulo(i) + ": o texto tem caracteres que o arquivo não pode guardar.");
        }
    }
    writeTextLines(path, linhas);
}

TCombs CombsDaDefinicao(const DefinicaoCenarios& def, const LocaleSettings& loc) {
    TCombs c;
    PreencheListas(c, def.textos, loc);
    c.strPastaBase = def.pasta;
    return c;
}
