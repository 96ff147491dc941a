#include "scenarios/shards.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <optional>
#include <string_view>

#include "common/numtext.h"
#include "common/platform.h"
#include "common/system_message.h"
#include "common/textfile.h"
#include "common/textfile_batch.h"
#include "scenarios/scenario_errors.h"

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kTituloParte = "Parte da planilha de cenários";
constexpr std::string_view kPrefixoParte = "Planilha.parte-";

std::string texto(std::int64_t n) {
    return std::to_string(n);
}

// The value of "chave=VALOR" in field `i` of the header, or none.
std::optional<std::string> campo(const std::vector<std::string_view>& campos, std::size_t i,
                                 std::string_view chave) {
    if (i >= campos.size()) return std::nullopt;
    const std::string_view c = campos[i];
    if (c.size() <= chave.size() || c.substr(0, chave.size()) != chave || c[chave.size()] != '=')
        return std::nullopt;
    return std::string(c.substr(chave.size() + 1));
}

std::optional<std::int32_t> inteiro(const std::optional<std::string>& t) {
    if (!t) return std::nullopt;
    const auto v = tryReadInteger(*t);
    if (!v || *v < 0 || *v > kMaxCombinacoes) return std::nullopt;
    return static_cast<std::int32_t>(*v);
}

// Every part file in `pasta` ("Planilha.parte-….csv"), read.
std::vector<ParteDaPlanilha> lePartes(const std::string& pasta) {
    std::vector<ParteDaPlanilha> partes;
    std::error_code ec;
    for (fs::directory_iterator it(pathFromUtf8(pasta), ec), fim; !ec && it != fim; it.increment(ec)) {
        const std::string nome = utf8FromPath(it->path().filename());
        if (nome.rfind(kPrefixoParte, 0) == 0 && nome.size() > 4 && nome.ends_with(".csv"))
            partes.push_back(LeParte(readFileBytes(utf8FromPath(it->path())), nome));
    }
    if (ec) throw FileError("Não foi possível ler a pasta \"" + pasta + "\": " + systemMessage(ec) + ".");
    return partes;
}

// Each part checked against the definition, the first part's n and its own name; the parts by
// their number.
std::map<std::int32_t, const ParteDaPlanilha*> confere(const std::vector<ParteDaPlanilha>& partes,
                                                       const std::string& impressao, std::int32_t total) {
    std::map<std::int32_t, const ParteDaPlanilha*> porNumero;
    for (const ParteDaPlanilha& p : partes) {
        const std::string nome = "A parte \"" + p.nome + "\"";
        if (p.impressao != impressao || p.total != total)
            throw ScenarioError(nome + " foi feita de outra definição de cenários.");
        if (p.n != partes.front().n)
            throw ScenarioError(nome + " é de uma divisão em " + texto(p.n) + " partes; a parte \"" +
                                partes.front().nome + "\" é de uma divisão em " + texto(partes.front().n) +
                                ".");
        if (p.k < 1 || p.k > p.n)
            throw ScenarioError(nome + " tem o número " + texto(p.k) + ", fora de 1 a " + texto(p.n) + ".");
        if (p.nome != NomeParte(p.k, p.n))
            throw ScenarioError(nome + " guarda a parte " + texto(p.k) + " de " + texto(p.n) +
                                ": o nome do arquivo não corresponde.");
        const BlocoCombinacoes b = BlocoDaParte(total, p.k, p.n);
        if (p.linhas.size() != static_cast<std::size_t>(b.fim - b.inicio))
            throw ScenarioError(nome + " não tem as linhas das combinações " + texto(b.inicio + 1) + " a " +
                                texto(b.fim) + ".");
        porNumero[p.k] = &p;
    }
    const std::int32_t n = partes.front().n;
    for (std::int32_t k = 1; k <= n; ++k) {
        if (!porNumero.count(k))
            throw ScenarioError("Falta a parte " + texto(k) + " de " + texto(n) + " (\"" + NomeParte(k, n) +
                                "\").");
    }
    return porNumero;
}

}  // namespace

ParteDaPlanilha LeParte(std::string_view bytes, const std::string& nome) {
    ParteDaPlanilha p;
    p.nome = nome;
    // Cut at CR LF only, as the part was written: a lone CR or LF inside a cell stays in it, so
    // that the merged sheet is the single run's byte for byte.
    std::vector<std::string> linhas;
    std::size_t inicio = 0;
    while (inicio < bytes.size()) {
        std::size_t fim = bytes.find("\r\n", inicio);
        if (fim == std::string_view::npos) fim = bytes.size();
        linhas.push_back(cp1252ToUtf8(bytes.substr(inicio, fim - inicio)));
        inicio = fim + 2;
    }
    const auto campos = linhas.empty() ? std::vector<std::string_view>{} : splitFields(linhas[0]);
    const auto impressao = campo(campos, 1, "definição");
    const auto k = inteiro(campo(campos, 2, "parte")), n = inteiro(campo(campos, 3, "partes"));
    const auto total = inteiro(campo(campos, 4, "total"));
    if (campos.size() != 5 || campos[0] != kTituloParte || !impressao || !k || !n || !total)
        throw ScenarioError("O arquivo \"" + p.nome + "\" não é uma parte da planilha de cenários.");
    p.impressao = *impressao;
    p.k = *k;
    p.n = *n;
    p.total = *total;
    linhas.erase(linhas.begin());
    p.linhas = std::move(linhas);
    return p;
}

BlocoCombinacoes BlocoDaParte(std::int32_t total, std::int32_t k, std::int32_t n) {
    const std::int64_t base = total / n, maiores = total % n;
    const auto antes = [&](std::int64_t partes) { return partes * base + std::min(partes, maiores); };
    return {static_cast<std::int32_t>(antes(k - 1)), static_cast<std::int32_t>(antes(k))};
}

std::string NomeParte(std::int32_t k, std::int32_t n) {
    return std::string(kPrefixoParte) + texto(k) + "-de-" + texto(n) + ".csv";
}

std::string ImpressaoDefinicao(const DefinicaoCenarios& def, const LocaleSettings& loc) {
    std::string conteudo;
    for (const auto& t : def.textos) conteudo += t + "\n";
    conteudo += CabecalhoDefinicao(loc);
    std::uint64_t h = 14695981039346656037ULL;  // FNV-1a, 64 bits
    for (const char c : conteudo) {
        h ^= static_cast<unsigned char>(c);
        h *= 1099511628211ULL;
    }
    std::string hex(16, '0');
    for (int i = 15; i >= 0; --i, h >>= 4) hex[static_cast<std::size_t>(i)] = "0123456789abcdef"[h & 0xF];
    return hex;
}

std::int32_t ExportaParte(const TCombs& combs, const std::string& pasta, const LocaleSettings& loc,
                          const std::string& impressao, std::int32_t k, std::int32_t n,
                          const ProgressoCenarios& progresso, int tarefas) {
    const std::int32_t total = combs.numCombinacoes();
    const BlocoCombinacoes b = BlocoDaParte(total, k, n);
    FileBatch lote(pasta);
    std::vector<std::string> linhas;
    const std::int32_t prontas =
        ExportaSimulacoes(combs, lote, loc, b.inicio, b.fim, linhas, 1, progresso, tarefas);
    std::vector<std::string> nomes = NomesArquivosSimulacao(b.inicio, b.inicio + prontas);
    if (prontas == b.fim - b.inicio) {
        linhas[0] = std::string(kTituloParte) + ";definição=" + impressao + ";parte=" + texto(k) +
                    ";partes=" + texto(n) + ";total=" + texto(total);
        lote.writeLines(NomeParte(k, n), linhas);
        nomes.push_back(NomeParte(k, n));
    }
    lote.commit(nomes);
    return prontas;
}

std::int32_t JuntaPartes(const std::string& pasta, const std::string& impressao, std::int32_t total) {
    const std::vector<ParteDaPlanilha> partes = lePartes(pasta);
    if (partes.empty())
        throw ScenarioError("Nenhuma parte da planilha (" + std::string(kPrefixoParte) + "K-de-N.csv) em \"" +
                            pasta + "\".");
    const auto porNumero = confere(partes, impressao, total);
    std::vector<std::string> linhas{CabecalhoPlanilha()};
    linhas.reserve(static_cast<std::size_t>(total) + 1);
    for (const auto& [k, p] : porNumero) linhas.insert(linhas.end(), p->linhas.begin(), p->linhas.end());
    writeTextLines(utf8FromPath(pathFromUtf8(pasta) / "Planilha.csv"), linhas);
    for (const auto& [k, p] : porNumero) {
        std::error_code ec;
        const auto caminho = utf8FromPath(pathFromUtf8(pasta) / p->nome);
        if (!fs::remove(pathFromUtf8(caminho), ec) && ec)
            throw FileError("Não foi possível remover a parte \"" + caminho + "\": " + systemMessage(ec) +
                            ".");
    }
    return static_cast<std::int32_t>(porNumero.size());
}
