#include "cli/interrupts.h"

#include <atomic>
#include <csignal>

namespace {

// Written by the handler, read by the working threads: a lock-free atomic is safe in both.
std::atomic<int> gCaught{0};
static_assert(std::atomic<int>::is_always_lock_free);

extern "C" void noteSignal(int signal) {
    gCaught.store(signal);
}

}  // namespace

InterruptCatcher::InterruptCatcher() {
    gCaught.store(0);
    oldInt_ = std::signal(SIGINT, noteSignal);
    oldTerm_ = std::signal(SIGTERM, noteSignal);
}

InterruptCatcher::~InterruptCatcher() {
    std::signal(SIGINT, oldInt_ == SIG_ERR ? SIG_DFL : oldInt_);
    std::signal(SIGTERM, oldTerm_ == SIG_ERR ? SIG_DFL : oldTerm_);
}

int InterruptCatcher::caught() {
    return gCaught.load();
}

int InterruptCatcher::exitStatus(int signal) {
    // SIGINT and SIGTERM are 2 and 15 on every system the program runs on.
    return 128 + signal;
}
