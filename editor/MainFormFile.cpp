// File commands of the main window: New, Open, Save, Save As and the document named on the
// command line. Saving replaces the file atomically; a failed write is reported and leaves the
// document marked as changed.
#include "editor/MainForm.h"
#include "editor/model/DocumentFile.h"
#include "platform/FileIo.h"

#include <filesystem>
#include <istream>
#include <iterator>
#include <ostream>
#include <string>

namespace {

const char* const OpenError = "File Open error.";

// Whether the path's file name ends in ".r2"; letter case counts only when asked.
bool HasDocumentExtension(const AnsiString& path, bool ignoreCase) {
    const std::size_t slash = path.find_last_of('/');
    const std::size_t dot = path.find_last_of('.');
    if (dot == AnsiString::npos || (slash != AnsiString::npos && dot < slash)) return false;
    AnsiString ext = path.substr(dot + 1);
    if (ignoreCase)
        for (char& c : ext)
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return ext == "r2";
}

// Replaces the document by the file's bytes under the name given (Open, command line).
void LoadDocument(TMainForm& form, const AnsiString& path, const AnsiString& bytes) {
    form.DocumentName = path;
    form.UpdateCaption();
    form.ClearDocument();
    AnsiString comment;
    const int channelsWithoutSlot = ReadDocumentText(form, bytes, comment);
    form.Edit2->SetText(comment);
    form.RefreshLoadedDocument();
    form.StorePathSetting(form.DocumentName);
    form.ModifiedFlag = 0; // also undoes the change the comment text made
    // A file of a radio type with more channels: what this type has no row for is not loaded.
    if (channelsWithoutSlot > 0) {
        Application->MessageBox("The file holds memory channels above " +
                                    std::to_string(form.LastChannel) +
                                    ", which this radio type cannot show.\n"
                                    "Saving the document will not keep them.",
                                form.TitleBase, MB_OK | MB_ICONWARNING);
    }
}

// Writes the document to path; tells the user and returns false when that fails.
bool SaveDocument(TMainForm& form, const AnsiString& path) {
    AnsiString error;
    if (!WriteFileAtomically(path, WriteDocumentText(form, form.Edit2->Text()), error)) {
        Application->MessageBox(OpenError, form.TitleBase, MB_OK | MB_ICONSTOP);
        return false;
    }
    form.ModifiedFlag = 0;
    return true;
}

} // namespace

void TMainForm::ReadDocumentFile(std::istream& in) {
    const AnsiString bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    AnsiString comment;
    ReadDocumentText(*this, bytes, comment);
    Edit2->SetText(comment);
}

void TMainForm::WriteDocumentFile(std::ostream& out) {
    out << WriteDocumentText(*this, Edit2->Text());
    if (out) ModifiedFlag = 0;
}

void TMainForm::New1Click(TObject*) {
    if (!QuerySaveChanges()) return;
    DocumentName = MainFormText::Untitled;
    UpdateCaption();
    ClearDocument();
    for (int row = 1; row < StringGrid1->RowCount(); ++row)
        for (int col : {0, 2, 3})
            StringGrid1->SetCells(col, row, "");
    for (TStringGrid* grid : {StringGrid2, StringGrid3, StringGrid4, StringGrid5})
        for (int row = 1; row < grid->RowCount(); ++row)
            grid->SetCells(2, row, "");
    Edit2->SetText("");
    RefreshLoadedDocument();
    ModifiedFlag = 0;
}

void TMainForm::Open1Click(TObject*) {
    if (!QuerySaveChanges()) return;
    if (!OpenDialog1->Execute()) return;
    const AnsiString path = OpenDialog1->FileName;
    AnsiString bytes;
    if (OpenDialog1->ExtensionDifferent() || !ReadWholeFile(path, bytes)) {
        Application->MessageBox(OpenError, TitleBase, MB_OK | MB_ICONSTOP);
        return;
    }
    LoadDocument(*this, path, bytes);
}

void TMainForm::Save2Click(TObject*) {
    SaveDocumentAs();
}

bool TMainForm::SaveDocumentAs() {
    SaveDialog1->FileName = DocumentName;
    if (!SaveDialog1->Execute()) return false;
    const AnsiString path = SaveDialog1->FileName;
    // The extension is checked first, so a file of another kind is never replaced.
    if (SaveDialog1->ExtensionDifferent()) {
        Application->MessageBox(OpenError, TitleBase, MB_OK | MB_ICONSTOP);
        return false;
    }
    if (!SaveDocument(*this, path)) return false;
    DocumentName = path;
    UpdateCaption();
    StorePathSetting(DocumentName);
    return true;
}

void TMainForm::Save1Click(TObject* Sender) {
    std::error_code ec;
    if (DocumentName == MainFormText::Untitled || !std::filesystem::exists(DocumentName, ec)) {
        Save2Click(Sender);
        return;
    }
    if (SaveDocument(*this, DocumentName)) StorePathSetting(DocumentName);
}

void TMainForm::OpenCommandLineDocument() {
    if (ParamCount() == 0) return;
    AnsiString path = ParamStr(1);
    for (int i = 2; i <= ParamCount(); ++i)
        path += " " + ParamStr(i);
    AnsiString bytes;
    if (!HasDocumentExtension(path, true) || !ReadWholeFile(path, bytes)) {
        Application->MessageBox(OpenError, TitleBase, MB_OK | MB_ICONSTOP);
        return;
    }
    LoadDocument(*this, path, bytes);
}
