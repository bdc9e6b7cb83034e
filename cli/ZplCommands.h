// ZPL II for label printers: label --format zpl and sheet --format zpl, each label read back as the
// printer prints it before anything is written.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "CliOptions.h"
#include "PrintLabels.h"
#include "label/render/LabelZpl.h"

namespace quillon::cli {

TZplSettings ZplSettingsFrom(const CliOptions& options);

// The label a ZPL label prints on: the roll stock's label (--stock, one label across and one down) with
// the label placed on it as a sheet places it, or without a stock the label's own size.
struct ZplMedia {
    std::optional<QSizeF> labelMm{}; // none: the label's own size
    std::optional<TPlacedImage> placing{};
};
// Raises UsageError for a stock of several labels, naming it.
ZplMedia ZplMediaFrom(const CliOptions& options);
// The options a label of that media is composed with, and the cell it must fit.
CliOptions ZplLabelOptions(const CliOptions& options, const ZplMedia& media);

// One label as ZPL and what its proof found.
struct ZplLabelBlock {
    std::string zpl{};                // ^XA..^XZ
    std::vector<std::string> notes{}; // the layout's and why the bars went as a graphic
    std::string failure{};            // why it would not read as typed; empty when it reads
    bool noReader = false;
};
// The label as one ^XA..^XZ block printed `copies` times and, unless --no-verify, read back from the
// block written. Raises what composing and drawing raise.
ZplLabelBlock MakeZplBlock(const CliOptions& options, const ZplMedia& media, const PrintLabel& label,
                           int copies);

// label --format zpl and sheet --format zpl of one TEXT: the file is written whole only when the label
// reads; else nothing is written and the exit status is 1.
int RunLabelZpl(const CliOptions& options, std::ostream& err);

} // namespace quillon::cli
