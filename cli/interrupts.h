#pragma once
// Ctrl-C (SIGINT) and the SIGTERM a scheduler sends at its time limit, caught while a long
// command runs: the handler only notes the signal, and the command stops at its next
// combination, lets the files under way finish, puts the files of the combinations done in
// place (no temporary file or folder stays), says where it stopped and exits with 128 + the
// signal's number.

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
