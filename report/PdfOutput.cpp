#include "report/PdfOutput.h"

#include <QPrinter>

#include "barcode/Exception.h"
#include "report/PageRenderer.h"

namespace quillon {

void WritePdf(const TPreparedReport& report, std::span<const QImage> pictures, const QString& filePath)
{
    // An empty page would pass for a report that printed nothing.
    if (report.Pages.empty())
        throw Exception("The report has no pages to write");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(filePath);
    ConfigurePrinter(printer, report);
    if (!RenderPages(printer, report, pictures))
        throw Exception("Cannot write the PDF file <" + filePath.toStdString() + ">");
}

}  // namespace quillon
