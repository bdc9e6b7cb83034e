// TReport: a banded report (page model, bands and their elements) and the run that prepares its pages.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "report/PageModel.h"
#include "report/PreparedReport.h"

namespace quillon {

// Band and element sizes are design pixels; each accepts 0 to this.
inline constexpr int kMaxDesignPixels = 100000;

class TReportElement {
public:
    virtual ~TReportElement() = default;

    // Position inside the band and size, in design pixels.
    int Left() const { return FLeft; }
    void SetLeft(int v);
    int Top() const { return FTop; }
    void SetTop(int v);
    int Width() const { return FWidth; }
    void SetWidth(int v);
    int Height() const { return FHeight; }
    void SetHeight(int v);

    // The element as printed for one data row, its frame already in tenths of a millimetre.
    virtual TPlacedElement Place(const TRectTenths& frame, std::int64_t row) const = 0;

private:
    int FLeft = 0;
    int FTop = 0;
    int FWidth = 0;
    int FHeight = 0;
};

// Shows the picture of the data row being printed.
class TImageElement : public TReportElement {
public:
    bool Stretch() const { return FStretch; }
    void SetStretch(bool v) { FStretch = v; }
    bool Center() const { return FCenter; }
    void SetCenter(bool v) { FCenter = v; }

    TPlacedElement Place(const TRectTenths& frame, std::int64_t row) const override;

private:
    bool FStretch = false;
    bool FCenter = false;
};

class TTextLabel : public TReportElement {
public:
    const std::string& Text() const { return FText; } // UTF-8
    void SetText(std::string v) { FText = std::move(v); }
    const TFontSpec& Font() const { return FFont; }
    void SetFont(TFontSpec v); // a point size of 1 to 1000
    TTextAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TTextAlignment v) { FAlignment = v; }
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool v) { FWordWrap = v; }
    // A label sized to its text is never cut at its frame.
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool v) { FAutoSize = v; }

    TPlacedElement Place(const TRectTenths& frame, std::int64_t row) const override;

private:
    std::string FText;
    TFontSpec FFont{};
    TTextAlignment FAlignment = TTextAlignment::Left;
    bool FWordWrap = false;
    bool FAutoSize = true;
};

class TBand {
public:
    explicit TBand(TBandKind kind) : FKind(kind) {}
    TBand(const TBand&) = delete;
    TBand& operator=(const TBand&) = delete;

    TBandKind Kind() const { return FKind; }
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool v) { FEnabled = v; }
    // Size in design pixels. The report lays the width out from its columns; a child takes its
    // parent's width.
    int Width() const { return FWidth; }
    void SetWidth(int v);
    int Height() const { return FHeight; }
    void SetHeight(int v);

    TImageElement& AddImage();
    TTextLabel& AddLabel();
    const std::vector<std::unique_ptr<TReportElement>>& Elements() const { return FElements; }

    // The band that prints right after this one; created on first use, owned by this band.
    TBand& AddChild();
    const TBand* Child() const { return FChild.get(); }

private:
    TBandKind FKind = TBandKind::Detail;
    bool FEnabled = true;
    int FWidth = 0;
    int FHeight = 0;
    std::vector<std::unique_ptr<TReportElement>> FElements;
    std::unique_ptr<TBand> FChild;
};

class TReport {
public:
    // Guards the memory of a run: every row becomes placed bands and elements.
    static constexpr std::int64_t kMaxRows = 1000000;

    TReport();
    TReport(const TReport&) = delete;
    TReport& operator=(const TReport&) = delete;

    // Every change of the page model lays the bands out again at once.
    TPageModel& Page() { return FPage; }
    const TPageModel& Page() const { return FPage; }

    bool FirstPageHeader() const { return FFirstPageHeader; }
    void SetFirstPageHeader(bool v) { FFirstPageHeader = v; }
    bool LastPageFooter() const { return FLastPageFooter; }
    void SetLastPageFooter(bool v) { FLastPageFooter = v; }
    // With no rows, still print one page with its headers and footers.
    bool PrintIfEmpty() const { return FPrintIfEmpty; }
    void SetPrintIfEmpty(bool v) { FPrintIfEmpty = v; }

    TBand& AddBand(TBandKind kind);
    const std::vector<std::unique_ptr<TBand>>& Bands() const { return FBands; }

    // Column layout in design pixels: the width between the margins shared by Columns columns.
    int ColumnWidthDesignPixels() const;
    int PageWidthDesignPixels() const; // between the margins
    void LayOutBands();

    // Prepares the pages of a run over rowCount data rows (0 to kMaxRows).
    TPreparedReport PrepareRun(std::int64_t rowCount);

private:
    void SanitiseMargins();

    TPageModel FPage;
    bool FFirstPageHeader = true;
    bool FLastPageFooter = true;
    bool FPrintIfEmpty = true;
    std::vector<std::unique_ptr<TBand>> FBands;
};

} // namespace quillon
