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
// Flushes a file written as one of a batch (FileBatch): on Linux only to the system, which
// syncFolderFiles then writes out for the whole batch at once; on Windows, which has no such
// call, to the disk, file by file. False, with errno, on failure.
bool flushBatchFile(std::FILE* f);
// Writes out to the disk what the batch's files hold (Linux: the folder's filesystem, once).
// False, with errno, on failure.
bool syncFolderFiles(const std::string& folder);
// Makes the names renamed into a folder durable (Linux: the folder itself synced; on Windows
// each rename is written through). False, with errno, on failure.
bool syncFolder(const std::string& folder);
// Renames `from` over `to`, replacing a file already there in one step. False, with errno,
// on failure.
bool replaceFile(const std::string& from, const std::string& to);
// Removes a file; failures are ignored (used to clean up after a failed write).
void removeFile(const std::string& utf8Path);
// This process's number, to give a temporary file a name no other run of the program uses.
long processNumber();
// The processor cores this process may run on (on Linux those its CPU affinity allows, as a
// cluster's scheduler sets it; elsewhere the machine's), at least 1.
int usableCores();

#ifdef _WIN32
// Windows' UTF-16 texts (command line, locale settings) as UTF-8.
std::string utf8FromWide(std::wstring_view wide);
#endif
