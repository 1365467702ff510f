#include "platform/Registry.h"
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace {
const char* kKey = "\\software\\QUORVEL\\WYX-R2";

std::filesystem::path SettingsFile() {
    return std::filesystem::path(std::getenv("XDG_CONFIG_HOME")) / "wyx-r2" / "settings";
}

struct RegistryTest : ::testing::Test {
    void SetUp() override { std::filesystem::remove(SettingsFile()); }
};
} // namespace

TEST_F(RegistryTest, OpenKeyCreatesOnlyWhenAsked) {
    TRegistry reg;
    EXPECT_FALSE(reg.OpenKey(kKey, false));
    EXPECT_TRUE(reg.OpenKey(kKey, true));
    EXPECT_FALSE(reg.ValueExists("Path"));
    EXPECT_EQ(reg.ReadString("Path"), "");
    TRegistry again;
    EXPECT_TRUE(again.OpenKey(kKey, false));
}

TEST_F(RegistryTest, ValuesPersistAsExactBytes) {
    const std::string odd = "C:\\dir\nwith=odd [bytes]\x01\xE9\\";
    {
        TRegistry reg;
        ASSERT_TRUE(reg.OpenKey(kKey, true));
        reg.WriteString("Path", odd);
        reg.WriteString("CommPort", "COM1");
        reg.WriteString("CommPort", "COM3");
        reg.WriteString("Limit3", "");
        reg.CloseKey();
    }
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey("\\SOFTWARE\\quorvel\\wyx-r2", false)); // names ignore case
    EXPECT_EQ(reg.ReadString("Path"), odd);
    EXPECT_EQ(reg.ReadString("commport"), "COM3");
    EXPECT_TRUE(reg.ValueExists("Limit3"));
    EXPECT_EQ(reg.ReadString("Limit3"), "");
    TRegistry other;
    ASSERT_TRUE(other.OpenKey("\\software\\other", true));
    EXPECT_FALSE(other.ValueExists("Path"));
}

TEST_F(RegistryTest, CorruptFileReadsAsEmptyAndIsReplacedOnWrite) {
    std::filesystem::create_directories(SettingsFile().parent_path());
    std::ofstream(SettingsFile()) << "[software\\QUORVEL\\WYX-R2]\nPath=ok\ngarbage line\n";
    TRegistry reg;
    EXPECT_FALSE(reg.OpenKey(kKey, false));
    ASSERT_TRUE(reg.OpenKey(kKey, true));
    EXPECT_EQ(reg.ReadString("Path"), "");
    reg.WriteString("Type", "1,2,00,1,1,,");
    TRegistry again;
    ASSERT_TRUE(again.OpenKey(kKey, false));
    EXPECT_EQ(again.ReadString("Type"), "1,2,00,1,1,,");
    std::ofstream(SettingsFile()) << "[software\\QUORVEL\\WYX-R2]\nPath=bad\\q\n";
    TRegistry bad;
    EXPECT_FALSE(bad.OpenKey(kKey, false));
}

TEST_F(RegistryTest, WritesReplaceTheFileAndLeaveNoTemporaries) {
    TRegistry reg;
    ASSERT_TRUE(reg.OpenKey(kKey, true));
    for (int i = 0; i < 5; ++i)
        reg.WriteString("Limit" + std::to_string(i), "00144,00147");
    int files = 0;
    for (const auto& e : std::filesystem::directory_iterator(SettingsFile().parent_path())) {
        (void)e;
        ++files;
    }
    EXPECT_EQ(files, 1);
    // A second writer's values are kept by the next write of the first.
    TRegistry second;
    ASSERT_TRUE(second.OpenKey(kKey, false));
    second.WriteString("CommPort", "COM2");
    reg.WriteString("Path", "/tmp/");
    TRegistry check;
    ASSERT_TRUE(check.OpenKey(kKey, false));
    EXPECT_EQ(check.ReadString("CommPort"), "COM2");
    EXPECT_EQ(check.ReadString("Limit4"), "00144,00147");
}

TEST_F(RegistryTest, UnwritableFolderIsReportedNotIgnored) {
    std::string saved = std::getenv("XDG_CONFIG_HOME");
    setenv("XDG_CONFIG_HOME", "/proc/wyx-no-such-dir", 1);
    TRegistry reg;
    EXPECT_THROW(reg.OpenKey(kKey, true), Exception);
    setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
}
