// Reads the ZPL we write back into the dots a printer prints: ^GF graphics from their bits, native
// barcode fields drawn from their parameters as the printer's encoder draws them (our engine, the same
// modules), so that every label can be read with the scan checks before the file is written.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "label/render/LabelZpl.h"

namespace quillon {

// One ^XA..^XZ block as printed.
struct TPrintedZplLabel {
    TDotBitmap Dots{}; // ^PW x ^LL
    int Copies = 1;    // ^PQ
};

// Every label of the file in order. Raises Exception naming what it cannot read: a command we do not
// write, a field outside the label, a malformed graphic or barcode field.
std::vector<TPrintedZplLabel> ReadWrittenZpl(std::string_view zpl);

} // namespace quillon
