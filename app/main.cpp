// Vespra 4: the desktop program. Creates every window, shows the main one (with the simulation
// file named on the command line, if any) and runs until it is closed.

#include <QApplication>
#include <QIcon>
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

// The program's icon at the sizes rendered from data/icons/vespra.svg.
QIcon programIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/hicolor/%1x%1/apps/vespra.png").arg(size), QSize(size, size));
    return icon;
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
    QApplication::setWindowIcon(programIcon());
    // The desktop entry's name, so that the desktop groups the windows under it.
    QGuiApplication::setDesktopFileName(QStringLiteral("vespra"));
    installQtTranslationsFromEnvironment();
    createWindows();
    formMain->show();
    formMain->openFromCommandLine(QApplication::arguments());
    const int code = QApplication::exec();
    destroyWindows();
    return code;
}
