#pragma once
// Where the program meets the operating system's files. Paths inside the program are UTF-8
// texts; these helpers hand them to the system as it wants them (bytes on Linux, UTF-16 on
// Windows) and give the system's failures as errno values, so every message reads alike.

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

// A UTF-8 path as a filesystem path, and back. On Linux the bytes pass unchanged.
std::filesystem::path pathFromUtf8(const std::string& utf8);
std::string utf8FromPath(const std::filesystem::path& path);

// std::fopen for a UTF-8 path (mode as std::fopen's: "rb", "wb").
std::FILE* openFile(const std::string& utf8Path, const char* mode);
// Flushes the stream and the system's buffers to the disk. False, with errno, on failure.
bool flushToDisk(std::FILE* f);
// Renames `from` over `to`, replacing a file already there in one step. False, with errno,
// on failure.
bool replaceFile(const std::string& from, const std::string& to);
// Removes a file; failures are ignored (used to clean up after a failed write).
void removeFile(const std::string& utf8Path);
// This process's number, to give a temporary file a name no other run of the program uses.
long processNumber();

#ifdef _WIN32
// Windows' UTF-16 texts (command line, locale settings) as UTF-8.
std::string utf8FromWide(std::wstring_view wide);
#endif
