#pragma once
// vespra-cli: runs simulation files without the windows, for scripted studies.

#include <iosfwd>
#include <string>
#include <vector>

// Runs the command line `args` (without the program name); returns the exit status.
// Results go to `out`; a failure is one line on `err`.
int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
