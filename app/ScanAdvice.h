// Why a label that does not scan does not: found from what the label, its kind and its sheet are (the
// check digit, the bar widths, the printer's dot, the white beside the bars), never from a reason's
// words. LabelStatus words it with the remedy that fits the layout.
#pragma once

#include <cstdint>

#include "app/RowLabel.h"
#include "barcode/Barcode.h"
#include "label/compose/LabelComposer.h"
#include "label/proof/ScanCheck.h"
#include "report/PreparedReport.h"

namespace quillon {

enum class TScanCause : std::uint8_t {
    Unknown,     // nothing found: the reader does not read it
    CheckDigit,  // every character reads but the check digit, which should be Digit
    BarWidth,    // the Bar Width draws the wide bars out of the proportion the kind takes
    SmallModule, // the narrow bars are finer than one of the printer's dots
    Stretched,   // stretched to fill its cell, the label keeps no quiet zone
    Margin,      // the page's margin beside the bars is narrower than their quiet zone
    Neighbour,   // the next label stands within the quiet zone
};

enum class TSide : std::uint8_t { Left, Right };

struct TScanAdvice {
    TScanCause Cause = TScanCause::Unknown;
    TLabelLayout Layout = TLabelLayout::Classic;
    char Digit = '0';         // CheckDigit: the right one
    int BarWidth = 2;         // BarWidth: the ratio set
    bool ExactWidth = false;  // BarWidth: the kind takes exactly 2, not 2 or more
    double ModuleMm = 0.0;    // SmallModule: the narrow module
    double DotMm = 0.0;       // SmallModule: the printer's dot
    TSide Side = TSide::Left; // Margin, Neighbour: the side of the bars
    double HaveMm = 0.0;      // Margin, Neighbour: the white beside the bars
    double NeedMm = 0.0;      // the quiet zone there
    int WidenToMm = 0;        // the left margin or the column spacing that would hold it
    int Zoom = 0;             // the largest zoom whose quiet zone fits; 0 for none
    int ZoomForDot = 0;       // SmallModule: the least zoom a dot wide
    bool operator==(const TScanAdvice&) const = default;
};

// What the advice is found from: the barcode as it drew the label (its kind, module, ratio, check digit
// switch and angle), the label's drawing, how it read, the deck's settings and the sheet's first row.
struct TAdviceFacts {
    const TBarcode& Barcode;
    const TLabelDrawing& Drawing;
    const TScanResult& Scan;
    const TComposeSettings& Settings;
    const TPreparedReport& Sheet;
};

// The first cause that holds, in this order: the check digit and the bar widths, which stop the label on
// any paper; the white the sheet leaves beside the bars, which the reader needs whatever the printer; and
// last a module finer than the printer's dot, which only may blur the widths.
TScanAdvice AdviseScan(const TAdviceFacts& facts);

} // namespace quillon
