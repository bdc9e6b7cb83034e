// TProLabel: a text label whose caption can be turned, offset, shadowed, highlighted and aligned vertically.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <vector>

#include "controls/ProConst.h"
#include "report/PainterCanvas.h" // ToQColor

class QFontMetrics;
class QPainter;
class QPalette;

namespace quillon {

// A rectangle of the placement arithmetic, in pixels. Right and Bottom are exclusive
// (Right = Left + width). 64-bit, so offsets and shadow steps of any size add up exactly.
struct PixelRect {
    std::int64_t Left = 0;
    std::int64_t Top = 0;
    std::int64_t Right = 0;
    std::int64_t Bottom = 0;

    std::int64_t Width() const { return Right - Left; }
    std::int64_t Height() const { return Bottom - Top; }
    PixelRect Moved(std::int64_t dx, std::int64_t dy) const
    {
        return {.Left = Left + dx, .Top = Top + dy, .Right = Right + dx, .Bottom = Bottom + dy};
    }
    bool operator==(const PixelRect&) const = default;
};

struct PixelSize {
    int Width = 0;
    int Height = 0;
};

// An angle in degrees 0..359 with its cosine and sine.
struct TurnedAngle {
    int Degrees = 0;
    double Cos = 0.0;
    double Sin = 0.0;
};

// Angle modulo 360, a negative remainder lifted by 360.
int NormalizeAngle(int degrees);
TurnedAngle TurnAngle(int degrees);

// The truncated products of the caption's extents with the angle, and the size of the box
// that the turned caption fills.
struct TurnedTextBox {
    std::int64_t Wc = 0; // text width x cos
    std::int64_t Ws = 0; // text width x sin
    std::int64_t Hc = 0; // text height x cos
    std::int64_t Hs = 0; // text height x sin
    std::int64_t Width = 0;
    std::int64_t Height = 0;
};
TurnedTextBox MeasureTurnedText(PixelSize textPx, const TurnedAngle& angle);

// Where a turned caption goes in a client area: the result's top-left corner is the reference
// point (the top-left corner of the unrotated text cell), its size the box limited to the client.
PixelRect PlaceTurnedText(const TurnedTextBox& box, const TurnedAngle& angle, PixelSize client,
                          TAlignment alignment, TVerticalAlignment vertical);

// The layout rectangle of an unturned caption that is textHeightPx high when laid out.
PixelRect PlaceLevelText(int textHeightPx, PixelSize client, TVerticalAlignment vertical);

// One writing of the caption: where it goes relative to the placed text, and in what colour.
struct TextPass {
    std::int64_t Dx = 0;
    std::int64_t Dy = 0;
    TColor Color = 0;
    bool operator==(const TextPass&) const = default;
};

class TProLabel : public QWidget {
    Q_OBJECT

public:
    using TNotifyEvent = std::function<void(TProLabel& sender)>;

    explicit TProLabel(QWidget* owner = nullptr);

    // The standard label properties that painting reads.
    QString Caption() const { return FCaption; }
    void SetCaption(const QString& v);
    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment v);
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool v);
    TColor Color() const { return FColor; }
    void SetColor(TColor v);
    QFont Font() const { return font(); }
    void SetFont(const QFont& v);
    TColor FontColor() const { return FFontColor; }
    void SetFontColor(TColor v);
    bool ShowAccelChar() const { return FShowAccelChar; }
    void SetShowAccelChar(bool v);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool v);
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool v);
    bool Enabled() const { return isEnabled(); }
    void SetEnabled(bool v) { setEnabled(v); }

    int Angle() const { return FAngle; }
    void SetAngle(int v);
    int OffsetX() const { return FOffsetX; }
    void SetOffsetX(int v);
    int OffsetY() const { return FOffsetY; }
    void SetOffsetY(int v);

    TDirection HighlightDirection() const { return FHighlightDirection; }
    void SetHighlightDirection(TDirection v);
    int HighlightDepth() const { return FHighlightDepth; }
    void SetHighlightDepth(int v);
    TColor HighlightColor() const { return FHighlightColor; }
    void SetHighlightColor(TColor v);
    TShadowStyle ShadowStyle() const { return FShadowStyle; }
    void SetShadowStyle(TShadowStyle v);
    TDirection ShadowDirection() const { return FShadowDirection; }
    void SetShadowDirection(TDirection v);
    TShadowDepth ShadowDepth() const { return FShadowDepth; }
    void SetShadowDepth(int v); // kept within 0..MaxShadowDepth
    TShadowSize ShadowSize() const { return FShadowSize; }
    void SetShadowSize(int v); // kept within 0..MaxShadowSize
    TColor ShadowColor() const { return FShadowColor; }
    void SetShadowColor(TColor v);

    TVerticalAlignment VerticalAlignment() const { return FVerticalAlignment; }
    void SetVerticalAlignment(TVerticalAlignment v);
    TTextLayout Layout() const { return static_cast<TTextLayout>(FVerticalAlignment); }
    void SetLayout(TTextLayout v);

    const TNotifyEvent& OnMouseEnter() const { return FOnMouseEnter; }
    void SetOnMouseEnter(TNotifyEvent v) { FOnMouseEnter = std::move(v); }
    const TNotifyEvent& OnMouseLeave() const { return FOnMouseLeave; }
    void SetOnMouseLeave(TNotifyEvent v) { FOnMouseLeave = std::move(v); }

    // The writings of the caption in stacking order, bottom first, relative to the placed text.
    std::vector<TextPass> TextPasses() const;
    // The placed text: the layout rectangle (Angle 0) or the reference point and box (turned),
    // moved by the offsets. Measures the caption with the label's font.
    PixelRect TextRect() const;

    void Paint(QPainter& canvas);
    QSize sizeHint() const override;

protected:
    virtual void MouseEnter();
    virtual void MouseLeave();
    // Asks for a repaint; every setter that changes what is drawn goes through here.
    virtual void Invalidate();

    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    int TextFlags() const;
    PixelSize ClientSize() const;
    PixelRect PlaceText(const QFontMetrics& metrics) const;
    void ApplyPreset(TShadowStyle style);
    void MarkCustom();
    void AdjustBounds();
    void DrawPass(QPainter& canvas, const PixelRect& r, TColor color) const;
    static void SelectRotatedFont(QPainter& canvas, int angle);

    QString FCaption;
    TAlignment FAlignment = taLeftJustify;
    bool FAutoSize = true;
    TColor FColor = clBtnFace;
    TColor FFontColor = clWindowText;
    bool FShowAccelChar = true;
    bool FTransparent = false;
    bool FWordWrap = false;

    int FAngle = 0;
    int FOffsetX = 0;
    int FOffsetY = 0;
    TDirection FHighlightDirection = drNone;
    int FHighlightDepth = 0;
    TColor FHighlightColor = clBtnHighlight;
    TShadowStyle FShadowStyle = ssNone;
    TDirection FShadowDirection = drNone;
    TShadowDepth FShadowDepth = 0;
    TShadowSize FShadowSize = 0;
    TColor FShadowColor = clBtnShadow;
    TVerticalAlignment FVerticalAlignment = vaTop;
    TNotifyEvent FOnMouseEnter;
    TNotifyEvent FOnMouseLeave;
    double FAngleCos = 0.0; // computed when Angle changes, read only while Angle is not 0
    double FAngleSin = 0.0;
    bool FApplyingStyle = false;
};

} // namespace quillon
