// sheet's file and print's job: one way to make them, so that what a printer gets is byte for byte
// what sheet -o writes for the same options.
#pragma once

#include <ostream>

#include "CliOptions.h"

namespace quillon::cli {

// sheet: the PDF or the ZPL of one TEXT or of a list or sequence, written to options.output and proved.
// Returns 0, or 1 when a label would be cut off or would not read.
int RunSheetFile(const CliOptions& options, std::ostream& err);

// print: the job made and proved as sheet makes its file, then handed to --printer (CUPS) or --to
// (raw ZPL). Nothing is sent when the proof fails (exit 1). Raises PrintFailure when the printer cannot
// be reached or refuses the job.
int RunPrint(const CliOptions& options, std::ostream& err);

} // namespace quillon::cli
