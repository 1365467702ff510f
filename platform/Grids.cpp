// String grid drawn by the layer itself so rows, columns and hit tests keep one pixel
// geometry: a row is DefaultRowHeight high and a column ColWidths wide, each with its grid line
// inside at the bottom or right edge, so a grid sized to n rows of DefaultRowHeight shows n
// whole rows and columns whose widths add up to the client width fill it exactly.
#include "platform/Grids.h"

#include "platform/internal/Bridge.h"
#include <QFrame>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QWheelEvent>

using namespace wyx;

namespace {

constexpr int kBorder = 2;

class GridView : public QWidget {
  public:
    explicit GridView(QWidget* parent) : QWidget(parent) {
        setFocusPolicy(Qt::StrongFocus);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }
    TStringGrid* grid = nullptr;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        grid->Paint(p);
    }
    void mousePressEvent(QMouseEvent* e) override {
        QPoint pos = e->position().toPoint();
        grid->ViewMousePress(pos.x(), pos.y(), e->button() == Qt::LeftButton);
    }
    void wheelEvent(QWheelEvent* e) override {
        int steps = e->angleDelta().y() / 120;
        if (steps) grid->ViewWheel(-3 * steps);
    }
};

} // namespace

struct TStringGrid::Impl {
    QFrame* frame = nullptr;
    GridView* view = nullptr;
    QScrollBar* bar = nullptr;
    bool scrolling = false;
};

TStringGrid::TStringGrid(TComponent* owner)
    : TWinControl(owner, new QFrame), impl_(std::make_unique<Impl>()) {
    impl_->frame = static_cast<QFrame*>(widget_);
    impl_->frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    impl_->frame->setLineWidth(kBorder);
    impl_->view = new GridView(impl_->frame);
    impl_->view->grid = this;
    BindControl(impl_->view, this);
    impl_->frame->setFocusProxy(impl_->view);
    HookWidget(this, impl_->view, impl_->view);
    impl_->bar = new QScrollBar(Qt::Vertical, impl_->frame);
    impl_->bar->setFocusPolicy(Qt::NoFocus);
    QObject::connect(impl_->bar, &QScrollBar::valueChanged, impl_->bar, [this](int v) {
        if (impl_->scrolling) return;
        topRow_ = v;
        Repaint();
    });
    colWidths_.assign(static_cast<size_t>(cols_), defaultColWidth_);
    cells_.assign(static_cast<size_t>(rows_), std::vector<AnsiString>(static_cast<size_t>(cols_)));
    widget_->resize(320, 120);
    FontChanged();
    Relayout();
}

TStringGrid::~TStringGrid() = default;

QWidget* TStringGrid::ClientWidget() const {
    return impl_->view;
}

void TStringGrid::SetColCount(int v) {
    cols_ = std::max(1, v);
    colWidths_.resize(static_cast<size_t>(cols_), defaultColWidth_);
    for (auto& row : cells_)
        row.resize(static_cast<size_t>(cols_));
    col_ = std::min(col_, cols_ - 1);
    Relayout();
}

void TStringGrid::SetRowCount(int v) {
    rows_ = std::max(1, v);
    cells_.resize(static_cast<size_t>(rows_), std::vector<AnsiString>(static_cast<size_t>(cols_)));
    row_ = std::max(std::min(row_, rows_ - 1), std::min(FixedRows, rows_ - 1));
    Relayout();
}

AnsiString TStringGrid::Cells(int col, int row) const {
    if (col < 0 || col >= cols_ || row < 0 || row >= rows_) return {};
    return cells_[static_cast<size_t>(row)][static_cast<size_t>(col)];
}

void TStringGrid::SetCells(int col, int row, const AnsiString& text) {
    if (col < 0 || col >= cols_ || row < 0 || row >= rows_) return;
    cells_[static_cast<size_t>(row)][static_cast<size_t>(col)] = text;
    Repaint();
}

int TStringGrid::ColWidths(int col) const {
    return col >= 0 && col < cols_ ? colWidths_[static_cast<size_t>(col)] : 0;
}

void TStringGrid::SetColWidths(int col, int width) {
    if (col < 0 || col >= cols_) return;
    colWidths_[static_cast<size_t>(col)] = std::max(0, width);
    Repaint();
}

void TStringGrid::SetDefaultColWidth(int v) {
    defaultColWidth_ = std::max(0, v);
    colWidths_.assign(static_cast<size_t>(cols_), defaultColWidth_);
    Repaint();
}

void TStringGrid::SetDefaultRowHeight(int v) {
    defaultRowHeight_ = std::max(1, v);
    Relayout();
}

void TStringGrid::SetRow(int v) {
    int before = row_;
    MoveRow(v);
    if (row_ != before)
        Guarded([this] {
            if (OnClick) OnClick(this);
        });
}

void TStringGrid::MoveRow(int v) {
    row_ = std::max(std::min(FixedRows, rows_ - 1), std::min(v, rows_ - 1));
    int visible = VisibleRowCount();
    if (row_ >= FixedRows) {
        if (row_ < topRow_)
            topRow_ = row_;
        else if (visible > 0 && row_ >= topRow_ + visible)
            topRow_ = row_ - visible + 1;
    }
    Relayout();
}

void TStringGrid::SetCol(int v) {
    col_ = std::max(std::min(FixedCols, cols_ - 1), std::min(v, cols_ - 1));
    Repaint();
}

void TStringGrid::SetTopRow(int v) {
    topRow_ = v;
    Relayout();
}

int TStringGrid::VisibleRowCount() const {
    int room = impl_->view->height() - FixedRows * defaultRowHeight_;
    int n = room > 0 ? room / defaultRowHeight_ : 0;
    return std::max(0, std::min(n, rows_ - FixedRows));
}

TGridRect TStringGrid::Selection() const {
    if (RowSelect) return {FixedCols, row_, cols_ - 1, row_};
    return {col_, row_, col_, row_};
}

int TStringGrid::ColLeft(int col) const {
    int x = 0;
    for (int c = 0; c < col && c < cols_; ++c)
        x += colWidths_[static_cast<size_t>(c)];
    return x;
}

void TStringGrid::MouseToCell(int x, int y, int& col, int& row) const {
    col = row = -1;
    if (x < 0 || y < 0 || x >= impl_->view->width() || y >= impl_->view->height()) return;
    int left = 0;
    for (int c = 0; c < cols_; ++c) {
        int right = left + colWidths_[static_cast<size_t>(c)];
        if (x < right) {
            col = c;
            break;
        }
        left = right;
    }
    int line = y / defaultRowHeight_;
    int r = line < FixedRows ? line : topRow_ + (line - FixedRows);
    if (r < rows_) row = r;
    if (col < 0 || row < 0) col = row = -1;
}

int TStringGrid::MaxTopRow() const {
    return std::max(FixedRows, rows_ - std::max(1, VisibleRowCount()));
}

void TStringGrid::FontChanged() {
    TWinControl::FontChanged();
    impl_->view->setFont(MakeQFont(font_));
    Repaint();
}

void TStringGrid::GeometryChanged() {
    Relayout();
}

void TStringGrid::Relayout() {
    QFrame* f = impl_->frame;
    int innerW = std::max(0, f->width() - 2 * kBorder);
    int innerH = std::max(0, f->height() - 2 * kBorder);
    // Row visibility depends on the height only, so whether the bar is needed is known first.
    impl_->view->setGeometry(kBorder, kBorder, innerW, innerH);
    bool needBar = rows_ - FixedRows > VisibleRowCount();
    int barW = needBar ? f->style()->pixelMetric(QStyle::PM_ScrollBarExtent) : 0;
    impl_->view->setGeometry(kBorder, kBorder, std::max(0, innerW - barW), innerH);
    impl_->bar->setGeometry(kBorder + innerW - barW, kBorder, barW, innerH);
    impl_->bar->setVisible(needBar);
    topRow_ = std::max(FixedRows, std::min(topRow_, MaxTopRow()));
    impl_->scrolling = true;
    impl_->bar->setRange(FixedRows, MaxTopRow());
    impl_->bar->setPageStep(std::max(1, VisibleRowCount()));
    impl_->bar->setValue(topRow_);
    impl_->scrolling = false;
    Repaint();
}

void TStringGrid::Repaint() {
    impl_->view->update();
}

void TStringGrid::Paint(QPainter& p) const {
    const QPalette& pal = impl_->view->palette();
    p.fillRect(impl_->view->rect(), pal.color(QPalette::Window));
    int line = defaultRowHeight_;
    int inner = std::max(0, line - GridLineWidth);
    int height = impl_->view->height();
    int y = 0;
    for (int k = 0; y < height; ++k, y += line) {
        int r = k < FixedRows ? k : topRow_ + (k - FixedRows);
        if (r >= rows_) break;
        int x = 0;
        for (int c = 0; c < cols_; ++c) {
            int w = colWidths_[static_cast<size_t>(c)];
            bool fixed = r < FixedRows || c < FixedCols;
            bool selected = !fixed && r == row_ && (RowSelect || c == col_);
            QRect cell(x, y, std::max(0, w - GridLineWidth), inner);
            QColor back = fixed      ? pal.color(QPalette::Button)
                          : selected ? pal.color(QPalette::Highlight)
                                     : pal.color(QPalette::Base);
            p.fillRect(cell, back);
            if (GridLineWidth > 0) {
                QColor lineColor =
                    fixed ? pal.color(QPalette::Dark) : pal.color(QPalette::Midlight);
                p.fillRect(QRect(x + cell.width(), y, GridLineWidth, line), lineColor);
                p.fillRect(QRect(x, y + inner, cell.width(), GridLineWidth), lineColor);
            }
            p.setPen(selected ? pal.color(QPalette::HighlightedText) : pal.color(QPalette::Text));
            p.setClipRect(cell);
            p.drawText(
                cell.adjusted(2, 2, -2, 0), Qt::AlignLeft | Qt::AlignTop,
                ToQt(cells_[static_cast<size_t>(r)][static_cast<size_t>(c)], font_.Charset()));
            p.setClipping(false);
            x += w;
        }
    }
}

void TStringGrid::UserSelect(int row) {
    int before = row_;
    MoveRow(row);
    if (row_ != before)
        Guarded([this] {
            if (OnClick) OnClick(this);
        });
}

// A left press on a data cell selects it and runs OnClick, also on the cell already selected.
void TStringGrid::ViewMousePress(int x, int y, bool left) {
    if (!left) return;
    int c, r;
    MouseToCell(x, y, c, r);
    if (c < FixedCols || r < FixedRows) return;
    col_ = c;
    MoveRow(r);
    Guarded([this] {
        if (OnClick) OnClick(this);
    });
}

void TStringGrid::ViewWheel(int rows) {
    SetTopRow(topRow_ + rows);
}

bool TStringGrid::DeliverKeyDown(uint16_t key, QKeyEvent*) {
    int page = std::max(1, VisibleRowCount());
    switch (key) {
    case VK_UP:
        UserSelect(row_ - 1);
        return true;
    case VK_DOWN:
        UserSelect(row_ + 1);
        return true;
    case VK_PRIOR:
        topRow_ = std::max(FixedRows, topRow_ - page);
        UserSelect(row_ - page);
        return true;
    case VK_NEXT:
        topRow_ = std::min(MaxTopRow(), topRow_ + page);
        UserSelect(row_ + page);
        return true;
    case VK_HOME:
        UserSelect(FixedRows);
        return true;
    case VK_END:
        UserSelect(rows_ - 1);
        return true;
    default:
        return false;
    }
}
