#pragma once
// Runs vespra-cli in the test process and keeps what it printed.

#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/cli_app.h"

namespace testcli {

struct CliRun {
    int status;
    std::string out, err;
};

// The command's standard output goes to `out` when given (then CliRun::out stays empty).
inline CliRun cli(const std::vector<std::string>& args, std::ostream* out = nullptr) {
    std::ostringstream outText, err;
    const int status = runCli(args, out ? *out : outText, err);
    return {status, outText.str(), err.str()};
}

}  // namespace testcli
