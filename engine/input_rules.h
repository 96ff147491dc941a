#pragma once
// The ranges a system's inputs must keep, in the words the main window uses for them.

#include <optional>
#include <string>
#include <vector>

class TCaptAgua;

// The ranges a system's inputs must keep, as the main window tells them: the share of the
// demand replaced, in % (more than 0, at most 100), and the runoff coefficient (more than 0,
// at most 1). The message the user sees, nothing when the value is in range.
std::optional<std::string> shareError(double percent);
std::optional<std::string> coefficientError(double coefficient);

// Every range a simulation's inputs break, in the order the main window checks them: the
// share, the coefficient, then the upper reservoir's pumping threshold (when it has an upper
// reservoir). Empty when all hold. The main window refuses such values as they are typed; a
// file or a scenario list that holds them still runs as written, and its reader warns.
std::vector<std::string> inputRuleMessages(const TCaptAgua& p);
