// The standard label: the symbol as its standard prints it, laid out in the dots of one printer.
#include "label/compose/StandardLayout.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string_view>
#include <utility>

#include "barcode/Canvas.h"
#include "label/compose/StandardParts.h"
#include "report/Units.h"

namespace quillon {
namespace {

using enum TKindFamily;

// Modules From..To-1, counted from the left edge of the start guard.
struct TModuleSpan {
    int From = 0;
    int To = 0;
};

enum class TDigitSize : std::uint8_t { Normal, Small };

// Human-readable digits First..First+Count-1, each centred under its 7-module symbol character.
struct TDigitGroup {
    int First = 0;
    int Count = 0;
    double CentreModules = 0.0; // the first digit's centre, from the left edge of the start guard
    TDigitSize Size = TDigitSize::Normal;
};

struct TRetailLayout {
    TBarcodeType Typ = bcCodeEAN13;
    std::array<TModuleSpan, 3> LongBars{}; // reach kGuardExtensionModules below the others
    std::array<TDigitGroup, 4> Digits{};
};

constexpr TDigitSize kSmall = TDigitSize::Small;

// The GS1 rules for EAN/UPC symbols and ISO/IEC 15420: the guard bars (and UPC-A's first and last
// symbol characters) reach below the others; EAN-13's leading digit and UPC's number system and check
// digit stand in the quiet zones, UPC's in smaller type.
constexpr TRetailLayout kRetailLayouts[] = {
    {bcCodeEAN8, {{{0, 3}, {31, 36}, {64, 67}}}, {{{0, 4, 6.5}, {4, 4, 39.5}}}},
    {bcCodeEAN13, {{{0, 3}, {45, 50}, {92, 95}}}, {{{0, 1, -4.5}, {1, 6, 6.5}, {7, 6, 53.5}}}},
    {bcCodeUPC_A,
     {{{0, 10}, {45, 50}, {85, 95}}},
     {{{0, 1, -4.5, kSmall}, {1, 5, 13.5}, {6, 5, 53.5}, {11, 1, 99.5, kSmall}}}},
    {bcCodeUPC_E0, {{{0, 3}, {45, 51}}}, {{{0, 1, -4.5, kSmall}, {1, 6, 6.5}, {7, 1, 54.5, kSmall}}}},
    {bcCodeUPC_E1, {{{0, 3}, {45, 51}}}, {{{0, 1, -4.5, kSmall}, {1, 6, 6.5}, {7, 1, 54.5, kSmall}}}},
};
constexpr int kGuardExtensionModules = 5;
constexpr int kModulesPerDigit = 7;

// X-dimensions: GS1 80 % to 200 % for EAN/UPC; 0.19 mm up to the 1.016 mm (40 mil) of GS1's largest
// logistics symbols for the others.
constexpr TMmRange kRetailXRange{.Low = 0.264, .High = 0.660};
constexpr TMmRange kLinearXRange{.Low = 0.19, .High = 1.016};

// POSTNET as USPS prints it (Publication 25, DMM 708.4): 0.020 in bars at 22 to the inch, full bars
// 0.125 in and half bars 0.050 in standing on one baseline, 1/8 in clear on either side.
constexpr double kPostNetBarMm = 0.508;
constexpr double kPostNetPitchMm = kMmPerInch / 22.0;
constexpr double kPostNetFullBarMm = 3.175;
constexpr double kPostNetHalfBarMm = 1.27;
constexpr double kPostNetQuietZoneMm = 3.175;

constexpr double kNominalModuleMm = 0.33;        // GS1's 100 % magnification
constexpr double kDigitAdvanceModules = 6.5;     // a digit keeps clear of its neighbours and the guards
constexpr double kSmallDigitScale = 0.75;        // UPC's outer digits
constexpr double kLeastLinearBarHeightMm = 6.35; // 0.25 in, or 15 % of the symbol's width if more
constexpr double kBarHeightShareOfWidth = 0.15;
constexpr double kShortBarShare = 0.4; // the engine's short bars are two fifths of the height
constexpr double kRatioLimitModuleMm = 0.5;
constexpr double kMostRatio = 3.0; // the top of every narrow/wide standard's range
constexpr int kMostEngineModul = 49;
constexpr double kFitSlackMm = 1e-6;
constexpr double kClassicUnitsPerInch = 96.0; // the classic label's screen pixels

const TKindLayout& RuleOf(TBarcodeType typ)
{
    return KindTraits(typ).Layout;
}

const TRetailLayout* RetailLayoutOf(TBarcodeType typ)
{
    for (const TRetailLayout& layout : kRetailLayouts)
        if (layout.Typ == typ)
            return &layout;
    return nullptr;
}

// ---- Settings and the module ----

void Validate(const TStandardSettings& settings)
{
    CheckResolution(settings.Dpi);
    CheckXDimension(settings.XDimensionMm);
    CheckBarHeight(settings.BarHeightMm);
    if (settings.BarWidthReductionDots < 0 || settings.BarWidthReductionDots > kMaxBarWidthReductionDots)
        throw Exception("Bar width reduction " + std::to_string(settings.BarWidthReductionDots) +
                        " dots is outside 0-" + std::to_string(kMaxBarWidthReductionDots) + " dots");
}

// The engine takes modules of 1 to 49 units: a larger module is drawn in units of several dots.
int DotsPerUnit(int moduleDots)
{
    return (moduleDots + kMostEngineModul - 1) / kMostEngineModul;
}

struct TDotRange {
    int Least = 1;
    int Most = 1;
};

TDotRange ModuleDotRange(TBarcodeType typ, int dpi)
{
    if (RuleOf(typ).Family == PostNet) {
        const int dots = NearestDots(kPostNetBarMm, dpi);
        return {.Least = dots, .Most = dots};
    }
    const TMmRange range = XDimensionRange(typ);
    const int least = DotsAtLeast(range.Low, dpi);
    return {.Least = least,
            .Most =
                std::max(least, static_cast<int>(std::floor(DotsOfMm(range.High, dpi) + kDotRoundingSlack)))};
}

// Dots inside the range that the engine can draw: a whole number of units of DotsPerUnit dots.
int EngineDots(int dots, TDotRange range)
{
    dots = std::clamp(dots, range.Least, range.Most);
    const int unit = DotsPerUnit(dots);
    const int units = std::clamp(static_cast<int>(std::lround(static_cast<double>(dots) / unit)),
                                 (range.Least + unit - 1) / unit, std::max(1, range.Most / unit));
    return units * unit;
}

struct TModuleChoice {
    int Dots = 1;
    std::vector<TLabelMessage> Notes{};
};

// The nearest whole dots to the X-dimension asked for, kept inside the symbology's range.
TModuleChoice ChooseModule(TBarcode& barcode, double xMm, int dpi)
{
    const TBarcodeType typ = barcode.Typ();
    const TDotRange dots = ModuleDotRange(typ, dpi);
    if (RuleOf(typ).Family == PostNet)
        return {
            .Dots = dots.Least,
            .Notes = {{TMessageCode::PostNetHeights,
                       {Fixed(kPostNetBarMm, 3), Fixed(kPostNetFullBarMm, 2), Fixed(kPostNetHalfBarMm, 2)}}}};
    const TMmRange range = XDimensionRange(typ);
    const std::string kind(barcode.GetTypeName());
    const int nearest = NearestDots(std::clamp(xMm, range.Low, range.High), dpi);
    const int inRange = std::clamp(nearest, dots.Least, dots.Most);
    TModuleChoice choice{.Dots = EngineDots(inRange, dots)};
    const std::string printedMm = Fixed(MmOfDots(choice.Dots, dpi), 3);
    const std::string printedDots = std::to_string(choice.Dots);
    const std::string at = std::to_string(dpi);
    const bool outside = xMm < range.Low || xMm > range.High;
    if (outside || inRange != nearest)
        choice.Notes.push_back(
            {outside ? TMessageCode::XOutsideRange : TMessageCode::XOutsideRangeInDots,
             {Fixed(xMm, 3), Fixed(range.Low, 3), Fixed(range.High, 3), kind, printedMm, printedDots, at}});
    else if (choice.Dots != nearest)
        choice.Notes.push_back({TMessageCode::XInWholeSteps,
                                {Fixed(xMm, 3), printedMm, printedDots, at, std::to_string(kMostEngineModul),
                                 std::to_string(DotsPerUnit(choice.Dots))}});
    return choice;
}

// ---- The symbol ----

struct TElementRun {
    int Left = 0; // dots from the symbol's left edge
    int Width = 0;
    TBarElementKind Kind = bekSpace;
};

struct TSymbol {
    std::vector<TElementRun> Elements{};
    int WidthDots = 0;
    int ModuleDots = 0;
    int WideDots = 0;
};

// The wide element in engine units: at least the standard's ratio and the one asked for (as the
// engine narrows it for the kind), in whole units; kinds counted in modules take exactly two.
int WideUnits(TBarcode& barcode, const TStandardSettings& settings, int moduleUnits, double moduleMm)
{
    const TKindLayout& rule = RuleOf(barcode.Typ());
    if (rule.Family == PostNet) // the space: the pitch less the bar
        return NearestDots(kPostNetPitchMm, settings.Dpi) - moduleUnits;
    if (rule.Family != NarrowWide)
        return 2 * moduleUnits;
    const double least = moduleMm < kRatioLimitModuleMm ? rule.LeastRatioBelowHalfMm : rule.LeastRatio;
    barcode.SetRatio(std::fmax(settings.Ratio, least));
    barcode.ComputeModuleWidths(); // narrows the ratio to the engine's range for the kind
    const double ratio = std::min(barcode.Ratio(), kMostRatio);
    return static_cast<int>(std::ceil(ratio * moduleUnits - kDotRoundingSlack));
}

TSymbol EncodeSymbol(TBarcode& barcode, const TStandardSettings& settings, int moduleDots)
{
    const int unit = DotsPerUnit(moduleDots);
    const int moduleUnits = moduleDots / unit;
    const int wideUnits = WideUnits(barcode, settings, moduleUnits, MmOfDots(moduleDots, settings.Dpi));
    barcode.SetModul(moduleUnits);
    barcode.SetRatio(static_cast<double>(wideUnits) / moduleUnits);
    const std::string pattern = barcode.BuildPattern();
    TSymbol symbol{.Elements = {},
                   .WidthDots = 0,
                   .ModuleDots = barcode.ModuleWidths()[0] * unit,
                   .WideDots = barcode.ModuleWidths()[1] * unit};
    symbol.Elements.reserve(pattern.size());
    long long x = 0;
    for (const char c : pattern) {
        const TBarElement element = barcode.DecodeElement(c);
        symbol.Elements.push_back(
            {.Left = static_cast<int>(x), .Width = element.Width * unit, .Kind = element.Kind});
        x += static_cast<long long>(element.Width) * unit;
        if (x > kMostLabelDots)
            throw TooLargeToPrint();
    }
    symbol.WidthDots = static_cast<int>(x);
    return symbol;
}

void NoteRatio(TStandardLabel& label, TBarcode& barcode, const TStandardSettings& settings)
{
    if (RuleOf(barcode.Typ()).Family != NarrowWide)
        return;
    const double ratio = static_cast<double>(label.WideDots) / label.ModuleDots;
    if (std::fabs(ratio - settings.Ratio) < 1e-6)
        return;
    label.Notes.push_back({TMessageCode::WideNarrowRatio,
                           {Fixed(ratio, 2), std::to_string(label.WideDots), std::to_string(label.ModuleDots),
                            Fixed(settings.Ratio, 2), std::string(barcode.GetTypeName())}});
}

// The text under (or, for an add-on, over) the bars: what a scanner reads for EAN and UPC, the
// drawn text for the others, with control characters shown as spaces.
std::string HumanReadable(const TBarcode& barcode)
{
    const std::optional<TEncoding>& encoding = barcode.LastEncoding();
    if (!encoding)
        return barcode.Text();
    const TKindFamily family = RuleOf(barcode.Typ()).Family;
    if (family == Retail && encoding->ScanText)
        return *encoding->ScanText;
    std::string text = encoding->DrawnText;
    if (family == AddOn) // Text may carry the add-on's check digit, which is not drawn
        text.resize(std::min<std::size_t>(text.size(), KindTraits(barcode.Typ()).Text.Digits));
    for (char& c : text)
        if (static_cast<unsigned char>(c) < ' ' || c == '\x7f')
            c = ' ';
    return text;
}

// ---- Heights and ink spread ----

double MinBarHeightMm(TKindFamily family, const TKindLayout& rule, double moduleMm, double symbolMm)
{
    switch (family) {
    case Retail:
    case AddOn: return rule.NominalBarHeightMm * moduleMm / kNominalModuleMm;
    case PostNet: return kPostNetFullBarMm;
    case Modules:
    case NarrowWide: break;
    }
    return std::max(kLeastLinearBarHeightMm, kBarHeightShareOfWidth * symbolMm);
}

// Bars at their minimum unless asked otherwise; `fitted` is the height a cell left them.
void ChooseBarHeight(TStandardLabel& label, TBarcode& barcode, const TStandardSettings& settings,
                     const TSymbol& symbol, std::optional<int> fitted)
{
    const int dpi = settings.Dpi;
    const TKindLayout& rule = RuleOf(barcode.Typ());
    label.MinBarHeightMm = MinBarHeightMm(rule.Family, rule, label.ModuleMm, MmOfDots(symbol.WidthDots, dpi));
    label.BarHeightDots = DotsAtLeast(label.MinBarHeightMm, dpi);
    if (fitted) {
        label.BarHeightDots = *fitted;
    } else if (settings.BarHeightMm && rule.Family == PostNet) {
        label.Notes.push_back({TMessageCode::PostNetBarHeightKept, {}});
    } else if (settings.BarHeightMm) {
        label.BarHeightDots = NearestDots(*settings.BarHeightMm, dpi);
        if (*settings.BarHeightMm < label.MinBarHeightMm - kFitSlackMm)
            label.Notes.push_back({TMessageCode::BarHeightBelow,
                                   {Fixed(*settings.BarHeightMm, 2), Fixed(label.MinBarHeightMm, 2),
                                    std::string(barcode.GetTypeName()), Fixed(label.ModuleMm, 3)}});
    }
    label.BarHeightMm = MmOfDots(label.BarHeightDots, dpi);
}

// Every bar gives up the reduction, never its last dot: the narrow module is the narrowest bar.
void ChooseBarWidthReduction(TStandardLabel& label, const TStandardSettings& settings)
{
    label.BarWidthReductionDots = std::min(settings.BarWidthReductionDots, label.ModuleDots - 1);
    if (label.BarWidthReductionDots < settings.BarWidthReductionDots)
        label.Notes.push_back(
            {TMessageCode::BarWidthReductionCut,
             {std::to_string(settings.BarWidthReductionDots), std::to_string(label.ModuleDots),
              std::to_string(label.BarWidthReductionDots)}});
}

// ---- Text ----

// At most `points`, and small enough for the text to take no more than widthMm.
int PointsWithin(const std::string& text, double widthMm, int points)
{
    const double mmPerPoint = TTextMetrics(kDigitFont, 1, kMmPerInch).Advance(text);
    if (!(mmPerPoint > 0))
        return points;
    return std::clamp(static_cast<int>(std::floor(widthMm / mmPerPoint)), 1, points);
}

struct TTextStyle {
    const char* Font = kDigitFont;
    int Points = 1;
    TColor Color = 0x000000;
};

void AddText(std::vector<TRecordedCall>& calls, double left, double top, const std::string& text,
             const TTextStyle& style)
{
    if (text.empty())
        return;
    calls.emplace_back(TRecordedText{
        .TopLeft = {.X = static_cast<int>(std::lround(left)), .Y = static_cast<int>(std::lround(top))},
        .Text = text,
        .Font = {.Name = style.Font, .Size = style.Points, .Color = style.Color},
        .Brush = {.Color = 0xFFFFFF, .Style = bsClear}}); // nothing but the glyphs is painted
}

void AddBox(std::vector<TRecordedCall>& calls, int left, int top, int right, int bottom, TColor color)
{
    // The painter fills every vertex pixel: the box covers columns left..right-1, rows top..bottom-1.
    calls.emplace_back(TRecordedPolygon{
        .Points = {{left, top}, {left, bottom - 1}, {right - 1, bottom - 1}, {right - 1, top}},
        .Pen = {.Color = color, .Width = 1, .Mode = pmCopy},
        .Brush = {.Color = color, .Style = bsSolid}});
}

// ---- Layout ----

// Where everything goes, in dots from the label's top-left corner.
struct TPlan {
    int Gap = 1;
    int Width = 0;
    int Height = 0;
    int SymbolLeft = 0;
    int BarsTop = 0;
    int BarsBottom = 0;
    int LongBarsBottom = 0;
    int ShortBarDots = 0;
    double DigitsBaseline = 0.0; // the human-readable line, above or below the bars
    int LowerCaptionTop = 0;
};

struct TFonts {
    TTextStyle Digits{};
    TTextStyle SmallDigits{};
    TTextStyle Caption{};
};

TFonts ChooseFonts(const TStandardLabel& label, const TBarcode& barcode, const std::string& text,
                   int symbolDots)
{
    const int dpi = static_cast<int>(label.Drawing.UnitsPerInch);
    const TKindFamily family = RuleOf(barcode.Typ()).Family;
    const int points = DigitPoints(label.ModuleMm, kNominalModuleMm);
    // PostNet's fixed bars say nothing of the type size: its captions take the 100 % size.
    const int captionPoints = family == PostNet ? DigitPoints(kNominalModuleMm, kNominalModuleMm) : points;
    const int digitPoints = family == Retail
                                ? PointsWithin("0", kDigitAdvanceModules * label.ModuleMm, points)
                                : PointsWithin(text, MmOfDots(symbolDots, dpi), points);
    return {
        .Digits = {.Font = kDigitFont, .Points = digitPoints, .Color = barcode.ColorBar()},
        .SmallDigits = {.Font = kDigitFont,
                        .Points = std::max(1, static_cast<int>(std::lround(digitPoints * kSmallDigitScale))),
                        .Color = barcode.ColorBar()},
        .Caption = {.Font = kCaptionFont, .Points = captionPoints, .Color = kCaptionColor}};
}

// The label's width: the symbol with its quiet zones, or the captions with the mark if wider.
void PlanAcross(TPlan& plan, const TStandardLabel& label, const TSymbol& symbol,
                const TLabelCaptions& captions, const TFonts& fonts)
{
    const TTextMetrics caption(fonts.Caption.Font, fonts.Caption.Points, label.Drawing.UnitsPerInch);
    const int mark = CeilDots(caption.Advance(kMakersMark));
    const int upper =
        Shown(captions.UpperOn, captions.Upper) ? CeilDots(caption.Advance(ToUtf8(captions.Upper))) : 0;
    const int lower =
        Shown(captions.LowerOn, captions.Lower) ? CeilDots(caption.Advance(ToUtf8(captions.Lower))) : 0;
    const int block = label.QuietLeftDots + symbol.WidthDots + label.QuietRightDots;
    const int markGap = NearestDots(kMarkGapMm, static_cast<int>(label.Drawing.UnitsPerInch));
    plan.Width = std::max({block, upper > 0 ? upper + markGap + mark : mark, lower});
    plan.SymbolLeft = (plan.Width - block) / 2 + label.QuietLeftDots;
}

// From the top: the captions' row with the mark, an add-on's digits, the bars, the digits below them
// and the lower caption, a gap apart.
void PlanDown(TPlan& plan, const TStandardLabel& label, const TBarcode& barcode,
              const TLabelCaptions& captions, const TFonts& fonts, bool hasText)
{
    const double upi = label.Drawing.UnitsPerInch;
    const TTextMetrics caption(fonts.Caption.Font, fonts.Caption.Points, upi);
    const TTextMetrics digits(fonts.Digits.Font, fonts.Digits.Points, upi);
    const int captionRow = CeilDots(caption.Ascent() + caption.Descent());
    const TKindFamily family = RuleOf(barcode.Typ()).Family;
    plan.BarsTop = captionRow + plan.Gap;
    if (family == AddOn && hasText) { // GS1 puts an add-on's digits over its bars
        plan.DigitsBaseline = plan.BarsTop + digits.Ascent();
        plan.BarsTop = CeilDots(plan.DigitsBaseline) + plan.Gap;
    }
    plan.BarsBottom = plan.BarsTop + label.BarHeightDots;
    plan.ShortBarDots = family == PostNet ? NearestDots(kPostNetHalfBarMm, static_cast<int>(upi))
                                          : static_cast<int>(label.BarHeightDots * kShortBarShare);
    plan.LongBarsBottom =
        plan.BarsBottom + (family == Retail ? kGuardExtensionModules * label.ModuleDots : 0);
    int bottom = plan.LongBarsBottom;
    if (family != AddOn && hasText) {
        plan.DigitsBaseline = plan.BarsBottom + plan.Gap + digits.DigitHeight();
        bottom =
            std::max(bottom, CeilDots(plan.DigitsBaseline + (family == Retail ? 0.0 : digits.Descent())));
    }
    plan.LowerCaptionTop = bottom + plan.Gap;
    plan.Height = Shown(captions.LowerOn, captions.Lower) ? plan.LowerCaptionTop + captionRow : bottom;
}

bool IsLongBar(const TRetailLayout* layout, int module)
{
    if (layout == nullptr)
        return false;
    return std::any_of(layout->LongBars.begin(), layout->LongBars.end(),
                       [module](const TModuleSpan& span) { return module >= span.From && module < span.To; });
}

// Bars as boxes on whole dots, each narrower by the reduction on both sides (the odd dot on the right),
// so the symbol keeps its width; spaces are the white ground.
void DrawBars(std::vector<TRecordedCall>& calls, const TSymbol& symbol, const TPlan& plan,
              const TStandardLabel& label, const TBarcode& barcode)
{
    const TRetailLayout* layout = RetailLayoutOf(barcode.Typ());
    const int trimLeft = label.BarWidthReductionDots / 2;
    const int trimRight = label.BarWidthReductionDots - trimLeft;
    for (const TElementRun& element : symbol.Elements) {
        if (element.Kind == bekSpace)
            continue;
        const int left = plan.SymbolLeft + element.Left;
        const bool isLong = IsLongBar(layout, element.Left / symbol.ModuleDots);
        const int top = element.Kind == bekShortBar ? plan.BarsBottom - plan.ShortBarDots : plan.BarsTop;
        AddBox(calls, left + trimLeft, top, left + element.Width - trimRight,
               isLong ? plan.LongBarsBottom : plan.BarsBottom, barcode.ColorBar());
    }
}

// EAN and UPC digits, each centred under its symbol character, on one baseline.
void DrawRetailDigits(std::vector<TRecordedCall>& calls, const TRetailLayout& layout, const std::string& text,
                      const TPlan& plan, const TStandardLabel& label, const TFonts& fonts)
{
    const double upi = label.Drawing.UnitsPerInch;
    for (const TDigitGroup& group : layout.Digits) {
        const TTextStyle& style = group.Size == TDigitSize::Small ? fonts.SmallDigits : fonts.Digits;
        const TTextMetrics metrics(style.Font, style.Points, upi);
        for (int i = 0; i < group.Count && group.First + i < static_cast<int>(text.size()); ++i) {
            const std::string digit(1, text[static_cast<std::size_t>(group.First + i)]);
            const double centre =
                plan.SymbolLeft + (group.CentreModules + kModulesPerDigit * i) * label.ModuleDots;
            AddText(calls, centre - metrics.Advance(digit) / 2, plan.DigitsBaseline - metrics.Ascent(), digit,
                    style);
        }
    }
}

void DrawTexts(std::vector<TRecordedCall>& calls, const std::string& text, const TSymbol& symbol,
               const TPlan& plan, const TStandardLabel& label, const TLabelCaptions& captions,
               const TFonts& fonts, const TBarcode& barcode)
{
    const double upi = label.Drawing.UnitsPerInch;
    if (const TRetailLayout* layout = RetailLayoutOf(barcode.Typ())) {
        DrawRetailDigits(calls, *layout, text, plan, label, fonts);
    } else if (RuleOf(barcode.Typ()).Family != PostNet) { // USPS prints the ZIP Code in the address
        const TTextMetrics digits(fonts.Digits.Font, fonts.Digits.Points, upi);
        AddText(calls, plan.SymbolLeft + (symbol.WidthDots - digits.Advance(text)) / 2,
                plan.DigitsBaseline - digits.Ascent(), text, fonts.Digits);
    }
    const TTextMetrics caption(fonts.Caption.Font, fonts.Caption.Points, upi);
    if (Shown(captions.UpperOn, captions.Upper))
        AddText(calls, 0, 0, ToUtf8(captions.Upper), fonts.Caption);
    if (Shown(captions.LowerOn, captions.Lower))
        AddText(calls, 0, plan.LowerCaptionTop, ToUtf8(captions.Lower), fonts.Caption);
    if (captions.MarkOn)
        AddText(calls, plan.Width - caption.Advance(kMakersMark), 0, kMakersMark, fonts.Caption);
}

// Modul and Ratio of the caller's barcode come back as they were, whatever the composition set.
class TGeometryKeeper {
public:
    explicit TGeometryKeeper(TBarcode& barcode)
        : FBarcode(barcode), FModul(barcode.Modul()), FRatio(barcode.Ratio())
    {
    }
    ~TGeometryKeeper()
    {
        FBarcode.SetModul(FModul);
        FBarcode.SetRatio(FRatio);
    }
    TGeometryKeeper(const TGeometryKeeper&) = delete;
    TGeometryKeeper& operator=(const TGeometryKeeper&) = delete;

private:
    TBarcode& FBarcode;
    int FModul = 1;
    double FRatio = 2.0;
};

// The label at a chosen module and, when a cell has settled it, a chosen bar height.
TStandardLabel ComposeAt(TBarcode& barcode, const TLabelCaptions& captions, const TStandardSettings& settings,
                         TModuleChoice module, std::optional<int> fittedBarDots)
{
    const int dpi = settings.Dpi;
    const TKindLayout& rule = RuleOf(barcode.Typ());
    TStandardLabel label;
    label.Notes = std::move(module.Notes);
    label.Drawing.UnitsPerInch = dpi;
    const TSymbol symbol = EncodeSymbol(barcode, settings, module.Dots);
    label.ModuleDots = symbol.ModuleDots;
    label.ModuleMm = MmOfDots(label.ModuleDots, dpi);
    label.WideDots = symbol.WideDots;
    NoteRatio(label, barcode, settings);
    ChooseBarHeight(label, barcode, settings, symbol, fittedBarDots);
    ChooseBarWidthReduction(label, settings);
    const bool postNet = rule.Family == PostNet;
    label.QuietLeftDots =
        postNet ? DotsAtLeast(kPostNetQuietZoneMm, dpi) : rule.QuietLeftModules * label.ModuleDots;
    label.QuietRightDots = postNet ? label.QuietLeftDots : rule.QuietRightModules * label.ModuleDots;

    const std::string text = HumanReadable(barcode);
    const TFonts fonts = ChooseFonts(label, barcode, text, symbol.WidthDots);
    TPlan plan{.Gap = std::max(label.ModuleDots, NearestDots(kTextGapMm, dpi))};
    PlanAcross(plan, label, symbol, captions, fonts);
    PlanDown(plan, label, barcode, captions, fonts, !text.empty() && !postNet);
    DrawBars(label.Drawing.Calls, symbol, plan, label, barcode);
    DrawTexts(label.Drawing.Calls, text, symbol, plan, label, captions, fonts, barcode);
    label.Drawing.Size = QSize(plan.Width, plan.Height);
    label.Drawing.ModulePixels = label.ModuleDots;
    label.SymbolDots = QRect(plan.SymbolLeft, plan.BarsTop, symbol.WidthDots, label.BarHeightDots);
    label.SizeMm = LabelSizeMm(label.Drawing);
    return label;
}

// ---- Fitting ----

// Two sizes in millimetres to one decimal, or to two when one decimal would show them equal.
std::pair<std::string, std::string> TwoSizes(double a, double b)
{
    const int decimals = Fixed(a, 1) == Fixed(b, 1) ? 2 : 1;
    return {Fixed(a, decimals), Fixed(b, decimals)};
}

// The label against the cell, in the measure it does not fit: code takes their two sizes, then `more`.
TCellFit Refusal(TMessageCode code, double labelMm, double cellMm, std::vector<std::string> more = {})
{
    const auto [label, cell] = TwoSizes(labelMm, cellMm);
    std::vector<std::string> args{label, cell};
    args.insert(args.end(), more.begin(), more.end());
    return {.Fits = false, .Message = {code, std::move(args)}};
}

bool Within(double labelMm, double cellMm)
{
    return labelMm <= cellMm + kFitSlackMm;
}

// A label that is only too high: its bars give up what the cell lacks, down to their minimum.
TFittedLabel FitHeight(TBarcode& barcode, const TLabelCaptions& captions, const TStandardSettings& settings,
                       const TModuleChoice& module, QSizeF cellMm)
{
    TStandardLabel label = ComposeAt(barcode, captions, settings, module, std::nullopt);
    TCellFit fit = CheckLabelFits(label.SizeMm, cellMm);
    if (fit.Fits || !Within(label.SizeMm.width(), cellMm.width()))
        return {.Label = std::move(label), .Fit = std::move(fit)};
    const int dpi = settings.Dpi;
    const int lack = CeilDots(DotsOfMm(label.SizeMm.height() - cellMm.height(), dpi));
    const int least = DotsAtLeast(label.MinBarHeightMm, dpi);
    if (label.BarHeightDots < least) // bars asked below their minimum are not shortened further
        return {.Label = std::move(label), .Fit = std::move(fit)};
    if (label.BarHeightDots - lack < least)
        return {.Label = label,
                .Fit = Refusal(TMessageCode::BarsTooShortForCell,
                               label.SizeMm.height() - MmOfDots(label.BarHeightDots - least, dpi),
                               cellMm.height(), {Fixed(label.MinBarHeightMm, 1)})};
    TModuleChoice shortened = module;
    const int bars = label.BarHeightDots - lack;
    shortened.Notes.push_back(
        {TMessageCode::BarsShortened, {Fixed(MmOfDots(bars, dpi), 2), Fixed(cellMm.height(), 1)}});
    label = ComposeAt(barcode, captions, settings, std::move(shortened), bars);
    fit = CheckLabelFits(label.SizeMm, cellMm);
    return {.Label = std::move(label), .Fit = std::move(fit)};
}

// The next module below `dots` that the engine can draw, or 0 when the range has none.
int SmallerModule(int dots, TDotRange range)
{
    for (int d = dots - 1; d >= range.Least; --d)
        if (const int snapped = EngineDots(d, range); snapped < dots)
            return snapped;
    return 0;
}

// A size to one decimal, the trailing zero dropped: "1 mm", "1.5 mm".
std::string ShortMm(double mm)
{
    std::string text = Fixed(mm, 1);
    if (text.ends_with(".0"))
        text.resize(text.size() - 2);
    return text;
}

} // namespace

QMarginsF ClassicQuietZonesMm(const TBarcode& barcode)
{
    const TKindLayout& rule = RuleOf(barcode.Typ());
    const double moduleMm = MmOfDots(barcode.Modul(), kClassicUnitsPerInch);
    const double left = rule.Family == PostNet ? kPostNetQuietZoneMm : rule.QuietLeftModules * moduleMm;
    const double right = rule.Family == PostNet ? kPostNetQuietZoneMm : rule.QuietRightModules * moduleMm;
    const double turn = std::fmod(std::fmod(barcode.Angle(), 360.0) + 360.0, 360.0);
    if (turn == 0.0)
        return {left, 0.0, right, 0.0};
    if (turn == 180.0)
        return {right, 0.0, left, 0.0};
    // Turned, the wider zone on both ends, whichever way round the bars stand.
    const double most = std::max(left, right);
    if (turn == 90.0 || turn == 270.0)
        return {0.0, most, 0.0, most};
    return {most, most, most, most};
}

QSizeF RoomMm(const TCellRoom& room)
{
    if (!room.Placing)
        return room.CellMm;
    const double inset = 2.0 * room.Placing->InsetMm;
    const QMarginsF& quiet = room.QuietMm;
    return {std::max(0.0, room.CellMm.width() - inset - quiet.left() - quiet.right()),
            std::max(0.0, room.CellMm.height() - inset - quiet.top() - quiet.bottom())};
}

TCellFit PlacedFit(const TCellFit& fitInRoom, QSizeF labelMm, const TCellRoom& room)
{
    if (fitInRoom.Fits || !room.Placing)
        return fitInRoom;
    const double inset = 2.0 * room.Placing->InsetMm;
    const QMarginsF& quiet = room.QuietMm;
    const double width = labelMm.width() + quiet.left() + quiet.right() + inset;
    const double height = labelMm.height() + quiet.top() + quiet.bottom() + inset;
    std::vector<std::string> args{Fixed(width, 1), Fixed(height, 1), ShortMm(room.Placing->InsetMm),
                                  Fixed(room.CellMm.width(), 1), Fixed(room.CellMm.height(), 1)};
    if (!room.StockId.empty())
        args.push_back(room.StockId);
    return {.Fits = false,
            .Message = {room.StockId.empty() ? TMessageCode::PlacedTooLarge
                                             : TMessageCode::PlacedTooLargeForStock,
                        std::move(args)}};
}

TPlacedImage PlacedImageOf(const TCellPlacing& placing, const QMarginsF& quietMm)
{
    return {.Align = placing.Align,
            .InsetTenths = placing.InsetMm * kTenthsPerMm,
            .QuietTenths = {.Left = quietMm.left() * kTenthsPerMm,
                            .Top = quietMm.top() * kTenthsPerMm,
                            .Right = quietMm.right() * kTenthsPerMm,
                            .Bottom = quietMm.bottom() * kTenthsPerMm}};
}

TWidthRule WidthRuleOf(TBarcodeType typ)
{
    switch (RuleOf(typ).Family) {
    case Retail:
    case AddOn:
    case Modules: return TWidthRule::Modules;
    case NarrowWide: return TWidthRule::NarrowWide;
    case PostNet: break;
    }
    return TWidthRule::Fixed;
}

TMmRange XDimensionRange(TBarcodeType typ)
{
    switch (RuleOf(typ).Family) {
    case Retail:
    case AddOn: return kRetailXRange;
    case PostNet: return {.Low = kPostNetBarMm, .High = kPostNetBarMm};
    case Modules:
    case NarrowWide: break;
    }
    return kLinearXRange;
}

TStandardLabel ComposeStandardLabel(TBarcode& barcode, const TLabelCaptions& captions,
                                    const TStandardSettings& settings)
{
    Validate(settings);
    barcode.GetTypeName(); // raises the engine's own error for a kind outside the table
    const TGeometryKeeper keeper(barcode);
    return ComposeAt(barcode, captions, settings, ChooseModule(barcode, settings.XDimensionMm, settings.Dpi),
                     std::nullopt);
}

QSizeF LabelSizeMm(const TLabelDrawing& label)
{
    return QSizeF(label.Size) * (kMmPerInch / label.UnitsPerInch);
}

TCellFit CheckLabelFits(QSizeF labelMm, QSizeF cellMm)
{
    if (!Within(labelMm.width(), cellMm.width()))
        return Refusal(TMessageCode::CutOffWide, labelMm.width(), cellMm.width());
    if (!Within(labelMm.height(), cellMm.height()))
        return Refusal(TMessageCode::CutOffHigh, labelMm.height(), cellMm.height());
    return {};
}

TFittedLabel FitStandardLabel(TBarcode& barcode, const TLabelCaptions& captions,
                              const TStandardSettings& settings, QSizeF cellMm)
{
    Validate(settings);
    barcode.GetTypeName();
    const TGeometryKeeper keeper(barcode);
    const int dpi = settings.Dpi;
    const TModuleChoice asked = ChooseModule(barcode, settings.XDimensionMm, dpi);
    const TDotRange range = ModuleDotRange(barcode.Typ(), dpi);
    TFittedLabel fitted = FitHeight(barcode, captions, settings, asked, cellMm);
    for (int dots = SmallerModule(asked.Dots, range); !fitted.Fit.Fits && dots > 0;
         dots = SmallerModule(dots, range)) {
        TModuleChoice smaller = asked;
        smaller.Dots = dots;
        smaller.Notes.push_back(ReducedToFit(dots, dpi));
        fitted = FitHeight(barcode, captions, settings, smaller, cellMm);
    }
    return fitted;
}

} // namespace quillon
