#include "Barcode.h"

namespace quillon {

std::string TBarcode::Encode2of5Interleaved() { throw Exception("not built yet"); }
std::string TBarcode::Encode2of5Industrial() const { throw Exception("not built yet"); }
std::string TBarcode::Encode2of5Matrix() const { throw Exception("not built yet"); }

}  // namespace quillon
