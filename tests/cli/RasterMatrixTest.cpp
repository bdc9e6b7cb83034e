// Every kind of output quillon-cli writes, made for the common printer resolutions, drawn by
// Ghostscript, poppler and mupdf at that resolution and read cell by cell by ZXing-cpp and zbar: every
// cell reads, and none reads as another text. Labels on stock lie where the stock puts them, and the
// calibration page's crosshairs where the page says they are. Slow: a hundred pages rasterised.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QRectF>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "RunCli.h"
#include "cli/CliOptions.h"
#include "cli/Commands.h"
#include "label/sheet/LabelStock.h"
#include "report/CalibrationPage.h"
#include "report/Units.h"
#include "tests/support/PlacedCells.h"
#include "tests/support/Rasterisers.h"

namespace quillon {
namespace {

using testing::CliRun;
using testing::RunCli;

// The resolutions of thermal (152, 203, 300, 406, 600) and office (300, 600) printers: the ones whose
// dot in points has no short decimal (152, 203, 406) are where a rounded scale moves the bars.
constexpr std::array kDpis = {152, 203, 300, 406, 600};

// How far a stock's label may lie from where the stock puts it, beyond the half dot its bars move to
// land on the printer's dots, and how far a crosshair from where the page says it is.
constexpr double kPlacementToleranceMm = 0.05;

constexpr std::string_view kCode = "5901234123457";
constexpr std::string_view kStock = "a4-3x7-63.5x38.1";
constexpr std::string_view kQrText = "Quillon 2-D label";
// GS1's quiet zones of EAN-13, in modules, and its width from the first bar to the last.
constexpr int kEanLeftQuietModules = 11;
constexpr int kEanRightQuietModules = 7;
constexpr int kEanModules = 95;

// An EAN-13 code from its first twelve digits: GS1's check digit (weights 1 and 3 from the left).
std::string WithCheckDigit(const std::string& twelve)
{
    int sum = 0;
    for (std::size_t i = 0; i < twelve.size(); ++i)
        sum += (twelve[i] - '0') * (i % 2 == 0 ? 1 : 3);
    return twelve + static_cast<char>('0' + (10 - sum % 10) % 10);
}

// Distinct codes that share no fixed pattern, so a cell read as its neighbour shows.
std::vector<std::string> DistinctCodes(int count)
{
    std::vector<std::string> codes;
    for (int i = 0; i < count; ++i)
        codes.push_back(WithCheckDigit(
            QString::asprintf("4%05d%06d", 7919 * i % 100000, 104729 * (i + 1) % 1000000).toStdString()));
    return codes;
}

enum class TOutput : std::uint8_t {
    ClassicSheet,
    ClassicBulk,
    StockSheet,
    StockBulk,
    StockQr,
    PngClassic,
    PngStandard
};

struct TOutputCase {
    TOutput Output;
    const char* Name;
    int Codes; // distinct codes of a bulk sheet; 0 for one code in every cell
};

constexpr std::array kOutputs = {
    TOutputCase{TOutput::ClassicSheet, "ClassicSheet", 0},
    TOutputCase{TOutput::ClassicBulk, "ClassicBulk", 80},
    TOutputCase{TOutput::StockSheet, "StockSheet", 0},
    TOutputCase{TOutput::StockBulk, "StockBulk", 21},
    TOutputCase{TOutput::StockQr, "StockQr", 0},
    TOutputCase{TOutput::PngClassic, "PngClassic", 0},
    TOutputCase{TOutput::PngStandard, "PngStandard", 0},
};

void PrintTo(const TOutputCase& output, std::ostream* out)
{
    *out << output.Name;
}

bool OnStock(TOutput output)
{
    return output == TOutput::StockSheet || output == TOutput::StockBulk || output == TOutput::StockQr;
}

bool IsPng(TOutput output)
{
    return output == TOutput::PngClassic || output == TOutput::PngStandard;
}

// A label cell of a page: where it is in pixels and what it should read.
struct TCell {
    QRect Frame;
    std::string Text;
};

struct TMade {
    std::string File;
    std::vector<std::string> Args; // the command line, for the cells' layout
    std::vector<std::string> Codes;
};

class RasterMatrix : public ::testing::TestWithParam<std::tuple<TOutputCase, int>> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(FDir.isValid());
        const QString missing = testing::MissingProgram({"gs", "pdftoppm", "mutool", "zbarimg"});
        if (!missing.isEmpty())
            GTEST_SKIP() << missing.toStdString() << " is not installed (scripts/setup installs it)";
    }

    std::string Path(const std::string& name) const
    {
        return FDir.filePath(QString::fromStdString(name)).toStdString();
    }

    TMade Make(const TOutputCase& output, int dpi) const
    {
        const std::string at = std::to_string(dpi);
        TMade made{.File = Path(IsPng(output.Output) ? "label.png" : "sheet.pdf"), .Args = {}, .Codes = {}};
        made.Codes =
            output.Codes > 0 ? DistinctCodes(output.Codes) : std::vector<std::string>{std::string(kCode)};
        std::vector<std::string> what{std::string(kCode)};
        if (output.Codes > 0) {
            std::string list;
            for (const std::string& code : made.Codes)
                list += code + "\n";
            EXPECT_TRUE(testing::WriteBytes(QString::fromStdString(Path("codes.txt")),
                                            QByteArray::fromStdString(list)));
            what = {"--codes", Path("codes.txt")};
        }
        switch (output.Output) {
        case TOutput::ClassicSheet:
        case TOutput::ClassicBulk:
            made.Args = testing::Join({"sheet", "--columns", "4", "--rows", "20", "--dpi", at}, what);
            break;
        case TOutput::StockSheet:
        case TOutput::StockBulk:
            made.Args = testing::Join(
                {"sheet", "--layout", "standard", "--stock", std::string(kStock), "--dpi", at}, what);
            break;
        case TOutput::StockQr:
            made.Codes = {std::string(kQrText)};
            made.Args = {"sheet",
                         "-k",
                         "QRCode",
                         "--layout",
                         "standard",
                         "--stock",
                         std::string(kStock),
                         "--dpi",
                         at,
                         std::string(kQrText)};
            break;
        case TOutput::PngClassic: made.Args = {"label", "--dpi", at, std::string(kCode)}; break;
        case TOutput::PngStandard:
            made.Args = {"label", "--layout", "standard", "--dpi", at, std::string(kCode)};
            break;
        }
        made.Args = testing::Join(made.Args, {"-o", made.File});
        return made;
    }

    QTemporaryDir FDir;
};

// The cells of the sheet's first page in pixels at dpi, each with its code: the row a cell prints, in
// the order the sheet fills its cells.
std::vector<TCell> SheetCells(const TMade& made, int dpi)
{
    const cli::CliOptions options = cli::ParseCommandLine(made.Args);
    const TPreparedReport sheet =
        cli::PrepareSheetFor(options, static_cast<int>(made.Codes.size() == 1 ? 80 : made.Codes.size()));
    const double dotsPerTenth = dpi / kTenthsPerInch;
    std::vector<TCell> cells;
    for (const testing::TPlacedCell& placed : testing::CellsOf(sheet.Pages.at(0))) {
        const TRectTenths& f = placed.Frame;
        const QRect frame(QPoint(static_cast<int>(std::lround(f.Left * dotsPerTenth)),
                                 static_cast<int>(std::lround(f.Top * dotsPerTenth))),
                          QPoint(static_cast<int>(std::lround((f.Left + f.Width) * dotsPerTenth)) - 1,
                                 static_cast<int>(std::lround((f.Top + f.Height) * dotsPerTenth)) - 1));
        const std::size_t code = made.Codes.size() == 1 ? 0 : static_cast<std::size_t>(placed.Row);
        cells.push_back({.Frame = frame, .Text = code < made.Codes.size() ? made.Codes[code] : ""});
    }
    return cells;
}

// The stock's label under a cell's frame, in dots at dpi, fractional; empty when none is.
QRectF StockLabelAt(const QRect& frame, int dpi)
{
    const TStockGeometry g = TStockCatalogue().Find(kStock).Geometry;
    const double dotsPerHundredth = dpi / (kMmPerInch * 100.0);
    for (int row = 0; row < g.Rows; ++row)
        for (int column = 0; column < g.Columns; ++column) {
            const QRectF label((g.LeftMargin + column * g.HorizontalPitch) * dotsPerHundredth,
                               (g.TopMargin + row * g.VerticalPitch) * dotsPerHundredth,
                               g.LabelWidth * dotsPerHundredth, g.LabelHeight * dotsPerHundredth);
            if (label.contains(QRectF(frame).center()))
                return label;
        }
    return {};
}

// What the two decoders made of one cell of one rasterised page.
struct TCellReadings {
    std::vector<testing::TZxingReading> Zxing;
    std::vector<std::string> Zbar;
    QRect Cut; // the pixels read, on the page
};

std::string Where(std::size_t cell, const std::string& rasteriser, int dpi)
{
    return "cell " + std::to_string(cell + 1) + " drawn by " + rasteriser + " at " + std::to_string(dpi) +
           " dpi";
}

// Reads every cell with both decoders and reports each one that does not read, and on its own, as the
// worst there is, each that reads as another text.
std::vector<TCellReadings> ReadCells(const QImage& page, const std::vector<TCell>& cells,
                                     const std::string& rasteriser, int dpi, const QString& workDir)
{
    // A cell's edge rows may hold its neighbour's first row of ink: frames that meet at a fraction of
    // a dot both take the dot they share.
    std::vector<QRect> inks;
    for (const TCell& cell : cells)
        inks.push_back(testing::InkIn(page, cell.Frame.adjusted(1, 1, -1, -1)));
    const std::vector<QRect> cuts = testing::ScannerCuts(page.rect(), inks);
    std::vector<TCellReadings> readings(cells.size());
    QStringList images;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        readings[i].Cut = cuts[i];
        if (cuts[i].isEmpty())
            continue;
        const QImage cut = page.copy(cuts[i]);
        readings[i].Zxing = testing::ReadWithZxing(cut);
        images << QDir(workDir).filePath(QString::asprintf("%s-cell-%03zu.png", rasteriser.c_str(), i));
        EXPECT_TRUE(cut.save(images.back()));
    }
    const auto zbar = testing::ReadWithZbar(images);
    for (std::size_t i = 0, image = 0; i < cells.size(); ++i) {
        if (cuts[i].isEmpty())
            continue;
        if (const auto found = zbar.find(images[static_cast<int>(image++)]); found != zbar.end())
            readings[i].Zbar = found->second;
    }

    int zxingRead = 0, zbarRead = 0;
    std::string unread;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const std::string& expected = cells[i].Text;
        for (const auto& reading : readings[i].Zxing)
            if (reading.Text != expected)
                ADD_FAILURE() << "WRONG READING: " << Where(i, rasteriser, dpi) << " reads as "
                              << reading.Text << " (" << reading.Format << ", ZXing-cpp), not " << expected;
        for (const std::string& text : readings[i].Zbar)
            if (text != expected)
                ADD_FAILURE() << "WRONG READING: " << Where(i, rasteriser, dpi) << " reads as " << text
                              << " (zbar), not " << expected;
        const bool byZxing =
            std::ranges::any_of(readings[i].Zxing, [&](const auto& r) { return r.Text == expected; });
        const bool byZbar = std::ranges::find(readings[i].Zbar, expected) != readings[i].Zbar.end();
        zxingRead += byZxing ? 1 : 0;
        zbarRead += byZbar ? 1 : 0;
        if (!byZxing || !byZbar)
            unread += " " + std::to_string(i + 1) + (byZxing ? "" : "/ZXing") + (byZbar ? "" : "/zbar");
    }
    const auto count = static_cast<int>(cells.size());
    EXPECT_EQ(zxingRead, count) << "ZXing-cpp reads " << zxingRead << " of " << count << " cells drawn by "
                                << rasteriser << " at " << dpi << " dpi; unread cells:" << unread;
    EXPECT_EQ(zbarRead, count) << "zbar reads " << zbarRead << " of " << count << " cells drawn by "
                               << rasteriser << " at " << dpi << " dpi; unread cells:" << unread;
    return readings;
}

// The bars of an EAN-13 label in a cut: their first and last dark column along the row halfway down
// the cut's ink, and the top of the first bar, in page pixels; empty when the row is blank.
QRect BarsOf(const QImage& page, const QRect& cut)
{
    const QRect ink = testing::InkIn(page, cut);
    if (ink.isEmpty())
        return {};
    const int y = ink.center().y();
    int left = -1, right = -1;
    for (int x = ink.left(); x <= ink.right(); ++x)
        if (testing::Dark(page, x, y)) {
            left = left < 0 ? x : left;
            right = x;
        }
    if (left < 0)
        return {};
    int top = y;
    while (top > ink.top() && testing::Dark(page, left, top - 1))
        --top;
    return QRect(QPoint(left, top), QPoint(right, y));
}

// Labels on stock: each label's ink lies inside its stock label, the EAN's quiet zones too, and every
// label sits at the same place in its stock label, to half a dot (its bars on the printer's dots) and
// the tolerance: the stock's grid lands where the stock says, wherever the label sits in it.
void CheckStockPlacement(const QImage& page, const std::vector<TCell>& cells,
                         const std::vector<TCellReadings>& readings, bool ean, const std::string& rasteriser,
                         int dpi)
{
    const double tolerance = kPlacementToleranceMm * dpi / kMmPerInch;
    double leastLeft = -1e9, mostLeft = 1e9, leastTop = -1e9, mostTop = 1e9;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const QRectF label = StockLabelAt(cells[i].Frame, dpi);
        ASSERT_FALSE(label.isEmpty()) << Where(i, rasteriser, dpi) << " lies on no label of the stock";
        const QRect ink = testing::InkIn(page, readings[i].Cut);
        const QRectF inkDots(ink.left(), ink.top(), ink.width(), ink.height());
        EXPECT_TRUE(label.adjusted(-tolerance, -tolerance, tolerance, tolerance).contains(inkDots))
            << Where(i, rasteriser, dpi) << ": the ink (" << ink.left() << ", " << ink.top() << ") to ("
            << ink.right() + 1 << ", " << ink.bottom() + 1 << ") dots reaches past its stock label ("
            << label.left() << ", " << label.top() << ") to (" << label.right() << ", " << label.bottom()
            << ")";
        if (!ean)
            continue;
        const QRect bars = BarsOf(page, readings[i].Cut);
        ASSERT_FALSE(bars.isEmpty()) << Where(i, rasteriser, dpi);
        const double barsLeft = bars.left(), barsRight = bars.right() + 1.0;
        const double module = (barsRight - barsLeft) / kEanModules;
        EXPECT_GE(barsLeft - kEanLeftQuietModules * module, label.left() - tolerance)
            << Where(i, rasteriser, dpi) << ": the left quiet zone reaches past the label's cut";
        EXPECT_LE(barsRight + kEanRightQuietModules * module, label.right() + tolerance)
            << Where(i, rasteriser, dpi) << ": the right quiet zone reaches past the label's cut";
        // The offsets that put this label's bars within half a dot and the tolerance of its place.
        const double slack = 0.5 + tolerance;
        leastLeft = std::max(leastLeft, bars.left() - label.left() - slack);
        mostLeft = std::min(mostLeft, bars.left() - label.left() + slack);
        leastTop = std::max(leastTop, bars.top() - label.top() - slack);
        mostTop = std::min(mostTop, bars.top() - label.top() + slack);
    }
    if (ean) {
        EXPECT_LE(leastLeft, mostLeft)
            << "drawn by " << rasteriser << " at " << dpi
            << " dpi, the labels' bars do not follow the stock's columns: they lie " << (leastLeft - mostLeft)
            << " dots further apart than the stock's pitch";
        EXPECT_LE(leastTop, mostTop) << "drawn by " << rasteriser << " at " << dpi
                                     << " dpi, the labels' bars do not follow the stock's rows: they lie "
                                     << (leastTop - mostTop) << " dots further apart than the stock's pitch";
    }
}

TEST_P(RasterMatrix, EveryCellReadsInEveryRasteriser)
{
    const auto& [output, dpi] = GetParam();
    const TMade made = Make(output, dpi);
    const CliRun run = RunCli(made.Args);
    ASSERT_EQ(run.status, 0) << run.err;
    const QString work = FDir.path();

    if (IsPng(output.Output)) {
        // The PNG's own pixels, one per dot, with paper around them as a scanner sees a label alone.
        const QImage label =
            QImage(QString::fromStdString(made.File)).convertToFormat(QImage::Format_Grayscale8);
        ASSERT_FALSE(label.isNull());
        const int margin = dpi / 4;
        QImage paper(label.width() + 2 * margin, label.height() + 2 * margin, QImage::Format_Grayscale8);
        paper.fill(255);
        for (int y = 0; y < label.height(); ++y)
            std::copy_n(label.constScanLine(y), label.width(), paper.scanLine(y + margin) + margin);
        ReadCells(paper, {{.Frame = paper.rect(), .Text = made.Codes.at(0)}}, "its own pixels", dpi, work);
        return;
    }

    const std::vector<TCell> cells = SheetCells(made, dpi);
    ASSERT_FALSE(cells.empty());
    const auto pages = testing::RasterisePdf(QString::fromStdString(made.File), dpi, work);
    for (std::size_t r = 0; r < testing::kRasterisers.size(); ++r) {
        const std::string rasteriser = testing::kRasterisers[r].Name;
        SCOPED_TRACE(rasteriser);
        ASSERT_EQ(pages[r].size(), 1U) << rasteriser << " drew " << pages[r].size() << " pages";
        const QImage& page = pages[r].front();
        const auto readings = ReadCells(page, cells, rasteriser, dpi, work);
        if (OnStock(output.Output))
            CheckStockPlacement(page, cells, readings, output.Output != TOutput::StockQr, rasteriser, dpi);
    }
}

INSTANTIATE_TEST_SUITE_P(Outputs, RasterMatrix,
                         ::testing::Combine(::testing::ValuesIn(kOutputs), ::testing::ValuesIn(kDpis)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).Name) + "_" +
                                    std::to_string(std::get<1>(info.param)) + "dpi";
                         });

// The calibration page drawn at each resolution: the centre of each crosshair, measured to a fraction
// of a dot from the grey of its arms, lies where the page says. The page is drawn for no printer in
// particular, so its thin lines fall between dots: a one-bit rasteriser may move one by a whole dot.
class CalibrationRaster : public ::testing::TestWithParam<int> {};

// The ink-weighted mean of a coordinate over an area of a grey page: along x (columns) or y (rows).
double InkCentre(const QImage& page, const QRect& area, bool alongX)
{
    double weight = 0.0, sum = 0.0;
    const QRect inside = area.intersected(page.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const double ink = (255 - page.constScanLine(y)[x]) / 255.0;
            weight += ink;
            sum += ink * ((alongX ? x : y) + 0.5);
        }
    return weight > 0 ? sum / weight : -1.0;
}

TEST_P(CalibrationRaster, CrosshairsLandWhereThePageSays)
{
    const QString missing = testing::MissingProgram({"gs", "pdftoppm", "mutool"});
    if (!missing.isEmpty())
        GTEST_SKIP() << missing.toStdString() << " is not installed (scripts/setup installs it)";
    QTemporaryDir dir;
    const std::string pdf = dir.filePath("calibration.pdf").toStdString();
    const CliRun run = RunCli({"calibration", "-o", pdf});
    ASSERT_EQ(run.status, 0) << run.err;
    const int dpi = GetParam();
    const double dotsPerMm = dpi / kMmPerInch;
    const auto px = [&](double mm) { return static_cast<int>(std::lround(mm * dotsPerMm)); };
    const auto pages = testing::RasterisePdf(QString::fromStdString(pdf), dpi, dir.path());
    for (std::size_t r = 0; r < testing::kRasterisers.size(); ++r) {
        const testing::TRasteriser& rasteriser = testing::kRasterisers[r];
        ASSERT_EQ(pages[r].size(), 1U) << rasteriser.Name;
        const QImage& page = pages[r].front();
        const double tolerance = kPlacementToleranceMm + (rasteriser.AntiAliased ? 0.0 : 1.0 / dotsPerMm);
        for (const QPointF& cross : CalibrationCrosses(TPaperSize::A4)) {
            // The arms between 2 and 4.5 mm from the centre, clear of the ring; the horizontal arm's rows
            // within 1 mm of it, clear of the caption below; the vertical arm above the centre.
            const int cx = px(cross.x()), cy = px(cross.y());
            const int near = px(2.0), far = px(4.5), band = px(1.0);
            const QRect leftArm(QPoint(cx - far, cy - band), QPoint(cx - near, cy + band));
            const QRect rightArm(QPoint(cx + near, cy - band), QPoint(cx + far, cy + band));
            const QRect upperArm(QPoint(cx - band, cy - far), QPoint(cx + band, cy - near));
            const double yMm =
                (InkCentre(page, leftArm, false) + InkCentre(page, rightArm, false)) / 2 / dotsPerMm;
            const double xMm = InkCentre(page, upperArm, true) / dotsPerMm;
            EXPECT_NEAR(xMm, cross.x(), tolerance) << rasteriser.Name << " at " << dpi << " dpi, cross at "
                                                   << cross.x() << ", " << cross.y() << " mm";
            EXPECT_NEAR(yMm, cross.y(), tolerance) << rasteriser.Name << " at " << dpi << " dpi, cross at "
                                                   << cross.x() << ", " << cross.y() << " mm";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Resolutions, CalibrationRaster, ::testing::ValuesIn(kDpis),
                         [](const auto& info) { return std::to_string(info.param) + "dpi"; });

} // namespace
} // namespace quillon
