#include "scenarios/scenario_definition.h"

#include <filesystem>
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

constexpr const char* kPrefixoMarca = ";decimal=";
constexpr const char* kPrefixoData = ";data=";

// Reads the eight lines in `loc`; throws ScenarioError naming the line of the file (the lines
// start at line `primeira`).
void verificaLinhas(const std::vector<std::string>& linhas, const LocaleSettings& loc, std::size_t primeira) {
    TCombs verificacao;
    for (std::size_t i = 0; i < linhas.size(); ++i) {
        if (linhas[i].empty())
            throw ScenarioError("Linha " + std::to_string(i + primeira) + " (" +
                                RotuloParametro(static_cast<int>(i) + 1) +
                                "): a lista de valores está vazia.");
        try {
            PreencheLista(verificacao, static_cast<int>(i) + 1, linhas[i], loc);
        } catch (const ScenarioError& e) {
            throw ScenarioError("Linha " + std::to_string(i + primeira) + ", " + e.what());
        }
    }
}

// Numbers and dates are written alike under both.
bool mesmaForma(const LocaleSettings& a, const LocaleSettings& b) {
    return a.decimalSeparator == b.decimalSeparator && a.shortDatePattern == b.shortDatePattern;
}

bool comecaCom(std::string_view s, std::string_view prefixo) {
    return s.substr(0, prefixo.size()) == prefixo;
}

// The forms a header names: its decimal mark ("," or ".") and its date pattern (day, month
// and a four-digit year). Throws ScenarioError naming line 1 when the header is not whole.
LocaleSettings formaDoCabecalho(std::string_view linha, const LocaleSettings& loc) {
    const std::string inicio = std::string(kCabecalhoDefinicao) + kPrefixoMarca;
    const std::size_t posData = inicio.size() + 1;
    const std::string_view prefixoData = kPrefixoData;
    LocaleSettings forma = loc;
    const bool inteiro =
        comecaCom(linha, inicio) && linha.size() > posData && comecaCom(linha.substr(posData), prefixoData);
    if (inteiro) {
        forma.decimalSeparator = linha[inicio.size()];
        forma.shortDatePattern = std::string(linha.substr(posData + prefixoData.size()));
    }
    const std::string& data = forma.shortDatePattern;
    if (!inteiro || (forma.decimalSeparator != ',' && forma.decimalSeparator != '.') ||
        data.find('d') == std::string::npos || data.find('M') == std::string::npos ||
        data.find("yyyy") == std::string::npos) {
        throw ScenarioError("Linha 1: o cabeçalho do arquivo de cenários deve ser como \"" +
                            CabecalhoDefinicao(LocaleSettings::ptBR()) + "\" ou \"" +
                            CabecalhoDefinicao(LocaleSettings::enUS()) + "\".");
    }
    return forma;
}

}  // namespace

std::string CabecalhoDefinicao(const LocaleSettings& loc) {
    return std::string(kCabecalhoDefinicao) + kPrefixoMarca + loc.decimalSeparator + kPrefixoData +
           loc.shortDatePattern;
}

DefinicaoCenarios LeDefinicaoCenarios(const std::string& path, const LocaleSettings& loc) {
    return LeDefinicaoCenariosLinhas(readTextLines(path), path, loc);
}

DefinicaoCenarios LeDefinicaoCenariosLinhas(std::vector<std::string> linhas, const std::string& path,
                                            const LocaleSettings& loc) {
    // A file with the header is read in the forms it names; an older one, without it, in the
    // user's, as its rows were typed. Nothing is guessed from the digits.
    LocaleSettings doArquivo = loc;
    std::size_t primeira = 1;
    if (!linhas.empty() && comecaCom(linhas[0], kCabecalhoDefinicao)) {
        doArquivo = formaDoCabecalho(linhas[0], loc);
        linhas.erase(linhas.begin());
        primeira = 2;
    }
    while (linhas.size() > kNumParametros && linhas.back().empty()) linhas.pop_back();
    if (linhas.size() != kNumParametros) {
        throw ScenarioError("O arquivo de cenários deve ter exatamente 8 linhas, uma por parâmetro; \"" +
                            path + "\" tem " + std::to_string(linhas.size()) + ".");
    }
    verificaLinhas(linhas, doArquivo, primeira);
    // The texts are kept in the user's forms, as the table shows and reads them.
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

void GravaDefinicaoCenarios(const std::string& path, const TextosCenarios& textos,
                            const LocaleSettings& loc) {
    std::vector<std::string> linhas(textos.begin(), textos.end());
    for (std::size_t i = 0; i < linhas.size(); ++i) {
        if (linhas[i].find_first_of("\r\n") != std::string::npos) {
            throw ScenarioError(linhaRotulo(i) + ": o texto tem uma quebra de linha.");
        }
        if (cp1252ToUtf8(utf8ToCp1252(linhas[i])) != linhas[i]) {
            throw ScenarioError(linhaRotulo(i) + ": o texto tem caracteres que o arquivo não pode guardar.");
        }
    }
    linhas.insert(linhas.begin(), CabecalhoDefinicao(loc));
    writeTextLines(path, linhas);
}

TCombs CombsDaDefinicao(const DefinicaoCenarios& def, const LocaleSettings& loc) {
    TCombs c;
    PreencheListas(c, def.textos, loc);
    c.strPastaBase = def.pasta;
    return c;
}
