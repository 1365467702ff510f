// Shared set-up of the entry dialog tests: a main window and the four dialogs for every test,
// a fresh document of the chosen radio type, and shortcuts for the keys and boxes the tests
// drive.
#pragma once
#include "MainFormFixture.h"
#include "editor/CallDialog.h"
#include "editor/DtmfDialog.h"
#include "editor/MemoryDialog.h"
#include "editor/VfoDialog.h"
#include "platform/TestSeam.h"
#include <gtest/gtest.h>

class DialogTest : public editortest::MainFormTest {
  protected:
    // Region '1', no optional bands.
    static constexpr const char* PlainType = "1,1,00,,,,";

    void SetUp() override {
        MainFormTest::SetUp();
        MakeWithType(PlainType);
        Memory = new TMemory(nullptr);
        VFO = new TVFO(nullptr);
        CALL = new TCALL(nullptr);
        DTMF = new TDTMF(nullptr);
        UseType(PlainType);
    }
    void TearDown() override {
        delete DTMF;
        delete CALL;
        delete VFO;
        delete Memory;
        DTMF = nullptr;
        CALL = nullptr;
        VFO = nullptr;
        Memory = nullptr;
        MainFormTest::TearDown();
    }

    // A new document of radio type `type` with the usual band limits.
    void UseType(const AnsiString& type) {
        Application->Title = program_->Title;
        MainForm->SetRadioType(type);
        const char* limits[] = {"00118,00135", "00144,00147", "", "00300,00399", "00430,00439", ""};
        for (int i = 0; i < 6; ++i)
            MainForm->SetBandLimit(i, limits[i]);
        MainForm->LayoutGrids();
        MainForm->ApplyRadioTypeToControls();
        MainForm->ClearDocument();
        MainForm->RefreshAllControls();
        MainForm->ModifiedFlag = 0;
        TestSeam().MessageBoxes.clear();
    }

    // Runs a control's key handlers as a key would; returns the key they leave (0: taken).
    static uint16_t KeyDown(TControl* c, uint16_t key) {
        c->OnKeyDown(c, key, 0);
        return key;
    }
    static char KeyPress(TControl* c, char key) {
        c->OnKeyPress(c, key);
        return key;
    }
    static std::vector<AnsiString> BoxTexts() {
        std::vector<AnsiString> texts;
        for (const auto& b : TestSeam().MessageBoxes)
            texts.push_back(b.Text);
        return texts;
    }
    static void Answer(int answer) { TestSeam().MessageBoxAnswers.push_back(answer); }
};
