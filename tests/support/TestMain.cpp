// Test entry for widget tests: an offscreen application and a private settings folder, so no
// test ever touches the user's own settings.
#include <QApplication>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    std::string dir = (std::filesystem::temp_directory_path() / "wyx-test-XXXXXX").string();
    if (mkdtemp(dir.data())) setenv("XDG_CONFIG_HOME", dir.c_str(), 1);
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    int rc = RUN_ALL_TESTS();
    std::filesystem::remove_all(dir);
    return rc;
}
