// The AI table generated from GS1's Barcode Syntax Dictionary, and the look-up of an AI in it.
#include "label/gs1/Gs1Table.h"

#include <algorithm>

namespace quillon {
namespace {

// The names the generated table writes its character sets with, as the dictionary does.
constexpr TGs1Cset N = TGs1Cset::Numeric, X = TGs1Cset::Cset82, Y = TGs1Cset::Cset39, Z = TGs1Cset::Base64Url;

#include "label/gs1/Gs1Table.inc"

bool AllDigits(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

const std::string_view kGs1DictionaryRelease = kRelease;

std::span<const TGs1AiEntry> Gs1AiTable()
{
    return kEntries;
}

const TGs1AiEntry* FindGs1Ai(std::string_view ai)
{
    if (ai.size() < 2 || ai.size() > 4 || !AllDigits(ai))
        return nullptr;
    // Entries are in lexical order and no AI begins another, so the last entry starting at or before
    // the AI is the only one that can hold it.
    const auto after =
        std::upper_bound(std::begin(kEntries), std::end(kEntries), ai,
                         [](std::string_view key, const TGs1AiEntry& entry) { return key < entry.First; });
    if (after == std::begin(kEntries))
        return nullptr;
    const TGs1AiEntry& entry = *std::prev(after);
    return ai.size() == entry.First.size() && ai <= entry.Last ? &entry : nullptr;
}

} // namespace quillon
