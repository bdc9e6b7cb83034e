#include "Barcode.h"

namespace quillon {

std::string TBarcode::EncodeCode128() { throw Exception("not built yet"); }

}  // namespace quillon
