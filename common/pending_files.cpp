#include "common/pending_files.h"

#include <atomic>
#include <cstring>

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace {

#ifdef _WIN32
using PathChar = wchar_t;
#else
using PathChar = char;
#endif

constexpr int kSlots = 8;
constexpr std::size_t kMaxPath = 4096;

// A slot is taken (`used`) before its path is written and offered to the handler (`ready`)
// only once the path is whole, so the handler never reads half a path.
struct Slot {
    std::atomic<bool> used{false};
    std::atomic<bool> ready{false};
    PathChar path[kMaxPath];
};
static_assert(std::atomic<bool>::is_always_lock_free);

Slot gSlots[kSlots];

// The path as the system's removal call takes it; false when it does not fit.
bool copyPath(const std::string& utf8, PathChar* out) {
#ifdef _WIN32
    const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out,
                                      static_cast<int>(kMaxPath - 1));
    if (n <= 0) return false;
    out[n] = L'\0';
    return true;
#else
    if (utf8.size() >= kMaxPath) return false;
    std::memcpy(out, utf8.c_str(), utf8.size() + 1);
    return true;
#endif
}

}  // namespace

PendingTempFile::PendingTempFile(const std::string& utf8Path) noexcept {
    for (int i = 0; i < kSlots; ++i) {
        bool free = false;
        if (!gSlots[i].used.compare_exchange_strong(free, true)) continue;
        if (copyPath(utf8Path, gSlots[i].path)) {
            gSlots[i].ready.store(true);
            slot_ = i;
        } else {
            gSlots[i].used.store(false);
        }
        return;
    }
}

PendingTempFile::~PendingTempFile() {
    if (slot_ < 0) return;
    gSlots[slot_].ready.store(false);
    gSlots[slot_].used.store(false);
}

void removePendingTempFiles() noexcept {
    for (Slot& s : gSlots) {
        if (!s.ready.load()) continue;
#ifdef _WIN32
        DeleteFileW(s.path);
#else
        ::unlink(s.path);
#endif
    }
}
