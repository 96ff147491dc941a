#include "common/locale_settings.h"

#include <array>
#include <cstdlib>

namespace {

struct KnownLocale {
    std::string_view name;  // language_TERRITORY or language alone
    char decimal;
    std::string_view thousands;
    std::string_view datePattern;
};

// Separators and short date patterns of the locales the program's users work in.
// A territory missing here falls back to its language's first entry.
constexpr std::array kKnown = {
    KnownLocale{"pt_BR", ',', ".", "dd/MM/yyyy"},      KnownLocale{"pt_PT", ',', " ", "dd/MM/yyyy"},
    KnownLocale{"pt", ',', ".", "dd/MM/yyyy"},         KnownLocale{"en_US", '.', ",", "M/d/yyyy"},
    KnownLocale{"en_GB", '.', ",", "dd/MM/yyyy"},      KnownLocale{"en_AU", '.', ",", "d/MM/yyyy"},
    KnownLocale{"en_CA", '.', ",", "yyyy-MM-dd"},      KnownLocale{"en_IE", '.', ",", "dd/MM/yyyy"},
    KnownLocale{"en_IN", '.', ",", "dd/MM/yyyy"},      KnownLocale{"en", '.', ",", "M/d/yyyy"},
    KnownLocale{"es_ES", ',', ".", "dd/MM/yyyy"},      KnownLocale{"es_MX", '.', ",", "dd/MM/yyyy"},
    KnownLocale{"es_AR", ',', ".", "d/M/yyyy"},        KnownLocale{"es_CL", ',', ".", "dd-MM-yyyy"},
    KnownLocale{"es_CO", ',', ".", "d/MM/yyyy"},       KnownLocale{"es", ',', ".", "dd/MM/yyyy"},
    KnownLocale{"fr_FR", ',', "\u202f", "dd/MM/yyyy"}, KnownLocale{"fr_CA", ',', "\u00a0", "yyyy-MM-dd"},
    KnownLocale{"fr", ',', "\u202f", "dd/MM/yyyy"},    KnownLocale{"de_CH", '.', "\u2019", "dd.MM.yyyy"},
    KnownLocale{"de", ',', ".", "dd.MM.yyyy"},         KnownLocale{"it", ',', ".", "dd/MM/yyyy"},
    KnownLocale{"nl", ',', ".", "dd-MM-yyyy"},         KnownLocale{"ja", '.', ",", "yyyy/MM/dd"},
    KnownLocale{"zh", '.', ",", "yyyy/M/d"},
};

constexpr KnownLocale kCLocale{"C", '.', "", "yyyy-MM-dd"};

LocaleSettings toSettings(const KnownLocale& k) {
    LocaleSettings s;
    s.decimalSeparator = k.decimal;
    s.thousandSeparator = std::string(k.thousands);
    s.shortDatePattern = widenYearPattern(k.datePattern);
    return s;
}

std::string_view envValue(const char* name) {
    const char* v = std::getenv(name);
    return v ? std::string_view(v) : std::string_view();
}

}  // namespace

std::string widenYearPattern(std::string_view pattern) {
    std::string out;
    for (std::size_t i = 0; i < pattern.size();) {
        if (pattern[i] == 'y') {
            std::size_t j = i;
            while (j < pattern.size() && pattern[j] == 'y') ++j;
            out += "yyyy";
            i = j;
        } else {
            out += pattern[i++];
        }
    }
    return out;
}

LocaleSettings LocaleSettings::fromName(std::string_view name) {
    // Drop the code set and modifier: "pt_BR.UTF-8@euro" -> "pt_BR"; accept "pt-BR" too.
    std::string base(name.substr(0, name.find_first_of(".@")));
    for (char& c : base) {
        if (c == '-') c = '_';
    }
    if (base.empty() || base == "C" || base == "POSIX") return toSettings(kCLocale);
    const std::string language = base.substr(0, base.find('_'));
    for (const auto& k : kKnown) {
        if (k.name == base) return toSettings(k);
    }
    // A territory missing from the table takes its language's own entry.
    for (const auto& k : kKnown) {
        if (k.name == language) return toSettings(k);
    }
    return toSettings(kCLocale);
}

std::string LocaleSettings::environmentLocaleName() {
    for (const char* var : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        const std::string_view v = envValue(var);
        if (!v.empty()) return std::string(v);
    }
    return "C";
}

LocaleSettings LocaleSettings::fromEnvironment() {
    LocaleSettings s = fromName(environmentLocaleName());
    // The date pattern follows LC_TIME when the user set it apart from the numbers.
    if (envValue("LC_ALL").empty() && !envValue("LC_TIME").empty()) {
        s.shortDatePattern = fromName(envValue("LC_TIME")).shortDatePattern;
    }
    return s;
}
