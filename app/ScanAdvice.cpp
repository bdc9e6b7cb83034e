// Why a label does not scan, from facts: the reader's and the engine's check digit, the widths the Bar
// Width draws, the printer's dot, and where the sheet's first row puts white beside the bars.
#include "app/ScanAdvice.h"

#include <QRectF>
#include <algorithm>
#include <cmath>
#include <optional>
#include <variant>
#include <vector>

#include "app/LabelStatus.h"
#include "label/compose/StandardLayout.h"
#include "report/Units.h"

namespace quillon {
namespace {

// White this much short of a quiet zone still counts as the zone: the millimetres' rounding.
constexpr double kSlackMm = 0.01;

double MmOfUnits(double units, const TLabelDrawing& drawing)
{
    return MmOfDots(units, drawing.UnitsPerInch);
}

// The Bar Width draws the classic label's wide elements at another proportion than the kind takes:
// exactly two modules for the kinds counted in modules, at least two for the narrow/wide ones.
std::optional<TScanAdvice> BarWidthCause(const TBarcode& barcode, const TComposeSettings& settings)
{
    if (settings.Layout != TLabelLayout::Classic)
        return std::nullopt; // the standard layout takes the ratio its standard asks
    TBarcode widths = barcode;
    widths.ComputeModuleWidths();
    const int narrow = widths.ModuleWidths()[0];
    const int wide = widths.ModuleWidths()[1];
    const TWidthRule rule = WidthRuleOf(barcode.Typ());
    const bool wrong = rule == TWidthRule::Modules ? wide != 2 * narrow
                                                   : rule == TWidthRule::NarrowWide && wide < 2 * narrow;
    if (!wrong)
        return std::nullopt;
    return TScanAdvice{.Cause = TScanCause::BarWidth,
                       .BarWidth = static_cast<int>(std::lround(barcode.Ratio())),
                       .ExactWidth = rule == TWidthRule::Modules};
}

// The classic label's narrow bars finer than a dot of the printer they are made for.
std::optional<TScanAdvice> SmallModuleCause(const TBarcode& barcode, const TAdviceFacts& facts)
{
    if (facts.Settings.Layout != TLabelLayout::Classic)
        return std::nullopt; // the standard layout's module is whole dots
    const double dotMm = kMmPerInch / facts.Settings.Dpi;
    const double pixelMm = MmOfUnits(1.0, facts.Drawing);
    const double moduleMm = barcode.Modul() * pixelMm;
    if (moduleMm >= dotMm - kSlackMm)
        return std::nullopt;
    return TScanAdvice{.Cause = TScanCause::SmallModule,
                       .ModuleMm = moduleMm,
                       .DotMm = dotMm,
                       .ZoomForDot = static_cast<int>(std::ceil(dotMm / pixelMm - kSlackMm))};
}

// The first row's cells, left to right, in millimetres from the paper's left edge.
std::vector<QRectF> FirstRowCells(const TPreparedReport& sheet)
{
    std::vector<QRectF> cells;
    if (sheet.Pages.empty())
        return cells;
    std::optional<double> top;
    for (const TPlacedElement& element : sheet.Pages.front().Elements) {
        if (!std::holds_alternative<TPlacedImage>(element.Content))
            continue;
        const TRectTenths& frame = element.Frame;
        if (!top)
            top = frame.Top;
        if (std::fabs(frame.Top - *top) < 1.0) // tenths
            cells.emplace_back(frame.Left / kTenthsPerMm, frame.Top / kTenthsPerMm,
                               frame.Width / kTenthsPerMm, frame.Height / kTenthsPerMm);
    }
    std::sort(cells.begin(), cells.end(),
              [](const QRectF& a, const QRectF& b) { return a.left() < b.left(); });
    return cells;
}

// The classic label stands at its cell's left edge with its bars from Left to Left + Width: the white
// beside them reaches to the paper's edge or to the next label's bars. The first side short of its
// quiet zone is the cause, with what would make room: a wider margin or spacing, or a smaller zoom,
// whose quiet zone shrinks with its module.
std::optional<TScanAdvice> QuietZoneCause(const TAdviceFacts& facts)
{
    const TBarcode& barcode = facts.Barcode;
    if (facts.Settings.Layout != TLabelLayout::Classic || facts.Settings.Placing || barcode.Angle() != 0.0)
        return std::nullopt; // the others keep their quiet zones white inside or beside the label
    const std::vector<QRectF> cells = FirstRowCells(facts.Sheet);
    const double paperMm = facts.Sheet.PaperWidthTenths / kTenthsPerMm;
    const double barsLeft = MmOfUnits(barcode.Left(), facts.Drawing);
    TBarcode measured = barcode; // Width encodes
    const double barsRight = barsLeft + MmOfUnits(measured.Width(), facts.Drawing);
    const QMarginsF quiet = ClassicQuietZonesMm(barcode);
    const auto advice = [&](TScanCause cause, TSide side, double have, double need, double widen) {
        const int zoom = static_cast<int>(std::floor((have + kSlackMm) / (need / barcode.Modul())));
        return TScanAdvice{.Cause = cause,
                           .Side = side,
                           .HaveMm = have,
                           .NeedMm = need,
                           .WidenToMm = static_cast<int>(std::ceil(widen + need - have - kSlackMm)),
                           .Zoom = std::clamp(zoom, 0, barcode.Modul() - 1)};
    };
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const bool first = i == 0;
        const bool last = i + 1 == cells.size();
        const double left = cells[i].left() + barsLeft - (first ? 0.0 : cells[i - 1].left() + barsRight);
        if (left < quiet.left() - kSlackMm)
            return first ? advice(TScanCause::Margin, TSide::Left, left, quiet.left(), cells[i].left())
                         : advice(TScanCause::Neighbour, TSide::Left, left, quiet.left(),
                                  cells[i].left() - cells[i - 1].right());
        const double right =
            (last ? paperMm : cells[i + 1].left() + barsLeft) - (cells[i].left() + barsRight);
        if (right < quiet.right() - kSlackMm)
            return last ? advice(TScanCause::Margin, TSide::Right, right, quiet.right(), 0.0)
                        : advice(TScanCause::Neighbour, TSide::Right, right, quiet.right(),
                                 cells[i + 1].left() - cells[i].right());
    }
    return std::nullopt;
}

} // namespace

TScanAdvice AdviseScan(const TAdviceFacts& facts)
{
    TScanAdvice found;
    if (const std::optional<char> digit = RightCheckDigitOf(facts.Barcode, facts.Scan))
        found = {.Cause = TScanCause::CheckDigit, .Digit = *digit};
    else if (const auto width = BarWidthCause(facts.Barcode, facts.Settings))
        found = *width;
    else if (facts.Settings.Stretch)
        found = {.Cause = TScanCause::Stretched};
    else if (const auto quiet = QuietZoneCause(facts))
        found = *quiet;
    else if (const auto module = SmallModuleCause(facts.Barcode, facts))
        found = *module;
    found.Layout = facts.Settings.Layout;
    return found;
}

} // namespace quillon
