#pragma once
// The program's windows: each has one global instance that lives for the whole run. They are
// created in a fixed order, the main window first (closing it ends the program) and the
// upper reservoir dialog last; windows reach each other through these globals.

#include <vector>

class QWidget;

// Creates the 26 windows, all hidden.
void createWindows();
// Deletes them in the reverse order and sets every global back to null.
void destroyWindows();
// The windows in the order they were created (empty before createWindows).
const std::vector<QWidget*>& createdWindows();
