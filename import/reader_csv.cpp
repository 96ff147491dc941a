// A plain dated CSV (the layout of the Seattle record the bundled examples come from): an
// optional header, a date column and a rainfall column.

#include <array>

#include "common/numtext.h"
#include "import/station_import.h"
#include "import/station_readers.h"

namespace station {

namespace {

constexpr std::array<std::string_view, 7> kRainWords = {"precipitation", "precipitacao", "chuva", "prcp",
                                                        "rain",          "rainfall",     "ppt"};

// Whether a folded title has a word naming rainfall ("Chuva (mm)", "precipitation_mm").
bool namesRain(const std::string& title) {
    std::string word;
    for (std::size_t i = 0; i <= title.size(); ++i) {
        const char c = i < title.size() ? title[i] : ' ';
        if (c >= 'a' && c <= 'z') {
            word += c;
            continue;
        }
        for (const auto w : kRainWords) {
            if (word == w) return true;
        }
        word.clear();
    }
    return false;
}

// ';' when the first line holds one, else a tab, else ','.
char separatorOf(const std::vector<std::string>& lines) {
    for (const auto& l : lines) {
        if (trimBlanks(l).empty()) continue;
        if (l.find(';') != std::string::npos) return ';';
        return l.find('\t') != std::string::npos ? '\t' : ',';
    }
    return ',';
}

struct Layout {
    std::size_t firstRow = 0;
    int dateCol = -1, rainCol = -1;
};

// The first row holding a date, its first dated column, and the rainfall column: by the
// header's titles (the last non-blank line before that row), else the column after the date.
Layout layoutOf(const std::vector<std::string>& lines, char sep) {
    Layout k;
    std::optional<std::size_t> header;
    for (; k.firstRow < lines.size(); ++k.firstRow) {
        if (trimBlanks(lines[k.firstRow]).empty()) continue;
        const auto fields = splitQuoted(lines[k.firstRow], sep);
        for (std::size_t c = 0; c < fields.size() && k.dateCol < 0; ++c) {
            if (readSourceDate(fields[c])) k.dateCol = static_cast<int>(c);
        }
        if (k.dateCol >= 0) break;
        header = k.firstRow;
    }
    if (k.dateCol < 0)
        throw ImportError("Não há coluna de datas: procurei um campo com uma data AAAA-MM-DD ou DD/MM/AAAA.");
    if (header) k.rainCol = findColumn(splitQuoted(lines[*header], sep), namesRain);
    if (k.rainCol < 0) k.rainCol = k.dateCol + 1;
    if (static_cast<std::size_t>(k.rainCol) >= splitQuoted(lines[k.firstRow], sep).size())
        throw ImportError(
            "Não há coluna de chuva: procurei uma coluna de título precipitation, precipitação, chuva, prcp, "
            "rain, rainfall ou ppt, ou uma coluna depois da de datas.");
    return k;
}

}  // namespace

bool looksLikeCsv(const std::vector<std::string>& lines) {
    const char sep = separatorOf(lines);
    for (const auto& l : lines) {
        for (const auto& f : splitQuoted(l, sep)) {
            if (readSourceDate(f)) return true;
        }
    }
    return false;
}

Leitura readCsv(const std::vector<std::string>& lines, bool inches) {
    const char sep = separatorOf(lines);
    const Layout k = layoutOf(lines, sep);
    Leitura r;
    for (std::size_t i = k.firstRow; i < lines.size(); ++i) {
        const auto fields = splitQuoted(lines[i], sep);
        if (isBlankRow(fields)) continue;
        // A decimal comma only where the comma does not separate the fields.
        Entrada e = readDatedRow(fields, k.dateCol, k.rainCol, sep == ';', i + 1);
        if (inches) toMillimetres(e);
        r.entradas.push_back(e);
    }
    return r;
}

}  // namespace station
