#include <gtest/gtest.h>
TEST(ControlsPlaceholder, Builds) { SUCCEED(); }
