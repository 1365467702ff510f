// Forms and the application object.
#pragma once
#include "platform/Controls.h"
#include <utility>

class TMainMenu;

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TPosition { poDesigned, poScreenCenter, poMainFormCenter, poDefault };
enum TCloseAction { caNone, caHide, caFree, caMinimize };

class TForm : public TWinControl {
  public:
    explicit TForm(TComponent* owner);
    ~TForm() override;

    void SetClientSize(int width, int height);
    TFormBorderStyle BorderStyle() const { return border_; }
    // bsDialog and bsSingle are fixed in size; bsNone and bsDialog have no minimise box.
    void SetBorderStyle(TFormBorderStyle v);
    // Whether the form has border icons (the system menu): without them the title bar shows
    // no close, minimise or maximise box, whatever the border style.
    void SetCloseBox(bool v);
    TPosition Position = poDesigned;
    // Key preview: the form's OnKeyDown/OnKeyPress see keys before the focused control; a
    // key a form handler sets to 0 never reaches the control.
    bool KeyPreview = false;
    void SetMenu(TMainMenu* m);

    // Shows the form modally and runs a message loop until ModalResult is set or the form is
    // closed (which sets mrCancel). Returns the modal result.
    int ShowModal();
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int v);
    bool Modal() const { return modal_; }
    void ShowForm(); // modeless Show of the class library
    void HideForm();
    // Asks OnCloseQuery, then OnClose (Action starts as caHide); caNone keeps the form open.
    // Closing the main form ends the application.
    void Close();
    void BringToFront();

    TNotifyEvent OnCreate;
    // Runs before the form appears; an exception it raises goes to the application's handler
    // and the form is shown all the same.
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnActivate;
    std::function<void(TObject* Sender, bool& CanClose)> OnCloseQuery;
    std::function<void(TObject* Sender, TCloseAction& Action)> OnClose;
    // A close request from the window manager (close box, Alt+F4) runs this handler when it is
    // set, as the form's own Close or Cancel button would; otherwise it runs Close.
    TNotifyEvent OnCloseRequest;

    QWidget* ClientWidget() const override;
    void CaptionChanged() override;
    void GeometryChanged() override;
    void ApplyVisible() override;
    // Lays out the menu bar, the client area and bottom-docked bars.
    void Relayout();

  private:
    void ApplyWindowFlags();
    void RunOnShow();
    bool RunCloseQuery();
    struct Impl;
    std::unique_ptr<Impl> impl_;
    TFormBorderStyle border_ = bsSizeable;
    int modalResult_ = mrNone;
    bool modal_ = false;
    friend class TApplication;
};

class TApplication : public TComponent {
  public:
    TApplication(int& argc, char** argv);
    ~TApplication() override;

    AnsiString Title;
    AnsiString HelpFile;
    // Runs each time the program becomes the active application.
    TNotifyEvent OnActivate;

    // A modal message box with the Win32 flags; returns IDOK, IDCANCEL, IDYES or IDNO.
    int MessageBox(const AnsiString& text, const AnsiString& caption, int flags);
    // The exception display: a stop box with the message, captioned with the title.
    void ShowException(const std::exception& e);

    // Runs a handler; an exception it raises goes to the exception display, never further.
    template <class F> void Guard(F&& f) noexcept {
        try {
            f();
        } catch (const std::exception& e) {
            ShowException(e);
        } catch (...) {
            ShowException(Exception("Unknown exception"));
        }
    }

    // Creates a form owned by the application (with any further constructor arguments) and
    // stores it in ref. The first form created becomes the main form.
    template <class T, class... Args> void CreateForm(T*& ref, Args&&... args) {
        ref = new T(this, std::forward<Args>(args)...);
        RegisterForm(ref);
    }
    TForm* MainForm() const { return mainForm_; }
    void Run(); // shows the main form and runs the message loop until it closes
    void Terminate();
    bool Terminated() const;
    void ProcessMessages();
    // Opens the help file's contents; false when no viewer or file is there.
    bool HelpContents();

  private:
    friend class TForm;
    void RegisterForm(TForm* f);
    TForm* mainForm_ = nullptr;
    TApplication* previous_ = nullptr;
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// The one application object, set by TApplication's constructor (a second one, made while
// the first lives, stands in for it until it is destroyed).
extern TApplication* Application;
