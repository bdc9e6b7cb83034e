// A row of a list or a serial run as the deck composes it: its own captions in place of the deck's.
#pragma once

#include "label/input/LabelList.h"
#include "label/run/RowComposer.h"

namespace quillon {

// The deck's captions for a row of a list: the row's upper and lower texts, where the list has them,
// take the place of the deck's; the deck's switches still decide whether captions show.
TLabelCaptions RowCaptions(const TLabelCaptions& deck, const TListRow& row);

} // namespace quillon
