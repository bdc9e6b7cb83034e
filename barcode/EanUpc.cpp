#include "Barcode.h"

namespace quillon {

std::string TBarcode::EncodeEAN8() const { throw Exception("not built yet"); }
std::string TBarcode::EncodeEAN13() const { throw Exception("not built yet"); }
std::string TBarcode::EncodeUPCA() { throw Exception("not built yet"); }
std::string TBarcode::EncodeUPCE0() { throw Exception("not built yet"); }
std::string TBarcode::EncodeUPCE1() { throw Exception("not built yet"); }
std::string TBarcode::EncodeUPCE(bool) { throw Exception("not built yet"); }
std::string TBarcode::EncodeSupp2() { throw Exception("not built yet"); }
std::string TBarcode::EncodeSupp5() { throw Exception("not built yet"); }
std::string TBarcode::PadWithZeros(std::size_t) const { throw Exception("not built yet"); }

}  // namespace quillon
