// Test entry for widget tests: an offscreen application object, message boxes and dialogs
// answered by the test seam (reset before every test), and a private settings folder, so no
// test ever touches the user's own settings or waits for a real dialog.
#include "platform/Forms.h"
#include "platform/TestSeam.h"
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

namespace {
class ResetSeam : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override { TestSeam().Reset(); }
};
} // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    std::string dir = (std::filesystem::temp_directory_path() / "wyx-test-XXXXXX").string();
    if (mkdtemp(dir.data())) setenv("XDG_CONFIG_HOME", dir.c_str(), 1);
    ::testing::InitGoogleTest(&argc, argv);
    DialogSeam::ActiveByDefault = true;
    TestSeam().Reset();
    ::testing::UnitTest::GetInstance()->listeners().Append(new ResetSeam);
    int rc = 0;
    {
        TApplication app(argc, argv);
        rc = RUN_ALL_TESTS();
    }
    std::filesystem::remove_all(dir);
    return rc;
}
