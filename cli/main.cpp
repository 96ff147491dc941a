#include <iostream>

#include "cli/cli_app.h"
#include "cli/process_io.h"

int main(int argc, char** argv) {
    const StandardStreams streams;
    return runCli(commandLineArguments(argc, argv), std::cout, std::cerr);
}
