// quillon-cli sheet: the PDF has the pages and cells of the report's page flow, and a failed run
// leaves no file behind.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRectF>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <regex>
#include <string>
#include <vector>

#include "RunCli.h"
#include "tests/support/PatternDecoder.h"

namespace quillon {
namespace {

using testing::CliRun;
using testing::RunCli;

const std::string kUsageLine =
    "usage: quillon-cli sheet [options] -o FILE.pdf TEXT\n"
    "       quillon-cli sheet [options] -o FILE.pdf --codes FILE|--sequence FROM..TO[/STEP]\n";
const std::string kCode = "6212236011840"; // the window's designed EAN-13 code
// A label of this as Code 128 B with it as the lower caption makes a PNG of over 512 bytes.
const std::string kLongText = "Quillon 0123456789 ABCDEFGHIJKLMNOPQRSTUVWXYZ abcdefghijklmnopqrstuvwxyz";
constexpr int kRenderDpi = 50;

class SheetCommand : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    static bool HavePoppler()
    {
        return !QStandardPaths::findExecutable("pdfinfo").isEmpty() &&
               !QStandardPaths::findExecutable("pdftoppm").isEmpty();
    }

    std::string Path(const char* name) const { return dir.filePath(name).toStdString(); }

    QTemporaryDir dir;
};

void WriteFile(const std::string& path, const QByteArray& bytes)
{
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray ReadFile(const std::string& path)
{
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
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
    const QString info = Poppler("pdfinfo", {QString::fromStdString(pdf)});
    for (const QString& line : info.split('\n'))
        if (line.startsWith("Pages:"))
            return line.mid(6).trimmed().toInt();
    return -1;
}

QImage RenderPage(const std::string& pdf, int page, int dpi = kRenderDpi)
{
    const QString base = QString::fromStdString(pdf) + "-page";
    const QString number = QString::number(page);
    Poppler("pdftoppm", {"-gray", "-r", QString::number(dpi), "-f", number, "-l", number,
                         "-singlefile", QString::fromStdString(pdf), base});
    return QImage(base + ".pgm");
}

// What a decoder reads in a rectangle given in millimetres of a page rendered at `dpi`.
std::string ReadIn(const QImage& page, const QRectF& mm, int dpi)
{
    const auto px = [dpi](double v) { return static_cast<int>(v * dpi / 25.4); };
    const QImage cell = page.copy(px(mm.left()), px(mm.top()), px(mm.width()), px(mm.height()))
                            .convertToFormat(QImage::Format_Grayscale8);
    testing::GreyImage grey{.width = cell.width(), .height = cell.height(), .pixels = {}};
    for (int y = 0; y < cell.height(); ++y)
        grey.pixels.insert(grey.pixels.end(), cell.constScanLine(y), cell.constScanLine(y) + cell.width());
    const auto decoded = testing::DecodeImage(grey);
    return decoded ? decoded->text : "(nothing)";
}

// The darkest grey level inside a rectangle given in millimetres from the paper's top-left corner.
int DarkestIn(const QImage& page, const QRectF& mm)
{
    const auto px = [](double v) { return static_cast<int>(v * kRenderDpi / 25.4); };
    int darkest = 255;
    for (int y = px(mm.top()); y <= px(mm.bottom()) && y < page.height(); ++y)
        for (int x = px(mm.left()); x <= px(mm.right()) && x < page.width(); ++x)
            darkest = std::min(darkest, qGray(page.pixel(x, y)));
    return darkest;
}

TEST_F(SheetCommand, PagesAndCellsFollowThePageFlow)
{
    if (!HavePoppler())
        GTEST_SKIP() << "pdfinfo and pdftoppm (poppler-utils) are not installed";
    // Cells in mm, inset 1 mm. 4 x 20 at the initial margins: 46 mm columns 2 mm apart from x = 10,
    // rows 13.5 mm apart from y = 10, all 80 on one page. 2 x 16: 94 mm columns, rows 17.1 mm apart;
    // 16 rows leave room for 15 cells a column, so page 1 holds 30 labels and page 2 the last 2.
    // Margins of 50 mm top and bottom: rows 11.8 mm apart and all 16 fit.
    const std::vector<std::string> full{"--columns", "4", "--rows", "20"};
    const std::vector<std::string> sixteen{"--columns", "2", "--rows", "16"};
    const std::vector<std::string> tall{"--columns", "2", "--rows", "16", "--margins", "50,10,50,10"};
    struct Row {
        int line;
        std::vector<std::string> args;
        int pages;
        int page;
        QRectF cellMm;
        bool ink;
    } rows[] = {
        {1, full, 1, 1, {11, 11, 44, 11.5}, true},        // first cell
        {2, full, 1, 1, {155, 267.5, 44, 11.5}, true},    // last cell
        {3, sixteen, 2, 1, {107, 250.4, 92, 15.1}, true}, // 15th of column 2
        {4, sixteen, 2, 1, {11, 267.5, 92, 15.1}, false}, // no 16th cell
        {5, sixteen, 2, 2, {11, 28.1, 92, 15.1}, true},   // the 32nd label
        {6, sixteen, 2, 2, {107, 11, 92, 15.1}, false},   // column 2 empty
        {7, tall, 1, 1, {11, 228, 92, 9.8}, true},        // 16th of column 1
    };
    const std::string pdf = Path("sheet.pdf");
    for (const Row& row : rows) {
        std::vector<std::string> args{"sheet", "-o", pdf};
        args.insert(args.end(), row.args.begin(), row.args.end());
        args.push_back(kCode);
        const CliRun run = RunCli(args);
        ASSERT_EQ(run.status, 0) << "row " << row.line << ": " << run.err;
        EXPECT_EQ(run.out + run.err, "") << "row " << row.line;
        EXPECT_EQ(PageCount(pdf), row.pages) << "row " << row.line;
        const QImage page = RenderPage(pdf, row.page);
        ASSERT_FALSE(page.isNull()) << "row " << row.line;
        const int darkest = DarkestIn(page, row.cellMm);
        if (row.ink)
            EXPECT_LT(darkest, 128) << "row " << row.line;
        else
            EXPECT_EQ(darkest, 255) << "row " << row.line;
    }
}

// Successive codes fill each column from the top, then the next column, then the next page; a code
// that cannot be made takes no cell.
TEST_F(SheetCommand, CodesFillTheCellsInPageFlowOrder)
{
    if (!HavePoppler())
        GTEST_SKIP() << "pdfinfo and pdftoppm (poppler-utils) are not installed";
    const std::string codes = Path("codes.txt");
    WriteFile(codes, "C01\nC02\nC03\nbad\x80\nC04\nC05\nC06\nC07\nC08\n");
    const std::string pdf = Path("coded.pdf");
    const CliRun run = RunCli({"sheet", "-k", "Code128B", "--columns", "2", "--rows", "3", "--codes", codes, "-o", pdf});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(testing::WithoutProgress(run.err), "quillon-cli: line 4: TBarcode:Code128 bad Data <bad\\x80>\n");
    ASSERT_EQ(PageCount(pdf), 2); // 6 cells a page for 8 codes
    // Cells of 2 x 3 at the initial margins: columns at x = 10 and 106 mm, rows 154 design pixels
    // (90.55 mm) apart from y = 10 mm; each crop takes the label at the cell's corner with white around it.
    constexpr int kDpi = 300;
    const auto cell = [](int column, int row) { return QRectF(5 + 96 * column, 8 + 90.55 * row, 70, 48); };
    struct Row {
        int line;
        int page;
        QRectF mm;
        std::string text;
    } rows[] = {
        {1, 1, cell(0, 0), "C01"}, {2, 1, cell(0, 2), "C03"}, {3, 1, cell(1, 0), "C04"},
        {4, 1, cell(1, 2), "C06"}, {5, 2, cell(0, 0), "C07"}, {6, 2, cell(0, 1), "C08"},
        {7, 2, cell(0, 2), "(nothing)"}, {8, 2, cell(1, 0), "(nothing)"},
    };
    const QImage pages[] = {RenderPage(pdf, 1, kDpi), RenderPage(pdf, 2, kDpi)};
    for (const Row& row : rows)
        EXPECT_EQ(ReadIn(pages[row.page - 1], row.mm, kDpi), row.text) << "row " << row.line;
}

TEST_F(SheetCommand, FailuresLeaveNoFileBehind)
{
    const std::string existing = Path("existing.pdf");
    WriteFile(existing, "old");
    struct Row {
        int line;
        std::vector<std::string> args;
        int status;
        std::string err;
    } rows[] = {
        {1,
         {"sheet", "-o", "/nonexistent-dir/x.pdf", kCode},
         1,
         "quillon-cli: cannot write '/nonexistent-dir/x.pdf': No such file or directory\n"},
        {2, {"sheet", "-o", existing, "12a"}, 1, "Barcode must be numeric\n"},
        {3,
         {"sheet", "-o", "x.png", kCode},
         2,
         "quillon-cli: -o FILE must end in .pdf, not 'x.png'\n" + kUsageLine},
    };
    for (const Row& row : rows) {
        const CliRun run = RunCli(row.args);
        EXPECT_EQ(run.status, row.status) << "row " << row.line;
        EXPECT_EQ(run.out, "") << "row " << row.line;
        EXPECT_EQ(run.err, row.err) << "row " << row.line;
    }
    EXPECT_EQ(ReadFile(existing), "old");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"existing.pdf"}); // no scratch files
}

// A disk that takes only part of a file (here a 512-byte file-size limit) must fail the command and
// keep the old file, not replace it with a cut-short one.
TEST_F(SheetCommand, CutShortWritesKeepTheOldFile)
{
    const std::string limit = "trap '' XFSZ; ulimit -f 1; "; // one POSIX block: 512 bytes
    struct Row {
        int line;
        const char* file;
        std::vector<std::string> args;
        std::string errPattern;
    } rows[] = {
        // The PNG (about 700 bytes, by the zlib at hand) is written by the command itself.
        {1,
         "old.png",
         {"label", "-k", "Code128B", "--lower", kLongText, kLongText},
         "only 512 of [0-9]+ bytes could be written"},
        // The PDF writer writes its own file, which is checked before it replaces the target.
        {2, "old.pdf", {"sheet", "--columns", "4", "--rows", "20", kCode}, "The PDF file <.*> could not be written in full"},
    };
    for (Row& row : rows) {
        const std::string target = Path(row.file);
        WriteFile(target, "old");
        row.args.insert(row.args.begin() + 1, {"-o", target});
        const CliRun run = RunCli(row.args, limit);
        EXPECT_EQ(run.status, 1) << "row " << row.line;
        const std::regex err("quillon-cli: cannot write '" + target + "': " + row.errPattern + "\n");
        EXPECT_TRUE(std::regex_match(run.err, err)) << "row " << row.line << ": " << run.err;
        EXPECT_EQ(ReadFile(target), "old") << "row " << row.line;
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), (QStringList{"old.pdf", "old.png"}));
}

} // namespace
} // namespace quillon
