#include "Barcode.h"

namespace quillon {

std::string TBarcode::EncodePostNet() const { throw Exception("not built yet"); }

}  // namespace quillon
