// Fuzzes stocks.ini: any bytes read as the user's label stocks. An entry is either offered or told with
// its line; every stock offered is one the sheet can lay out (labels inside the paper), its ID is found
// again, and the built-in stocks stay first and whole.
//
// Input: the bytes of a stocks.ini file.
#include <cstddef>
#include <cstdint>
#include <string>

#include "barcode/Exception.h"
#include "fuzz/FuzzInput.h"
#include "label/sheet/LabelStock.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace quillon;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const TStockCatalogue builtIn;
    TStockCatalogue catalogue;
    catalogue.AddUserStocks(bytes, "stocks.ini");
    FUZZ_REQUIRE(catalogue.Stocks().size() >= builtIn.Stocks().size());
    for (std::size_t index = 0; index < builtIn.Stocks().size(); ++index)
        FUZZ_REQUIRE(catalogue.Stocks()[index].Id == builtIn.Stocks()[index].Id);
    for (const TLabelMessage& problem : catalogue.Problems())
        FUZZ_REQUIRE(EnglishText(problem).starts_with("stocks.ini line "));
    for (const TLabelStock& stock : catalogue.Stocks()) {
        (void)catalogue.Find(stock.Id); // raises for an ID that is offered but not found
        FUZZ_REQUIRE(stock.Geometry.Columns >= 1 && stock.Geometry.Rows >= 1);
    }
    return 0;
}
