// NOAA's files: GHCN-Daily .dly (fixed columns) and the daily-summaries CSV.

#include "common/numtext.h"
#include "import/station_import.h"
#include "import/station_readers.h"

namespace station {

namespace {

bool isDigits(std::string_view s) {
    return !s.empty() && s.find_first_not_of("0123456789") == std::string_view::npos;
}

// A .dly line: station (columns 1-11), year (12-15), month (16-17), element (18-21), then 31
// groups of a value (5 columns) and its MFLAG, QFLAG and SFLAG.
bool isGhcnLine(std::string_view l) {
    if (l.size() < 21 || !isDigits(l.substr(11, 6))) return false;
    for (const char c : l.substr(17, 4)) {
        if (!((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_')) return false;
    }
    return true;
}

// One day's group of a PRCP line: tenths of mm; -9999 (or any negative) and a value with a
// QFLAG (it failed a quality check) are missing.
Entrada ghcnDay(std::string_view l, std::size_t line, TDate date, int day) {
    const std::size_t at = 21 + static_cast<std::size_t>(day - 1) * 8;
    const std::string_view value = at < l.size() ? trimBlanks(l.substr(at, 5)) : std::string_view();
    const char qflag = at + 6 < l.size() ? l[at + 6] : ' ';
    Entrada e;
    e.linha = line;
    e.data = date;
    if (value.empty()) {
        e.falta = true;
        return e;
    }
    const auto tenths = tryReadInteger(value);
    if (!tenths) failValue(line, value);
    if (*tenths < 0 || qflag != ' ') {
        e.falta = true;
        return e;
    }
    e.valor = static_cast<double>(*tenths) / 10.0;
    e.texto = formatGeneral(e.valor, pointLocale());
    return e;
}

// The header of the daily-summaries CSV: a line with the columns DATE and PRCP (in quotes, as
// NOAA writes them, when `quoted`).
std::size_t noaaHeader(const std::vector<std::string>& lines, bool quoted) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (quoted && (lines[i].find("\"DATE\"") == std::string::npos ||
                       lines[i].find("\"PRCP\"") == std::string::npos))
            continue;
        const auto titles = splitQuoted(lines[i], ',');
        if (findColumn(titles, [](const std::string& t) { return t == "date"; }) >= 0 &&
            findColumn(titles, [](const std::string& t) { return t == "prcp"; }) >= 0)
            return i;
    }
    return lines.size();
}

}  // namespace

bool looksLikeGhcn(const std::vector<std::string>& lines) {
    for (const auto& l : lines) {
        if (!trimBlanks(l).empty()) return isGhcnLine(l);
    }
    return false;
}

bool looksLikeNoaa(const std::vector<std::string>& lines) {
    return noaaHeader(lines, true) < lines.size();
}

Leitura readGhcn(const std::vector<std::string>& lines) {
    Leitura r;
    bool prcp = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view l = lines[i];
        if (trimBlanks(l).empty()) continue;
        if (!isGhcnLine(l))
            failAt(i + 1, "não é uma linha GHCN-Daily (estação, ano, mês e elemento em colunas fixas).");
        if (l.substr(17, 4) != "PRCP") continue;
        prcp = true;
        checkOneStation(r.estacao, std::string(trimBlanks(l.substr(0, 11))), i + 1);
        const auto year = static_cast<int>(*tryReadInteger(l.substr(11, 4)));
        const auto month = static_cast<int>(*tryReadInteger(l.substr(15, 2)));
        if (month < 1 || month > 12) failAt(i + 1, "'" + std::string(l.substr(15, 2)) + "' não é um mês.");
        for (int d = 1; d <= TDate::daysInMonth(year, month); ++d)
            r.entradas.push_back(ghcnDay(l, i + 1, *TDate::fromYMD(year, month, d), d));
    }
    if (!prcp) throw ImportError("O arquivo GHCN-Daily não traz linhas do elemento PRCP (chuva).");
    return r;
}

Leitura readNoaa(const std::vector<std::string>& lines, bool inches) {
    const std::size_t header = noaaHeader(lines, false);
    if (header == lines.size())
        throw ImportError(
            "Não há o cabeçalho de um arquivo NOAA: procurei uma linha com as colunas \"DATE\" e \"PRCP\".");
    const auto titles = splitQuoted(lines[header], ',');
    const int dateCol = findColumn(titles, [](const std::string& t) { return t == "date"; });
    const int rainCol = findColumn(titles, [](const std::string& t) { return t == "prcp"; });
    const int stationCol = findColumn(titles, [](const std::string& t) { return t == "station"; });
    Leitura r;
    for (std::size_t i = header + 1; i < lines.size(); ++i) {
        const auto fields = splitQuoted(lines[i], ',');
        if (isBlankRow(fields)) continue;
        Entrada e = readDatedRow(fields, dateCol, rainCol, false, i + 1);
        if (inches) toMillimetres(e);
        checkOneStation(r.estacao, std::string(trimBlanks(fieldAt(fields, stationCol))), e.linha);
        r.entradas.push_back(e);
    }
    return r;
}

}  // namespace station
