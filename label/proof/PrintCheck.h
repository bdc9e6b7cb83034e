// Proof on paper: the label cells of a prepared sheet drawn as the printer prints them, at its
// resolution in black and white with the paper the sheet leaves around each cell, and read back with
// ZXing-cpp. Cells that print alike are drawn and read once.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "label/proof/ScanCheck.h"
#include "label/render/LabelPainter.h"
#include "label/words/LabelMessage.h"
#include "report/Calibration.h"
#include "report/PreparedReport.h"

namespace quillon {

class TPrintedPdfPage;

// The printer resolutions a sheet is verified at; anything else raises with a message naming them.
inline constexpr int kMinVerifyDpi = 72;
inline constexpr int kMaxVerifyDpi = 2400;

// How a printed label reads: the reader's outcome and text, and why it fails.
struct TPrintVerdict {
    TScanResult Scan{};
    // Empty when the label reads as it should, else why not: "Check digit should be 0", "Label 75.4 mm
    // wide, cell 45.9 mm: it would be cut off", "Does not scan at 600 dpi" or "Reads 123 at 600 dpi, not
    // 456".
    TLabelMessage Reason{};
};

// A printed cell that does not read as it should.
struct TCellFailure {
    std::size_t Page = 0;
    std::int64_t Row = 0; // the data row the cell prints, from 0
    TScanResult Scan{};
    TLabelMessage Reason{};
};

struct TSheetVerification {
    int Dpi = 600;
    int Labels = 0;                       // cells that print a recorded label
    int Checked = 0;                      // of those, the ones of a kind the reader reads
    int ReadBack = 0;                     // of those, the ones that read as they should
    int DistinctCells = 0;                // cells drawn and read; every other cell prints as one of them
    std::vector<TCellFailure> Failures{}; // page by page, in the order the cells print

    bool AllReadBack() const { return Failures.empty(); }
};

// Verifies every cell of the sheet: labels[row] is the drawing and expected[row] the reading of data
// row `row`, one of each per row; a symbol drawn by libzint is read whole by the symbol reader. A cell is
// drawn with the neighbours beside it in its row as far as a quiet zone reaches, the paper's edge counting as
// ink: a label cut by its frame, or stretched without quiet zones, does not read. Raises for a dpi outside
// kMinVerifyDpi..kMaxVerifyDpi, for a different count of drawings and readings, and for a cell too large to
// draw.
TSheetVerification VerifySheet(const TPreparedReport& sheet, const TSheetLabels& labels,
                               std::span<const TScanExpectation> expected, int dpi);

// The same, reading each cell from the page as it was written (written[i] for page i of the sheet, moved
// and scaled by the printer's calibration), where the sheet and its labels only say where to look and
// what to expect. Bars written off the printer's dots fail their cell.
TSheetVerification VerifyWrittenSheet(const TPreparedReport& sheet, const TSheetLabels& labels,
                                      std::span<const TScanExpectation> expected, int dpi,
                                      std::span<const TPrintedPdfPage* const> written,
                                      const TCalibration& calibration = {});

// "Bars printed 0.41 dots off the 203-dpi printer's dots".
TLabelMessage OffTheDotsMessage(double offDots, int dpi);

// "80 of 80 labels read back at 600 dpi", with ", 4 not checked" for kinds no reader reads; "80 labels
// not checked: no reader for their kind" when none was.
std::string VerificationSummary(const TSheetVerification& verification);

// A label judged as the sheet prints it, with this label in every cell at dpi: the first cell that
// fails gives the verdict; when all read, the reading they share. The barcode is the one the label was
// recorded from, unchanged since. Raises as VerifySheet does.
TPrintVerdict VerifyLabelOnSheet(const TLabelDrawing& label, const TBarcode& barcode,
                                 const TPreparedReport& sheet, int dpi);
// The same for a label of any kind, judged by what it should read as (a symbol label's expectation).
TPrintVerdict VerifyLabelOnSheet(const TLabelDrawing& label, const TScanExpectation& expected,
                                 const TPreparedReport& sheet, int dpi);

// The same for the window's status line, so that "Scans as ..." means it scans on paper.
TScanResult CheckScanOnSheet(const TLabelDrawing& label, const TBarcode& barcode,
                             const TPreparedReport& sheet, int dpi);

// A label printed on its own at dpi, on white paper all round, as quillon-cli's label command writes
// it: its quiet zones are the paper's. Raises as VerifySheet does.
TPrintVerdict VerifyLabelAlone(const TLabelDrawing& label, const TBarcode& barcode, int dpi);

} // namespace quillon
