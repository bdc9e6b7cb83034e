// TDeckPresenter: the window's logic between the deck's settings, the label's composition and the
// status line, without widgets, so that it is tested without a window. TBarForm reads its controls into
// a TDeckState and shows what the presenter returns.
#pragma once

#include <algorithm>
#include <exception>
#include <optional>
#include <string>

#include "app/Captions.h"
#include "app/LabelStatus.h"
#include "app/RowLabel.h"
#include "app/ScanAdvice.h"
#include "label/compose/SymbolLabel.h"
#include "label/sheet/LabelStock.h"
#include "label/sheet/PrintBarForm.h"
#include "label/sheet/SheetRun.h"

namespace quillon {

// What the deck's controls and the design panel set, as values.
struct TDeckState {
    int Kind = -1; // the kind list's entry; -1 while its text names none
    TSymbolOptions SymbolOptions{};
    TLabelLayout Layout = TLabelLayout::Classic;
    int ModulePixels = 1; // the zoom
    TColor BarColor = 0;
    double ModuleMm = 0.33; // the X-dimension spin: the standard layout's module
    int Ratio = 2;          // the Bar Width
    int Dpi = kDefaultGridDpi;
    TLabelCaptions Captions{}; // the maker's mark included
    int Columns = limits::kColumns.Initial;
    int Rows = limits::kRows.Initial;
    bool Stretch = false;
    int StartAt = 1; // "Start at label N"
    TPaperSize Paper = TPaperSize::A4;
    std::optional<TLabelStock> Stock{};
    TCellPlacing Placing{}; // taken on a stock only
    TCellOrder Order = TCellOrder::AcrossRows;
    bool Footer = true;
    TLanguage Language = TLanguage::English;
};

class TDeckPresenter {
public:
    // Composes on `barcode`, which carries the kind, module, ratio, colour, check digit and angle, for
    // the sheet the print report `printForm` lays out.
    TDeckPresenter(TBarcode& barcode, TPrintBarForm& printForm) : FBarcode(barcode), FPrintForm(printForm) {}

    void SetDeck(TDeckState deck) { FDeck = std::move(deck); }
    const TDeckState& Deck() const { return FDeck; }
    std::optional<TSymbolKind> Symbol() const { return SymbolKindOf(FDeck.Kind); }

    // The sheet as the print report lays it out: the deck's grid and choices, the report's margins.
    TSheetSettings Sheet() const;
    // The sheet's grid, paper, stock, stretch, start and order reach the print report, and its row height
    // the barcode; returns the report's refusal of what its page cannot lay out, empty when all is taken.
    QString ApplySheet(TLanguage language);
    // The sheet's pages for `labels` cells, placed for the deck's label; its first row for the check.
    TPreparedReport PrepareSheet(int labels);
    TPreparedReport SheetProbe() { return PrepareSheet(std::max(1, FDeck.Columns)); }
    // The deck's settings for every label, with the cell of the sheet's first row.
    TComposeSettings ComposeSettings(const TPreparedReport& sheet) const;

    // Composes `code` with `captions` and checks it on the sheet; an error empties the label and is
    // kept for the status line.
    void Compose(const std::string& code, const TLabelCaptions& captions);
    // The label cannot be made: the engine's message, or a symbol's refusal with its reason.
    void Fail(const std::exception& error);
    // The label composed last; empty after a failure.
    const TComposedLabel& Label() const { return FLabel; }
    const TScanAdvice& Advice() const { return FAdvice; }
    // The status line in the deck's language from what the last composition found; empty before one.
    TLabelStatus Status() const;

private:
    TLabelStatus ComposedStatus() const;
    TLabelStatus FailureStatus() const;

    struct TFailure {
        std::string Message;
        std::optional<TSymbolError> SymbolError{};
        std::optional<TGs1Error> Gs1Fault{};
        TFault Fault = TFault::Other; // an engine's or a label's refusal, and its detail
        std::string Detail{};
    };

    TBarcode& FBarcode;
    TPrintBarForm& FPrintForm;
    TDeckState FDeck{};
    TComposedLabel FLabel{};
    TScanAdvice FAdvice{};
    std::string FCode{}; // as typed, for the status line
    std::optional<TFailure> FFailure{};
};

} // namespace quillon
