// Vespra 4: the desktop program. Creates every window, shows the main one and runs until it
// is closed.

#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "components/translations.h"
#include "windows/app_windows.h"
#include "windows/main/unit_main.h"

namespace {

// On X11/Wayland systems Qt aborts when there is no display; say so plainly instead.
bool displayMissing() {
#if defined(__unix__) && !defined(__APPLE__)
    const auto unset = [](const char* name) {
        const char* v = std::getenv(name);
        return v == nullptr || *v == '\0';
    };
    return unset("DISPLAY") && unset("WAYLAND_DISPLAY") && unset("QT_QPA_PLATFORM");
#else
    return false;
#endif
}

}  // namespace

int main(int argc, char* argv[]) {
    if (displayMissing()) {
        std::fputs(
            "vespra: nenhuma tela gráfica disponível (DISPLAY e WAYLAND_DISPLAY não definidos); "
            "para simular sem interface gráfica use vespra-cli.\n",
            stderr);
        return 2;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vespra 4"));
    installQtTranslationsFromEnvironment();
    createWindows();
    formMain->show();
    const int code = QApplication::exec();
    destroyWindows();
    return code;
}
