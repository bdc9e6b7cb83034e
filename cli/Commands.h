// The subcommands of quillon-cli, one function each. They write their results to `out` or to a file.
#pragma once

#include <ostream>
#include <stdexcept>

#include "CliOptions.h"
#include "app/SheetRun.h"

class QImage;

namespace quillon::cli {

// An output file that could not be written; main prints the message and exits with status 1.
class OutputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A barcode object set up from the command line's engine options.
TBarcode MakeBarcode(const CliOptions& options);

void RunKinds(std::ostream& out);
void RunPattern(const CliOptions& options, std::ostream& out);
void RunWidth(const CliOptions& options, std::ostream& out);

// The label as the preview composes it. Needs a QGuiApplication.
QImage ComposeLabelImage(const CliOptions& options);
// Composes the label and writes it to options.output in one piece: the file is either the whole
// new image or left as it was. Raises OutputError when it cannot be written.
void RunLabel(const CliOptions& options);

// The sheet geometry that the command line asks for.
TSheetSettings SheetSettingsFrom(const CliOptions& options);
// Composes the label with the row height as its bar height (unless --height is given), fills the
// columns x rows cells of the sheet with it by the report's page flow and writes the PDF to
// options.output in one piece. Needs a QGuiApplication. Raises OutputError when it cannot be written.
void RunSheet(const CliOptions& options);

} // namespace quillon::cli
