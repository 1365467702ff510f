#include "Helpers.h"
#include "platform/Controls.h"
#include <QLineEdit>
#include <gtest/gtest.h>
#include <memory>

namespace {
struct MaskEditTest : ::testing::Test {
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    TMaskEdit* edit = new TMaskEdit(form.get());
    int changes = 0;
    void SetUp() override {
        edit->OnChange = [this](TObject*) { ++changes; };
    }
    QLineEdit* Line() { return static_cast<QLineEdit*>(edit->Widget()); }
    void Home() { Line()->setCursorPosition(0); }
};
} // namespace

TEST_F(MaskEditTest, MaskSetsBlankTextWithLiterals) {
    edit->SetEditMask("99.99;1; ");
    EXPECT_EQ(edit->Text(), "  .  ");
    EXPECT_EQ(Line()->text(), "  .  ");
    edit->SetEditMask("999\\0;1;0");
    EXPECT_EQ(edit->Text(), "0000");
    EXPECT_EQ(changes, 0);
}

TEST_F(MaskEditTest, SetTextFormatsIntoTheMask) {
    edit->SetEditMask("99.9;1; ");
    edit->SetText("59.9");
    EXPECT_EQ(edit->Text(), "59.9");
    edit->SetText("90");
    EXPECT_EQ(edit->Text(), "90. ");
    edit->SetText("5x.1"); // a refused character leaves its position blank
    EXPECT_EQ(edit->Text(), "5 .1");
    EXPECT_EQ(changes, 3);
    edit->SetText("5x.1");
    EXPECT_EQ(changes, 3);
    edit->SetEditMask("9999;1; ");
    edit->SetText("  10");
    EXPECT_EQ(edit->Text(), "  10");
}

TEST_F(MaskEditTest, TypingFillsOnlyEditablePositionsAndSkipsLiterals) {
    edit->SetEditMask("99.99;1; ");
    Home();
    QTest::keyClicks(Line(), "1a2345");
    EXPECT_EQ(edit->Text(), "12.34");
    EXPECT_EQ(changes, 4);
    PressKey(Line(), Qt::Key_Backspace);
    EXPECT_EQ(edit->Text(), "12.3 ");
    Home();
    PressKey(Line(), Qt::Key_Delete);
    EXPECT_EQ(edit->Text(), " 2.3 ");
}

TEST_F(MaskEditTest, UpperCaseMaskAndKeyPressRule) {
    edit->SetEditMask(">aaa;1; ");
    std::string keys;
    edit->OnKeyPress = [&](TObject*, char& k) {
        keys += k;
        if (k == 'z') k = 0;
    };
    Home();
    QTest::keyClicks(Line(), "bz1c");
    EXPECT_EQ(keys, "bz1c");
    EXPECT_EQ(edit->Text(), "B1C");
}

TEST_F(MaskEditTest, EscapedLiteralStaysFixed) {
    edit->SetEditMask("999\\0;1;0");
    Home();
    QTest::keyClicks(Line(), "3005");
    EXPECT_EQ(edit->Text(), "3000");
    Line()->setCursorPosition(1);
    QTest::keyClicks(Line(), "12");
    EXPECT_EQ(edit->Text(), "3120");
}
