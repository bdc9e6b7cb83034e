// The ranges and designed values of the control deck and the label sheet, in one place for the window,
// the sheet run and quillon-cli, so that none of them can accept what another refuses. Plain C++.
#pragma once

namespace quillon::limits {

// A whole-number setting: the range its control keeps it in and the value the control starts with.
struct TRange {
    int Min = 0;
    int Max = 0;
    int Initial = 0;

    constexpr bool Contains(int value) const { return value >= Min && value <= Max; }
};

inline constexpr TRange kColumns{.Min = 1, .Max = 4, .Initial = 1}; // label columns of the sheet (CSpn)
inline constexpr TRange kRows{.Min = 1, .Max = 20, .Initial = 1};   // label rows of one column (RSpn)
// A margin or the column spacing in whole millimetres (TM, RM, BM, LM, CS). The design panel's spin
// edits start at 0 until the options or the report's page set them.
inline constexpr TRange kMarginMm{.Min = 0, .Max = 50, .Initial = 0};
inline constexpr TRange kZoom{.Min = 1, .Max = 10, .Initial = 2}; // ZomSpn: narrow module width, px
// RatioSpn: wide-to-narrow ratio; it starts at 2, the ratio the designed label (Code 93 Extended, whose
// elements are one to four modules wide) needs to scan.
inline constexpr TRange kRatio{.Min = 0, .Max = 10, .Initial = 2};
inline constexpr TRange kAngle{.Min = 0, .Max = 360, .Initial = 30};     // BCodeAngSpn, degrees
inline constexpr TRange kBlinkMs{.Min = 1, .Max = 1000, .Initial = 100}; // TrackBar1: blink timer interval
// Every module width the engine takes (TBarcode::SetModul keeps its value for any other); quillon-cli's
// --modul offers all of them and starts at the narrowest.
inline constexpr TRange kModul{.Min = 1, .Max = 49, .Initial = 1};

// The sheet as the print report is designed: A4 with 10 mm margins all round and 2 mm between columns.
inline constexpr int kDesignedMarginMm = 10;
inline constexpr int kDesignedSpacingMm = 2;

static_assert(kMarginMm.Contains(kDesignedMarginMm) && kMarginMm.Contains(kDesignedSpacingMm));
static_assert(kModul.Contains(kZoom.Min) && kModul.Contains(kZoom.Max), "the deck's zoom is a module width");

} // namespace quillon::limits
