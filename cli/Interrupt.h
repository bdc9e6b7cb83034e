// SIGINT, SIGTERM and SIGHUP while quillon-cli writes files: noted instead of ending the program at once,
// so that a run stops between files, its unfinished file is dropped and it exits with status 128 + the
// signal.
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

// While it lives, SIGINT, SIGTERM and SIGHUP (a closed terminal) are noted rather than ending the program;
// the previous handling comes back when it ends, and a signal noted meanwhile is raised as Interrupted by
// ThrowIfInterrupted.
class InterruptGuard {
public:
    InterruptGuard();
    ~InterruptGuard();
    InterruptGuard(const InterruptGuard&) = delete;
    InterruptGuard& operator=(const InterruptGuard&) = delete;

private:
    struct sigaction FPrevious[3]{}; // of SIGINT, SIGTERM and SIGHUP, so that guards may nest
};

// The signal noted since the program started, or 0. Safe in any thread.
int InterruptSignal();

// Raises Interrupted when a signal has been noted.
void ThrowIfInterrupted();

// SIGPIPE ignored for the whole run: a reader of standard error or output that quits turns writes into
// EPIPE errors, told and ended properly, instead of killing the program midway without a word.
void IgnoreBrokenPipes();

} // namespace quillon::cli
