#include <gtest/gtest.h>
TEST(ForgeSmoke, Builds) { SUCCEED(); }
