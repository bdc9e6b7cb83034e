// quillon-cli sheet: the PDF has the pages and cells of the report's page flow, and a failed run
// leaves no file behind.
#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QStandardPaths>
#include <algorithm>
#include <string>
#include <vector>

#include "RunCli.h"
#include "tests/support/PatternDecoder.h"

namespace quillon {
namespace {

using testing::CliRun;
using testing::RunCli;

const std::string kCode = "6212236011840"; // the window's designed EAN-13 code
constexpr int kRenderDpi = 50;

using SheetCommand = testing::CliFiles;

bool HavePoppler()
{
    return !QStandardPaths::findExecutable("pdfinfo").isEmpty() &&
           !QStandardPaths::findExecutable("pdftoppm").isEmpty();
}

QString Poppler(const QString& program, const QStringList& args)
{
    QProcess process;
    process.start(program, args);
    process.waitForFinished(-1);
    return QString::fromUtf8(process.readAllStandardOutput());
}

int PageCount(const std::string& pdf)
{
    const auto pages =
        QRegularExpression("Pages: +([0-9]+)").match(Poppler("pdfinfo", {QString::fromStdString(pdf)}));
    return pages.hasMatch() ? pages.captured(1).toInt() : -1;
}

QImage RenderPage(const std::string& pdf, int page, int dpi = kRenderDpi)
{
    const QString base = QString::fromStdString(pdf) + "-page";
    const QString number = QString::number(page);
    Poppler("pdftoppm", {"-gray", "-r", QString::number(dpi), "-f", number, "-l", number, "-singlefile",
                         QString::fromStdString(pdf), base});
    return QImage(base + ".pgm");
}

// A rectangle given in millimetres from the top-left corner of a page rendered at `dpi`.
QImage Crop(const QImage& page, const QRectF& mm, int dpi)
{
    const auto px = [dpi](double v) { return static_cast<int>(v * dpi / 25.4); };
    return page.copy(px(mm.left()), px(mm.top()), px(mm.width()), px(mm.height()));
}

// What a decoder reads in a rectangle.
std::string ReadIn(const QImage& page, const QRectF& mm, int dpi)
{
    const auto decoded = testing::DecodeImage(testing::Grey(Crop(page, mm, dpi)));
    return decoded ? decoded->text : "(nothing)";
}

// The darkest grey level inside a rectangle; 256 for none.
int DarkestIn(const QImage& page, const QRectF& mm)
{
    const std::vector<std::uint8_t> pixels = testing::Grey(Crop(page, mm, kRenderDpi)).pixels;
    return pixels.empty() ? 256 : *std::min_element(pixels.begin(), pixels.end());
}

TEST_F(SheetCommand, PagesAndCellsFollowThePageFlow)
{
    if (!HavePoppler())
        GTEST_SKIP() << "pdfinfo and pdftoppm (poppler-utils) are not installed";
    // Cells in mm, inset 1 mm. 4 x 20 at the initial margins: 46 mm columns 2 mm apart from x = 10,
    // rows 13.5 mm apart from y = 10, all 80 on one page. 2 x 16: 94 mm columns, rows 16.5 mm apart,
    // sixteen cells in each column of one page. Margins of 50 mm top and bottom: rows 11.8 mm apart.
    struct Row {
        int line;
        std::vector<std::string> args;
        int pages, page;
        QRectF cellMm;
        bool ink;
    } rows[] = {
        {1, {"--columns", "4", "--rows", "20"}, 1, 1, {11, 11, 44, 11.5}, true},     // first cell
        {2, {"--columns", "4", "--rows", "20"}, 1, 1, {155, 267.5, 44, 11.5}, true}, // last cell
        {3, {"--columns", "2", "--rows", "16"}, 1, 1, {107, 258.5, 92, 14.5}, true}, // 16th of column 2
        {4, {"--columns", "2", "--rows", "16"}, 1, 1, {11, 258.5, 92, 14.5}, true},  // 16th of column 1
        {5, {"--columns", "2", "--rows", "16"}, 1, 1, {11, 275, 92, 7}, false},      // no 17th cell
        {6,
         {"--columns", "2", "--rows", "16", "--margins", "50,10,50,10"},
         1,
         1,
         {11, 228, 92, 9.8},
         true}, // 16th of column 1
    };
    const std::string pdf = Path("sheet.pdf");
    for (const Row& row : rows) {
        const CliRun run = RunCli(testing::Join(testing::Join({"sheet", "-o", pdf}, row.args), {kCode}));
        ASSERT_EQ(run.status, 0) << "row " << row.line << ": " << run.err;
        EXPECT_EQ(run.out + run.err, "") << "row " << row.line;
        EXPECT_EQ(PageCount(pdf), row.pages) << "row " << row.line;
        const int darkest = DarkestIn(RenderPage(pdf, row.page), row.cellMm);
        EXPECT_TRUE(row.ink ? darkest < 128 : darkest == 255)
            << "row " << row.line << ": darkest " << darkest;
    }
}

// Successive codes fill each column from the top, then the next column, then the next page; a code
// that cannot be made takes no cell.
TEST_F(SheetCommand, CodesFillTheCellsInPageFlowOrder)
{
    if (!HavePoppler())
        GTEST_SKIP() << "pdfinfo and pdftoppm (poppler-utils) are not installed";
    Write("codes.txt", "C01\nC02\nC03\nbad\x80\nC04\nC05\nC06\nC07\nC08\n");
    const std::string pdf = Path("coded.pdf");
    const CliRun run = RunCli({"sheet", "-k", "Code128B", "--columns", "2", "--rows", "3", "--codes",
                               Path("codes.txt"), "-o", pdf});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(testing::WithoutProgress(run.err),
              "quillon-cli: line 4: TBarcode:Code128 bad Data <bad\\x80>\n");
    ASSERT_EQ(PageCount(pdf), 2); // 6 cells a page for 8 codes
    // Cells of 2 x 3 at the initial margins: columns at x = 10 and 106 mm, rows 154 design pixels
    // (90.55 mm) apart from y = 10 mm; each crop takes the label at the cell's corner with white around it.
    constexpr int kDpi = 300;
    const auto cell = [](int column, int row) { return QRectF(5 + 96 * column, 8 + 90.55 * row, 70, 48); };
    struct Row {
        int line, page;
        QRectF mm;
        std::string text;
    } rows[] = {
        {1, 1, cell(0, 0), "C01"},       {2, 1, cell(0, 2), "C03"},       {3, 1, cell(1, 0), "C04"},
        {4, 1, cell(1, 2), "C06"},       {5, 2, cell(0, 0), "C07"},       {6, 2, cell(0, 1), "C08"},
        {7, 2, cell(0, 2), "(nothing)"}, {8, 2, cell(1, 0), "(nothing)"},
    };
    const QImage pages[] = {RenderPage(pdf, 1, kDpi), RenderPage(pdf, 2, kDpi)};
    for (const Row& row : rows)
        EXPECT_EQ(ReadIn(pages[row.page - 1], row.mm, kDpi), row.text) << "row " << row.line;
}

TEST_F(SheetCommand, FailuresLeaveNoFileBehind)
{
    const std::string existing = Path("existing.pdf");
    Write("existing.pdf", "old");
    testing::ExpectFailures({
        {1,
         {"sheet", "-o", "/nonexistent-dir/x.pdf", kCode},
         1,
         "quillon-cli: cannot write '/nonexistent-dir/x.pdf': No such file or directory\n"},
        {2, {"sheet", "-o", existing, "12a"}, 1, "Barcode must be numeric\n"},
        {3,
         {"sheet", "-o", "x.png", kCode},
         2,
         "quillon-cli: -o FILE must end in .pdf, not 'x.png'\n" + testing::kSheetUsage},
    });
    EXPECT_EQ(Read("existing.pdf"), "old");
    EXPECT_EQ(Files(), QStringList{"existing.pdf"}); // no scratch files
}

// A disk that takes only part of a file (here a 512-byte file-size limit) must fail the command and
// keep the old file, not replace it with a cut-short one.
TEST_F(SheetCommand, CutShortWritesKeepTheOldFile)
{
    struct Row {
        int line;
        const char* file;
        std::vector<std::string> args;
    } rows[] = {
        // The PNG is about 850 bytes, by the zlib at hand.
        {1, "old.png", {"label", "-k", "Code128B", "--lower", testing::kLongText, testing::kLongText}},
        {2, "old.pdf", {"sheet", "--columns", "4", "--rows", "20", kCode}},
    };
    for (Row& row : rows) {
        const std::string target = Path(row.file);
        Write(row.file, "old");
        row.args.insert(row.args.begin() + 1, {"-o", target});
        const CliRun run = RunCli(row.args, testing::kFileSizeLimit);
        EXPECT_EQ(run.status, 1) << "row " << row.line;
        EXPECT_EQ(run.err, "quillon-cli: cannot write '" + target + "': File too large\n")
            << "row " << row.line;
        EXPECT_EQ(Read(row.file), "old") << "row " << row.line;
    }
    EXPECT_EQ(Files(), (QStringList{"old.pdf", "old.png"}));
}

} // namespace
} // namespace quillon
