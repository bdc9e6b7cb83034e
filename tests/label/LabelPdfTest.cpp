// The lean label PDF against the painter's: rendered at 600 dpi by poppler, both put every bar edge and
// every glyph on the same dots, every cell reads as its code, pdftotext gives the digits and captions
// back, and poppler reads the file without a word on its structure. Its TrueType subsets load in Qt
// with the original outlines, its digits print as heavy as the painter's at a thermal printer's 203 dpi
// and at 600, and pdffonts names every font.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QPainterPath>
#include <QProcess>
#include <QRawFont>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtEndian>

#include "label/compose/FontSubstitutions.h"
#include "label/compose/StandardLayout.h"
#include "label/render/LabelPdf.h"
#include "label/sheet/SheetRun.h"
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
            EXPECT_EQ(testing::FarDifferences(pages[page], painted[page]), 0) << "page " << page + 1;
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

QByteArray LeanPdf(const TSheet& sheet, double dpi)
{
    QBuffer lean;
    lean.open(QIODevice::WriteOnly);
    TLabelPdf pdf(lean, sheet.Report);
    for (std::size_t page = 0; page < sheet.Report.Pages.size(); ++page)
        pdf.Add(sheet.Report, page, sheet.Labels, dpi, sheet.Pictures);
    pdf.Finish();
    return lean.data();
}

// Object `number` of a PDF written by TLabelPdf (each object starts a line): its dictionary, and its
// stream inflated when it has a /Length1 (a font program's size).
struct TPdfObject {
    QByteArray Dictionary{};
    QByteArray Stream{};
    qsizetype StreamBytes = 0; // as written
};

TPdfObject ObjectIn(const QByteArray& pdf, int number)
{
    const QByteArray start = '\n' + QByteArray::number(number) + " 0 obj\n";
    const qsizetype at = pdf.indexOf(start) + start.size();
    const qsizetype end = pdf.indexOf("\nendobj\n", at);
    if (at < start.size() || end < 0)
        return {};
    const QByteArray whole = pdf.mid(at, end - at);
    const qsizetype stream = whole.indexOf(">>\nstream\n");
    TPdfObject object{.Dictionary = stream < 0 ? whole : whole.left(stream + 2)};
    static const QRegularExpression kLength1(R"(/Length1 (\d+))");
    if (const auto length1 = kLength1.match(QString::fromLatin1(object.Dictionary)); length1.hasMatch()) {
        QByteArray deflated(4, '\0'); // qUncompress takes the inflated size first
        qToBigEndian(length1.captured(1).toUInt(), deflated.data());
        deflated += whole.mid(stream + 10, whole.size() - stream - 10 - 10); // less "\nendstream"
        object.StreamBytes = deflated.size() - 4;
        object.Stream = qUncompress(deflated);
    }
    return object;
}

// The glyph numbers a CIDFont's /W array lists: "first [w w ...]" runs.
std::vector<quint32> GlyphsOf(const QByteArray& cidFont)
{
    static const QRegularExpression kRun(R"((\d+) \[([\d ]+)\])");
    const QString dictionary = QString::fromLatin1(cidFont);
    std::vector<quint32> glyphs;
    for (auto runs = kRun.globalMatch(dictionary.mid(dictionary.indexOf("/W ["))); runs.hasNext();) {
        const auto run = runs.next();
        const qsizetype widths = run.captured(2).split(' ', Qt::SkipEmptyParts).size();
        for (qsizetype i = 0; i < widths; ++i)
            glyphs.push_back(run.captured(1).toUInt() + quint32(i));
    }
    return glyphs;
}

// The lead's proof draws the written glyphs from the written font programs: each subset loads in Qt and
// gives every glyph the PDF shows (Latin, composite letters, Arabic shaped forms, the mark) the outline
// and advance of the installed face, and no outline for a glyph no label shows.
TEST(LabelPdf, EmbedsTrueTypeSubsetsThatQtDrawsAsTheFaces)
{
    RegisterFontSubstitutions();
    TSheetRow captions = kSheets[2];
    captions.Upper = u8"Quillon ǻé"; // composite glyphs, the first made of another composite
    const QByteArray pdf = LeanPdf(MakeSheet(captions), kDpi);
    static const QRegularExpression kType0(
        R"(/Subtype /Type0 /BaseFont /[A-Z]{6}\+(\S+) /Encoding /Identity-H /DescendantFonts \[(\d+) 0 R\])");
    static const QRegularExpression kFontFile(R"(/FontFile2 (\d+) 0 R)");
    static const QRegularExpression kDescriptor(R"(/FontDescriptor (\d+) 0 R)");
    int faces = 0;
    for (auto fonts = kType0.globalMatch(QString::fromLatin1(pdf)); fonts.hasNext(); ++faces) {
        const auto font = fonts.next();
        SCOPED_TRACE(font.captured(1).toStdString());
        const QString file = "/usr/share/fonts/truetype/dejavu/" + font.captured(1) + ".ttf";
        if (!QFile::exists(file))
            GTEST_SKIP() << file.toStdString() << " (fonts-dejavu-core) is not installed";
        const TPdfObject cidFont = ObjectIn(pdf, font.captured(2).toInt());
        const int descriptor = kDescriptor.match(QString::fromLatin1(cidFont.Dictionary)).captured(1).toInt();
        const int fontFile =
            kFontFile.match(QString::fromLatin1(ObjectIn(pdf, descriptor).Dictionary)).captured(1).toInt();
        const TPdfObject written = ObjectIn(pdf, fontFile);
        const QByteArray program = written.Stream;
        EXPECT_LT(written.StreamBytes, 20'000) << program.size(); // a subset, not the face's 700 kB
        const QRawFont subset(program, 100, QFont::PreferNoHinting);
        const QRawFont original(file, 100, QFont::PreferNoHinting);
        ASSERT_TRUE(subset.isValid());
        const std::vector<quint32> glyphs = GlyphsOf(cidFont.Dictionary);
        EXPECT_GE(glyphs.size(), 1U);
        for (const quint32 glyph : glyphs) {
            EXPECT_TRUE(subset.pathForGlyph(glyph) == original.pathForGlyph(glyph)) << "glyph " << glyph;
            EXPECT_EQ(subset.advancesForGlyphIndexes({glyph}), original.advancesForGlyphIndexes({glyph}));
        }
        const quint32 unshown = original.glyphIndexesForString("Z").value(0);
        ASSERT_FALSE(std::count(glyphs.begin(), glyphs.end(), unshown));
        EXPECT_TRUE(subset.pathForGlyph(unshown).isEmpty());
    }
    EXPECT_EQ(faces, 2); // the digits' and captions' DejaVu Sans, the mark's DejaVu Sans Condensed
}

// Each cell's label without its bars and background: the ink left is its text's.
TSheetLabels TextsOnly(const TSheetLabels& labels)
{
    TSheetLabels texts;
    for (const auto& label : labels) {
        TLabelDrawing drawing = *label;
        std::erase_if(drawing.Calls,
                      [](const TRecordedCall& call) { return !std::holds_alternative<TRecordedText>(call); });
        for (TRecordedCall& call : drawing.Calls)
            std::get<TRecordedText>(call).Brush.Style = bsClear;
        texts.push_back(std::make_shared<const TLabelDrawing>(std::move(drawing)));
    }
    return texts;
}

int InkPixels(const QString& pdf, int dpi)
{
    int ink = 0;
    for (const QImage& page : testing::RenderPdf(pdf, dpi, testing::TRaster::Mono)) {
        const QImage grey = page.convertToFormat(QImage::Format_Grayscale8);
        for (int y = 0; y < grey.height(); ++y)
            ink += int(std::count_if(grey.constScanLine(y), grey.constScanLine(y) + grey.width(),
                                     [](uchar level) { return level < 128; }));
    }
    return ink;
}

// Type 3 outlines, unhinted, printed a dot heavier than the painter's TrueType text at 203 dpi (84 %
// more ink) and 600 (39 %); the embedded TrueType subset prints as the painter's does, within 3 %.
TEST(LabelPdf, SlowPrintsDigitsAsHeavyAsThePaintersPdf)
{
    if (!testing::HavePdftoppm())
        GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
    RegisterFontSubstitutions();
    TSheet sheet = MakeSheet(kSheets[0]);
    sheet.Labels = TextsOnly(sheet.Labels);
    for (const int dpi : {203, 600}) {
        SCOPED_TRACE(dpi);
        QTemporaryDir dir;
        testing::WriteBytes(dir.filePath("lean.pdf"), LeanPdf(sheet, dpi));
        testing::WriteBytes(dir.filePath("qt.pdf"),
                            PdfBytes(sheet.Report, sheet.Pictures, LabelDrawer(sheet.Labels, dpi)));
        const int lean = InkPixels(dir.filePath("lean.pdf"), dpi);
        const int painted = InkPixels(dir.filePath("qt.pdf"), dpi);
        EXPECT_GT(painted, 80 * 100); // each label's digits, its mark
        EXPECT_NEAR(lean, painted, painted * 0.03);
    }
}

// pdffonts names every font: TrueType subsets by their tagged PostScript names, and a face without
// TrueType outlines (an OpenType CFF face), which keeps its glyphs as Type 3 outlines, by its own.
TEST(LabelPdf, NamesEveryFont)
{
    if (QStandardPaths::findExecutable("pdffonts").isEmpty())
        GTEST_SKIP() << "pdffonts (poppler-utils) is not installed";
    RegisterFontSubstitutions();
    TSheet sheet = MakeSheet(kSheets[0]);
    for (auto& label : sheet.Labels) {
        TLabelDrawing drawing = *label;
        drawing.Calls.push_back(
            TRecordedText{.TopLeft = {0, 0}, .Text = "Nimbus", .Font = {.Name = "Nimbus Sans"}, .Brush = {}});
        label = std::make_shared<const TLabelDrawing>(std::move(drawing));
    }
    QTemporaryDir dir;
    testing::WriteBytes(dir.filePath("lean.pdf"), LeanPdf(sheet, kDpi));
    const auto [said, listed] = Poppler("pdffonts", {dir.filePath("lean.pdf")});
    EXPECT_EQ(said.toStdString(), "");
    const QStringList lines = listed.split('\n', Qt::SkipEmptyParts).mid(2); // below the heading
    EXPECT_EQ(lines.size(), 3) << listed.toStdString();
    for (const QString& line : lines) {
        static const QRegularExpression kNamed(
            R"(^([A-Z]{6}\+DejaVuSans(Condensed)? +CID TrueType|NimbusSans-Regular-\d+ +Type 3) )");
        EXPECT_TRUE(kNamed.match(line).hasMatch()) << line.toStdString();
    }
    const auto [textSaid, text] = Poppler("pdftotext", {dir.filePath("lean.pdf"), "-"});
    EXPECT_TRUE(text.contains("Nimbus")) << text.toStdString();
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
