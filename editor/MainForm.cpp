// Construction, showing and closing of the main window, and its Help menu.
#include "editor/MainForm.h"
#include "editor/AboutBox.h"
#include "editor/FormBuild.h"
#include "editor/Welcome.h"
#include "platform/Clipbrd.h"

TMainForm* MainForm = nullptr;

TMainForm::TMainForm(TComponent* Owner, const TProgramVariant& Program)
    : TForm(Owner), TMemoryDocument(Program.UnitIdentifier), Variant(Program) {
    SetBorderStyle(bsSingle);
    Position = poScreenCenter;

    CreateMenus();
    SetClientSize(784, 532); // below the menu bar
    CreateToolBar();
    Label1 = PlaceLabel(this, this, 10, 42, "Comment", 60);
    Edit2 = PlaceEdit(this, this, 72, 38, 420, 50);
    PageControl1 = Place<TPageControl>(this, this, 4, 66, 776, 440);
    TTabSheet** sheets[] = {&TabSheet1, &TabSheet2, &TabSheet3, &TabSheet4};
    const char* titles[] = {"Memory", "Radio menu", "APRS menu", "SSTV menu"};
    for (int i = 0; i < 4; ++i) {
        auto* sheet = new TTabSheet(this);
        sheet->SetPageControl(PageControl1);
        sheet->SetCaption(titles[i]);
        *sheets[i] = sheet;
    }
    CreateMemoryPage();
    CreateRadioMenuPage();
    CreateAprsPage();
    CreateSstvPage();
    StatusBar1 = Place<TStatusBar>(this, this, 0, 510, 784, 22);
    StatusBar1->AddPanel(170);
    StatusBar1->AddPanel(50, taCenter);
    StatusBar1->AddPanel(90);
    StatusBar1->AddPanel(50);
    WireEvents();
    ClipboardFormat = RegisterClipboardFormat("CF_WYX");

    TitleBase = Variant.Title;
    DocumentName = MainFormText::Untitled;
    UpdateCaption();
    SetLastValidText(lvEdit4, "NOCALL");
    SetLastValidText(lvEdit14, "");
    SetLastValidText(lvEdit15, "");
    SetLastValidText(lvEdit16, "");
    SetLastValidText(lvEdit13, Variant.UnitIdentifier);
    SetLastValidText(lvEdit17, "NOCALL");
    SetLastValidText(lvEdit18, "NOCALL");
    SetLastValidText(lvEdit7, "RELAY,WIDE");

    ReadSettings();
    SizeGridsToRows();
    SetInitialSelections();

    LoadDefaults();
    ApplyRadioTypeToControls();
    LayoutGrids();
    RefreshAllControls();

    ActiveGrid = 1;
    GroupBox1->Font().SetStyle(fsBold);
    ModifiedFlag = 0;
    FormCreate(this);
}

TMainForm::~TMainForm() {
    // The activation handler reaches into this window.
    if (Application) Application->OnActivate = nullptr;
    if (MainForm == this) MainForm = nullptr;
}

void TMainForm::SetInitialSelections() {
    ComboBox1->SetItemIndex(7);
    ComboBox2->SetItemIndex(5);
    ComboBox3->SetItemIndex(1);
    ComboBox4->SetItemIndex(2);
    for (TComboBox* c : {ComboBox5, ComboBox6, ComboBox7, ComboBox9, ComboBox10, ComboBox11})
        c->SetItemIndex(0);
    ComboBox8->SetItemIndex(4);
    ComboBox12->SetItemIndex(7);
    if (RadioTypeChar(1) == '0') Edit7->SetText("");
    MaskEdit12->Hide();
    Label15->Hide();
    Label16->Hide();
}

char TMainForm::RadioTypeChar(int field) const {
    AnsiString f = GetRecordField(selRadioType, 0, field);
    return f.empty() ? '\0' : f[0];
}

void TMainForm::FormCreate(TObject*) {
    Application->OnActivate = [this](TObject*) { UpdatePasteAvailability(); };
}

void TMainForm::FormShow(TObject*) {
    if (splashShown_) return;
    splashShown_ = true;
    if (Welcome) Welcome->ShowModal();
    OpenCommandLineDocument();
}

bool TMainForm::QuerySaveChanges() {
    if (!ModifiedFlag) return true;
    int answer = Application->MessageBox("Data is changed.\nDo you want to save the changes?",
                                         TitleBase, MB_YESNOCANCEL | MB_ICONWARNING);
    if (answer == IDYES) return SaveDocumentAs();
    return answer == IDNO;
}

void TMainForm::FormClose(TObject*, TCloseAction& Action) {
    if (!QuerySaveChanges()) {
        Action = caNone;
        return;
    }
    if (Welcome) Welcome->Close();
}

void TMainForm::Exit1Click(TObject*) {
    Close();
}

void TMainForm::About1Click(TObject*) {
    if (AboutBox) AboutBox->ShowModal();
}

void TMainForm::Help2Click(TObject*) {
    if (!Application->HelpContents())
        Application->MessageBox("The help file \"" + Application->HelpFile + "\" cannot be opened.",
                                TitleBase, MB_OK | MB_ICONWARNING);
}

void TMainForm::UpdateCaption() {
    SetCaption(TitleBase + " [" + DocumentName + "]");
}
