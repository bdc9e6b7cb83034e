#include "report/PdfOutput.h"

#include <QBuffer>
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <string>
#include <utility>

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
    TPdfPages pdf(report, calibration);
    for (std::size_t page = 0; page < report.Pages.size(); ++page)
        pdf.Add(report, page, pictures, drawPicture);
    return pdf.Finish();
}

TPdfPages::TPdfPages(const TPreparedReport& paper, const TCalibration& calibration)
    : FBuffer(std::make_unique<QBuffer>(&FPdf)), FCalibration(calibration)
{
    if (!FBuffer->open(QIODevice::WriteOnly))
        throw Exception("The PDF could not be made in memory");
    Begin(*FBuffer, paper);
}

TPdfPages::TPdfPages(QIODevice& out, const TPreparedReport& paper, const TCalibration& calibration)
    : FCalibration(calibration)
{
    Begin(out, paper);
}

void TPdfPages::Begin(QIODevice& out, const TPreparedReport& paper)
{
    FWriter = std::make_unique<QPdfWriter>(&out);
    FWriter->setResolution(kPdfResolutionDpi);
    FWriter->setPageLayout(PageLayoutOf(paper));
    FPainter = std::make_unique<QPainter>();
    if (!FPainter->begin(FWriter.get()))
        throw Exception(FBuffer ? "Cannot write the PDF file <in memory>" : "Cannot write the PDF");
}

TPdfPages::~TPdfPages()
{
    if (FPainter->isActive())
        FPainter->end();
}

void TPdfPages::Add(const TPreparedReport& report, std::size_t pageIndex, std::span<const QImage> pictures,
                    const TPictureDrawer& drawPicture)
{
    if (FPages > 0)
        FWriter->newPage();
    // With no margins the painter's origin is the paper's corner.
    RenderPage(*FPainter, report, pageIndex, pictures,
               TPaintTarget{.ResolutionDpi = kPdfResolutionDpi,
                            .DrawPicture = drawPicture,
                            .Calibration = FCalibration});
    ++FPages;
}

QByteArray TPdfPages::Finish()
{
    // An empty page would pass for a report that printed nothing.
    if (FPages == 0)
        throw Exception("The report has no pages to write");
    if (!FPainter->end())
        throw Exception(FBuffer ? "Cannot write the PDF file <in memory>" : "Cannot write the PDF");
    FWriter.reset();
    if (!FBuffer)
        return {};
    FBuffer.reset();
    if (!IsWholePdf(FPdf))
        throw Exception("The PDF could not be made in full");
    return std::move(FPdf);
}

} // namespace quillon
