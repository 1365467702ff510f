#include <gtest/gtest.h>

TEST(ModelSmoke, Builds) { SUCCEED(); }
