#include <gtest/gtest.h>

TEST(SerialSmoke, Builds) { SUCCEED(); }
