#include "platform/internal/Bridge.h"

#include "platform/Forms.h"
#include "platform/Menus.h"
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

namespace wyx {

QString ToQt(const AnsiString& bytes, int charset) {
    std::u32string u = BytesToUnicode(bytes, charset);
    return QString::fromUcs4(u.data(), static_cast<qsizetype>(u.size()));
}

AnsiString FromQt(const QString& text, int charset, bool dropUnknown) {
    AnsiString out;
    for (char32_t ch : text.toUcs4()) {
        char b = UnicodeToByte(ch, charset);
        if (dropUnknown && b == RefusedByte && ch != static_cast<char32_t>(RefusedByte)) continue;
        out += b;
    }
    return out;
}

QString CaptionToQt(const AnsiString& caption, int charset) {
    return ToQt(caption, charset);
}

QString StripAccelerators(const QString& text) {
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&') {
            if (i + 1 < text.size() && text[i + 1] == u'&') {
                out += u'&';
                ++i;
            }
            continue;
        }
        out += text[i];
    }
    return out;
}

QFont MakeQFont(const TFont& f) {
    QFont q;
    q.setFamily(QString::fromStdString(f.Name()));
    int h = f.Height();
    // A positive height counts the internal leading as well; the characters take about 4/5.
    q.setPixelSize(h < 0 ? -h : std::max(1, h * 4 / 5));
    q.setBold(f.Style() & fsBold);
    q.setItalic(f.Style() & fsItalic);
    q.setUnderline(f.Style() & fsUnderline);
    return q;
}

namespace {
struct KeyPair {
    int qt;
    uint16_t vk;
};
constexpr KeyPair kKeys[] = {
    {Qt::Key_Backspace, VK_BACK}, {Qt::Key_Tab, VK_TAB},       {Qt::Key_Backtab, VK_TAB},
    {Qt::Key_Return, VK_RETURN},  {Qt::Key_Enter, VK_RETURN},  {Qt::Key_Escape, VK_ESCAPE},
    {Qt::Key_Space, VK_SPACE},    {Qt::Key_PageUp, VK_PRIOR},  {Qt::Key_PageDown, VK_NEXT},
    {Qt::Key_End, VK_END},        {Qt::Key_Home, VK_HOME},     {Qt::Key_Left, VK_LEFT},
    {Qt::Key_Up, VK_UP},          {Qt::Key_Right, VK_RIGHT},   {Qt::Key_Down, VK_DOWN},
    {Qt::Key_Insert, VK_INSERT},  {Qt::Key_Delete, VK_DELETE}, {Qt::Key_Shift, 0x10},
    {Qt::Key_Control, 0x11},      {Qt::Key_Alt, 0x12},
};
} // namespace

uint16_t VirtualKey(int qtKey) {
    for (const auto& k : kKeys)
        if (k.qt == qtKey) return k.vk;
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9))
        return static_cast<uint16_t>(qtKey);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return static_cast<uint16_t>(VK_F1 + (qtKey - Qt::Key_F1));
    return 0;
}

int QtKey(uint16_t vk) {
    for (const auto& k : kKeys)
        if (k.vk == vk) return k.qt;
    if ((vk >= 'A' && vk <= 'Z') || (vk >= '0' && vk <= '9')) return vk;
    if (vk >= VK_F1 && vk < VK_F1 + 24) return Qt::Key_F1 + (vk - VK_F1);
    return 0;
}

TShiftState ShiftState(Qt::KeyboardModifiers mods, Qt::MouseButtons buttons) {
    TShiftState s = 0;
    if (mods & Qt::ShiftModifier) s |= ssShift;
    if (mods & Qt::AltModifier) s |= ssAlt;
    if (mods & Qt::ControlModifier) s |= ssCtrl;
    if (buttons & Qt::LeftButton) s |= ssLeft;
    if (buttons & Qt::RightButton) s |= ssRight;
    return s;
}

void Guarded(const std::function<void()>& f) {
    if (Application) {
        Application->Guard(f);
        return;
    }
    try {
        f();
    } catch (...) {
    }
}

namespace {
constexpr const char* kControlProperty = "wyxControl";
}

TControl* ControlOf(const QWidget* w) {
    if (!w) return nullptr;
    QVariant v = w->property(kControlProperty);
    return v.isValid() ? static_cast<TControl*>(v.value<void*>()) : nullptr;
}

void BindControl(QWidget* w, TControl* c) {
    w->setProperty(kControlProperty, QVariant::fromValue(static_cast<void*>(c)));
}

TForm* FormOf(TControl* c) {
    for (TControl* p = c; p; p = p->Parent())
        if (auto* f = dynamic_cast<TForm*>(p)) return f;
    return nullptr;
}

namespace {

// Alt, with or without Shift, and no Ctrl: the accelerator keys.
bool AltOnly(Qt::KeyboardModifiers mods) {
    return (mods & (Qt::AltModifier | Qt::ControlModifier)) == Qt::AltModifier;
}

// The button of the control's form that Enter (Default) or Escape (Cancel) clicks.
TButton* DialogButton(TControl* c, uint16_t vk) {
    TForm* form = FormOf(c);
    if (!form) return nullptr;
    if (auto* self = dynamic_cast<TButton*>(c); self && vk == VK_RETURN) return self;
    for (QWidget* w : form->ClientWidget()->findChildren<QWidget*>()) {
        auto* b = dynamic_cast<TButton*>(ControlOf(w));
        if (!b || !w->isEnabled() || !b->Visible()) continue;
        if ((vk == VK_RETURN && b->Default) || (vk == VK_ESCAPE && b->Cancel)) return b;
    }
    return nullptr;
}

// The character a key types, as OnKeyPress sees it: Backspace, Enter and Escape count as
// characters; Delete, Insert, the arrows, Home, End, the page and function keys type none and
// go to the control as keys only.
char TypedByte(QKeyEvent* e, uint16_t vk, int charset) {
    if (vk == VK_BACK) return 8;
    if (vk == VK_RETURN) return 13;
    if (vk == VK_ESCAPE) return 27;
    if (vk == VK_TAB || (vk >= VK_PRIOR && vk <= VK_DOWN) || vk == VK_INSERT || vk == VK_DELETE ||
        (vk >= VK_F1 && vk < VK_F1 + 24) || e->text().isEmpty())
        return 0;
    char32_t ch = e->text().toUcs4().value(0);
    if (ch == 0x7F) return 0;
    if (ch < 0x20) return static_cast<char>(ch);
    return UnicodeToByte(ch, charset);
}

class ControlHook : public QObject {
  public:
    ControlHook(TControl* c, QWidget* target, QWidget* origin)
        : QObject(target), control_(c), target_(target), origin_(origin) {}

    bool eventFilter(QObject* obj, QEvent* e) override {
        if (obj != target_) return false;
        switch (e->type()) {
        // Alt with a letter a control of the form owns comes to the control as a key, so the
        // toolkit's own shortcuts (the menu bar's among them) never compete for it.
        case QEvent::ShortcutOverride: {
            auto* k = static_cast<QKeyEvent*>(e);
            if (!AltOnly(k->modifiers()) || !AcceleratorOwner(control_, VirtualKey(k->key())))
                return false;
            e->accept();
            return true;
        }
        // Keys and clicks end at the control: its parents never see them again.
        case QEvent::KeyPress:
            Guarded([&] { Key(static_cast<QKeyEvent*>(e)); });
            e->accept();
            return true;
        case QEvent::MouseButtonPress:
            Guarded([&] { MousePress(static_cast<QMouseEvent*>(e)); });
            e->accept();
            return true;
        case QEvent::MouseButtonDblClick:
            Guarded([&] {
                if (control_->OnDblClick) control_->OnDblClick(control_);
                Forward(e);
            });
            e->accept();
            return true;
        case QEvent::FocusIn:
        case QEvent::FocusOut: {
            // Window activation moves Qt's focus but not the form's active control: a
            // control entered again only because its window came back is not re-entered.
            // A control SetFocus asked for is entered however the focus arrives.
            auto reason = static_cast<QFocusEvent*>(e)->reason();
            bool windowSwitch =
                reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
            QWidget* window = target_->window();
            QVariant me = QVariant::fromValue(static_cast<void*>(control_));
            if (e->type() == QEvent::FocusOut) {
                if (windowSwitch) return false;
                window->setProperty("wyxActiveControl", QVariant());
            } else {
                bool asked = window->property(kFocusAskedProperty) == me;
                if (asked) window->setProperty(kFocusAskedProperty, QVariant());
                if (windowSwitch && !asked && window->property("wyxActiveControl") == me)
                    return false;
                window->setProperty("wyxActiveControl", me);
                if (auto* edit = dynamic_cast<TEdit*>(control_);
                    edit && edit->AutoSelect && reason != Qt::MouseFocusReason)
                    edit->SelectAll();
            }
            Guarded([&] {
                auto& ev = e->type() == QEvent::FocusIn ? control_->OnEnter : control_->OnExit;
                if (ev) ev(control_);
            });
            return false;
        }
        default:
            return false;
        }
    }

  private:
    void Forward(QEvent* e) { static_cast<QObject*>(target_)->event(e); }

    void Key(QKeyEvent* e) {
        uint16_t vk = VirtualKey(e->key());
        TShiftState shift = ShiftState(e->modifiers());
        if (e->key() == Qt::Key_Backtab) shift |= ssShift;
        // Tab moves the focus along the form's tab order; Ctrl+Tab, Ctrl+PageDown and
        // Ctrl+PageUp are the page control's. No key handler sees a key taken here.
        if (vk == VK_TAB && !(shift & (ssAlt | ssCtrl))) {
            SelectNextControl(control_, !(shift & ssShift));
            return;
        }
        bool ctrlOnly = (shift & (ssCtrl | ssAlt)) == ssCtrl;
        if (ctrlOnly && (vk == VK_TAB || vk == VK_PRIOR || vk == VK_NEXT))
            if (OfferDialogKey(control_, vk, shift) || vk == VK_TAB) return;
        if (vk) {
            uint16_t key = vk;
            if (control_->RunKeyDown(key, shift)) return;
            if (AltOnly(e->modifiers()))
                if (TWinControl* owner = AcceleratorOwner(control_, vk)) {
                    owner->AcceleratorPressed();
                    return;
                }
            if (control_->DeliverKeyDown(vk, e)) return;
        }
        bool plain = !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
        if (plain && (vk == VK_RETURN || vk == VK_ESCAPE)) {
            if (TButton* b = DialogButton(control_, vk)) {
                b->Click();
                return;
            }
        }
        char original = TypedByte(e, vk, control_->Font().Charset());
        if (original) {
            char key = control_->RunKeyPress(original);
            if (control_->DeliverTypedKey(key, original, e)) return;
        }
        Forward(e);
    }

    void MousePress(QMouseEvent* e) {
        QPoint p = e->position().toPoint();
        if (origin_ != target_) p = target_->mapTo(origin_, p);
        TMouseButton button = e->button() == Qt::RightButton    ? mbRight
                              : e->button() == Qt::MiddleButton ? mbMiddle
                                                                : mbLeft;
        if (control_->OnMouseDown)
            control_->OnMouseDown(control_, button, ShiftState(e->modifiers(), e->buttons()), p.x(),
                                  p.y());
        Forward(e);
        TPopupMenu* menu = control_->PopupMenu();
        if (button == mbRight && menu && menu->AutoPopup) {
            QPoint g = e->globalPosition().toPoint();
            menu->Popup(g.x(), g.y());
        }
    }

    TControl* control_;
    QWidget* target_;
    QWidget* origin_;
};

} // namespace

void HookWidget(TControl* c, QWidget* target, QWidget* origin) {
    target->installEventFilter(new ControlHook(c, target, origin));
}

} // namespace wyx
