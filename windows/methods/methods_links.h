#pragma once
// What the sizing methods' window keeps between its uses, and what the other windows ask of
// it: the parameters last calculated with, which the next window opens with and the sweep
// chart marks its volumes with.

#include <optional>
#include <string>
#include <vector>

#include "engine/sizing_methods.h"

class QWidget;
class TCaptAgua;

ParametrosMetodos lastMethodParameters();
void setLastMethodParameters(const ParametrosMetodos& p);

// Opens a new methods window on `sim` (not owned), modally over `owner`.
void execMetodos(const TCaptAgua& sim, QWidget* owner);
