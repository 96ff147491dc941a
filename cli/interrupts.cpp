#include "cli/interrupts.h"

#include <algorithm>
#include <atomic>
#include <csignal>
#include <cstdlib>
#include <cstring>

#include "common/pending_files.h"

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

// Written by the handler, read by the working threads: a lock-free atomic is safe in both.
std::atomic<int> gCaught{0};
static_assert(std::atomic<int>::is_always_lock_free);

extern "C" void noteSignal(int signal) {
    gCaught.store(signal);
}

// StopAtOnce's line, made before the handler is installed: the handler only copies bytes.
char gStopLine[160];
std::size_t gStopLineSize = 0;

extern "C" void stopNow(int signal) {
    removePendingTempFiles();
#ifdef _WIN32
    _write(2, gStopLine, static_cast<unsigned>(gStopLineSize));
#else
    [[maybe_unused]] const auto written = ::write(2, gStopLine, gStopLineSize);
#endif
    std::_Exit(InterruptCatcher::exitStatus(signal));
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

StopAtOnce::StopAtOnce(const std::string& command) {
    const std::string line = "vespra-cli: interrompido durante o comando " + command + ".\n";
    gStopLineSize = std::min(line.size(), sizeof gStopLine);
    std::memcpy(gStopLine, line.data(), gStopLineSize);
    oldInt_ = std::signal(SIGINT, stopNow);
    oldTerm_ = std::signal(SIGTERM, stopNow);
}

StopAtOnce::~StopAtOnce() {
    std::signal(SIGINT, oldInt_ == SIG_ERR ? SIG_DFL : oldInt_);
    std::signal(SIGTERM, oldTerm_ == SIG_ERR ? SIG_DFL : oldTerm_);
}
