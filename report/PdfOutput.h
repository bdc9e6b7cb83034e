// Writes the pages of a prepared report to a PDF file, placed exactly by their page values.
#pragma once

#include <QImage>
#include <QString>
#include <span>

#include "report/PreparedReport.h"

namespace quillon {

// pictures[row] is the picture of data row `row`. Raises when there is no page to write or the
// file cannot be written.
void WritePdf(const TPreparedReport& report, std::span<const QImage> pictures, const QString& filePath);

} // namespace quillon
