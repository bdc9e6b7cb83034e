// What a PDF writer hands a reader of its pages before the file is whole, so that a page can be proved
// as it was written, before the fonts its pages name are.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace quillon {

// Part of a PDF as its writer wrote it, before the file is whole: the bytes, where each object begins in
// them, and the page among them (0 for none).
struct TWrittenPdfPart {
    std::string Bytes{};
    std::vector<std::pair<int, std::size_t>> Objects{};
    int PageObject = 0;
};

// A glyph as a font not yet written will hold it: its outline as PDF path operators in thousandths of an
// em, y up, filled; and its advance in thousandths of an em.
struct TPendingGlyph {
    std::string Outline{};
    double Advance = 0.0;
};

// Fonts a writer writes last, though its pages name them first: what they will hold.
class TPendingFonts {
public:
    virtual ~TPendingFonts() = default;
    // The bytes a code of the font takes in a string (1 or 2), or 0 when the writer has no such font.
    virtual int BytesPerCode(int fontObject) const = 0;
    virtual std::optional<TPendingGlyph> Glyph(int fontObject, unsigned code) const = 0;
    // Every font and code the fonts will hold.
    virtual std::vector<std::pair<int, unsigned>> Codes() const = 0;
};

} // namespace quillon
