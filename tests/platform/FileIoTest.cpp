// Whole-file reading and atomic replacing.
#include "platform/FileIo.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class FileIo : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string t = (fs::temp_directory_path() / "wyx-fileio-XXXXXX").string();
        ASSERT_NE(::mkdtemp(t.data()), nullptr);
        dir = t;
    }
    void TearDown() override {
        ::chmod(dir.c_str(), 0700);
        fs::remove_all(dir);
    }
    std::vector<std::string> Entries() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(dir))
            names.push_back(e.path().filename());
        return names;
    }
    fs::path dir;
};

TEST_F(FileIo, WritesReplacesAndReadsBack) {
    const std::string path = (dir / "a.r2").string();
    std::string error, bytes;
    const std::string content("x\r\ny\0z", 6);
    ASSERT_TRUE(WriteFileAtomically(path, content, error)) << error;
    ASSERT_TRUE(ReadWholeFile(path, bytes));
    EXPECT_EQ(bytes, content);
    ASSERT_TRUE(WriteFileAtomically(path, "new", error));
    ASSERT_TRUE(ReadWholeFile(path, bytes));
    EXPECT_EQ(bytes, "new");
    ASSERT_TRUE(WriteFileAtomically(path, "", error));
    ASSERT_TRUE(ReadWholeFile(path, bytes));
    EXPECT_EQ(bytes, "");
    EXPECT_EQ(Entries(), std::vector<std::string>{"a.r2"}); // no temporary left behind
}

TEST_F(FileIo, KeepsPermissionsAndFollowsLinks) {
    const std::string path = (dir / "a.r2").string();
    std::string error, bytes;
    ASSERT_TRUE(WriteFileAtomically(path, "old", error));
    ::chmod(path.c_str(), 0640);
    ASSERT_TRUE(WriteFileAtomically(path, "new", error));
    struct stat st {};
    ASSERT_EQ(::stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);

    const std::string link = (dir / "link.r2").string();
    ASSERT_EQ(::symlink("a.r2", link.c_str()), 0);
    ASSERT_TRUE(WriteFileAtomically(link, "via link", error)) << error;
    EXPECT_TRUE(fs::is_symlink(link));
    ASSERT_TRUE(ReadWholeFile(path, bytes));
    EXPECT_EQ(bytes, "via link");
}

TEST_F(FileIo, FailureLeavesTheOldFile) {
    const std::string path = (dir / "a.r2").string();
    std::string error, bytes;
    ASSERT_TRUE(WriteFileAtomically(path, "keep me", error));
    if (::geteuid() != 0) { // root may write into a read-only folder
        ::chmod(dir.c_str(), 0500);
        EXPECT_FALSE(WriteFileAtomically(path, "lost", error));
        EXPECT_FALSE(error.empty());
        ::chmod(dir.c_str(), 0700);
    }
    EXPECT_FALSE(WriteFileAtomically((dir / "missing" / "b.r2").string(), "x", error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(WriteFileAtomically(dir.string(), "x", error)); // a folder is not replaced
    EXPECT_TRUE(fs::is_directory(dir));
    ASSERT_TRUE(ReadWholeFile(path, bytes));
    EXPECT_EQ(bytes, "keep me");
    EXPECT_EQ(Entries(), std::vector<std::string>{"a.r2"});
}

TEST_F(FileIo, ReadRefusals) {
    std::string bytes = "unchanged";
    EXPECT_FALSE(ReadWholeFile((dir / "none").string(), bytes));
    EXPECT_FALSE(ReadWholeFile(dir.string(), bytes));
    std::string error;
    ASSERT_TRUE(WriteFileAtomically((dir / "big").string(), std::string(100, 'b'), error));
    EXPECT_FALSE(ReadWholeFile((dir / "big").string(), bytes, 99));
    EXPECT_EQ(bytes, "unchanged");
    EXPECT_TRUE(ReadWholeFile((dir / "big").string(), bytes, 100));
}

} // namespace
