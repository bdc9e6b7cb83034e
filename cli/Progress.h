// The progress of a bulk run on standard error, and the messages printed beside it.
#pragma once

#include <chrono>
#include <cstddef>
#include <ostream>
#include <string>

namespace quillon::cli {

// Says nothing for the first second, so that short runs stay quiet; then shows "N of TOTAL WHAT",
// updated in place on a terminal (at most ten times a second) and as one line a second otherwise.
class Progress {
public:
    using Clock = std::chrono::steady_clock;

    enum class Display : unsigned char { Lines, InPlace };

    Progress(std::ostream& err, Display display, std::size_t total, std::string what,
             Clock::time_point start);

    void Update(std::size_t done, Clock::time_point now);
    // A message line of its own; the count shown in place is wiped first and comes back at the next update.
    void Message(const std::string& line);
    // Brings the count up to date if any count was shown, and ends its line.
    void Finish();

private:
    std::string CountText(std::size_t done) const;
    void ShowCount();

    std::ostream& FErr;
    Display FDisplay = Display::Lines;
    std::size_t FTotal = 0;
    std::string FWhat;
    Clock::time_point FStart{};
    Clock::time_point FLastShown{};
    bool FShown = false;      // some count has been shown
    std::size_t FInPlace = 0; // the length of the count now standing on the terminal's line
    std::size_t FDone = 0;
    std::size_t FShownDone = 0; // the count last shown
};

// InPlace when standard error is a terminal.
Progress::Display StandardErrorDisplay();

} // namespace quillon::cli
