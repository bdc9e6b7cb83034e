// Proof on paper: each distinct cell of a sheet drawn by the page renderer at the printer's resolution,
// cut to black and white, and read back.
#include "label/proof/PrintCheck.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <QRegion>
#include <algorithm>
#include <array>
#include <cmath>
#include <compare>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <optional>
#include <utility>
#include <variant>

#include "barcode/Exception.h"
#include "label/compose/StandardLayout.h"
#include "label/proof/PrintedPdf.h"
#include "label/proof/ScanReader.h"
#include "label/proof/ScanRows.h"
#include "label/proof/SymbolScan.h"
#include "report/PageRenderer.h"
#include "report/PainterCanvas.h"
#include "report/Units.h"

namespace quillon {
namespace {

// The paper shown on either side of a label, in its printed modules: the widest quiet zone a linear
// standard asks (EAN-13's 11 modules under the GS1 rules for EAN/UPC) and one more. Whatever lies
// further cannot change a reading.
constexpr int kSurroundModules = 12;
// An upright label is read along this many rows spread evenly over the height of its bars, as a
// scanner's line may cross it anywhere; only those rows are drawn, and the reader tries every one. Twice
// the ten scan lines of an ISO/IEC 15416 grade, so that a label whose bars are mostly covered (the
// classic label's digits and mark leave a few millimetres at their foot) still shows the reader the
// rows a scanner would find.
constexpr int kScanLines = 20;
// Two cells stand side by side in one row of the sheet when they share more than this part of the
// lower one's height; the others are above or below.
constexpr double kSameRowShare = 0.5;
// Stretched labels are scaled by the fraction their frame gives; scales are compared to this part, so
// that only the rounding noise of millimetres is merged.
constexpr double kScaleUnits = 1e9;
// A reading may reach this far past the frame, for the decoder's rounding of the symbol's ends.
constexpr int kReadingSlackPixels = 2;
// The largest cell image drawn: 256 MB in colour.
constexpr long long kMaxCellPixels = 64LL * 1024 * 1024;
// Scanners light the label in red and verifiers measure at 660 nm (ISO/IEC 15416): the reader is given
// the red of each pixel, and cuts it at half (ink that reflects more than half the red light is paper).
constexpr int kRedByte = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? 2 : 1;
constexpr int kHalfReflectance = 128;
constexpr std::uint8_t kInk = 0;
constexpr std::uint8_t kPaper = 255;
constexpr int kBytesPerPixel = 4;
// Bar edges this close to a printer's dot border count as on it: the writers' own rounding of numbers.
constexpr double kOnTheDots = 0.01;

// One image element of the sheet: a printed label cell.
struct TSheetCell {
    const TPlacedElement* Element = nullptr;
    std::int64_t Row = 0;
    QRectF FrameMm{};
    bool Stretch = false;
    TPlacedImage Image{};
};

// A label as the page renderer places it, in whole device pixels of the page.
struct TPlacedLabel {
    std::size_t Index = 0; // the page's cell
    TLabelPlacement Placement{};
    QRect Clip{}; // its printed frame
};

// The rows of a cell's image that are drawn and read: Count rows, Step apart from First.
struct TScanLines {
    int First = 0;
    int Step = 1;
    int Count = 0;
    auto operator<=>(const TScanLines&) const = default;
};

// What one cell's image shows, in device pixels of the page.
struct TCellScene {
    QRect Bounds{}; // the image, on the dot grid
    TScanLines Lines{};
    bool Turned = false;
    // An upright label's bars from the first one's left edge to past the last one's right, and the white
    // its standard asks on either side, in pixels.
    int SymbolLeft = 0;
    int SymbolRight = 0;
    int QuietLeft = 0;
    int QuietRight = 0;
    QRect Paper{};
    // The cell first, then its neighbours in the row.
    std::vector<TPlacedLabel> Shown{};
};

// Everything a cell's image is drawn from, in whole pixels from the image's corner: equal keys, equal
// images.
struct TShownKey {
    std::uintptr_t Drawing = 0;
    std::array<int, 2> Origin{};
    std::array<std::int64_t, 2> Scale{};
    std::array<int, 4> Clip{};
    auto operator<=>(const TShownKey&) const = default;
};

// What a symbol cell should read as, by content: cells of equal drawings and readings print alike.
struct TSymbolKey {
    int Kind = 0;
    std::string Text{};
    std::string Identifier{};
    bool HasReader = true;
    auto operator<=>(const TSymbolKey&) const = default;
};

struct TSceneKey {
    std::array<int, 2> Size{};
    TScanLines Lines{};
    std::array<int, 4> Paper{};
    std::vector<TShownKey> Shown{};
    TBarcodeType Typ = bcCodeEAN13;
    bool Checksum = false;
    bool Turned = false;
    std::optional<std::string> Text{};
    std::optional<char> RightCheckDigit{};
    std::optional<TSymbolKey> Symbol{};
    auto operator<=>(const TSceneKey&) const = default;
};

// A rectangle whose edges lie on whole pixels, as the printed frames do.
QRect WholePixels(const QRectF& rect)
{
    const auto whole = [](double v) { return static_cast<int>(std::lround(v)); };
    return QRect(QPoint(whole(rect.left()), whole(rect.top())),
                 QPoint(whole(rect.right()), whole(rect.bottom())))
        .adjusted(0, 0, -1, -1);
}

std::array<int, 4> Relative(const QRect& rect, const QRect& bounds)
{
    const QRect shown = rect.intersected(bounds);
    if (shown.isEmpty())
        return {};
    return {shown.left() - bounds.left(), shown.top() - bounds.top(), shown.width(), shown.height()};
}

void CheckDpi(int dpi)
{
    if (dpi < kMinVerifyDpi || dpi > kMaxVerifyDpi)
        throw Exception("Verification at " + std::to_string(dpi) + " dpi: the resolution must be " +
                        std::to_string(kMinVerifyDpi) + " to " + std::to_string(kMaxVerifyDpi) + " dpi");
}

QRectF FrameMmOf(const TPlacedElement& element)
{
    const TRectTenths& frame = element.Frame;
    return {frame.Left / kTenthsPerMm, frame.Top / kTenthsPerMm, frame.Width / kTenthsPerMm,
            frame.Height / kTenthsPerMm};
}

std::vector<TSheetCell> CellsOf(const TPreparedPage& page)
{
    std::vector<TSheetCell> cells;
    for (const TPlacedElement& element : page.Elements)
        if (const auto* image = std::get_if<TPlacedImage>(&element.Content))
            cells.push_back({.Element = &element,
                             .Row = image->Row,
                             .FrameMm = FrameMmOf(element),
                             .Stretch = image->Stretch,
                             .Image = *image});
    return cells;
}

std::vector<QRectF> FramesOf(const TPreparedPage& page)
{
    std::vector<QRectF> frames;
    for (const TPlacedElement& element : page.Elements)
        frames.push_back(FrameMmOf(element));
    return frames;
}

bool SameRow(const QRectF& a, const QRectF& b)
{
    const double shared = std::min(a.bottom(), b.bottom()) - std::max(a.top(), b.top());
    return shared > kSameRowShare * std::min(a.height(), b.height());
}

bool Beside(const QRectF& a, const QRectF& b)
{
    return a.left() < b.right() && b.left() < a.right();
}

// The white paper above and below a frame, up to the nearest element printed over or under it (or the
// paper's edge), in millimetres.
std::pair<double, double> GapsAboveAndBelow(const QRectF& frame, const std::vector<QRectF>& frames,
                                            double paperLengthMm)
{
    double above = 0.0;
    double below = paperLengthMm;
    for (const QRectF& other : frames) {
        if (SameRow(frame, other) || !Beside(frame, other))
            continue;
        if (other.center().y() < frame.center().y())
            above = std::max(above, other.bottom());
        else
            below = std::min(below, other.top());
    }
    return {std::max(0.0, frame.top() - above), std::max(0.0, below - frame.bottom())};
}

// Where the label's bars lie, in label units: every filled shape but white ones, with the last row and
// column each covers.
std::optional<QRect> BarBox(const TLabelDrawing& label)
{
    const QPalette palette = QGuiApplication::palette(); // for the system colours
    std::optional<QRect> box;
    for (const TRecordedCall& call : label.Calls) {
        const auto* polygon = std::get_if<TRecordedPolygon>(&call);
        if (polygon == nullptr || polygon->Points.size() < 2 || polygon->Pen.Mode == pmWhite ||
            ToQColor(polygon->Brush.Color, palette) == Qt::white)
            continue;
        for (const TPoint& point : polygon->Points)
            box = box ? box->united(QRect(point.X, point.Y, 1, 1)) : QRect(point.X, point.Y, 1, 1);
    }
    return box;
}

// Lines spread evenly over the rows, each in the middle of its share.
TScanLines SpreadLines(int rows)
{
    if (rows <= kScanLines)
        return {.First = 0, .Step = 1, .Count = std::max(0, rows)};
    const int step = rows / kScanLines;
    return {.First = (rows - (kScanLines - 1) * step) / 2, .Step = step, .Count = kScanLines};
}

// A label drawn by libzint is read whole, in whichever quarter turn it stands, as a turned label is.
bool ReadWhole(const TScanExpectation& expected)
{
    return expected.Turned || expected.Symbol != nullptr;
}

// Whether a reader is asked about the label at all.
bool HasReading(const TScanExpectation& expected)
{
    return expected.Symbol != nullptr ? expected.Symbol->HasReader : expected.Text.has_value();
}

// The paper shown around a label, in its modules. A symbol keeps its quiet zones white inside its
// label, so one module past them shows what borders it, and no whole neighbouring symbol (a small Data
// Matrix is ten modules) comes into the picture to be read in its place.
int SurroundModules(const TScanExpectation& expected)
{
    if (expected.Symbol == nullptr)
        return kSurroundModules;
    const TSymbolKindInfo& info = KindInfo(expected.Symbol->Kind);
    return std::max(info.QuietModulesX, info.QuietModulesY) + 1;
}

std::optional<TSymbolKey> SymbolKeyOf(const TScanExpectation& expected)
{
    if (expected.Symbol == nullptr)
        return std::nullopt;
    const TSymbolExpectation& symbol = *expected.Symbol;
    return TSymbolKey{.Kind = OrdinalOf(symbol.Kind),
                      .Text = symbol.Reading.Text,
                      .Identifier = symbol.Reading.SymbologyIdentifier,
                      .HasReader = symbol.HasReader};
}

// Nothing read: no symbol, or none expected.
TScanResult Unread(const TScanExpectation& expected)
{
    return expected.Symbol != nullptr ? JudgeSymbolReading(std::nullopt, *expected.Symbol)
                                      : JudgeReading(std::nullopt, expected);
}

class TSheetChecker {
public:
    // Cells are found where the page transform puts them: a written page lies on its paper moved and
    // scaled by the printer's calibration.
    TSheetChecker(const TPreparedReport& sheet, const TSheetLabels& labels,
                  std::span<const TScanExpectation> expected, int dpi,
                  std::span<const TPrintedPdfPage* const> written, const TCalibration& calibration)
        : FSheet(sheet), FLabels(labels), FExpected(expected), FDpi(dpi),
          FToDots(PaperTransform({.ResolutionDpi = static_cast<double>(dpi), .Calibration = calibration})),
          FPaper(WholePixels(FToDots.mapRect(
              QRectF(0, 0, sheet.PaperWidthTenths / kTenthsPerMm, sheet.PaperLengthTenths / kTenthsPerMm)))),
          FWritten(written)
    {
    }

    const TLabelDrawing* DrawingOf(std::int64_t row) const
    {
        if (row < 0 || static_cast<std::size_t>(row) >= FLabels.size())
            return nullptr;
        return FLabels[static_cast<std::size_t>(row)].get();
    }

    const TScanExpectation& ExpectedOf(std::int64_t row) const
    {
        return FExpected[static_cast<std::size_t>(row)];
    }

    // The verdict of cell `index` of a page, from the cells already seen where one printed alike. With
    // the written pages, the cell is read from what was written there; else it is drawn as it would be.
    const TPrintVerdict& Judge(std::size_t page, const std::vector<TSheetCell>& cells, std::size_t index,
                               const std::vector<QRectF>& frames)
    {
        const TCellScene scene = SceneOf(cells, index, frames);
        if (!FWritten.empty()) {
            // Every written cell is read: no two print alike but by the pixels, and comparing those costs
            // as much as reading them.
            const TPaintedRows painted = ReadWritten(*FWritten[page], scene);
            FWrittenVerdict = WrittenVerdict(scene, cells, painted);
            ++FWrittenCells;
            return FWrittenVerdict;
        }
        auto [at, added] = FVerdicts.try_emplace(KeyOf(scene, cells));
        if (added)
            at->second = Verdict(scene, cells, Draw(scene, cells));
        return at->second;
    }

    int DistinctCells() const { return static_cast<int>(FVerdicts.size()) + FWrittenCells; }

private:
    TPlacedLabel Place(const std::vector<TSheetCell>& cells, std::size_t index) const
    {
        const TSheetCell& cell = cells[index];
        const TLabelDrawing& label = *DrawingOf(cell.Row);
        const TPlacedCell placed = PlaceInCell(label,
                                               {.FrameMm = cell.FrameMm,
                                                .Image = cell.Image,
                                                .PixelsPerInch = FSheet.PixelsPerInch,
                                                .ToDevice = FToDots,
                                                .DeviceDpi = static_cast<double>(FDpi)},
                                               FDpi);
        return {.Index = index, .Placement = placed.Placement, .Clip = WholePixels(placed.Frame)};
    }

    // The label where it prints with paper a quiet zone wide beside it (and the cells there): an upright
    // label along lines across its bars, a turned one whole, with the white above and below as far as
    // the sheet leaves it.
    TCellScene SceneOf(const std::vector<TSheetCell>& cells, std::size_t index,
                       const std::vector<QRectF>& frames) const
    {
        const TSheetCell& cell = cells[index];
        const TLabelDrawing& label = *DrawingOf(cell.Row);
        const TScanExpectation& expected = ExpectedOf(cell.Row);
        TCellScene scene{.Bounds = {},
                         .Lines = {},
                         .Turned = ReadWhole(expected),
                         .SymbolLeft = 0,
                         .SymbolRight = 0,
                         .QuietLeft = 0,
                         .QuietRight = 0,
                         .Paper = FPaper,
                         .Shown = {Place(cells, index)}};
        const TLabelPlacement& placement = scene.Shown.front().Placement;
        const QRect clip = scene.Shown.front().Clip;
        QRectF ink(placement.Origin,
                   QSizeF(label.Size.width() * placement.ScaleX, label.Size.height() * placement.ScaleY));
        ink = ink.intersected(QRectF(clip));
        if (ink.isEmpty())
            ink = QRectF(QPointF(clip.topLeft()), QSizeF(1.0, 1.0));
        const double reach = SurroundModules(expected) * placement.DotsPerModule * placement.GridStep;
        const int left = static_cast<int>(std::floor(ink.left() - reach));
        const int right = std::max(left + 1, static_cast<int>(std::ceil(ink.right() + reach)));
        const QRect bars = BarsWhereTheyPrint(label, placement);
        const auto [top, bottom] =
            scene.Turned ? SurroundingRows(cell, ink, reach, frames) : RowsOf(bars, clip.intersected(FPaper));
        scene.SymbolLeft = bars.left();
        scene.SymbolRight = bars.right() + 1;
        // A line across the bars reads only with the white its standard asks on both sides.
        const TKindLayout& layout = KindTraits(expected.Typ).Layout;
        scene.QuietLeft = layout.QuietLeftModules * placement.DotsPerModule;
        scene.QuietRight = layout.QuietRightModules * placement.DotsPerModule;
        scene.Bounds = QRect(QPoint(left, top), QPoint(right - 1, std::max(top, bottom - 1)));
        scene.Lines = scene.Turned || bottom <= top ? TScanLines{.First = 0, .Step = 1, .Count = bottom - top}
                                                    : SpreadLines(bottom - top);
        AddNeighbours(scene, cells);
        return scene;
    }

    // The label's bars in device pixels of the page (the whole label when it has none).
    static QRect BarsWhereTheyPrint(const TLabelDrawing& label, const TLabelPlacement& placement)
    {
        const QRect box = BarBox(label).value_or(QRect(QPoint(0, 0), label.Size));
        const auto at = [](double origin, int units, double scale) {
            return static_cast<int>(std::lround(origin + units * scale));
        };
        return QRect(QPoint(at(placement.Origin.x(), box.left(), placement.ScaleX),
                            at(placement.Origin.y(), box.top(), placement.ScaleY)),
                     QPoint(at(placement.Origin.x(), box.right() + 1, placement.ScaleX) - 1,
                            at(placement.Origin.y(), box.bottom() + 1, placement.ScaleY) - 1));
    }

    // The rows of the bars where they print, at least one.
    static std::pair<int, int> RowsOf(const QRect& bars, const QRect& printed)
    {
        const int top = std::max(bars.top(), printed.top());
        const int bottom = std::min(bars.bottom(), printed.bottom()) + 1;
        return bottom > top ? std::pair(top, bottom) : std::pair(printed.top(), printed.top() + 1);
    }

    std::pair<int, int> SurroundingRows(const TSheetCell& cell, const QRectF& ink, double reach,
                                        const std::vector<QRectF>& frames) const
    {
        const auto [aboveMm, belowMm] =
            GapsAboveAndBelow(cell.FrameMm, frames, FSheet.PaperLengthTenths / kTenthsPerMm);
        const QRectF frame = FToDots.mapRect(cell.FrameMm);
        const double top = std::max(ink.top() - reach, frame.top() - aboveMm * FToDots.m22());
        const double bottom = std::min(ink.bottom() + reach, frame.bottom() + belowMm * FToDots.m22());
        const int first = static_cast<int>(std::floor(top));
        return {first, std::max(first + 1, static_cast<int>(std::ceil(bottom)))};
    }

    // Where a placed label may print: its drawing's box, within its printed frame.
    static QRect InkOf(const TPlacedLabel& placed, const TLabelDrawing& label)
    {
        const TLabelPlacement& placement = placed.Placement;
        const QRectF box(placement.Origin, QSizeF(label.Size.width() * placement.ScaleX,
                                                  label.Size.height() * placement.ScaleY));
        return box.toAlignedRect().intersected(placed.Clip);
    }

    // The labels beside the cell in its row that may print within the scene; those above and below stay
    // out, as a reader's line across the bars never meets them.
    void AddNeighbours(TCellScene& scene, const std::vector<TSheetCell>& cells) const
    {
        const TSheetCell& cell = cells[scene.Shown.front().Index];
        for (std::size_t other = 0; other < cells.size(); ++other) {
            if (other == scene.Shown.front().Index || DrawingOf(cells[other].Row) == nullptr ||
                !SameRow(cell.FrameMm, cells[other].FrameMm))
                continue;
            TPlacedLabel placed = Place(cells, other);
            if (InkOf(placed, *DrawingOf(cells[other].Row)).intersects(scene.Bounds))
                scene.Shown.push_back(placed);
        }
    }

    TSceneKey KeyOf(const TCellScene& scene, const std::vector<TSheetCell>& cells) const
    {
        const TScanExpectation& expected = ExpectedOf(cells[scene.Shown.front().Index].Row);
        TSceneKey key{.Size = {scene.Bounds.width(), scene.Bounds.height()},
                      .Lines = scene.Lines,
                      .Paper = Relative(scene.Paper, scene.Bounds),
                      .Shown = {},
                      .Typ = expected.Typ,
                      .Checksum = expected.Checksum,
                      .Turned = expected.Turned,
                      .Text = expected.Text,
                      .RightCheckDigit = expected.RightCheckDigit,
                      .Symbol = SymbolKeyOf(expected)};
        const auto scale = [](double v) { return std::llround(v * kScaleUnits); };
        for (const TPlacedLabel& shown : scene.Shown) {
            const TLabelPlacement& placement = shown.Placement;
            key.Shown.push_back(
                {.Drawing = reinterpret_cast<std::uintptr_t>(DrawingOf(cells[shown.Index].Row)),
                 .Origin = {static_cast<int>(std::lround(placement.Origin.x())) - scene.Bounds.left(),
                            static_cast<int>(std::lround(placement.Origin.y())) - scene.Bounds.top()},
                 .Scale = {scale(placement.ScaleX), scale(placement.ScaleY)},
                 .Clip = Relative(shown.Clip, scene.Bounds)});
        }
        return key;
    }

    // The scene's lines painted by the page renderer, as the printer gets them: the image holds the
    // scene's every row, of which only the lines are drawn.
    QImage Draw(const TCellScene& scene, const std::vector<TSheetCell>& cells)
    {
        const QRect& bounds = scene.Bounds;
        if (static_cast<long long>(bounds.width()) * bounds.height() > kMaxCellPixels)
            throw Exception("Cell of " + std::to_string(bounds.width()) + " x " +
                            std::to_string(bounds.height()) + " pixels is too large to verify at " +
                            std::to_string(FDpi) + " dpi");
        FCanvas.resize(static_cast<std::size_t>(bounds.width()) * static_cast<std::size_t>(bounds.height()));
        QImage image(reinterpret_cast<uchar*>(FCanvas.data()), bounds.width(), bounds.height(),
                     static_cast<qsizetype>(bounds.width()) * kBytesPerPixel, QImage::Format_RGB32);
        TPreparedReport shown{.Pages = {TPreparedPage{}},
                              .PaperSize = FSheet.PaperSize,
                              .Orientation = FSheet.Orientation,
                              .PaperWidthTenths = FSheet.PaperWidthTenths,
                              .PaperLengthTenths = FSheet.PaperLengthTenths,
                              .PixelsPerInch = FSheet.PixelsPerInch};
        TSheetLabels drawings;
        for (const TPlacedLabel& placed : scene.Shown) {
            const TSheetCell& cell = cells[placed.Index];
            // The element as placed, its picture the scene's own numbering.
            TPlacedElement element = *cell.Element;
            std::get<TPlacedImage>(element.Content).Row = static_cast<std::int64_t>(drawings.size());
            shown.Pages.front().Elements.push_back(std::move(element));
            drawings.push_back(FLabels[static_cast<std::size_t>(cell.Row)]);
        }
        TScanRowInk ink(image);
        QPainter painter(&image);
        const TScanLines& lines = scene.Lines;
        if (lines.Step > 1 || lines.Count < bounds.height()) {
            QRegion drawn;
            for (int line = 0; line < lines.Count; ++line)
                drawn += QRect(0, lines.First + line * lines.Step, bounds.width(), 1);
            painter.setClipRegion(drawn);
        }
        // Off the paper lies no paper: its edge ends a quiet zone as the next label would.
        painter.fillRect(image.rect(), Qt::black);
        painter.fillRect(scene.Paper.translated(-bounds.topLeft()), Qt::white);
        RenderPage(painter, shown, 0, {},
                   {.ResolutionDpi = static_cast<double>(FDpi),
                    .PaperOriginPixels = QPointF(-bounds.left(), -bounds.top()),
                    .DrawPicture = LabelDrawer(std::move(drawings), FDpi, FFonts, &ink)});
        return image;
    }

    // The scene's lines as the page was written, in the canvas; the rest of the image unset.
    TPaintedRows ReadWritten(const TPrintedPdfPage& page, const TCellScene& scene)
    {
        const QRect& bounds = scene.Bounds;
        if (static_cast<long long>(bounds.width()) * bounds.height() > kMaxCellPixels)
            throw Exception("Cell of " + std::to_string(bounds.width()) + " x " +
                            std::to_string(bounds.height()) + " pixels is too large to verify at " +
                            std::to_string(FDpi) + " dpi");
        // Only the lines are painted and read: the rest of the canvas is left as it was, not cleared.
        const std::size_t pixels =
            static_cast<std::size_t>(bounds.width()) * static_cast<std::size_t>(bounds.height());
        if (FCanvas.size() < pixels)
            FCanvas.resize(pixels);
        QImage image(reinterpret_cast<uchar*>(FCanvas.data()), bounds.width(), bounds.height(),
                     static_cast<qsizetype>(bounds.width()) * kBytesPerPixel, QImage::Format_RGB32);
        return page.Paint(image, bounds,
                          {.First = scene.Lines.First, .Step = scene.Lines.Step, .Count = scene.Lines.Count},
                          QRectF(scene.Paper));
    }

    // A cell read from the written page: bars off the printer's dots fail it however it reads, since a
    // printer then inks a dot more or less of every bar than the label was made with.
    TPrintVerdict WrittenVerdict(const TCellScene& scene, const std::vector<TSheetCell>& cells,
                                 const TPaintedRows& painted)
    {
        const QRect& bounds = scene.Bounds;
        const QImage image(reinterpret_cast<const uchar*>(FCanvas.data()), bounds.width(), bounds.height(),
                           static_cast<qsizetype>(bounds.width()) * kBytesPerPixel, QImage::Format_RGB32);
        TPrintVerdict verdict = Verdict(scene, cells, image);
        if (painted.OffGridDots > kOnTheDots && verdict.Reason.Empty())
            verdict.Reason = OffTheDotsMessage(painted.OffGridDots, FDpi);
        return verdict;
    }

    TPrintVerdict Verdict(const TCellScene& scene, const std::vector<TSheetCell>& cells, const QImage& image)
    {
        const TSheetCell& cell = cells[scene.Shown.front().Index];
        const TScanExpectation& expected = ExpectedOf(cell.Row);
        // A symbol that reaches into the next cell is not this label's.
        const QRect frame = scene.Shown.front().Clip.translated(-scene.Bounds.topLeft());
        const auto inFrame = [&](int left, int right) {
            return left >= frame.left() - kReadingSlackPixels &&
                   right <= frame.right() + 1 + kReadingSlackPixels;
        };
        TPrintVerdict verdict{};
        if (expected.Symbol != nullptr) {
            std::optional<TSymbolReading> reading = ReadSymbol(InkAndPaper(image), expected.Symbol->Kind);
            if (reading && !inFrame(reading->Left, reading->Right))
                reading.reset();
            verdict.Scan = JudgeSymbolReading(reading, *expected.Symbol);
        } else {
            std::optional<TReading> reading =
                scene.Turned ? ReadTurned(image, expected) : ReadLines(image, scene, expected);
            if (reading && !inFrame(reading->Left, reading->Right))
                reading.reset();
            verdict.Scan = JudgeReading(reading, expected);
        }
        if (verdict.Scan.Outcome != TScanOutcome::Matches)
            verdict.Reason = ReasonFor(verdict.Scan, cell, *DrawingOf(cell.Row));
        return verdict;
    }

    // The image in black and white, a byte a dot. ZXing's cut at half grey does not turn a picture of
    // several bytes a pixel, so a reader that turns the picture is given the dots as bytes.
    TGreyView InkAndPaper(const QImage& image)
    {
        const int width = image.width();
        FLines.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(image.height()));
        std::uint8_t* dot = FLines.data();
        for (int y = 0; y < image.height(); ++y)
            for (const QRgb pixel : std::span(reinterpret_cast<const QRgb*>(image.constScanLine(y)),
                                              static_cast<std::size_t>(width)))
                *dot++ = qRed(pixel) < kHalfReflectance ? kInk : kPaper;
        return {.Pixels = FLines.data(), .Width = width, .Height = image.height(), .BytesPerLine = width};
    }

    // A turned label, drawn whole, read by a reader that turns it.
    std::optional<TReading> ReadTurned(const QImage& image, const TScanExpectation& expected)
    {
        return ReadGrey(InkAndPaper(image), {.Typ = expected.Typ,
                                             .Checksum = expected.Checksum,
                                             .Turned = true,
                                             .Formats = TReaderFormats::KindOnly});
    }

    // The scan lines with the white their standard asks on both sides of the bars, each a line the
    // reader tries on its own: a line without it is no reading, however well its bars decode. When every
    // line has it, the reader is shown the lines where they were drawn; else the red of those that have.
    std::optional<TReading> ReadLines(const QImage& image, const TCellScene& scene,
                                      const TScanExpectation& expected)
    {
        const TScanLines& lines = scene.Lines;
        const int width = image.width();
        const int symbolLeft = scene.SymbolLeft - scene.Bounds.left();
        const int symbolRight = scene.SymbolRight - scene.Bounds.left();
        const auto rowOf = [&](int line) {
            return reinterpret_cast<const QRgb*>(image.constScanLine(lines.First + line * lines.Step));
        };
        const auto quiet = [&](int line) {
            const QRgb* row = rowOf(line);
            const auto white = [&](int from, int to) {
                for (int x = std::max(0, from); x < std::min(width, to); ++x)
                    if (qRed(row[x]) < kHalfReflectance)
                        return false;
                return true;
            };
            return white(symbolLeft - scene.QuietLeft, symbolLeft) &&
                   white(symbolRight, symbolRight + scene.QuietRight);
        };
        std::vector<int> quietLines;
        for (int line = 0; line < lines.Count; ++line)
            if (quiet(line))
                quietLines.push_back(line);
        if (quietLines.empty())
            return std::nullopt;
        const TReaderSetup setup{.Typ = expected.Typ,
                                 .Checksum = expected.Checksum,
                                 .Turned = false,
                                 .Formats = TReaderFormats::KindOnly,
                                 .TwoLevels = true,
                                 .EveryLine = true};
        const auto rowBytes = static_cast<int>(image.bytesPerLine());
        if (static_cast<int>(quietLines.size()) == lines.Count)
            return ReadGrey({.Pixels = image.constBits() + lines.First * rowBytes + kRedByte,
                             .Width = width,
                             .Height = lines.Count,
                             .BytesPerLine = lines.Step * rowBytes,
                             .BytesPerPixel = kBytesPerPixel},
                            setup);
        FLines.resize(quietLines.size() * static_cast<std::size_t>(width));
        std::uint8_t* red = FLines.data();
        for (const int line : quietLines)
            for (const QRgb pixel : std::span(rowOf(line), static_cast<std::size_t>(width)))
                *red++ = static_cast<std::uint8_t>(qRed(pixel));
        return ReadGrey({.Pixels = FLines.data(),
                         .Width = width,
                         .Height = static_cast<int>(quietLines.size()),
                         .BytesPerLine = width,
                         .BytesPerPixel = 1},
                        setup);
    }

    TLabelMessage ReasonFor(const TScanResult& scan, const TSheetCell& cell, const TLabelDrawing& label) const
    {
        if (scan.RightCheckDigit)
            return {TMessageCode::CheckDigitShould, {std::string(1, *scan.RightCheckDigit)}};
        if (!cell.Stretch) {
            const TCellFit fit = CheckLabelFits(LabelSizeMm(label), cell.FrameMm.size());
            if (!fit.Fits)
                return fit.Message;
        }
        const std::string dpi = std::to_string(FDpi);
        const TScanExpectation& expected = ExpectedOf(cell.Row);
        // GS1 data read under another symbology identifier: the text alone would not tell why.
        if (scan.Outcome == TScanOutcome::ReadsOther && scan.Decoded == scan.Expected && expected.Symbol)
            return {TMessageCode::ReadsNotGs1At,
                    {scan.Decoded, scan.Format, dpi, expected.Symbol->Reading.SymbologyIdentifier}};
        if (scan.Outcome == TScanOutcome::ReadsOther)
            return {TMessageCode::ReadsOtherAt, {scan.Decoded, dpi, scan.Expected}};
        return {cell.Stretch ? TMessageCode::DoesNotScanStretchedAt : TMessageCode::DoesNotScanAt, {dpi}};
    }

    const TPreparedReport& FSheet;
    const TSheetLabels& FLabels;
    std::span<const TScanExpectation> FExpected;
    int FDpi = 600;
    QTransform FToDots{}; // millimetres of the sheet to dots of the page
    QRect FPaper{};       // the paper, in whole pixels
    std::map<TSceneKey, TPrintVerdict> FVerdicts{};
    std::span<const TPrintedPdfPage* const> FWritten{};
    TPrintVerdict FWrittenVerdict{}; // the last cell read from a written page
    int FWrittenCells = 0;
    std::vector<std::uint32_t> FCanvas{}; // the pixels of the scene being drawn, reused scene after scene
    std::vector<std::uint8_t> FLines{};   // the red of the lines read
    std::shared_ptr<TLabelFonts> FFonts = BorrowLabelFonts();
};

enum class TStop : std::uint8_t { Never, AtFirstFailure };

struct TSheetRun {
    TSheetVerification Verification{};
    std::optional<TScanResult> Read{}; // a reading of a cell that read as it should
};

TSheetRun Run(const TPreparedReport& sheet, const TSheetLabels& labels,
              std::span<const TScanExpectation> expected, int dpi, TStop stop,
              std::span<const TPrintedPdfPage* const> written = {}, const TCalibration& calibration = {})
{
    CheckDpi(dpi);
    if (labels.size() != expected.size())
        throw Exception("Verification needs one reading for each of the " + std::to_string(labels.size()) +
                        " label rows, not " + std::to_string(expected.size()));
    if (!written.empty() && written.size() != sheet.Pages.size())
        throw Exception("Verification needs each of the sheet's " + std::to_string(sheet.Pages.size()) +
                        " pages as written, not " + std::to_string(written.size()));
    TSheetChecker checker(sheet, labels, expected, dpi, written, calibration);
    TSheetRun run{.Verification = {.Dpi = dpi}, .Read = {}};
    TSheetVerification& result = run.Verification;
    for (std::size_t page = 0; page < sheet.Pages.size(); ++page) {
        const std::vector<TSheetCell> cells = CellsOf(sheet.Pages[page]);
        const std::vector<QRectF> frames = FramesOf(sheet.Pages[page]);
        for (std::size_t index = 0; index < cells.size(); ++index) {
            const std::int64_t row = cells[index].Row;
            if (checker.DrawingOf(row) == nullptr)
                continue; // printed from its bitmap, which the renderer scales: nothing recorded to verify
            ++result.Labels;
            if (!HasReading(checker.ExpectedOf(row)))
                continue;
            ++result.Checked;
            const TPrintVerdict& verdict = checker.Judge(page, cells, index, frames);
            if (verdict.Reason.Empty()) {
                ++result.ReadBack;
                run.Read = verdict.Scan;
                continue;
            }
            result.Failures.push_back(
                {.Page = page, .Row = row, .Scan = verdict.Scan, .Reason = verdict.Reason});
            if (stop == TStop::AtFirstFailure) {
                result.DistinctCells = checker.DistinctCells();
                return run;
            }
        }
    }
    result.DistinctCells = checker.DistinctCells();
    return run;
}

} // namespace

TSheetVerification VerifySheet(const TPreparedReport& sheet, const TSheetLabels& labels,
                               std::span<const TScanExpectation> expected, int dpi)
{
    return Run(sheet, labels, expected, dpi, TStop::Never).Verification;
}

TSheetVerification VerifyWrittenSheet(const TPreparedReport& sheet, const TSheetLabels& labels,
                                      std::span<const TScanExpectation> expected, int dpi,
                                      std::span<const TPrintedPdfPage* const> written,
                                      const TCalibration& calibration)
{
    if (written.empty())
        throw Exception("Verification of a written sheet needs its pages");
    return Run(sheet, labels, expected, dpi, TStop::Never, written, calibration).Verification;
}

TLabelMessage OffTheDotsMessage(double offDots, int dpi)
{
    std::array<char, 16> off{};
    std::snprintf(off.data(), off.size(), "%.2f", offDots);
    return {TMessageCode::OffTheDots, {off.data(), std::to_string(dpi)}};
}

std::string VerificationSummary(const TSheetVerification& verification)
{
    const int notChecked = verification.Labels - verification.Checked;
    if (verification.Checked == 0)
        return std::to_string(notChecked) + " labels not checked: no reader for their kind";
    std::string summary = std::to_string(verification.ReadBack) + " of " +
                          std::to_string(verification.Checked) + " labels read back at " +
                          std::to_string(verification.Dpi) + " dpi";
    if (notChecked > 0)
        summary += ", " + std::to_string(notChecked) + " not checked";
    return summary;
}

TPrintVerdict VerifyLabelOnSheet(const TLabelDrawing& label, const TBarcode& barcode,
                                 const TPreparedReport& sheet, int dpi)
{
    return VerifyLabelOnSheet(label, ExpectScan(barcode), sheet, dpi);
}

TPrintVerdict VerifyLabelOnSheet(const TLabelDrawing& label, const TScanExpectation& expected,
                                 const TPreparedReport& sheet, int dpi)
{
    std::int64_t rows = 0;
    for (const TPreparedPage& page : sheet.Pages)
        for (const TSheetCell& cell : CellsOf(page))
            rows = std::max(rows, cell.Row + 1);
    const TSheetLabels labels(static_cast<std::size_t>(rows), std::make_shared<const TLabelDrawing>(label));
    const std::vector<TScanExpectation> readings(static_cast<std::size_t>(rows), expected);
    const TSheetRun run = Run(sheet, labels, readings, dpi, TStop::AtFirstFailure);
    if (!run.Verification.Failures.empty()) {
        const TCellFailure& failure = run.Verification.Failures.front();
        return {.Scan = failure.Scan, .Reason = failure.Reason};
    }
    if (run.Read)
        return {.Scan = *run.Read, .Reason = {}};
    const TScanResult nothing = Unread(expected);
    return {.Scan = nothing,
            .Reason = nothing.Outcome == TScanOutcome::NoReader
                          ? TLabelMessage{}
                          : TLabelMessage{TMessageCode::NothingPrinted, {}}};
}

TScanResult CheckScanOnSheet(const TLabelDrawing& label, const TBarcode& barcode,
                             const TPreparedReport& sheet, int dpi)
{
    return VerifyLabelOnSheet(label, barcode, sheet, dpi).Scan;
}

TPrintVerdict VerifyLabelAlone(const TLabelDrawing& label, const TBarcode& barcode, int dpi)
{
    const QSizeF size = LabelSizeMm(label);
    // Paper on every side wider than any quiet zone, since a label is many modules wide; the frame
    // leaves room on the right and below for whole dots that make the label a little larger.
    const double marginMm = std::max(size.width(), size.height());
    TPreparedReport sheet{.Pages = {TPreparedPage{}},
                          .PaperSize = TPaperSize::Custom,
                          .Orientation = TOrientation::Portrait,
                          .PaperWidthTenths = (size.width() + 2 * marginMm) * kTenthsPerMm,
                          .PaperLengthTenths = (size.height() + 2 * marginMm) * kTenthsPerMm,
                          .PixelsPerInch = static_cast<int>(std::lround(label.UnitsPerInch))};
    sheet.Pages.front().Elements.push_back(
        {.Frame = {.Left = marginMm * kTenthsPerMm,
                   .Top = marginMm * kTenthsPerMm,
                   .Width = (size.width() + marginMm) * kTenthsPerMm,
                   .Height = (size.height() + marginMm) * kTenthsPerMm},
         .Content = TPlacedImage{.Row = 0, .Stretch = false, .InsetTenths = 0.0}});
    return VerifyLabelOnSheet(label, barcode, sheet, dpi);
}

} // namespace quillon
