// quillon-cli gs1: GS1 data checked as a script would check it, and the GS1 kinds taking what it takes.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "tests/cli/RunCli.h"

namespace quillon {
namespace {

using testing::CliRun;
using testing::RunCli;

struct TRow {
    std::vector<std::string> Args;
    int Status = 0;
    std::string Out;
    std::string Err;
};

TEST(Gs1Command, PrintsEachAiWithItsTitleOrEveryFault)
{
    const std::string gtin = "(01)09501101530003";
    const std::string usage = "usage: quillon-cli gs1 DATA\n";
    const TRow rows[] = {
        {{"gs1", gtin + "(17)250101(10)ABC123"},
         0,
         "01\tGTIN\t09501101530003\n17\tUSE BY or EXPIRY\t250101\n10\tBATCH/LOT\tABC123\n",
         ""},
        {{"gs1", gtin + "(10)A\\(1)(10)A\\(1)(7003)2502281230"},
         0,
         "01\tGTIN\t09501101530003\n10\tBATCH/LOT\tA(1)\n7003\tEXPIRY TIME\t2502281230\n",
         ""},
        {{"gs1", "(10)ABC(17)250230"},
         1,
         "",
         "(17): 250230 is not a date: there is no 30 February\n"
         "(10) needs one of (01), (02), (03), (8006), (8026)\n"
         "(17) needs one of (01), (02), (03), (255), (8006), (8026)\n"},
        {{"gs1", gtin + "(02)09501101530003"},
         1,
         "",
         "(01) and (02) cannot stand together\n(02) needs (37)\n"},
        {{"gs1", "(12345)1"}, 1, "", "An AI in brackets is 2 to 4 digits, such as (01), not \"(12345)\"\n"},
        {{"gs1", gtin + "(10)AB\x1b"}, 1, "", "(10): the character 27 is not in the GS1 character set\n"},
        {{"gs1"}, 2, "", "quillon-cli: gs1 takes exactly one TEXT\n" + usage},
    };
    for (int line = 1; const TRow& row : rows) {
        const CliRun run = RunCli(row.Args);
        EXPECT_EQ(std::tuple(run.status, run.out, run.err), std::tuple(row.Status, row.Out, row.Err))
            << "row " << line;
        ++line;
    }
}

TEST(Gs1Command, TheGs1KindsCarryEscapedBracketsAndNewerAis)
{
    const std::string data = "(01)09501101530003(10)A\\(1)(7003)2502281230(8200)https://example.org/p";
    const std::string shortest = "(01)09501101530003(10)A\\(1)(7003)2502281230"; // GS1-128: 48 at most
    for (const auto& [kind, typed] :
         {std::pair("GS1_128", shortest), std::pair("GS1_DataMatrix", data), std::pair("GS1_QRCode", data)}) {
        const CliRun run = RunCli({"verify", "-k", kind, "-m", "3", typed});
        EXPECT_EQ(run.status, 0) << kind << ": " << run.err;
        EXPECT_EQ(run.out.substr(0, run.out.find('\n')), typed) << kind;
    }
    // DataBar Expanded holds less; its decoder writes the brackets itself, a value's "(" bare.
    const std::string shorter = "(01)09501101530003(10)A\\(1)";
    const CliRun expanded = RunCli({"verify", "-k", "DataBarExpanded", "-m", "3", shorter});
    EXPECT_EQ(std::tuple(expanded.status, expanded.out.substr(0, expanded.out.find('\n'))),
              std::tuple(0, shorter))
        << expanded.err;
    const CliRun refused = RunCli({"verify", "-k", "GS1_128", "(10)ABC"});
    EXPECT_EQ(std::tuple(refused.status, refused.err),
              std::tuple(1, std::string("(10) needs one of (01), (02), (03), (8006), (8026)\n")));
}

} // namespace
} // namespace quillon
