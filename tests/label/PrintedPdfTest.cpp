// Reading a written PDF back at the printer's dots: small hand-made pages fill exactly the dots whose
// centres their shapes cover, damaged files say what is wrong, the lean label PDF reads back as poppler
// draws it, and a page whose scale was planted 0.1 % off fails every cell.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QTemporaryDir>
#include <zlib.h>

#include "label/compose/StandardLayout.h"
#include "label/proof/PrintCheck.h"
#include "label/proof/PrintedPdf.h"
#include "label/proof/ScanCheck.h"
#include "label/render/LabelPdf.h"
#include "label/sheet/SheetRun.h"
#include "tests/support/ExpectMessage.h"
#include "tests/support/PdfRaster.h"

namespace quillon {
namespace {

// A one-page PDF around `content`, its cross-reference table counted, as a writer would write it.
std::string HandMadePdf(const std::string& content, const std::string& resources = "",
                        const std::string& extraObjects = "", std::size_t length = 0)
{
    std::string pdf = "%PDF-1.4\n";
    std::vector<std::size_t> offsets;
    const auto object = [&](const std::string& body) {
        offsets.push_back(pdf.size());
        pdf += std::to_string(offsets.size()) + " 0 obj\n" + body + "\nendobj\n";
    };
    object("<< /Type /Catalog /Pages 2 0 R >>");
    object("<< /Type /Pages /Count 1 /Kids [3 0 R] >>");
    object("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 20 10] /Resources << " + resources +
           " >> /Contents 4 0 R >>");
    object("<< /Length " + std::to_string(length != 0 ? length : content.size()) + " >>\nstream\n" + content +
           "\nendstream");
    if (!extraObjects.empty())
        object(extraObjects);
    const std::size_t xref = pdf.size();
    pdf += "xref\n0 " + std::to_string(offsets.size() + 1) + "\n0000000000 65535 f \n";
    for (const std::size_t offset : offsets) {
        char entry[24];
        std::snprintf(entry, sizeof entry, "%010zu 00000 n \n", offset);
        pdf += entry;
    }
    return pdf + "trailer\n<< /Size " + std::to_string(offsets.size() + 1) + " /Root 1 0 R >>\nstartxref\n" +
           std::to_string(xref) + "\n%%EOF\n";
}

// The page at 72 dpi, a dot a point, as rows of '#' (ink) and '.' (paper), top row first.
std::string Dots(const std::string& pdf, double& offGrid)
{
    const TPrintedPdf read(pdf);
    const auto page = read.Page(0, 72.0);
    QImage image(page->SizeDots(), QImage::Format_RGB32);
    offGrid = page->Paint(image, image.rect(), {.First = 0, .Step = 1, .Count = image.height()}).OffGridDots;
    std::string dots;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            dots += qRed(image.pixel(x, y)) < 128 ? '#' : '.';
        dots += '\n';
    }
    return dots;
}

// Rows 2 to 5 of the 10 of a page 20 wide: where the shapes of the table below fall.
std::string Band(const std::string& dots)
{
    std::string band;
    for (int row = 2; row <= 5; ++row)
        band += dots.substr(static_cast<std::size_t>(row) * 21, 21);
    return band;
}

struct TShapeRow {
    const char* Name = "";
    const char* Content = "";
    const char* Band = ""; // rows 2 to 5 of the page, y down
    double OffGrid = 0.0;
};

// PDF's y runs up from the foot of the 10-point page: y 5 to 8 is rows 2 to 4, dot centres 2.5 to 4.5.
const TShapeRow kShapes[] = {
    {"a bar on the dots", "2 5 3 3 re f",
     "..###...............\n..###...............\n..###...............\n....................\n"},
    {"grey and colour inks", "0.2 g 2 5 3 3 re f 1 0 0 rg 6 5 2 3 re f",
     "..###...............\n..###...............\n..###...............\n....................\n"},
    // A bar 0.4 dot off: a dot is inked when its centre is covered, and the bar is told off the dots.
    {"a bar 0.4 dot off", "2.6 5 3 3 re f",
     "...###..............\n...###..............\n...###..............\n....................\n", 0.4},
    {"white paint is no bar", "1 g 2.5 5 3 3 re f",
     "....................\n....................\n....................\n....................\n"},
    {"moved and scaled", "q 2 0 0 1 1 0 cm 1 5 2 3 re f Q",
     "...####.............\n...####.............\n...####.............\n....................\n"},
    {"even-odd leaves the hole", "2 4 8 4 re 4 5 4 2 re f*",
     "..########..........\n..##....##..........\n..##....##..........\n..########..........\n"},
    {"non-zero fills it", "2 4 8 4 re 4 5 4 2 re f",
     "..########..........\n..########..........\n..########..........\n..########..........\n"},
    {"clipped", "q 0 6 20 4 re W n 2 4 3 4 re f Q",
     "..###...............\n..###...............\n....................\n....................\n"},
    {"a stroke with projecting caps", "2 J 2 w 3 6 m 7 6 l S",
     "....................\n..######............\n..######............\n....................\n"},
    {"a triangle", "2 4 m 10 4 l 2 8 l h f",
     "..#.................\n..###...............\n..#####.............\n..#######...........\n"},
};

TEST(PrintedPdf, FillsTheDotsWhoseCentresItsShapesCover)
{
    for (const TShapeRow& row : kShapes) {
        SCOPED_TRACE(row.Name);
        double offGrid = -1.0;
        const std::string dots = Dots(HandMadePdf(row.Content), offGrid);
        EXPECT_EQ(Band(dots), row.Band) << dots;
        EXPECT_NEAR(offGrid, row.OffGrid, 1e-9);
    }
}

TEST(PrintedPdf, ShowsAnImageOverTheSquareItFills)
{
    // A 2 x 1 grey image, black then white, over 4 x 2 points.
    const std::string image = std::string("<< /Type /XObject /Subtype /Image /Width 2 /Height 1 /ColorSpace "
                                          "/DeviceGray /BitsPerComponent 8 /Length 2 >>\nstream\n") +
                              std::string("\x00\xff", 2) + "\nendstream";
    double offGrid = -1.0;
    const std::string dots =
        Dots(HandMadePdf("q 4 0 0 2 2 5 cm /I0 Do Q", "/XObject << /I0 5 0 R >>", image), offGrid);
    EXPECT_EQ(Band(dots),
              "....................\n..##................\n..##................\n....................\n");
}

struct TDamageRow {
    const char* Name = "";
    std::string Pdf{};
    const char* Message = "";
};

TEST(PrintedPdf, DamagedOrForeignFilesSayWhatIsWrong)
{
    const std::string good = HandMadePdf("2 5 3 3 re f");
    const TDamageRow rows[] = {
        {"no PDF", "GIF89a", "The written PDF cannot be read back: it does not begin as a PDF does"},
        {"cut short", good.substr(0, good.size() / 2),
         "The written PDF cannot be read back: it has no cross-reference table (the file is cut short)"},
        {"an operator no writer of ours writes", HandMadePdf("2 5 3 3 re zz"),
         "The written PDF cannot be read back: an operator it does not know: 'zz'"},
        {"a font the page does not have", HandMadePdf("BT /F0 12 Tf (a) Tj ET"),
         "The written PDF cannot be read back: the page names a font /F0 it does not have"},
        {"a stream longer than the file", HandMadePdf("2 5 3 3 re f", "", "", 99999),
         "The written PDF cannot be read back: stream 4 runs past the end of the file"},
    };
    for (const TDamageRow& row : rows) {
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(testing::MessageOf<TUnreadablePdf>([&] {
                      const TPrintedPdf pdf(row.Pdf);
                      QImage image(20, 10, QImage::Format_RGB32);
                      pdf.Page(0, 72)->Paint(image, image.rect(), {.First = 0, .Step = 1, .Count = 10});
                  }),
                  row.Message);
    }
}

// ---- The lean label PDF, read back ----------------------------------------------------------------------

struct TBulkSheet {
    TPreparedReport Report{};
    TSheetLabels Labels{};
    std::vector<TScanExpectation> Expected{};
};

// The classic 4 x 20 sheet of 80 EAN-13 codes, or the standard layout's 3 x 7, for a printer of dpi.
TBulkSheet BulkSheet(bool standard, int dpi)
{
    TPrintBarForm form;
    const TSheetSettings settings{.Columns = standard ? 3 : 4, .Rows = standard ? 7 : 20};
    ApplySheetSettings(form, settings);
    const int count = settings.Columns * settings.Rows;
    TBulkSheet sheet{.Report = PrepareSheet(form, count)};
    for (int n = 0; n < count; ++n) {
        TBarcode barcode;
        barcode.SetTyp(bcCodeEAN13), barcode.SetChecksum(true), barcode.SetShowText(bcoCode);
        barcode.SetHeight(SheetRowHeight(settings)), barcode.SetText(std::to_string(590123412000 + n));
        sheet.Labels.push_back(std::make_shared<const TLabelDrawing>(
            standard ? FitStandardLabel(barcode, {}, {.Dpi = dpi}, CellSizeMm(sheet.Report)).Label.Drawing
                     : RecordLabel(barcode, {})));
        sheet.Expected.push_back(ExpectScan(barcode));
    }
    return sheet;
}

std::string Inflate(const std::string& data)
{
    std::string out(16U << 20U, '\0');
    uLongf size = static_cast<uLongf>(out.size());
    EXPECT_EQ(uncompress(reinterpret_cast<Bytef*>(out.data()), &size,
                         reinterpret_cast<const Bytef*>(data.data()), static_cast<uLong>(data.size())),
              Z_OK);
    out.resize(size);
    return out;
}

std::string Deflate(const std::string& data)
{
    uLongf size = compressBound(static_cast<uLong>(data.size()));
    std::string out(size, '\0');
    compress(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(data.data()),
             static_cast<uLong>(data.size()));
    out.resize(size);
    return out;
}

// The page as written, with its content's first transform (the page's own scale) `factor` times larger.
TWrittenPdfPart WithScaleOff(const TWrittenPdfPart& page, double factor)
{
    TWrittenPdfPart changed{.Bytes = {}, .Objects = {}, .PageObject = page.PageObject};
    for (std::size_t i = 0; i < page.Objects.size(); ++i) {
        const std::size_t from = page.Objects[i].second;
        const std::size_t to = i + 1 < page.Objects.size() ? page.Objects[i + 1].second : page.Bytes.size();
        std::string object = page.Bytes.substr(from, to - from);
        const std::size_t data = object.find("stream\n");
        if (object.find("/FlateDecode /Length") != std::string::npos && data != std::string::npos) {
            const std::size_t end = object.rfind("\nendstream");
            std::string content = Inflate(object.substr(data + 7, end - data - 7));
            const double scale = std::stod(content);
            const std::string was = content.substr(0, content.find(' '));
            const std::string now = std::to_string(scale * factor);
            for (std::size_t at = content.find(was); at < content.find("cm"); at = content.find(was, at + 1))
                content.replace(at, was.size(), now);
            const std::string deflated = Deflate(content);
            object = std::to_string(page.Objects[i].first) + " 0 obj\n<</Filter /FlateDecode /Length " +
                     std::to_string(deflated.size()) + " >>\nstream\n" + deflated + "\nendstream\nendobj\n";
        }
        changed.Objects.emplace_back(page.Objects[i].first, changed.Bytes.size());
        changed.Bytes += object;
    }
    return changed;
}

TSheetVerification ProveWritten(const TBulkSheet& sheet, const TWrittenPdfPart& part, const TLabelPdf& writer,
                                int dpi)
{
    const TPendingFontReader fonts(writer.PendingFonts());
    const TPrintedPdf read(part, fonts);
    const auto page = read.Page(0, dpi);
    const std::array<const TPrintedPdfPage*, 1> pages{page.get()};
    return VerifyWrittenSheet(sheet.Report, sheet.Labels, sheet.Expected, dpi, pages);
}

TEST(PrintedPdf, APageWrittenAScaleOffFailsItsCells)
{
    for (const bool standard : {false, true}) {
        SCOPED_TRACE(standard ? "standard 3 x 7" : "classic 4 x 20");
        constexpr int kDpi = 203;
        const TBulkSheet sheet = BulkSheet(standard, kDpi);
        QBuffer file;
        file.open(QIODevice::WriteOnly);
        TLabelPdf writer(file, sheet.Report);
        const TWrittenPdfPart part = writer.Add(sheet.Report, 0, sheet.Labels, kDpi);
        const TSheetVerification right = ProveWritten(sheet, part, writer, kDpi);
        EXPECT_EQ(right.ReadBack, right.Checked);
        EXPECT_EQ(right.Checked, standard ? 21 : 80);

        const TSheetVerification planted = ProveWritten(sheet, WithScaleOff(part, 1.001), writer, kDpi);
        EXPECT_EQ(planted.ReadBack, 0);
        ASSERT_FALSE(planted.Failures.empty());
        EXPECT_NE(EnglishText(planted.Failures.front().Reason).find("dots off the 203-dpi printer's dots"),
                  std::string::npos)
            << EnglishText(planted.Failures.front().Reason);
        TPrintedPdf::CheckWrittenFonts(writer.Finish(), writer.PendingFonts());
    }
}

TEST(PrintedPdf, ReadsTheLeanLabelPdfAsPopplerDrawsIt)
{
    if (!testing::HavePdftoppm())
        GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    for (const auto& [standard, dpi] : {std::pair{false, 203}, std::pair{true, 152}, std::pair{true, 406}}) {
        SCOPED_TRACE(std::string(standard ? "standard" : "classic") + " at " + std::to_string(dpi) + " dpi");
        const TBulkSheet sheet = BulkSheet(standard, dpi);
        QTemporaryDir dir;
        QFile file(dir.filePath("sheet.pdf"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        {
            TLabelPdf writer(file, sheet.Report, {.OffsetXMm = 0.4, .OffsetYMm = -0.3});
            writer.Add(sheet.Report, 0, sheet.Labels, dpi);
            writer.Finish();
        }
        file.close();
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        const TPrintedPdf read(std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())));
        const auto page = read.Page(0, dpi);
        QImage ours(page->SizeDots(), QImage::Format_RGB32);
        page->Paint(ours, ours.rect(), {.First = 0, .Step = 1, .Count = ours.height()});
        // Smoothed, cut at half: a glyph's dot is ink where the glyph covers most of it, as its centre says.
        const std::vector<QImage> poppler = testing::RenderPdf(file.fileName(), dpi);
        ASSERT_EQ(poppler.size(), 1U);
        EXPECT_EQ(testing::FarDifferences(ours.convertToFormat(QImage::Format_Grayscale8),
                                          poppler.front().convertToFormat(QImage::Format_Grayscale8)),
                  0);
    }
}

} // namespace
} // namespace quillon
