// Shared set-up for main-window tests: a clean settings store, the forms the main window
// reaches (first-run dialog, splash, about box, transfer forms) and the main window itself.
#pragma once
#include "editor/AboutBox.h"
#include "editor/MainForm.h"
#include "editor/Setup.h"
#include "editor/Welcome.h"
#include "platform/Registry.h"
#include "platform/System.h"
#include "platform/TestSeam.h"
#include "transfer/ReadForm.h"
#include "transfer/WriteForm.h"
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace editortest {

// Empties the settings store, as on a machine where the program never ran.
inline void ClearSettings() {
    const char* home = std::getenv("XDG_CONFIG_HOME");
    ASSERT_NE(home, nullptr);
    std::filesystem::remove_all(std::filesystem::path(home) / "wyx-r2");
}

inline void WriteSetting(const AnsiString& name, const AnsiString& value) {
    TRegistry reg;
    reg.OpenKey(MainFormText::SettingsKey, true);
    reg.WriteString(name, value);
    reg.CloseKey();
}

inline AnsiString ReadSetting(const AnsiString& name) {
    TRegistry reg;
    reg.OpenKey(MainFormText::SettingsKey, true);
    AnsiString v = reg.ReadString(name);
    reg.CloseKey();
    return v;
}

// Points the serial port names at devices: a path, or a device that does not exist.
inline void SetPortDevice(int number, const AnsiString& path) {
    setenv(("WYX_COM" + std::to_string(number)).c_str(), path.c_str(), 1);
}
inline void MakeAllPortsMissing() {
    for (int n = 1; n <= 4; ++n)
        SetPortDevice(n, "/nonexistent/wyx-port");
}

// The program's command line: the arguments after the program's name.
inline void SetArguments(std::vector<std::string> args) {
    args.insert(args.begin(), "test");
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    SetCommandLine(static_cast<int>(argv.size()), argv.data());
}

// Each test starts from a clean settings store with the given values, every serial port
// missing, and the forms the main window uses; Make() builds the main window.
class MainFormTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ClearSettings();
        MakeAllPortsMissing();
        ::Setup = new TSetup(nullptr, *program_);
        Welcome = new TWelcome(nullptr, *program_);
        AboutBox = new TAboutBox(nullptr, *program_);
        ReadForm = new TReadForm(nullptr, *program_->ReadSteps);
        WriteForm = new TWriteForm(nullptr, *program_->WriteSteps);
    }
    void TearDown() override {
        SetArguments({});
        if (!scratch_.empty()) std::filesystem::remove_all(scratch_);
        form_.reset();
        MainForm = nullptr;
        delete WriteForm;
        delete ReadForm;
        delete AboutBox;
        delete Welcome;
        delete ::Setup;
        WriteForm = nullptr;
        ReadForm = nullptr;
        AboutBox = nullptr;
        Welcome = nullptr;
        ::Setup = nullptr;
        Application->OnActivate = nullptr;
    }
    // Settings as a previous run left them; a Type skips the first-run dialog.
    void Seed(const std::map<AnsiString, AnsiString>& values) {
        for (const auto& [name, value] : values)
            WriteSetting(name, value);
    }
    TMainForm* Make() {
        form_ = std::make_unique<TMainForm>(nullptr, *program_);
        MainForm = form_.get();
        return MainForm;
    }
    TMainForm* MakeWithType(const AnsiString& type) {
        WriteSetting("Type", type);
        return Make();
    }
    std::vector<ShownMessageBox>& Boxes() { return TestSeam().MessageBoxes; }
    // A folder of the test's own for files, removed after the test.
    const std::filesystem::path& ScratchDir() {
        if (scratch_.empty()) {
            std::string t = (std::filesystem::temp_directory_path() / "wyx-doc-XXXXXX").string();
            if (::mkdtemp(t.data())) scratch_ = t;
            EXPECT_FALSE(scratch_.empty()) << "no scratch folder";
        }
        return scratch_;
    }

    // The program the forms are built for; a fixture for the earlier program sets it before
    // SetUp.
    const TProgramVariant* program_ = &LaterProgram();

  private:
    std::unique_ptr<TMainForm> form_;
    std::filesystem::path scratch_;
};

} // namespace editortest
