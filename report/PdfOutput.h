// Writes the pages of a prepared report to a PDF file, placed exactly by their page values.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
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

} // namespace quillon
