#include "Interrupt.h"

#include <atomic>
#include <iterator>

namespace quillon::cli {

namespace {

constexpr int kNotedSignals[] = {SIGINT, SIGTERM, SIGHUP};

// Lock-free, so that the handler may set it.
std::atomic<int> gSignal{0};
static_assert(std::atomic<int>::is_always_lock_free);

void Note(int signal)
{
    int none = 0;
    gSignal.compare_exchange_strong(none, signal); // the first signal is the one the exit status tells
}

} // namespace

const char* Interrupted::what() const noexcept
{
    switch (FSignal) {
    case SIGINT: return "interrupted (SIGINT)";
    case SIGHUP: return "hung up (SIGHUP)";
    default: break;
    }
    return "terminated (SIGTERM)";
}

InterruptGuard::InterruptGuard()
{
    struct sigaction noting {};
    noting.sa_handler = Note;
    sigemptyset(&noting.sa_mask);
    noting.sa_flags = SA_RESTART; // file writes go on; the run stops at its next check
    static_assert(sizeof FPrevious / sizeof FPrevious[0] == std::size(kNotedSignals));
    for (std::size_t i = 0; i < std::size(kNotedSignals); ++i)
        sigaction(kNotedSignals[i], &noting, &FPrevious[i]);
}

InterruptGuard::~InterruptGuard()
{
    for (std::size_t i = 0; i < std::size(kNotedSignals); ++i)
        sigaction(kNotedSignals[i], &FPrevious[i], nullptr);
}

int InterruptSignal()
{
    return gSignal.load();
}

void IgnoreBrokenPipes()
{
    std::signal(SIGPIPE, SIG_IGN);
}

void ThrowIfInterrupted()
{
    if (const int signal = InterruptSignal(); signal != 0)
        throw Interrupted(signal);
}

} // namespace quillon::cli
