// The names under which the symbologies are offered to the user, in TBarcodeType order.
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "Barcode.h"

namespace quillon {

extern const std::array<std::string_view, kBarcodeTypeCount> KindListEntries;

// A kind named by its list entry (case-insensitive, such as "codeean13") or by its ordinal ("14").
std::optional<TBarcodeType> KindFromName(std::string_view name);

} // namespace quillon
