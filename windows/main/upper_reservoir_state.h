#pragma once
// The upper reservoir of the main window's simulation, as the upper reservoir dialog was last
// set: the program's one copy of that setting. The global dialog writes it on each change of
// its choice or boxes and on "Concluir"; the main window's run, its file commands and the
// economic analysis read it through main_links, never the dialog's boxes.

#include <QString>

#include "engine/upper_reservoir.h"

struct ResSupState {
    UpperReservoirMode mode = UpperReservoirMode::None;
    // As typed, read when the simulation runs (a text that is not a number is the run's to
    // refuse or to count as 0). "0" is what a dialog never opened shows.
    QString volume = QStringLiteral("0");     // litres
    QString threshold = QStringLiteral("0");  // pumping threshold, litres
};

// The one state of the program.
ResSupState& resSupState();
