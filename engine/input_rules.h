#pragma once
// The ranges a system's inputs must keep, in the words the main window uses for them.

#include <optional>
#include <string>

// The ranges a system's inputs must keep, as the main window tells them: the share of the
// demand replaced, in % (more than 0, at most 100), and the runoff coefficient (more than 0,
// at most 1). The message the user sees, nothing when the value is in range.
std::optional<std::string> shareError(double percent);
std::optional<std::string> coefficientError(double coefficient);
