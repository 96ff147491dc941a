// The import of a station file: the format, the days read with their duplicates merged, the
// gaps, the policy that makes the record, and the record's file.

#include "import/station_import.h"

#include <algorithm>
#include <filesystem>

#include "common/numtext.h"
#include "common/platform.h"
#include "common/textfile.h"
#include "import/station_readers.h"

namespace {

using station::Entrada;
using station::Leitura;

constexpr std::size_t kGapsInMessage = 5;
// About 273 years: longer than any daily record kept, so a longer span is a mistyped year (a
// "0212" for "2012"), which would otherwise fill centuries with gaps.
constexpr std::int64_t kMaxDays = 100000;

std::string days(std::size_t n) {
    return std::to_string(n) + (n == 1 ? " dia" : " dias");
}

std::string padded(int v, std::size_t width) {
    std::string s = std::to_string(v);
    return std::string(width > s.size() ? width - s.size() : 0, '0') + s;
}

Leitura readAs(FormatoEstacao f, const std::vector<std::string>& lines, bool inches) {
    switch (f) {
        case FormatoEstacao::Inmet:
            return station::readInmet(lines);
        case FormatoEstacao::Ana:
            return station::readAna(lines);
        case FormatoEstacao::Ghcn:
            return station::readGhcn(lines);
        case FormatoEstacao::Noaa:
            return station::readNoaa(lines, inches);
        case FormatoEstacao::Csv:
            break;
    }
    return station::readCsv(lines, inches);
}

// The entries in date order, a date given again with the same value counted once; the same date
// with another value (or a value once and none once) stops the import naming it.
std::vector<Entrada> mergeDuplicates(std::vector<Entrada> entradas, std::size_t& duplicados,
                                     const LocaleSettings& loc) {
    std::stable_sort(entradas.begin(), entradas.end(),
                     [](const Entrada& a, const Entrada& b) { return a.data < b.data; });
    std::vector<Entrada> unique;
    for (auto& e : entradas) {
        if (unique.empty() || unique.back().data != e.data) {
            unique.push_back(std::move(e));
            continue;
        }
        const Entrada& first = unique.back();
        if (first.falta != e.falta || (!e.falta && first.valor != e.valor)) {
            throw ImportError("A data " + formatDate(e.data, loc) +
                              " aparece duas vezes com valores diferentes (linhas " +
                              std::to_string(first.linha) + " e " + std::to_string(e.linha) + ").");
        }
        ++duplicados;
    }
    return unique;
}

// Every day from the first to the last with a value; the days not listed are gaps.
std::vector<DiaEstacao> spanOf(const std::vector<Entrada>& unique, const LocaleSettings& loc) {
    const auto hasValue = [](const Entrada& e) { return !e.falta; };
    const auto first = std::find_if(unique.begin(), unique.end(), hasValue);
    if (first == unique.end()) throw ImportError("Nenhum dia do arquivo tem um valor de chuva.");
    const auto last = std::find_if(unique.rbegin(), unique.rend(), hasValue).base() - 1;
    if (last->data - first->data >= kMaxDays)
        throw ImportError("O registro iria de " + formatDate(first->data, loc) + " (linha " +
                          std::to_string(first->linha) + ") a " + formatDate(last->data, loc) + " (linha " +
                          std::to_string(last->linha) + "), mais de " + std::to_string(kMaxDays) +
                          " dias: confira o ano dessas datas.");
    std::vector<DiaEstacao> dias;
    dias.reserve(static_cast<std::size_t>(last->data - first->data + 1));
    for (auto it = first; it <= last; ++it) {
        const TDate next = dias.empty() ? first->data : dias.back().data.addDays(1);
        for (TDate d = next; d < it->data; d = d.addDays(1)) dias.push_back({d, true, 0, {}});
        dias.push_back({it->data, it->falta, it->valor, it->texto});
    }
    return dias;
}

std::string gapText(const Lacuna& g, const LocaleSettings& loc) {
    if (g.inicio == g.fim) return formatDate(g.inicio, loc);
    return formatDate(g.inicio, loc) + " a " + formatDate(g.fim, loc);
}

[[noreturn]] void refuseGaps(const SerieEstacao& s, const std::vector<Lacuna>& gaps, std::size_t missing,
                             const LocaleSettings& loc) {
    std::string listed;
    for (std::size_t k = 0; k < gaps.size() && k < kGapsInMessage; ++k) {
        listed += (k ? "; " : "") + gapText(gaps[k], loc);
    }
    if (gaps.size() > kGapsInMessage) listed += "; e mais " + std::to_string(gaps.size() - kGapsInMessage);
    throw ImportError("A série tem " + days(missing) + " sem valor entre " +
                      formatDate(s.dias.front().data, loc) + " e " + formatDate(s.dias.back().data, loc) +
                      " (lacunas: " + listed +
                      "); nada foi gravado: escolha preencher as lacunas com 0 mm ou gravar o trecho mais "
                      "longo sem lacunas.");
}

// The longest run of days without a gap, the earliest of equal runs: [begin, end).
std::pair<std::size_t, std::size_t> longestRun(const std::vector<DiaEstacao>& dias) {
    std::size_t best = 0, bestLength = 0;
    for (std::size_t i = 0; i < dias.size();) {
        if (dias[i].falta) {
            ++i;
            continue;
        }
        std::size_t j = i;
        while (j < dias.size() && !dias[j].falta) ++j;
        if (j - i > bestLength) {
            best = i;
            bestLength = j - i;
        }
        i = j;
    }
    return {best, best + bestLength};
}

std::string recordLine(const std::string& texto, const LocaleSettings& loc) {
    std::string line = texto;
    for (char& c : line) c = c == '.' ? loc.decimalSeparator : c;
    return line;
}

}  // namespace

std::string formatKey(FormatoEstacao f) {
    switch (f) {
        case FormatoEstacao::Inmet:
            return "inmet";
        case FormatoEstacao::Ana:
            return "ana";
        case FormatoEstacao::Ghcn:
            return "ghcn";
        case FormatoEstacao::Noaa:
            return "noaa";
        case FormatoEstacao::Csv:
            break;
    }
    return "csv";
}

std::optional<FormatoEstacao> formatFromKey(std::string_view key) {
    for (const auto f : {FormatoEstacao::Inmet, FormatoEstacao::Ana, FormatoEstacao::Ghcn,
                         FormatoEstacao::Noaa, FormatoEstacao::Csv}) {
        if (key == formatKey(f)) return f;
    }
    return std::nullopt;
}

std::string formatName(FormatoEstacao f) {
    switch (f) {
        case FormatoEstacao::Inmet:
            return "INMET (BDMEP)";
        case FormatoEstacao::Ana:
            return "ANA (HidroWeb)";
        case FormatoEstacao::Ghcn:
            return "GHCN-Daily (.dly)";
        case FormatoEstacao::Noaa:
            return "NOAA (resumos diários)";
        case FormatoEstacao::Csv:
            break;
    }
    return "CSV com datas";
}

std::string isoDate(TDate d) {
    return padded(d.year(), 4) + "-" + padded(d.month(), 2) + "-" + padded(d.day(), 2);
}

FormatoEstacao detectFormat(const std::vector<std::string>& lines) {
    if (station::looksLikeGhcn(lines)) return FormatoEstacao::Ghcn;
    if (station::looksLikeAna(lines)) return FormatoEstacao::Ana;
    if (station::looksLikeInmet(lines)) return FormatoEstacao::Inmet;
    if (station::looksLikeNoaa(lines)) return FormatoEstacao::Noaa;
    if (station::looksLikeCsv(lines)) return FormatoEstacao::Csv;
    throw ImportError(
        "Formato não reconhecido: procurei um arquivo do INMET (a linha \"Data Medicao;\"), da ANA (as "
        "colunas "
        "\"NivelConsistencia\" e \"Chuva01\"), do GHCN-Daily (linhas PRCP em colunas fixas), da NOAA (as "
        "colunas "
        "\"DATE\" e \"PRCP\") ou um CSV com uma coluna de datas (AAAA-MM-DD ou DD/MM/AAAA).");
}

SerieEstacao readStationSeries(const std::vector<std::string>& lines, const ImportOptions& options,
                               const LocaleSettings& loc) {
    const FormatoEstacao f = options.formato ? *options.formato : detectFormat(lines);
    const bool inches = options.unidade == UnidadeChuva::Polegadas;
    if (inches && f != FormatoEstacao::Noaa && f != FormatoEstacao::Csv)
        throw ImportError("Os arquivos " + formatName(f) +
                          " trazem a chuva em milímetros: polegadas valem apenas para arquivos NOAA e CSV.");
    Leitura l = readAs(f, lines, inches);
    SerieEstacao s;
    s.formato = f;
    s.estacao = l.estacao;
    s.dias = spanOf(mergeDuplicates(std::move(l.entradas), s.duplicados, loc), loc);
    return s;
}

std::vector<Lacuna> gapsOf(const SerieEstacao& serie) {
    std::vector<Lacuna> gaps;
    for (std::size_t i = 0; i < serie.dias.size(); ++i) {
        if (!serie.dias[i].falta) continue;
        if (i > 0 && serie.dias[i - 1].falta) {
            gaps.back().fim = serie.dias[i].data;
        } else {
            gaps.push_back({serie.dias[i].data, serie.dias[i].data});
        }
    }
    return gaps;
}

RegistroImportado buildRecord(const SerieEstacao& serie, PoliticaLacunas politica,
                              const LocaleSettings& loc) {
    if (serie.dias.empty()) throw ImportError("Nenhum dia do arquivo tem um valor de chuva.");
    RegistroImportado r;
    RelatorioImportacao& rel = r.relatorio;
    rel.formato = serie.formato;
    rel.estacao = serie.estacao;
    rel.duplicados = serie.duplicados;
    rel.lacunas = gapsOf(serie);
    rel.faltantes = static_cast<std::size_t>(
        std::count_if(serie.dias.begin(), serie.dias.end(), [](const DiaEstacao& d) { return d.falta; }));
    if (politica == PoliticaLacunas::Recusar && rel.faltantes > 0)
        refuseGaps(serie, rel.lacunas, rel.faltantes, loc);
    std::pair<std::size_t, std::size_t> range{0, serie.dias.size()};
    if (politica == PoliticaLacunas::MaisLonga) range = longestRun(serie.dias);
    for (std::size_t i = range.first; i < range.second; ++i) {
        const DiaEstacao& d = serie.dias[i];
        if (d.falta) ++rel.preenchidos;
        r.valores.push_back(d.falta ? 0.0 : d.valor);
        r.linhas.push_back(recordLine(d.falta ? "0" : d.texto, loc));
    }
    rel.inicio = serie.dias[range.first].data;
    rel.fim = serie.dias[range.second - 1].data;
    rel.dias = r.linhas.size();
    return r;
}

RegistroImportado importStationLines(const std::vector<std::string>& lines, const ImportOptions& options,
                                     const LocaleSettings& loc) {
    return buildRecord(readStationSeries(lines, options, loc), options.lacunas, loc);
}

RegistroImportado importStationFile(const std::string& source, const ImportOptions& options,
                                    const LocaleSettings& loc) {
    return importStationLines(readTextLines(source), options, loc);
}

void writeImportedRecord(const std::string& source, const std::string& out, const RegistroImportado& r) {
    std::error_code ec;
    if (std::filesystem::equivalent(pathFromUtf8(source), pathFromUtf8(out), ec))
        throw ImportError("O registro não pode ser gravado sobre o próprio arquivo da estação (\"" + out +
                          "\").");
    writeTextLines(out, r.linhas);
}

std::string suggestedRecordPath(const std::string& source) {
    namespace fs = std::filesystem;
    fs::path p = pathFromUtf8(source);
    const bool text = station::fold(utf8FromPath(p.extension())) == ".txt";
    p.replace_filename(pathFromUtf8(utf8FromPath(p.stem()) + (text ? "-registro.txt" : ".txt")));
    return utf8FromPath(p);
}

std::string gapLine(const Lacuna& g, const LocaleSettings& loc) {
    return gapText(g, loc) + " (" + days(static_cast<std::size_t>(g.fim - g.inicio + 1)) + ")";
}

std::string stationLine(const std::optional<std::string>& estacao) {
    return "Estação: " + (estacao ? *estacao : std::string("não informada"));
}

std::string periodLine(const SerieEstacao& serie, const LocaleSettings& loc) {
    if (serie.dias.empty()) return "Período: nenhum dia";
    return "Período: " + formatDate(serie.dias.front().data, loc) + " a " +
           formatDate(serie.dias.back().data, loc) + " (" + days(serie.dias.size()) + ")";
}

std::string recordLine(const RelatorioImportacao& r, const LocaleSettings& loc) {
    return "Dias gravados: " + std::to_string(r.dias) + ", de " + formatDate(r.inicio, loc) + " a " +
           formatDate(r.fim, loc) + "; dias preenchidos com 0 mm: " + std::to_string(r.preenchidos);
}

std::vector<std::string> reportLines(const RelatorioImportacao& r, const LocaleSettings& loc) {
    std::vector<std::string> lines = {
        "Formato: " + formatName(r.formato),
        stationLine(r.estacao),
        "Primeiro dia gravado: " + formatDate(r.inicio, loc),
        "Último dia gravado: " + formatDate(r.fim, loc),
        "Dias gravados: " + std::to_string(r.dias),
        "Dias sem valor: " + std::to_string(r.faltantes),
    };
    for (const Lacuna& g : r.lacunas) {
        lines.push_back("  Lacuna: " + gapLine(g, loc));
    }
    lines.push_back("Dias preenchidos com 0 mm: " + std::to_string(r.preenchidos));
    lines.push_back("Datas repetidas com o mesmo valor: " + std::to_string(r.duplicados));
    return lines;
}
