// The main window: the document (memory image with its accessors) and every component of the
// four pages, the menus, tool buttons and status bar. Behaviour lives in handlers defined in
// the files named by the blocks below.
#pragma once
#include "editor/ProgramVariant.h"
#include "editor/model/MemoryDocument.h"
#include "platform/ComCtrls.h"
#include "platform/Controls.h"
#include "platform/Dialogs.h"
#include "platform/Forms.h"
#include "platform/Grids.h"
#include "platform/Menus.h"
#include <array>
#include <iosfwd>

// Settings key and the fonts of the two looks.
namespace MainFormText {
inline const AnsiString Untitled = "Untitled";
inline const AnsiString SettingsKey = "\\software\\QUORVEL\\WYX-R2";
// "MS P Mincho" in full-width letters, Shift-JIS bytes.
inline const AnsiString JapaneseFont = "\x82\x6c\x82\x72\x81\x40\x82\x6f\x96\xbe\x92\xa9";
inline const AnsiString WesternFont = "Times New Roman";
} // namespace MainFormText

class TMainForm : public TForm, public TMemoryDocument {
  public:
    TMainForm(TComponent* Owner, const TProgramVariant& Program);
    ~TMainForm() override;

    // The program this window belongs to, chosen at start-up.
    const TProgramVariant& Variant;

    // ---- Document state beside the memory image ----
    AnsiString CommPortName;
    AnsiString DocumentName;
    AnsiString TitleBase;
    unsigned ClipboardFormat = 0; // the registered "CF_WYX" format

    // ---- Main menu ----
    TMainMenu* MainMenu1;
    TMenuItem *File1, *New1, *Open1, *Save1, *Save2, *N1, *Print1, *N2, *Exit1;
    TMenuItem *Radio1, *Read1, *Write1, *N3, *Com1_Mnu, *Com2_Mnu, *Com3_Mnu, *Com4_Mnu;
    TMenuItem *Edit1, *Cut1, *Copy1, *Paste1, *Delete1, *N4, *MemorySort1;
    TMenuItem *Help1, *Help2, *N5, *About1;
    // Pop-up menus of the grids: memory and DTMF grids, VFO and CALL grids.
    TPopupMenu* PopupMenu1;
    TMenuItem *Cut2, *Copy2, *Paste2, *Delete2;
    TPopupMenu* PopupMenu2;
    TMenuItem *Copy3, *Paste3;
    TOpenDialog* OpenDialog1;
    TSaveDialog* SaveDialog1;
    TPrintDialog* PrintDialog1;

    // ---- Tool bar, comment, pages, status bar ----
    TPanel* Panel1;
    // 1 Copy, 2 Cut, 3 Paste, 4 Read, 5 Write, 6 Open, 7 New, 8 Save, 9 Print.
    TSpeedButton *SpeedButton1, *SpeedButton2, *SpeedButton3, *SpeedButton4, *SpeedButton5,
        *SpeedButton6, *SpeedButton7, *SpeedButton8, *SpeedButton9;
    TLabel* Label1;
    TEdit* Edit2; // document comment
    TPageControl* PageControl1;
    TTabSheet *TabSheet1, *TabSheet2, *TabSheet3, *TabSheet4;
    TStatusBar* StatusBar1;

    // ---- Memory page ----
    TGroupBox *GroupBox1, *GroupBox2, *GroupBox3, *GroupBox4, *GroupBox22;
    TStringGrid *StringGrid1, *StringGrid2, *StringGrid3, *StringGrid4, *StringGrid5;

    // ---- Radio menu page ----
    TRadioGroup* RadioGroup9; // operation band
    TGroupBox* GroupBox5;     // Display
    TLabel *Label2, *Label3;
    TEdit* Edit3;             // power-on message
    TComboBox* ComboBox1;     // contrast
    TRadioGroup* RadioGroup1; // language
    TGroupBox* GroupBox6;     // Function
    TCheckBox *CheckBox16, *CheckBox17, *CheckBox14, *CheckBox15, *CheckBox12, *CheckBox11,
        *CheckBox13, *CheckBox21;
    TGroupBox* GroupBox7; // DTMF
    TCheckBox* CheckBox1;
    TLabel* Label4;
    TComboBox* ComboBox4; // DTMF pause
    TRadioGroup* RadioGroup2;
    TGroupBox* GroupBox8; // TNC
    TRadioGroup *RadioGroup3, *RadioGroup4;
    TCheckBox* CheckBox18;
    TGroupBox* GroupBox9; // Save
    TLabel *Label5, *Label6;
    TComboBox *ComboBox2, *ComboBox3; // battery saver, APO
    TGroupBox* GroupBox14;            // AUX
    TRadioGroup *RadioGroup5, *RadioGroup10;
    TCheckBox *CheckBox4, *CheckBox5, *CheckBox2, *CheckBox20, *CheckBox6, *CheckBox7;

    // ---- APRS / VELTANO menu page ----
    TLabel *Label7, *Label8, *Label9, *Label14, *Label18, *Label19, *Label39;
    TEdit *Edit4, *Edit5, *Edit13, *Edit7;         // call sign, status text, unproto, packet path
    TComboBox *ComboBox5, *ComboBox8, *ComboBox13; // position comment, Tx interval, units
    TGroupBox* GroupBox24;                         // GPS unit (two choices)
    TRadioButton *RadioButton9, *RadioButton10;
    TGroupBox* GroupBox25; // Gps unit (three choices, region '0')
    TRadioButton *RadioButton11, *RadioButton12, *RadioButton13;
    TGroupBox* GroupBox13; // position in degrees and decimal minutes
    TLabel *Label10, *Label11;
    TMaskEdit *MaskEdit7, *MaskEdit8, *MaskEdit9, *MaskEdit10;
    TPanel *Panel2, *Panel3;
    TRadioButton *RadioButton1, *RadioButton2, *RadioButton3, *RadioButton4;
    TGroupBox* GroupBox17; // position in degrees, minutes and seconds (region '0')
    TLabel *Label12, *Label13;
    TMaskEdit *MaskEdit1, *MaskEdit2, *MaskEdit3, *MaskEdit4, *MaskEdit5, *MaskEdit6;
    TPanel *Panel4, *Panel5;
    TRadioButton *RadioButton5, *RadioButton6, *RadioButton7, *RadioButton8;
    TGroupBox* GroupBox10; // icon with symbol table
    TUpDown* UpDown1;
    TImage *Image1, *Image2, *Image3, *Image4, *Image5, *Image6, *Image7, *Image8, *Image9,
        *Image10, *Image11, *Image12, *Image13, *Image14, *Image15;
    TLabel *Label20, *Label21, *Label22, *Label23; // Others, Symbol, Table, icon name
    TComboBox *ComboBox6, *ComboBox7;              // symbol, table
    TGroupBox* GroupBox12;                         // icon (region '0')
    TUpDown* UpDown2;
    TImage *Image16, *Image17, *Image18, *Image19, *Image20, *Image21, *Image22, *Image23, *Image24,
        *Image25, *Image26, *Image27, *Image28, *Image29, *Image30;
    TGroupBox* GroupBox11; // Group
    TCheckBox* CheckBox10;
    TLabel* Label17;
    TMaskEdit* MaskEdit11;
    TGroupBox* GroupBox26; // Data Tx
    TRadioButton *RadioButton14, *RadioButton15, *RadioButton16;
    TGroupBox* GroupBox16; // Position limit
    TCheckBox* CheckBox8;
    TLabel *Label15, *Label16;
    TMaskEdit* MaskEdit12;
    // Image1..Image30 by number (1-based); null outside.
    TImage* StationImage(int number) const;

    // ---- SSTV / HALCYRA page ----
    TGroupBox* GroupBox19; // SSTV
    TLabel *Label24, *Label25, *Label26, *Label27, *Label28, *Label29;
    TEdit *Edit14, *Edit15, *Edit16;
    TComboBox *ComboBox9, *ComboBox10, *ComboBox11; // colours
    TGroupBox* GroupBox21;                          // Halcyra
    TLabel *Label30, *Label31, *Label32;
    TEdit *Edit17, *Edit18;
    TComboBox* ComboBox12; // tone

    // ==== MainForm.cpp ====
    void FormCreate(TObject* Sender);
    void FormShow(TObject* Sender);
    void FormClose(TObject* Sender, TCloseAction& Action);
    void Exit1Click(TObject* Sender);
    void About1Click(TObject* Sender);
    void Help2Click(TObject* Sender);
    // Caption "<TitleBase> [<DocumentName>]".
    void UpdateCaption();
    // Asks the save question when the document changed; false when the user cancels, or
    // answers Yes and the Save As that follows does not save.
    bool QuerySaveChanges();

    // First character of field k of the radio type (0 when the field is empty).
    char RadioTypeChar(int field) const;

    // ==== MainFormSettings.cpp ====
    int GetCommPortNumber() const;
    void StorePathSetting(const AnsiString& path);
    void StoreTypeAndLimits();
    void StoreCommPort();
    void Com1_MnuClick(TObject* Sender);
    void Com2_MnuClick(TObject* Sender);
    void Com3_MnuClick(TObject* Sender);
    void Com4_MnuClick(TObject* Sender);

    // ==== MainFormRadio.cpp ====
    void Read1Click(TObject* Sender);
    void Write1Click(TObject* Sender);

    // ==== MainFormRadioType.cpp ====
    void LayoutGrids();
    void ApplyRadioTypeToControls();

    // ==== MainFormFile.cpp ====
    void New1Click(TObject* Sender);
    void Open1Click(TObject* Sender);
    void Save1Click(TObject* Sender);
    void Save2Click(TObject* Sender);
    // Save As; true when the document was written.
    bool SaveDocumentAs();
    void ReadDocumentFile(std::istream& in);
    void WriteDocumentFile(std::ostream& out);
    // Opens the document named on the command line, if any (first showing).
    void OpenCommandLineDocument();

    // ==== Clipboard.cpp ====
    void Cut1Click(TObject* Sender);
    void Copy1Click(TObject* Sender);
    void Paste1Click(TObject* Sender);
    void Delete1Click(TObject* Sender);
    void UpdatePasteAvailability();

    // ==== Printing.cpp ====
    void Print1Click(TObject* Sender);

    // ==== SortDialog.cpp ====
    void MemorySort1Click(TObject* Sender);

    // ==== MemoryGrids.cpp ====
    void StringGrid1Enter(TObject* Sender);
    void StringGrid2Enter(TObject* Sender);
    void StringGrid3Enter(TObject* Sender);
    void StringGrid4Enter(TObject* Sender);
    void StringGrid2Click(TObject* Sender);
    void StringGrid1DblClick(TObject* Sender);
    void StringGrid2DblClick(TObject* Sender);
    void StringGrid3DblClick(TObject* Sender);
    void StringGrid4DblClick(TObject* Sender);
    void StringGrid1KeyPress(TObject* Sender, char& Key);
    void StringGrid2KeyPress(TObject* Sender, char& Key);
    void StringGrid3KeyPress(TObject* Sender, char& Key);
    void StringGrid4KeyPress(TObject* Sender, char& Key);
    void StringGrid1MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X,
                              int Y);
    void StringGrid2MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X,
                              int Y);
    void StringGrid3MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X,
                              int Y);
    void StringGrid4MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X,
                              int Y);
    void StringGrid5MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X,
                              int Y);
    void UpdateStatusBar();
    // Shows the entry dialog of grid 1..4 (memory, VFO, CALL, DTMF) on its selected row.
    virtual void OpenEntryDialog(int grid);
    // The DTMF grid in use: StringGrid5 on the region-'3' radio type, else StringGrid4.
    TStringGrid* DtmfGridInUse() const;
    // The VFO slot of a VFO grid row, from its band label.
    int VfoRowSlot(int row) const;

    // ==== Refresh.cpp ====
    void RefreshAllControls();
    // ==== LoadedValues.cpp ====
    // The refresh after the whole document was replaced (New, Open): the document keeps every
    // menu value as it was loaded, also where a control shows it in a form of its own, but for
    // the values a page check refuses or corrects (CheckLoadedValues).
    void RefreshLoadedDocument();
    // Runs the page checks on what their controls show after a refresh of a loaded document or
    // a read: a refused or corrected value is told as when typed and the shown value stored.
    void CheckLoadedValues();
    // True while the refresh fills the position controls, whose handlers then leave the
    // stored position as it is.
    bool ShowingPosition() const { return showingPosition_; }

    // ==== RadioMenuPage.cpp ====
    void RadioGroup9Click(TObject* Sender);
    void CheckBox16Click(TObject* Sender);
    void CheckBox17Click(TObject* Sender);
    void CheckBox14Click(TObject* Sender);
    void CheckBox15Click(TObject* Sender);
    void CheckBox12Click(TObject* Sender);
    void CheckBox11Click(TObject* Sender);
    void CheckBox13Click(TObject* Sender);
    void CheckBox21Click(TObject* Sender);
    void RadioGroup2Click(TObject* Sender);
    void CheckBox1Click(TObject* Sender);
    void ComboBox4Change(TObject* Sender);
    void RadioGroup3Click(TObject* Sender);
    void RadioGroup4Click(TObject* Sender);
    void CheckBox18Click(TObject* Sender);
    void Edit3Change(TObject* Sender);
    void Edit3KeyPress(TObject* Sender, char& Key);
    void ComboBox1Change(TObject* Sender);
    void RadioGroup1Click(TObject* Sender);
    void ComboBox2Change(TObject* Sender);
    void ComboBox3Change(TObject* Sender);
    void RadioGroup5Click(TObject* Sender);
    void RadioGroup10Click(TObject* Sender);
    void CheckBox4Click(TObject* Sender);
    void CheckBox5Click(TObject* Sender);
    void CheckBox2Click(TObject* Sender);
    void CheckBox20Click(TObject* Sender);
    void CheckBox6Click(TObject* Sender);
    void CheckBox7Click(TObject* Sender);
    void Edit2Change(TObject* Sender);
    void PageControl1Change(TObject* Sender);

    // ==== AprsPage.cpp ====
    void Edit4Change(TObject* Sender);
    void Edit4KeyPress(TObject* Sender, char& Key);
    void Edit4KeyDown(TObject* Sender, uint16_t& Key, TShiftState Shift);
    void Edit5Change(TObject* Sender);
    void Edit5KeyPress(TObject* Sender, char& Key);
    void ComboBox5Change(TObject* Sender);
    void RadioButton9Click(TObject* Sender);
    void RadioButton10Click(TObject* Sender);
    void RadioButton11Click(TObject* Sender);
    void RadioButton12Click(TObject* Sender);
    void RadioButton13Click(TObject* Sender);
    void MaskEdit1Change(TObject* Sender);
    void MaskEdit2Change(TObject* Sender);
    void MaskEdit3Change(TObject* Sender);
    void MaskEdit4Change(TObject* Sender);
    void MaskEdit5Change(TObject* Sender);
    void MaskEdit6Change(TObject* Sender);
    void MaskEdit7Change(TObject* Sender);
    void MaskEdit8Change(TObject* Sender);
    void MaskEdit9Change(TObject* Sender);
    void MaskEdit10Change(TObject* Sender);
    void MaskEdit1KeyPress(TObject* Sender, char& Key);
    void RadioButton5Click(TObject* Sender);
    void UpDown1Click(TObject* Sender, TUDBtnType Button);
    void ComboBox7Change(TObject* Sender);
    void ComboBox6Change(TObject* Sender);
    void CheckBox10Click(TObject* Sender);
    void MaskEdit11Change(TObject* Sender);
    void RadioButton14Click(TObject* Sender);
    void RadioButton15Click(TObject* Sender);
    void RadioButton16Click(TObject* Sender);
    void CheckBox8Click(TObject* Sender);
    void MaskEdit12Change(TObject* Sender);
    void ComboBox8Change(TObject* Sender);
    void Edit13Change(TObject* Sender);
    void ComboBox13Change(TObject* Sender);
    void Edit7Change(TObject* Sender);
    void Edit7KeyPress(TObject* Sender, char& Key);
    // Checks the call sign in the edit, restoring its last valid text on refusal; returns the
    // text to store (empty when nothing is left).
    AnsiString CallSsidCheck(TEdit* Edit, TLastValid Buffer, bool AcceptZeroSsid);
    AnsiString PacketPathCheck();
    void ShowStationIcon();
    void StoreStationIcon();
    void FillSymbolTableList();
    void BuildPositionItem();
    // The shown position fields of the radio type's layout: one above its limit is told and set
    // to the limit, as when typed, which rebuilds the position; else the position stays.
    void CheckShownPosition();

    // ==== SstvPage.cpp ====
    void Edit14Change(TObject* Sender);
    void Edit15Change(TObject* Sender);
    void Edit16Change(TObject* Sender);
    void Edit14KeyPress(TObject* Sender, char& Key);
    void ComboBox9Change(TObject* Sender);
    void ComboBox10Change(TObject* Sender);
    void ComboBox11Change(TObject* Sender);
    void Edit17Change(TObject* Sender);
    void Edit18Change(TObject* Sender);
    void ComboBox12Change(TObject* Sender);

  private:
    // MainFormMenus.cpp
    void CreateMenus();
    void CreateToolBar();
    // MainFormMemoryPage.cpp
    void CreateMemoryPage();
    void SizeGridsToRows();
    // MainFormRadioPage.cpp, MainFormAprsPage.cpp, MainFormSstvPage.cpp
    void CreateRadioMenuPage();
    void CreateAprsPage();
    void CreateAprsPosition();
    void CreateAprsIcons();
    void CreateSstvPage();
    // MainFormEvents.cpp: every event to its handler.
    void WireEvents();
    void WireMenuEvents();
    void WirePageEvents();
    // MainFormSettings.cpp
    void ReadSettings();
    AnsiString AskRadioType();
    void SelectCommPort(int number);
    TMenuItem* CommPortItem(int number) const;
    // MainForm.cpp
    void SetInitialSelections();

    // MemoryGrids.cpp
    void SetActiveGrid(int grid);
    void GridEntered(int grid);
    // Refresh.cpp
    void RefreshGrids();
    void RefreshRadioMenu();
    void RefreshAprsMenu();
    void ShowPosition(const AnsiString& position, bool region0);
    void ShowIcon(const AnsiString& icon);
    void RefreshSstvAndRemoteMenus();

    std::array<TImage*, 31> stationImages_{};
    bool splashShown_ = false;
    bool showingPosition_ = false;
};

extern TMainForm* MainForm;
