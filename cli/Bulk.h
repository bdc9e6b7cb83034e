// label and sheet over many codes: the lines of a codes file or the numbers of a sequence.
#pragma once

#include <ostream>

#include "CliOptions.h"

namespace quillon::cli {

// Writes one PNG per code into the directory options.output (made when missing), each whole or not
// at all. A code that cannot be made is reported on `err` with its line number and the rest are
// still made. Returns the exit status: 0, or 1 when some code could not be made. Raises InputError
// when the codes cannot be read and OutputError when a file cannot be written, which ends the run.
// Needs a QGuiApplication.
int RunBulkLabels(const CliOptions& options, std::ostream& err);

// Fills the sheet's cells with the labels of successive codes, one cell per code, on as many pages
// as the page flow needs, and writes the PDF in one piece. Codes that cannot be made are reported
// as RunBulkLabels does and take no cell. Needs a QGuiApplication.
int RunBulkSheet(const CliOptions& options, std::ostream& err);

} // namespace quillon::cli
