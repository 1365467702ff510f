// File dialogs and the print dialog.
#pragma once
#include "platform/System.h"

class TFileDialog : public TComponent {
  public:
    using TComponent::TComponent;
    AnsiString FileName;
    AnsiString InitialDir;
    // "Text|*.r2|All files|*.*" as in the class library.
    AnsiString Filter;
    AnsiString DefaultExt; // without the dot
    AnsiString Title;
    // After Execute: whether the chosen file's extension differs from DefaultExt.
    bool ExtensionDifferent() const { return extDifferent_; }
    // Shows the dialog; true when the user chose a file (FileName then holds it).
    bool Execute();

  protected:
    virtual bool IsSave() const = 0;
    bool extDifferent_ = false;
};

class TOpenDialog : public TFileDialog {
  public:
    using TFileDialog::TFileDialog;

  protected:
    bool IsSave() const override { return false; }
};

class TSaveDialog : public TFileDialog {
  public:
    using TFileDialog::TFileDialog;
    bool OverwritePrompt = true;

  protected:
    bool IsSave() const override { return true; }
};

class TPrintDialog : public TComponent {
  public:
    using TComponent::TComponent;
    bool Execute();
};
