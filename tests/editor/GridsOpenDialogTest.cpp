// A double-click or Enter in a grid shows the entry dialog of that grid.
#include "DialogFixture.h"

#include "platform/TestSeam.h"

TEST_F(DialogTest, EachGridOpensItsOwnEntryDialog) {
    std::vector<TForm*> shown;
    TestSeam().OnShowModal = [&](TForm* f) {
        shown.push_back(f);
        return mrCancel;
    };
    MainForm->StringGrid1->OnDblClick(MainForm->StringGrid1);
    char enter = '\r';
    MainForm->StringGrid2->OnKeyPress(MainForm->StringGrid2, enter);
    MainForm->StringGrid3->OnDblClick(MainForm->StringGrid3);
    MainForm->StringGrid4->OnDblClick(MainForm->StringGrid4);
    char other = 'a';
    MainForm->StringGrid1->OnKeyPress(MainForm->StringGrid1, other);
    EXPECT_EQ(shown, (std::vector<TForm*>{Memory, VFO, CALL, DTMF}));
    TestSeam().OnShowModal = nullptr;
}
