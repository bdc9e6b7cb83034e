#include "app/RowLabel.h"

namespace quillon {

TLabelCaptions RowCaptions(const TLabelCaptions& deck, const TListRow& row)
{
    TLabelCaptions captions = deck;
    const auto text = [](const std::string& bytes) {
        return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
    };
    if (row.Upper)
        captions.Upper = text(*row.Upper);
    if (row.Lower)
        captions.Lower = text(*row.Lower);
    return captions;
}

} // namespace quillon
