// quillon-cli sheet over lists and sequences: a CSV list's captions and copies in the right cells of
// the right pages, the sequence's prefix, suffix, padding and copies, bad rows and bad options told by
// their line or their option, and a run that fails or is interrupted leaves no file behind.
#include <gtest/gtest.h>

#include <QHashSeed>
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "RunCli.h"
#include "cli/CliOptions.h"
#include "cli/Commands.h"
#include "cli/SheetCommands.h"
#include "tests/support/PatternDecoder.h"
#include "tests/support/PdfRaster.h"
#include "tests/support/PlacedCells.h"

namespace quillon {
namespace {

using testing::CliRun;
using testing::RunCli;
using BulkSheet = testing::CliFiles;

using PageCells = std::vector<std::string>; // what each cell of a page shows, in page-flow order

// The cell frames of one page in page-flow order, in millimetres.
std::vector<QRectF> CellFrames(std::vector<std::string> args)
{
    args.insert(args.end(), {"-o", "x.pdf", "1"});
    const cli::CliOptions options = cli::ParseCommandLine(args);
    const int cells = SheetCellCount(cli::SheetSettingsFrom(options));
    std::vector<QRectF> frames;
    for (const testing::TPlacedCell& cell : testing::CellsOf(cli::PrepareSheetFor(options, cells).Pages[0]))
        frames.emplace_back(cell.Frame.Left / 10, cell.Frame.Top / 10, cell.Frame.Width / 10,
                            cell.Frame.Height / 10);
    return frames;
}

// The words that pdftotext finds in each cell whose whole matches `kept`, joined by spaces.
std::vector<PageCells> CellWords(const std::string& pdf, const std::vector<QRectF>& frames,
                                 const QRegularExpression& kept)
{
    QProcess text;
    text.start("pdftotext", {"-bbox", QString::fromStdString(pdf), "-"});
    text.waitForFinished();
    const QString boxes = QString::fromUtf8(text.readAllStandardOutput());
    static const QRegularExpression word(
        R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)<)re");
    std::vector<PageCells> pages;
    for (const QRegularExpressionMatch& m : word.globalMatch(boxes)) {
        if (m.captured(5).isNull()) {
            pages.emplace_back(frames.size());
            continue;
        }
        const QPointF centre((m.captured(1).toDouble() + m.captured(3).toDouble()) / 2 * 25.4 / 72,
                             (m.captured(2).toDouble() + m.captured(4).toDouble()) / 2 * 25.4 / 72);
        for (std::size_t cell = 0; cell < frames.size(); ++cell)
            if (frames[cell].contains(centre) && kept.match(m.captured(5)).hasMatch())
                pages.back()[cell] += (pages.back()[cell].empty() ? "" : " ") + m.captured(5).toStdString();
    }
    return pages;
}

// What a decoder reads in each cell of each page of the PDF, rendered at 200 dpi, with the paper around
// the cell's frame (3 mm to the left, where the classic label's quiet zone lies).
std::vector<PageCells> CellCodes(const std::string& pdf, const std::vector<QRectF>& frames)
{
    constexpr int kDpi = 200;
    std::vector<PageCells> read;
    for (const QImage& page : testing::RenderPdf(QString::fromStdString(pdf), kDpi)) {
        read.emplace_back();
        for (const QRectF& frame : frames) {
            const QRectF mm = frame.adjusted(-3, -1, 1, 1);
            const auto px = [](double v) { return static_cast<int>(v * kDpi / 25.4); };
            const QImage crop = page.copy(px(mm.left()), px(mm.top()), px(mm.width()), px(mm.height()));
            const auto decoded = testing::DecodeImage(testing::ToGrey(crop));
            read.back().push_back(decoded ? decoded->text : "");
        }
    }
    return read;
}

// Rows fill the cells in page-flow order from the first after --skip, each as many times as its copies,
// each with its own captions: its fields override --upper, and an empty one leaves it off. A quoted
// field keeps its separator. Bad rows are told by their line and take no cell.
TEST_F(BulkSheet, ListRowsFillTheirCellsWithTheirCaptionsAndCopies)
{
    if (!testing::HavePdftoppm())
        GTEST_SKIP() << "poppler-utils is not installed";
    Write("list.csv", "code;upper;lower;copies\r\nA1;UA;LA;2\r\n\"B;2\";UB;;3\r\nC3;;LC;1\r\n"
                      "bad\x80;UX;LX;1\r\nD4;UD;LD;x\r\nE5;UE;LE;\r\n");
    // Down the columns, the order the frames come in (across the rows: RowsFillAcrossAndPrintAsTyped).
    const std::vector<std::string> grid{"sheet",  "-k", "Code128B", "--columns", "2",
                                        "--rows", "2",  "--order",  "down"};
    const std::string pdf = Path("list.pdf");
    const CliRun run =
        RunCli(testing::Join(grid, {"--skip", "1", "--upper", "UZ", "--codes", Path("list.csv"), "-o", pdf}));
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(testing::WithoutProgress(run.err),
              "quillon-cli: line 5: TBarcode:Code128 bad Data <bad\\x80>\n"
              "quillon-cli: line 6: copies must be a whole number from 1 to 10000, not 'x'\n");
    const std::vector<QRectF> frames = CellFrames(grid);
    const std::vector<PageCells> captions{{"", "UA LA", "UA LA", "UB"}, {"UB", "UB", "LC", "UE LE"}};
    EXPECT_EQ(CellWords(pdf, frames, QRegularExpression("^[UL][A-Z]$")), captions);
    const std::vector<PageCells> codes{{"", "A1", "A1", "B;2"}, {"B;2", "B;2", "C3", "E5"}};
    EXPECT_EQ(CellCodes(pdf, frames), codes);
}

// What is typed is what prints, in the order people count: full UPC-E codes print as typed, from label 5
// of a 3 x 7 stock on, leaving its first row and the first cell of its second empty (read back from the
// PDF); a row that prints another number is told by its line and fails the run unless accepted.
TEST_F(BulkSheet, RowsFillAcrossAndPrintAsTyped)
{
    if (!testing::HavePdftoppm())
        GTEST_SKIP() << "poppler-utils is not installed";
    Write("upce.txt", "01234565\n04252614\n");
    const std::vector<std::string> stock{"sheet", "--stock", "a4-3x7-63.5x38.1"};
    const std::string pdf = Path("upce.pdf");
    const CliRun run = RunCli(testing::Join(
        stock, {"-k", "CodeUPC_E0", "-m", "2", "--skip", "4", "--codes", Path("upce.txt"), "-o", pdf}));
    EXPECT_EQ(std::pair(run.status, testing::WithoutProgress(run.err)), std::pair(0, std::string()));
    // The frames come down the columns: cell 7 * column + row.
    PageCells expected(21);
    expected[7 * 1 + 1] = "01234565";
    expected[7 * 2 + 1] = "04252614";
    EXPECT_EQ(CellCodes(pdf, CellFrames(stock)), std::vector<PageCells>{expected});

    // A 12-digit EAN-13 without the check digit switch: a 0 in front, read as another UPC-A number.
    Write("ean.txt", "5901234123457\n590123400004\n");
    const std::vector<std::string> list{"sheet", "--codes", Path("ean.txt"), "-o", Path("ean.pdf")};
    const CliRun told = RunCli(list);
    EXPECT_EQ(told.status, 1);
    EXPECT_EQ(testing::WithoutProgress(told.err),
              "quillon-cli: line 2: prints 0590123400004, not 590123400004 as typed: the kind takes more "
              "digits, so zeros were put in front\n");
    const CliRun accepted = RunCli(testing::Join(list, {"--accept-changes"}));
    EXPECT_EQ(std::pair(accepted.status, testing::WithoutProgress(accepted.err)),
              std::pair(0, std::string()));
}

// A sequence's codes are the prefix, the number with --pad digits and the suffix, counting down when
// TO is below FROM; --copies repeats each in the next cells.
TEST_F(BulkSheet, SequencesTakeTheirPrefixSuffixPaddingAndCopies)
{
    if (!testing::HavePdftoppm())
        GTEST_SKIP() << "poppler-utils is not installed";
    // Down the columns, the order CellFrames gives the frames in.
    const std::vector<std::string> grid{"sheet",  "-k", "Code128B", "--columns", "2",
                                        "--rows", "2",  "--order",  "down"};
    struct Row {
        int line;
        std::vector<std::string> args;
        std::vector<PageCells> cells;
    } rows[] = {
        {1,
         {"--sequence", "8..10", "--prefix", "SN-", "--suffix", "/X", "--pad", "4"},
         {{"SN-0008/X", "SN-0009/X", "SN-0010/X", ""}}},
        {2, {"--sequence", "3..1", "--copies", "2"}, {{"3", "3", "2", "2"}, {"1", "1", "", ""}}},
    };
    for (const Row& row : rows) {
        const std::string pdf = Path(std::to_string(row.line) + ".pdf");
        const CliRun run = RunCli(testing::Join(testing::Join(grid, row.args), {"-o", pdf}));
        EXPECT_EQ(run.status, 0) << "row " << row.line << ": " << run.err;
        EXPECT_EQ(CellWords(pdf, CellFrames(grid), QRegularExpression("^(SN-.*|\\d)$")), row.cells)
            << "row " << row.line;
    }
}

// Qt gathers a line's glyph runs in a hash whose order changes from process to process: the footer,
// Latin and Arabic, must still be written the same.
TEST_F(BulkSheet, TheSameSheetIsTheSameBytesEveryRun)
{
    std::set<std::string> written;
    for (int run = 0; run < 4; ++run) {
        QHashSeed::resetRandomGlobalSeed();
        const std::string pdf = Path(std::to_string(run) + ".pdf");
        ASSERT_EQ(RunCli({"sheet", "-k", "Code128B", "--sequence", "1..30", "--columns", "3", "--rows", "7",
                          "--no-verify", "-o", pdf})
                      .status,
                  0);
        std::ifstream in(pdf, std::ios::binary);
        written.insert(std::string(std::istreambuf_iterator<char>(in), {}));
    }
    EXPECT_EQ(written.size(), 1U);
}

TEST_F(BulkSheet, BadOptionsAreNamedAndWriteNothing)
{
    Write("many.csv", "code,copies\n" + QByteArray("1,10000\n").repeated(101));
    const std::string pdf = Path("bad.pdf");
    const auto sheet = [&](std::vector<std::string> args) {
        return testing::Join({"sheet", "-o", pdf}, args);
    };
    const std::string usage = testing::kSheetUsage;
    // clang-format off
    testing::ExpectFailures({
        {1, sheet({"--sequence", "1..1000", "--pad", "3"}), 2, "quillon-cli: --pad 3 is too narrow for 1000, the largest number of the sequence\n" + usage},
        {2, sheet({"--sequence", "1..5", "--pad", "19"}), 2, "quillon-cli: --pad takes a whole number from 1 to 18, not '19'\n" + usage},
        {3, sheet({"--sequence", "1..5", "--copies", "0"}), 2, "quillon-cli: --copies takes a whole number from 1 to 10000, not '0'\n" + usage},
        {4, sheet({"--sequence", "1..600000", "--copies", "2"}), 2, "quillon-cli: --sequence with --copies 2 makes 1200000 labels, more than the 1000000 of one run\n" + usage},
        {5, sheet({"--codes", Path("many.csv"), "--prefix", "A"}), 2, "quillon-cli: --prefix is for --sequence\n" + usage},
        {6, sheet({"--copies", "2", "6212236011840"}), 2, "quillon-cli: --copies is for --codes and --sequence: a sheet of one TEXT has it in every cell\n" + usage},
        {7, {"label", "--copies", "2", "--sequence", "1..2", "-o", Path("d")}, 2, "quillon-cli: --copies is not an option of label\n" + testing::kLabelUsage},
        // EAN-13 takes the twelve digits alone, not the letter before them.
        {8, sheet({"--sequence", "200000000000..200000000009", "--prefix", "A"}), 2, "quillon-cli: --prefix 'A' makes codes that CodeEAN13 cannot encode ('A200000000000': Barcode must be numeric)\n" + usage},
        {9, sheet({"--codes", Path("many.csv")}), 1, "quillon-cli: '" + Path("many.csv") + "' asks for 1010000 labels with the copies, more than the 1000000 of one run\n"},
    });
    // clang-format on
    EXPECT_EQ(Files(), QStringList{"many.csv"});
}

// A disk that takes only part of the PDF, or SIGINT midway, leaves the old file as it was and no
// temporary file beside it.
TEST_F(BulkSheet, AFailedOrInterruptedRunLeavesTheOldFile)
{
    const std::string pdf = Path("old.pdf");
    const std::vector<std::string> args{
        "sheet", "--sequence", "200000000000..200000099999", "--checksum", "--no-verify", "-o", pdf};
    struct Row {
        int line;
        std::string prologue;
        int status;
        std::string err;
    } rows[] = {
        {1, testing::kFileSizeLimit, 1, "quillon-cli: cannot write '" + pdf + "': File too large\n"},
        {2, "(sleep 2; kill -INT $$) >/dev/null 2>&1 & exec ", 130, "quillon-cli: interrupted (SIGINT)\n"},
    };
    for (const Row& row : rows) {
        Write("old.pdf", "old");
        const CliRun run = RunCli(args, row.prologue);
        EXPECT_EQ(run.status, row.status) << "row " << row.line;
        EXPECT_EQ(testing::WithoutProgress(run.err), row.err) << "row " << row.line;
        EXPECT_EQ(Files(), QStringList{"old.pdf"}) << "row " << row.line;
        EXPECT_EQ(Read("old.pdf"), "old") << "row " << row.line;
    }
}

} // namespace
} // namespace quillon
