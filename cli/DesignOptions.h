// quillon-cli sheet --design FILE: a label design saved from the window, mapped onto the command line's
// options, which the options given beside it override.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "CliOptions.h"
#include "label/sheet/LabelDesign.h"

namespace quillon::cli {

// The design's settings as the command line's options; `path` places a relative list file beside the design.
// Raises InputError for a list source without a file or a serial run past 18 digits.
DesignDefaults DefaultsOfDesign(const TLabelDesign& design, const std::string& path);

// Parses the command line; with --design, reads the design (its notes on `err`, "quillon-cli: FILE:LINE:
// ...") and parses the line again over it. Raises UsageError as ParseCommandLine does, and InputError for a
// design that cannot be read or is refused, naming the file and line.
CliOptions ParseWithDesign(const std::vector<std::string>& args, std::ostream& err);

} // namespace quillon::cli
