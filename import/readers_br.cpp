// The Brazilian services' files: INMET's BDMEP daily CSV and ANA HidroWeb's "Chuvas" CSV.

#include <map>
#include <utility>

#include "common/numtext.h"
#include "import/station_import.h"
#include "import/station_readers.h"

namespace station {

namespace {

constexpr std::string_view kInmetRain = "precipitacao total, diario";

bool isComment(std::string_view line) {
    return startsWith(trimBlanks(line), "//");
}

std::size_t inmetHeader(const std::vector<std::string>& lines) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (startsWith(fold(trimBlanks(lines[i])), "data medicao")) return i;
    }
    return lines.size();
}

// INMET's metadata lines before the header ("Codigo Estacao: A801"): the code, else the name.
std::optional<std::string> inmetStation(const std::vector<std::string>& lines, std::size_t header) {
    std::optional<std::string> code, name;
    for (std::size_t i = 0; i < header; ++i) {
        const std::string_view t = trimBlanks(lines[i]);
        const std::size_t colon = t.find(':');
        if (colon == std::string_view::npos) continue;
        const std::string key = fold(trimBlanks(t.substr(0, colon)));
        std::string_view value = trimBlanks(t.substr(colon + 1));
        while (!value.empty() && value.back() == ';') value = trimBlanks(value.substr(0, value.size() - 1));
        if (value.empty()) continue;
        if (key == "codigo estacao") code = std::string(value);
        if (key == "nome") name = std::string(value);
    }
    return code ? code : name;
}

// The header of ANA's file: the first line, comments aside, with "NivelConsistencia" and "Chuva01".
std::size_t anaHeader(const std::vector<std::string>& lines) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (isComment(lines[i])) continue;
        const auto titles = splitQuoted(lines[i], ';');
        if (findColumn(titles, [](const std::string& t) { return t == "nivelconsistencia"; }) >= 0 &&
            findColumn(titles, [](const std::string& t) { return t == "chuva01"; }) >= 0)
            return i;
    }
    return lines.size();
}

struct AnaMes {
    int nivel = 0;
    std::vector<std::size_t> linhas;  // the rows of the month at that level
};

struct AnaColunas {
    int estacao = -1, nivel = -1, data = -1;
    int chuva[32] = {};  // by day, 1..31; -1 when the file lacks the day's column
};

AnaColunas anaColumns(const std::vector<std::string>& titles, std::size_t line) {
    AnaColunas c;
    c.estacao = findColumn(titles, [](const std::string& t) { return t == "estacaocodigo"; });
    c.nivel = findColumn(titles, [](const std::string& t) { return t == "nivelconsistencia"; });
    c.data = findColumn(titles, [](const std::string& t) { return t == "data"; });
    if (c.data < 0) failAt(line + 1, "não há a coluna \"Data\" no cabeçalho do arquivo ANA.");
    for (int d = 1; d <= 31; ++d) {
        const std::string name = std::string("chuva") + (d < 10 ? "0" : "") + std::to_string(d);
        c.chuva[d] = findColumn(titles, [&name](const std::string& t) { return t == name; });
    }
    return c;
}

// The month of each row, keeping the rows of its highest consistency level.
std::map<std::pair<int, int>, AnaMes> anaMonths(const std::vector<std::string>& lines, std::size_t header,
                                                const AnaColunas& c, Leitura& r) {
    std::map<std::pair<int, int>, AnaMes> months;
    for (std::size_t i = header + 1; i < lines.size(); ++i) {
        if (isComment(lines[i])) continue;
        const auto fields = splitQuoted(lines[i], ';');
        if (isBlankRow(fields)) continue;
        const auto date = readSourceDate(fieldAt(fields, c.data));
        if (!date) failDate(i + 1, fieldAt(fields, c.data));
        const auto level = tryReadInteger(fieldAt(fields, c.nivel));
        if (!level || *level < 0 || *level > 9)
            failAt(i + 1, "'" + std::string(trimBlanks(fieldAt(fields, c.nivel))) +
                              "' não é um nível de consistência (1: bruto, 2: consistido).");
        checkOneStation(r.estacao, std::string(trimBlanks(fieldAt(fields, c.estacao))), i + 1);
        AnaMes& m = months[{date->year(), date->month()}];
        if (*level > m.nivel) m = AnaMes{static_cast<int>(*level), {}};
        if (*level == m.nivel) m.linhas.push_back(i);
    }
    return months;
}

}  // namespace

bool looksLikeInmet(const std::vector<std::string>& lines) {
    return inmetHeader(lines) < lines.size();
}

bool looksLikeAna(const std::vector<std::string>& lines) {
    return anaHeader(lines) < lines.size();
}

Leitura readInmet(const std::vector<std::string>& lines) {
    const std::size_t header = inmetHeader(lines);
    if (header == lines.size())
        throw ImportError(
            "Não há o cabeçalho de um arquivo INMET: procurei a linha que começa com \"Data Medicao;\".");
    const auto titles = splitQuoted(lines[header], ';');
    const int dateCol =
        findColumn(titles, [](const std::string& t) { return startsWith(t, "data medicao"); });
    const int rainCol = findColumn(titles, [](const std::string& t) { return startsWith(t, kInmetRain); });
    if (rainCol < 0)
        failAt(header + 1,
               "não há a coluna de chuva: procurei uma coluna cujo título comece com "
               "\"PRECIPITACAO TOTAL, DIARIO\".");
    Leitura r;
    r.estacao = inmetStation(lines, header);
    for (std::size_t i = header + 1; i < lines.size(); ++i) {
        const auto fields = splitQuoted(lines[i], ';');
        if (isBlankRow(fields)) continue;
        r.entradas.push_back(readDatedRow(fields, dateCol, rainCol, true, i + 1));
    }
    return r;
}

Leitura readAna(const std::vector<std::string>& lines) {
    const std::size_t header = anaHeader(lines);
    if (header == lines.size())
        throw ImportError(
            "Não há o cabeçalho de um arquivo ANA: procurei uma linha com as colunas \"NivelConsistencia\", "
            "\"Data\" e \"Chuva01\" a \"Chuva31\".");
    const AnaColunas c = anaColumns(splitQuoted(lines[header], ';'), header);
    Leitura r;
    for (const auto& [month, m] : anaMonths(lines, header, c, r)) {
        const int days = TDate::daysInMonth(month.first, month.second);
        for (const std::size_t i : m.linhas) {
            const auto fields = splitQuoted(lines[i], ';');
            // Days past the month's length (Chuva30 of February) are not days.
            for (int d = 1; d <= days; ++d) {
                Entrada e;
                e.linha = i + 1;
                e.data = *TDate::fromYMD(month.first, month.second, d);
                if (!readValue(fieldAt(fields, c.chuva[d]), true, e))
                    failValue(e.linha, fieldAt(fields, c.chuva[d]));
                r.entradas.push_back(e);
            }
        }
    }
    return r;
}

}  // namespace station
