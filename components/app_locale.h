#pragma once
// The locale settings the windows format and read numbers and dates with. At start-up they
// come from the user's environment (LocaleSettings::fromEnvironment); tests set them.

#include <QString>

#include "common/locale_settings.h"

const LocaleSettings& appLocale();
void setAppLocale(const LocaleSettings& settings);

// Conversions between the windows' QString and the program's UTF-8 texts.
inline std::string toUtf8(const QString& s) {
    return s.toStdString();
}
inline QString fromUtf8(const std::string& s) {
    return QString::fromStdString(s);
}
