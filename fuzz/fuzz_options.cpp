// Fuzzes the options file reader: any bytes read as the file's 15 values in file order. The only
// refusal is "Invalid numeric input"; whatever was read must survive a write and a second read.
//
// Input: the bytes of an options file.
#include <cstddef>
#include <cstdint>
#include <string>

#include "barcode/Exception.h"
#include "data/OptionsFile.h"
#include "fuzz/FuzzInput.h"

namespace quillon::fuzz {
namespace {

// Reads the values in file order as start-up does; a refused number ends the reading, and the values
// read before it stay.
TOptionsValues ReadValues(TOptionsReader& reader, bool& refused)
{
    TOptionsValues v;
    refused = false;
    try {
        for (std::int32_t* margin : {&v.TM, &v.RM, &v.BM, &v.LM, &v.CS})
            *margin = reader.ReadInteger();
        v.UEd = reader.ReadLine();
        for (std::int32_t* value :
             {&v.CSpn, &v.RSpn, &v.BarKindSp, &v.ColorBox1, &v.ZomSpn, &v.RatioSpn, &v.LangRG})
            *value = reader.ReadInteger();
        v.StChk = reader.ReadInteger() == 1;
        v.UChk = reader.ReadInteger() == 1;
    } catch (const Exception& e) {
        FUZZ_REQUIRE(std::string(e.what()) == "Invalid numeric input");
        refused = true;
    }
    return v;
}

// The written form: exactly 15 lines, each ending in CR LF, with no other line break anywhere.
void CheckLines(const std::string& file)
{
    int lines = 0;
    for (std::size_t i = 0; i < file.size(); ++i) {
        if (file[i] == '\n') {
            FUZZ_REQUIRE(i > 0 && file[i - 1] == '\r');
            ++lines;
        } else if (file[i] == '\r') {
            FUZZ_REQUIRE(i + 1 < file.size() && file[i + 1] == '\n');
        }
    }
    FUZZ_REQUIRE(lines == 15);
    FUZZ_REQUIRE(file.size() >= 2 && file.ends_with("\r\n"));
}

void Run(std::string bytes)
{
    TOptionsReader reader(std::move(bytes));
    bool refused = false;
    const TOptionsValues values = ReadValues(reader, refused);

    const std::string written = FormatOptions(values);
    CheckLines(written);
    TOptionsReader again(written);
    bool refusedAgain = false;
    const TOptionsValues reread = ReadValues(again, refusedAgain);
    FUZZ_REQUIRE(!refusedAgain);
    FUZZ_REQUIRE(reread == values);
    FUZZ_REQUIRE(again.AtEnd());
}

} // namespace
} // namespace quillon::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    quillon::fuzz::Run(std::string(reinterpret_cast<const char*>(data), size));
    return 0;
}
