// Private glue between the class-library layer and Qt: text conversion, key and shift mapping,
// the handler guard and the event hook every control installs on its widgets.
#pragma once
#include "platform/Charset.h"
#include "platform/Controls.h"
#include <QAbstractPrintDialog>
#include <QFont>
#include <QMouseEvent>
#include <QObject>
#include <QString>
#include <functional>
#include <vector>

class QFileDialog;
class QKeyEvent;
class QPrinter;
class QWidget;
class TForm;

namespace wyx {

QString ToQt(const AnsiString& bytes, int charset);
// Characters with no byte in the set are dropped when dropUnknown, else become RefusedByte.
AnsiString FromQt(const QString& text, int charset, bool dropUnknown = false);
// A caption shown by a widget that draws "&" itself (buttons, boxes, menus, tabs).
QString CaptionToQt(const AnsiString& caption, int charset);
// A caption shown by a widget that shows "&" literally: single "&" removed, "&&" kept as "&".
QString StripAccelerators(const QString& text);

QFont MakeQFont(const TFont& f);

uint16_t VirtualKey(int qtKey);
int QtKey(uint16_t vk);
TShiftState ShiftState(Qt::KeyboardModifiers mods, Qt::MouseButtons buttons = Qt::NoButton);

// Runs a handler inside the application's guard (or swallows exceptions when there is none).
void Guarded(const std::function<void()>& f);

// Window property naming the control SetFocus was last asked for, until it is entered.
inline constexpr const char* kFocusAskedProperty = "wyxFocusAsked";

// The Tab key's order of a form's controls, and a move of the focus along it from a control.
std::vector<TWinControl*> TabOrderList(TForm* form);
void SelectNextControl(TControl* current, bool forward);
// Focuses the first control inside a container that the Tab key would stop at.
void SelectFirstWithin(TWinControl* container);
// Offers a dialog key to the focused control, its parents and then the other controls of its
// form; true when one acted on it.
bool OfferDialogKey(TControl* focused, uint16_t key, TShiftState shift);
// The first visible, enabled control in tab order of the member's form that takes, or null.
TWinControl* FirstShownControl(TControl* member, const std::function<bool(TWinControl*)>& takes);

// The upper-case letter or digit after the caption's "&" (not "&&"), or 0.
uint16_t AcceleratorKey(const AnsiString& caption);
// The control of the focused control's form that takes Alt with the key, or null.
TWinControl* AcceleratorOwner(TControl* focused, uint16_t key);

// The control a widget belongs to, or null.
TControl* ControlOf(const QWidget* w);
void BindControl(QWidget* w, TControl* c);
TForm* FormOf(TControl* c);

// Installs the control's event hook on a widget; mouse positions are reported relative to
// origin (the control's client area).
void HookWidget(TControl* c, QWidget* target, QWidget* origin);

// File dialog helpers: the class library's filter as a Qt filter; the default extension
// added to a name that has none.
QString FilterToQt(const AnsiString& filter);
// Gives a file dialog the filter, its type list showing the descriptions as written.
void SetDialogFilter(QFileDialog& dialog, const AnsiString& filter);
AnsiString WithDefaultExt(const AnsiString& path, const AnsiString& ext);

// What the print dialog offers: no page range, selection or current page.
QAbstractPrintDialog::PrintDialogOptions PrintDialogOptions();

// The default printer's device (created on first use).
QPrinter* PrinterDevice();

// A widget that raises its control's OnClick when released over it after a press.
template <class W> class Clickable : public W {
  public:
    using W::W;

  protected:
    void mouseReleaseEvent(QMouseEvent* e) override {
        W::mouseReleaseEvent(e);
        if (e->button() != Qt::LeftButton || !this->rect().contains(e->position().toPoint()))
            return;
        if (TControl* c = ControlOf(this))
            Guarded([c] {
                if (c->OnClick) c->OnClick(c);
            });
    }
};

} // namespace wyx
