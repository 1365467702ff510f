#include "Helpers.h"
#include "platform/Charset.h"
#include "platform/Controls.h"
#include <QClipboard>
#include <QLineEdit>
#include <gtest/gtest.h>
#include <memory>

namespace {
struct EditTest : ::testing::Test {
    std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
    TEdit* edit = new TEdit(form.get());
    int changes = 0;
    std::string keys;
    void SetUp() override {
        edit->OnChange = [this](TObject*) { ++changes; };
    }
    QLineEdit* Line() { return static_cast<QLineEdit*>(edit->Widget()); }
};
} // namespace

TEST_F(EditTest, SetTextRunsOnChangeOnlyForRealChanges) {
    edit->SetText("ABC");
    edit->SetText("ABC");
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(Line()->text(), "ABC");
    edit->SetText("");
    EXPECT_EQ(changes, 2);
}

TEST_F(EditTest, TypingRunsKeyPressWithBytesThenChange) {
    edit->OnKeyPress = [this](TObject*, char& k) { keys += k; };
    QTest::keyClicks(Line(), "ab");
    EXPECT_EQ(keys, "ab");
    EXPECT_EQ(edit->Text(), "ab");
    EXPECT_EQ(changes, 2);
    PressKey(Line(), Qt::Key_Backspace);
    EXPECT_EQ(keys, std::string("ab\x08"));
    EXPECT_EQ(edit->Text(), "a");
    EXPECT_EQ(changes, 3);
}

TEST_F(EditTest, KeyPressHandlerDiscardsOrReplacesKeys) {
    edit->OnKeyPress = [](TObject*, char& k) {
        if (k >= 'a' && k <= 'z') k = static_cast<char>(k - 'a' + 'A');
        if (k == '-') k = 0;
    };
    QTest::keyClicks(Line(), "a-b");
    EXPECT_EQ(edit->Text(), "AB");
    EXPECT_EQ(changes, 2);
}

TEST_F(EditTest, TypedCharactersBecomeBytesOfTheFontCharset) {
    std::string seen;
    edit->OnKeyPress = [&](TObject*, char& k) { seen += k; };
    TypeText(Line(), QString(QChar(0x00E9)));
    TypeText(Line(), QString(QChar(0xFF71)));
    EXPECT_EQ(seen, std::string("\xE9") + RefusedByte);
    EXPECT_EQ(edit->Text(), "\xE9"); // the refused byte is never stored
    edit->Font().SetCharset(SHIFTJIS_CHARSET);
    seen.clear();
    TypeText(Line(), QString(QChar(0xFF71)));
    EXPECT_EQ(seen, "\xB1");
    EXPECT_EQ(edit->Text(), "\xE9\xB1");
    // The 0xE9 byte has no character in this set; it survives edits elsewhere.
    EXPECT_EQ(Line()->text(), QString::fromUcs4(U"\uFFFD\uFF71"));
    PressKey(Line(), Qt::Key_Backspace);
    EXPECT_EQ(edit->Text(), "\xE9");
}

TEST_F(EditTest, MaxLengthLimitsTypingButNotSetText) {
    edit->SetMaxLength(3);
    QTest::keyClicks(Line(), "abcde");
    EXPECT_EQ(edit->Text(), "abc");
    edit->SetText("abcdef");
    EXPECT_EQ(edit->Text(), "abcdef");
}

TEST_F(EditTest, PastedTextArrivesAsBytesWithOneChange) {
    edit->OnKeyPress = [this](TObject*, char& k) { keys += k; };
    QApplication::clipboard()->setText(QString::fromUcs4(U"x\u00FCy"));
    Line()->paste();
    EXPECT_EQ(edit->Text(), "x\xFCy");
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(keys.empty());
}

TEST_F(EditTest, KeyDownGetsVirtualKeysAndCanConsumeThem) {
    std::vector<uint16_t> down;
    edit->OnKeyDown = [&](TObject*, uint16_t& k, TShiftState) {
        down.push_back(k);
        if (k == 'B') k = 0;
    };
    edit->OnKeyPress = [this](TObject*, char& k) { keys += k; };
    QTest::keyClicks(Line(), "ab");
    PressKey(Line(), Qt::Key_PageUp);
    EXPECT_EQ(down, (std::vector<uint16_t>{'A', 'B', VK_PRIOR}));
    EXPECT_EQ(keys, "a");
    EXPECT_EQ(edit->Text(), "a");
}

TEST_F(EditTest, FormKeyPreviewSeesKeysFirstAndCanSwallowThem) {
    std::string order;
    form->KeyPreview = true;
    form->OnKeyPress = [&](TObject*, char& k) {
        order += 'F';
        if (k == 'x') k = 0;
    };
    form->OnKeyDown = [&](TObject*, uint16_t& k, TShiftState) {
        if (k == VK_NEXT) k = 0;
    };
    edit->OnKeyPress = [&](TObject*, char&) { order += 'E'; };
    uint16_t editDown = 0;
    edit->OnKeyDown = [&](TObject*, uint16_t& k, TShiftState) { editDown = k; };
    QTest::keyClicks(Line(), "ax");
    EXPECT_EQ(order, "FEF");
    EXPECT_EQ(edit->Text(), "a");
    PressKey(Line(), Qt::Key_PageDown);
    EXPECT_EQ(editDown, 'X'); // the PageDown never reached the edit
    form->KeyPreview = false;
    order.clear();
    QTest::keyClicks(Line(), "x");
    EXPECT_EQ(order, "E");
}

TEST_F(EditTest, CharsetChangeReshowsTheSameBytes) {
    edit->SetText("\xB1");
    EXPECT_EQ(Line()->text(), QString(QChar(0x00B1)));
    edit->Font().SetCharset(SHIFTJIS_CHARSET);
    EXPECT_EQ(Line()->text(), QString(QChar(0xFF71)));
    EXPECT_EQ(edit->Text(), "\xB1");
    EXPECT_EQ(changes, 1);
}

TEST_F(EditTest, ReadOnlyEditRefusesTyping) {
    edit->ReadOnly = true;
    edit->SetText("a");
    QTest::keyClicks(Line(), "b");
    PressKey(Line(), Qt::Key_Backspace);
    EXPECT_EQ(edit->Text(), "a");
}

TEST_F(EditTest, HandlerExceptionFromTypingIsShownNotThrown) {
    edit->OnChange = [](TObject*) { throw Exception("bad text"); };
    QTest::keyClicks(Line(), "a");
    ASSERT_EQ(TestSeam().MessageBoxes.size(), 1u);
    EXPECT_EQ(TestSeam().MessageBoxes[0].Text, "bad text");
    EXPECT_EQ(TestSeam().MessageBoxes[0].Flags, MB_ICONSTOP);
}

TEST_F(EditTest, ChangeHandlerMayPutTheLastValidTextBack) {
    std::string lastValid = "NOCALL";
    std::vector<std::string> seen;
    edit->OnChange = [&](TObject*) {
        seen.push_back(edit->Text());
        if (edit->Text().find('-') == 0) {
            Application->MessageBox("Invalid character.\nPlease check and try again.", "WYX-R2M",
                                    64);
            edit->SetText(lastValid);
        } else {
            lastValid = edit->Text();
        }
    };
    edit->SetText("NOCALL");
    Line()->setCursorPosition(0);
    QTest::keyClicks(Line(), "-");
    EXPECT_EQ(edit->Text(), "NOCALL");
    EXPECT_EQ(Line()->text(), "NOCALL");
    EXPECT_EQ(seen, (std::vector<std::string>{"NOCALL", "-NOCALL", "NOCALL"}));
    EXPECT_EQ(TestSeam().MessageBoxes.size(), 1u);
    QTest::keyClicks(Line(), "A");
    EXPECT_EQ(edit->Text().size(), 7u);
}

// OnKeyPress sees characters only (Backspace, Enter and Escape count as characters); every
// other key reaches OnKeyDown and then the edit itself, in an edit and in a mask edit alike.
TEST_F(EditTest, NonCharacterKeysNeverReachKeyPress) {
    auto* mask = new TMaskEdit(form.get());
    mask->SetEditMask("99;1;_");
    struct Case {
        Qt::Key key;
        QString text; // what the keyboard reports with the key
        uint16_t vk;
        std::string pressed;
    };
    const Case cases[] = {
        {Qt::Key_Delete, QString(QChar(0x7F)), VK_DELETE, ""},
        {Qt::Key_Delete, QString(), VK_DELETE, ""},
        {Qt::Key_Insert, QString(), VK_INSERT, ""},
        {Qt::Key_Left, QString(), VK_LEFT, ""},
        {Qt::Key_Right, QString(), VK_RIGHT, ""},
        {Qt::Key_Up, QString(), VK_UP, ""},
        {Qt::Key_Down, QString(), VK_DOWN, ""},
        {Qt::Key_Home, QString(), VK_HOME, ""},
        {Qt::Key_End, QString(), VK_END, ""},
        {Qt::Key_PageUp, QString(), VK_PRIOR, ""},
        {Qt::Key_F5, QString(), static_cast<uint16_t>(VK_F1 + 4), ""},
        {Qt::Key_Backspace, QString(QChar(8)), VK_BACK, "\x08"},
        {Qt::Key_Return, QString("\r"), VK_RETURN, "\r"},
        {Qt::Key_Escape, QString(QChar(27)), VK_ESCAPE, "\x1B"},
    };
    for (TEdit* e : {edit, static_cast<TEdit*>(mask)}) {
        for (const Case& c : cases) {
            std::string pressed;
            uint16_t down = 0;
            e->OnKeyPress = [&](TObject*, char& k) { pressed += k; };
            e->OnKeyDown = [&](TObject*, uint16_t& k, TShiftState) { down = k; };
            QKeyEvent press(QEvent::KeyPress, c.key, Qt::NoModifier, c.text);
            QApplication::sendEvent(e->Widget(), &press);
            EXPECT_EQ(down, c.vk) << c.key;
            EXPECT_EQ(pressed, c.pressed) << c.key;
        }
    }
}

TEST_F(EditTest, DeleteRemovesTheCharacterAfterTheCaret) {
    std::string pressed;
    edit->OnKeyPress = [&](TObject*, char& k) { pressed += k; };
    edit->SetText("146.520");
    Line()->setCursorPosition(0);
    QKeyEvent del(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier, QString(QChar(0x7F)));
    QApplication::sendEvent(Line(), &del);
    EXPECT_EQ(edit->Text(), "46.520");
    EXPECT_TRUE(pressed.empty());
    Line()->selectAll();
    QApplication::sendEvent(Line(), &del);
    EXPECT_EQ(edit->Text(), "");
}
