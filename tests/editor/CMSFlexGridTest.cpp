#include "CMSFlexGrid.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>
#include <QTest>

using namespace quorl;

namespace {

struct Event {
    QString name;
    int row;
    int col;
    bool operator==(const Event&) const = default;
};

QDebug operator<<(QDebug debug, const Event& event) {
    return debug << event.name << event.row << event.col;
}

} // namespace

class CMSFlexGridTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<CMSFlexGrid> grid;
    QList<Event> events;
    QList<int> keys;
    QList<short> buttons;

    QTableView* table() const { return grid->findChild<QTableView*>(); }
    // What the table shows in a cell of the scrolling part, or in a heading or row label.
    QVariant shown(int row, int col, int role = Qt::DisplayRole) const {
        const QAbstractItemModel* model = table()->model();
        if (row == 0)
            return model->headerData(col - 1, Qt::Horizontal, role);
        if (col == 0)
            return model->headerData(row - 1, Qt::Vertical, role);
        return model->data(model->index(row - 1, col - 1), role);
    }
    QWidget* cells() const { return table()->viewport(); }
    // Centre of cell (row, col) of the scrolling part, in the cell area's coordinates.
    QPoint cellCentre(int row, int col) const {
        return table()->visualRect(table()->model()->index(row - 1, col - 1)).center();
    }
    void record(const QString& name) { events.append({name, grid->Row(), grid->Col()}); }

private slots:
    void init() {
        grid = std::make_unique<CMSFlexGrid>(200, 9);
        grid->resize(600, 300);
        grid->show();
        QVERIFY(QTest::qWaitForWindowExposed(grid.get()));
        events.clear();
        keys.clear();
        buttons.clear();
        connect(grid.get(), &CMSFlexGrid::LeaveCell, this, [this] { record("Leave"); });
        connect(grid.get(), &CMSFlexGrid::EnterCell, this, [this] { record("Enter"); });
        connect(grid.get(), &CMSFlexGrid::Scroll, this, [this] { record("Scroll"); });
        connect(grid.get(), &CMSFlexGrid::DblClick, this, [this] { record("DblClick"); });
        connect(grid.get(), &CMSFlexGrid::MouseDown, this, [this](short button, short, int, int) {
            buttons.append(button);
            record("MouseDown");
        });
        connect(grid.get(), &CMSFlexGrid::KeyPress, this, [this](quint16* key) {
            keys.append(*key);
            record("KeyPress");
        });
    }
    void cleanup() { grid.reset(); }

    void startsOnFirstScrollingCell() {
        QCOMPARE(grid->Rows(), 200);
        QCOMPARE(grid->Cols(), 9);
        QCOMPARE(grid->Row(), 1);
        QCOMPARE(grid->Col(), 1);
        QCOMPARE(grid->RowSel(), 1);
        QCOMPARE(grid->ColSel(), 1);
    }

    void movesLeaveOldCellThenEnterNew() {
        grid->SetCol(3);
        grid->SetRow(5);
        QCOMPARE(events, QList<Event>(
                             {{"Leave", 1, 1}, {"Enter", 1, 3}, {"Leave", 1, 3}, {"Enter", 5, 3}}));
        QCOMPARE(grid->RowSel(), 5);
        QCOMPARE(grid->ColSel(), 3);
    }

    void settingTheSameOrAnInvalidCellRaisesNothing() {
        grid->SetRow(1);
        grid->SetCol(1);
        grid->SetRow(200);
        grid->SetCol(-1);
        QVERIFY(events.isEmpty());
        QCOMPARE(grid->Row(), 1);
        QCOMPARE(grid->Col(), 1);
    }

    void arrowKeysMoveTheCurrentCell() {
        grid->setFocus();
        QTest::keyClick(cells(), Qt::Key_Right);
        QTest::keyClick(cells(), Qt::Key_Down);
        QCOMPARE(events, QList<Event>(
                             {{"Leave", 1, 1}, {"Enter", 1, 2}, {"Leave", 1, 2}, {"Enter", 2, 2}}));
        QVERIFY(keys.isEmpty());
    }

    void leftClickMovesBeforeMouseDown() {
        QTest::mouseClick(cells(), Qt::LeftButton, {}, cellCentre(3, 4));
        QCOMPARE(events, QList<Event>({{"Leave", 1, 1}, {"Enter", 3, 4}, {"MouseDown", 3, 4}}));
        QCOMPARE(buttons, QList<short>{1});
    }

    void rightClickDoesNotMove() {
        QTest::mouseClick(cells(), Qt::RightButton, {}, cellCentre(3, 4));
        QCOMPARE(events, QList<Event>({{"MouseDown", 1, 1}}));
        QCOMPARE(buttons, QList<short>{2});
    }

    void doubleClickRaisesDblClickOnTheClickedCell() {
        QTest::mouseDClick(cells(), Qt::LeftButton, {}, cellCentre(2, 2));
        QVERIFY(events.contains(Event{"DblClick", 2, 2}));
        QCOMPARE(events.last(), (Event{"DblClick", 2, 2}));
    }

    void typedCharactersAreReportedNotSearched() {
        grid->SetTextMatrix(7, 1, "4");
        events.clear();
        grid->setFocus();
        QTest::keyClicks(cells(), "4a ");
        QTest::keyClick(cells(), Qt::Key_B, Qt::ControlModifier);
        // Delete comes with the character 127 on X11.
        QTest::sendKeyEvent(QTest::Click, cells(), Qt::Key_Delete, QString(QChar(127)), {});
        QTest::keyClick(cells(), Qt::Key_Return);
        QCOMPARE(keys, QList<int>({'4', 'a', ' ', 2, 13}));
        QCOMPARE(grid->Row(), 1);
        QCOMPARE(grid->Col(), 1);
    }

    void textsOfFixedAndScrollingCells() {
        grid->SetTextMatrix(0, 0, "CH");
        grid->SetTextMatrix(0, 2, "Transmit(MHz)");
        grid->SetTextMatrix(7, 0, "7");
        grid->SetTextMatrix(7, 2, "446.00625");
        QCOMPARE(grid->TextMatrix(0, 0), "CH");
        QCOMPARE(shown(0, 2).toString(), "Transmit(MHz)");
        QCOMPARE(shown(7, 0).toString(), "7");
        QCOMPARE(shown(7, 2).toString(), "446.00625");
        QCOMPARE(grid->TextMatrix(200, 0), QString());

        grid->SetRow(7);
        grid->SetCol(2);
        QCOMPARE(grid->Text(), "446.00625");
        grid->SetText("145.50000");
        QCOMPARE(grid->TextMatrix(7, 2), "145.50000");
    }

    void columnWidthsAreKeptInTwips() {
        QCOMPARE(grid->ColWidth(2), CMSFlexGrid::kDefaultColWidth);
        grid->SetColWidth(1, 1404);
        grid->SetColWidth(0, 432);
        QCOMPARE(grid->ColWidth(1), 1404);
        const int dpi = grid->logicalDpiX();
        QCOMPARE(table()->columnWidth(0), (1404 * dpi + 720) / 1440);
        QCOMPARE(table()->verticalHeader()->width(), (432 * dpi + 720) / 1440);
        grid->SetCol(1);
        QCOMPARE(grid->CellWidth() * dpi / 1440, table()->columnWidth(0));
    }

    void alignmentAppliesToTheWholeColumn() {
        grid->SetColAlignment(3, CMSFlexGrid::kAlignCenterCenter);
        QCOMPARE(shown(151, 3, Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
        QCOMPARE(shown(0, 3, Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
        QCOMPARE(shown(151, 4, Qt::TextAlignmentRole).toInt(),
                 int(Qt::AlignLeft | Qt::AlignVCenter));
        grid->SetColAlignment(0, CMSFlexGrid::kAlignCenterCenter);
        QCOMPARE(shown(151, 0, Qt::TextAlignmentRole).toInt(), int(Qt::AlignCenter));
    }

    // A child placed by the twips rule covers the cell: clicks at its corners hit that cell.
    void childPlacedByTwipsLiesOnTheCurrentCell_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::newRow("first") << 1 << 1;
        QTest::newRow("middle") << 5 << 4;
        QTest::newRow("last column") << 9 << 8;
    }
    void childPlacedByTwipsLiesOnTheCurrentCell() {
        QFETCH(int, row);
        QFETCH(int, col);
        for (int c = 0; c < 9; ++c)
            grid->SetColWidth(c, 900);
        grid->SetRow(row);
        grid->SetCol(col);
        const int dpiX = grid->logicalDpiX();
        const int dpiY = grid->logicalDpiY();
        const QRect placed(grid->CellLeft() * dpiX / 1440 - 3, grid->CellTop() * dpiY / 1440 - 3,
                           grid->CellWidth() * dpiX / 1440, grid->CellHeight() * dpiY / 1440);
        const QRect cell(
            cells()->mapTo(
                grid.get(),
                table()->visualRect(table()->model()->index(row - 1, col - 1)).topLeft()),
            QSize(table()->columnWidth(col - 1), table()->rowHeight(row - 1)));
        QCOMPARE(placed, cell);

        grid->SetRow(1);
        grid->SetCol(1);
        QTest::mouseClick(cells(), Qt::LeftButton, {},
                          cells()->mapFrom(grid.get(), placed.topLeft() + QPoint(1, 1)));
        QCOMPARE(grid->Row(), row);
        QCOMPARE(grid->Col(), col);
    }

    void scrollingKeepsTheFixedPartsAndRaisesScroll() {
        grid->SetRow(0);
        const int headingTop = grid->CellTop();
        grid->SetRow(1);
        const int firstRowTop = grid->CellTop();
        events.clear();

        table()->verticalScrollBar()->setValue(10);
        QCOMPARE(events, QList<Event>({{"Scroll", 1, 1}}));
        QVERIFY(grid->CellTop() < firstRowTop);
        grid->SetRow(0);
        QCOMPARE(grid->CellTop(), headingTop);
    }

    void movingOffScreenEntersBeforeScrolling() {
        grid->SetRow(150);
        QCOMPARE(events.mid(0, 3),
                 QList<Event>({{"Leave", 1, 1}, {"Enter", 150, 1}, {"Scroll", 150, 1}}));
        QVERIFY(table()->viewport()->rect().contains(cellCentre(150, 1)));
    }
};

QTEST_MAIN(CMSFlexGridTest)
#include "CMSFlexGridTest.moc"

using namespace quorl;
