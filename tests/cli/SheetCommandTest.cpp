// quillon-cli sheet, end to end: the PDF's cells read back (the order of a list's rows in them:
// BulkSheetTest; the page flow itself: report/PageFlowTest), and a failed or cut-short run leaves no
// file behind.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QRectF>
#include <algorithm>
#include <string>
#include <vector>

#include "RunCli.h"
#include "cli/Commands.h"
#include "tests/support/PatternDecoder.h"
#include "tests/support/PdfRaster.h"

namespace quillon {
namespace {

using testing::CliRun;
using testing::RunCli;

const std::string kCode = "6212236011840"; // the window's designed EAN-13 code

using SheetCommand = testing::CliFiles;

// A rectangle given in millimetres from the top-left corner of a page rendered at `dpi`.
QImage Crop(const QImage& page, const QRectF& mm, int dpi)
{
    const auto px = [dpi](double v) { return static_cast<int>(v * dpi / 25.4); };
    return page.copy(px(mm.left()), px(mm.top()), px(mm.width()), px(mm.height()));
}

// What a decoder reads in a rectangle.
std::string ReadIn(const QImage& page, const QRectF& mm, int dpi)
{
    const auto decoded = testing::DecodeImage(testing::ToGrey(Crop(page, mm, dpi)));
    return decoded ? decoded->text : "(nothing)";
}

// The frames of the label cells on the first page of the sheet the arguments ask for, in millimetres.
std::vector<QRectF> CellFrames(const std::vector<std::string>& args)
{
    const cli::CliOptions options = cli::ParseCommandLine(args);
    const TPreparedReport sheet = cli::PrepareSheetFor(options, options.columns * options.rows);
    std::vector<QRectF> frames;
    for (const TPlacedElement& element : sheet.Pages[0].Elements)
        if (std::holds_alternative<TPlacedImage>(element.Content))
            frames.emplace_back(element.Frame.Left / 10.0, element.Frame.Top / 10.0,
                                element.Frame.Width / 10.0, element.Frame.Height / 10.0);
    return frames;
}

// Every cell of the PDF, cropped with the paper around its frame (3 mm to the left, where the classic
// label's quiet zone lies in the cell before) and read alone by ZXing-cpp after rasterising as printer
// drivers do. (Every readable kind at printer resolutions: label/StandardLayoutTest; every bar in whole
// dots: label/PrintedCellTest; every cell of the PDF in grey at 600 dpi: label/LabelPdfTest.)
TEST_F(SheetCommand, PrintedCellsReadBackAsTyped)
{
    if (!testing::HavePdftoppm())
        GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    const std::vector<std::string> classic{"--columns", "4", "--rows", "20", "6212236011840"};
    const std::vector<std::string> standard{"--layout", "standard", "--columns", "3", "--rows", "7"};
    const auto at = [](const std::vector<std::string>& head, int dpi, std::vector<std::string> tail) {
        return testing::Join(testing::Join(head, {"--dpi", std::to_string(dpi)}), tail);
    };
    struct Row {
        int line;
        std::vector<std::string> args;
        int dpi;
        std::string text;
    } rows[] = {
        {1, classic, 300, "6212236011840"},
        {2, at(standard, 203, {"5901234123457"}), 203, "5901234123457"},
        {3, at(standard, 300, {"-k", "Code39", "QUILLON-39"}), 300, "QUILLON-39"},
    };
    const std::string pdf = Path("proof.pdf");
    for (const Row& row : rows) {
        const std::vector<std::string> args = testing::Join({"sheet", "-o", pdf}, row.args);
        const CliRun run = RunCli(args);
        ASSERT_EQ(run.status, 0) << "row " << row.line << ": " << run.err;
        const QImage page =
            testing::RenderPdf(QString::fromStdString(pdf), row.dpi, testing::TRaster::Mono).at(0);
        const std::vector<QRectF> frames = CellFrames(args);
        const auto read = std::count_if(frames.begin(), frames.end(), [&](const QRectF& frame) {
            return ReadIn(page, frame.adjusted(-3, -1, 1, 1), row.dpi) == row.text;
        });
        EXPECT_EQ(read, std::ssize(frames)) << "row " << row.line;
    }
}

// What the proof says: the file is written whatever it finds, and the exit status says whether every
// label reads as typed and fits its cell.
TEST_F(SheetCommand, ProofNamesWhatWouldNotScan)
{
    const std::string pdf = Path("proof.pdf"), png = Path("proof.png");
    struct Row {
        int line;
        std::vector<std::string> args;
        int status;
        std::string err;
    } rows[] = {
        // clang-format off
        // The check digit of 621223601184 is 0 (GS1 modulo 10).
        {1, {"sheet", "-o", pdf, "6212236011841"}, 1, "quillon-cli: Check digit should be 0\nquillon-cli: 0 of 1 labels read back at 600 dpi\n"},
        {2, {"label", "-o", png, "6212236011841"}, 1, "quillon-cli: Check digit should be 0\n"},
        {3, {"sheet", "--no-verify", "-o", pdf, "6212236011841"}, 0, ""},
        // Zoom 3: 285 screen pixels, 75.4 mm, in a 45.9 mm cell. No proof is needed to see it.
        {4, {"sheet", "-m", "3", "--columns", "4", "--rows", "20", "-o", pdf, "6212236011840"}, 1, "quillon-cli: Label 75.4 mm wide, cell 45.9 mm: it would be cut off\nquillon-cli: 0 of 80 labels read back at 600 dpi\n"},
        {5, {"sheet", "-m", "3", "--columns", "4", "--no-verify", "-o", pdf, "6212236011840"}, 1, "quillon-cli: Label 75.4 mm wide, cell 45.9 mm: it would be cut off\n"},
        // Twelve digits are padded to 0200000000001..; the check digit of 020000000000 is 4.
        {6, {"sheet", "--sequence", "200000000001..200000000005", "--accept-changes", "-o", pdf}, 1, "quillon-cli: line 1: Check digit should be 4\nquillon-cli: line 2: Check digit should be 4\nquillon-cli: line 3: Check digit should be 4\nquillon-cli: line 5: Check digit should be 4\nquillon-cli: 1 of 5 labels read back at 600 dpi\n"},
        {7, {"sheet", "-k", "CodeMSI", "--columns", "2", "-o", pdf, "123"}, 0, "quillon-cli: no scan check for CodeMSI: the decoder has no reader for it\n"},
        {8, {"label", "-k", "CodeMSI", "-o", png, "123"}, 0, "quillon-cli: no scan check for CodeMSI: the decoder has no reader for it\n"},
        // Outside the range of EAN-13, the module is the nearest allowed: 0.264 mm is 6.24 dots, 7 at least.
        {9, {"sheet", "--layout", "standard", "--x-dim", "0.2", "-o", pdf, "6212236011840"}, 0, "quillon-cli: X-dimension 0.200 mm is outside the 0.264-0.660 mm that EAN13 allows: printed at 0.296 mm (7 dots at 600 dpi)\n"},
        // clang-format on
    };
    for (const Row& row : rows) {
        QFile::remove(QString::fromStdString(pdf));
        QFile::remove(QString::fromStdString(png));
        const CliRun run = RunCli(row.args);
        EXPECT_EQ(run.status, row.status) << "row " << row.line;
        EXPECT_EQ(testing::WithoutProgress(run.err), row.err) << "row " << row.line;
        EXPECT_EQ(Files().size(), 1) << "row " << row.line; // written all the same
    }
}

// Either command: a failure leaves the file it was to replace as it was, and no scratch file.
TEST_F(SheetCommand, FailuresLeaveNoFileBehind)
{
    const std::string png = Path("existing.png"), pdf = Path("existing.pdf");
    Write("existing.png", "old"), Write("existing.pdf", "old");
    // clang-format off
    testing::ExpectFailures({
        {1, {"label", "-o", "/nonexistent-dir/x.png", "1"}, 1, "quillon-cli: cannot write '/nonexistent-dir/x.png': No such file or directory\n"},
        {2, {"label", "-o", png, "12a"}, 1, "Barcode must be numeric\n"},
        {3, {"sheet", "-o", pdf, "12a"}, 1, "Barcode must be numeric\n"},
        {4, {"label", kCode}, 2, "quillon-cli: label needs -o FILE\n" + testing::kLabelUsage},
        {5, {"label", "-o", "x.jpg", "1"}, 2, "quillon-cli: -o FILE must end in .png, not 'x.jpg'\n" + testing::kLabelUsage},
        {6, {"sheet", "-o", "x.png", kCode}, 2, "quillon-cli: -o FILE must end in .pdf, not 'x.png'\n" + testing::kSheetUsage},
        {7, {"label", "--height", "0", "-o", png, "1"}, 2, "quillon-cli: --height takes a whole number from 1 to 10000, not '0'\n" + testing::kLabelUsage},
    });
    // clang-format on
    EXPECT_EQ(std::pair(Read("existing.png"), Read("existing.pdf")),
              std::pair(QByteArray("old"), QByteArray("old")));
    EXPECT_EQ(Files(), (QStringList{"existing.pdf", "existing.png"}));
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
