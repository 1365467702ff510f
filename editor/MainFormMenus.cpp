// Main menu, pop-up menus, file dialogs and the tool bar of the main window.
#include "editor/FormBuild.h"
#include "editor/MainForm.h"
#include "editor/pictures/ToolGlyphs.xpm.h"

namespace {
TMenuItem* AddItem(TComponent* owner, TMenuItem* parent, const AnsiString& name,
                   const AnsiString& caption, TShortCut shortcut = {}) {
    auto* item = new TMenuItem(owner);
    item->Name = name;
    item->SetCaption(caption);
    if (shortcut.Key) item->SetShortCut(shortcut);
    parent->Add(item);
    return item;
}

TShortCut Ctrl(uint16_t key) {
    return TShortCut{key, ssCtrl};
}
} // namespace

void TMainForm::CreateMenus() {
    MainMenu1 = new TMainMenu(this);
    TMenuItem* root = MainMenu1->Items();

    File1 = AddItem(this, root, "File1", "&File");
    New1 = AddItem(this, File1, "New1", "&New", Ctrl('N'));
    Open1 = AddItem(this, File1, "Open1", "&Open...", Ctrl('O'));
    Save1 = AddItem(this, File1, "Save1", "&Save", Ctrl('S'));
    Save2 = AddItem(this, File1, "Save2", "Save &As...");
    N1 = AddItem(this, File1, "N1", "-");
    Print1 = AddItem(this, File1, "Print1", "&Print...");
    N2 = AddItem(this, File1, "N2", "-");
    Exit1 = AddItem(this, File1, "Exit1", "E&xit");

    Radio1 = AddItem(this, root, "Radio1", "&Radio");
    Read1 = AddItem(this, Radio1, "Read1", "&Read");
    Write1 = AddItem(this, Radio1, "Write1", "&Write");
    N3 = AddItem(this, Radio1, "N3", "-");
    Com1_Mnu = AddItem(this, Radio1, "Com1_Mnu", "Com&1");
    Com2_Mnu = AddItem(this, Radio1, "Com2_Mnu", "Com&2");
    Com3_Mnu = AddItem(this, Radio1, "Com3_Mnu", "Com&3");
    Com4_Mnu = AddItem(this, Radio1, "Com4_Mnu", "Com&4");
    // Only the ports the program offers are in the menu.
    Com3_Mnu->SetVisible(Variant.PortCount >= 3);
    Com4_Mnu->SetVisible(Variant.PortCount >= 4);

    Edit1 = AddItem(this, root, "Edit1", "&Edit");
    Cut1 = AddItem(this, Edit1, "Cut1", "Cu&t", Ctrl('X'));
    Copy1 = AddItem(this, Edit1, "Copy1", "&Copy", Ctrl('C'));
    Paste1 = AddItem(this, Edit1, "Paste1", "&Paste", Ctrl('V'));
    Delete1 = AddItem(this, Edit1, "Delete1", "&Delete", Ctrl(VK_DELETE));
    N4 = AddItem(this, Edit1, "N4", "-");
    MemorySort1 = AddItem(this, Edit1, "MemorySort1", "Memory channel &Sort...");
    N4->SetVisible(Variant.SortOffered);
    MemorySort1->SetVisible(Variant.SortOffered);

    Help1 = AddItem(this, root, "Help1", "&Help");
    Help2 = AddItem(this, Help1, "Help2", "&Help Topics");
    N5 = AddItem(this, Help1, "N5", "-");
    About1 = AddItem(this, Help1, "About1", "&About...");
    Print1->SetEnabled(Variant.PrintAndHelpEnabled);
    Help2->SetEnabled(Variant.PrintAndHelpEnabled);
    SetMenu(MainMenu1);

    PopupMenu1 = new TPopupMenu(this);
    Cut2 = AddItem(this, PopupMenu1->Items(), "Cut2", "Cu&t");
    Copy2 = AddItem(this, PopupMenu1->Items(), "Copy2", "&Copy");
    Paste2 = AddItem(this, PopupMenu1->Items(), "Paste2", "&Paste");
    Delete2 = AddItem(this, PopupMenu1->Items(), "Delete2", "&Delete");
    PopupMenu2 = new TPopupMenu(this);
    Copy3 = AddItem(this, PopupMenu2->Items(), "Copy3", "&Copy");
    Paste3 = AddItem(this, PopupMenu2->Items(), "Paste3", "&Paste");

    OpenDialog1 = new TOpenDialog(this);
    SaveDialog1 = new TSaveDialog(this);
    for (TFileDialog* d :
         {static_cast<TFileDialog*>(OpenDialog1), static_cast<TFileDialog*>(SaveDialog1)}) {
        d->Filter = "WYX-R2 Files(*.r2)|*.r2";
        d->DefaultExt = "r2";
    }
    OpenDialog1->FileName = "*.r2";
    PrintDialog1 = new TPrintDialog(this);
}

void TMainForm::CreateToolBar() {
    Panel1 = Place<TPanel>(this, this, 0, 0, ClientWidth(), 32);
    struct Tool {
        TSpeedButton** button;
        const char* hint;
        const char* const* glyph;
        int gapBefore;
    };
    const Tool tools[] = {
        {&SpeedButton7, "New", glyph_new, 0},     {&SpeedButton6, "Open", glyph_open, 0},
        {&SpeedButton8, "Save", glyph_save, 0},   {&SpeedButton4, "Read", glyph_read, 8},
        {&SpeedButton5, "Write", glyph_write, 0}, {&SpeedButton9, "Print", glyph_print, 8},
        {&SpeedButton1, "Copy", glyph_copy, 8},   {&SpeedButton2, "Cut", glyph_cut, 0},
        {&SpeedButton3, "Paste", glyph_paste, 0},
    };
    int x = 4;
    for (const Tool& t : tools) {
        x += t.gapBefore;
        auto* b = Place<TSpeedButton>(this, Panel1, x, 4, 25, 25);
        b->SetHint(t.hint);
        b->LoadGlyphXpm(t.glyph);
        *t.button = b;
        x += 25;
    }
    SpeedButton9->SetEnabled(Variant.PrintAndHelpEnabled);
}
