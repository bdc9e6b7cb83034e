#include "report/PdfOutput.h"

#include <QBuffer>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <string>

#include "barcode/Exception.h"
#include "report/PageRenderer.h"

namespace quillon {

namespace {

// The printer's high resolution, so that positions in the PDF are as fine as on paper.
constexpr int kPdfResolutionDpi = 1200;

// The PDF writer does not report failed writes, so what it wrote is checked: a whole PDF ends in
// %%EOF, and its startxref offset points at the cross-reference table, which a lost piece before
// it would shift.
bool IsWholePdf(const QByteArray& pdf)
{
    const qsizetype keyword = pdf.lastIndexOf("startxref");
    if (!pdf.startsWith("%PDF-") || keyword < 0)
        return false;
    const QList<QByteArray> words = pdf.mid(keyword).simplified().split(' '); // startxref N %%EOF
    bool ok = false;
    const qlonglong offset = words.size() == 3 ? words[1].toLongLong(&ok) : -1;
    return ok && words[2] == "%%EOF" && offset >= 0 && offset < pdf.size() &&
           pdf.mid(static_cast<qsizetype>(offset), 4) == "xref";
}

bool IsWholePdf(const QString& filePath)
{
    QFile file(filePath);
    return file.open(QIODevice::ReadOnly) && IsWholePdf(file.readAll());
}

// Paints the pages on the writer; `name` is what a message calls its output.
void PaintPdf(QPdfWriter& writer, const TPreparedReport& report, std::span<const QImage> pictures,
              const TPictureDrawer& drawPicture, const TCalibration& calibration, const std::string& name)
{
    writer.setResolution(kPdfResolutionDpi);
    writer.setPageLayout(PageLayoutOf(report));
    QPainter painter;
    if (!painter.begin(&writer))
        throw Exception("Cannot write the PDF file <" + name + ">");
    // With no margins the painter's origin is the paper's corner.
    RenderPages(painter, writer, report, pictures,
                TPaintTarget{.ResolutionDpi = kPdfResolutionDpi,
                             .DrawPicture = drawPicture,
                             .Calibration = calibration});
    if (!painter.end())
        throw Exception("Cannot write the PDF file <" + name + ">");
}

void RequirePages(const TPreparedReport& report)
{
    // An empty page would pass for a report that printed nothing.
    if (report.Pages.empty())
        throw Exception("The report has no pages to write");
}

} // namespace

void WritePdf(const TPreparedReport& report, std::span<const QImage> pictures, const QString& filePath,
              const TPictureDrawer& drawPicture, const TCalibration& calibration)
{
    RequirePages(report);
    {
        QPdfWriter writer(filePath);
        PaintPdf(writer, report, pictures, drawPicture, calibration, filePath.toStdString());
    } // the writer closes the file here, so that it can be checked
    if (!IsWholePdf(filePath))
        throw Exception("The PDF file <" + filePath.toStdString() + "> could not be written in full");
}

QByteArray PdfBytes(const TPreparedReport& report, std::span<const QImage> pictures,
                    const TPictureDrawer& drawPicture, const TCalibration& calibration)
{
    RequirePages(report);
    QByteArray pdf;
    {
        QBuffer buffer(&pdf);
        if (!buffer.open(QIODevice::WriteOnly))
            throw Exception("The PDF could not be made in memory");
        QPdfWriter writer(&buffer);
        PaintPdf(writer, report, pictures, drawPicture, calibration, "in memory");
    }
    if (!IsWholePdf(pdf))
        throw Exception("The PDF could not be made in full");
    return pdf;
}

} // namespace quillon
