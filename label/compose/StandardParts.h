// What the two standard layouts share, the linear kinds' (StandardLayout) and the symbol kinds'
// (SymbolLabel): the faces their texts print in, a face's metrics in a label's units, the checks of
// their settings, the largest label they draw and the way their notes word sizes.
#pragma once

#include <QFontMetricsF>
#include <QString>
#include <optional>
#include <string>

#include "barcode/Barcode.h"
#include "label/words/LabelMessage.h"

namespace quillon {

// DejaVu Sans Mono (fonts-dejavu-core): monospaced digits of even width, the nearest to OCR-B at hand.
inline constexpr char kDigitFont[] = "DejaVu Sans Mono";
inline constexpr char kCaptionFont[] = "DejaVu Sans";
inline constexpr TColor kCaptionColor = 0x000000;
inline constexpr char kMakersMark[] = "Q";
inline constexpr double kNominalDigitHeightMm = 2.75; // the human-readable digits at 100 %
inline constexpr double kTextGapMm = 0.3;
inline constexpr double kMarkGapMm = 2.0;        // between the upper caption and the mark
inline constexpr int kMostLabelDots = 1'000'000; // over 10 m at 2400 dpi

// A face at a size in whole points, measured in the label's units.
class TTextMetrics {
public:
    TTextMetrics(const char* family, int points, double unitsPerInch);

    double Ascent() const { return FMetrics.ascent() * FScale; }
    double Descent() const { return FMetrics.descent() * FScale; }
    double DigitHeight() const;
    double Advance(const std::string& utf8) const;

private:
    QFontMetricsF FMetrics;
    double FScale = 1.0;
};

// Whole points at which the digits stand kNominalDigitHeightMm tall at the nominal module, in
// proportion to the module.
int DigitPoints(double moduleMm, double nominalModuleMm);

// The settings both layouts take, refused with a message naming their range.
void CheckResolution(int dpi);
void CheckXDimension(double mm);
void CheckBarHeight(const std::optional<double>& mm);

// "Label of more than 1000000 dots is too large to print".
Exception TooLargeToPrint();
// Whole dots covering a length; a length past kMostLabelDots is refused.
int CeilDots(double units);

std::string Fixed(double value, int decimals); // "%.*f"
// The note of a module made smaller to fit the cell: "X-dimension reduced to 0.254 mm (3 dots at 300 dpi)".
TLabelMessage ReducedToFit(int dots, int dpi);
std::string ToUtf8(const QString& text);
// A caption is drawn when it is on and has a text.
bool Shown(bool on, const QString& text);

} // namespace quillon
