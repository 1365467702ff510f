// Main menu, menu items and pop-up menus. Captions use "&" accelerators; "-" is a separator.
#pragma once
#include "platform/Controls.h"

class QAction;
class QMenu;

// Key shortcut: a virtual key plus shift flags (ssCtrl ...).
struct TShortCut {
    uint16_t Key = 0;
    TShiftState Shift = 0;
};

class TMenuItem : public TComponent {
  public:
    explicit TMenuItem(TComponent* owner);
    ~TMenuItem() override;
    AnsiString Caption() const { return caption_; }
    void SetCaption(const AnsiString& v);
    TShortCut ShortCut() const { return shortcut_; }
    void SetShortCut(TShortCut s);
    bool Checked() const { return checked_; }
    void SetChecked(bool v);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v);
    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    void Add(TMenuItem* child);
    int Count() const { return static_cast<int>(items_.size()); }
    TMenuItem* Items(int i) const { return items_.at(static_cast<size_t>(i)); }
    // Runs OnClick as a user's choice would (inside the handler guard).
    void Click();
    TNotifyEvent OnClick;

    QAction* Action() const;
    QMenu* Menu() const;
    // Shows this item's children in a menu bar as well (the form's main menu).
    void AttachMenuBar(QWidget* bar);

  private:
    void Apply();
    TMenuItem* parentItem_ = nullptr;
    AnsiString caption_;
    TShortCut shortcut_;
    bool checked_ = false, enabled_ = true, visible_ = true;
    std::vector<TMenuItem*> items_;
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

class TMainMenu : public TComponent {
  public:
    explicit TMainMenu(TComponent* owner);
    TMenuItem* Items() const { return root_; }

  private:
    TMenuItem* root_;
};

class TPopupMenu : public TComponent {
  public:
    explicit TPopupMenu(TComponent* owner);
    TMenuItem* Items() const { return root_; }
    bool AutoPopup = true;
    void Popup(int screenX, int screenY);
    TNotifyEvent OnPopup;

  private:
    TMenuItem* root_;
};
