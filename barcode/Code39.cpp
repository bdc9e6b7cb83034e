#include "Barcode.h"

namespace quillon {

std::string TBarcode::EncodeCode39() const { throw Exception("not built yet"); }
std::string TBarcode::EncodeCode39Extended() const { throw Exception("not built yet"); }

}  // namespace quillon
