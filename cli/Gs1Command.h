// quillon-cli gs1: GS1 data checked without making a symbol, for scripts.
#pragma once

#include <ostream>
#include <string_view>

namespace quillon::cli {

// Prints each AI of the bracketed GS1 data on `out`, one line each: AI, TAB, its GS1 title, TAB, the
// value; returns 0. Or prints every fault on `err`, one line each, and returns 1, with nothing on `out`.
int RunGs1(std::string_view data, std::ostream& out, std::ostream& err);

} // namespace quillon::cli
