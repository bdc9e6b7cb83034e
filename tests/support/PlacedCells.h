// Test support: the label cells of a prepared page, in the order the flow placed them.
#pragma once

#include <cstdint>
#include <variant>
#include <vector>

#include "report/PreparedReport.h"

namespace quillon::testing {

struct TPlacedCell {
    std::int64_t Row = 0;
    TRectTenths Frame{};
};

inline std::vector<TPlacedCell> CellsOf(const TPreparedPage& page)
{
    std::vector<TPlacedCell> cells;
    for (const TPlacedElement& element : page.Elements) {
        if (const auto* image = std::get_if<TPlacedImage>(&element.Content))
            cells.push_back({.Row = image->Row, .Frame = element.Frame});
    }
    return cells;
}

} // namespace quillon::testing
