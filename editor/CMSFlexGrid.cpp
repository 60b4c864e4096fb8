#include "CMSFlexGrid.h"

#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionHeader>
#include <QTableWidget>

#include <array>
#include <cstdlib>

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
    const int magnitude = (std::abs(pixels) * 1440 + dpi - 1) / dpi;
    return pixels < 0 ? -magnitude : magnitude;
}

} // namespace

// Cell (0, 0), where the fixed row and the fixed column meet.
class CMSFlexGrid::Corner : public QWidget {
public:
    explicit Corner(QWidget* parent) : QWidget(parent) {}

    QString text;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;

protected:
    void paintEvent(QPaintEvent*) override {
        QStyleOptionHeader option;
        option.initFrom(this);
        option.rect = rect();
        option.text = text;
        option.textAlignment = alignment;
        option.position = QStyleOptionHeader::OnlyOneSection;
        QPainter painter(this);
        style()->drawControl(QStyle::CE_Header, &option, &painter, this);
    }
};

// The table inside the grid. It reports moves of its current cell to the grid and leaves
// typing to the grid's KeyPress: it never edits and never searches by typed text.
class CMSFlexGrid::Table : public QTableWidget {
public:
    Table(int rows, int cols, CMSFlexGrid* grid) : QTableWidget(rows, cols, grid), grid_(grid) {}

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override {
        if (!grid_->syncingTable_ && current.isValid())
            grid_->tableMovedTo(current.row() + 1, current.column() + 1);
        QTableWidget::currentChanged(current, previous);
    }

    void keyboardSearch(const QString&) override {}

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
            QTableWidget::keyPressEvent(event);
    }

    void mousePressEvent(QMouseEvent* event) override {
        // Only the left button moves the current cell; it moves before MouseDown is raised.
        if (event->button() == Qt::LeftButton)
            QTableWidget::mousePressEvent(event);
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
        QTableWidget::mouseDoubleClickEvent(event);
        emit grid_->DblClick();
    }

    void updateGeometries() override {
        QTableWidget::updateGeometries();
        grid_->corner_->setGeometry(frameWidth(), frameWidth(), verticalHeader()->width(),
                                    horizontalHeader()->height());
    }

private:
    CMSFlexGrid* grid_;
};

CMSFlexGrid::CMSFlexGrid(int rows, int cols, QWidget* parent)
    : QWidget(parent), rows_(rows), cols_(cols), colWidths_(cols, kDefaultColWidth),
      table_(new Table(rows - 1, cols - 1, this)), corner_(new Corner(table_)) {
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::NoSelection);
    table_->setTabKeyNavigation(false);
    table_->setCornerButtonEnabled(false);
    table_->setWordWrap(false);
    for (QHeaderView* header : {table_->horizontalHeader(), table_->verticalHeader()}) {
        header->setSectionsClickable(false);
        header->setHighlightSections(false);
        header->setSectionResizeMode(QHeaderView::Fixed);
        header->setMinimumSectionSize(1);
    }
    for (int c = 1; c < cols_; ++c)
        table_->setHorizontalHeaderItem(c - 1, new QTableWidgetItem);
    for (int r = 1; r < rows_; ++r) {
        table_->setVerticalHeaderItem(r - 1, new QTableWidgetItem);
        for (int c = 1; c < cols_; ++c)
            table_->setItem(r - 1, c - 1, new QTableWidgetItem);
    }
    setFocusProxy(table_);
    setFocusPolicy(Qt::StrongFocus);

    connect(table_->verticalScrollBar(), &QScrollBar::valueChanged, this, &CMSFlexGrid::Scroll);
    connect(table_->horizontalScrollBar(), &QScrollBar::valueChanged, this, &CMSFlexGrid::Scroll);

    for (int c = 0; c < cols_; ++c)
        SetColWidth(c, kDefaultColWidth);
    applyRowHeight();
    showCurrentInTable();
}

CMSFlexGrid::~CMSFlexGrid() = default;

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
    if (row_ > 0 && col_ > 0)
        table_->setCurrentCell(row_ - 1, col_ - 1);
    else
        table_->setCurrentIndex(QModelIndex());
    syncingTable_ = false;
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
    return (twips * logicalDpiX() + 720) / 1440;
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
    const Qt::Alignment align = toQtAlignment(alignment);
    if (col == 0) {
        table_->verticalHeader()->setDefaultAlignment(align);
        for (int r = 1; r < rows_; ++r)
            table_->verticalHeaderItem(r - 1)->setTextAlignment(align);
        corner_->alignment = align;
        corner_->update();
        return;
    }
    table_->horizontalHeaderItem(col - 1)->setTextAlignment(align);
    for (int r = 1; r < rows_; ++r)
        table_->item(r - 1, col - 1)->setTextAlignment(align);
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
    if (!validCell(row, col))
        return {};
    if (row == 0 && col == 0)
        return corner_->text;
    if (row == 0)
        return table_->horizontalHeaderItem(col - 1)->text();
    if (col == 0)
        return table_->verticalHeaderItem(row - 1)->text();
    return table_->item(row - 1, col - 1)->text();
}

void CMSFlexGrid::SetTextMatrix(int row, int col, const QString& text) {
    if (!validCell(row, col))
        return;
    if (row == 0 && col == 0) {
        corner_->text = text;
        corner_->update();
    } else if (row == 0) {
        table_->horizontalHeaderItem(col - 1)->setText(text);
    } else if (col == 0) {
        table_->verticalHeaderItem(row - 1)->setText(text);
    } else {
        table_->item(row - 1, col - 1)->setText(text);
    }
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
