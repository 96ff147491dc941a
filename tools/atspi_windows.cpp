// Shows every window of the program at once, as the program creates them, so that
// tools/atspi_check.sh can read each one's accessibility tree over AT-SPI. Once they are all
// on screen it prints how many windows it shows and how many controls the window test's rule
// finds in them (components/accessible_names.h), then runs until it is ended.
#include <QApplication>
#include <cstdio>

#include "components/accessible_names.h"
#include "components/translations.h"
#include "scenarios/value_lists.h"
#include "windows/app_windows.h"
#include "windows/scenarios/form_cenarios_dados.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vespra 4 - janelas"));
    installQtTranslationsFromEnvironment();
    createWindows();
    // The value list window takes its caption and buttons from the parameter it edits; the
    // demand's row shows the most of them.
    formCenariosDados->arrange(kLinhaDemPot);
    int offset = 0;
    for (QWidget* window : createdWindows()) {
        window->move(offset, offset);
        window->show();
        offset = (offset + 24) % 480;
    }
    QApplication::processEvents();
    qsizetype controls = 0;
    for (QWidget* window : createdWindows()) {
        const AccessibleControls found = accessibleControls(window);
        controls += found.named.size() + found.unnamed.size();
    }
    std::printf("%zu %lld\n", createdWindows().size(), static_cast<long long>(controls));
    std::fflush(stdout);
    const int code = QApplication::exec();
    destroyWindows();
    return code;
}
