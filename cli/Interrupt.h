// SIGINT and SIGTERM while quillon-cli writes files: noted instead of ending the program at once, so that
// a run stops between files, its temporary file is removed and it exits with status 128 + the signal.
#pragma once

#include <csignal>
#include <exception>

namespace quillon::cli {

// Raised once a noted signal is seen; main exits with Status().
class Interrupted : public std::exception {
public:
    explicit Interrupted(int signal) : FSignal(signal) {}
    const char* what() const noexcept override;
    int Status() const { return 128 + FSignal; }

private:
    int FSignal = 0;
};

// While it lives, SIGINT and SIGTERM are noted rather than ending the program; the previous handling
// comes back when it ends, and a signal noted meanwhile is raised as Interrupted by ThrowIfInterrupted.
class InterruptGuard {
public:
    InterruptGuard();
    ~InterruptGuard();
    InterruptGuard(const InterruptGuard&) = delete;
    InterruptGuard& operator=(const InterruptGuard&) = delete;

private:
    struct sigaction FPrevious[2]{}; // of SIGINT and SIGTERM, so that guards may nest
};

// The signal noted since the program started, or 0. Safe in any thread.
int InterruptSignal();

// Raises Interrupted when a signal has been noted.
void ThrowIfInterrupted();

} // namespace quillon::cli
