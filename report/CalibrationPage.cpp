#include "report/CalibrationPage.h"

#include <QBuffer>
#include <QFont>
#include <QIODevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPen>
#include <QString>
#include <array>
#include <cmath>
#include <cstdint>
#include <iterator>

#include "barcode/Exception.h"
#include "report/PageRenderer.h"
#include "report/Units.h"

namespace quillon {

namespace {

constexpr int kPdfResolutionDpi = 1200;
constexpr double kLineMm = 0.15; // a line two dots wide even at 300 dpi
constexpr double kCrossArmMm = 5.0;
constexpr double kCrossRingMm = 1.5;

// Tick lengths from the baseline towards the edge, by the place of the tick.
constexpr double kTickTenMm = 6.0;
constexpr double kTickFiveMm = 3.0;
constexpr double kTickOneMm = 1.5;

constexpr double kNumberPoints = 6.0;
constexpr double kTextPoints = 8.0;

// Which way a ruler's ticks reach from its baseline: towards the top, bottom, left or right edge.
enum class TEdge : std::uint8_t { Top, Bottom, Left, Right };

struct TPaperMm {
    double Width = 0.0;
    double Length = 0.0;
};

TPaperMm PaperMm(TPaperSize paper)
{
    if (paper == TPaperSize::Custom)
        throw Exception("The calibration page is made for a4 or letter paper");
    const TPaperTenths tenths = PaperTenths(paper);
    return {tenths.Width / 10.0, tenths.Length / 10.0};
}

double TickLength(int mm)
{
    return mm % 10 == 0 ? kTickTenMm : (mm % 5 == 0 ? kTickFiveMm : kTickOneMm);
}

// Text is set in device pixels with the world transform cleared, as the page renderer sets it, so
// that small sizes are not hinted at a fraction of a point; `anchor` is in mm on the paper.
void DrawTextAt(QPainter& painter, const QPointF& anchorMm, int alignment, double points, const QString& text)
{
    const QTransform toDevice = painter.worldTransform();
    const double pixelsPerMm = std::abs(toDevice.m22());
    QFont font;
    font.setStyleHint(QFont::SansSerif);
    font.setFamily("DejaVu Sans");
    font.setPointSizeF(PointsOfDots(MmOfPoints(points) * pixelsPerMm, painter.device()->logicalDpiY()));
    painter.save();
    painter.setWorldTransform(QTransform());
    painter.setFont(font);
    const QPointF anchor = toDevice.map(anchorMm);
    const double box = 2000.0 * pixelsPerMm; // far larger than any text here
    QRectF rect(anchor.x() - box / 2.0, anchor.y() - box / 2.0, box, box);
    if ((alignment & Qt::AlignLeft) != 0)
        rect.moveLeft(anchor.x());
    if ((alignment & Qt::AlignRight) != 0)
        rect.moveRight(anchor.x());
    if ((alignment & Qt::AlignTop) != 0)
        rect.moveTop(anchor.y());
    if ((alignment & Qt::AlignBottom) != 0)
        rect.moveBottom(anchor.y());
    painter.drawText(rect, alignment, text);
    painter.restore();
}

// One ruler: a baseline kRulerBaselineMm in from `edge`, a tick every millimetre from the baseline
// towards the edge, and the distance from the paper's left or top edge at every tenth.
void DrawRuler(QPainter& painter, const TPaperMm& paper, TEdge edge)
{
    const bool horizontal = edge == TEdge::Top || edge == TEdge::Bottom;
    const double along = horizontal ? paper.Width : paper.Length;
    const double across = horizontal ? paper.Length : paper.Width;
    const bool nearEdge = edge == TEdge::Top || edge == TEdge::Left;
    const double base = nearEdge ? kRulerBaselineMm : across - kRulerBaselineMm;
    const double outward = nearEdge ? -1.0 : 1.0;
    const auto point = [horizontal](double a, double c) {
        return horizontal ? QPointF(a, c) : QPointF(c, a);
    };
    const int first = static_cast<int>(std::ceil(kRulerBaselineMm));
    const int last = static_cast<int>(std::floor(along - kRulerBaselineMm));
    painter.drawLine(point(first, base), point(last, base));
    for (int mm = first; mm <= last; ++mm) {
        painter.drawLine(point(mm, base), point(mm, base + outward * TickLength(mm)));
        // No numbers in the corners, where the rulers across would write theirs too.
        if (mm % 10 != 0 || mm < first + 5 || mm > last - 5)
            continue;
        const QPointF anchor = point(mm, base - outward * 0.8);
        const int alignment = horizontal ? (Qt::AlignHCenter | (nearEdge ? Qt::AlignTop : Qt::AlignBottom))
                                         : (Qt::AlignVCenter | (nearEdge ? Qt::AlignLeft : Qt::AlignRight));
        DrawTextAt(painter, anchor, alignment, kNumberPoints, QString::number(mm));
    }
}

// Millimetres to the hundredth, without trailing zeros: 20, 195.9, 107.95.
QString MmText(double mm)
{
    QString text = QString::number(mm, 'f', 2);
    while (text.endsWith('0'))
        text.chop(1);
    if (text.endsWith('.'))
        text.chop(1);
    return text;
}

QString Signed(double value)
{
    return (value < 0.0 ? QString() : QStringLiteral("+")) + MmText(value);
}

// A cross with a ring round its centre, and its coordinates written on the side towards the
// middle of the page.
void DrawCross(QPainter& painter, const TPaperMm& paper, const QPointF& centre)
{
    painter.drawLine(centre - QPointF(kCrossArmMm, 0.0), centre + QPointF(kCrossArmMm, 0.0));
    painter.drawLine(centre - QPointF(0.0, kCrossArmMm), centre + QPointF(0.0, kCrossArmMm));
    painter.drawEllipse(centre, kCrossRingMm, kCrossRingMm);
    const bool right = centre.x() > paper.Width / 2.0 + 1.0;
    const bool below = centre.y() > paper.Length / 2.0 + 1.0;
    const QPointF anchor = centre + QPointF(right ? -2.0 : 2.0, below ? -2.0 : 2.0);
    const int alignment = (right ? Qt::AlignRight : Qt::AlignLeft) | (below ? Qt::AlignBottom : Qt::AlignTop);
    const QString text = QStringLiteral("x %1, y %2 mm").arg(MmText(centre.x()), MmText(centre.y()));
    DrawTextAt(painter, anchor, alignment, kTextPoints, text);
}

// What the page is and how the measurements become the corrections, above the centre cross.
void DrawInstructions(QPainter& painter, TPaperSize paper, const TPaperMm& size,
                      const TCalibration& calibration)
{
    const double spanX = size.Width - 2.0 * kCrossInsetMm;
    const double spanY = size.Length - 2.0 * kCrossInsetMm;
    const QString inset = MmText(kCrossInsetMm);
    const QString lines[] = {
        QStringLiteral("Quillon printer calibration, %1 paper, %2 x %3 mm")
            .arg(paper == TPaperSize::Letter ? "US Letter" : "A4", MmText(size.Width), MmText(size.Length)),
        QStringLiteral("Print at 100 % (not fitted to the page) with no correction, then measure from the"),
        QStringLiteral("paper's left edge to the centres of the left and right crosses (L, R) and from its"),
        QStringLiteral("top edge to the centres of the top and bottom crosses (T, B), in millimetres."),
        QStringLiteral("Scale X % = (%1 / (R - L) - 1) x 100     Offset X mm = %2 - L x (1 + Scale X / 100)")
            .arg(MmText(spanX), inset),
        QStringLiteral("Scale Y % = (%1 / (B - T) - 1) x 100     Offset Y mm = %2 - T x (1 + Scale Y / 100)")
            .arg(MmText(spanY), inset),
        QStringLiteral("This page: offset X %1 mm, Y %2 mm; scale X %3 %, Y %4 %.")
            .arg(Signed(calibration.OffsetXMm), Signed(calibration.OffsetYMm),
                 Signed(calibration.ScaleXPercent), Signed(calibration.ScaleYPercent)),
        QStringLiteral(
            "With the right corrections every cross and tick lies at its distance from the edges."),
    };
    const double lineMm = MmOfPoints(kTextPoints) * 1.6;
    double y = size.Length / 2.0 - 20.0 - lineMm * static_cast<double>(std::size(lines));
    for (const QString& line : lines) {
        DrawTextAt(painter, QPointF(size.Width / 2.0, y), Qt::AlignHCenter | Qt::AlignTop, kTextPoints, line);
        y += lineMm;
    }
}

} // namespace

std::vector<QPointF> CalibrationCrosses(TPaperSize paper)
{
    const TPaperMm size = PaperMm(paper);
    const double right = size.Width - kCrossInsetMm;
    const double bottom = size.Length - kCrossInsetMm;
    return {{kCrossInsetMm, kCrossInsetMm},
            {right, kCrossInsetMm},
            {kCrossInsetMm, bottom},
            {right, bottom},
            {size.Width / 2.0, size.Length / 2.0}};
}

void PaintCalibrationPage(QPainter& painter, TPaperSize paper, const TPaintTarget& target)
{
    const TPaperMm size = PaperMm(paper);
    painter.save();
    painter.setWorldTransform(PaperTransform(target), true);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(Qt::black, kLineMm, Qt::SolidLine, Qt::FlatCap));
    painter.setBrush(Qt::NoBrush);
    for (TEdge edge : {TEdge::Top, TEdge::Bottom, TEdge::Left, TEdge::Right})
        DrawRuler(painter, size, edge);
    for (const QPointF& centre : CalibrationCrosses(paper))
        DrawCross(painter, size, centre);
    DrawInstructions(painter, paper, size, target.Calibration);
    painter.restore();
}

void WriteCalibrationPdf(QIODevice& device, TPaperSize paper, const TCalibration& calibration)
{
    CheckCalibration(calibration);
    (void)PaperMm(paper); // refuses a custom paper before anything is written
    QPdfWriter writer(&device);
    writer.setResolution(kPdfResolutionDpi);
    writer.setPageLayout(PageLayoutOf(paper));
    writer.setTitle(QStringLiteral("Quillon printer calibration"));
    QPainter painter;
    if (!painter.begin(&writer))
        throw Exception("Cannot make the calibration page PDF");
    PaintCalibrationPage(painter, paper,
                         TPaintTarget{.ResolutionDpi = kPdfResolutionDpi, .Calibration = calibration});
    if (!painter.end())
        throw Exception("Cannot make the calibration page PDF");
}

QByteArray CalibrationPdf(TPaperSize paper, const TCalibration& calibration)
{
    QByteArray pdf;
    QBuffer buffer(&pdf);
    if (!buffer.open(QIODevice::WriteOnly))
        throw Exception("Cannot make the calibration page PDF");
    WriteCalibrationPdf(buffer, paper, calibration);
    buffer.close();
    return pdf;
}

} // namespace quillon
