#include "Barcode.h"

namespace quillon {

std::string TBarcode::EncodeMSI() const { throw Exception("not built yet"); }

}  // namespace quillon
