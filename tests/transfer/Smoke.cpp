#include <gtest/gtest.h>

TEST(TransferSmoke, Builds) { SUCCEED(); }
