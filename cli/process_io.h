#pragma once
// The command-line tool's meeting with its process: the arguments and the standard streams
// as the program's texts are, UTF-8 and "\n", on every system.

#include <string>
#include <vector>

// The arguments after the program's name, as UTF-8 (Windows hands them over as UTF-16).
std::vector<std::string> commandLineArguments(int argc, char** argv);

// While it lives, standard output and error pass the program's bytes unchanged (no "\n" turned
// into CR LF on Windows) and a Windows console shows them as UTF-8; the console's code page is
// given back at the end.
class StandardStreams {
  public:
    StandardStreams();
    ~StandardStreams();
    StandardStreams(const StandardStreams&) = delete;
    StandardStreams& operator=(const StandardStreams&) = delete;

  private:
    [[maybe_unused]] unsigned int consoleCodePage_ = 0;  // Windows only; 0: left as it was
};
