#include "tests/windows/window_fixture.h"

#include "common/locale_settings.h"
#include "components/app_locale.h"
#include "windows/app_windows.h"

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
