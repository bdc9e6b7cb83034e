// The subcommands of quillon-cli, one function each. They write their results to `out` or to a file.
#pragma once

#include <QByteArray>
#include <QImage>
#include <ostream>
#include <span>
#include <string>

#include "CliOptions.h"
#include "OutputFile.h"
#include "label/SheetRun.h"

namespace quillon::cli {

// A barcode object set up from the command line's engine options.
TBarcode MakeBarcode(const CliOptions& options);

void RunKinds(std::ostream& out);
void RunPattern(const CliOptions& options, std::ostream& out);
void RunWidth(const CliOptions& options, std::ostream& out);

// The label as the preview composes it, with the barcode as it stands after composing (its Text
// encoded). Needs a QGuiApplication; safe to call from several threads at once.
struct ComposedLabel {
    TBarcode barcode;
    QImage image;
};
ComposedLabel ComposeLabelFor(const CliOptions& options);
QImage ComposeLabelImage(const CliOptions& options);
// The label as PNG file bytes. Raises OutputError (naming `output`) if the encoder fails.
QByteArray EncodePng(const QImage& image, const std::string& output);
// Composes the label and writes it to options.output in one piece: the file is either the whole
// new image or left as it was. Raises OutputError when it cannot be written, Interrupted when
// SIGINT or SIGTERM came before it was.
void RunLabel(const CliOptions& options);

// Exit statuses of verify besides 0 (a match), 1 (an engine error) and 2 (a usage error).
inline constexpr int kExitDoesNotScan = 3; // or reads otherwise
inline constexpr int kExitNoReader = 4;
// Composes the label as RunLabel does and reads it back with the decoder: prints the text read and
// the decoder's symbology to `out`, what went wrong to `err`, and returns the exit status.
int RunVerify(const CliOptions& options, std::ostream& out, std::ostream& err);

// The sheet geometry that the command line asks for.
TSheetSettings SheetSettingsFrom(const CliOptions& options);
// The options that compose a label of the sheet: the row height as the bar height unless --height
// is given, as the window's rows control sets it.
CliOptions SheetLabelOptions(const CliOptions& options);
// Fills the sheet's cells with the pictures, one cell each, in the report's page flow and writes
// the PDF to options.output in one piece. Raises OutputError when it cannot be written.
void WriteSheet(const CliOptions& options, std::span<const QImage> pictures);
// Composes the label, fills the columns x rows cells of the sheet with it and writes the PDF.
// Needs a QGuiApplication. Raises OutputError when it cannot be written.
void RunSheet(const CliOptions& options);

} // namespace quillon::cli
