// Fuzzes the GS1 data reader: any bytes as bracketed GS1 data, and as an element string read from a
// symbol. What is accepted must write back to the same elements in both forms, every fault must carry
// its sentence, and nothing may crash or read out of bounds.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "label/gs1/Gs1Data.h"

namespace {

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace quillon;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const TGs1Check check = CheckGs1(text);
    for (const TGs1Error& fault : check.Faults)
        Require(!fault.Message.empty());
    if (check.Faults.empty()) {
        // The bracketed line and the element string both read back as the same elements.
        Require(ParseGs1(BracketedText(check.Elements)).Elements == check.Elements);
        Require(ParseElementString(ElementString(check.Elements)) == check.Elements);
    }
    if (const auto elements = ParseElementString(text))
        Require(ParseElementString(ElementString(*elements)).has_value());
    static_cast<void>(ParseGtin(text));
    return 0;
}
