// Test support: the pages of a written PDF as a printer inks them, read by the label library's own PDF
// reader, and how many dots two sheets differ in.
#pragma once

#include <QByteArray>
#include <QImage>
#include <memory>
#include <vector>

#include "label/proof/PrintedPdf.h"

namespace quillon::testing {

// The same sheet inks the same dots, however its writer ordered its bytes.
inline std::vector<QImage> InkedPages(const QByteArray& pdf, int dpi = 150)
{
    const TPrintedPdf printed(pdf.toStdString());
    std::vector<QImage> pages;
    for (std::size_t i = 0; i < printed.Pages(); ++i) {
        const std::unique_ptr<TPrintedPdfPage> page = printed.Page(i, dpi);
        QImage image(page->SizeDots(), QImage::Format_RGB32);
        image.fill(Qt::gray);
        page->Paint(image, image.rect(), {.First = 0, .Step = 1, .Count = image.height()});
        pages.push_back(std::move(image));
    }
    return pages;
}

// The dots two sheets differ in, page by page; -1 when their pages differ in number or size.
inline int DotsApart(const std::vector<QImage>& a, const std::vector<QImage>& b)
{
    if (a.size() != b.size())
        return -1;
    int apart = 0;
    for (std::size_t page = 0; page < a.size(); ++page) {
        if (a[page].size() != b[page].size())
            return -1;
        for (int y = 0; y < a[page].height(); ++y)
            for (int x = 0; x < a[page].width(); ++x)
                apart += a[page].pixel(x, y) != b[page].pixel(x, y) ? 1 : 0;
    }
    return apart;
}

} // namespace quillon::testing
