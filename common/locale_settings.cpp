#include "common/locale_settings.h"

#include <array>
#include <cstdlib>

#ifdef _WIN32
#include <windows.h>

#include "common/platform.h"
#endif

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

#ifdef _WIN32

bool environmentNamesLocale() {
    return !envValue("LC_ALL").empty() || !envValue("LC_NUMERIC").empty() || !envValue("LANG").empty();
}

// The locale the user picked in Windows ("pt-BR").
std::string windowsUserLocaleName() {
    wchar_t name[LOCALE_NAME_MAX_LENGTH] = {};
    return GetUserDefaultLocaleName(name, LOCALE_NAME_MAX_LENGTH) > 0 ? utf8FromWide(name) : "C";
}

// One of the user's Windows locale settings (Control Panel, Region), as UTF-8.
std::string windowsUserSetting(LCTYPE type) {
    wchar_t buf[LOCALE_NAME_MAX_LENGTH + 80] = {};
    const int n = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, buf, static_cast<int>(std::size(buf)));
    return n > 1 ? utf8FromWide(std::wstring_view(buf, static_cast<std::size_t>(n - 1))) : std::string();
}

// A Windows short date pattern the program's dates can follow: d, dd, M, MM and years only
// (a month name, an era or a quoted text keeps the locale's own pattern).
bool usableDatePattern(std::string_view pattern) {
    if (pattern.empty() || pattern.find_first_of("'g") != std::string_view::npos) return false;
    return pattern.find("ddd") == std::string_view::npos && pattern.find("MMM") == std::string_view::npos;
}

// Windows keeps the user's choices apart from the environment: the locale the user picked,
// with the separators and short date pattern as the user set them.
LocaleSettings windowsUserSettings() {
    LocaleSettings s = LocaleSettings::fromName(windowsUserLocaleName());
    const std::string decimal = windowsUserSetting(LOCALE_SDECIMAL);
    if (decimal == "," || decimal == ".") s.decimalSeparator = decimal[0];
    const std::string thousands = windowsUserSetting(LOCALE_STHOUSAND);
    if (thousands.size() <= 3 && thousands.find(s.decimalSeparator) == std::string::npos) {
        s.thousandSeparator = thousands;
    }
    const std::string date = windowsUserSetting(LOCALE_SSHORTDATE);
    if (usableDatePattern(date)) s.shortDatePattern = widenYearPattern(date);
    return s;
}

#endif

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
#ifdef _WIN32
    return windowsUserLocaleName();
#else
    return "C";
#endif
}

LocaleSettings LocaleSettings::fromEnvironment() {
#ifdef _WIN32
    if (!environmentNamesLocale()) return windowsUserSettings();
#endif
    LocaleSettings s = fromName(environmentLocaleName());
    // The date pattern follows LC_TIME when the user set it apart from the numbers.
    if (envValue("LC_ALL").empty() && !envValue("LC_TIME").empty()) {
        s.shortDatePattern = fromName(envValue("LC_TIME")).shortDatePattern;
    }
    return s;
}
