#include "report/PageRenderer.h"
#include "report/Units.h"

#include <QFont>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QString>
#include <iterator>
#include <type_traits>

namespace quillon {

namespace {

// Label bitmaps are drawn pixel for pixel: no smoothing, even when stretched.
constexpr bool kSmoothPictures = false;

// Qt's horizontal alignment for each TTextAlignment, by ordinal.
constexpr Qt::AlignmentFlag kHorizontalAlignment[] = {
    Qt::AlignLeft,    // Left
    Qt::AlignHCenter, // Center
    Qt::AlignRight,   // Right
};
static_assert(std::size(kHorizontalAlignment) == static_cast<std::size_t>(TTextAlignment::Right) + 1);

const QImage* PictureOfRow(std::span<const QImage> pictures, std::int64_t row)
{
    if (row < 0 || static_cast<std::uint64_t>(row) >= pictures.size())
        return nullptr;
    const QImage& picture = pictures[static_cast<std::size_t>(row)];
    return picture.isNull() ? nullptr : &picture;
}

void DrawPicture(QPainter& painter, const QRectF& frame, const TPlacedImage& image,
                 std::span<const QImage> pictures, int pixelsPerInch, const TPaintTarget& target,
                 const QTransform& toDevice)
{
    if (frame.isEmpty())
        return;
    // The picture's own drawer paints it in device pixels, as the painter stands; the bitmap is drawn in
    // millimetres.
    if (target.DrawPicture && target.DrawPicture(painter, {.FrameMm = frame,
                                                           .Image = image,
                                                           .PixelsPerInch = pixelsPerInch,
                                                           .ToDevice = toDevice,
                                                           .DeviceDpi = target.ResolutionDpi}))
        return;
    const QImage* picture = PictureOfRow(pictures, image.Row);
    if (picture == nullptr)
        return;
    const QRectF targetMm = PictureTargetMm(frame, QSizeF(picture->size()), image, pixelsPerInch);
    painter.save();
    painter.setWorldTransform(toDevice);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, kSmoothPictures);
    // A PDF would otherwise store the label as a JPEG, blurring the bars a scanner must read.
    painter.setRenderHint(QPainter::LosslessImageRendering, true);
    painter.setClipRect(frame, Qt::IntersectClip);
    painter.drawImage(targetMm, *picture);
    painter.restore();
}

int TextFlags(const TPlacedText& text)
{
    int flags = Qt::AlignTop;
    flags |= HorizontalAlignmentOf(text.Alignment);
    if (text.WordWrap)
        flags |= Qt::TextWordWrap;
    if (text.AutoSize)
        flags |= Qt::TextDontClip;
    return flags;
}

// Text is laid out in device pixels: fonts scaled down to fractions of a point and then magnified
// by the millimetre transform would be hinted and measured at a few pixels and come out ragged.
void DrawText(QPainter& painter, const QRectF& frame, const TPlacedText& text, const QTransform& toDevice)
{
    painter.save();
    const QRectF deviceFrame = toDevice.mapRect(frame);
    const double pixelsPerMm = toDevice.m22();
    const double devicePixels = MmOfPoints(text.Font.PointSize) * pixelsPerMm;
    QFont font(QString::fromStdString(text.Font.Family));
    font.setPointSizeF(PointsOfDots(devicePixels, painter.device()->logicalDpiY()));
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(deviceFrame, TextFlags(text), QString::fromStdString(text.Text));
    painter.restore();
}

} // namespace

QRectF PictureTargetMm(const QRectF& frame, QSizeF picturePixels, const TPlacedImage& image,
                       int pixelsPerInch)
{
    if (image.Stretch)
        return frame;
    const QSizeF size = picturePixels * (kMmPerInch / pixelsPerInch);
    const TMarginsTenths& quiet = image.QuietTenths;
    const double inset = image.InsetTenths / kTenthsPerMm;
    // The picture grown by its quiet zones is what is placed: the quiet zones belong to the symbol.
    const QSizeF whole(size.width() + (quiet.Left + quiet.Right) / kTenthsPerMm,
                       size.height() + (quiet.Top + quiet.Bottom) / kTenthsPerMm);
    QPointF corner = frame.topLeft() + QPointF(inset, inset);
    if (image.Align == TPictureAlign::Centre)
        corner = frame.center() - QPointF(whole.width() / 2.0, whole.height() / 2.0);
    return {corner + QPointF(quiet.Left / kTenthsPerMm, quiet.Top / kTenthsPerMm), size};
}

QTransform PaperTransform(const TPaintTarget& target)
{
    const double pixelsPerMm = target.ResolutionDpi / kMmPerInch;
    const TCalibration& calibration = target.Calibration;
    QTransform transform;
    transform.translate(target.PaperOriginPixels.x() + calibration.OffsetXMm * pixelsPerMm,
                        target.PaperOriginPixels.y() + calibration.OffsetYMm * pixelsPerMm);
    transform.scale(pixelsPerMm * (1.0 + calibration.ScaleXPercent / 100.0),
                    pixelsPerMm * (1.0 + calibration.ScaleYPercent / 100.0));
    return transform;
}

QPageLayout PageLayoutOf(TPaperSize paper)
{
    const QPageSize size(paper == TPaperSize::Letter ? QPageSize::Letter : QPageSize::A4);
    return QPageLayout(size, QPageLayout::Portrait, QMarginsF(), QPageLayout::Millimeter);
}

QPageLayout PageLayoutOf(const TPreparedReport& report)
{
    const QPageLayout::Orientation orientation =
        report.Orientation == TOrientation::Portrait ? QPageLayout::Portrait : QPageLayout::Landscape;
    if (report.PaperSize != TPaperSize::Custom) {
        QPageLayout layout = PageLayoutOf(report.PaperSize);
        layout.setOrientation(orientation);
        return layout;
    }
    // A custom paper is given as it lies, so it is always described upright.
    const QSizeF paperMm(report.PaperWidthTenths / 10.0, report.PaperLengthTenths / 10.0);
    return QPageLayout(QPageSize(paperMm, QPageSize::Millimeter), QPageLayout::Portrait, QMarginsF(),
                       QPageLayout::Millimeter);
}

void RenderPage(QPainter& painter, const TPreparedReport& report, std::size_t pageIndex,
                std::span<const QImage> pictures, const TPaintTarget& target)
{
    if (pageIndex >= report.Pages.size() || !(target.ResolutionDpi > 0.0))
        return;
    painter.save();
    // Everything is placed in device pixels, which is where labels and text are drawn: the painter
    // keeps one transform for the whole page, and a PDF is spared restating it for every cell.
    const QTransform toDevice = PaperTransform(target) * painter.worldTransform();
    painter.setWorldTransform(QTransform());
    for (const TPlacedElement& element : report.Pages[pageIndex].Elements) {
        const QRectF frame = FrameMm(element.Frame);
        std::visit(
            [&](const auto& content) {
                if constexpr (std::is_same_v<std::decay_t<decltype(content)>, TPlacedImage>)
                    DrawPicture(painter, frame, content, pictures, report.PixelsPerInch, target, toDevice);
                else
                    DrawText(painter, frame, content, toDevice);
            },
            element.Content);
    }
    painter.restore();
}

void RenderPages(QPainter& painter, QPagedPaintDevice& device, const TPreparedReport& report,
                 std::span<const QImage> pictures, const TPaintTarget& target,
                 const std::function<bool(std::size_t)>& chosen)
{
    bool firstPage = true;
    for (std::size_t index = 0; index < report.Pages.size(); ++index) {
        if (chosen && !chosen(index))
            continue;
        if (!firstPage)
            device.newPage();
        firstPage = false;
        RenderPage(painter, report, index, pictures, target);
    }
}

QRectF FrameMm(const TRectTenths& frame)
{
    return {frame.Left / 10.0, frame.Top / 10.0, frame.Width / 10.0, frame.Height / 10.0};
}

Qt::AlignmentFlag HorizontalAlignmentOf(TTextAlignment alignment)
{
    return kHorizontalAlignment[static_cast<std::size_t>(alignment)];
}

} // namespace quillon
