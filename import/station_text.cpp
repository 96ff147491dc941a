// What the station readers share: fields, titles, dates and values of a source file.

#include <array>
#include <utility>

#include "common/locale_settings.h"
#include "common/numtext.h"
#include "import/station_import.h"
#include "import/station_readers.h"

namespace station {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Digits, at most one decimal mark with digits on both sides or after it alone ("0.5", ".5",
// "12"), nothing else: the forms the services write.
bool isPlainDecimal(std::string_view s) {
    std::size_t digits = 0;
    std::size_t marks = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (isDigit(s[i])) {
            ++digits;
        } else if (s[i] == '.' && marks == 0 && i + 1 < s.size()) {
            ++marks;
        } else {
            return false;
        }
    }
    return digits > 0;
}

// Windows-1252/Latin-1 letters of Portuguese, as UTF-8, with the letter they fold to.
constexpr std::array<std::pair<std::string_view, char>, 24> kAccents = {{
    {"á", 'a'}, {"à", 'a'}, {"â", 'a'}, {"ã", 'a'}, {"é", 'e'}, {"ê", 'e'}, {"í", 'i'}, {"ó", 'o'},
    {"ô", 'o'}, {"õ", 'o'}, {"ú", 'u'}, {"ç", 'c'}, {"Á", 'a'}, {"À", 'a'}, {"Â", 'a'}, {"Ã", 'a'},
    {"É", 'e'}, {"Ê", 'e'}, {"Í", 'i'}, {"Ó", 'o'}, {"Ô", 'o'}, {"Õ", 'o'}, {"Ú", 'u'}, {"Ç", 'c'},
}};

}  // namespace

const LocaleSettings& pointLocale() {
    static const LocaleSettings loc = LocaleSettings::fromName("C");
    return loc;
}

std::string fold(std::string_view s) {
    std::string out;
    for (std::size_t i = 0; i < s.size();) {
        bool folded = false;
        for (const auto& [accented, plain] : kAccents) {
            if (s.substr(i, accented.size()) == accented) {
                out += plain;
                i += accented.size();
                folded = true;
                break;
            }
        }
        if (folded) continue;
        const char c = s[i++];
        out += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return out;
}

bool startsWith(std::string_view s, std::string_view prefix) {
    return s.substr(0, prefix.size()) == prefix;
}

std::vector<std::string> splitQuoted(std::string_view line, char sep) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '"' && quoted && i + 1 < line.size() && line[i + 1] == '"') {
            fields.back() += '"';
            ++i;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (c == sep && !quoted) {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

bool isBlankRow(const std::vector<std::string>& fields) {
    for (const auto& f : fields) {
        if (!trimBlanks(f).empty()) return false;
    }
    return true;
}

int findColumn(const std::vector<std::string>& titles, const std::function<bool(const std::string&)>& match) {
    for (std::size_t c = 0; c < titles.size(); ++c) {
        if (match(fold(trimBlanks(titles[c])))) return static_cast<int>(c);
    }
    return -1;
}

std::string_view fieldAt(const std::vector<std::string>& fields, int c) {
    const auto at = static_cast<std::size_t>(c);
    return c >= 0 && at < fields.size() ? std::string_view(fields[at]) : std::string_view();
}

std::optional<TDate> readSourceDate(std::string_view text) {
    std::string_view s = trimBlanks(text);
    if (s.size() >= 10 && s[4] == '-') {
        const std::size_t end = s.find_first_of("T ");
        if (end != std::string_view::npos) s = s.substr(0, end);
        return s.size() == 10 ? tryReadDateInOrder(s, DateOrder::YearMonthDay) : std::nullopt;
    }
    if (s.find('/') != std::string_view::npos) {
        const std::size_t end = s.find(' ');
        if (end != std::string_view::npos) s = s.substr(0, end);
        if (s.find_first_not_of("0123456789/") != std::string_view::npos) return std::nullopt;
        return tryReadDateInOrder(s, DateOrder::DayMonthYear);
    }
    return std::nullopt;
}

bool readValue(std::string_view text, bool comma, Entrada& e) {
    std::string s(trimBlanks(text));
    const std::string lower = fold(s);
    if (s.empty() || lower == "null" || lower == "na" || lower == "nan") {
        e.falta = true;
        return true;
    }
    if (comma) {
        for (char& c : s) c = c == ',' ? '.' : c;
    }
    const bool negative = s[0] == '-';
    if (s[0] == '-' || s[0] == '+') s.erase(0, 1);
    if (!isPlainDecimal(s)) return false;
    const auto v = tryReadNumber(s, pointLocale());
    if (!v) return false;
    e.valor = *v;
    e.texto = s;
    e.falta = negative && *v > 0;
    if (e.falta) e.valor = 0;
    return true;
}

Entrada readDatedRow(const std::vector<std::string>& fields, int dateCol, int rainCol, bool comma,
                     std::size_t line) {
    Entrada e;
    e.linha = line;
    const auto date = readSourceDate(fieldAt(fields, dateCol));
    if (!date) failDate(line, fieldAt(fields, dateCol));
    e.data = *date;
    if (!readValue(fieldAt(fields, rainCol), comma, e)) failValue(line, fieldAt(fields, rainCol));
    return e;
}

void toMillimetres(Entrada& e) {
    if (e.falta) return;
    const std::string inches = e.texto;
    e.texto = formatGeneral(e.valor * 25.4, pointLocale());
    // The value is what the written line reads back as; a value too large for mm is no value.
    const auto mm = tryReadNumber(e.texto, pointLocale());
    if (!mm) failValue(e.linha, inches);
    e.valor = *mm;
}

void failAt(std::size_t line, const std::string& what) {
    throw ImportError("Linha " + std::to_string(line) + ": " + what);
}

void failValue(std::size_t line, std::string_view text) {
    failAt(line,
           "'" + std::string(trimBlanks(text)) + "' não é um valor de chuva (um número, vazio ou \"null\").");
}

void failDate(std::size_t line, std::string_view text) {
    failAt(line, "'" + std::string(trimBlanks(text)) + "' não é uma data (AAAA-MM-DD ou DD/MM/AAAA).");
}

void checkOneStation(std::optional<std::string>& estacao, const std::string& found, std::size_t line) {
    if (found.empty()) return;
    if (!estacao) {
        estacao = found;
    } else if (*estacao != found) {
        failAt(line, "o arquivo traz mais de uma estação (" + *estacao + " e " + found +
                         "); importe uma estação de cada vez.");
    }
}

}  // namespace station
