// Fuzzes the list reader: any bytes read as a list of codes, in one piece and cut in two at a point the
// input chooses. Both readings give the same rows (the reader is a stream), every row names a line in
// order, keeps at most the longest row, and the only refusals are the reader's own.
//
// Input: one byte, the format (even: one code a line, odd: CSV); two bytes, where to cut; the list.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "barcode/Exception.h"
#include "fuzz/FuzzInput.h"
#include "label/input/LabelList.h"

namespace quillon::fuzz {
namespace {

struct TReading {
    std::vector<TListRow> Rows;
    std::string Refusal;
};

TReading Read(TListFormat format, std::string_view bytes, std::size_t cut)
{
    TReading reading;
    const TListRowSink keep = [&reading](TListRow&& row) { reading.Rows.push_back(std::move(row)); };
    try {
        TListReader reader(format, "list");
        reader.Add(bytes.substr(0, cut), keep);
        reader.Add(bytes.substr(cut), keep);
        reader.Finish(keep);
    } catch (const Exception& e) {
        reading.Refusal = e.what();
    }
    return reading;
}

void CheckRows(const TReading& reading)
{
    std::size_t line = 0;
    for (const TListRow& row : reading.Rows) {
        FUZZ_REQUIRE(row.Line > line); // rows come in order, each on a line of its own
        line = row.Line;
        FUZZ_REQUIRE(row.Copies >= 1 && row.Copies <= kMaxRowCopies);
        const std::size_t kept =
            row.Code.size() + row.Upper.value_or("").size() + row.Lower.value_or("").size();
        FUZZ_REQUIRE(kept <= kMaxListRowBytes);
    }
    FUZZ_REQUIRE(reading.Refusal.empty() || reading.Refusal.starts_with("'list' "));
}

} // namespace
} // namespace quillon::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace quillon;
    fuzz::TFuzzInput input(data, size);
    const TListFormat format = input.Byte() % 2 == 0 ? TListFormat::Lines : TListFormat::Csv;
    const std::size_t cutLow = input.Byte();
    const std::size_t cutAt = cutLow + 256 * std::size_t{input.Byte()};
    const std::string bytes = input.Rest();
    const std::size_t cut = bytes.empty() ? 0 : cutAt % (bytes.size() + 1);
    const fuzz::TReading whole = fuzz::Read(format, bytes, bytes.size());
    const fuzz::TReading pieces = fuzz::Read(format, bytes, cut);
    fuzz::CheckRows(whole);
    FUZZ_REQUIRE(whole.Rows == pieces.Rows);
    FUZZ_REQUIRE(whole.Refusal == pieces.Refusal);
    // The format the first bytes suggest never refuses what the reader would read.
    (void)DetectListFormat("list", bytes);
    return 0;
}
