#include "platform/Menus.h"

#include "platform/internal/Bridge.h"
#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QPointer>

using namespace wyx;

struct TMenuItem::Impl {
    std::unique_ptr<QAction> action = std::make_unique<QAction>();
    std::unique_ptr<QMenu> menu;
    QPointer<QWidget> bar;
};

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), impl_(std::make_unique<Impl>()) {
    QObject::connect(impl_->action.get(), &QAction::triggered, impl_->action.get(), [this] {
        impl_->action->setChecked(checked_); // only the handler changes Checked
        Click();
    });
}

TMenuItem::~TMenuItem() {
    for (auto* child : items_)
        child->parentItem_ = nullptr;
    if (parentItem_) {
        auto& siblings = parentItem_->items_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    }
    impl_->menu.reset();
}

void TMenuItem::SetCaption(const AnsiString& v) {
    caption_ = v;
    Apply();
}

void TMenuItem::SetShortCut(TShortCut s) {
    shortcut_ = s;
    Apply();
}

void TMenuItem::SetChecked(bool v) {
    checked_ = v;
    Apply();
}

void TMenuItem::SetEnabled(bool v) {
    enabled_ = v;
    Apply();
}

void TMenuItem::SetVisible(bool v) {
    visible_ = v;
    Apply();
}

void TMenuItem::Add(TMenuItem* child) {
    if (!child || child->parentItem_ == this) return;
    items_.push_back(child);
    child->parentItem_ = this;
    Menu()->addAction(child->Action());
    if (impl_->bar) impl_->bar->addAction(child->Action());
}

void TMenuItem::Click() {
    Guarded([this] {
        if (OnClick) OnClick(this);
    });
}

QAction* TMenuItem::Action() const {
    return impl_->action.get();
}

QMenu* TMenuItem::Menu() const {
    if (!impl_->menu) {
        impl_->menu = std::make_unique<QMenu>();
        impl_->menu->setTitle(impl_->action->text());
        impl_->action->setMenu(impl_->menu.get());
    }
    return impl_->menu.get();
}

void TMenuItem::AttachMenuBar(QWidget* bar) {
    impl_->bar = bar;
    for (auto* child : items_)
        bar->addAction(child->Action());
}

void TMenuItem::Apply() {
    QAction* a = impl_->action.get();
    // An item captioned "-" is a plain separator line; a separator with a text would show
    // the text as a section heading.
    bool separator = caption_ == "-";
    a->setSeparator(separator);
    a->setText(separator ? QString() : CaptionToQt(caption_, ANSI_CHARSET));
    if (impl_->menu) impl_->menu->setTitle(a->text());
    Qt::KeyboardModifiers mods;
    if (shortcut_.Shift & ssShift) mods |= Qt::ShiftModifier;
    if (shortcut_.Shift & ssCtrl) mods |= Qt::ControlModifier;
    if (shortcut_.Shift & ssAlt) mods |= Qt::AltModifier;
    int key = QtKey(shortcut_.Key);
    a->setShortcut(key ? QKeySequence(QKeyCombination(mods, static_cast<Qt::Key>(key)))
                       : QKeySequence());
    // An unchecked item shows no check box at all, as in the class library.
    a->setCheckable(checked_);
    a->setChecked(checked_);
    a->setEnabled(enabled_);
    a->setVisible(visible_);
}

TMainMenu::TMainMenu(TComponent* owner) : TComponent(owner), root_(new TMenuItem(this)) {}

TPopupMenu::TPopupMenu(TComponent* owner) : TComponent(owner), root_(new TMenuItem(this)) {}

void TPopupMenu::Popup(int screenX, int screenY) {
    if (OnPopup) OnPopup(this);
    root_->Menu()->popup(QPoint(screenX, screenY));
}
