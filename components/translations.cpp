#include "components/translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "common/locale_settings.h"
#include "components/app_locale.h"

namespace {

// The translator lives as a child of the application, found again by its name.
const QString kTranslatorName = QStringLiteral("vespra-qt-translations");

}  // namespace

bool installQtTranslations(const QString& localeName) {
    QCoreApplication* app = QCoreApplication::instance();
    if (app == nullptr) return false;
    if (auto* old = app->findChild<QTranslator*>(kTranslatorName, Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(old);
        delete old;
    }
    const QLocale locale(localeName);
    if (locale.language() == QLocale::C || locale.language() == QLocale::English) return false;
    auto* translator = new QTranslator(app);
    translator->setObjectName(kTranslatorName);
    // "qt" gathers the catalogues of Qt's modules (qtbase and the others installed).
    if (!translator->load(locale, QStringLiteral("qt"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

bool installQtTranslationsFromEnvironment() {
    return installQtTranslations(fromUtf8(LocaleSettings::environmentLocaleName()));
}
