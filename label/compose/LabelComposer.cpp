// Composition of the label image and placement of a turned barcode.
#include "label/compose/LabelComposer.h"

#include <QByteArray>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "barcode/Canvas.h"
#include "barcode/RecordingCanvas.h"
#include "report/PainterCanvas.h"

namespace quillon {
namespace {

// Which of the barcode's measures a placement coordinate takes.
enum class TMeasure : std::uint8_t { Zero, Width, Height };

struct TAngleRow {
    int LastDegree = 0; // the row covers the degrees after the previous row's last, up to this one
    TMeasure Left = TMeasure::Zero;
    TMeasure Top = TMeasure::Zero;
};

// The drawing origin by the turn in whole degrees, 0..359, so that the turned pattern starts inside
// the label: the pattern runs up from the left edge, then left from the right, and so on.
constexpr std::array<TAngleRow, 4> kAnglePlacement{{
    {90, TMeasure::Zero, TMeasure::Width},    // 0 to 90
    {180, TMeasure::Width, TMeasure::Width},  // 91 to 180
    {270, TMeasure::Width, TMeasure::Height}, // 181 to 270
    {359, TMeasure::Height, TMeasure::Height} // 271 to 359
}};

constexpr char kMakersMark[] = "Q";
constexpr TPoint kUpperCaptionAt{.X = 28, .Y = 0};
constexpr int kMarkFromRightPixels = 8;
// The least white between the upper caption and the maker's mark.
constexpr int kCaptionGapPixels = 2;
constexpr int kStrokeAboveBottomPixels = 3;
constexpr int kStrokeLengthPixels = 5;

// Whole degrees in 0..359. The rounding ties to even, as the window's angle always has; an angle
// with no direction (NaN, infinite) counts as 0, as the barcode's drawing treats it.
int WholeDegrees(double angleDegrees)
{
    if (!std::isfinite(angleDegrees))
        return 0;
    double a = std::fmod(std::nearbyint(angleDegrees), 360.0); // exact, whatever the magnitude
    if (a < 0)
        a += 360.0;
    return static_cast<int>(a);
}

int Measure(TBarcode& barcode, TMeasure measure)
{
    switch (measure) {
    case TMeasure::Width: return barcode.Width();
    case TMeasure::Height: return barcode.Height();
    case TMeasure::Zero: break;
    }
    return 0;
}

std::string Message(std::string_view what, long long width, long long height)
{
    return "Label image of " + std::to_string(width) + " x " + std::to_string(height) + " pixels " +
           std::string(what);
}

// A white image of the label's size.
QImage BlankLabel(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull())
        throw Exception(TFault::OutOfMemory, Message("cannot be allocated", size.width(), size.height()));
    image.fill(Qt::white);
    return image;
}

void DrawCaption(TCanvas& canvas, TPoint at, bool on, const QString& text)
{
    if (!on || text.isEmpty())
        return;
    const QByteArray utf8 = text.toUtf8();
    canvas.TextOut(at, std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
}

// A caption's width in label pixels, in the font a fresh bitmap's canvas writes it with.
int CaptionWidth(bool on, const QString& text)
{
    if (!on || text.isEmpty())
        return 0;
    static const QImage device(1, 1, QImage::Format_RGB32); // label pixels: 96 per inch
    const TFont font;
    QFont face(QString::fromStdString(font.Name));
    face.setPointSize(font.Size);
    face.setStyleStrategy(QFont::NoAntialias);
    return QFontMetrics(face, &device).horizontalAdvance(text);
}

// The upper caption stands at its designed place, or further left on a narrow label, so that it ends
// before the maker's mark.
int UpperCaptionLeft(int labelWidth, int captionWidth)
{
    const int room = labelWidth - kMarkFromRightPixels - kCaptionGapPixels - captionWidth;
    return std::clamp(room, 0, kUpperCaptionAt.X);
}

// The captions' widths, measured once for the label's size, their places, its bitmap and its drawing:
// measuring text takes more than drawing the bars.
struct TCaptionWidths {
    int Upper = 0;
    int Lower = 0;
};

TCaptionWidths MeasureCaptions(const TLabelCaptions& captions)
{
    return {.Upper = CaptionWidth(captions.UpperOn, captions.Upper),
            .Lower = CaptionWidth(captions.LowerOn, captions.Lower)};
}

// The label's size in pixels: the barcode's width (which encodes, so the engine's errors leave
// here), or more when a caption would be cut or covered by the mark, by its height and the band under
// it; checked wide so that no height can overflow.
QSize LabelSize(TBarcode& barcode, const TLabelCaptions& captions, const TCaptionWidths& widths)
{
    const long long upper = widths.Upper;
    const long long width = std::max({static_cast<long long>(barcode.Width()),
                                      upper > 0 ? upper + kCaptionGapPixels + kMarkFromRightPixels : 0LL,
                                      static_cast<long long>(widths.Lower)});
    const long long height = static_cast<long long>(barcode.Height()) +
                             (captions.LowerOn ? kLowerCaptionBandPixels : kNoCaptionBandPixels);
    if (width <= 0 || height <= 0)
        throw Exception(TFault::LabelEmpty, Message("is empty", width, height));
    if (width > kMaxLabelPixels / height)
        throw Exception(TFault::LabelTooLarge, Message("is too large", width, height));
    return {static_cast<int>(width), static_cast<int>(height)};
}

// Everything on the label but its white ground, on any canvas: the bars, the captions, the mark and
// the stroke.
void DrawLabel(TCanvas& canvas, TBarcode& barcode, const TLabelCaptions& captions, QSize size,
               const TCaptionWidths& widths)
{
    const int w = size.width();
    const int h = size.height();
    barcode.Draw(canvas);
    const int upperLeft = UpperCaptionLeft(w, widths.Upper);
    DrawCaption(canvas, {.X = upperLeft, .Y = kUpperCaptionAt.Y}, captions.UpperOn, captions.Upper);
    DrawCaption(canvas, {.X = 0, .Y = barcode.Height() + kNoCaptionBandPixels}, captions.LowerOn,
                captions.Lower);
    if (captions.MarkOn)
        canvas.TextOut({.X = w - kMarkFromRightPixels, .Y = 0}, kMakersMark);
    // In the caption band with the lower caption on, across the bars' last row with it off.
    canvas.SetPenMode(pmWhite);
    canvas.MoveTo({.X = w, .Y = h - kStrokeAboveBottomPixels});
    canvas.LineTo({.X = w - kStrokeLengthPixels, .Y = h - kStrokeAboveBottomPixels});
}

QImage BitmapOf(TBarcode& barcode, const TLabelCaptions& captions, QSize size, const TCaptionWidths& widths)
{
    QImage image = BlankLabel(size);
    {
        QPainter painter(&image);
        TPainterCanvas canvas(painter); // starts with a fresh bitmap's font, pen and brush
        DrawLabel(canvas, barcode, captions, size, widths);
    }
    return image;
}

TLabelDrawing DrawingOf(TBarcode& barcode, const TLabelCaptions& captions, QSize size,
                        const TCaptionWidths& widths)
{
    TRecordingCanvas canvas;
    DrawLabel(canvas, barcode, captions, size, widths);
    return {.Size = size, .ModulePixels = barcode.ModuleWidths()[0], .Calls = canvas.TakeCalls()};
}

} // namespace

QImage ComposeLabel(TBarcode& barcode, const TLabelCaptions& captions)
{
    const TCaptionWidths widths = MeasureCaptions(captions);
    return BitmapOf(barcode, captions, LabelSize(barcode, captions, widths), widths);
}

TLabelDrawing RecordLabel(TBarcode& barcode, const TLabelCaptions& captions)
{
    const TCaptionWidths widths = MeasureCaptions(captions);
    return DrawingOf(barcode, captions, LabelSize(barcode, captions, widths), widths);
}

TLabelBitmapAndDrawing ComposeAndRecordLabel(TBarcode& barcode, const TLabelCaptions& captions)
{
    const TCaptionWidths widths = MeasureCaptions(captions);
    const QSize size = LabelSize(barcode, captions, widths);
    return {.Bitmap = BitmapOf(barcode, captions, size, widths),
            .Drawing = DrawingOf(barcode, captions, size, widths)};
}

void PlaceForAngle(TBarcode& barcode, double angleDegrees)
{
    barcode.SetAngle(angleDegrees);
    const int degrees = WholeDegrees(angleDegrees);
    for (const TAngleRow& row : kAnglePlacement) {
        if (degrees > row.LastDegree)
            continue;
        barcode.SetLeft(Measure(barcode, row.Left));
        barcode.SetTop(Measure(barcode, row.Top));
        return;
    }
}

} // namespace quillon
