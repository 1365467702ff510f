// Page control and tab sheets, status bar, progress bar, up-down, speed button.
#pragma once
#include "platform/Controls.h"

class TPageControl;

class TTabSheet : public TWinControl {
  public:
    explicit TTabSheet(TComponent* owner);
    ~TTabSheet() override;
    void SetPageControl(TPageControl* pc);
    TPageControl* PageControl() const { return pc_; }
    bool TabVisible() const { return tabVisible_; }
    void SetTabVisible(bool v);
    int PageIndex() const;
    void CaptionChanged() override;
    QWidget* ClientWidget() const override;
    void ApplyVisible() override;

  private:
    friend class TPageControl;
    TPageControl* pc_ = nullptr;
    bool tabVisible_ = true;
};

// OnChanging may refuse a switch; OnChange runs after the switch (user or program).
class TPageControl : public TWinControl {
  public:
    explicit TPageControl(TComponent* owner);
    ~TPageControl() override;
    int PageCount() const { return static_cast<int>(pages_.size()); }
    TTabSheet* Pages(int i) const { return pages_.at(static_cast<size_t>(i)); }
    TTabSheet* ActivePage() const;
    void SetActivePage(TTabSheet* p);
    int ActivePageIndex() const;
    void SetActivePageIndex(int i);
    TNotifyEvent OnChange;
    std::function<void(TObject* Sender, bool& AllowChange)> OnChanging;
    // The next (or previous) page with a visible tab, wrapping: asks OnChanging, switches and
    // runs OnChange, as a click on its tab does.
    void SelectNextPage(bool forward);
    // Ctrl+Tab and Ctrl+PageDown select the next page, Ctrl+Shift+Tab and Ctrl+PageUp the
    // previous one.
    bool DialogKey(uint16_t key, TShiftState shift) override;

  private:
    friend class TTabSheet;
    void AddPage(TTabSheet* p);
    void RemovePage(TTabSheet* p);
    void UpdateTab(TTabSheet* p);
    std::vector<TTabSheet*> pages_;
    bool switching_ = false;
};

enum TAlignment { taLeftJustify, taRightJustify, taCenter };

struct TStatusPanel {
    AnsiString Text;
    int Width = 50;
    TAlignment Alignment = taLeftJustify;
};

// Panels side by side from the left, each its Width wide; the last one runs to the right edge.
class TStatusBar : public TWinControl {
  public:
    explicit TStatusBar(TComponent* owner);
    int PanelCount() const { return static_cast<int>(panels_.size()); }
    void AddPanel(int width, TAlignment alignment = taLeftJustify);
    AnsiString PanelText(int i) const;
    void SetPanelText(int i, const AnsiString& text);
    const TStatusPanel& Panel(int i) const { return panels_.at(static_cast<size_t>(i)); }
    // Where panel i starts and how wide it shows, in the bar's pixels.
    int PanelLeft(int i) const;
    int PanelShownWidth(int i) const;
    void FontChanged() override;

  private:
    void Repaint();
    std::vector<TStatusPanel> panels_;
};

class TProgressBar : public TWinControl {
  public:
    explicit TProgressBar(TComponent* owner);
    int Min() const { return min_; }
    int Max() const { return max_; }
    void SetMin(int v);
    void SetMax(int v);
    int Position() const { return pos_; }
    void SetPosition(int v); // clamped to Min..Max

  private:
    int min_ = 0, max_ = 100, pos_ = 0;
};

enum TUDBtnType { btNext, btPrev };

// Up-down buttons: Position moves between Min and Max (wrapping when Wrap). A button press
// asks OnChanging first (which may refuse), then moves and runs OnClick with the button.
class TUpDown : public TWinControl {
  public:
    explicit TUpDown(TComponent* owner);
    int Min() const { return min_; }
    int Max() const { return max_; }
    void SetMin(int v);
    void SetMax(int v);
    int Position() const { return pos_; }
    void SetPosition(int v); // runs no handler; clamped
    bool Wrap = false;
    int Increment = 1;
    std::function<void(TObject* Sender, bool& AllowChange)> OnChanging;
    std::function<void(TObject* Sender, TUDBtnType Button)> OnClickButton;
    // Presses a button as the user would (the widget's buttons call this).
    void Press(TUDBtnType button);
    void GeometryChanged() override;

  private:
    int min_ = 0, max_ = 100, pos_ = 0;
};

class TSpeedButton : public TControl {
  public:
    explicit TSpeedButton(TComponent* owner);
    void LoadGlyphXpm(const char* const* xpm);
    bool ShowHint = true;
    bool Flat = true;
    // Clicks the button as the user would.
    void Click();
};
