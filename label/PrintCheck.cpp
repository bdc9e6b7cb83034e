// Proof on paper: each distinct cell of a sheet drawn by the page renderer at the printer's resolution,
// cut to black and white, and read back.
#include "label/PrintCheck.h"

#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>
#include <compare>
#include <map>
#include <memory>
#include <optional>
#include <utility>
#include <variant>

#include "barcode/Exception.h"
#include "label/ScanReader.h"
#include "label/StandardLayout.h"
#include "report/PageRenderer.h"
#include "report/Units.h"

namespace quillon {
namespace {

// The paper shown on either side of a label, in its printed modules: the widest quiet zone a linear
// standard asks (EAN-13's 11 modules under the GS1 rules for EAN/UPC) and one more. Whatever lies
// further cannot change a reading.
constexpr int kSurroundModules = 12;
// Two cells stand side by side in one row of the sheet when they share more than this part of the
// lower one's height; the others are above or below.
constexpr double kSameRowShare = 0.5;
// Cell geometry is compared in millionths of a device pixel: only the rounding noise of millimetres is
// merged, so cells that compare equal print dot for dot alike.
constexpr double kKeyUnitsPerPixel = 1e6;
// A reading may reach this far past the frame, for the decoder's rounding of the symbol's ends.
constexpr int kReadingSlackPixels = 2;
// Scanners light the label in red and verifiers measure at 660 nm (ISO/IEC 15416): ink that reflects
// more than half the red light is paper to them, the rest a printed dot.
constexpr int kHalfReflectance = 128;
constexpr std::uint8_t kInk = 0;
constexpr std::uint8_t kPaper = 255;
// The largest cell image drawn: 256 MB in colour.
constexpr long long kMaxCellPixels = 64LL * 1024 * 1024;

// One image element of the sheet: a printed label cell.
struct TSheetCell {
    const TPlacedElement* Element = nullptr;
    std::int64_t Row = 0;
    QRectF FrameMm{};
    bool Stretch = false;
    bool Center = false;
};

// What one cell's image shows, in device pixels of the page.
struct TCellScene {
    int Left = 0; // the image's corner, on the dot grid
    int Top = 0;
    int Width = 0;
    int Height = 0;
    QRectF FramePixels{}; // the cell's frame
    // The cell first, then its neighbours in the row: indices of the page's cells.
    std::vector<std::size_t> Shown{};
};

// The cell's image as it prints, up to the rounding noise of millimetres: equal keys, equal images.
struct TShownKey {
    std::uintptr_t Drawing = 0;
    std::array<std::int64_t, 4> Frame{}; // from the image's corner
    bool Stretch = false;
    bool Center = false;
    auto operator<=>(const TShownKey&) const = default;
};

struct TSceneKey {
    int Width = 0;
    int Height = 0;
    std::array<std::int64_t, 4> Paper{};
    std::vector<TShownKey> Shown{};
    TBarcodeType Typ = bcCodeEAN13;
    bool Checksum = false;
    bool Turned = false;
    std::optional<std::string> Text{};
    std::optional<char> RightCheckDigit{};
    auto operator<=>(const TSceneKey&) const = default;
};

double Pixels(double mm, int dpi)
{
    return mm * dpi / kMmPerInch;
}

QRectF PixelsOf(const QRectF& mm, int dpi)
{
    return {Pixels(mm.left(), dpi), Pixels(mm.top(), dpi), Pixels(mm.width(), dpi), Pixels(mm.height(), dpi)};
}

std::array<std::int64_t, 4> Quantised(const QRectF& pixels, double left, double top)
{
    const auto unit = [](double v) { return std::llround(v * kKeyUnitsPerPixel); };
    return {unit(pixels.left() - left), unit(pixels.top() - top), unit(pixels.width()),
            unit(pixels.height())};
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
                             .Center = image->Center});
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

// The size of the bitmap a row's picture would have: the label at its true size in screen pixels.
QSize PictureSizeOf(const TLabelDrawing& label, int pixelsPerInch)
{
    const double scale = pixelsPerInch / (label.UnitsPerInch > 0 ? label.UnitsPerInch : pixelsPerInch);
    return {std::max(1, static_cast<int>(std::lround(label.Size.width() * scale))),
            std::max(1, static_cast<int>(std::lround(label.Size.height() * scale)))};
}

// Where the page renderer puts a row's picture in its frame, as it does for the bitmap it stands for.
QRectF TargetMm(const TSheetCell& cell, QSize picture, int pixelsPerInch)
{
    if (cell.Stretch)
        return cell.FrameMm;
    const QSizeF size(picture.width() * kMmPerInch / pixelsPerInch,
                      picture.height() * kMmPerInch / pixelsPerInch);
    if (!cell.Center)
        return {cell.FrameMm.topLeft(), size};
    return {cell.FrameMm.center() - QPointF(size.width() / 2.0, size.height() / 2.0), size};
}

QImage CellImage(QSize size, QImage::Format format)
{
    QImage image(size, format);
    if (image.isNull())
        throw Exception("Cell of " + std::to_string(size.width()) + " x " + std::to_string(size.height()) +
                        " pixels cannot be allocated");
    return image;
}

class TSheetChecker {
public:
    TSheetChecker(const TPreparedReport& sheet, const TSheetLabels& labels,
                  std::span<const TScanExpectation> expected, int dpi)
        : FSheet(sheet), FLabels(labels), FExpected(expected), FDpi(dpi)
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

    // The verdict of cell `index` of a page, from the cells already seen where one printed alike.
    const TPrintVerdict& Judge(const std::vector<TSheetCell>& cells, std::size_t index,
                               const std::vector<QRectF>& frames)
    {
        const TCellScene scene = SceneOf(cells, index, frames);
        auto [at, added] = FVerdicts.try_emplace(KeyOf(scene, cells));
        if (added)
            at->second = Verdict(scene, cells);
        return at->second;
    }

    int DistinctCells() const { return static_cast<int>(FVerdicts.size()); }

private:
    TLabelPlacement PlacementOf(const TSheetCell& cell, const TLabelDrawing& label) const
    {
        const QSize picture = PictureSizeOf(label, FSheet.PixelsPerInch);
        const TPictureCell device{.Row = cell.Row,
                                  .PicturePixels = QSizeF(picture),
                                  .Target = PixelsOf(TargetMm(cell, picture, FSheet.PixelsPerInch), FDpi),
                                  .Frame = PixelsOf(cell.FrameMm, FDpi),
                                  .Stretch = cell.Stretch,
                                  .DeviceDpi = static_cast<double>(FDpi)};
        return PlaceLabel(label, device, FDpi);
    }

    // The label where it prints, with paper a quiet zone wide beside it (and the cells there), and the
    // white above and below as far as the sheet leaves it.
    TCellScene SceneOf(const std::vector<TSheetCell>& cells, std::size_t index,
                       const std::vector<QRectF>& frames) const
    {
        const TSheetCell& cell = cells[index];
        const TLabelDrawing& label = *DrawingOf(cell.Row);
        const TLabelPlacement placement = PlacementOf(cell, label);
        const QRectF frame = PixelsOf(cell.FrameMm, FDpi);
        QRectF ink(placement.Origin,
                   QSizeF(label.Size.width() * placement.ScaleX, label.Size.height() * placement.ScaleY));
        ink = ink.intersected(frame);
        if (ink.isEmpty())
            ink = QRectF(frame.topLeft(), QSizeF(1.0, 1.0));
        const double reach = kSurroundModules * placement.DotsPerModule * placement.GridStep;
        const auto [aboveMm, belowMm] =
            GapsAboveAndBelow(cell.FrameMm, frames, FSheet.PaperLengthTenths / 10.0);
        const double top = std::max(ink.top() - reach, frame.top() - Pixels(aboveMm, FDpi));
        const double bottom = std::min(ink.bottom() + reach, frame.bottom() + Pixels(belowMm, FDpi));
        TCellScene scene{.Left = static_cast<int>(std::floor(ink.left() - reach)),
                         .Top = static_cast<int>(std::floor(top)),
                         .Width = 0,
                         .Height = 0,
                         .FramePixels = frame,
                         .Shown = {index}};
        scene.Width = std::max(1, static_cast<int>(std::ceil(ink.right() + reach)) - scene.Left);
        scene.Height = std::max(1, static_cast<int>(std::ceil(bottom)) - scene.Top);
        AddNeighbours(scene, cells);
        return scene;
    }

    // The labels beside the cell in its row that reach into the scene; those above and below stay out,
    // as a reader's line across the bars never meets them.
    void AddNeighbours(TCellScene& scene, const std::vector<TSheetCell>& cells) const
    {
        const TSheetCell& cell = cells[scene.Shown.front()];
        for (std::size_t other = 0; other < cells.size(); ++other) {
            const QRectF otherFrame = PixelsOf(cells[other].FrameMm, FDpi);
            if (other != scene.Shown.front() && DrawingOf(cells[other].Row) != nullptr &&
                SameRow(cell.FrameMm, cells[other].FrameMm) && otherFrame.right() > scene.Left &&
                otherFrame.left() < scene.Left + scene.Width)
                scene.Shown.push_back(other);
        }
    }

    QRectF PaperPixels(const TCellScene& scene) const
    {
        return {-static_cast<double>(scene.Left), -static_cast<double>(scene.Top),
                Pixels(FSheet.PaperWidthTenths / kTenthsPerMm, FDpi),
                Pixels(FSheet.PaperLengthTenths / kTenthsPerMm, FDpi)};
    }

    TSceneKey KeyOf(const TCellScene& scene, const std::vector<TSheetCell>& cells) const
    {
        const TScanExpectation& expected = ExpectedOf(cells[scene.Shown.front()].Row);
        TSceneKey key{.Width = scene.Width,
                      .Height = scene.Height,
                      .Paper = Quantised(
                          PaperPixels(scene).intersected(QRectF(0, 0, scene.Width, scene.Height)), 0.0, 0.0),
                      .Shown = {},
                      .Typ = expected.Typ,
                      .Checksum = expected.Checksum,
                      .Turned = expected.Turned,
                      .Text = expected.Text,
                      .RightCheckDigit = expected.RightCheckDigit};
        for (const std::size_t index : scene.Shown) {
            const TSheetCell& cell = cells[index];
            key.Shown.push_back({.Drawing = reinterpret_cast<std::uintptr_t>(DrawingOf(cell.Row)),
                                 .Frame = Quantised(PixelsOf(cell.FrameMm, FDpi), scene.Left, scene.Top),
                                 .Stretch = cell.Stretch,
                                 .Center = cell.Center});
        }
        return key;
    }

    // The cells of the scene painted by the page renderer, as the printer gets them.
    QImage Draw(const TCellScene& scene, const std::vector<TSheetCell>& cells) const
    {
        if (static_cast<long long>(scene.Width) * scene.Height > kMaxCellPixels)
            throw Exception("Cell of " + std::to_string(scene.Width) + " x " + std::to_string(scene.Height) +
                            " pixels is too large to verify at " + std::to_string(FDpi) + " dpi");
        QImage image = CellImage(QSize(scene.Width, scene.Height), QImage::Format_RGB32);
        TPreparedReport shown{.Pages = {TPreparedPage{}},
                              .PaperSize = FSheet.PaperSize,
                              .Orientation = FSheet.Orientation,
                              .PaperWidthTenths = FSheet.PaperWidthTenths,
                              .PaperLengthTenths = FSheet.PaperLengthTenths,
                              .PixelsPerInch = FSheet.PixelsPerInch};
        TSheetLabels drawings;
        std::vector<QImage> pictures; // stand-ins for the bitmaps: the drawer paints every one
        for (const std::size_t index : scene.Shown) {
            const TSheetCell& cell = cells[index];
            // The element as placed, its picture the scene's own numbering.
            TPlacedElement element = *cell.Element;
            std::get<TPlacedImage>(element.Content).Row = static_cast<std::int64_t>(drawings.size());
            shown.Pages.front().Elements.push_back(std::move(element));
            drawings.push_back(FLabels[static_cast<std::size_t>(cell.Row)]);
            pictures.emplace_back(PictureSizeOf(*drawings.back(), FSheet.PixelsPerInch), QImage::Format_Mono);
        }
        // Off the paper lies no paper: its edge ends a quiet zone as the next label would.
        image.fill(Qt::black);
        {
            QPainter painter(&image);
            painter.fillRect(PaperPixels(scene), Qt::white);
            RenderPage(painter, shown, 0, pictures,
                       {.ResolutionDpi = static_cast<double>(FDpi),
                        .PaperOriginPixels = QPointF(-scene.Left, -scene.Top),
                        .DrawPicture = LabelDrawer(std::move(drawings), FDpi)});
        }
        return AsScannerSeesIt(image);
    }

    // Black and white, as the printer's dots under the scanner's red light.
    static QImage AsScannerSeesIt(const QImage& colour)
    {
        QImage dots = CellImage(colour.size(), QImage::Format_Grayscale8);
        for (int y = 0; y < colour.height(); ++y) {
            const auto* in = reinterpret_cast<const QRgb*>(colour.constScanLine(y));
            std::uint8_t* out = dots.scanLine(y);
            for (int x = 0; x < colour.width(); ++x)
                out[x] = qRed(in[x]) < kHalfReflectance ? kInk : kPaper;
        }
        return dots;
    }

    TPrintVerdict Verdict(const TCellScene& scene, const std::vector<TSheetCell>& cells) const
    {
        const TSheetCell& cell = cells[scene.Shown.front()];
        const TScanExpectation& expected = ExpectedOf(cell.Row);
        const QImage image = Draw(scene, cells);
        std::optional<TReading> reading = ReadGrey({.Pixels = image.constBits(),
                                                    .Width = image.width(),
                                                    .Height = image.height(),
                                                    .BytesPerLine = static_cast<int>(image.bytesPerLine())},
                                                   {.Typ = expected.Typ,
                                                    .Checksum = expected.Checksum,
                                                    .Turned = expected.Turned,
                                                    .Formats = TReaderFormats::KindOnly});
        // A symbol that reaches into the next cell is not this label's.
        const QRectF frame = scene.FramePixels.translated(-scene.Left, -scene.Top);
        if (reading && (reading->Left < frame.left() - kReadingSlackPixels ||
                        reading->Right > frame.right() + kReadingSlackPixels))
            reading.reset();
        TPrintVerdict verdict{.Scan = JudgeReading(reading, expected), .Reason = {}};
        if (verdict.Scan.Outcome != TScanOutcome::Matches)
            verdict.Reason = ReasonFor(verdict.Scan, cell, *DrawingOf(cell.Row));
        return verdict;
    }

    std::string ReasonFor(const TScanResult& scan, const TSheetCell& cell, const TLabelDrawing& label) const
    {
        if (scan.RightCheckDigit)
            return CheckDigitMessage(*scan.RightCheckDigit);
        if (!cell.Stretch) {
            const TCellFit fit = CheckLabelFits(LabelSizeMm(label), cell.FrameMm.size());
            if (!fit.Fits)
                return fit.Message;
        }
        const std::string at = " at " + std::to_string(FDpi) + " dpi";
        if (scan.Outcome == TScanOutcome::ReadsOther)
            return "Reads " + scan.Decoded + at + ", not " + scan.Expected;
        return "Does not scan" + at + (cell.Stretch ? " (stretched to fill its cell)" : "");
    }

    const TPreparedReport& FSheet;
    const TSheetLabels& FLabels;
    std::span<const TScanExpectation> FExpected;
    int FDpi = 600;
    std::map<TSceneKey, TPrintVerdict> FVerdicts;
};

enum class TStop : std::uint8_t { Never, AtFirstFailure };

struct TSheetRun {
    TSheetVerification Verification{};
    std::optional<TScanResult> Read{}; // a reading of a cell that read as it should
};

TSheetRun Run(const TPreparedReport& sheet, const TSheetLabels& labels,
              std::span<const TScanExpectation> expected, int dpi, TStop stop)
{
    CheckDpi(dpi);
    if (labels.size() != expected.size())
        throw Exception("Verification needs one reading for each of the " + std::to_string(labels.size()) +
                        " label rows, not " + std::to_string(expected.size()));
    TSheetChecker checker(sheet, labels, expected, dpi);
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
            if (!checker.ExpectedOf(row).Text)
                continue;
            ++result.Checked;
            const TPrintVerdict& verdict = checker.Judge(cells, index, frames);
            if (verdict.Reason.empty()) {
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
    std::int64_t rows = 0;
    for (const TPreparedPage& page : sheet.Pages)
        for (const TSheetCell& cell : CellsOf(page))
            rows = std::max(rows, cell.Row + 1);
    const TScanExpectation expected = ExpectScan(barcode);
    const TSheetLabels labels(static_cast<std::size_t>(rows), std::make_shared<const TLabelDrawing>(label));
    const std::vector<TScanExpectation> readings(static_cast<std::size_t>(rows), expected);
    const TSheetRun run = Run(sheet, labels, readings, dpi, TStop::AtFirstFailure);
    if (!run.Verification.Failures.empty()) {
        const TCellFailure& failure = run.Verification.Failures.front();
        return {.Scan = failure.Scan, .Reason = failure.Reason};
    }
    if (run.Read)
        return {.Scan = *run.Read, .Reason = {}};
    const TScanResult nothing = JudgeReading(std::nullopt, expected);
    return {.Scan = nothing, .Reason = nothing.Outcome == TScanOutcome::NoReader ? "" : "Nothing is printed"};
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
         .Content = TPlacedImage{.Row = 0, .Stretch = false, .Center = false}});
    return VerifyLabelOnSheet(label, barcode, sheet, dpi);
}

} // namespace quillon
