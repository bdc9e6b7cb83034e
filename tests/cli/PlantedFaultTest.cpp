// The proof reads what was written: quillon-cli built with a writer fault planted (PlantedWriterFault.cpp)
// writes a PDF whose cells do not print as they should, and the proof of that very file says so and
// exits 1, where quillon-cli itself exits 0 on the same input.
#include <gtest/gtest.h>

#include <QByteArray>
#include <string>
#include <vector>

#include "RunCli.h"

namespace quillon {
namespace {

using testing::CliRun;

constexpr std::string_view kCode = "5901234123457";
constexpr std::string_view kOtherCode = "4006381333931";

class PlantedFault : public testing::CliFiles {
protected:
    CliRun RunFaulty(const std::string& fault, const std::vector<std::string>& args) const
    {
        return testing::RunProgram(QUILLON_FAULTY_CLI, args,
                                   "QUILLON_PLANTED_FAULT=" + testing::ShellQuote(fault) + " ");
    }
};

// A cell the proof failed is named on standard error with why: its bars off the dots, or what a
// scanner makes of it.
bool NamesAFailedCell(const std::string& err)
{
    return err.find("dots off the 203-dpi printer's dots") != std::string::npos ||
           err.find("Does not scan") != std::string::npos || err.find("Reads ") != std::string::npos;
}

// The default 4 x 20 EAN-13 sheet, a list's and a single code's, made for a 203-dpi printer with the
// page's scale written 0.1 % too large.
TEST_F(PlantedFault, ScaleOffByATenthOfAPercentFailsTheProof)
{
    std::string codes;
    for (int i = 0; i < 80; ++i)
        codes += std::string(kCode) + "\n";
    Write("codes.txt", QByteArray::fromStdString(codes));
    const std::vector<std::string> grid{"--columns", "4",   "--rows", "20",
                                        "--dpi",     "203", "-o",     Path("sheet.pdf")};
    struct Row {
        int line;
        std::vector<std::string> args;
    } rows[] = {
        {1, testing::Join(testing::Join({"sheet"}, grid), {std::string(kCode)})},
        {2, testing::Join(testing::Join({"sheet"}, grid), {"--codes", Path("codes.txt")})},
    };
    for (const Row& row : rows) {
        const CliRun sound = testing::RunCli(row.args);
        EXPECT_EQ(sound.status, 0) << "row " << row.line << ": " << sound.err;
        const CliRun faulty = RunFaulty("scale", row.args);
        EXPECT_EQ(faulty.status, 1) << "row " << row.line << ": " << faulty.err;
        EXPECT_TRUE(NamesAFailedCell(faulty.err)) << "row " << row.line << ": " << faulty.err;
        EXPECT_EQ(faulty.err.find("80 of 80 labels read back"), std::string::npos) << "row " << row.line;
        EXPECT_NE(faulty.err.find(" of 80 labels read back at 203 dpi"), std::string::npos)
            << "row " << row.line << ": " << faulty.err;
    }
}

// A page that shows another label's drawing reads as another number: the worst outcome, said in its own
// words.
TEST_F(PlantedFault, LabelReadingAsAnotherNumberIsSaidSo)
{
    const auto sheet = [&](std::string_view code) {
        return std::vector<std::string>{"sheet", "--columns", "1",  "--rows",          "1",
                                        "--dpi", "203",       "-o", Path("sheet.pdf"), std::string(code)};
    };
    const std::string kept = Path("other-page.txt");
    ASSERT_EQ(RunFaulty("record:" + kept, sheet(kOtherCode)).status, 0);
    const CliRun faulty = RunFaulty("replay:" + kept, sheet(kCode));
    EXPECT_EQ(faulty.status, 1) << faulty.err;
    EXPECT_NE(faulty.err.find("Reads " + std::string(kOtherCode) + " at 203 dpi, not " + std::string(kCode)),
              std::string::npos)
        << faulty.err;
}

} // namespace
} // namespace quillon
