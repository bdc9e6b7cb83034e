// The lean label PDF against the painter's: rendered at 600 dpi by poppler, both put every bar edge and
// every glyph on the same dots, every cell reads as its code, pdftotext gives the digits and captions
// back, and poppler reads the file without a word on its structure.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "label/FontSubstitutions.h"
#include "label/LabelPdf.h"
#include "label/SheetRun.h"
#include "label/StandardLayout.h"
#include "report/PdfOutput.h"
#include "tests/support/ExpectMessage.h"
#include "tests/support/PdfRaster.h"
#include "tests/support/PlacedCells.h"
#include "tests/support/QtSupport.h"

namespace quillon {
namespace {

constexpr int kDpi = 600;

enum class TLayout : std::uint8_t {
    Classic,
    Standard,
    ClassicAndBitmaps, // every other row without a drawing: its bitmap prints
    ClassicStretched,  // each label stretched to its cell: its text drawn wider than it is high
};

struct TSheetRow {
    const char* Name = "";
    TLayout Layout = TLayout::Classic;
    int Columns = 1;
    int Rows = 1;
    int Labels = 1;
    QString Upper{}; // a caption is off when empty
    QString Lower{};
    TCalibration Calibration{}; // offset X and Y in mm, scale X and Y in %
};

// The standard layout where its bars reach their height; captions in Latin and Arabic script over two
// pages, with bitmaps; a printer's calibration (its arithmetic: report/PageRendererTest).
const TSheetRow kSheets[] = {
    {"classic 4 x 20", TLayout::Classic, 4, 20, 80},
    {"standard 3 x 7", TLayout::Standard, 3, 7, 21},
    {"captions over two pages", TLayout::ClassicAndBitmaps, 3, 8, 30, "Quillon", u8"Lot 7 سعر خاص"},
    {"calibrated", TLayout::Classic, 4, 20, 80, {}, {}, {-0.7, 3, 1, -1.5}},
    {"stretched", TLayout::ClassicStretched, 2, 6, 12, "Quillon"},
};

struct TSheet {
    TPreparedReport Report{};
    TSheetLabels Labels{};
    std::vector<QImage> Pictures{}; // a row's bitmap, else a stand-in that sizes the cell as the CLI's does
    std::vector<std::string> Codes{};
};

// 400638133nnn (nnn = 100 + 7n) with its check digit (ISO/IEC 15420: weights 1 and 3 from the left).
std::string Ean13(int n)
{
    std::string code = "400638133" + std::to_string(100 + 7 * n);
    int sum = 0;
    for (std::size_t i = 0; i < code.size(); ++i)
        sum += (code[i] - '0') * (i % 2 ? 3 : 1);
    return code + char('0' + (10 - sum % 10) % 10);
}

TSheet MakeSheet(const TSheetRow& row)
{
    TPrintBarForm form;
    const TSheetSettings settings{
        .Columns = row.Columns, .Rows = row.Rows, .Stretch = row.Layout == TLayout::ClassicStretched};
    ApplySheetSettings(form, settings);
    TSheet sheet{.Report = PrepareSheet(form, row.Labels)};
    const TLabelCaptions captions{.UpperOn = true, .Upper = row.Upper, .LowerOn = true, .Lower = row.Lower};
    for (int n = 0; n < row.Labels; ++n) {
        TBarcode barcode;
        barcode.SetShowText(bcoCode), barcode.SetHeight(SheetRowHeight(settings)), barcode.SetText(Ean13(n));
        const TStandardSettings standard{.Dpi = kDpi};
        sheet.Labels.push_back(std::make_shared<const TLabelDrawing>(
            row.Layout == TLayout::Standard
                ? FitStandardLabel(barcode, captions, standard, CellSizeMm(sheet.Report)).Label.Drawing
                : RecordLabel(barcode, captions)));
        sheet.Pictures.emplace_back(sheet.Labels.back()->Size * (96.0 / sheet.Labels.back()->UnitsPerInch),
                                    QImage::Format_Mono);
        if (row.Layout == TLayout::ClassicAndBitmaps && n % 2 == 1) {
            sheet.Labels.back().reset();
            sheet.Pictures.back() = ComposeLabel(barcode, captions);
        }
        sheet.Codes.push_back(barcode.Text());
    }
    return sheet;
}

// A poppler tool's standard error, which should be empty, and its standard output.
std::pair<QString, QString> Poppler(const QString& tool, const QStringList& arguments)
{
    QProcess process;
    process.start(tool, arguments);
    process.waitForFinished(-1);
    return {QString::fromUtf8(process.readAllStandardError()),
            QString::fromUtf8(process.readAllStandardOutput())};
}

// The PDF's pages in grey at 600 dpi.
std::vector<QImage> Pages(const QTemporaryDir& dir, const QString& name, QString& said)
{
    said += Poppler("pdftoppm",
                    {"-gray", "-r", QString::number(kDpi), dir.filePath(name), dir.filePath("p" + name)})
                .first;
    QImageReader::setAllocationLimit(512); // MB: an A4 page at 600 dpi is read as 140 MB
    std::vector<QImage> pages;
    for (const QString& page : QDir(dir.path()).entryList({"p" + name + "-*"}, QDir::Files, QDir::Name))
        pages.push_back(QImage(dir.filePath(page)).convertToFormat(QImage::Format_Grayscale8));
    return pages;
}

// Pixels plainly ink in one rendering and paper in the other with no edge of both within a dot: a bar
// or a glyph more than a dot from where the painter puts it. Smoothed glyph edges, partly inked, agree.
int FarDifferences(const QImage& a, const QImage& b)
{
    const auto ink = [](const QImage& image, int x, int y) { return image.constScanLine(y)[x] < 128; };
    const auto nearEdge = [&](const QImage& image, int x, int y) {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (image.rect().contains(x + dx, y + dy) && ink(image, x + dx, y + dy) != ink(image, x, y))
                    return true;
        return false;
    };
    // The painter's PDF rounds the paper to whole points: only the part both pages cover is compared.
    int far = 0;
    for (int y = 0; y < std::min(a.height(), b.height()); ++y)
        for (int x = 0; x < std::min(a.width(), b.width()); ++x)
            far += std::abs(a.constScanLine(y)[x] - b.constScanLine(y)[x]) > 192 &&
                   !(nearEdge(a, x, y) && nearEdge(b, x, y));
    return far;
}

// Text as pdftotext gives it back, in the letters' own forms, without spaces, bidi marks or '*'.
QString Squeezed(const QString& text)
{
    static const QRegularExpression kIgnored(u8"[\\s*\u200e\u200f\u202a-\u202e]");
    return text.normalized(QString::NormalizationForm_KC).remove(kIgnored);
}

TEST(LabelPdf, DrawsEveryDotThePaintersPdfDrawsAndGivesItsTextBack)
{
    if (!testing::HavePdftoppm())
        GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    RegisterFontSubstitutions();
    for (const TSheetRow& row : kSheets) {
        SCOPED_TRACE(row.Name);
        const TSheet sheet = MakeSheet(row);
        QBuffer lean;
        lean.open(QIODevice::WriteOnly);
        TLabelPdf pdf(lean, sheet.Report, row.Calibration);
        for (std::size_t page = 0; page < sheet.Report.Pages.size(); ++page)
            pdf.Add(sheet.Report, page, sheet.Labels, kDpi, sheet.Pictures);
        pdf.Finish();
        QTemporaryDir dir;
        testing::WriteBytes(dir.filePath("lean"), lean.data());
        testing::WriteBytes(dir.filePath("qt"), PdfBytes(sheet.Report, sheet.Pictures,
                                                         LabelDrawer(sheet.Labels, kDpi), row.Calibration));
        QString said, qtSaid;
        const std::vector<QImage> pages = Pages(dir, "lean", said), painted = Pages(dir, "qt", qtSaid);
        const auto [textSaid, text] = Poppler("pdftotext", {"-layout", dir.filePath("lean"), "-"});
        // Poppler warns of a bad cross-reference table or glyph box, say.
        EXPECT_EQ((said + textSaid).toStdString(), "");
        const QString letters = Squeezed(text);
        ASSERT_EQ(pages.size(), sheet.Report.Pages.size());
        ASSERT_EQ(painted.size(), pages.size());
        const TCalibration& c = row.Calibration;
        const QTransform toPixels = QTransform::fromScale(kDpi / 25.4, kDpi / 25.4);
        for (std::size_t page = 0; page < pages.size(); ++page) {
            EXPECT_EQ(FarDifferences(pages[page], painted[page]), 0) << "page " << page + 1;
            for (const testing::TPlacedCell& cell : testing::CellsOf(sheet.Report.Pages[page])) {
                const std::string& code = sheet.Codes[std::size_t(cell.Row)];
                // The cell with a millimetre of the paper round it, half the spacing to the next.
                const QRectF mm(c.OffsetXMm + (cell.Frame.Left / 10 - 1) * (1 + c.ScaleXPercent / 100),
                                c.OffsetYMm + (cell.Frame.Top / 10 - 1) * (1 + c.ScaleYPercent / 100),
                                cell.Frame.Width / 10 + 2, cell.Frame.Height / 10 + 2);
                const auto read =
                    testing::DecodeImage(testing::ToGrey(pages[page].copy(toPixels.mapRect(mm).toRect())));
                EXPECT_EQ(read ? read->text : "none", code) << "row " << cell.Row;
                EXPECT_TRUE(letters.contains(QString::fromStdString(code)) ||
                            !sheet.Labels[std::size_t(cell.Row)])
                    << code; // a bitmap has no text
            }
        }
        EXPECT_TRUE(letters.contains(Squeezed(row.Upper)) && letters.contains(Squeezed(row.Lower)))
            << text.toStdString();
    }
}

TEST(LabelPdf, RaisesWhatItCannotWrite)
{
    const TSheet sheet = MakeSheet({});
    QBuffer buffer;
    EXPECT_EQ(testing::MessageOf([&] { TLabelPdf(buffer, sheet.Report); }),
              "Cannot write the PDF: its file is not open for writing");
    buffer.open(QIODevice::WriteOnly);
    EXPECT_EQ(testing::MessageOf([&] { TLabelPdf(buffer, sheet.Report, {.ScaleYPercent = 2.5}); }),
              "Scale Y in % out of range: 2.5 (-2 to 2)");
    TLabelPdf pdf(buffer, sheet.Report);
    EXPECT_EQ(testing::MessageOf([&] { pdf.Finish(); }), "The report has no pages to write");
    EXPECT_EQ(testing::MessageOf([&] { pdf.Add(sheet.Report, 0, sheet.Labels, 0.0); }),
              "The PDF needs a printer resolution above 0 dpi");
    EXPECT_EQ(testing::MessageOf([&] { pdf.Add(sheet.Report, 1, sheet.Labels, kDpi); }),
              "The report has no page 2");
    QFile full("/dev/full"); // a disk that is full
    if (full.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        TLabelPdf onFull(full, sheet.Report); // nothing is written before the first page
        EXPECT_EQ(testing::MessageOf([&] { onFull.Add(sheet.Report, 0, sheet.Labels, kDpi); }),
                  "Cannot write the PDF: No space left on device");
    }
}

} // namespace
} // namespace quillon
