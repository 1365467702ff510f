#include <gtest/gtest.h>

TEST(PlatformSmoke, Builds) { SUCCEED(); }
