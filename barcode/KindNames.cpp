#include "KindNames.h"

#include <algorithm>
#include <charconv>

namespace quillon {

const std::array<std::string_view, kBarcodeTypeCount> KindListEntries{
    "Code_2_5_interleaved",
    "Code_2_5_industrial",
    "Code_2_5_matrix",
    "Code39",
    "Code39Extended",
    "Code128A",
    "Code128B",
    "Code128C",
    "Code93",
    "Code93Extended",
    "CodeMSI",
    "CodePostNet",
    "CodeCodabar",
    "CodeEAN8",
    "CodeEAN13",
    "CodeUPC_A",
    "CodeUPC_E0",
    "CodeUPC_E1",
    "CodeUPC_Supp2",
    "CodeUPC_Supp5",
    "CodeEAN128A",
    "CodeEAN128B",
    "CodeEAN128C",
};

namespace {

bool EqualIgnoringCase(std::string_view a, std::string_view b)
{
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [&](char x, char y) { return lower(x) == lower(y); });
}

} // namespace

std::optional<TBarcodeType> KindFromName(std::string_view name)
{
    for (int i = 0; i < kBarcodeTypeCount; ++i)
        if (EqualIgnoringCase(name, KindListEntries[i]))
            return static_cast<TBarcodeType>(i);
    int ordinal = -1;
    const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), ordinal);
    if (error == std::errc() && end == name.data() + name.size() && ordinal >= 0 &&
        ordinal < kBarcodeTypeCount)
        return static_cast<TBarcodeType>(ordinal);
    return std::nullopt;
}

} // namespace quillon
