// Fonts and the base control classes.
#include "platform/Controls.h"

#include "platform/Forms.h"
#include "platform/internal/Bridge.h"
#include <QWidget>

using namespace wyx;

void TFont::SetName(const AnsiString& v) {
    name_ = v;
    control_->FontChanged();
}

void TFont::SetCharset(int v) {
    charset_ = v;
    control_->FontChanged();
    control_->CaptionChanged();
}

void TFont::SetHeight(int v) {
    height_ = v;
    control_->FontChanged();
}

int TFont::Size() const {
    return (height_ < 0 ? -height_ : height_) * 72 / 96;
}

void TFont::SetSize(int points) {
    SetHeight(-(points * 96 + 36) / 72);
}

void TFont::SetStyle(unsigned v) {
    style_ = v;
    control_->FontChanged();
}

TControl::TControl(TComponent* owner, QWidget* widget)
    : TComponent(owner), widget_(widget), font_(this) {
    BindControl(widget_, this);
    HookWidget(this, widget_, widget_);
    QObject::connect(widget_, &QObject::destroyed, [this] { widget_ = nullptr; });
    widget_->setFont(MakeQFont(font_));
    // A control owned by a windowed control starts in its client area; SetParent moves it.
    if (!widget_->property("wyxForm").toBool())
        if (auto* p = dynamic_cast<TWinControl*>(owner)) SetParent(p);
}

TControl::~TControl() {
    if (!widget_) return;
    // Controls placed inside this one are freed by their owners, not with this widget.
    for (QWidget* w : widget_->findChildren<QWidget*>()) {
        TControl* c = ControlOf(w);
        if (!c || c == this || c->widget_ != w) continue;
        QWidget* up = w->parentWidget();
        while (up && !ControlOf(up))
            up = up->parentWidget();
        if (!up || ControlOf(up) != this) continue; // moves out with its own parent control
        c->parent_ = nullptr;
        w->hide();
        w->setParent(nullptr);
    }
    QWidget* w = widget_;
    widget_ = nullptr;
    delete w;
}

void TControl::SetParent(TWinControl* p) {
    if (p == parent_ && (!p || widget_->parentWidget() == p->ClientWidget())) return;
    parent_ = p;
    QRect g = widget_->geometry();
    widget_->setParent(p ? p->ClientWidget() : nullptr);
    widget_->setGeometry(g);
    ApplyVisible();
}

void TControl::ApplyVisible() {
    if (widget_->parentWidget())
        widget_->setVisible(visible_);
    else
        widget_->hide();
}

int TControl::Left() const {
    return widget_->x();
}
int TControl::Top() const {
    return widget_->y();
}
int TControl::Width() const {
    return widget_->width();
}
int TControl::Height() const {
    return widget_->height();
}

void TControl::SetBounds(int left, int top, int width, int height) {
    if (widget_->isWindow()) {
        widget_->setMinimumSize(0, 0);
        widget_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
    widget_->setGeometry(left, top, std::max(0, width), std::max(0, height));
    GeometryChanged();
}

void TControl::SetLeft(int v) {
    SetBounds(v, Top(), Width(), Height());
}
void TControl::SetTop(int v) {
    SetBounds(Left(), v, Width(), Height());
}
void TControl::SetWidth(int v) {
    SetBounds(Left(), Top(), v, Height());
}
void TControl::SetHeight(int v) {
    SetBounds(Left(), Top(), Width(), v);
}

int TControl::ClientWidth() const {
    auto* w = dynamic_cast<const TWinControl*>(this);
    return w ? w->ClientWidget()->width() : Width();
}

int TControl::ClientHeight() const {
    auto* w = dynamic_cast<const TWinControl*>(this);
    return w ? w->ClientWidget()->height() : Height();
}

void TControl::SetVisible(bool v) {
    visible_ = v;
    ApplyVisible();
}

void TControl::SetEnabled(bool v) {
    enabled_ = v;
    widget_->setEnabled(v);
}

void TControl::SetCaption(const AnsiString& v) {
    caption_ = v;
    CaptionChanged();
}

void TControl::SetHint(const AnsiString& v) {
    hint_ = v;
    widget_->setToolTip(ToQt(v, font_.Charset()));
}

void TControl::SetPopupMenu(TPopupMenu* m) {
    popup_ = m;
    auto policy = m ? Qt::PreventContextMenu : Qt::DefaultContextMenu;
    widget_->setContextMenuPolicy(policy);
    if (QWidget* proxy = widget_->focusProxy()) proxy->setContextMenuPolicy(policy);
}

void TControl::FontChanged() {
    widget_->setFont(MakeQFont(font_));
}

void TControl::CaptionChanged() {}

bool TControl::RunKeyDown(uint16_t& key, TShiftState shift) {
    TForm* form = FormOf(this);
    if (form && form != this && form->KeyPreview && form->OnKeyDown) {
        form->OnKeyDown(form, key, shift);
        if (key == 0) return true;
    }
    if (OnKeyDown) OnKeyDown(this, key, shift);
    return key == 0;
}

char TControl::RunKeyPress(char key) {
    TForm* form = FormOf(this);
    if (form && form != this && form->KeyPreview && form->OnKeyPress) {
        form->OnKeyPress(form, key);
        if (key == 0) return 0;
    }
    if (OnKeyPress) OnKeyPress(this, key);
    return key;
}

bool TControl::DeliverKeyDown(uint16_t, QKeyEvent*) {
    return false;
}

bool TControl::DeliverTypedKey(char key, char, QKeyEvent*) {
    return key == 0;
}

void TWinControl::SetFocus() {
    if (widget_->hasFocus()) return;
    // Qt moves the focus into a hidden window only when it is shown, as a window switch.
    widget_->window()->setProperty(kFocusAskedProperty,
                                   QVariant::fromValue(static_cast<void*>(this)));
    widget_->setFocus(Qt::OtherFocusReason);
}

bool TWinControl::DialogKey(uint16_t, TShiftState) {
    return false;
}

bool TWinControl::Focused() const {
    return widget_->hasFocus();
}

QWidget* TWinControl::ClientWidget() const {
    return widget_;
}
