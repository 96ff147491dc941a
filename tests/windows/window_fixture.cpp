#include "window_fixture.h"

#include "app_locale.h"
#include "app_windows.h"
#include "locale_settings.h"

void WindowFixture::start(const char* locale) {
    setAppLocale(LocaleSettings::fromName(locale));
    ui.reset();
    setUi(&ui);
    createWindows();
    started_ = true;
}

void WindowFixture::finish() {
    if (!started_) return;
    started_ = false;
    destroyWindows();
    setUi(nullptr);
    const QStringList problems = ui.problems();
    ui.reset();
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral("; "))));
}
