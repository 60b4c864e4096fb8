#include "SheetCommands.h"
#include "ViewFixture.h"

#include "CMSFlexGrid.h"
#include "CellEditor.h"
#include "FormIds.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QTableView>
#include <QTest>

using namespace quorl;

class SheetCommandsTest : public QObject, private ViewFixture {
    Q_OBJECT

private:
    SheetCommands& sheet() const { return view->sheet(); }

    void clickChannel(int channel, Qt::KeyboardModifiers modifiers = {}) {
        QHeaderView* numbers = table()->verticalHeader();
        table()->scrollTo(table()->model()->index(channel - 1, 0));
        const int y = numbers->sectionViewportPosition(channel - 1) + numbers->sectionSize(0) / 2;
        QTest::mouseClick(numbers->viewport(), Qt::LeftButton, modifiers,
                          QPoint(numbers->width() / 2, y));
    }
    RadioImage saved() {
        view->EncodeImage();
        return image;
    }

    const QStringList channelA{"446.00625", "446.00625", "OFF", "D023N", "Yes", "High", "No", "A"};
    const QStringList channelB{"440.00000", "440.00000", "67.0", "OFF", "No", "Low", "No", "B"};

private slots:
    void init() {
        createView();
        // Bytes the table does not show must travel with their channel.
        image[channelRecordOffset(3) + 14] = 0x3C;
        QVERIFY(showView());
        setRow(3, channelA);
        setRow(4, channelB);
        sheet().recordChange();
        grid()->setFocus();
    }
    void cleanup() { closeView(); }

    void channelNumbersSelectWithoutAnEditor() {
        clickChannel(3);
        QVERIFY(!openEditor());
        clickChannel(5, Qt::ShiftModifier);
        clickChannel(9, Qt::ControlModifier);
        QCOMPARE(grid()->SelectedChannels(), (std::vector<int>{3, 4, 5, 9}));
        click(7, 2); // a cell alone, and its editor opens as always
        QVERIFY(openEditor());
        QVERIFY(grid()->SelectedChannels().empty());
    }

    // Ctrl+A is typed as ever: its editor opens on the one selected cell.
    void ctrlAOpensAnEditorAndSelectsNothingMore() {
        press(Qt::Key_A, Qt::ControlModifier);
        QVERIFY(openEditor());
        QCOMPARE(grid()->SelectedBlock(), QRect(grid()->Col(), grid()->Row(), 1, 1));
    }

    void copiedChannelsPasteWholeAndAsText() {
        clickChannel(3);
        clickChannel(4, Qt::ShiftModifier);
        press(Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(),
                 "3\t" + channelA.join('\t') + "\n4\t" + channelB.join('\t') + "\n");
        clickChannel(20);
        press(Qt::Key_V, Qt::ControlModifier);
        QVERIFY(!openEditor());
        QCOMPARE(row(20), channelA);
        QCOMPARE(row(21), channelB);
        QVERIFY(messages->texts().isEmpty());
    }

    // One refused cell: one message naming it, and not a single cell changes.
    void aRefusedPasteChangesNothing() {
        QApplication::clipboard()->setText("446.5,,,,,,,\n500,,,,,,,\n");
        clickChannel(10);
        const RadioImage before = saved();
        press(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(messages->texts(),
                 QStringList{"Nothing was pasted: channel 11, Receive(MHz): \"500\" is outside "
                             "the band 400 - 470MHz of the panel's ZR - 101S."});
        QVERIFY(row(10).join("").isEmpty());
        QCOMPARE(saved(), before);
    }

    // Each operation keeps every byte of each channel; undo gives the saved bytes back.
    void channelOperationsUndoToTheSameBytes_data() {
        QTest::addColumn<int>("command");
        QTest::newRow("move down") << int(SheetCommand::MoveDown);
        QTest::newRow("insert") << int(SheetCommand::InsertChannel);
        QTest::newRow("delete") << int(SheetCommand::DeleteChannels);
        QTest::newRow("sort by receive") << int(SheetCommand::SortByReceive);
        QTest::newRow("empty") << int(SheetCommand::EmptyChannels);
    }
    void channelOperationsUndoToTheSameBytes() {
        QFETCH(int, command);
        clickChannel(3);
        clickChannel(4, Qt::ShiftModifier);
        const RadioImage before = saved();
        sheet().run(static_cast<SheetCommand>(command));
        QVERIFY(saved() != before);
        press(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(saved(), before);
        press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(saved() != before);
    }

    void moveDownCarriesTheHiddenBytes() {
        clickChannel(3);
        press(Qt::Key_Down, Qt::AltModifier);
        QCOMPARE(row(4), channelA);
        QCOMPARE(row(3), channelB);
        QCOMPARE(grid()->SelectedChannels(), std::vector<int>{4});
        QCOMPARE(saved()[channelRecordOffset(4) + 14], 0x3C);
    }

    // Inside an open editor the keys are the editor's own.
    void keysInAnEditorStayTheEditors() {
        click(3, 8);
        QLineEdit* name = lineEdit(kIdNameEditor);
        QCOMPARE(focus(), name);
        QTest::keyClicks(name, "XY");
        press(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(focus(), name);
        QCOMPARE(row(3), channelA);
    }

    void aCommittedCellUndoesAndRedoes() {
        click(3, 8);
        QTest::keyClicks(lineEdit(kIdNameEditor), "NEW");
        press(Qt::Key_Return); // commits, and the walk goes on to the next channel
        view->cells().CommitCellEdit();
        QCOMPARE(grid()->TextMatrix(3, 8), "NEW");
        QCOMPARE(focus(), grid()->focusProxy());
        press(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(grid()->TextMatrix(3, 8), "A");
        press(Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(grid()->TextMatrix(3, 8), "NEW");
    }

    void aPanelChoiceIsOneUndoStep() {
        QComboBox* type = combo(kIdType);
        type->setCurrentIndex(2);
        QCoreApplication::processEvents();
        press(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(type->currentIndex(), 0);
        QCOMPARE(row(3), channelA);
    }

    void contextMenuGreysWhatDoesNotApply() {
        clickChannel(1);
        press(Qt::Key_Menu);
        QMenu* menu = nullptr;
        QTRY_VERIFY((menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())));
        QVERIFY(menu->actions().contains(sheet().action(SheetCommand::MoveUp)));
        QVERIFY(!sheet().action(SheetCommand::MoveUp)->isEnabled());
        QVERIFY(sheet().action(SheetCommand::MoveDown)->isEnabled());
        QVERIFY(!sheet().action(SheetCommand::SortByName)->isEnabled());
        QVERIFY(!sheet().action(SheetCommand::Redo)->isEnabled());
        QCOMPARE(sheet().action(SheetCommand::Copy)->shortcut(),
                 QKeySequence(Qt::CTRL | Qt::Key_C));
        menu->hide();
    }
};

QTEST_MAIN(SheetCommandsTest)
#include "SheetCommandsTest.moc"
