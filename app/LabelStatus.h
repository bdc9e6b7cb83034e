// The status line under the preview: how the label scans, what prints when it differs from what was
// typed and why, and the engine's errors as plain sentences, in the interface language.
#pragma once

#include <QColor>
#include <QString>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "app/Captions.h"
#include "app/ScanAdvice.h"
#include "barcode/Barcode.h"
#include "label/proof/PrintCheck.h"
#include "label/proof/ScanCheck.h"

namespace quillon {

enum class TStatusLevel : std::uint8_t {
    Good,    // scans as typed
    Note,    // nothing was checked
    Warning, // prints or scans other than typed: amber
    Error,   // nothing to print, or it does not scan
};

struct TLabelStatus {
    QString Text;
    TStatusLevel Level = TStatusLevel::Note;
    QString Details{}; // what the status line's tooltip adds, such as every note of the standard layout
};

// Green, grey, amber and red; none of them the window's key maroon, which would be cut out.
QColor StatusColor(TStatusLevel level);

// The kind's name as people write it ("EAN-13", "Code 128 B"); the list entry for an unknown kind.
QString KindDisplayName(int kindIndex);

// An engine's or a label's refusal as a sentence that says what the kind takes, in `language`, chosen by
// its fault (Exception::Fault, with its Detail); a refusal of no known fault passes its message on.
QString PlainError(TFault fault, std::string_view detail, std::string_view message, int kindIndex,
                   TLanguage language);

// The status of a label that was composed: `typed` is the code as typed (UTF-8), `barcode` the engine
// that drew it (its LastEncoding says what it drew), `scan` what the decoder read back.
// A label that does not scan is said by the advice found for it.
TLabelStatus LabelStatusOf(std::string_view typed, const TBarcode& barcode, const TScanResult& scan,
                           TLanguage language, const TScanAdvice& advice = {});

// Why a label does not scan and the remedy that fits its layout, in `language`: "Does not scan: the bars
// stand 5.0 mm from the paper's left edge, inside the 5.8 mm quiet zone they need; widen the left margin to
// 6 mm, or set the zoom to 1".
QString ScanAdviceText(const TScanAdvice& advice, int kindIndex, TLanguage language);

// What makes room for a label its cell cuts off, after the cell's sentence: "; lower the zoom, or use
// fewer columns or rows", or a stock of larger labels.
QString CutRemedyText(TLabelLayout layout, bool onStock, TLanguage language);

// The check digit a label that reads nothing should carry: the reader's finding, or for the EAN and UPC
// kinds that draw the typed check digit, the engine's, since their last digit always is one.
std::optional<char> RightCheckDigitOf(const TBarcode& barcode, const TScanResult& scan);

// A message of the label library (a note, a cell's refusal, a proof's finding) in `language`.
QString MessageText(const TLabelMessage& message, TLanguage language);

// "80 of 80 labels read back at 600 dpi" in `language`; false in the second when any label fails.
std::pair<QString, bool> VerificationText(const TSheetVerification& verification, TLanguage language);

// "Preview at 60%", for a preview drawn smaller than the label.
QString PreviewScaleText(int percent, TLanguage language);

} // namespace quillon
