#pragma once
// Ctrl-C (SIGINT) and the SIGTERM a scheduler sends at its time limit, caught while a command
// runs. A scenario batch (InterruptCatcher) only notes the signal: it stops at its next
// combination, lets the files under way finish, puts the files of the combinations done in
// place (no temporary file or folder stays), says where it stopped and exits with 128 + the
// signal's number. The other commands (StopAtOnce) end at once, their temporary file under way
// removed, with one line and the same status: a long sweep stops within a second, not when it
// is done.

#include <string>

// While it lives, SIGINT and SIGTERM are noted instead of ending the process; the handlers
// that were there before come back at its end.
class InterruptCatcher {
  public:
    InterruptCatcher();
    ~InterruptCatcher();
    InterruptCatcher(const InterruptCatcher&) = delete;
    InterruptCatcher& operator=(const InterruptCatcher&) = delete;

    // The signal caught, or 0.
    static int caught();
    // The exit status of a command stopped by `signal`: 130 for SIGINT, 143 for SIGTERM.
    static int exitStatus(int signal);

  private:
    void (*oldInt_)(int) = nullptr;
    void (*oldTerm_)(int) = nullptr;
};

// While it lives, SIGINT and SIGTERM end the process at once: the temporary files under way
// removed (PendingTempFile), "vespra-cli: interrompido durante o comando COMMAND." on stderr,
// exit status 128 + the signal's number. The handlers that were there before come back at its end.
class StopAtOnce {
  public:
    explicit StopAtOnce(const std::string& command);
    ~StopAtOnce();
    StopAtOnce(const StopAtOnce&) = delete;
    StopAtOnce& operator=(const StopAtOnce&) = delete;

  private:
    void (*oldInt_)(int) = nullptr;
    void (*oldTerm_)(int) = nullptr;
};
