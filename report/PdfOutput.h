// Writes the pages of a prepared report to a PDF file, placed exactly by their page values.
#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QString>
#include <cstddef>
#include <memory>
#include <span>

#include "report/PageRenderer.h"
#include "report/PreparedReport.h"

namespace quillon {

// pictures[row] is the picture of data row `row`; drawPicture, when set, draws a row's picture
// itself at the PDF's resolution (its bitmap then only sizes the cell). Raises when there is no page
// to write or the file cannot be written. A calibration moves and scales everything on the paper, for a
// PDF that goes to a printer measured on its calibration page; the caller checks its range.
void WritePdf(const TPreparedReport& report, std::span<const QImage> pictures, const QString& filePath,
              const TPictureDrawer& drawPicture = {}, const TCalibration& calibration = {});

// The same PDF made in memory, for a caller that writes the file itself. Raises when there is no
// page to write or the PDF could not be made in full.
QByteArray PdfBytes(const TPreparedReport& report, std::span<const QImage> pictures,
                    const TPictureDrawer& drawPicture = {}, const TCalibration& calibration = {});

// A PDF made in memory page by page, for a caller that has the content of later pages only once the
// first are painted (a bulk run, whose labels are still being made). Every page lies on the paper of
// the report it was begun with. Raises as PdfBytes does.
class TPdfPages {
public:
    TPdfPages(const TPreparedReport& paper, const TCalibration& calibration = {});
    // Writes the pages to `out` as they are added instead of into memory; `out` is open for writing and
    // stays open until Finish, which then returns nothing. The device tells of failed writes itself.
    TPdfPages(QIODevice& out, const TPreparedReport& paper, const TCalibration& calibration = {});
    TPdfPages(const TPdfPages&) = delete;
    TPdfPages& operator=(const TPdfPages&) = delete;
    ~TPdfPages();

    // Paints page `pageIndex` of the report as the PDF's next page, with pictures and drawPicture as
    // PdfBytes takes them.
    void Add(const TPreparedReport& report, std::size_t pageIndex, std::span<const QImage> pictures,
             const TPictureDrawer& drawPicture = {});
    std::size_t Pages() const { return FPages; }
    // The whole PDF. Raises when no page was added or it could not be made in full.
    QByteArray Finish();

private:
    void Begin(QIODevice& out, const TPreparedReport& paper);

    QByteArray FPdf{};
    std::unique_ptr<QBuffer> FBuffer; // null when the pages go to the caller's device
    std::unique_ptr<QPdfWriter> FWriter;
    std::unique_ptr<QPainter> FPainter;
    TCalibration FCalibration{};
    std::size_t FPages = 0;
};

} // namespace quillon
