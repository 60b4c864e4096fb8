#include "CMSFlexGrid.h"

#include <QAbstractTableModel>
#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionHeader>
#include <QTableView>

#include <algorithm>
#include <array>
#include <cstdlib>

namespace quorl {

namespace {

constexpr quint16 kDeleteCharacter = 127;

// Alignment values 0..8: left, centre, right, each top, centre, bottom.
Qt::Alignment toQtAlignment(short alignment) {
    static constexpr std::array<Qt::Alignment::Int, 3> kHorizontal{Qt::AlignLeft, Qt::AlignHCenter,
                                                                   Qt::AlignRight};
    static constexpr std::array<Qt::Alignment::Int, 3> kVertical{Qt::AlignTop, Qt::AlignVCenter,
                                                                 Qt::AlignBottom};
    if (alignment < 0 || alignment > 8)
        return Qt::AlignLeft | Qt::AlignVCenter;
    return Qt::Alignment(kHorizontal[alignment / 3] | kVertical[alignment % 3]);
}

short buttonCode(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

short shiftCode(Qt::KeyboardModifiers modifiers) {
    return static_cast<short>((modifiers & Qt::ShiftModifier ? 1 : 0) |
                              (modifiers & Qt::ControlModifier ? 2 : 0) |
                              (modifiers & Qt::AltModifier ? 4 : 0));
}

// pixels × 1440 / dpi rounded away from zero, so that converting back with truncating
// integer division gives the pixels again.
int pixelsToTwips(int pixels, int dpi) {
    const int magnitude = (std::abs(pixels) * CMSFlexGrid::kTwipsPerInch + dpi - 1) / dpi;
    return pixels < 0 ? -magnitude : magnitude;
}

} // namespace

// The texts of every cell, the fixed ones included, and the alignment of each column. The
// fixed row and column are the view's headers.
class CMSFlexGrid::Cells : public QAbstractTableModel {
public:
    Cells(int rows, int cols, QObject* parent)
        : QAbstractTableModel(parent), rows_(rows), cols_(cols),
          texts_(static_cast<std::size_t>(rows * cols)),
          alignments_(static_cast<std::size_t>(cols), Qt::AlignLeft | Qt::AlignVCenter) {}

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : rows_ - 1;
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : cols_ - 1;
    }

    QVariant data(const QModelIndex& index, int role) const override {
        return cell(index.row() + 1, index.column() + 1, role);
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        return orientation == Qt::Horizontal ? cell(0, section + 1, role)
                                             : cell(section + 1, 0, role);
    }

    const QString& text(int row, int col) const { return texts_[at(row, col)]; }

    void setText(int row, int col, const QString& text) {
        QString& stored = texts_[at(row, col)];
        if (stored == text)
            return;
        stored = text;
        if (row == 0 && col > 0)
            emit headerDataChanged(Qt::Horizontal, col - 1, col - 1);
        else if (col == 0 && row > 0)
            emit headerDataChanged(Qt::Vertical, row - 1, row - 1);
        else if (row > 0)
            emit dataChanged(index(row - 1, col - 1), index(row - 1, col - 1), {Qt::DisplayRole});
    }

    // Cells of the scrolling part from (top, left) on, one list per row; what falls outside
    // is left alone. One change covers every cell that changed.
    void setTexts(int top, int left, const QList<QStringList>& rows) {
        QRect changed; // x is the column, y the row
        for (int i = 0; i < rows.size(); ++i) {
            for (int j = 0; j < rows[i].size(); ++j) {
                const int row = top + i;
                const int col = left + j;
                if (row < 1 || row >= rows_ || col < 1 || col >= cols_)
                    continue;
                QString& stored = texts_[at(row, col)];
                if (stored == rows[i][j])
                    continue;
                stored = rows[i][j];
                changed |= QRect(col, row, 1, 1);
            }
        }
        if (!changed.isNull())
            emit dataChanged(index(changed.top() - 1, changed.left() - 1),
                             index(changed.bottom() - 1, changed.right() - 1), {Qt::DisplayRole});
    }

    Qt::Alignment alignment(int col) const { return alignments_[static_cast<std::size_t>(col)]; }

    void setAlignment(int col, Qt::Alignment alignment) {
        alignments_[static_cast<std::size_t>(col)] = alignment;
        if (col == 0) {
            emit headerDataChanged(Qt::Vertical, 0, rows_ - 2);
        } else {
            emit headerDataChanged(Qt::Horizontal, col - 1, col - 1);
            emit dataChanged(index(0, col - 1), index(rows_ - 2, col - 1), {Qt::TextAlignmentRole});
        }
    }

private:
    std::size_t at(int row, int col) const { return static_cast<std::size_t>(row * cols_ + col); }

    QVariant cell(int row, int col, int role) const {
        if (role == Qt::DisplayRole)
            return text(row, col);
        if (role == Qt::TextAlignmentRole)
            return static_cast<int>(alignment(col));
        return {};
    }

    const int rows_;
    const int cols_;
    std::vector<QString> texts_;
    std::vector<Qt::Alignment> alignments_;
};

// Cell (0, 0), where the fixed row and the fixed column meet.
class CMSFlexGrid::Corner : public QWidget {
public:
    Corner(const Cells* cells, QWidget* parent) : QWidget(parent), cells_(cells) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QStyleOptionHeader option;
        option.initFrom(this);
        option.rect = rect();
        option.text = cells_->text(0, 0);
        option.textAlignment = cells_->alignment(0);
        option.position = QStyleOptionHeader::OnlyOneSection;
        QPainter painter(this);
        style()->drawControl(QStyle::CE_Header, &option, &painter, this);
    }

private:
    const Cells* cells_;
};

// A heading strip of fixed thickness. QHeaderView measures up to 200 section texts for its size
// hint each time a heading or row label changes, and the table asks for it at every layout, only
// to clamp it to the fixed thickness: the minimum, which is that thickness, is the same answer.
class CMSFlexGrid::Heading : public QHeaderView {
public:
    Heading(Qt::Orientation orientation, QWidget* parent) : QHeaderView(orientation, parent) {}

    QSize sizeHint() const override { return minimumSize(); }
};

// The table inside the grid. It reports moves of its current cell to the grid and leaves
// typing to the grid's KeyPress: it never edits and never searches by typed text.
class CMSFlexGrid::Table : public QTableView {
public:
    explicit Table(CMSFlexGrid* grid) : QTableView(grid), grid_(grid) {
        setHorizontalHeader(new Heading(Qt::Horizontal, this));
        setVerticalHeader(new Heading(Qt::Vertical, this));
    }

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override {
        if (!grid_->syncingTable_ && current.isValid())
            grid_->tableMovedTo(current.row() + 1, current.column() + 1);
        QTableView::currentChanged(current, previous);
    }

    void keyboardSearch(const QString&) override {}

    // Ctrl+A is typed: it opens the cell's editor with its control code, and selects nothing.
    void selectAll() override {}

    // A click selects its cell alone; Shift and Ctrl extend only from the keyboard and on the
    // channel numbers, so the cell an editor opens on is the one selected cell.
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override {
        if (event && dynamic_cast<const QMouseEvent*>(event))
            return QItemSelectionModel::ClearAndSelect;
        return QTableView::selectionCommand(index, event);
    }

    void keyPressEvent(QKeyEvent* event) override {
        QString text = event->text();
        const int key = event->key();
        if ((event->modifiers() & Qt::ControlModifier) && key >= Qt::Key_A && key <= Qt::Key_Z)
            text = QChar(key - Qt::Key_A + 1);
        bool printable = false;
        for (QChar ch : text) {
            quint16 code = ch.unicode();
            // Delete arrives as the character 127 here; it is a key, not something typed.
            if (code == kDeleteCharacter)
                continue;
            printable = printable || code >= 32;
            emit grid_->KeyPress(&code);
        }
        if (printable)
            event->accept();
        else
            QTableView::keyPressEvent(event);
    }

    void mousePressEvent(QMouseEvent* event) override {
        // Only the left button moves the current cell; it moves before MouseDown is raised.
        if (event->button() == Qt::LeftButton)
            QTableView::mousePressEvent(event);
        else
            event->accept();
        const QPoint at = viewport()->mapTo(grid_, event->position().toPoint());
        emit grid_->MouseDown(buttonCode(event->button()), shiftCode(event->modifiers()),
                              grid_->toTwipsX(at.x() + kCellOriginOffset),
                              grid_->toTwipsY(at.y() + kCellOriginOffset));
    }

    // Dragging neither moves the current cell nor selects a range.
    void mouseMoveEvent(QMouseEvent* event) override { event->accept(); }

    void mouseDoubleClickEvent(QMouseEvent* event) override {
        if (event->button() != Qt::LeftButton) {
            event->accept();
            return;
        }
        QTableView::mouseDoubleClickEvent(event);
        emit grid_->DblClick();
    }

    void updateGeometries() override {
        QTableView::updateGeometries();
        grid_->corner_->setGeometry(frameWidth(), frameWidth(), verticalHeader()->width(),
                                    horizontalHeader()->height());
    }

private:
    CMSFlexGrid* grid_;
};

CMSFlexGrid::CMSFlexGrid(int rows, int cols, QWidget* parent)
    : QWidget(parent), rows_(rows), cols_(cols), colWidths_(cols, kDefaultColWidth),
      cells_(new Cells(rows, cols, this)), table_(new Table(this)),
      corner_(new Corner(cells_, table_)) {
    // Only now: the table lays out its corner as soon as it has a model.
    table_->setModel(cells_);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table_->setTabKeyNavigation(false);
    table_->setCornerButtonEnabled(false);
    table_->setWordWrap(false);
    for (QHeaderView* header : {table_->horizontalHeader(), table_->verticalHeader()}) {
        header->setSectionsClickable(header == table_->verticalHeader());
        header->setHighlightSections(false);
        header->setSectionResizeMode(QHeaderView::Fixed);
        header->setMinimumSectionSize(1);
    }
    setFocusProxy(table_);
    setFocusPolicy(Qt::StrongFocus);

    connect(table_->verticalScrollBar(), &QScrollBar::valueChanged, this, &CMSFlexGrid::Scroll);
    connect(table_->horizontalScrollBar(), &QScrollBar::valueChanged, this, &CMSFlexGrid::Scroll);
    connect(cells_, &QAbstractItemModel::dataChanged, this, &CMSFlexGrid::CellsChanged);
    for (QWidget* area :
         {static_cast<QWidget*>(table_), static_cast<QWidget*>(table_->verticalHeader())}) {
        area->setContextMenuPolicy(Qt::CustomContextMenu);
        QWidget* origin = area == table_ ? table_->viewport() : area;
        connect(area, &QWidget::customContextMenuRequested, this,
                [this, origin](const QPoint& pos) { emit ContextMenu(origin->mapToGlobal(pos)); });
    }

    for (int c = 0; c < cols_; ++c)
        SetColWidth(c, kDefaultColWidth);
    applyRowHeight();
    showCurrentInTable();
}

// The table goes first, while the grid it reports to is whole: left to the base class, the
// model would go first, and the table would lay itself out again and reach for the corner of
// a grid that is by then only a QWidget.
CMSFlexGrid::~CMSFlexGrid() {
    delete table_;
}

bool CMSFlexGrid::validCell(int row, int col) const {
    return row >= 0 && row < rows_ && col >= 0 && col < cols_;
}

QString CMSFlexGrid::Text() const {
    return TextMatrix(row_, col_);
}

void CMSFlexGrid::SetText(const QString& text) {
    SetTextMatrix(row_, col_, text);
}

void CMSFlexGrid::SetRow(int row) {
    moveTo(row, col_);
}

void CMSFlexGrid::SetCol(int col) {
    moveTo(row_, col);
}

void CMSFlexGrid::moveTo(int row, int col) {
    if (!validCell(row, col) || (row == row_ && col == col_))
        return;
    emit LeaveCell();
    row_ = row;
    col_ = col;
    emit EnterCell();
    showCurrentInTable();
}

// The table has already moved (click or key); bring Row and Col after it.
void CMSFlexGrid::tableMovedTo(int row, int col) {
    if (row == row_ && col == col_)
        return;
    emit LeaveCell();
    row_ = row;
    col_ = col;
    emit EnterCell();
}

void CMSFlexGrid::showCurrentInTable() {
    syncingTable_ = true;
    if (row_ > 0 && col_ > 0) {
        table_->selectionModel()->setCurrentIndex(cells_->index(row_ - 1, col_ - 1),
                                                  QItemSelectionModel::ClearAndSelect);
    } else {
        table_->setCurrentIndex(QModelIndex());
    }
    syncingTable_ = false;
}

std::vector<int> CMSFlexGrid::SelectedChannels() const {
    std::vector<int> channels;
    for (const QModelIndex& index : table_->selectionModel()->selectedRows())
        channels.push_back(index.row() + 1);
    std::sort(channels.begin(), channels.end());
    return channels;
}

QRect CMSFlexGrid::SelectedBlock() const {
    QRect block;
    for (const QModelIndex& index : table_->selectionModel()->selectedIndexes())
        block |= QRect(index.column() + 1, index.row() + 1, 1, 1);
    return block.isEmpty() ? QRect(col_, row_, 1, 1) : block;
}

void CMSFlexGrid::SelectChannels(const std::vector<int>& channels) {
    QItemSelection selection;
    for (const int channel : channels)
        if (channel > 0 && channel < rows_)
            selection.select(cells_->index(channel - 1, 0), cells_->index(channel - 1, cols_ - 2));
    table_->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

QRect CMSFlexGrid::cellRect(int row, int col) const {
    const QHeaderView* rowLabels = table_->verticalHeader();
    const QHeaderView* headings = table_->horizontalHeader();
    int x = 0;
    int width = 0;
    if (col == 0) {
        x = rowLabels->mapTo(this, QPoint(0, 0)).x();
        width = rowLabels->width();
    } else {
        x = table_->viewport()->mapTo(this, QPoint(table_->columnViewportPosition(col - 1), 0)).x();
        width = table_->columnWidth(col - 1);
    }
    int y = 0;
    int height = 0;
    if (row == 0) {
        y = headings->mapTo(this, QPoint(0, 0)).y();
        height = headings->height();
    } else {
        y = table_->viewport()->mapTo(this, QPoint(0, table_->rowViewportPosition(row - 1))).y();
        height = table_->rowHeight(row - 1);
    }
    return QRect(x, y, width, height);
}

int CMSFlexGrid::toTwipsX(int pixels) const {
    return pixelsToTwips(pixels, logicalDpiX());
}

int CMSFlexGrid::toTwipsY(int pixels) const {
    return pixelsToTwips(pixels, logicalDpiY());
}

int CMSFlexGrid::toPixelsX(int twips) const {
    return (twips * logicalDpiX() + kTwipsPerInch / 2) / kTwipsPerInch;
}

int CMSFlexGrid::CellLeft() const {
    return toTwipsX(cellRect(row_, col_).x() + kCellOriginOffset);
}

int CMSFlexGrid::CellTop() const {
    return toTwipsY(cellRect(row_, col_).y() + kCellOriginOffset);
}

int CMSFlexGrid::CellWidth() const {
    return toTwipsX(cellRect(row_, col_).width());
}

int CMSFlexGrid::CellHeight() const {
    return toTwipsY(cellRect(row_, col_).height());
}

void CMSFlexGrid::SetColAlignment(int col, short alignment) {
    if (col < 0 || col >= cols_)
        return;
    cells_->setAlignment(col, toQtAlignment(alignment));
    if (col == 0)
        corner_->update();
}

int CMSFlexGrid::ColWidth(int col) const {
    return col >= 0 && col < cols_ ? colWidths_[col] : 0;
}

void CMSFlexGrid::SetColWidth(int col, int twips) {
    if (col < 0 || col >= cols_ || twips < 0)
        return;
    colWidths_[col] = twips;
    const int pixels = toPixelsX(twips);
    if (col == 0)
        table_->verticalHeader()->setFixedWidth(pixels);
    else
        table_->setColumnWidth(col - 1, pixels);
}

QString CMSFlexGrid::TextMatrix(int row, int col) const {
    return validCell(row, col) ? cells_->text(row, col) : QString();
}

void CMSFlexGrid::SetTextMatrix(int row, int col, const QString& text) {
    if (!validCell(row, col))
        return;
    cells_->setText(row, col, text);
    if (row == 0 && col == 0)
        corner_->update();
}

void CMSFlexGrid::SetTextBlock(int top, int left, const QList<QStringList>& rows) {
    cells_->setTexts(top, left, rows);
}

void CMSFlexGrid::Refresh() {
    repaint();
}

void CMSFlexGrid::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    table_->setGeometry(rect());
}

void CMSFlexGrid::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        applyRowHeight();
}

// Rows are as high as the cell font's line plus a small margin; the heading row too.
void CMSFlexGrid::applyRowHeight() {
    const int height = fontMetrics().height() + 4;
    table_->verticalHeader()->setDefaultSectionSize(height);
    table_->horizontalHeader()->setFixedHeight(height);
}

} // namespace quorl
