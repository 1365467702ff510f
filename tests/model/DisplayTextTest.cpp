// Hz digits shown as MHz.
#include "editor/model/DisplayText.h"

#include <gtest/gtest.h>

namespace {

TEST(DisplayText, FrequencyDigits) {
    const std::pair<const char*, const char*> cases[] = {
        {"00145000000", "145.000"},
        {"00145012500", "145.0125"},
        {"00145006250", "145.00625"},
        {"00439987500", "439.9875"},
        {"00050000000", "050.000"},
        {"00999999999", "999.999999"},
        {"00145000100", "145.0001"},
        {"00145000010", "145.00001"},
        {"99145000000", "145.000"},
        {"145000000", "145.000"},
        {"0", "000.000"},
        {"1", "000.000001"},
        {"0014500000099", "145.000"},
        {"", ""},
    };
    for (auto [in, out] : cases) {
        AnsiString text = in;
        HzDigitsToMhzText(text);
        EXPECT_EQ(text, out) << in;
    }
}

TEST(DisplayText, OffsetDigits) {
    const std::pair<const char*, const char*> cases[] = {
        {"000600000", "0.60"},  {"001600000", "1.60"},  {"005000000", "5.00"},
        {"012550000", "12.55"}, {"029950000", "29.95"}, {"000000000", "0.00"},
        {"900600000", "0.60"},  {"000659999", "0.65"},  {"00600000", "0.60"},
        {"6", "0.00"},          {"0006000009", "0.60"}, {"", ""},
    };
    for (auto [in, out] : cases) {
        AnsiString text = in;
        OffsetDigitsToMhzText(text);
        EXPECT_EQ(text, out) << in;
    }
}

} // namespace
