#include <gtest/gtest.h>
TEST(ReportPlaceholder, Builds) { SUCCEED(); }
