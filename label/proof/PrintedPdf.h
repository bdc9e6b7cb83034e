// What a written PDF puts on paper, read back from its own bytes: the objects, the pages and their
// content interpreted onto a printer's dot grid, so that a proof reads the file that was written and not
// a second drawing of the labels. Reads the PDFs Quillon writes (a cross-reference table, Flate streams,
// filled and stroked paths, Type 3 and embedded TrueType fonts, images); anything else raises.
#pragma once

#include <QImage>
#include <QRect>
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "barcode/Exception.h"
#include "label/render/WrittenPdf.h"

namespace quillon {

// A PDF that cannot be read back: the message names what was found.
class TUnreadablePdf : public Exception {
public:
    using Exception::Exception;
};

// Rows of a picture: Count rows, Step apart, from First.
struct TRowSpread {
    int First = 0;
    int Step = 1;
    int Count = 0;
};

// How a page's rows came out: how far the edges of the filled rectangles painted there (the bars) lie off
// the printer's dot grid, in dots; 0 when every edge falls on it.
struct TPaintedRows {
    double OffGridDots = 0.0;
};

class TPrintedPdfPage;

// The fonts a writer will write for the page parts read one after another: each glyph is read once for
// the whole run, not once a page. Safe to share between threads; `pending` must outlive it.
class TPendingFontReader {
public:
    explicit TPendingFontReader(const TPendingFonts& pending);
    TPendingFontReader(const TPendingFontReader&) = delete;
    TPendingFontReader& operator=(const TPendingFontReader&) = delete;
    ~TPendingFontReader();

    class TData;
    const TData& Data() const { return *FData; }

private:
    std::unique_ptr<TData> FData;
};

// A PDF file's bytes and its pages. Reading pages is safe on several threads at once.
class TPrintedPdf {
public:
    // Raises TUnreadablePdf when the bytes are no PDF this reader knows.
    explicit TPrintedPdf(std::string bytes);
    // One page as it was written, its fonts as the writer says they will be written; `fonts` must
    // outlive the pages read.
    TPrintedPdf(TWrittenPdfPart page, const TPendingFontReader& fonts);
    TPrintedPdf(const TPrintedPdf&) = delete;
    TPrintedPdf& operator=(const TPrintedPdf&) = delete;
    ~TPrintedPdf();

    std::size_t Pages() const;
    // The page's ink at dpi, with the page's top-left corner at dot (0, 0). Raises TUnreadablePdf.
    std::unique_ptr<TPrintedPdfPage> Page(std::size_t index, double dpi) const;

    // Whether the fonts a writer wrote last (`fonts`) hold the glyphs its pages were read with: raises
    // TUnreadablePdf naming the first glyph that differs or is missing.
    static void CheckWrittenFonts(TWrittenPdfPart fonts, const TPendingFonts& pending);

    class TData;

private:
    std::unique_ptr<TData> FData;
};

// One page, interpreted: what it paints, in the order it paints it, in the printer's dots.
class TPrintedPdfPage {
public:
    virtual ~TPrintedPdfPage() = default;
    // The page's size in dots, rounded as a rasteriser rounds it.
    virtual QSize SizeDots() const = 0;
    // Paints `rows` of the part `bounds` of the page (in dots) into `image`, which has the bounds' size
    // (RGB32): paper white, outside the paper black, ink where the centre of a dot lies inside a filled
    // shape, as printer drivers fill. The paper is the page's unless `paper` says where it lies (a
    // calibrated page lies moved on its paper). Rows not listed are left as they are.
    virtual TPaintedRows Paint(QImage& image, const QRect& bounds, const TRowSpread& rows,
                               const std::optional<QRectF>& paper = std::nullopt) const = 0;
};

} // namespace quillon
