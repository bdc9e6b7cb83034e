// The label image: barcode, captions, maker's mark and stroke, composed once for the preview, the sheet and
// the CLI.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <vector>

#include "barcode/Barcode.h"
#include "barcode/RecordingCanvas.h"

namespace quillon {

// The two caption lines of the label; a caption that is off, or whose text is empty, draws nothing.
struct TLabelCaptions {
    bool UpperOn = true;
    QString Upper;
    bool LowerOn = true;
    QString Lower;
    // The maker's "Q" at the top right; off, its place stays blank, so the label keeps its size.
    bool MarkOn = true;
};

// The caption band below the bars when the lower caption is on, and the thin margin when it is off.
inline constexpr int kLowerCaptionBandPixels = 16;
inline constexpr int kNoCaptionBandPixels = 2;
// The largest label image made: the 256 MB that Qt allows an image it reads, at four bytes a pixel.
inline constexpr long long kMaxLabelPixels = 64LL * 1024 * 1024;

// A label as drawing calls on a canvas of Size units, with a white ground. The classic label is drawn
// in screen pixels, 96 to the inch; the standard label in the dots of the printer it is made for.
struct TLabelDrawing {
    QSize Size{};
    int ModulePixels = 1; // the narrow module in units, the unit a printer's dots are matched to
    std::vector<TRecordedCall> Calls{};
    double UnitsPerInch = 96.0; // the label's true size: units to the inch, and points to units for text
};

// Composes the label as the preview shows it: a white Width x (Height + band) RGB32 image (wider when
// a caption needs it, so that no caption is cut or covered by the mark) with the
// barcode drawn at its Left/Top, the captions, the mark and the white stroke. Encodes the barcode's
// Text (which may rewrite it); the engine's errors propagate, as does an image size that cannot be made.
QImage ComposeLabel(TBarcode& barcode, const TLabelCaptions& captions);

// The same label as drawing calls in label pixels, for painting it at a printer's own resolution
// (see label/render/LabelPainter.h).
TLabelDrawing RecordLabel(TBarcode& barcode, const TLabelCaptions& captions);

// Both at once, for runs of many labels: the captions are measured once.
struct TLabelBitmapAndDrawing {
    QImage Bitmap{};
    TLabelDrawing Drawing{};
};
TLabelBitmapAndDrawing ComposeAndRecordLabel(TBarcode& barcode, const TLabelCaptions& captions);

// Sets Angle and moves the drawing origin so that the turned barcode starts inside the label, by the
// angle rounded to whole degrees and brought into 0..359 (a negative angle turns clockwise, so -30
// is placed as 330). Reads Width, which encodes Text, where the placement needs it.
void PlaceForAngle(TBarcode& barcode, double angleDegrees);

} // namespace quillon
