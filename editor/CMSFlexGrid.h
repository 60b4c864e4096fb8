#pragma once

// The channel table's grid: a QTableView over a model of cell texts, behind the small interface the
// form and its in-place editors rely on. Cells are texts addressed by (row, column); row 0 and
// column 0 are fixed (headings and row labels) and stay visible while the rest scrolls. The grid
// never edits a cell itself: the view places editors over the current cell and writes the texts.
//
// Geometry is in twips (1/1440 inch at the grid's logical resolution). Cell positions count
// from 3 pixels up and to the left of the grid's own corner, the way the control this grid
// stands in for counted its frame and leading grid line: a child of the grid placed at
// (CellLeft × dpi / 1440 − 3, CellTop × dpi / 1440 − 3) with CellWidth × dpi / 1440 as its
// width lies exactly on the current cell.
//
// Moving the current cell (SetRow, SetCol, a left click, an arrow key) raises LeaveCell while
// Row and Col still name the old cell, then EnterCell with the new one, from inside the call
// that moved it, and only then scrolls the new cell into view (raising Scroll).

#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <vector>

namespace quorl {

class CMSFlexGrid : public QWidget {
    Q_OBJECT

public:
    static constexpr int kTwipsPerInch = 1440;

    // Alignment values of SetColAlignment: 0..8 are left/centre/right × top/centre/bottom.
    static constexpr short kAlignCenterCenter = 4;
    // Width of a column that has not been given one.
    static constexpr int kDefaultColWidth = 1080;
    // Pixels between the measuring origin and the grid's corner (see above).
    static constexpr int kCellOriginOffset = 3;

    CMSFlexGrid(int rows, int cols, QWidget* parent = nullptr);
    ~CMSFlexGrid() override;

    int Rows() const { return rows_; }
    int Cols() const { return cols_; }

    // Text of the current cell.
    QString Text() const;
    void SetText(const QString& text);

    // The current cell. Values outside the grid are ignored.
    int Row() const { return row_; }
    void SetRow(int row);
    int Col() const { return col_; }
    void SetCol(int col);
    // Equal to Row and Col: an editor opens only on a single selected cell, and these name it.
    int RowSel() const { return row_; }
    int ColSel() const { return col_; }

    // The selection beyond the current cell: channels picked on their numbers (a click, Shift
    // and Ctrl add), or a block grown with Shift and the arrows. A click on a cell selects it
    // alone, whatever keys are held.
    // Channels whose every cell is selected, ascending.
    std::vector<int> SelectedChannels() const;
    // The rows and columns the selected cells span (the current cell when none is selected).
    QRect SelectedBlock() const; // x: column, y: row
    // Selects these channels whole, leaving the current cell where it is.
    void SelectChannels(const std::vector<int>& channels);

    // The current cell's rectangle in twips (see the measuring origin above).
    int CellLeft() const;
    int CellTop() const;
    int CellWidth() const;
    int CellHeight() const;

    void SetColAlignment(int col, short alignment);
    int ColWidth(int col) const;
    void SetColWidth(int col, int twips);

    QString TextMatrix(int row, int col) const;
    void SetTextMatrix(int row, int col, const QString& text);
    // The texts of a block of the scrolling part from (top, left), one list per row, shown in
    // one redraw rather than cell by cell.
    void SetTextBlock(int top, int left, const QList<QStringList>& rows);

    // Repaints the grid now.
    void Refresh();

signals:
    void DblClick();
    // Each character typed while the grid has the focus; Ctrl+letter gives its control code.
    void KeyPress(quint16* keyAscii);
    // button: 1 left, 2 right, 4 middle; shift: 1 Shift, 2 Ctrl, 4 Alt; x, y in twips.
    void MouseDown(short button, short shift, int x, int y);
    void EnterCell();
    void LeaveCell();
    void Scroll();
    // A cell's text changed (rows 1.., columns 1..).
    void CellsChanged();
    // The right button or the Menu key over the table, at this point of the screen.
    void ContextMenu(const QPoint& globalPos);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    class Cells;
    class Heading;
    class Table;
    class Corner;

    bool validCell(int row, int col) const;
    void moveTo(int row, int col);
    void tableMovedTo(int row, int col);
    void showCurrentInTable();
    QRect cellRect(int row, int col) const; // pixels, grid coordinates
    int toTwipsX(int pixels) const;
    int toTwipsY(int pixels) const;
    int toPixelsX(int twips) const;
    void applyRowHeight();

    const int rows_;
    const int cols_;
    int row_ = 1;
    int col_ = 1;
    bool syncingTable_ = false;
    std::vector<int> colWidths_; // twips
    Cells* cells_;
    Table* table_;
    Corner* corner_;
};

} // namespace quorl
