// quillon-cli sheet --design: a design makes the very sheet that its settings given as options make,
// the options given beside it override it, and a damaged design is refused at its line with no file written.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RunCli.h"
#include "tests/support/InkedPages.h"

namespace quillon {
namespace {

using testing::CliRun;
using testing::DotsApart;
using testing::InkedPages;
using testing::Join;
using testing::RunCli;

using DesignCommand = testing::CliFiles;

const std::string kHeader = "Quillon label design 1\n";
const std::string kShelf = kHeader + "kind = QRCode\ncode = https://example.org/a?b=1\nlayout = standard\n"
                                     "module_mm = 0.6\nstock = a4-3x7-63.5x38.1\nalign = top-left\n"
                                     "inset_mm = 2.0\norder = down\nstart = 4\n";

// Each design, with options beside it, writes the sheet that the options alone that say the same write.
TEST_F(DesignCommand, ADesignMakesTheSheetItsOptionsMake)
{
    struct Row {
        int No;
        std::string Design;
        std::vector<std::string> Beside;
        std::vector<std::string> Options;
    };
    Write("codes.txt", "111\n222\n333\n");
    const Row rows[] = {
        {1,
         kHeader + "code = 6212236011840\nupper_caption_on = 1\nupper_caption = Tea, 250 g\ncolumns = 2\n"
                   "rows = 5\nmargins_mm = 5,6,7,8\nspacing_mm = 3\nzoom = 2\nbar_color = #0000C0\n",
         {},
         {"-m", "2", "--upper", "Tea, 250 g", "--columns", "2", "--rows", "5", "--margins", "5,6,7,8",
          "--spacing", "3", "--bar-color", "0000C0", "6212236011840"}},
        {2,
         kShelf,
         {},
         {"-k", "QRCode", "--layout", "standard", "--x-dim", "0.6", "--stock", "a4-3x7-63.5x38.1", "--align",
          "top-left", "--inset", "2", "--order", "down", "--skip", "3", "https://example.org/a?b=1"}},
        // The grid's options replace the stock and its placing; a TEXT replaces the code.
        {3,
         kShelf,
         {"--columns", "2", "--rows", "2", "other"},
         {"-k", "QRCode", "--layout", "standard", "--x-dim", "0.6", "--columns", "2", "--rows", "2",
          "--order", "down", "--skip", "3", "other"}},
        // A serial run takes the kind's check digit, as the window's does.
        {4,
         kHeader +
             "kind = CodeEAN8\nsource = serial\nserial_start = 1234560\nserial_step = 3\nserial_count = 4\n"
             "columns = 2\nrows = 2\n",
         {},
         {"-k", "CodeEAN8", "--checksum", "--sequence", "1234560..1234569/3", "--columns", "2", "--rows",
          "2"}},
        // A list the window had pasted is carried in the design.
        {5,
         kHeader + "kind = Code39\nsource = list\nlist_text = 111\\n222\\n333\\n\nrows = 2\n",
         {},
         {"-k", "Code39", "--codes", Path("codes.txt"), "--rows", "2"}},
        {6,
         kHeader + "kind = Code39\nsource = list\nlist_file = codes.txt\nrows = 2\n",
         {"--order", "down"},
         {"-k", "Code39", "--codes", Path("codes.txt"), "--rows", "2", "--order", "down"}},
        {7,
         kHeader + "code = 6212236011840\nmark = 0\nfooter = 0\n",
         {},
         {"--no-mark", "--no-footer", "6212236011840"}},
    };
    for (const Row& row : rows) {
        Write("design.qld", QByteArray::fromStdString(row.Design));
        const CliRun designed =
            RunCli(Join({"sheet", "--no-verify", "--design", Path("design.qld"), "-o", Path("designed.pdf")},
                        row.Beside));
        const CliRun given = RunCli(Join({"sheet", "--no-verify", "-o", Path("given.pdf")}, row.Options));
        EXPECT_EQ(designed.status, 0) << "row " << row.No << ": " << designed.err;
        EXPECT_EQ(given.status, 0) << "row " << row.No << ": " << given.err;
        EXPECT_EQ(designed.err, given.err) << "row " << row.No;
        EXPECT_FALSE(Read("given.pdf").isEmpty()) << "row " << row.No;
        const std::vector<QImage> designedPages = InkedPages(Read("designed.pdf"));
        EXPECT_FALSE(designedPages.empty()) << "row " << row.No;
        const int apart = DotsApart(designedPages, InkedPages(Read("given.pdf")));
        EXPECT_EQ(apart, 0) << "row " << row.No << ": " << apart << " dots apart";
    }
}

// The maker's mark and the sheet's footer are switches: each takes its own ink away, and a stock, which
// has no footer, is the same sheet either way.
TEST_F(DesignCommand, TheMakersMarksAreSwitches)
{
    struct Row {
        int No;
        std::vector<std::string> First, Second;
        bool Differ;
    } const rows[] = {
        {1, {}, {"--no-mark"}, true},
        {2, {"--no-mark"}, {"--no-mark", "--no-footer"}, true},
        {3, {"--stock", "a4-3x7-63.5x38.1"}, {"--stock", "a4-3x7-63.5x38.1", "--no-footer"}, false},
    };
    for (const Row& row : rows) {
        const auto pages = [this](const std::vector<std::string>& options) {
            const CliRun run =
                RunCli(Join(Join({"sheet", "--no-verify", "-o", Path("s.pdf")}, options), {"6212236011840"}));
            EXPECT_EQ(run.status, 0) << run.err;
            return InkedPages(Read("s.pdf"));
        };
        EXPECT_EQ(DotsApart(pages(row.First), pages(row.Second)) > 0, row.Differ) << "row " << row.No;
    }
}

// Refused at its line, exit status 1, nothing written; a kind or stock this build lacks is a note.
TEST_F(DesignCommand, ADamagedDesignIsRefusedAtItsLineAndWritesNothing)
{
    struct Row {
        int No;
        std::string Design;
        int Status;
        std::string Err; // with DESIGN for the design's path
    };
    const Row rows[] = {
        {1, kHeader + "code = 1\nzoom = 12\n", 1, "quillon-cli: DESIGN:3: zoom takes 1..10, not '12'\n"},
        {2, "[label]\ncode=1\n", 1,
         "quillon-cli: DESIGN:1: not a label design: the first line should read \"Quillon label design "
         "1\"\n"},
        {3, kHeader + "source = list\n", 1,
         "quillon-cli: DESIGN: the list is empty: neither list_file nor list_text holds one\n"},
        {4,
         kHeader + "source = serial\nserial_start = 999999999999999990\nserial_step = 5\nserial_count = 9\n",
         1, "quillon-cli: DESIGN: the serial run: "},
        {5, kHeader + "kind = HanXin\nstock = a4-9x9-1x1\ncode = 6212236011840\n", 0,
         "quillon-cli: DESIGN:2: kind HanXin is not one this build makes: CodeEAN13 instead\n"
         "quillon-cli: DESIGN:3: label stock a4-9x9-1x1 is not one this build knows: the sheet is laid out "
         "by "
         "its margins\n"},
    };
    for (const Row& row : rows) {
        QFile::remove(QString::fromStdString(Path("out.pdf")));
        Write("design.qld", QByteArray::fromStdString(row.Design));
        const CliRun run =
            RunCli({"sheet", "--no-verify", "--design", Path("design.qld"), "-o", Path("out.pdf")});
        std::string err = row.Err;
        for (std::size_t at = err.find("DESIGN"); at != std::string::npos; at = err.find("DESIGN"))
            err.replace(at, 6, Path("design.qld"));
        EXPECT_EQ(run.status, row.Status) << "row " << row.No;
        EXPECT_EQ(run.err.substr(0, err.size()), err) << "row " << row.No;
        EXPECT_EQ(QFile::exists(QString::fromStdString(Path("out.pdf"))), row.Status == 0)
            << "row " << row.No;
    }
    const CliRun missing = RunCli({"sheet", "--design", Path("none.qld"), "-o", Path("out.pdf")});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find(Path("none.qld")), std::string::npos) << missing.err;
}

} // namespace
} // namespace quillon
