// quillon-cli as outside scripts see it: exact standard output, standard error and exit status.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "RunCli.h"

namespace {

using quillon::testing::CliRun;
using quillon::testing::RunCli;

const std::string kUsageLine =
    "usage: quillon-cli kinds | quillon-cli pattern|width [options] TEXT | quillon-cli label|sheet [options] -o FILE TEXT\n";

TEST(Cli, SubcommandsPrintExactlyTheirLines)
{
    struct Row {
        int line;
        std::vector<std::string> args;
        std::string out;
    } rows[] = {
        // Code 128 B "AB": start B, A, B, check 102, stop.
        {1, {"pattern", "-k", "Code128B", "AB"}, "605153" "505262" "525062" "805070" "6270506\nAB\n"},
        {2, {"width", "--kind", "code128b", "AB"}, "57\n"},
        {3, {"width", "-k", "14", "4006381333931"}, "95\n"},
        {4, {"pattern", "-k", "CodeCodabar", "1"}, "5061515" "0" "5050615" "0" "5151506\n1\n"},
        // Code set C pads an odd count with a leading zero and says so on line 2.
        {5, {"pattern", "--kind=Code128C", "7"}, "605171" "516251" "615152" "6270506\n07\n"},
        {6, {"width", "-k", "CodeUPC_A", "--checksum", "--method", "mod10", "-m", "2", "03600029145"}, "190\n"},
        {7, {"pattern", "-k", "Code39", "--", "-"}, "515060605" "0" "515050606" "0" "515060605\n-\n"},
    };
    for (const auto& row : rows) {
        const CliRun run = RunCli(row.args);
        EXPECT_EQ(run.status, 0) << "row " << row.line << ": " << run.err;
        EXPECT_EQ(run.out, row.out) << "row " << row.line;
        EXPECT_EQ(run.err, "") << "row " << row.line;
    }
}

TEST(Cli, KindsListsEverySymbologyInOrdinalOrder)
{
    const CliRun run = RunCli({"kinds"});
    ASSERT_EQ(run.status, 0);
    std::istringstream lines(run.out);
    std::vector<std::string> all;
    for (std::string line; std::getline(lines, line);)
        all.push_back(line);
    ASSERT_EQ(all.size(), 23u);
    EXPECT_EQ(all[0], "0\tCode_2_5_interleaved\t2_5_interleaved");
    EXPECT_EQ(all[12], "12\tCodeCodabar\tCodebar");
    EXPECT_EQ(all[14], "14\tCodeEAN13\tEAN13");
    EXPECT_EQ(all[22], "22\tCodeEAN128C\tEAN128C");
}

TEST(Cli, EngineErrorsExitWithOneAndUsageErrorsWithTwo)
{
    struct Row {
        int line;
        std::vector<std::string> args;
        int status;
        std::string err;
    } rows[] = {
        {1, {"pattern", "12a"}, 1, "Barcode must be numeric\n"},
        {2, {"width", "-k", "Code93", "abc"}, 1, "TBarcode:Code93 bad Data <abc>\n"},
        {3, {"pattern"}, 2, "quillon-cli: pattern takes exactly one TEXT\n" + kUsageLine},
        {4, {"pattern", "-m", "50", "1"}, 2, "quillon-cli: --modul takes a whole number from 1 to 49, not '50'\n" + kUsageLine},
        {5, {"pattern", "-k", "Code11", "1"}, 2, "quillon-cli: unknown kind 'Code11' (see quillon-cli kinds)\n" + kUsageLine},
        {6, {"width", "-r", "nan", "1"}, 2, "quillon-cli: --ratio takes a number, not 'nan'\n" + kUsageLine},
        {7, {"print", "1"}, 2, "quillon-cli: unknown command 'print'\n" + kUsageLine},
        {8, {}, 2, "quillon-cli: no command given\n" + kUsageLine},
        {9, {"pattern", "--frobnicate", "1"}, 2, "quillon-cli: unknown option '--frobnicate'\n" + kUsageLine},
    };
    for (const auto& row : rows) {
        const CliRun run = RunCli(row.args);
        EXPECT_EQ(run.status, row.status) << "row " << row.line;
        EXPECT_EQ(run.out, "") << "row " << row.line;
        EXPECT_EQ(run.err, row.err) << "row " << row.line;
    }
}

}  // namespace
