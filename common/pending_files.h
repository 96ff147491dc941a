#pragma once
// Temporary files under way, noted so that a program stopped by a signal can remove them before
// it ends: a file being written beside its target is never left behind. A few at once are
// noted (a single file's write and its rename); a path too long to note is not.

#include <string>

class PendingTempFile {
  public:
    explicit PendingTempFile(const std::string& utf8Path) noexcept;
    ~PendingTempFile();
    PendingTempFile(const PendingTempFile&) = delete;
    PendingTempFile& operator=(const PendingTempFile&) = delete;

  private:
    int slot_ = -1;
};

// Removes every temporary file noted now. Safe inside a signal handler: no allocation, no lock.
void removePendingTempFiles() noexcept;
