#include "Barcode.h"

namespace quillon {

std::string TBarcode::EncodeCode93() const { throw Exception("not built yet"); }
std::string TBarcode::EncodeCode93Extended() const { throw Exception("not built yet"); }

}  // namespace quillon
