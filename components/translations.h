#pragma once
// Qt's own texts (the standard dialogs' captions and buttons, "Cancel", "Look in", …) in the
// user's language, from the translations Qt installs (Debian: qt6-translations-l10n).

#include <QString>

// Installs Qt's translations for the locale `localeName` ("pt_BR", "pt_BR.UTF-8", …) in the
// running application, in place of any installed before. Returns false when Qt has no
// translation for that language (English, the C locale): Qt's texts stay in English.
bool installQtTranslations(const QString& localeName);

// The same for the user's environment (LC_ALL, LC_NUMERIC, LANG), as the program starts.
bool installQtTranslationsFromEnvironment();
