// quillon-cli label over a codes file, standard input or a sequence: one whole PNG per code, the
// lines that cannot be made reported by number, and bad input refused without a half-written file.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RunCli.h"

namespace quillon {
namespace {

using testing::CliRun;
using testing::RunCli;

using BulkLabels = testing::CliFiles;
using testing::kLongText;

TEST_F(BulkLabels, OneFilePerCodeAndEachBadLineReported)
{
    Write("codes.txt", "6212236011840\n\n12a\r\n4006381333931\r\n  \t\n5901234123457\r");
    Write("code128.txt", "A/B C\n\x1B[31m\xFF\n");
    struct Row {
        int line;
        std::vector<std::string> args;
        std::string prologue;
        int status;
        std::string err;
        QStringList files;
    } rows[] = {
        // clang-format off
        // Blank lines are skipped but counted; CR LF ends like LF; the last line needs no line end, nor
        // the LF of its CR LF.
        {1, {"--codes", Path("codes.txt")}, "", 1, "quillon-cli: line 3: Barcode must be numeric\n", {"1-6212236011840.png", "4-4006381333931.png", "6-5901234123457.png"}},
        {2, {"-k", "Code128B", "--codes", "-"}, "printf 'A1\\nA2\\n' | ", 0, "", {"1-A1.png", "2-A2.png"}},
        // The width of FROM is kept with leading zeros.
        {3, {"-k", "Code128B", "--sequence", "0098..0102/2"}, "", 0, "", {"1-0098.png", "2-0100.png", "3-0102.png"}},
        {4, {"-k", "Code128B", "--sequence", "10..1/3"}, "", 0, "", {"1-10.png", "2-07.png", "3-04.png", "4-01.png"}},
        // Unsafe file-name characters become "_"; a binary line is shown escaped, not sent to the terminal.
        {5, {"-k", "Code128B", "--codes", Path("code128.txt")}, "", 1, "quillon-cli: line 2: TBarcode:Code128 bad Data <\\x1B[31m\\xFF>\n", {"1-A_B_C.png"}},
        // clang-format on
    };
    for (const Row& row : rows) {
        const std::string out = "out" + std::to_string(row.line);
        const CliRun run = RunCli(testing::Join({"label", "-o", Path(out)}, row.args), row.prologue);
        EXPECT_EQ(run.status, row.status) << "row " << row.line;
        EXPECT_EQ(testing::WithoutProgress(run.err), row.err) << "row " << row.line;
        EXPECT_EQ(Files(out), row.files) << "row " << row.line;
    }
    // Each file is the label command's own image of that code.
    ASSERT_EQ(RunCli({"label", "-o", Path("single.png"), "4006381333931"}).status, 0);
    EXPECT_EQ(Read("out1/4-4006381333931.png"), Read("single.png"));
}

TEST_F(BulkLabels, BadInputIsRefusedAndNothingIsHalfWritten)
{
    Write("nul.txt", QByteArray("6212236011840\n12\0"
                                "3\n",
                                18));
    Write("empty.txt", "\n \n");
    Write("huge.txt", QByteArray(10 * 1024 * 1024, '7') + "\n6212236011840\n");
    Write("long.txt", QByteArray::fromStdString(kLongText + "\n"));
    Write("file", "not a directory");
    struct Row {
        int line;
        std::vector<std::string> args;
        std::string prologue;
        std::string err;
        QStringList files;
    } rows[] = {
        // clang-format off
        {1, {"--codes", Path("missing.txt"), "-o", Path("out")}, "", "quillon-cli: cannot read '" + Path("missing.txt") + "': No such file or directory\n", {}},
        {2, {"--codes", Path("nul.txt"), "-o", Path("out")}, "", "quillon-cli: '" + Path("nul.txt") + "' is not a text file: line 2 holds a NUL byte\n", {}},
        {3, {"--codes", Path("empty.txt"), "-o", Path("out")}, "", "quillon-cli: '" + Path("empty.txt") + "' holds no codes\n", {}},
        // A 10 MB line is kept only as far as it shows to be too long; the next line is still made.
        {4, {"--codes", Path("huge.txt"), "-o", Path("out")}, "", "quillon-cli: line 1: row over 1 KiB (10485760 bytes)\n", {"2-6212236011840.png"}},
        {5, {"--sequence", "1..2", "-o", Path("file")}, "", "quillon-cli: cannot make the directory '" + Path("file") + "': Not a directory\n", {}},
        // A disk that takes only 512 bytes of a file (a file-size limit) ends the run, with the partial
        // file removed. The name keeps 64 bytes of the code.
        {6, {"-k", "Code128B", "--lower", kLongText, "--codes", Path("long.txt"), "-o", Path("out")}, testing::kFileSizeLimit,
         "quillon-cli: cannot write '" + Path("out") + "/1-Quillon_0123456789_ABCDEFGHIJKLMNOPQRSTUVWXYZ_abcdefghijklmnopqr.png': File too large\n", {}},
        // clang-format on
    };
    for (const Row& row : rows) {
        QDir(QString::fromStdString(Path("out"))).removeRecursively();
        const CliRun run = RunCli(testing::Join({"label"}, row.args), row.prologue);
        EXPECT_EQ(run.status, 1) << "row " << row.line;
        EXPECT_EQ(run.out, "") << "row " << row.line;
        EXPECT_EQ(testing::WithoutProgress(run.err), row.err) << "row " << row.line;
        EXPECT_EQ(Files("out"), row.files) << "row " << row.line;
    }
}

} // namespace
} // namespace quillon
