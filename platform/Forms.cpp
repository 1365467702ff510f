// Forms (top-level windows with a menu bar and a client area) and the application object.
#include "platform/Forms.h"

#include "platform/Menus.h"
#include "platform/TestSeam.h"
#include "platform/internal/Bridge.h"
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QEventLoop>
#include <QFileInfo>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <QUrl>

using namespace wyx;

TApplication* Application = nullptr;

namespace {

class FormWindow : public QWidget {
  public:
    FormWindow() : QWidget(nullptr, Qt::Window), client(new QWidget(this)) {
        setProperty("wyxForm", true);
        setFocusPolicy(Qt::StrongFocus);
        resize(640, 480);
    }
    TForm* form = nullptr;
    QWidget* client;
    QMenuBar* menuBar = nullptr;

  protected:
    void closeEvent(QCloseEvent* e) override {
        e->ignore(); // the form decides and hides itself
        TForm* f = form;
        Guarded([f] {
            if (f->OnCloseRequest)
                f->OnCloseRequest(f);
            else
                f->Close();
        });
    }
    void resizeEvent(QResizeEvent*) override { form->Relayout(); }
    void changeEvent(QEvent* e) override {
        QWidget::changeEvent(e);
        if (e->type() == QEvent::ActivationChange && isActiveWindow()) {
            TForm* f = form;
            Guarded([f] {
                if (f->OnActivate) f->OnActivate(f);
            });
        }
    }
};

} // namespace

struct TForm::Impl {
    FormWindow* window = nullptr;
    TMainMenu* menu = nullptr;
    QEventLoop* loop = nullptr;
    bool closeBox = true;
};

TForm::TForm(TComponent* owner)
    : TWinControl(owner, new FormWindow), impl_(std::make_unique<Impl>()) {
    impl_->window = static_cast<FormWindow*>(widget_);
    impl_->window->form = this;
    BindControl(impl_->window->client, this);
    visible_ = false;
    ApplyWindowFlags();
    Relayout();
}

TForm::~TForm() {
    if (impl_->loop) impl_->loop->quit();
    if (Application && Application->mainForm_ == this) Application->mainForm_ = nullptr;
}

QWidget* TForm::ClientWidget() const {
    return impl_->window->client;
}

void TForm::Relayout() {
    FormWindow* w = impl_->window;
    int bar = w->menuBar ? w->menuBar->sizeHint().height() : 0;
    if (w->menuBar) w->menuBar->setGeometry(0, 0, w->width(), bar);
    w->client->setGeometry(0, bar, w->width(), std::max(0, w->height() - bar));
    for (QObject* o : w->client->children()) {
        auto* child = qobject_cast<QWidget*>(o);
        if (child && child->property("wyxDockBottom").toBool())
            child->setGeometry(0, w->client->height() - child->height(), w->client->width(),
                               child->height());
    }
}

void TForm::GeometryChanged() {
    Relayout();
    if (impl_->window->isVisible() && (border_ == bsDialog || border_ == bsSingle))
        impl_->window->setFixedSize(impl_->window->size());
}

void TForm::SetClientSize(int width, int height) {
    FormWindow* w = impl_->window;
    int bar = w->menuBar ? w->menuBar->sizeHint().height() : 0;
    SetBounds(Left(), Top(), width, height + bar);
}

void TForm::SetBorderStyle(TFormBorderStyle v) {
    border_ = v;
    ApplyWindowFlags();
}

void TForm::SetCloseBox(bool v) {
    impl_->closeBox = v;
    ApplyWindowFlags();
}

void TForm::ApplyWindowFlags() {
    Qt::WindowFlags f = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    switch (border_) {
    case bsNone:
        f = Qt::Window | Qt::FramelessWindowHint;
        break;
    case bsDialog:
        f |= Qt::Dialog | Qt::WindowSystemMenuHint;
        break;
    case bsToolWindow:
    case bsSizeToolWin:
        f |= Qt::Tool;
        break;
    case bsSingle:
        f |= Qt::WindowMinimizeButtonHint;
        break;
    case bsSizeable:
        f |= Qt::WindowMinMaxButtonsHint;
        break;
    }
    if (!impl_->closeBox) // no system menu: no box at all
        f &= ~(Qt::WindowMinMaxButtonsHint | Qt::WindowSystemMenuHint);
    else if (border_ != bsNone)
        f |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    FormWindow* w = impl_->window;
    bool shown = w->isVisible();
    w->setWindowFlags(f);
    if (border_ == bsDialog || border_ == bsSingle) {
        if (shown) w->setFixedSize(w->size());
    } else {
        w->setMinimumSize(0, 0);
        w->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    }
    if (shown) w->show();
}

void TForm::SetMenu(TMainMenu* m) {
    FormWindow* w = impl_->window;
    impl_->menu = m;
    delete w->menuBar;
    w->menuBar = nullptr;
    if (m) {
        w->menuBar = new QMenuBar(w);
        m->Items()->AttachMenuBar(w->menuBar);
        w->menuBar->show();
    }
    Relayout();
}

void TForm::CaptionChanged() {
    // The title bar shows the system's text, whatever the form's font: a file name in it reads
    // as the file system spells it.
    impl_->window->setWindowTitle(ToQt(caption_, DEFAULT_CHARSET));
}

void TForm::ApplyVisible() {
    if (visible_)
        ShowForm();
    else
        HideForm();
}

void TForm::ShowForm() {
    FormWindow* w = impl_->window;
    visible_ = true;
    if (w->isVisible()) {
        BringToFront();
        return;
    }
    RunOnShow();
    if (w->isVisible()) return; // OnShow may show it itself
    QScreen* screen = QGuiApplication::primaryScreen();
    QRect area = screen ? screen->availableGeometry() : QRect();
    if (Position == poMainFormCenter && Application && Application->MainForm() &&
        Application->MainForm() != this && Application->MainForm()->Widget()->isVisible())
        area = Application->MainForm()->Widget()->frameGeometry();
    if ((Position == poScreenCenter || Position == poMainFormCenter) && area.isValid())
        w->move(area.center() - QPoint(w->width() / 2, w->height() / 2));
    if (border_ == bsDialog || border_ == bsSingle) w->setFixedSize(w->size());
    w->show();
    Relayout();
}

void TForm::RunOnShow() {
    if (!OnShow) return;
    if (Application)
        Application->Guard([this] { OnShow(this); });
    else
        OnShow(this);
}

void TForm::HideForm() {
    FormWindow* w = impl_->window;
    visible_ = false;
    if (impl_->loop) impl_->loop->quit();
    if (!w->isVisible()) return;
    w->hide();
    if (OnHide) OnHide(this);
}

void TForm::BringToFront() {
    impl_->window->raise();
    impl_->window->activateWindow();
}

void TForm::SetModalResult(int v) {
    modalResult_ = v;
    if (modal_ && v != mrNone && impl_->loop) impl_->loop->quit();
}

bool TForm::RunCloseQuery() {
    bool canClose = true;
    if (OnCloseQuery) OnCloseQuery(this, canClose);
    if (!canClose) return false;
    TCloseAction action = caHide;
    if (OnClose) OnClose(this, action);
    return action != caNone;
}

int TForm::ShowModal() {
    if (modal_) throw Exception("The form is already shown modally.");
    modalResult_ = mrNone;
    struct ModalScope {
        TForm* f;
        ~ModalScope() {
            f->modal_ = false;
            f->impl_->loop = nullptr;
        }
    } scope{this};
    modal_ = true;
    if (TestSeam().OnShowModal) {
        RunOnShow();
        modalResult_ = TestSeam().OnShowModal(this);
        return modalResult_;
    }
    FormWindow* w = impl_->window;
    w->setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    impl_->loop = &loop;
    ShowForm();
    for (;;) {
        if (modalResult_ == mrNone && w->isVisible() && !(Application && Application->Terminated()))
            loop.exec();
        if (modalResult_ == mrNone) {
            modalResult_ = mrCancel; // hidden, or the application is ending
            break;
        }
        if (Application && Application->Terminated()) break;
        if (RunCloseQuery()) break;
        modalResult_ = mrNone;
    }
    impl_->loop = nullptr;
    HideForm();
    w->setWindowModality(Qt::NonModal);
    return modalResult_;
}

void TForm::Close() {
    if (modal_) {
        SetModalResult(mrCancel); // the modal loop asks the close handlers
        return;
    }
    if (!RunCloseQuery()) return;
    HideForm();
    if (Application && Application->MainForm() == this) Application->Terminate();
}

// ---- TApplication

struct TApplication::Impl {
    std::unique_ptr<QApplication> app;
    std::unique_ptr<QObject> context;
    bool terminated = false;
};

TApplication::TApplication(int& argc, char** argv)
    : TComponent(nullptr), impl_(std::make_unique<Impl>()) {
    SetCommandLine(argc, argv);
    if (!QCoreApplication::instance()) impl_->app = std::make_unique<QApplication>(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    previous_ = Application;
    Application = this;
    impl_->context = std::make_unique<QObject>();
    QObject::connect(qApp, &QGuiApplication::applicationStateChanged, impl_->context.get(),
                     [this](Qt::ApplicationState state) {
                         if (state != Qt::ApplicationActive) return;
                         Guard([this] {
                             if (OnActivate) OnActivate(this);
                         });
                     });
}

TApplication::~TApplication() {
    DestroyComponents();
    impl_->context.reset();
    if (Application == this) Application = previous_;
    impl_->app.reset();
}

namespace {
int DefaultAnswer(int flags) {
    switch (flags & 0x0F) {
    case MB_YESNOCANCEL:
        return IDCANCEL;
    case MB_YESNO:
        return IDNO;
    case 0x01: // OK/Cancel
        return IDCANCEL;
    default:
        return IDOK;
    }
}
} // namespace

int TApplication::MessageBox(const AnsiString& text, const AnsiString& caption, int flags) {
    // Message boxes are the system's: a file name in one reads as the file system spells it.
    const QString shownCaption = ToQt(caption, DEFAULT_CHARSET);
    const QString shownText = ToQt(text, DEFAULT_CHARSET);
    DialogSeam& seam = TestSeam();
    if (seam.Active) {
        seam.MessageBoxes.push_back(
            {text, caption, flags, shownText.toStdString(), shownCaption.toStdString()});
        if (seam.MessageBoxAnswers.empty()) return DefaultAnswer(flags);
        int answer = seam.MessageBoxAnswers.front();
        seam.MessageBoxAnswers.pop_front();
        return answer;
    }
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    switch (flags & 0xF0) {
    case MB_ICONSTOP:
        icon = QMessageBox::Critical;
        break;
    case MB_ICONQUESTION:
        icon = QMessageBox::Question;
        break;
    case MB_ICONWARNING:
        icon = QMessageBox::Warning;
        break;
    case MB_ICONINFORMATION:
        icon = QMessageBox::Information;
        break;
    }
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    switch (flags & 0x0F) {
    case MB_YESNOCANCEL:
        buttons = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        break;
    case MB_YESNO:
        buttons = QMessageBox::Yes | QMessageBox::No;
        break;
    case 0x01:
        buttons = QMessageBox::Ok | QMessageBox::Cancel;
        break;
    }
    // A window just hidden (a splash that closed itself) can still count as the active one
    // until the window system says otherwise; a box it owned would vanish with it unanswered.
    QWidget* owner = QApplication::activeWindow();
    if (owner && !owner->isVisible()) owner = nullptr;
    QMessageBox box(icon, shownCaption, shownText, buttons, owner);
    box.setWindowModality(Qt::ApplicationModal);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return IDYES;
    case QMessageBox::No:
        return IDNO;
    case QMessageBox::Cancel:
        return IDCANCEL;
    case QMessageBox::Ok:
        return IDOK;
    default:
        return DefaultAnswer(flags);
    }
}

void TApplication::ShowException(const std::exception& e) {
    try {
        MessageBox(e.what(), Title, MB_ICONSTOP | MB_OK);
    } catch (...) {
    }
}

void TApplication::RegisterForm(TForm* f) {
    if (!mainForm_) mainForm_ = f;
}

void TApplication::Run() {
    if (impl_->terminated) return;
    if (mainForm_) Guard([this] { mainForm_->ShowForm(); });
    if (!impl_->terminated) QApplication::exec();
}

void TApplication::Terminate() {
    impl_->terminated = true;
    QCoreApplication::exit(0);
}

bool TApplication::Terminated() const {
    return impl_->terminated;
}

void TApplication::ProcessMessages() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

bool TApplication::HelpContents() {
    if (TestSeam().Active) return TestSeam().HelpAvailable;
    if (HelpFile.empty()) return false;
    QFileInfo file(QString::fromLocal8Bit(HelpFile.c_str()));
    if (file.isRelative() && !file.exists())
        file = QFileInfo(QCoreApplication::applicationDirPath() + "/" + file.filePath());
    if (!file.exists()) return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(file.absoluteFilePath()));
}
