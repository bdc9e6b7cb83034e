// The subcommands of quillon-cli, one function each. They write their results to `out` or to a file.
#pragma once

#include <QByteArray>
#include <QImage>
#include <ostream>
#include <span>
#include <string>

#include "CliOptions.h"
#include "OutputFile.h"
#include "PrintLabels.h"
#include "label/sheet/SheetRun.h"

namespace quillon::cli {

// A barcode object set up from the command line's engine options.
TBarcode MakeBarcode(const CliOptions& options);

void RunKinds(std::ostream& out);
void RunPattern(const CliOptions& options, std::ostream& out);
void RunWidth(const CliOptions& options, std::ostream& out);

// The label as PNG file bytes. Raises OutputError (naming `output`) if the encoder fails.
QByteArray EncodePng(const QImage& image, const std::string& output);

// The label command's image and the label it prints: the classic label as the preview composes it, the
// standard label at options.dpi, one pixel per printer dot. Needs a QGuiApplication; safe in several
// threads.
struct LabelFile {
    QImage image;
    PrintLabel label;
};
LabelFile MakeLabelFile(const CliOptions& options);

// How the label file reads, its own pixels one printer dot each on white paper: why it would not read
// as typed (empty when it does, or when no reader reads its kind), and whether no reader reads its kind.
struct LabelProof {
    std::string failure;
    bool noReader = false;
};
LabelProof ProveWritten(const QByteArray& png, const PrintLabel& label);
// The same for the label's dots as a printer prints them, one pixel a dot.
LabelProof ProveImage(const QImage& image, const PrintLabel& label);

// Composes the label, writes it to options.output in one piece (the file is either the whole new image
// or left as it was) and, unless --no-verify, reads it back as printed at --dpi, saying on `err` why it
// would not read as typed. Returns 0, or 1 when it would not. Raises OutputError when it cannot be
// written, Interrupted when SIGINT or SIGTERM came before it was.
int RunLabel(const CliOptions& options, std::ostream& err);

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
// The sheet prepared for labelCount cells.
TPreparedReport PrepareSheetFor(const CliOptions& options, int labelCount);
// Draws labels[row] into the cells of the prepared sheet at the printer's dots (--dpi) and writes the PDF
// to options.output in one piece; gives back the bytes written. Raises OutputError when it cannot be written.
std::string WriteSheet(const CliOptions& options, const TPreparedReport& sheet, const TSheetLabels& labels);
// Says on the report which labels would be cut off by their cells (misfits[row] non-empty) and, unless
// --no-verify, which would not read as typed, read from the written PDF at --dpi; where[row] prefixes each
// message ("line 4: " in a bulk run). One note when no reader reads the kind.
void ProveSheet(const CliOptions& options, const TPreparedReport& sheet, const TSheetLabels& labels,
                const std::vector<TScanExpectation>& expected, const std::vector<std::string>& misfits,
                const std::vector<std::string>& where, std::string written, ProofReport& report);
// Composes the label, fills the columns x rows cells of the sheet with it, writes the PDF and proves it as
// ProveSheet does. Returns 0, or 1 when a label would be cut off or would not read as typed. Needs a
// QGuiApplication. Raises OutputError when it cannot be written.
int RunSheet(const CliOptions& options, std::ostream& err);

} // namespace quillon::cli
