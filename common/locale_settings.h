#pragma once
// The user's locale settings that the program uses to write and read numbers and dates:
// the decimal separator, the thousands separator and the short date pattern.
// The GUI and the command-line tool derive them the same way, from a locale name or from
// the environment (LC_ALL, LC_NUMERIC/LC_TIME, LANG); on Windows, where these are seldom set,
// from the user's Region settings when none of them is.

#include <string>
#include <string_view>

struct LocaleSettings {
    char decimalSeparator = ',';
    std::string thousandSeparator = ".";          // UTF-8; may be empty or a multi-byte space
    std::string shortDatePattern = "dd/MM/yyyy";  // tokens d, dd, M, MM, yyyy; anything else is literal

    // Settings of a locale name such as "pt_BR", "en_US.UTF-8" or "de_DE@euro".
    // An unknown language falls back to the C locale's settings (point, ISO dates).
    static LocaleSettings fromName(std::string_view name);
    // Settings of the user's environment; "C", "POSIX" or nothing set gives the C settings
    // (on Windows, nothing set gives the user's Region settings).
    static LocaleSettings fromEnvironment();
    // The locale name the environment names for numbers (LC_ALL, then LC_NUMERIC, then LANG;
    // on Windows then the user's locale, such as "pt-BR").
    static std::string environmentLocaleName();

    static LocaleSettings ptBR() { return fromName("pt_BR"); }
    static LocaleSettings enUS() { return fromName("en_US"); }
};

// A date pattern with a two-digit year ("yy") widened to four digits ("yyyy"):
// two-digit years would silently move a 1961 record to 2061.
std::string widenYearPattern(std::string_view pattern);
