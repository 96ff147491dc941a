#include "cli/process_io.h"

#ifdef _WIN32
// windows.h first: the other system headers build on it.
#include <windows.h>

#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include <cstdio>

#include "common/platform.h"

std::vector<std::string> commandLineArguments(int, char**) {
    std::vector<std::string> args;
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!wide) return args;
    for (int i = 1; i < count; ++i) args.push_back(utf8FromWide(wide[i]));
    LocalFree(wide);
    return args;
}

StandardStreams::StandardStreams() {
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    const auto isConsole = [](DWORD which) { return GetFileType(GetStdHandle(which)) == FILE_TYPE_CHAR; };
    if (isConsole(STD_OUTPUT_HANDLE) || isConsole(STD_ERROR_HANDLE)) {
        consoleCodePage_ = GetConsoleOutputCP();
        SetConsoleOutputCP(CP_UTF8);
    }
}

StandardStreams::~StandardStreams() {
    std::fflush(stdout);
    std::fflush(stderr);
    if (consoleCodePage_ != 0) SetConsoleOutputCP(consoleCodePage_);
}

#else

std::vector<std::string> commandLineArguments(int argc, char** argv) {
    return std::vector<std::string>(argv + 1, argv + argc);
}

StandardStreams::StandardStreams() = default;
StandardStreams::~StandardStreams() = default;

#endif
