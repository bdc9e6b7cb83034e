// The subcommands of quillon-cli, one function each. They write their results to `out`.
#pragma once

#include <ostream>

#include "CliOptions.h"

namespace quillon::cli {

// A barcode object set up from the command line's engine options.
TBarcode MakeBarcode(const CliOptions& options);

void RunKinds(std::ostream& out);
void RunPattern(const CliOptions& options, std::ostream& out);
void RunWidth(const CliOptions& options, std::ostream& out);

}  // namespace quillon::cli
