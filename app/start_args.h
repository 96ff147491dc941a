// The desktop program's command line: `vespra [ARQUIVO]`, with --help and --version.
// Plain C++, so that the rules are tested without a display.
#pragma once

#include <string>
#include <vector>

struct StartArgs {
    enum class Kind {
        Open,     // show the main window, with `file` opened when it is not empty
        Help,     // print startUsage() and stop
        Version,  // print the program's version and stop
        Error,    // print `message` on stderr and stop with code 2
    };
    Kind kind = Kind::Open;
    std::string file;
    std::string message;
};

// `args` holds the arguments after the program's name. Qt has taken its own options out of
// them by the time the window opens; the early scan before Qt starts looks for --help and
// --version only (`earlyOnly`), so that Qt's options are not mistaken for unknown ones.
StartArgs parseStartArgs(const std::vector<std::string>& args, bool earlyOnly = false);

const char* startUsage();
