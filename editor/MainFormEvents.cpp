// Assigns every event of the main window's components to its handler.
#include "editor/MainForm.h"

namespace {
using Notify = void (TMainForm::*)(TObject*);
using KeyPress = void (TMainForm::*)(TObject*, char&);
using KeyDown = void (TMainForm::*)(TObject*, uint16_t&, TShiftState);
using MouseDown = void (TMainForm::*)(TObject*, TMouseButton, TShiftState, int, int);

TNotifyEvent On(TMainForm* f, Notify m) {
    return [f, m](TObject* s) { (f->*m)(s); };
}
TKeyPressEvent On(TMainForm* f, KeyPress m) {
    return [f, m](TObject* s, char& k) { (f->*m)(s, k); };
}
TKeyEvent On(TMainForm* f, KeyDown m) {
    return [f, m](TObject* s, uint16_t& k, TShiftState sh) { (f->*m)(s, k, sh); };
}
TMouseEvent On(TMainForm* f, MouseDown m) {
    return [f, m](TObject* s, TMouseButton b, TShiftState sh, int x, int y) {
        (f->*m)(s, b, sh, x, y);
    };
}
} // namespace

void TMainForm::WireEvents() {
    OnShow = On(this, &TMainForm::FormShow);
    OnClose = [this](TObject* s, TCloseAction& a) { FormClose(s, a); };
    OnKeyDown = On(this, &TMainForm::Edit4KeyDown);
    WireMenuEvents();
    WirePageEvents();
}

void TMainForm::WireMenuEvents() {
    struct Command {
        TMenuItem* item;
        TSpeedButton* button;
        Notify handler;
    };
    const Command commands[] = {
        {New1, SpeedButton7, &TMainForm::New1Click},
        {Open1, SpeedButton6, &TMainForm::Open1Click},
        {Save1, SpeedButton8, &TMainForm::Save1Click},
        {Save2, nullptr, &TMainForm::Save2Click},
        {Print1, SpeedButton9, &TMainForm::Print1Click},
        {Exit1, nullptr, &TMainForm::Exit1Click},
        {Read1, SpeedButton4, &TMainForm::Read1Click},
        {Write1, SpeedButton5, &TMainForm::Write1Click},
        {Com1_Mnu, nullptr, &TMainForm::Com1_MnuClick},
        {Com2_Mnu, nullptr, &TMainForm::Com2_MnuClick},
        {Com3_Mnu, nullptr, &TMainForm::Com3_MnuClick},
        {Com4_Mnu, nullptr, &TMainForm::Com4_MnuClick},
        {Cut1, SpeedButton2, &TMainForm::Cut1Click},
        {Copy1, SpeedButton1, &TMainForm::Copy1Click},
        {Paste1, SpeedButton3, &TMainForm::Paste1Click},
        {Delete1, nullptr, &TMainForm::Delete1Click},
        {MemorySort1, nullptr, &TMainForm::MemorySort1Click},
        {Help2, nullptr, &TMainForm::Help2Click},
        {About1, nullptr, &TMainForm::About1Click},
        {Cut2, nullptr, &TMainForm::Cut1Click},
        {Copy2, nullptr, &TMainForm::Copy1Click},
        {Paste2, nullptr, &TMainForm::Paste1Click},
        {Delete2, nullptr, &TMainForm::Delete1Click},
        {Copy3, nullptr, &TMainForm::Copy1Click},
        {Paste3, nullptr, &TMainForm::Paste1Click},
    };
    for (const Command& c : commands) {
        c.item->OnClick = On(this, c.handler);
        if (c.button) c.button->OnClick = On(this, c.handler);
    }
    // A program without the sort never opens its dialog.
    if (!Variant.SortOffered) MemorySort1->OnClick = nullptr;
}

void TMainForm::WirePageEvents() {
    PageControl1->OnChange = On(this, &TMainForm::PageControl1Change);
    Edit2->OnChange = On(this, &TMainForm::Edit2Change);

    // Memory page grids.
    struct Grid {
        TStringGrid* grid;
        Notify enter, click, dblClick;
        KeyPress key;
        MouseDown mouse;
    };
    const Grid grids[] = {
        {StringGrid1, &TMainForm::StringGrid1Enter, &TMainForm::StringGrid1Enter,
         &TMainForm::StringGrid1DblClick, &TMainForm::StringGrid1KeyPress,
         &TMainForm::StringGrid1MouseDown},
        {StringGrid2, &TMainForm::StringGrid2Enter, &TMainForm::StringGrid2Click,
         &TMainForm::StringGrid2DblClick, &TMainForm::StringGrid2KeyPress,
         &TMainForm::StringGrid2MouseDown},
        {StringGrid3, &TMainForm::StringGrid3Enter, &TMainForm::StringGrid2Click,
         &TMainForm::StringGrid3DblClick, &TMainForm::StringGrid3KeyPress,
         &TMainForm::StringGrid3MouseDown},
        {StringGrid4, &TMainForm::StringGrid4Enter, &TMainForm::StringGrid4Enter,
         &TMainForm::StringGrid4DblClick, &TMainForm::StringGrid4KeyPress,
         &TMainForm::StringGrid4MouseDown},
        {StringGrid5, &TMainForm::StringGrid4Enter, &TMainForm::StringGrid4Enter,
         &TMainForm::StringGrid4DblClick, &TMainForm::StringGrid4KeyPress,
         &TMainForm::StringGrid5MouseDown},
    };
    for (const Grid& g : grids) {
        g.grid->OnEnter = On(this, g.enter);
        g.grid->OnClick = On(this, g.click);
        g.grid->OnDblClick = On(this, g.dblClick);
        g.grid->OnKeyPress = On(this, g.key);
        g.grid->OnMouseDown = On(this, g.mouse);
    }

    // Radio menu page.
    struct Click {
        TControl* control;
        Notify handler;
    };
    const Click clicks[] = {
        {RadioGroup9, &TMainForm::RadioGroup9Click},
        {CheckBox16, &TMainForm::CheckBox16Click},
        {CheckBox17, &TMainForm::CheckBox17Click},
        {CheckBox14, &TMainForm::CheckBox14Click},
        {CheckBox15, &TMainForm::CheckBox15Click},
        {CheckBox12, &TMainForm::CheckBox12Click},
        {CheckBox11, &TMainForm::CheckBox11Click},
        {CheckBox13, &TMainForm::CheckBox13Click},
        {CheckBox21, &TMainForm::CheckBox21Click},
        {RadioGroup2, &TMainForm::RadioGroup2Click},
        {CheckBox1, &TMainForm::CheckBox1Click},
        {RadioGroup3, &TMainForm::RadioGroup3Click},
        {RadioGroup4, &TMainForm::RadioGroup4Click},
        {CheckBox18, &TMainForm::CheckBox18Click},
        {RadioGroup1, &TMainForm::RadioGroup1Click},
        {RadioGroup5, &TMainForm::RadioGroup5Click},
        {RadioGroup10, &TMainForm::RadioGroup10Click},
        {CheckBox4, &TMainForm::CheckBox4Click},
        {CheckBox5, &TMainForm::CheckBox5Click},
        {CheckBox2, &TMainForm::CheckBox2Click},
        {CheckBox20, &TMainForm::CheckBox20Click},
        {CheckBox6, &TMainForm::CheckBox6Click},
        {CheckBox7, &TMainForm::CheckBox7Click},
        // APRS page.
        {RadioButton9, &TMainForm::RadioButton9Click},
        {RadioButton10, &TMainForm::RadioButton10Click},
        {RadioButton11, &TMainForm::RadioButton11Click},
        {RadioButton12, &TMainForm::RadioButton12Click},
        {RadioButton13, &TMainForm::RadioButton13Click},
        {RadioButton1, &TMainForm::RadioButton5Click},
        {RadioButton2, &TMainForm::RadioButton5Click},
        {RadioButton3, &TMainForm::RadioButton5Click},
        {RadioButton4, &TMainForm::RadioButton5Click},
        {RadioButton5, &TMainForm::RadioButton5Click},
        {RadioButton6, &TMainForm::RadioButton5Click},
        {RadioButton7, &TMainForm::RadioButton5Click},
        {RadioButton8, &TMainForm::RadioButton5Click},
        {CheckBox10, &TMainForm::CheckBox10Click},
        {RadioButton14, &TMainForm::RadioButton14Click},
        {RadioButton15, &TMainForm::RadioButton15Click},
        {RadioButton16, &TMainForm::RadioButton16Click},
        {CheckBox8, &TMainForm::CheckBox8Click},
    };
    for (const Click& c : clicks)
        c.control->OnClick = On(this, c.handler);

    struct Change {
        TComboBox* list;
        TEdit* edit;
        Notify handler;
    };
    const Change changes[] = {
        {ComboBox4, nullptr, &TMainForm::ComboBox4Change},
        {nullptr, Edit3, &TMainForm::Edit3Change},
        {ComboBox1, nullptr, &TMainForm::ComboBox1Change},
        {ComboBox2, nullptr, &TMainForm::ComboBox2Change},
        {ComboBox3, nullptr, &TMainForm::ComboBox3Change},
        {nullptr, Edit4, &TMainForm::Edit4Change},
        {nullptr, Edit5, &TMainForm::Edit5Change},
        {ComboBox5, nullptr, &TMainForm::ComboBox5Change},
        {nullptr, MaskEdit1, &TMainForm::MaskEdit1Change},
        {nullptr, MaskEdit2, &TMainForm::MaskEdit2Change},
        {nullptr, MaskEdit3, &TMainForm::MaskEdit3Change},
        {nullptr, MaskEdit4, &TMainForm::MaskEdit4Change},
        {nullptr, MaskEdit5, &TMainForm::MaskEdit5Change},
        {nullptr, MaskEdit6, &TMainForm::MaskEdit6Change},
        {nullptr, MaskEdit7, &TMainForm::MaskEdit7Change},
        {nullptr, MaskEdit8, &TMainForm::MaskEdit8Change},
        {nullptr, MaskEdit9, &TMainForm::MaskEdit9Change},
        {nullptr, MaskEdit10, &TMainForm::MaskEdit10Change},
        {ComboBox7, nullptr, &TMainForm::ComboBox7Change},
        {ComboBox6, nullptr, &TMainForm::ComboBox6Change},
        {nullptr, MaskEdit11, &TMainForm::MaskEdit11Change},
        {nullptr, MaskEdit12, &TMainForm::MaskEdit12Change},
        {ComboBox8, nullptr, &TMainForm::ComboBox8Change},
        {nullptr, Edit13, &TMainForm::Edit13Change},
        {ComboBox13, nullptr, &TMainForm::ComboBox13Change},
        {nullptr, Edit7, &TMainForm::Edit7Change},
        // SSTV page.
        {nullptr, Edit14, &TMainForm::Edit14Change},
        {ComboBox9, nullptr, &TMainForm::ComboBox9Change},
        {nullptr, Edit15, &TMainForm::Edit15Change},
        {ComboBox10, nullptr, &TMainForm::ComboBox10Change},
        {nullptr, Edit16, &TMainForm::Edit16Change},
        {ComboBox11, nullptr, &TMainForm::ComboBox11Change},
        {nullptr, Edit17, &TMainForm::Edit17Change},
        {nullptr, Edit18, &TMainForm::Edit18Change},
        {ComboBox12, nullptr, &TMainForm::ComboBox12Change},
    };
    for (const Change& c : changes) {
        if (c.list) c.list->OnChange = On(this, c.handler);
        if (c.edit) c.edit->OnChange = On(this, c.handler);
    }

    // Key filters.
    Edit3->OnKeyPress = On(this, &TMainForm::Edit3KeyPress);
    for (TEdit* e : {Edit4, Edit13, Edit17, Edit18})
        e->OnKeyPress = On(this, &TMainForm::Edit4KeyPress);
    Edit5->OnKeyPress = On(this, &TMainForm::Edit5KeyPress);
    Edit7->OnKeyPress = On(this, &TMainForm::Edit7KeyPress);
    for (TEdit* e : {Edit14, Edit15, Edit16})
        e->OnKeyPress = On(this, &TMainForm::Edit14KeyPress);
    for (TMaskEdit* e : {MaskEdit1, MaskEdit2, MaskEdit3, MaskEdit4, MaskEdit5, MaskEdit6,
                         MaskEdit7, MaskEdit8, MaskEdit9, MaskEdit10, MaskEdit12})
        e->OnKeyPress = On(this, &TMainForm::MaskEdit1KeyPress);

    // Page Up / Page Down step the station icon from every input control of the APRS page.
    for (TControl* c : std::initializer_list<TControl*>{
             Edit4,         Edit5,         Edit13,        Edit7,         ComboBox5,
             ComboBox8,     ComboBox13,    ComboBox6,     ComboBox7,     RadioButton1,
             RadioButton2,  RadioButton3,  RadioButton4,  RadioButton5,  RadioButton6,
             RadioButton7,  RadioButton8,  RadioButton9,  RadioButton10, RadioButton11,
             RadioButton12, RadioButton13, RadioButton14, RadioButton15, RadioButton16,
             MaskEdit1,     MaskEdit2,     MaskEdit3,     MaskEdit4,     MaskEdit5,
             MaskEdit6,     MaskEdit7,     MaskEdit8,     MaskEdit9,     MaskEdit10,
             MaskEdit11,    MaskEdit12,    CheckBox10,    CheckBox8})
        c->OnKeyDown = On(this, &TMainForm::Edit4KeyDown);

    for (TUpDown* u : {UpDown1, UpDown2})
        u->OnClickButton = [this](TObject* s, TUDBtnType b) { UpDown1Click(s, b); };
}
