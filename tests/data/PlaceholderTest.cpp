#include <gtest/gtest.h>
TEST(DataPlaceholder, Builds) { SUCCEED(); }
