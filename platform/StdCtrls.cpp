// Labels, edits, buttons, check boxes, radio buttons, boxes, panels and drop-down lists.
#include "platform/Controls.h"

#include "platform/Forms.h"
#include "platform/internal/Bridge.h"
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

using namespace wyx;

namespace {

class PanelWidget : public Clickable<QFrame> {
  public:
    PanelWidget() {
        setFrameStyle(QFrame::Panel | QFrame::Raised);
        setLineWidth(1);
    }
    QString caption;

  protected:
    void paintEvent(QPaintEvent* e) override {
        QFrame::paintEvent(e);
        if (caption.isEmpty()) return;
        QPainter p(this);
        p.drawText(contentsRect(), Qt::AlignCenter, caption);
    }
};

// Check boxes and radio buttons change state only through their control, so a click and a
// program change run the same code.
class CheckWidget : public QCheckBox {
  public:
    explicit CheckWidget(TCheckBox* c) : control_(c) {}

  protected:
    void nextCheckState() override {
        Guarded([this] { control_->SetChecked(!control_->Checked()); });
    }

  private:
    TCheckBox* control_;
};

class RadioWidget : public QRadioButton {
  public:
    explicit RadioWidget(TRadioButton* c) : control_(c) { setAutoExclusive(false); }

  protected:
    void nextCheckState() override {
        if (!control_->Checked()) Guarded([this] { control_->SetChecked(true); });
    }

    // The arrow keys move to the next or previous radio button of the same parent, wrapping
    // round, and check it, as a group of radio buttons does in the class library.
    void keyPressEvent(QKeyEvent* e) override {
        int step = 0;
        switch (e->key()) {
        case Qt::Key_Down:
        case Qt::Key_Right:
            step = 1;
            break;
        case Qt::Key_Up:
        case Qt::Key_Left:
            step = -1;
            break;
        }
        if (step == 0 || (e->modifiers() & ~Qt::KeypadModifier)) {
            QRadioButton::keyPressEvent(e);
            return;
        }
        e->accept();
        QList<RadioWidget*> group;
        for (QObject* o : parentWidget()->children())
            if (auto* r = dynamic_cast<RadioWidget*>(o); r && r->isVisible() && r->isEnabled())
                group.append(r);
        const auto n = group.size();
        const auto at = group.indexOf(this);
        if (n < 2 || at < 0) return;
        RadioWidget* next = group[(at + step + n) % n];
        next->setFocus(Qt::OtherFocusReason);
        if (!next->control_->Checked()) Guarded([next] { next->control_->SetChecked(true); });
    }

  private:
    TRadioButton* control_;
};

QLineEdit* LineEdit(QWidget* w) {
    return static_cast<QLineEdit*>(w);
}

} // namespace

// ---- TLabel

TLabel::TLabel(TComponent* owner) : TControl(owner, new Clickable<QLabel>) {
    auto* l = static_cast<QLabel*>(widget_);
    l->setTextFormat(Qt::PlainText);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    widget_->resize(0, 13);
}

void TLabel::CaptionChanged() {
    auto* l = static_cast<QLabel*>(widget_);
    l->setText(StripAccelerators(ToQt(caption_, font_.Charset())));
    if (AutoSize) l->resize(l->sizeHint());
}

void TLabel::FontChanged() {
    TControl::FontChanged();
    if (AutoSize) widget_->resize(widget_->sizeHint());
}

// ---- TEdit

TEdit::TEdit(TComponent* owner) : TEdit(owner, new QLineEdit) {}

TEdit::TEdit(TComponent* owner, QWidget* w) : TWinControl(owner, w) {
    widget_->resize(121, 21);
    QObject::connect(LineEdit(w), &QLineEdit::textChanged, w, [this] { WidgetTextEdited(); });
}

void TEdit::SetText(const AnsiString& v) {
    AnsiString n = Normalize(v);
    if (n == text_) return;
    text_ = n;
    ShowText();
    if (OnChange) OnChange(this);
}

void TEdit::SetMaxLength(int v) {
    maxLength_ = std::max(0, v);
}

int TEdit::SelStart() const {
    QLineEdit* le = LineEdit(widget_);
    return le->hasSelectedText() ? le->selectionStart() : le->cursorPosition();
}

void TEdit::SetSelStart(int v) {
    LineEdit(widget_)->setCursorPosition(v);
}

void TEdit::SelectAll() {
    LineEdit(widget_)->selectAll();
}

void TEdit::FontChanged() {
    TWinControl::FontChanged();
    ShowText();
}

void TEdit::ShowText() {
    QLineEdit* le = LineEdit(widget_);
    QString shown = ToQt(text_, font_.Charset());
    if (le->text() == shown) return;
    int cursor = le->cursorPosition();
    showing_ = true;
    le->setText(shown);
    le->setCursorPosition(std::min<int>(cursor, static_cast<int>(shown.size())));
    showing_ = false;
}

void TEdit::StoreUserText(const AnsiString& v) {
    if (v == text_) {
        ShowText();
        return;
    }
    text_ = v;
    ShowText();
    Guarded([this] {
        if (OnChange) OnChange(this);
    });
}

void TEdit::WidgetTextEdited() {
    if (showing_) return;
    if (ReadOnly) {
        ShowText();
        return;
    }
    // Keep the bytes outside the edited stretch as they are: a byte that shows as a
    // replacement character survives edits elsewhere in the text.
    QString now = LineEdit(widget_)->text();
    QString before = ToQt(text_, font_.Charset());
    qsizetype head = 0;
    while (head < now.size() && head < before.size() && now[head] == before[head])
        ++head;
    qsizetype tail = 0;
    while (tail < now.size() - head && tail < before.size() - head &&
           now[now.size() - 1 - tail] == before[before.size() - 1 - tail])
        ++tail;
    AnsiString middle = FromQt(now.mid(head, now.size() - head - tail), font_.Charset(), true);
    size_t kept = static_cast<size_t>(head + tail);
    if (maxLength_ > 0 && kept + middle.size() > static_cast<size_t>(maxLength_) &&
        kept + middle.size() > text_.size())
        middle.resize(kept < static_cast<size_t>(maxLength_) ? maxLength_ - kept : 0);
    AnsiString next = text_.substr(0, static_cast<size_t>(head)) + middle +
                      text_.substr(text_.size() - static_cast<size_t>(tail));
    StoreUserText(Normalize(next));
}

bool TEdit::DeliverTypedKey(char key, char original, QKeyEvent*) {
    if (key == 0 || key == RefusedByte) return true;
    QLineEdit* le = LineEdit(widget_);
    auto byte = static_cast<unsigned char>(key);
    if (byte < 0x20) {
        if (key == original) return false; // the widget's own Backspace, Enter, shortcuts
        if (key == 8 && !ReadOnly) le->backspace();
        return true;
    }
    if (ReadOnly) return true;
    size_t selected = static_cast<size_t>(le->selectedText().size());
    if (maxLength_ > 0 &&
        text_.size() - std::min(selected, text_.size()) >= static_cast<size_t>(maxLength_))
        return true;
    le->insert(ToQt(AnsiString(1, key), font_.Charset()));
    return true;
}

// ---- TButton

TButton::TButton(TComponent* owner) : TWinControl(owner, new QPushButton) {
    widget_->resize(75, 25);
    auto* b = static_cast<QPushButton*>(widget_);
    b->setAutoDefault(false);
    QObject::connect(b, &QPushButton::clicked, b, [this] { Guarded([this] { Click(); }); });
}

void TButton::CaptionChanged() {
    static_cast<QPushButton*>(widget_)->setText(CaptionToQt(caption_, font_.Charset()));
}

void TButton::Click() {
    if (ModalResult != mrNone)
        if (TForm* f = FormOf(this)) f->SetModalResult(ModalResult);
    if (OnClick) OnClick(this);
}

// ---- TCheckBox

TCheckBox::TCheckBox(TComponent* owner) : TWinControl(owner, new CheckWidget(this)) {
    widget_->resize(97, 17);
}

void TCheckBox::SetChecked(bool v) {
    if (v == checked_) return;
    checked_ = v;
    {
        QSignalBlocker block(widget_);
        static_cast<QCheckBox*>(widget_)->setChecked(v);
    }
    if (OnClick) OnClick(this);
}

void TCheckBox::CaptionChanged() {
    static_cast<QCheckBox*>(widget_)->setText(CaptionToQt(caption_, font_.Charset()));
}

// ---- TRadioButton

TRadioButton::TRadioButton(TComponent* owner) : TWinControl(owner, new RadioWidget(this)) {
    widget_->resize(113, 17);
}

void TRadioButton::SetChecked(bool v) {
    if (v == checked_) return;
    checked_ = v;
    {
        QSignalBlocker block(widget_);
        static_cast<QRadioButton*>(widget_)->setChecked(v);
    }
    if (!v) return;
    if (parent_)
        for (QObject* o : parent_->ClientWidget()->children()) {
            auto* w = qobject_cast<QWidget*>(o);
            auto* other = dynamic_cast<TRadioButton*>(ControlOf(w));
            if (!other || other == this || other->widget_ != w || !other->checked_) continue;
            other->checked_ = false;
            QSignalBlocker block(w);
            static_cast<QRadioButton*>(w)->setChecked(false);
        }
    if (OnClick) OnClick(this);
}

void TRadioButton::CaptionChanged() {
    static_cast<QRadioButton*>(widget_)->setText(CaptionToQt(caption_, font_.Charset()));
}

// ---- TGroupBox

TGroupBox::TGroupBox(TComponent* owner) : TWinControl(owner, new Clickable<QGroupBox>) {
    widget_->resize(185, 105);
}

void TGroupBox::FontChanged() {
    // Every control sets all its font properties itself, so the box's font reaches only the
    // title.
    TWinControl::FontChanged();
}

void TGroupBox::CaptionChanged() {
    static_cast<QGroupBox*>(widget_)->setTitle(CaptionToQt(caption_, font_.Charset()));
}

QWidget* TGroupBox::ClientWidget() const {
    return widget_;
}

// ---- TPanel

TPanel::TPanel(TComponent* owner) : TWinControl(owner, new PanelWidget) {
    widget_->resize(185, 41);
}

void TPanel::CaptionChanged() {
    static_cast<PanelWidget*>(widget_)->caption = ToQt(caption_, font_.Charset());
    widget_->update();
}

// ---- TComboBox

TComboBox::TComboBox(TComponent* owner) : TWinControl(owner, new QComboBox) {
    widget_->resize(145, 21);
    auto* cb = static_cast<QComboBox*>(widget_);
    cb->setEditable(false);
    QObject::connect(cb, &QComboBox::activated, cb, [this](int i) {
        Guarded([this, i] {
            index_ = i;
            if (OnChange) OnChange(this);
            if (OnClick) OnClick(this);
        });
    });
}

void TComboBox::SetItems(const std::vector<AnsiString>& items) {
    items_ = items;
    index_ = -1;
    FontChanged();
}

void TComboBox::AddItem(const AnsiString& item) {
    items_.push_back(item);
    QSignalBlocker block(widget_);
    auto* cb = static_cast<QComboBox*>(widget_);
    cb->addItem(ToQt(item, font_.Charset()));
    cb->setCurrentIndex(index_);
}

void TComboBox::ClearItems() {
    SetItems({});
}

void TComboBox::SetItemIndex(int v) {
    index_ = v >= 0 && v < static_cast<int>(items_.size()) ? v : -1;
    QSignalBlocker block(widget_);
    static_cast<QComboBox*>(widget_)->setCurrentIndex(index_);
}

AnsiString TComboBox::Text() const {
    return index_ >= 0 ? items_[static_cast<size_t>(index_)] : AnsiString();
}

void TComboBox::FontChanged() {
    TWinControl::FontChanged();
    QSignalBlocker block(widget_);
    auto* cb = static_cast<QComboBox*>(widget_);
    cb->clear();
    for (const auto& item : items_)
        cb->addItem(ToQt(item, font_.Charset()));
    cb->setMaxVisibleItems(std::max(1, DropDownCount));
    cb->setCurrentIndex(index_);
}

// ---- TRadioGroup

TRadioGroup::TRadioGroup(TComponent* owner) : TWinControl(owner, new QGroupBox) {
    widget_->resize(185, 105);
}

void TRadioGroup::SetItems(const std::vector<AnsiString>& items) {
    items_ = items;
    if (index_ >= static_cast<int>(items_.size())) index_ = static_cast<int>(items_.size()) - 1;
    Rebuild();
}

void TRadioGroup::SetItemIndex(int v) {
    int count = static_cast<int>(items_.size());
    v = std::max(-1, std::min(v, count - 1));
    if (v == index_) return;
    index_ = v;
    updating_ = true;
    if (v >= 0)
        buttons_[static_cast<size_t>(v)]->SetChecked(true);
    else
        for (auto* b : buttons_)
            b->SetChecked(false);
    updating_ = false;
    // Only a button that becomes checked clicks the group; clearing the choice does not.
    if (v >= 0 && OnClick) OnClick(this);
}

void TRadioGroup::SetColumns(int v) {
    columns_ = std::max(1, v);
    Arrange();
}

TRadioButton* TRadioGroup::Button(int i) const {
    return i >= 0 && i < static_cast<int>(buttons_.size()) ? buttons_[static_cast<size_t>(i)]
                                                           : nullptr;
}

void TRadioGroup::CaptionChanged() {
    static_cast<QGroupBox*>(widget_)->setTitle(CaptionToQt(caption_, font_.Charset()));
}

void TRadioGroup::FontChanged() {
    TWinControl::FontChanged();
    for (auto* b : buttons_) {
        b->Font().SetName(font_.Name());
        b->Font().SetHeight(font_.Height());
        b->Font().SetStyle(font_.Style());
        b->Font().SetCharset(font_.Charset());
    }
    Arrange();
}

void TRadioGroup::GeometryChanged() {
    Arrange();
}

void TRadioGroup::Rebuild() {
    for (auto* b : buttons_)
        delete b;
    buttons_.clear();
    for (size_t i = 0; i < items_.size(); ++i) {
        auto* b = new TRadioButton(this);
        b->SetParent(this);
        b->SetCaption(items_[i]);
        int index = static_cast<int>(i);
        b->OnClick = [this, index](TObject*) {
            if (updating_) return;
            index_ = index;
            if (OnClick) OnClick(this);
        };
        buttons_.push_back(b);
    }
    if (index_ >= 0) {
        updating_ = true;
        buttons_[static_cast<size_t>(index_)]->SetChecked(true);
        updating_ = false;
    }
    FontChanged();
}

// The buttons share the frame's inside below the caption: equal columns, and in each column
// equal rows with the spare pixels split above and below.
void TRadioGroup::Arrange() {
    if (buttons_.empty()) return;
    widget_->ensurePolished();
    QRect inside = widget_->contentsRect();
    int count = static_cast<int>(buttons_.size());
    int perColumn = (count + columns_ - 1) / columns_;
    int width = std::max(1, inside.width() / columns_);
    int room = std::max(0, inside.height());
    int height = std::max(1, room / perColumn);
    int top = inside.top() + (room % perColumn) / 2;
    for (int i = 0; i < count; ++i)
        buttons_[static_cast<size_t>(i)]->SetBounds(inside.left() + (i / perColumn) * width,
                                                    top + (i % perColumn) * height, width, height);
}
