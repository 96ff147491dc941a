#include "common/platform.h"

#include <algorithm>
#include <cerrno>
#include <thread>

#ifdef _WIN32
// windows.h first: the other system headers build on it.
#include <windows.h>

#include <io.h>
#include <process.h>
#else
#include <fcntl.h>
#include <sched.h>
#include <unistd.h>
#endif

std::filesystem::path pathFromUtf8(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string utf8FromPath(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

#ifdef _WIN32

namespace {

// The few system errors a file write meets, as the errno values the messages are made from.
int errnoOf(DWORD error) {
    switch (error) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_DRIVE:
            return ENOENT;
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
        case ERROR_WRITE_PROTECT:
            return EACCES;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return ENOSPC;
        case ERROR_NOT_SAME_DEVICE:
            return EXDEV;
        default:
            return EIO;
    }
}

}  // namespace

std::string utf8FromWide(std::wstring_view wide) {
    if (wide.empty()) return {};
    const int size = static_cast<int>(wide.size());
    const int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, out.data(), n, nullptr, nullptr);
    return out;
}

std::FILE* openFile(const std::string& utf8Path, const char* mode) {
    const std::wstring wideMode(mode, mode + std::char_traits<char>::length(mode));
    return _wfopen(pathFromUtf8(utf8Path).c_str(), wideMode.c_str());
}

bool flushToDisk(std::FILE* f) {
    return std::fflush(f) == 0 && _commit(_fileno(f)) == 0;
}

bool flushBatchFile(std::FILE* f) {
    return flushToDisk(f);
}

bool syncFolderFiles(const std::string&) {
    return true;
}

bool syncFolder(const std::string&) {
    return true;
}

// std::rename refuses to replace an existing file on Windows; MoveFileEx replaces it, and
// write-through returns only once the new name is on the disk.
bool replaceFile(const std::string& from, const std::string& to) {
    if (MoveFileExW(pathFromUtf8(from).c_str(), pathFromUtf8(to).c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    errno = errnoOf(GetLastError());
    return false;
}

void removeFile(const std::string& utf8Path) {
    _wremove(pathFromUtf8(utf8Path).c_str());
}

long processNumber() {
    return static_cast<long>(_getpid());
}

int usableCores() {
    return static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
}

#else

std::FILE* openFile(const std::string& utf8Path, const char* mode) {
    return std::fopen(utf8Path.c_str(), mode);
}

bool flushToDisk(std::FILE* f) {
    return std::fflush(f) == 0 && ::fsync(::fileno(f)) == 0;
}

bool flushBatchFile(std::FILE* f) {
    return std::fflush(f) == 0;
}

namespace {

// Runs `sync` on the folder's descriptor; false, with errno, when it cannot be opened or synced.
template <typename Sync>
bool syncOpenFolder(const std::string& folder, Sync sync) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool ok = sync(fd) == 0;
    const int err = errno;
    ::close(fd);
    errno = err;
    return ok;
}

}  // namespace

bool syncFolderFiles(const std::string& folder) {
    return syncOpenFolder(folder, [](int fd) { return ::syncfs(fd); });
}

bool syncFolder(const std::string& folder) {
    return syncOpenFolder(folder, [](int fd) { return ::fsync(fd); });
}

bool replaceFile(const std::string& from, const std::string& to) {
    return std::rename(from.c_str(), to.c_str()) == 0;
}

void removeFile(const std::string& utf8Path) {
    std::remove(utf8Path.c_str());
}

long processNumber() {
    return static_cast<long>(::getpid());
}

int usableCores() {
#ifdef __linux__
    cpu_set_t allowed;
    if (sched_getaffinity(0, sizeof allowed, &allowed) == 0) return std::max(1, CPU_COUNT(&allowed));
#endif
    return static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
}

#endif
