// String grid with a fixed row and column, whole-row selection and VCL cell geometry.
#pragma once
#include "platform/Controls.h"

class QPainter;

struct TGridRect {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
};

class TStringGrid : public TWinControl {
  public:
    explicit TStringGrid(TComponent* owner);

    int ColCount() const { return cols_; }
    void SetColCount(int v);
    int RowCount() const { return rows_; }
    void SetRowCount(int v); // keeps cells of the remaining rows
    int FixedCols = 1;
    int FixedRows = 1;
    bool RowSelect = true;

    AnsiString Cells(int col, int row) const;                // empty outside the grid
    void SetCells(int col, int row, const AnsiString& text); // ignored outside the grid

    int ColWidths(int col) const;
    void SetColWidths(int col, int width);
    int DefaultColWidth() const { return defaultColWidth_; }
    void SetDefaultColWidth(int v);
    int DefaultRowHeight() const { return defaultRowHeight_; }
    void SetDefaultRowHeight(int v);
    int GridLineWidth = 1;

    // Selected row (Selection Top..Bottom); setting it scrolls it into view and, when the row
    // changes, runs OnClick, as a key or a mouse press that moves the selection does.
    int Row() const { return row_; }
    void SetRow(int v);
    int Col() const { return col_; }
    void SetCol(int v);
    int TopRow() const { return topRow_; }
    void SetTopRow(int v);
    int VisibleRowCount() const;
    TGridRect Selection() const;
    // Cell under a client position; -1 when outside.
    void MouseToCell(int x, int y, int& col, int& row) const;

    void FontChanged() override;

    // Layer internals.
    ~TStringGrid() override;
    QWidget* ClientWidget() const override;
    void GeometryChanged() override;
    bool DeliverKeyDown(uint16_t key, QKeyEvent* e) override;
    void Paint(QPainter& p) const;
    void ViewMousePress(int x, int y, bool left);
    void ViewWheel(int rows);

  private:
    void Repaint();
    void Relayout();
    // Moves the selection and scrolls it into view; UserSelect also runs OnClick on a change.
    void MoveRow(int row);
    void UserSelect(int row);
    int ColLeft(int col) const;
    int MaxTopRow() const;
    struct Impl;
    std::unique_ptr<Impl> impl_;
    int cols_ = 5, rows_ = 5;
    int defaultColWidth_ = 64, defaultRowHeight_ = 24;
    std::vector<int> colWidths_;
    std::vector<std::vector<AnsiString>> cells_;
    int row_ = 1, col_ = 1, topRow_ = 1;
};
