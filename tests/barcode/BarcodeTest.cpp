#include <gtest/gtest.h>

#include "barcode/Barcode.h"

namespace quillon {
namespace {

TEST(Barcode, NewObjectHasItsDefaults)
{
    TBarcode b;
    EXPECT_EQ(b.Modul(), 1);
    EXPECT_EQ(b.Typ(), bcCodeEAN13);
}

}  // namespace
}  // namespace quillon
