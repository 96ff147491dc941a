#include "scenarios/scenario_definition.h"

#include <filesystem>
#include <optional>
#include <vector>

#include "common/platform.h"
#include "common/textfile.h"
#include "scenarios/scenario_errors.h"

namespace {

std::string linhaRotulo(std::size_t i) {
    return "Linha " + std::to_string(i + 1) + " (" + RotuloParametro(static_cast<int>(i) + 1) + ")";
}

}  // namespace

namespace {

// Reads the eight lines in `loc`; throws ScenarioError naming the line.
void verificaLinhas(const std::vector<std::string>& linhas, const LocaleSettings& loc) {
    TCombs verificacao;
    for (std::size_t i = 0; i < linhas.size(); ++i) {
        if (linhas[i].empty()) throw ScenarioError(linhaRotulo(i) + ": a lista de valores está vazia.");
        try {
            PreencheLista(verificacao, static_cast<int>(i) + 1, linhas[i], loc);
        } catch (const ScenarioError& e) {
            throw ScenarioError("Linha " + std::to_string(i + 1) + ", " + e.what());
        }
    }
}

// The decimal mark the file's numbers show, if any: a "," or "." between two digits in lines
// 2 to 8 (line 1 holds file names, where a point is no decimal mark).
std::optional<char> marcaDoArquivo(const std::vector<std::string>& linhas) {
    const auto digito = [](char c) { return c >= '0' && c <= '9'; };
    for (std::size_t i = 1; i < linhas.size(); ++i) {
        const std::string& l = linhas[i];
        for (std::size_t k = 1; k + 1 < l.size(); ++k) {
            if ((l[k] == ',' || l[k] == '.') && digito(l[k - 1]) && digito(l[k + 1])) return l[k];
        }
    }
    return std::nullopt;
}

// Numbers and dates are written alike under both.
bool mesmaForma(const LocaleSettings& a, const LocaleSettings& b) {
    return a.decimalSeparator == b.decimalSeparator && a.shortDatePattern == b.shortDatePattern;
}

// The locales a file may have been saved under, the user's first: a file saved under another
// decimal mark (and its date order) reads in that mark's locale.
std::vector<LocaleSettings> locaisPossiveis(const std::vector<std::string>& linhas,
                                            const LocaleSettings& loc) {
    const std::optional<char> marca = marcaDoArquivo(linhas);
    std::vector<LocaleSettings> locais;
    if (!marca || *marca == loc.decimalSeparator) locais.push_back(loc);
    for (const LocaleSettings& outro : {LocaleSettings::ptBR(), LocaleSettings::enUS()}) {
        if (!mesmaForma(outro, loc) && (!marca || *marca == outro.decimalSeparator)) locais.push_back(outro);
    }
    return locais;
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
    // The first locale that reads every line is the file's; its texts are rewritten in the
    // user's forms, as the table shows and reads them. None: the first one's error.
    const std::vector<LocaleSettings> locais = locaisPossiveis(linhas, loc);
    std::optional<ScenarioError> primeiroErro;
    for (const LocaleSettings& doArquivo : locais) {
        try {
            verificaLinhas(linhas, doArquivo);
        } catch (const ScenarioError& e) {
            if (!primeiroErro) primeiroErro = e;
            continue;
        }
        DefinicaoCenarios def;
        for (std::size_t i = 0; i < linhas.size(); ++i) {
            const int linha = static_cast<int>(i) + 1;
            def.textos[i] = mesmaForma(doArquivo, loc)
                                ? std::move(linhas[i])
                                : TStringListToString(ItensDaLinha(linha, linhas[i], doArquivo, loc));
        }
        def.pasta = utf8FromPath(pathFromUtf8(path).parent_path());
        return def;
    }
    throw *primeiroErro;
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
