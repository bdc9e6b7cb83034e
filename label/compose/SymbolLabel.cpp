// The symbol label in both layouts: the symbol's modules as rectangles with their quiet zones, turned in
// quarter turns, with the texts around them.
#include "label/compose/SymbolLabel.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QString>
#include <algorithm>
#include <cmath>
#include <numeric>
#include <utility>
#include <variant>

#include "label/compose/StandardParts.h"
#include "report/PainterCanvas.h"
#include "report/Units.h"

namespace quillon {
namespace {

constexpr int kMostModulePixels = 49; // the deck's modul
constexpr int kLeastTwoDimensionalModulePixels = 2;
constexpr double kScreenPixelsPerInch = 96.0;

// The classic label's marks, as the engine's label places them.
constexpr int kUpperCaptionLeftPixels = 28;
constexpr int kMarkFromRightPixels = 8;
constexpr int kCaptionGapPixels = 2;
constexpr int kStrokeAboveBottomPixels = 3;
constexpr int kStrokeLengthPixels = 5;

std::string TitleOf(TSymbolKind kind)
{
    return std::string(KindInfo(kind).Title);
}

// ---- The symbol block: the symbol with its quiet zones, in drawing units ----

struct TUnitRect {
    int Left = 0;
    int Top = 0;
    int Right = 0; // one past the last column
    int Bottom = 0;
};

struct TBlock {
    int Width = 0; // as turned
    int Height = 0;
    TUnitRect Symbol{};
    std::vector<TUnitRect> Dark{}; // runs of dark modules, one rectangle per run in a row
};

// Turned counter-clockwise by quarter turns inside a width x height box, as the engine turns its bars.
TUnitRect Turned(const TUnitRect& r, int quarterTurns, int width, int height)
{
    switch (quarterTurns) {
    case 1: return {.Left = r.Top, .Top = width - r.Right, .Right = r.Bottom, .Bottom = width - r.Left};
    case 2:
        return {.Left = width - r.Right,
                .Top = height - r.Bottom,
                .Right = width - r.Left,
                .Bottom = height - r.Top};
    case 3: return {.Left = height - r.Bottom, .Top = r.Left, .Right = height - r.Top, .Bottom = r.Right};
    default: break;
    }
    return r;
}

// The top edge of every row and the bottom of the last, from the symbol's top: rows in proportion
// to their heights in modules, or for the linear kinds shared out over the bar height.
std::vector<int> RowEdges(const TModuleGrid& grid, int module, std::optional<int> barHeight)
{
    const double total = std::accumulate(grid.RowHeights.begin(), grid.RowHeights.end(), 0.0);
    std::vector<int> edges{0};
    double above = 0.0;
    for (const double rowHeight : grid.RowHeights) {
        above += rowHeight;
        const double units = barHeight && total > 0 ? above / total * *barHeight : above * module;
        edges.push_back(static_cast<int>(std::lround(units)));
    }
    return edges;
}

TBlock BuildBlock(const TSymbol& symbol, TSymbolKind kind, int module, std::optional<int> barHeight,
                  int quarterTurns)
{
    const TModuleGrid& grid = symbol.Grid;
    const TSymbolKindInfo& info = KindInfo(kind);
    const int quietX = info.QuietModulesX * module;
    const int quietY = info.QuietModulesY * module;
    const std::vector<int> edges = RowEdges(grid, module, barHeight);
    const long long width = (static_cast<long long>(grid.Columns) + 2LL * info.QuietModulesX) * module;
    const long long height = edges.back() + 2LL * quietY;
    if (width > kMostLabelDots || height > kMostLabelDots)
        throw TooLargeToPrint();
    const int w = static_cast<int>(width);
    const int h = static_cast<int>(height);
    TBlock block;
    const bool across = quarterTurns % 2 == 1;
    block.Width = across ? h : w;
    block.Height = across ? w : h;
    block.Symbol = Turned({.Left = quietX, .Top = quietY, .Right = w - quietX, .Bottom = h - quietY},
                          quarterTurns, w, h);
    for (int row = 0; row < grid.Rows; ++row) {
        const int top = quietY + edges[static_cast<std::size_t>(row)];
        const int bottom = quietY + edges[static_cast<std::size_t>(row) + 1];
        for (int column = 0; column < grid.Columns && bottom > top; ++column) {
            if (!grid.IsDark(row, column))
                continue;
            const int first = column;
            while (column + 1 < grid.Columns && grid.IsDark(row, column + 1))
                ++column;
            const TUnitRect run{.Left = quietX + first * module,
                                .Top = top,
                                .Right = quietX + (column + 1) * module,
                                .Bottom = bottom};
            block.Dark.push_back(Turned(run, quarterTurns, w, h));
        }
    }
    return block;
}

// ---- Recorded calls ----

void AddBox(std::vector<TRecordedCall>& calls, const TUnitRect& r, int dx, int dy, TColor color)
{
    // The painter fills every vertex pixel: the box covers columns Left..Right-1, rows Top..Bottom-1.
    const int left = r.Left + dx, top = r.Top + dy, right = r.Right + dx - 1, bottom = r.Bottom + dy - 1;
    calls.emplace_back(
        TRecordedPolygon{.Points = {{left, top}, {left, bottom}, {right, bottom}, {right, top}},
                         .Pen = {.Color = color, .Width = 1, .Mode = pmCopy},
                         .Brush = {.Color = color, .Style = bsSolid}});
}

void AddText(std::vector<TRecordedCall>& calls, double left, double top, const std::string& text,
             const TFont& font, const TBrush& brush)
{
    if (text.empty())
        return;
    calls.emplace_back(TRecordedText{
        .TopLeft = {.X = static_cast<int>(std::lround(left)), .Y = static_cast<int>(std::lround(top))},
        .Text = text,
        .Font = font,
        .Brush = brush});
}

void AddBlock(TSymbolLabel& label, const TBlock& block, int left, int top, TColor color)
{
    for (const TUnitRect& run : block.Dark)
        AddBox(label.Drawing.Calls, run, left, top, color);
    const TUnitRect& s = block.Symbol;
    label.SymbolRect = QRect(QPoint(left + s.Left, top + s.Top), QSize(s.Right - s.Left, s.Bottom - s.Top));
    label.QuietRect = QRect(left, top, block.Width, block.Height);
}

// ---- Settings ----

int QuarterTurnsOf(double angleDegrees, std::vector<TLabelMessage>& notes)
{
    if (!std::isfinite(angleDegrees))
        return 0;
    const double turns = std::nearbyint(angleDegrees / 90.0);
    const int quarterTurns = static_cast<int>(std::fmod(std::fmod(turns, 4.0) + 4.0, 4.0));
    if (std::fabs(angleDegrees - turns * 90.0) > 1e-9)
        notes.push_back(
            {TMessageCode::AngleInQuarterTurns, {Fixed(angleDegrees, 1), std::to_string(quarterTurns * 90)}});
    return quarterTurns;
}

TSymbolLabel Begin(std::string_view data, const TSymbolSettings& settings, double unitsPerInch)
{
    TSymbolLabel label;
    label.Kind = settings.Kind;
    label.Symbol = EncodeSymbolOrThrow(settings.Kind, data, settings.Options);
    label.Notes = label.Symbol.Notes;
    label.QuarterTurns = QuarterTurnsOf(settings.AngleDegrees, label.Notes);
    label.Drawing.UnitsPerInch = unitsPerInch;
    return label;
}

bool IsLinear(TSymbolKind kind)
{
    return KindInfo(kind).Shape == TSymbolShape::Linear;
}

// ---- Classic layout ----

struct TClassicText {
    QFont Face;
    QFontMetrics Metrics;

    TClassicText() : Face(MeasuringFace()), Metrics(Face, &Device()) {}
    int Width(const std::string& utf8) const
    {
        return Metrics.horizontalAdvance(QString::fromStdString(utf8));
    }

private:
    // A fresh bitmap's font, in label pixels: 96 per inch.
    static QFont MeasuringFace()
    {
        const TFont font;
        QFont face(QString::fromStdString(font.Name));
        face.setPointSize(font.Size);
        face.setStyleStrategy(QFont::NoAntialias);
        return face;
    }
    static const QImage& Device()
    {
        static const QImage device(1, 1, QImage::Format_RGB32);
        return device;
    }
};

void ValidateClassic(const TSymbolSettings& settings)
{
    if (settings.ModulePixels < 1 || settings.ModulePixels > kMostModulePixels)
        throw Exception("Module of " + std::to_string(settings.ModulePixels) + " pixels is outside 1-" +
                        std::to_string(kMostModulePixels) + " pixels");
    if (IsLinear(settings.Kind) && settings.BarHeightPixels < 1)
        throw Exception("Bar height of " + std::to_string(settings.BarHeightPixels) +
                        " pixels is below 1 pixel");
}

// The deck's modul, but never a single pixel for a two-dimensional symbol: decoders find no finder
// pattern of one-pixel modules in an image, so neither the preview nor a label file would read.
int ClassicModulePixels(const TSymbolSettings& settings)
{
    return IsTwoDimensional(settings.Kind) ? std::max(settings.ModulePixels, kLeastTwoDimensionalModulePixels)
                                           : settings.ModulePixels;
}

// The lines under the symbol: a GS1 kind's AIs in brackets with the code shown, the kind's name with
// the type shown.
std::vector<std::string> ClassicLines(const TSymbolLabel& label, TBarcodeOption show)
{
    std::vector<std::string> lines;
    if (IsGs1Kind(label.Kind) && (show == bcoCode || show == bcoBoth))
        lines.push_back(label.Symbol.HumanReadable);
    if (show == bcoTyp || show == bcoBoth)
        lines.push_back(TitleOf(label.Kind));
    return lines;
}

QSize ClassicSize(long long width, long long height)
{
    const std::string size = std::to_string(width) + " x " + std::to_string(height) + " pixels";
    if (width <= 0 || height <= 0)
        throw Exception(TFault::LabelEmpty, "Label image of " + size + " is empty");
    if (width > kMaxLabelPixels / height)
        throw Exception(TFault::LabelTooLarge, "Label image of " + size + " is too large");
    return {static_cast<int>(width), static_cast<int>(height)};
}

// Where the classic label's parts go, in label pixels, from the top: the caption row with the mark
// (so that neither covers a module), the symbol in its quiet zones, the lines under it, and the lower
// caption's band with the white stroke, as the engine's label has it.
struct TClassicPlan {
    QSize Size{};
    int BlockLeft = 0;
    int BlockTop = 0;
    int ContentBottom = 0; // the top of the lower caption's band
    int UpperWidth = 0;
};

TClassicPlan PlanClassic(const TBlock& block, const std::vector<std::string>& lines,
                         const TLabelCaptions& captions, const TClassicText& text)
{
    TClassicPlan plan;
    plan.UpperWidth = Shown(captions.UpperOn, captions.Upper) ? text.Width(ToUtf8(captions.Upper)) : 0;
    const int lower = Shown(captions.LowerOn, captions.Lower) ? text.Width(ToUtf8(captions.Lower)) : 0;
    long long width = std::max(
        {block.Width, plan.UpperWidth > 0 ? plan.UpperWidth + kCaptionGapPixels + kMarkFromRightPixels : 0,
         lower});
    for (const std::string& line : lines)
        width = std::max<long long>(width, text.Width(line));
    const int lineHeight = text.Metrics.height();
    plan.BlockTop = lineHeight;
    const long long bottom = plan.BlockTop + static_cast<long long>(block.Height) +
                             static_cast<long long>(lines.size()) * lineHeight;
    plan.Size =
        ClassicSize(width, bottom + (captions.LowerOn ? kLowerCaptionBandPixels : kNoCaptionBandPixels));
    plan.ContentBottom = static_cast<int>(bottom);
    // Centred, as a reader aimed at the label's middle finds it when a caption widens the label.
    plan.BlockLeft = (plan.Size.width() - block.Width) / 2;
    return plan;
}

// The lines under the symbol, the captions and the mark in a fresh bitmap's font and brush (a solid
// white cell behind each text), as the engine's label draws its texts; then the white stroke.
void DrawClassicTexts(TSymbolLabel& label, const TClassicPlan& plan, const std::vector<std::string>& lines,
                      const TLabelCaptions& captions, const TClassicText& text)
{
    std::vector<TRecordedCall>& calls = label.Drawing.Calls;
    const TFont font;
    const TBrush brush;
    const int w = plan.Size.width(), h = plan.Size.height();
    int lineTop = plan.ContentBottom - static_cast<int>(lines.size()) * text.Metrics.height();
    for (const std::string& line : lines) {
        AddText(calls, (w - text.Width(line)) / 2, lineTop, line, font, brush);
        lineTop += text.Metrics.height();
    }
    const int upperLeft = std::clamp(w - kMarkFromRightPixels - kCaptionGapPixels - plan.UpperWidth, 0,
                                     kUpperCaptionLeftPixels);
    if (Shown(captions.UpperOn, captions.Upper))
        AddText(calls, upperLeft, 0, ToUtf8(captions.Upper), font, brush);
    if (Shown(captions.LowerOn, captions.Lower))
        AddText(calls, 0, plan.ContentBottom + kNoCaptionBandPixels, ToUtf8(captions.Lower), font, brush);
    if (captions.MarkOn)
        AddText(calls, w - kMarkFromRightPixels, 0, kMakersMark, font, brush);
    calls.emplace_back(TRecordedLine{.From = {.X = w, .Y = h - kStrokeAboveBottomPixels},
                                     .To = {.X = w - kStrokeLengthPixels, .Y = h - kStrokeAboveBottomPixels},
                                     .Pen = {.Color = 0x000000, .Width = 1, .Mode = pmWhite}});
}

void LayOutClassic(TSymbolLabel& label, const TSymbolSettings& settings, const TLabelCaptions& captions)
{
    const TClassicText text;
    std::optional<int> barHeight;
    if (IsLinear(settings.Kind))
        barHeight = settings.BarHeightPixels;
    const TBlock block =
        BuildBlock(label.Symbol, settings.Kind, label.ModuleUnits, barHeight, label.QuarterTurns);
    const std::vector<std::string> lines = ClassicLines(label, settings.ShowText);
    const TClassicPlan plan = PlanClassic(block, lines, captions, text);
    label.Drawing.Size = plan.Size;
    AddBlock(label, block, plan.BlockLeft, plan.BlockTop, settings.BarColor);
    DrawClassicTexts(label, plan, lines, captions, text);
}

// ---- Standard layout ----

void ValidateStandard(const TSymbolStandardSettings& standard)
{
    CheckResolution(standard.Dpi);
    if (standard.ModuleMm)
        CheckXDimension(*standard.ModuleMm);
    CheckBarHeight(standard.BarHeightMm);
}

struct TModuleChoice {
    int Dots = 1;
    std::vector<TLabelMessage> Notes{};
};

// The nearest whole dots to the module asked for, never below the kind's least.
TModuleChoice ChooseModule(TSymbolKind kind, const TSymbolStandardSettings& standard)
{
    const int dpi = standard.Dpi;
    const double asked = standard.ModuleMm.value_or(KindInfo(kind).DefaultModuleMm);
    const double least = KindInfo(kind).LeastModuleMm;
    const int leastDots = DotsAtLeast(least, dpi);
    const int nearest = NearestDots(asked, dpi);
    TModuleChoice choice{.Dots = std::max(nearest, leastDots), .Notes = {}};
    if (choice.Dots == nearest)
        return choice;
    choice.Notes.push_back(
        {asked < least ? TMessageCode::XBelowLeast : TMessageCode::XBelowLeastInDots,
         {Fixed(asked, 3), Fixed(least, 3), TitleOf(kind), Fixed(MmOfDots(choice.Dots, dpi), 3),
          std::to_string(choice.Dots), std::to_string(dpi)}});
    return choice;
}

// The bars of the linear kinds: as asked, or the standard's height at this module.
int BarHeightDots(TSymbolLabel& label, const TSymbolStandardSettings& standard)
{
    const TModuleGrid& grid = label.Symbol.Grid;
    const double modules = std::accumulate(grid.RowHeights.begin(), grid.RowHeights.end(), 0.0);
    const double leastMm = modules * label.ModuleMm;
    if (!standard.BarHeightMm)
        return DotsAtLeast(leastMm, standard.Dpi);
    if (*standard.BarHeightMm < leastMm - 1e-6)
        label.Notes.push_back({TMessageCode::BarHeightBelow,
                               {Fixed(*standard.BarHeightMm, 2), Fixed(leastMm, 2), TitleOf(label.Kind),
                                Fixed(label.ModuleMm, 3)}});
    return NearestDots(*standard.BarHeightMm, standard.Dpi);
}

// The bars' height for the linear kinds; the others take theirs from their modules.
std::optional<int> StandardBarHeight(TSymbolLabel& label, const TSymbolStandardSettings& standard)
{
    if (IsLinear(label.Kind))
        return BarHeightDots(label, standard);
    if (standard.BarHeightMm)
        label.Notes.push_back({TMessageCode::BarHeightNotForKind, {TitleOf(label.Kind)}});
    return std::nullopt;
}

// The texts of a standard label, at one size in whole points.
struct TStandardText {
    int Points = 1;
    TTextMetrics Caption;
    TTextMetrics Digits;
    std::string HumanReadable; // a GS1 kind's AIs in brackets; empty for the others
};

// Where the standard label's parts go, in dots from the top: the captions' row with the mark, the
// symbol in its quiet zones, the AIs, the lower caption, a gap apart; centred across.
struct TStandardPlan {
    int Width = 0;
    int Height = 0;
    int BlockTop = 0;
    double Baseline = 0.0; // the AIs' line
    int LowerTop = 0;
};

TStandardPlan PlanStandard(const TBlock& block, const TLabelCaptions& captions, const TStandardText& text,
                           int gap, int dpi)
{
    const int mark = CeilDots(text.Caption.Advance(kMakersMark));
    const int upper =
        Shown(captions.UpperOn, captions.Upper) ? CeilDots(text.Caption.Advance(ToUtf8(captions.Upper))) : 0;
    const int lower =
        Shown(captions.LowerOn, captions.Lower) ? CeilDots(text.Caption.Advance(ToUtf8(captions.Lower))) : 0;
    const int line = text.HumanReadable.empty() ? 0 : CeilDots(text.Digits.Advance(text.HumanReadable));
    TStandardPlan plan;
    plan.Width =
        std::max({block.Width, upper > 0 ? upper + NearestDots(kMarkGapMm, dpi) + mark : mark, lower, line});
    const int captionRow = CeilDots(text.Caption.Ascent() + text.Caption.Descent());
    plan.BlockTop = captionRow + gap;
    int bottom = plan.BlockTop + block.Height;
    plan.Baseline = bottom + gap + text.Digits.DigitHeight();
    if (!text.HumanReadable.empty())
        bottom = CeilDots(plan.Baseline + text.Digits.Descent());
    plan.LowerTop = bottom + gap;
    plan.Height = CeilDots(Shown(captions.LowerOn, captions.Lower) ? plan.LowerTop + captionRow : bottom);
    return plan;
}

// The AIs in the bar colour and digits, the captions and the mark in black; nothing but the glyphs.
void DrawStandardTexts(TSymbolLabel& label, const TStandardPlan& plan, const TLabelCaptions& captions,
                       const TStandardText& text, TColor barColor)
{
    std::vector<TRecordedCall>& calls = label.Drawing.Calls;
    const TBrush clear{.Color = 0xFFFFFF, .Style = bsClear};
    const TFont digitFont{.Name = kDigitFont, .Size = text.Points, .Color = barColor};
    const TFont captionFont{.Name = kCaptionFont, .Size = text.Points, .Color = kCaptionColor};
    AddText(calls, (plan.Width - text.Digits.Advance(text.HumanReadable)) / 2,
            plan.Baseline - text.Digits.Ascent(), text.HumanReadable, digitFont, clear);
    if (Shown(captions.UpperOn, captions.Upper))
        AddText(calls, 0, 0, ToUtf8(captions.Upper), captionFont, clear);
    if (Shown(captions.LowerOn, captions.Lower))
        AddText(calls, 0, plan.LowerTop, ToUtf8(captions.Lower), captionFont, clear);
    if (captions.MarkOn)
        AddText(calls, plan.Width - text.Caption.Advance(kMakersMark), 0, kMakersMark, captionFont, clear);
}

TSymbolLabel LayOutStandard(TSymbolLabel label, const TSymbolSettings& settings,
                            const TLabelCaptions& captions, const TSymbolStandardSettings& standard,
                            TModuleChoice module)
{
    const int dpi = standard.Dpi;
    label.Notes.insert(label.Notes.end(), module.Notes.begin(), module.Notes.end());
    label.ModuleUnits = module.Dots;
    label.ModuleMm = MmOfDots(module.Dots, dpi);
    const std::optional<int> barHeight = StandardBarHeight(label, standard);
    const TBlock block = BuildBlock(label.Symbol, label.Kind, module.Dots, barHeight, label.QuarterTurns);
    // The digits of the engine's standard label: 2.75 mm tall at the kind's default module.
    const int points = DigitPoints(label.ModuleMm, KindInfo(label.Kind).DefaultModuleMm);
    const TStandardText text{.Points = points,
                             .Caption = TTextMetrics(kCaptionFont, points, dpi),
                             .Digits = TTextMetrics(kDigitFont, points, dpi),
                             .HumanReadable =
                                 IsGs1Kind(label.Kind) ? label.Symbol.HumanReadable : std::string()};
    const TStandardPlan plan =
        PlanStandard(block, captions, text, std::max(module.Dots, NearestDots(kTextGapMm, dpi)), dpi);
    label.Drawing.Size = QSize(plan.Width, plan.Height);
    AddBlock(label, block, (plan.Width - block.Width) / 2, plan.BlockTop, settings.BarColor);
    DrawStandardTexts(label, plan, captions, text, settings.BarColor);
    label.Drawing.ModulePixels = module.Dots;
    label.SizeMm = LabelSizeMm(label.Drawing);
    return label;
}

// The recorded calls drawn again on a canvas, each with the state it was recorded with.
struct TCallReplay {
    TCanvas& Canvas;

    void operator()(const TRecordedPolygon& polygon) const
    {
        Canvas.SetPen(polygon.Pen);
        Canvas.SetBrush(polygon.Brush);
        Canvas.Polygon(polygon.Points);
    }
    void operator()(const TRecordedText& text) const
    {
        Canvas.SetFont(text.Font);
        Canvas.SetBrush(text.Brush);
        Canvas.TextOut(text.TopLeft, text.Text);
    }
    void operator()(const TRecordedLine& line) const
    {
        Canvas.SetPen(line.Pen);
        Canvas.MoveTo(line.From);
        Canvas.LineTo(line.To);
    }
    void operator()(const TRecordedEllipse& ellipse) const
    {
        Canvas.SetPen(ellipse.Pen);
        Canvas.SetBrush(ellipse.Brush);
        Canvas.Ellipse(ellipse.TopLeft, ellipse.BottomRight);
    }
};

} // namespace

TSymbol EncodeSymbolOrThrow(TSymbolKind kind, std::string_view data, const TSymbolOptions& options)
{
    TSymbolOutcome outcome = EncodeSymbol(kind, data, options);
    if (const auto* failure = std::get_if<TSymbolFailure>(&outcome))
        throw SymbolException(*failure);
    return std::get<TSymbol>(std::move(outcome));
}

TSymbolLabel RecordSymbolLabel(std::string_view data, const TSymbolSettings& settings,
                               const TLabelCaptions& captions)
{
    ValidateClassic(settings);
    TSymbolLabel label = Begin(data, settings, kScreenPixelsPerInch);
    label.ModuleUnits = ClassicModulePixels(settings);
    label.Drawing.ModulePixels = label.ModuleUnits;
    LayOutClassic(label, settings, captions);
    label.SizeMm = LabelSizeMm(label.Drawing);
    return label;
}

QImage ComposeSymbolLabel(const TSymbolLabel& label)
{
    const QSize size = label.Drawing.Size;
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull())
        throw Exception("Label image of " + std::to_string(size.width()) + " x " +
                        std::to_string(size.height()) + " pixels cannot be allocated");
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        TPainterCanvas canvas(painter); // the engine's label is drawn on the same canvas
        const TCallReplay replay{canvas};
        for (const TRecordedCall& call : label.Drawing.Calls)
            std::visit(replay, call);
    }
    return image;
}

QImage ComposeSymbolLabel(std::string_view data, const TSymbolSettings& settings,
                          const TLabelCaptions& captions)
{
    return ComposeSymbolLabel(RecordSymbolLabel(data, settings, captions));
}

TSymbolLabel ComposeStandardSymbolLabel(std::string_view data, const TSymbolSettings& settings,
                                        const TLabelCaptions& captions,
                                        const TSymbolStandardSettings& standard)
{
    ValidateStandard(standard);
    return LayOutStandard(Begin(data, settings, standard.Dpi), settings, captions, standard,
                          ChooseModule(settings.Kind, standard));
}

TFittedSymbolLabel FitStandardSymbolLabel(std::string_view data, const TSymbolSettings& settings,
                                          const TLabelCaptions& captions,
                                          const TSymbolStandardSettings& standard, QSizeF cellMm)
{
    ValidateStandard(standard);
    const TSymbolLabel begun = Begin(data, settings, standard.Dpi);
    const TModuleChoice asked = ChooseModule(settings.Kind, standard);
    TFittedSymbolLabel fitted{.Label = LayOutStandard(begun, settings, captions, standard, asked), .Fit = {}};
    fitted.Fit = CheckLabelFits(fitted.Label.SizeMm, cellMm);
    const int leastDots = DotsAtLeast(KindInfo(settings.Kind).LeastModuleMm, standard.Dpi);
    for (int dots = asked.Dots - 1; !fitted.Fit.Fits && dots >= leastDots; --dots) {
        TModuleChoice smaller = asked;
        smaller.Dots = dots;
        smaller.Notes.push_back(ReducedToFit(dots, standard.Dpi));
        fitted.Label = LayOutStandard(begun, settings, captions, standard, std::move(smaller));
        fitted.Fit = CheckLabelFits(fitted.Label.SizeMm, cellMm);
    }
    return fitted;
}

} // namespace quillon
