// label and sheet over many codes: the rows of a codes list or the numbers of a sequence, made as they
// are read, in bounded memory however many there are.
#pragma once

#include <ostream>

#include "CliOptions.h"

namespace quillon::cli {

// Writes one PNG per row into the directory options.output (made when missing), each whole or not at
// all, with the row's captions; a row's copies make no more files. A row that cannot be made is
// reported on `err` with its line number and the rest are still made. Returns the exit status: 0, or 1
// when some row could not be made. Raises InputError when the list cannot be read (before any file is
// written), UsageError for a --prefix or --suffix the kind cannot encode, and OutputError when a file
// cannot be written, which ends the run. Needs a QGuiApplication.
int RunBulkLabels(const CliOptions& options, std::ostream& err);

// Fills the sheet's cells in --order (across the rows by default) from the first after --skip, one cell
// per copy of each row, on as many pages as they need. Each page is prepared, drawn into the PDF and proved
// as soon as its labels are made, then dropped; the PDF is written beside the output and takes its name only
// when whole, so that a run that fails or is interrupted leaves the old file as it was. Rows that cannot be
// made are reported as RunBulkLabels does and take no cell. Needs a QGuiApplication.
int RunBulkSheet(const CliOptions& options, std::ostream& err);

// sheet --format zpl over many codes: one ZPL label per row with its copies (^PQ), each read back from
// the ZPL written for it; the file takes its name only when every row was made and reads, else nothing
// is written and the exit status is 1.
int RunBulkZpl(const CliOptions& options, std::ostream& err);

} // namespace quillon::cli
