#include "Barcode.h"

namespace quillon {

void TBarcode::Draw(TCanvas&) { throw Exception("not built yet"); }
void TBarcode::DrawBars(const std::string&, TCanvas&) {}
void TBarcode::DrawBarText(TCanvas&) {}

}  // namespace quillon
