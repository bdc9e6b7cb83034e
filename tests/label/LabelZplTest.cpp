// ^GFA data: dots compressed as ZPL's ASCII hex compression writes them, expanded back to the same dots,
// and data a printer would not take refused.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "label/render/LabelZpl.h"

namespace quillon {
namespace {

// Rows of bytes, each row `bytes` wide.
TDotBitmap BitmapOf(int bytes, const std::vector<std::vector<std::uint8_t>>& rows)
{
    TDotBitmap dots(bytes * 8, static_cast<int>(rows.size()));
    for (std::size_t y = 0; y < rows.size(); ++y)
        std::copy(rows[y].begin(), rows[y].end(), dots.Bits.begin() + static_cast<std::ptrdiff_t>(y * bytes));
    return dots;
}

struct CompressionRow {
    int row = 0;
    TDotBitmap dots;
    std::string data;
};

const std::vector<CompressionRow>& CompressionRows()
{
    static const std::vector<CompressionRow> rows = {
        {1, BitmapOf(2, {{0x00, 0x00}}), ","},    // white to the end
        {2, BitmapOf(2, {{0xFF, 0xFF}}), "JF"},   // black spelt out, not as '!'
        {3, BitmapOf(2, {{0x0F, 0xF0}}), "0HF,"}, // a run of two
        {4, BitmapOf(2, {{0xFF, 0x00}, {0xFF, 0x00}, {0x00, 0xFF}}), "HF,:H0HF"}, // a row repeated
        {5, BitmapOf(2, {{0x12, 0x34}}), "1234"},                                 // no run, no tail
        {6, BitmapOf(24, {std::vector<std::uint8_t>(24, 0x88)}), "hN8"},          // 48 = 40 + 8
        // 500 digits: the longest count, 419, then the 81 left.
        {7, BitmapOf(250, {std::vector<std::uint8_t>(250, 0x88)}), "zY8jG8"},
    };
    return rows;
}

TEST(LabelZpl, CompressesAndExpandsGraphicData)
{
    for (const CompressionRow& r : CompressionRows()) {
        const std::string data = CompressedGraphicHex(r.dots);
        EXPECT_EQ(data, r.data) << "row " << r.row;
        const std::optional<TDotBitmap> back =
            ExpandGraphicHex(data, r.dots.BytesPerRow, r.dots.BytesPerRow * r.dots.Height);
        ASSERT_TRUE(back) << "row " << r.row;
        EXPECT_EQ(back->Bits, r.dots.Bits) << "row " << r.row;
    }
}

// Data as other writers compress it: '!' fills the row with black, counts add up.
struct ExpansionRow {
    int row = 0;
    std::string data;
    std::vector<std::uint8_t> bytes; // two a row
};
const ExpansionRow kExpansions[] = {
    {1, "0!", {0x0F, 0xFF}},
    {2, "!:", {0xFF, 0xFF, 0xFF, 0xFF}},
    {3, "GHF0", {0xFF, 0xF0}},              // 1 + 2 = 3 digits
    {4, "8,\n:", {0x80, 0x00, 0x80, 0x00}}, // a line break anywhere
    {5, "1234", {0x12, 0x34}},
};

TEST(LabelZpl, ExpandsCompressedData)
{
    for (const ExpansionRow& r : kExpansions) {
        const auto total = static_cast<int>(r.bytes.size());
        const std::optional<TDotBitmap> dots = ExpandGraphicHex(r.data, 2, total);
        ASSERT_TRUE(dots) << "row " << r.row;
        EXPECT_EQ(dots->Bits, r.bytes) << "row " << r.row;
    }
}

// Dots that are not whole bytes wide, with runs and repeated rows: the cropped graphics we write.
TEST(LabelZpl, ExpandsWhatItCompresses)
{
    TDotBitmap dots(37, 23);
    for (int y = 0; y < dots.Height; ++y)
        for (int x = 0; x < dots.Width; ++x)
            if ((y / 4 + x / (1 + y % 3)) % 2 == 0)
                dots.SetDark(x, y);
    const std::optional<TDotBitmap> back =
        ExpandGraphicHex(CompressedGraphicHex(dots), dots.BytesPerRow, dots.BytesPerRow * dots.Height);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->Bits, dots.Bits);
}

struct MalformedRow {
    int row = 0;
    std::string data;
    int bytesPerRow = 1;
    int totalBytes = 1;
};
const MalformedRow kMalformed[] = {
    {1, ":", 1, 1},                     // nothing to repeat
    {2, "FFF", 1, 1},                   // a row too long
    {3, "IF", 1, 1},                    // a count too long for its row
    {4, "F", 1, 2},                     // rows missing
    {5, "FF00", 1, 1},                  // data past the last row
    {6, "F*", 1, 1},                    // not a character of the data
    {7, "H", 1, 1},                     // a count without its digit
    {8, "H,", 1, 1},                    // a count before a row's end
    {9, "FF", 2, 3},                    // a total that is no whole number of rows
    {10, "", 0, 0},                     // no rows
    {11, std::string(5000, 'z'), 1, 1}, // a count far past any row
};

TEST(LabelZpl, RefusesMalformedGraphicData)
{
    for (const MalformedRow& r : kMalformed)
        EXPECT_FALSE(ExpandGraphicHex(r.data, r.bytesPerRow, r.totalBytes)) << "row " << r.row;
}

// Placing dots at any column: whole bytes are shifted into place and clipped at the right edge.
TEST(LabelZpl, MarksDotsAtAnyColumn)
{
    TDotBitmap mark(11, 2);
    for (const int x : {0, 3, 4, 10})
        mark.SetDark(x, 1);
    for (const int at : {0, 3, 8, 13}) {
        TDotBitmap onto(20, 3);
        MarkDots(onto, mark, QPoint(at, 1), TDotMark::Dark);
        for (int y = 0; y < onto.Height; ++y)
            for (int x = 0; x < onto.Width; ++x) {
                const bool dark = y == 2 && x >= at && x - at < mark.Width && mark.Dark(x - at, 1);
                EXPECT_EQ(onto.Dark(x, y), dark) << "at " << at << ": " << x << "," << y;
            }
        EXPECT_EQ(onto.Bits.back() & 0x0F, 0) << "at " << at << ": dots past the width stay white";
        MarkDots(onto, mark, QPoint(at, 1), TDotMark::Clear);
        EXPECT_TRUE(std::all_of(onto.Bits.begin(), onto.Bits.end(), [](std::uint8_t b) { return b == 0; }))
            << "at " << at;
    }
}

} // namespace
} // namespace quillon
