// Vespra 4: the desktop program. Creates every window, shows the main one (with the simulation
// file named on the command line, if any) and runs until it is closed.

#include <QApplication>
#include <QIcon>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "app/start_args.h"
#include "common/version.h"
#include "components/translations.h"
#include "windows/app_windows.h"
#include "windows/main/form_main.h"

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

// What --help and --version ask for, printed; nullopt when the window is to open.
std::optional<int> answerInfoRequest(const StartArgs& args) {
    switch (args.kind) {
        case StartArgs::Kind::Help:
            std::fputs(startUsage(), stdout);
            return 0;
        case StartArgs::Kind::Version:
            std::fputs((programVersionText() + "\n").c_str(), stdout);
            return 0;
        case StartArgs::Kind::Error:
            std::fputs((args.message + "\n").c_str(), stderr);
            return 2;
        case StartArgs::Kind::Open:
            break;
    }
    return std::nullopt;
}

}  // namespace

int main(int argc, char* argv[]) {
    // --help and --version answer without a display.
    if (auto code = answerInfoRequest(parseStartArgs(std::vector<std::string>(argv + 1, argv + argc), true)))
        return *code;
    if (displayMissing()) {
        std::fputs(
            "vespra: nenhuma tela gráfica disponível (DISPLAY e WAYLAND_DISPLAY não definidos); "
            "para simular sem interface gráfica use vespra-cli.\n",
            stderr);
        return 2;
    }
    QApplication app(argc, argv);
    // Qt has taken its own options (-platform, -style...) out; what is left is the program's.
    std::vector<std::string> rest;
    for (const QString& a : QApplication::arguments().mid(1)) rest.push_back(a.toStdString());
    const StartArgs startArgs = parseStartArgs(rest);
    if (auto code = answerInfoRequest(startArgs)) return *code;
    QApplication::setApplicationName(QStringLiteral("Vespra 4"));
    QApplication::setWindowIcon(programIcon());
    // The desktop entry's name, so that the desktop groups the windows under it.
    QGuiApplication::setDesktopFileName(QStringLiteral("vespra"));
    installQtTranslationsFromEnvironment();
    createWindows();
    formMain->show();
    formMain->openFromCommandLine(QString::fromStdString(startArgs.file));
    const int code = QApplication::exec();
    destroyWindows();
    return code;
}
