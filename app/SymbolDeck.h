// The symbol kinds in the window: the module the X-dimension spin offers them, and the status line's
// sentences for a symbol that cannot be made or that was read back, in the interface language.
#pragma once

#include <QString>
#include <string_view>

#include "app/Captions.h"
#include "app/LabelStatus.h"
#include "label/compose/StandardLayout.h"
#include "label/compose/ZintSymbol.h"
#include "label/proof/ScanCheck.h"

namespace quillon {

// The standard layout's module for the kind: from the least it prints (LeastModuleMm) up to the linear
// kinds' widest X-dimension for GS1-128 and DataBar, and up to 2 mm for the matrix kinds and PDF417.
TMmRange SymbolModuleRange(TSymbolKind kind);

// Why the symbol cannot be made. In English the encoder's sentence; in Arabic a sentence for the kind of
// refusal, followed by the encoder's English detail where it names what to mend (the AI and its fault
// of GS1 data, the sizes of data too long). A GS1 fault given is worded in Arabic whole, from its code.
QString SymbolErrorText(TSymbolError error, std::string_view message, TSymbolKind kind, TLanguage language,
                        const TGs1Error* gs1Fault = nullptr);

// How the symbol label reads back: "Scans as ..." in green, or why not in red; grey for a symbol the
// reader cannot read.
TLabelStatus SymbolScanStatus(const TScanResult& scan, TSymbolKind kind, TLanguage language);

} // namespace quillon
