// A lean PDF writer for label sheets: each label drawn from its description with its bars as filled
// rectangles on the printer's dots and its text in its fonts embedded in the file (TrueType subsets, or
// Type 3 outlines of other faces), written page by page to a device as the pages come.
#pragma once

#include <QImage>
#include <QPalette>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "barcode/Exception.h"
#include "label/render/LabelPainter.h"
#include "label/render/WrittenPdf.h"
#include "report/Calibration.h"
#include "report/PreparedReport.h"

class QIODevice;

namespace quillon {

// A picture of a row without a drawing, deflated, ready to be written as an image.
struct TLabelPdfImage {
    int Width = 0;
    int Height = 0;
    bool Grey = false; // one byte a pixel, else three
    std::string Pixels{};
};

// One page made ready to be written: its content deflated and what the content refers to.
struct TLabelPdfPage {
    std::string Content{};
    std::vector<int> Fonts{};             // the font slices the content names /F<slice>
    std::vector<TLabelPdfImage> Images{}; // the content names them /I0, /I1, ...
};

class TLabelPdfGlyphs;
struct TLabelPdfFontSlice;

// Text in a font without outlines (a bitmap font), which only the painter's PDF can show.
class TFontWithoutOutlines : public Exception {
public:
    using Exception::Exception;
};

// The PDF's pages lie on the paper of the report it was begun with, each page moved and scaled by the
// calibration (raising for one out of range) before its labels are placed on the printer's dots. Pages are
// written to `out` as they are added; only the fonts, the page list and the cross-reference table wait for
// Finish. The device must stay open until then. A failed write raises, and the device then holds a partial
// PDF that the caller discards.
class TLabelPdf {
public:
    TLabelPdf(QIODevice& out, const TPreparedReport& paper, const TCalibration& calibration = {});
    TLabelPdf(const TLabelPdf&) = delete;
    TLabelPdf& operator=(const TLabelPdf&) = delete;
    ~TLabelPdf();

    // Page pageIndex of the report: each cell's label drawn from labels[row] for a printer of gridDpi,
    // placed as PlaceLabel places it and cut to its PrintedFrame when it does not fit; a row without a
    // drawing shows pictures[row] as the page renderer shows it. A cell's picture, when there is one,
    // sizes the cell as it does for the page renderer; without, the label's size does. Texts of the
    // report are laid out as the page renderer lays them out. Safe on several threads at once, so that
    // pages can be made and compressed beside one another; raises for a gridDpi that is not above 0, and
    // TFontWithoutOutlines.
    TLabelPdfPage MakePage(const TPreparedReport& report, std::size_t pageIndex, const TSheetLabels& labels,
                           double gridDpi, std::span<const QImage> pictures = {}) const;
    // Writes a page that this writer's MakePage made as the PDF's next page, straight to the device; on one
    // thread at a time, in the order of the pages. Gives back what it wrote, for the proof to read.
    TWrittenPdfPart AddPage(const TLabelPdfPage& page);
    TWrittenPdfPart Add(const TPreparedReport& report, std::size_t pageIndex, const TSheetLabels& labels,
                        double gridDpi, std::span<const QImage> pictures = {})
    {
        return AddPage(MakePage(report, pageIndex, labels, gridDpi, pictures));
    }
    std::size_t Pages() const { return FPageObjects.size(); } // added so far
    // Writes the fonts, the page list and the cross-reference table. Raises when no page was added. Gives
    // back what it wrote, for the proof to check the fonts the pages were read with.
    TWrittenPdfPart Finish();
    // The fonts as they will be written, for reading pages before Finish writes them. Lives as long as
    // the writer; safe beside MakePage on other threads.
    const TPendingFonts& PendingFonts() const;

private:
    int NewObject();
    void BeginObject(int number);
    void Write(std::string_view bytes);
    void WriteStream(int number, std::string_view dictionary, std::string_view data);
    int FontObject(int slice);
    void WriteFonts();
    void BeginPart();
    TWrittenPdfPart EndPart(int pageObject);
    class TPending;
    void WriteTrueTypeFont(int number, const TLabelPdfFontSlice& slice, std::size_t index);
    void WriteType3Font(int number, const TLabelPdfFontSlice& slice, std::size_t index);

    QIODevice& FOut;
    TCalibration FCalibration{};
    double FPaperWidthPoints = 0.0;
    double FPaperHeightPoints = 0.0;
    // For the system colours and the direction of text, read once on the thread that makes the writer.
    QPalette FPalette{};
    Qt::LayoutDirection FDirection = Qt::LeftToRight;
    std::unique_ptr<TLabelPdfGlyphs> FGlyphs{};
    std::uint64_t FWritten = 0;
    std::vector<std::uint64_t> FOffsets{}; // of object n at n - 1; 0 until written
    std::vector<int> FPageObjects{};
    std::vector<int> FFontObjects{}; // by slice; 0 until a page names it
    mutable std::mutex FFontObjectsMutex{};
    bool FFailed = false;
    bool FFinished = false;
    std::optional<TWrittenPdfPart> FPart{}; // what is being written, kept for the proof
    std::unique_ptr<TPending> FPending;
};

} // namespace quillon
