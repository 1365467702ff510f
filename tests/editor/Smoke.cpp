#include <gtest/gtest.h>

TEST(EditorSmoke, Builds) { SUCCEED(); }
