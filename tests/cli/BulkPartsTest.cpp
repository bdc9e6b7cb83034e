// The parts of a bulk run on their own: file names and progress.
#include <gtest/gtest.h>

#include <chrono>
#include <sstream>
#include <string>
#include <vector>

#include "cli/Codes.h"
#include "cli/Progress.h"

namespace quillon::cli {
namespace {

TEST(BulkParts, FileNames)
{
    struct Row {
        int line;
        std::size_t number;
        std::size_t last;
        std::string code;
        std::string name;
    } rows[] = {
        {1, 7, 10000, "6212236011840", "00007-6212236011840.png"},
        {2, 12, 12, "../a b\\c*?", "12-.._a_b_c__.png"}, // no separator survives
        {3, 1, 9, std::string(70, 'x'), "1-" + std::string(64, 'x') + ".png"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(NumberedFileName(row.number, row.last, row.code, ".png"), row.name) << "row " << row.line;
}

// Quiet for the first second; then on a terminal a count rewritten in place at most every 100 ms,
// wiped for a message; otherwise a line at most every second.
TEST(BulkParts, Progress)
{
    using Ms = std::chrono::milliseconds;
    using enum Progress::Display;
    const auto count = [](int done) { return "quillon-cli: " + std::to_string(done) + " of 9 labels"; };
    const std::string wipe = "\r" + std::string(count(0).size(), ' ') + "\r";
    struct Step {
        int ms;
        std::size_t done;
        const char* message = nullptr; // printed before the update
    };
    struct Row {
        int line;
        Progress::Display display;
        std::vector<Step> steps;
        std::string shown;
    } rows[] = {
        {1, InPlace, {{500, 1}, {999, 2, "bad"}}, "bad\n"},
        {2, InPlace, {{1000, 3}, {1050, 4}, {1100, 5}}, "\r" + count(3) + "\r" + count(5) + "\n"},
        {3,
         InPlace,
         {{1200, 3}, {1250, 4, "bad"}, {1300, 6}},
         "\r" + count(3) + wipe + "bad\n\r" + count(6) + "\n"},
        {4, Lines, {{1000, 3}, {1999, 4, "bad"}, {2000, 5}}, count(3) + "\nbad\n" + count(5) + "\n"},
        {5, Lines, {{1000, 3}, {1500, 9}}, count(3) + "\n" + count(9) + "\n"},
    };
    for (const Row& row : rows) {
        std::ostringstream err;
        const Progress::Clock::time_point start{};
        Progress progress(err, row.display, 9, "labels", start);
        for (const Step& step : row.steps) {
            if (step.message)
                progress.Message(step.message);
            progress.Update(step.done, start + Ms(step.ms));
        }
        progress.Finish();
        EXPECT_EQ(err.str(), row.shown) << "row " << row.line;
    }
}

} // namespace
} // namespace quillon::cli
