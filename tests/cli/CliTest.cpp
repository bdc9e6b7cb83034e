// quillon-cli as outside scripts see it: exact standard output, standard error and exit status.
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "RunCli.h"
#include "cli/CliHelp.h"
#include "cli/CliOptions.h"

namespace {

using quillon::testing::CliRun;
using quillon::testing::kLabelUsage;
using quillon::testing::kSheetUsage;
using quillon::testing::RunCli;

// Every command's forms, printed after a usage error that names no command.
const std::string kUsage =
    "usage: quillon-cli kinds\n"
    "       quillon-cli pattern [options] TEXT\n"
    "       quillon-cli width [options] TEXT\n"
    "       quillon-cli verify [options] TEXT\n"
    "       quillon-cli label [options] -o FILE.png TEXT\n"
    "       quillon-cli label [options] -o DIR --codes FILE|--sequence FROM..TO[/STEP]\n"
    "       quillon-cli sheet [options] -o FILE.pdf TEXT\n"
    "       quillon-cli sheet [options] -o FILE.pdf --codes FILE|--sequence FROM..TO[/STEP]\n"
    "       quillon-cli stocks [--search TEXT]\n"
    "       quillon-cli calibration [options] -o FILE.pdf\n"
    "       quillon-cli gs1 DATA\n"
    "       quillon-cli print [options] --printer NAME|URI TEXT\n"
    "       quillon-cli print [options] --format zpl --to HOST[:PORT] TEXT\n"
    "       quillon-cli [COMMAND] --help | quillon-cli --version\n";
const std::string kPatternUsage = "usage: quillon-cli pattern [options] TEXT\n";
const std::string kWidthUsage = "usage: quillon-cli width [options] TEXT\n";

// Exit statuses of verify: 0 reads as it should, 3 does not scan or reads otherwise, 4 no reader.
TEST(Cli, SubcommandsPrintExactlyTheirLines)
{
    struct Row {
        int line;
        std::vector<std::string> args;
        int status;
        std::string out;
        std::string err;
    } rows[] = {
        // clang-format off
        // Code 128 B "AB": start B, A, B, check 102, stop.
        {1, {"pattern", "-k", "Code128B", "AB"}, 0, "605153" "505262" "525062" "805070" "6270506\nAB\n", ""},
        {2, {"width", "--kind", "code128b", "AB"}, 0, "57\n", ""},
        {3, {"width", "-k", "14", "4006381333931"}, 0, "95\n", ""},
        // Code set C pads an odd count with a leading zero and says so on line 2.
        {4, {"pattern", "--kind=Code128C", "7"}, 0, "605171" "516251" "615152" "6270506\n07\n", ""},
        {5, {"width", "-k", "CodeUPC_A", "--checksum", "--method", "mod10", "-m", "2", "03600029145"}, 0, "190\n", ""},
        {6, {"pattern", "-k", "Code39", "--", "-"}, 0, "515060605" "0" "515050606" "0" "515060605\n-\n", ""},
        {7, {"verify", "6212236011840"}, 0, "6212236011840\nEAN-13\n", ""}, // the window's designed code
        // Turned a quarter, no row of the image crosses the bars; the decoder is not asked to turn it.
        {8, {"verify", "--angle", "90", "6212236011840"}, 3, "", "quillon-cli: the label does not scan; it should read '6212236011840'\n"},
        {9, {"verify", "-k", "CodeMSI", "123"}, 4, "", "quillon-cli: no scan check for CodeMSI: the decoder has no reader for it\n"},
        {10, {"verify", "12a"}, 1, "", "Barcode must be numeric\n"},
        // Read as printed alone at the printer's dots (the scan check itself: label/PrintCheckTest).
        {11, {"verify", "--layout", "standard", "--dpi", "203", "6212236011840"}, 0, "6212236011840\nEAN-13\n", ""},
        // A full UPC-E prints as typed, or is refused naming the digit (barcode/EncodingTest).
        {12, {"verify", "-k", "CodeUPC_E0", "01234565"}, 0, "01234565\nUPC-E\n", ""},
        {13, {"verify", "-k", "CodeUPC_E0", "01234564"}, 1, "", "Check digit should be 5\n"},
        // clang-format on
    };
    for (const auto& row : rows) {
        const CliRun run = RunCli(row.args);
        EXPECT_EQ(run.status, row.status) << "row " << row.line << ": " << run.err;
        EXPECT_EQ(run.out, row.out) << "row " << row.line;
        EXPECT_EQ(run.err, row.err) << "row " << row.line;
    }
}

TEST(Cli, EngineErrorsExitWithOneAndUsageErrorsWithTwo)
{
    const std::string sequenceForm =
        "quillon-cli: --sequence takes FROM..TO or FROM..TO/STEP in whole numbers "
        "of up to 18 digits, such as 000001..000500, not '1..1000000000000000000'\n";
    // clang-format off
    quillon::testing::ExpectFailures({
        {1, {"pattern", "12a"}, 1, "Barcode must be numeric\n"},
        {2, {"width", "-k", "Code93", "abc"}, 1, "TBarcode:Code93 bad Data <abc>\n"},
        {3, {"pattern"}, 2, "quillon-cli: pattern takes exactly one TEXT\n" + kPatternUsage},
        {4, {"pattern", "-m", "50", "1"}, 2, "quillon-cli: --modul takes a whole number from 1 to 49, not '50'\n" + kPatternUsage},
        {5, {"pattern", "-k", "Code11", "1"}, 2, "quillon-cli: unknown kind 'Code11' (see quillon-cli kinds)\n" + kPatternUsage},
        {6, {"width", "-r", "nan", "1"}, 2, "quillon-cli: --ratio takes a number, not 'nan'\n" + kWidthUsage},
        {7, {"frobnicate", "1"}, 2, "quillon-cli: unknown command 'frobnicate'\n" + kUsage},
        {8, {}, 2, "quillon-cli: no command given\n" + kUsage},
        {9, {"pattern", "--frobnicate", "1"}, 2, "quillon-cli: unknown option '--frobnicate'\n" + kPatternUsage},
        {10, {"width", "--columns", "2", "1"}, 2, "quillon-cli: --columns is not an option of width\n" + kWidthUsage},
        {11, {"pattern", "--checksum=1", "1"}, 2, "quillon-cli: --checksum takes no value\n" + kPatternUsage},
        {12, {"--version", "x"}, 2, "quillon-cli: --version takes nothing after it\n" + kUsage},
        {13, {"label", "--codes", "c.txt", "-o", "d", "1"}, 2, "quillon-cli: label takes one TEXT, --codes FILE or --sequence FROM..TO[/STEP]\n" + kLabelUsage},
        {14, {"label", "--sequence", "1..9"}, 2, "quillon-cli: label with --codes or --sequence needs -o DIR\n" + kLabelUsage},
        {15, {"label", "--sequence", "1..9/0", "-o", "d"}, 2, "quillon-cli: --sequence takes a STEP of 1 or more, not '1..9/0'\n" + kLabelUsage},
        // 19 digits
        {16, {"sheet", "--sequence", "1..1000000000000000000", "-o", "s.pdf"}, 2, sequenceForm + kSheetUsage},
        // A run makes at most 1,000,000 codes: 0..1000000 is one more.
        {17, {"label", "--sequence", "0..1000000", "-o", "d"}, 2, "quillon-cli: --sequence 0..1000000 makes 1000001 codes, more than the 1000000 of one run\n" + kLabelUsage},
        // Print-true settings: each names its range; an option of the other layout is refused, not ignored.
        {18, {"sheet", "--dpi", "71", "-o", "s.pdf", "1"}, 2, "quillon-cli: --dpi takes a whole number from 72 to 2400, not '71'\n" + kSheetUsage},
        {19, {"label", "--layout", "standard", "--x-dim", "2.5", "-o", "x.png", "1"}, 2, "quillon-cli: --x-dim takes millimetres from 0.1 to 2, not '2.5'\n" + kLabelUsage},
        {20, {"label", "--layout", "standard", "--bar-height", "0.5", "-o", "x.png", "1"}, 2, "quillon-cli: --bar-height takes millimetres from 1 to 300, not '0.5'\n" + kLabelUsage},
        {21, {"sheet", "--layout", "standard", "--bwr", "100", "-o", "s.pdf", "1"}, 2, "quillon-cli: --bwr takes a whole number from 0 to 99, not '100'\n" + kSheetUsage},
        {22, {"sheet", "--layout", "wide", "-o", "s.pdf", "1"}, 2, "quillon-cli: --layout takes classic or standard, not 'wide'\n" + kSheetUsage},
        {23, {"sheet", "--x-dim", "0.3", "-o", "s.pdf", "1"}, 2, "quillon-cli: --x-dim is not an option of the classic layout (see --layout standard)\n" + kSheetUsage},
        {24, {"label", "--angle", "10", "--layout", "standard", "-o", "x.png", "1"}, 2, "quillon-cli: --angle is not an option of the standard layout\n" + kLabelUsage},
        {25, {"verify", "--no-verify", "1"}, 2, "quillon-cli: --no-verify is not an option of verify\nusage: quillon-cli verify [options] TEXT\n"},
        // Whatever the user gave is quoted with its control bytes escaped, so that a message cannot steer
        // the terminal; valid UTF-8 is kept as it is (every escape: data/SafeFileTest).
        {26, {"pattern", "-k", "Code39", "\x1B[2J"}, 1, "TBarcode:Code39 bad Data <\\x1B[2J>\n"},
        {27, {"pattern", "-k", "Code\x07\xC3\xA9", "1"}, 2, "quillon-cli: unknown kind 'Code\\x07\xC3\xA9' (see quillon-cli kinds)\n" + kPatternUsage},
        {28, {"label", "--codes", "missing\r.txt", "-o", "out"}, 1, "quillon-cli: cannot read 'missing\\x0D.txt': No such file or directory\n"},
    });
    // clang-format on
}

// Output that cannot be written is no success: a full disk behind standard output is reported.
TEST(Cli, StandardOutputThatCannotBeWrittenFails)
{
    const CliRun run = RunCli({"pattern", "6212236011840"}, "exec >/dev/full; ");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "quillon-cli: cannot write standard output: No space left on device\n");
}

TEST(Cli, VersionAndHelpDescribeEveryOption)
{
    const CliRun version = RunCli({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "quillon-cli " QUILLON_VERSION "\n");

    std::vector<std::string> commands{""}; // the general help first
    commands.insert(commands.end(), quillon::cli::kCommands.begin(), quillon::cli::kCommands.end());
    for (const std::string& command : commands) {
        const CliRun run = RunCli(command.empty() ? std::vector<std::string>{"--help"}
                                                  : std::vector<std::string>{command, "--help"});
        EXPECT_EQ(run.status, 0) << command;
        EXPECT_EQ(run.err, "") << command;
        EXPECT_EQ(run.out.rfind(quillon::cli::UsageText(command), 0), 0u) << command << ": " << run.out;
        // sheet takes them all
        for (const std::string_view option : quillon::cli::OptionsOf(command.empty() ? "sheet" : command)) {
            // The synopsis, then a description from column 28 on the same line or the next.
            const std::regex described("\n  (-., )?" + std::string(option) +
                                       "([^\n]* {2,}|[^\n]*\n {27})[a-z(]");
            EXPECT_TRUE(std::regex_search(run.out, described)) << command << " " << option;
        }
    }
}

} // namespace
