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

// Qt 6 moved the file type names of the file dialog's list ("Folder", "Drive", "File", …) from
// the QFileDialog context to QAbstractFileIconProvider, and the catalogues Debian ships still
// hold them under the old one: the list would read "Folder" in a Portuguese dialog. A text the
// new context lacks is looked up under the old one.
class QtTranslator : public QTranslator {
  public:
    using QTranslator::QTranslator;
    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int n) const override {
        QString text = QTranslator::translate(context, sourceText, disambiguation, n);
        if (text.isEmpty() && qstrcmp(context, "QAbstractFileIconProvider") == 0)
            text = QTranslator::translate("QFileDialog", sourceText, disambiguation, n);
        return text;
    }
};

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
    auto* translator = new QtTranslator(app);
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
