// The standard layouts' shared parts: text metrics, settings checks and the wording of sizes.
#include "label/compose/StandardParts.h"

#include <QByteArray>
#include <QFont>
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "label/compose/StandardLayout.h"
#include "report/Units.h"

namespace quillon {
namespace {

// Faces are measured large, so that whole-pixel hinting does not skew the proportions.
constexpr int kMeasurePixels = 1000;

QFont MeasuringFont(const char* family)
{
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(kMeasurePixels);
    return font;
}

} // namespace

TTextMetrics::TTextMetrics(const char* family, int points, double unitsPerInch)
    : FMetrics(MeasuringFont(family)), FScale(DotsOfPoints(points, unitsPerInch) / kMeasurePixels)
{
}

double TTextMetrics::DigitHeight() const
{
    return -FMetrics.tightBoundingRect(QStringLiteral("0123456789")).top() * FScale;
}

double TTextMetrics::Advance(const std::string& utf8) const
{
    return FMetrics.horizontalAdvance(QString::fromStdString(utf8)) * FScale;
}

int DigitPoints(double moduleMm, double nominalModuleMm)
{
    const double digitMmPerPoint = TTextMetrics(kDigitFont, 1, kMmPerInch).DigitHeight();
    const double points = kNominalDigitHeightMm * moduleMm / nominalModuleMm / digitMmPerPoint;
    return std::max(1, static_cast<int>(std::lround(points)));
}

void CheckResolution(int dpi)
{
    if (dpi < kMinLabelDpi || dpi > kMaxLabelDpi)
        throw Exception("Resolution " + std::to_string(dpi) + " dpi is outside " +
                        std::to_string(kMinLabelDpi) + "-" + std::to_string(kMaxLabelDpi) + " dpi");
}

void CheckXDimension(double mm)
{
    if (!std::isfinite(mm) || mm <= 0)
        throw Exception("X-dimension " + Fixed(mm, 3) + " mm is not a size above 0 mm");
}

void CheckBarHeight(const std::optional<double>& mm)
{
    if (mm && !(*mm >= kMinBarHeightMm && *mm <= kMaxBarHeightMm))
        throw Exception("Bar height " + Fixed(*mm, 2) + " mm is outside " + Fixed(kMinBarHeightMm, 0) + "-" +
                        Fixed(kMaxBarHeightMm, 0) + " mm");
}

Exception TooLargeToPrint()
{
    return Exception("Label of more than " + std::to_string(kMostLabelDots) + " dots is too large to print");
}

int CeilDots(double units)
{
    if (!(units <= kMostLabelDots))
        throw TooLargeToPrint();
    return static_cast<int>(std::ceil(units - kDotRoundingSlack));
}

std::string Fixed(double value, int decimals)
{
    char text[48] = {};
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    return text;
}

TLabelMessage ReducedToFit(int dots, int dpi)
{
    return {TMessageCode::XReducedToFit,
            {Fixed(MmOfDots(dots, dpi), 3), std::to_string(dots), std::to_string(dpi)}};
}

std::string ToUtf8(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

bool Shown(bool on, const QString& text)
{
    return on && !text.isEmpty();
}

} // namespace quillon
