#include "Barcode.h"

namespace quillon {

std::string TBarcode::EncodeCodabar() const { throw Exception("not built yet"); }

}  // namespace quillon
