// Visual controls with the class library's event rules. Each control owns a Qt widget (kept
// out of this header). Position and size are pixels in the parent's client area.
#pragma once
#include "platform/System.h"

class QEvent;
class QKeyEvent;
class QWidget;
class TControl;
class TPopupMenu;

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4 };

// A control's font. Changing a property applies it to the control at once.
class TFont {
  public:
    AnsiString Name() const { return name_; }
    void SetName(const AnsiString& v);
    int Charset() const { return charset_; }
    void SetCharset(int v); // also re-shows the control's text in the new set
    // Height in pixels as the class library counts it (negative: character height).
    int Height() const { return height_; }
    void SetHeight(int v);
    int Size() const; // points
    void SetSize(int points);
    unsigned Style() const { return style_; }
    void SetStyle(unsigned v);

  private:
    friend class TControl;
    explicit TFont(TControl* c) : control_(c) {}
    TControl* control_;
    AnsiString name_ = "MS Sans Serif";
    int charset_ = 0;
    int height_ = -11;
    unsigned style_ = 0;
};

class TWinControl;

class TControl : public TComponent {
  public:
    ~TControl() override;

    TWinControl* Parent() const { return parent_; }
    void SetParent(TWinControl* p);

    int Left() const;
    int Top() const;
    int Width() const;
    int Height() const;
    void SetLeft(int v);
    void SetTop(int v);
    void SetWidth(int v);
    void SetHeight(int v);
    void SetBounds(int left, int top, int width, int height);
    int ClientWidth() const;
    int ClientHeight() const;

    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v);

    // Caption of labels, buttons, boxes, group boxes, forms (with "&" accelerators).
    AnsiString Caption() const { return caption_; }
    void SetCaption(const AnsiString& v);
    AnsiString Hint() const { return hint_; }
    void SetHint(const AnsiString& v);

    TFont& Font() { return font_; }
    TPopupMenu* PopupMenu() const { return popup_; }
    void SetPopupMenu(TPopupMenu* m);

    // Events common to controls.
    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TMouseEvent OnMouseDown;
    TKeyEvent OnKeyDown;
    TKeyPressEvent OnKeyPress;

    // Layer internals.
    QWidget* Widget() const { return widget_; }
    virtual void FontChanged();
    virtual void CaptionChanged();
    // Runs the key-down handlers (the form's first when it previews keys); true when one set
    // the key to 0.
    bool RunKeyDown(uint16_t& key, TShiftState shift);
    // Runs the key-press handlers the same way; returns the byte they leave (0: discarded).
    char RunKeyPress(char key);
    // A key-down no handler consumed; true when the control dealt with it itself.
    virtual bool DeliverKeyDown(uint16_t key, QKeyEvent* e);
    // A typed byte after the key-press handlers; true when the key is finished with.
    virtual bool DeliverTypedKey(char key, char original, QKeyEvent* e);
    // After the left/top/width/height changed.
    virtual void GeometryChanged() {}
    virtual void ApplyVisible();

  protected:
    TControl(TComponent* owner, QWidget* widget);
    QWidget* widget_;
    TWinControl* parent_ = nullptr;
    bool visible_ = true;
    bool enabled_ = true;
    AnsiString caption_;
    AnsiString hint_;
    TFont font_;
    TPopupMenu* popup_ = nullptr;
};

// A control that can hold other controls and take the keyboard focus.
class TWinControl : public TControl {
  public:
    // Focuses the control; it is entered (OnEnter, an edit's AutoSelect) when the focus
    // arrives, also when its window is shown only afterwards.
    void SetFocus();
    bool Focused() const;
    bool TabStop = true;
    // Place among its parent's controls for the Tab key: controls given an order come first,
    // lowest first; the others follow top to bottom, left to right.
    int TabOrder() const { return tabOrder_; }
    void SetTabOrder(int v) { tabOrder_ = v; }
    // A dialog key (Ctrl+Tab, Ctrl+Shift+Tab, Ctrl+PageDown, Ctrl+PageUp) offered to the
    // focused control, its parents and then the rest of its form, before any key handler;
    // true when this control acted on it.
    virtual bool DialogKey(uint16_t key, TShiftState shift);
    // Whether Alt with the "&" letter of the caption acts on this control; of the visible,
    // enabled controls of a form the first in tab order takes it, before the menu bar.
    virtual bool TakesAccelerator() const { return false; }
    // Alt with the control's "&" letter was pressed.
    virtual void AcceleratorPressed() {}
    // Widget children are placed in (the group box's frame, a tab sheet's page, a form's client).
    virtual QWidget* ClientWidget() const;

  protected:
    using TControl::TControl;

  private:
    int tabOrder_ = -1;
};

class TLabel : public TControl {
  public:
    explicit TLabel(TComponent* owner);
    bool AutoSize = true;
    void CaptionChanged() override;
    void FontChanged() override;
};

class TEdit : public TWinControl {
  public:
    explicit TEdit(TComponent* owner);
    AnsiString Text() const { return text_; }
    // Runs OnChange when the text really changes.
    void SetText(const AnsiString& v);
    // Limits typed input only; 0 means no limit.
    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int v);
    bool ReadOnly = false;
    // The whole text is selected when the edit is entered other than by a mouse click.
    bool AutoSelect = true;
    int SelStart() const;
    void SetSelStart(int v);
    void SelectAll();
    TNotifyEvent OnChange;
    void FontChanged() override;
    bool DeliverTypedKey(char key, char original, QKeyEvent* e) override;
    // The widget's text changed by the user (typing, deleting, pasting).
    void WidgetTextEdited();

  protected:
    TEdit(TComponent* owner, QWidget* w);
    // Shapes a text before it is stored (the mask edit fits it into its mask).
    virtual AnsiString Normalize(const AnsiString& v) const { return v; }
    // Stores a text the user produced and runs OnChange when it differs.
    void StoreUserText(const AnsiString& v);
    void ShowText();
    AnsiString text_;
    int maxLength_ = 0;
    bool showing_ = false;
};

// Edit with an edit mask: "<mask>;<keep literals 0/1>;<blank char>". Mask characters:
// '9' optional digit, '0' required digit, 'a' optional letter or digit, 'A' required letter or
// digit, 'L'/'l' letter, '>' upper case from here, '<' lower case, '\' next is a literal, any
// other character a literal. Text holds the literals when the flag is 1, and the blank
// character in every unfilled position.
class TMaskEdit : public TEdit {
  public:
    explicit TMaskEdit(TComponent* owner);
    ~TMaskEdit() override;
    AnsiString EditMask() const { return mask_; }
    void SetEditMask(const AnsiString& v);
    bool DeliverKeyDown(uint16_t key, QKeyEvent* e) override;
    bool DeliverTypedKey(char key, char original, QKeyEvent* e) override;

  protected:
    AnsiString Normalize(const AnsiString& v) const override;

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
    AnsiString mask_;
};

class TButton : public TWinControl {
  public:
    explicit TButton(TComponent* owner);
    int ModalResult = mrNone; // clicking sets the parent form's modal result
    // Enter (Default) or Escape (Cancel) anywhere in the form clicks the button; the focused
    // control's OnKeyDown still sees the key first, its OnKeyPress does not.
    bool Default = false;
    bool Cancel = false;
    void CaptionChanged() override;
    // Clicks the button as the user would.
    void Click();
    bool TakesAccelerator() const override { return true; }
    void AcceleratorPressed() override; // clicks
};

// Setting Checked to a new value runs OnClick exactly like a user click.
class TCheckBox : public TWinControl {
  public:
    explicit TCheckBox(TComponent* owner);
    bool Checked() const { return checked_; }
    void SetChecked(bool v);
    void CaptionChanged() override;
    bool TakesAccelerator() const override { return true; }
    void AcceleratorPressed() override; // focuses and toggles

  private:
    bool checked_ = false;
};

// Checking a radio button unchecks its siblings in the same parent and runs its OnClick.
// Unchecking runs no handler.
class TRadioButton : public TWinControl {
  public:
    explicit TRadioButton(TComponent* owner);
    bool Checked() const { return checked_; }
    void SetChecked(bool v);
    void CaptionChanged() override;
    bool TakesAccelerator() const override { return true; }
    void AcceleratorPressed() override; // focuses and checks

  private:
    bool checked_ = false;
};

class TGroupBox : public TWinControl {
  public:
    explicit TGroupBox(TComponent* owner);
    // The font applies to the caption only; the children keep their own fonts.
    void FontChanged() override;
    void CaptionChanged() override;
    QWidget* ClientWidget() const override;
    bool TakesAccelerator() const override { return true; }
    void AcceleratorPressed() override; // focuses the first control inside
};

class TPanel : public TWinControl {
  public:
    explicit TPanel(TComponent* owner);
    void CaptionChanged() override;
};

// Drop-down list (csDropDownList). Setting ItemIndex runs no handler; a user choice runs
// OnChange then OnClick; an index outside the list shows blank and reads back as -1.
class TComboBox : public TWinControl {
  public:
    explicit TComboBox(TComponent* owner);
    const std::vector<AnsiString>& Items() const { return items_; }
    void SetItems(const std::vector<AnsiString>& items); // keeps no selection
    void AddItem(const AnsiString& item);
    void ClearItems();
    int ItemIndex() const { return index_; }
    void SetItemIndex(int v);
    AnsiString Text() const; // the selected item's text or empty
    int DropDownCount = 8;
    TNotifyEvent OnChange;
    void FontChanged() override;

  private:
    std::vector<AnsiString> items_;
    int index_ = -1;
};

// A list of radio buttons in a frame, laid out inside the frame below its caption. Setting
// ItemIndex clamps it to -1..count-1; a change to a button checks it and runs OnClick, a
// change to -1 clears the choice and runs nothing.
class TRadioGroup : public TWinControl {
  public:
    explicit TRadioGroup(TComponent* owner);
    const std::vector<AnsiString>& Items() const { return items_; }
    void SetItems(const std::vector<AnsiString>& items);
    int ItemIndex() const { return index_; }
    void SetItemIndex(int v);
    int Columns() const { return columns_; }
    void SetColumns(int v);
    // The button widgets, for key handlers assigned to them.
    TRadioButton* Button(int i) const;
    void CaptionChanged() override;
    bool TakesAccelerator() const override { return true; }
    void AcceleratorPressed() override; // focuses the first button
    void FontChanged() override;
    void GeometryChanged() override;

  private:
    void Rebuild();
    void Arrange();
    std::vector<AnsiString> items_;
    std::vector<TRadioButton*> buttons_;
    int index_ = -1;
    int columns_ = 1;
    bool updating_ = false;
};

// A picture, loaded from an XPM image held in the program's own source.
class TImage : public TControl {
  public:
    explicit TImage(TComponent* owner);
    void LoadXpm(const char* const* xpm);
    void Clear();
    bool Stretch = false;
    // Pixels of the shown picture as ARGB, row by row (for tests that tell pictures apart).
    std::vector<uint32_t> PixelsArgb(int* width = nullptr, int* height = nullptr) const;
};

// Ends a mouse capture a control still holds, as after a modal box opened from its press.
void ReleaseMouseCapture();
