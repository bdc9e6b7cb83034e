#include "Progress.h"

#include <unistd.h>

namespace quillon::cli {

namespace {

using namespace std::chrono_literals;

constexpr auto kQuietFor = 1s;
constexpr auto kInPlaceInterval = 100ms;
constexpr auto kLineInterval = 1s;

} // namespace

Progress::Progress(std::ostream& err, Display display, std::size_t total, std::string what,
                   Clock::time_point start)
    : FErr(err), FDisplay(display), FTotal(total), FWhat(std::move(what)), FStart(start)
{
}

std::string Progress::CountText(std::size_t done) const
{
    return "quillon-cli: " + std::to_string(done) + " of " + std::to_string(FTotal) + " " + FWhat;
}

void Progress::Update(std::size_t done, Clock::time_point now)
{
    FDone = done;
    const auto interval = FDisplay == Display::InPlace ? kInPlaceInterval : kLineInterval;
    if (now - FStart < kQuietFor || (FShown && now - FLastShown < interval))
        return;
    ShowCount();
    FLastShown = now;
}

// Counts only grow, so a new count in place covers the old one.
void Progress::ShowCount()
{
    const std::string text = CountText(FDone);
    if (FDisplay == Display::InPlace) {
        FErr << '\r' << text << std::flush;
        FInPlace = text.size();
    } else {
        FErr << text << '\n' << std::flush;
    }
    FShown = true;
    FShownDone = FDone;
}

void Progress::Message(const std::string& line)
{
    if (FInPlace > 0)
        FErr << '\r' << std::string(FInPlace, ' ') << '\r';
    FInPlace = 0;
    FErr << line << '\n' << std::flush;
}

void Progress::Finish()
{
    if (!FShown)
        return;
    if (FShownDone != FDone)
        ShowCount();
    if (FInPlace > 0)
        FErr << '\n' << std::flush;
    FInPlace = 0;
    FShown = false;
}

Progress::Display StandardErrorDisplay()
{
    return isatty(STDERR_FILENO) ? Progress::Display::InPlace : Progress::Display::Lines;
}

} // namespace quillon::cli
