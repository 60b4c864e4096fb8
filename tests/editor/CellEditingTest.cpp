// Editing the channel table the way a user does it: clicks and keys on the real view, the
// message boxes answered by the recorder.

#include "ViewFixture.h"

#include "CMSFlexGrid.h"
#include "CellEditor.h"
#include "ChannelCodec.h"
#include "FormIds.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableView>
#include <QTest>

using namespace quorl;

namespace {

const QString kBadFormat = QStringLiteral("Error Data Format，Please input again");
const QString kOutOfRange = QStringLiteral("Out of range，Please input again");
const QString kBadStep =
    QStringLiteral("Error data Value，Please input according the step value(6.25K/5k)");
const QString kInputNumber = QStringLiteral("Please input Number");

const QStringList kChannel{"446.00625", "446.00625", "OFF", "OFF", "Yes", "High", "No", "CH:004"};
const QStringList kEmptyRow(8);

} // namespace

class CellEditingTest : public QObject, private ViewFixture {
    Q_OBJECT

private:
    void type(const QString& text) { QTest::keyClicks(focus(), text); }
    // Leaves the cell being edited by clicking a cell far from the rows the tests use.
    void leave() { click(1, 8); }
    void chooseBand(int type, int field) {
        combo(kIdType)->setCurrentIndex(type);
        combo(kIdField)->setCurrentIndex(field);
    }

private slots:
    void init() {
        createView();
        QVERIFY(showView());
    }
    void cleanup() { closeView(); }

    void firstFrequencyFillsTheRow_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<QStringList>("filled");
        QTest::newRow("Receive") << 1 << QStringList{"446.00625", "446.00625", "OFF", "OFF",
                                                     "Yes",       "High",      "No",  "CH:012"};
        QTest::newRow("Transmit") << 2 << QStringList{"",    "446.00625", "OFF", "OFF",
                                                      "Yes", "High",      "No",  "CH:012"};
    }
    void firstFrequencyFillsTheRow() {
        QFETCH(int, column);
        QFETCH(QStringList, filled);
        click(12, column);
        QCOMPARE(focus(), lineEdit(kIdFrequencyEditor));
        type("446.00625");
        leave();
        QCOMPARE(row(12), filled);
        QVERIFY(messages->texts().isEmpty());
    }

    // A refused entry is reported once and erases the cell, whatever it held before.
    void typedFrequenciesAreChecked_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("model");
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("cell");
        QTest::newRow("lowest of the band") << "400" << 0 << 0 << ""
                                            << "400.00000";
        QTest::newRow("highest of the band") << "470" << 0 << 0 << ""
                                             << "470.00000";
        QTest::newRow("above the band") << "470.005" << 0 << 0 << kOutOfRange << "";
        QTest::newRow("UHF on 144 - 146MHz") << "136" << 2 << 1 << kOutOfRange << "";
        QTest::newRow("letters") << "abc" << 0 << 0 << kBadFormat << "";
        QTest::newRow("too low") << "12" << 0 << 0 << kBadFormat << "";
        QTest::newRow("negative") << "-446" << 0 << 0 << kBadFormat << "";
        QTest::newRow("too high") << "600" << 0 << 0 << kBadFormat << "";
        QTest::newRow("67 is in no band") << "67" << 1 << 1 << kOutOfRange << "";
        QTest::newRow("off the raster") << "446.003" << 0 << 0 << kBadStep << "";
        QTest::newRow("6.25 kHz raster") << "446.0125" << 0 << 0 << ""
                                         << "446.01250";
        QTest::newRow("5 kHz raster") << "446.005" << 0 << 0 << ""
                                      << "446.00500";
        QTest::newRow("counts 44600624") << "446.006249" << 0 << 0 << kBadStep << "";
        QTest::newRow("counts 44600625") << "446.006259" << 0 << 0 << ""
                                         << "446.00625";
        QTest::newRow("no Type chosen") << "446" << -1 << 0 << kOutOfRange << "";
    }
    void typedFrequenciesAreChecked() {
        QFETCH(QString, typed);
        QFETCH(int, model);
        QFETCH(int, field);
        QFETCH(QString, message);
        QFETCH(QString, cell);
        chooseBand(model, field);
        setRow(4, {"440.00000", "440.00000", "67.0", "OFF", "Yes", "High", "No", "CH:004"});
        click(4, 1);
        QCOMPARE(lineEdit(kIdFrequencyEditor)->selectedText(), "440.00000");
        type(typed);
        leave();
        QCOMPARE(messages->texts(), message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(grid()->TextMatrix(4, 1), cell);
        // Transmit keeps the channel in use; an erased Receive takes its tone along.
        QCOMPARE(grid()->TextMatrix(4, 2), "440.00000");
        QCOMPARE(grid()->TextMatrix(4, 3), cell.isEmpty() ? "" : "67.0");
        QCOMPARE(grid()->TextMatrix(4, 8), "CH:004");
    }

    void erasingBothFrequenciesClearsTheRowInTwoSteps() {
        setRow(5, kChannel);
        click(5, 1);
        press(Qt::Key_Backspace);
        click(5, 2);
        QCOMPARE(row(5), QStringList({"", "446.00625", "", "OFF", "Yes", "High", "No", "CH:004"}));
        press(Qt::Key_Backspace);
        leave();
        QCOMPARE(row(5), kEmptyRow);
        QVERIFY(messages->texts().isEmpty());
    }

    // Leaving the cell keeps a row whose tone is still set; Enter looks at the frequencies only.
    void erasingTheLastFrequency_data() {
        QTest::addColumn<bool>("byEnter");
        QTest::addColumn<QStringList>("left");
        QTest::newRow("leaving") << false
                                 << QStringList{"", "", "67.0", "", "Yes", "High", "No", "CH:004"};
        QTest::newRow("Enter") << true << QStringList{"", "", "67.0", "", "", "", "", ""};
    }
    void erasingTheLastFrequency() {
        QFETCH(bool, byEnter);
        QFETCH(QStringList, left);
        setRow(5, {"", "446.00625", "67.0", "D023N", "Yes", "High", "No", "CH:004"});
        click(5, 2);
        press(Qt::Key_Backspace);
        if (byEnter)
            press(Qt::Key_Return);
        else
            leave();
        QCOMPARE(row(5), left);
    }

    // Without a frequency a row keeps no tone or flag; Enter leaves a flag or name as it was,
    // while leaving the cell writes a name all the same.
    void editsOnARowWithoutFrequency_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<bool>("byEnter");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::newRow("Rx Tone, leaving") << 3 << false << ""
                                          << "";
        QTest::newRow("Tx Tone, Enter") << 4 << true << "67.0"
                                        << "";
        QTest::newRow("Scan, leaving") << 5 << false << "Yes"
                                       << "";
        QTest::newRow("Scan, Enter") << 5 << true << "Yes"
                                     << "Yes";
        QTest::newRow("BusyLock, leaving") << 7 << false << ""
                                           << "";
        QTest::newRow("Name, leaving") << 8 << false << ""
                                       << "BASE";
        QTest::newRow("Name, Enter") << 8 << true << "OLD"
                                     << "OLD";
    }
    void editsOnARowWithoutFrequency() {
        QFETCH(int, column);
        QFETCH(bool, byEnter);
        QFETCH(QString, before);
        QFETCH(QString, after);
        grid()->SetTextMatrix(6, column, before);
        click(6, column);
        if (column == kColName) {
            type("BASE");
        } else {
            press(Qt::Key_Down);
            QVERIFY(!static_cast<QComboBox*>(openEditor())->currentText().isEmpty());
        }
        if (byEnter)
            press(Qt::Key_Return);
        else
            leave();
        QCOMPARE(grid()->TextMatrix(6, column), after);
    }

    void toneOutsideTheTableBecomesOffOnceEdited() {
        setRow(7, {"446.00625", "446.00625", "10.0", "OFF", "Yes", "High", "No", "CH:007"});
        click(7, 3);
        QCOMPARE(combo(kIdToneEditor)->currentIndex(), 0);
        QCOMPARE(grid()->TextMatrix(7, 3), "10.0");
        leave();
        QCOMPARE(grid()->TextMatrix(7, 3), "OFF");
    }

    // The tone editor opens with the cell's entry selected in its text field, so typing
    // replaces it whether a click or the Enter walk opened it.
    void typedToneIsATableEntryOrOff_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("walk");
        QTest::addColumn<bool>("byEnter");
        QTest::addColumn<QString>("stored");
        for (bool walk : {false, true}) {
            for (bool byEnter : {true, false}) {
                const char* how = byEnter ? "Enter" : "leaving";
                const char* opened = walk ? "walked to" : "clicked";
                QTest::addRow("67, %s, %s", opened, how) << "67" << walk << byEnter << "OFF";
                QTest::addRow("d023n, %s, %s", opened, how)
                    << "d023n" << walk << byEnter << "D023N";
                QTest::addRow("67.0, %s, %s", opened, how) << "67.0" << walk << byEnter << "67.0";
                QTest::addRow("d754i, %s, %s", opened, how)
                    << "d754i" << walk << byEnter << "D754I";
            }
        }
    }
    void typedToneIsATableEntryOrOff() {
        QFETCH(QString, typed);
        QFETCH(bool, walk);
        QFETCH(bool, byEnter);
        QFETCH(QString, stored);
        setRow(8, kChannel);
        if (walk) {
            click(8, 2);
            press(Qt::Key_Return);
        } else {
            click(8, 3);
        }
        QCOMPARE(focus(), combo(kIdToneEditor));
        type(typed);
        QCOMPARE(combo(kIdToneEditor)->currentIndex(), -1);
        if (byEnter)
            press(Qt::Key_Return);
        else
            leave();
        QCOMPARE(grid()->TextMatrix(8, 3), stored);
        if (byEnter) {
            QCOMPARE(grid()->Col(), 4);
            QCOMPARE(openEditor(), combo(kIdToneEditor));
        }
    }

    // Edit Data commits an open editor, even channel 1's Receive editor, and leaves none open.
    void editDataCommitsTheOpenEditor() {
        click(1, 1);
        type("446.5");
        view->cells().OnEditData();
        QCOMPARE(grid()->TextMatrix(1, 1), "446.50000");
        QCOMPARE(messages->texts(), QStringList{"Please directly double click inside the table"});
        QCOMPARE(openEditor(), nullptr);
        QCOMPARE(grid()->Row(), 1);
        QCOMPARE(grid()->Col(), 1);
    }

    void enterWalksTheRowAndIntoTheNext() {
        click(9, 1);
        type("446.00625");
        const QList<std::pair<int, QWidget*>> walk{
            {2, lineEdit(kIdFrequencyEditor)}, {3, combo(kIdToneEditor)},
            {4, combo(kIdToneEditor)},         {5, combo(kIdScanEditor)},
            {6, combo(kIdPowerEditor)},        {7, combo(kIdBusyLockEditor)},
            {8, lineEdit(kIdNameEditor)}};
        for (const auto& [column, editor] : walk) {
            press(Qt::Key_Return);
            QCOMPARE(grid()->Row(), 9);
            QCOMPARE(grid()->Col(), column);
            QCOMPARE(openEditor(), editor);
            QVERIFY(focus() == editor || editor->isAncestorOf(focus()));
            if (editor == combo(kIdScanEditor))
                press(Qt::Key_Down); // "No"
        }
        QCOMPARE(lineEdit(kIdNameEditor)->selectedText(), "CH:009");
        type("BASE");
        press(Qt::Key_Return);
        QCOMPARE(row(9),
                 QStringList({"446.00625", "446.00625", "OFF", "OFF", "No", "High", "No", "BASE"}));
        QCOMPARE(grid()->Row(), 10);
        QCOMPARE(grid()->Col(), 1);
        QCOMPARE(focus(), lineEdit(kIdFrequencyEditor));
        QVERIFY(messages->texts().isEmpty());
    }

    void enterInTheLastRowStaysThere() {
        setRow(199, kChannel);
        grid()->SetRow(199);
        click(199, 8);
        type("LAST");
        press(Qt::Key_Return);
        QCOMPARE(grid()->TextMatrix(199, 8), "LAST");
        QCOMPARE(grid()->Row(), 199);
        QCOMPARE(grid()->Col(), 8);
        QVERIFY(!openEditor());
        QVERIFY(grid()->isAncestorOf(focus()));
    }

    void enterOnTheGridMovesRightButLeavesAtTxPower() {
        grid()->SetRow(2);
        grid()->SetCol(3);
        grid()->setFocus();
        press(Qt::Key_Return);
        QCOMPARE(grid()->Col(), 4);
        QVERIFY(!openEditor());
        QVERIFY(grid()->isAncestorOf(focus()));

        grid()->SetCol(6);
        press(Qt::Key_Return);
        QCOMPARE(grid()->Col(), 6);
        QVERIFY(!openEditor());
        QVERIFY(!grid()->isAncestorOf(focus()));
    }

    void enterOnThePanelGoesToTheNextControl() {
        QComboBox* typeBox = combo(kIdType);
        typeBox->setFocus();
        QWidget* next = typeBox->nextInFocusChain();
        while (!(next->focusPolicy() & Qt::TabFocus) || !next->isVisible())
            next = next->nextInFocusChain();
        press(Qt::Key_Return);
        QCOMPARE(focus(), next);
        QCOMPARE(typeBox->currentIndex(), 0);
    }

    void typingOnTheGridOpensTheEditor_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("notice");
        QTest::addColumn<QString>("shown");
        QTest::newRow("digit on a frequency") << 1 << "446.00000"
                                              << "4" << false << "4";
        QTest::newRow("digit on an empty name") << 8 << ""
                                                << "7" << false << "7";
        QTest::newRow("letter on a name") << 8 << "BASE"
                                          << "a" << true << "a";
        QTest::newRow("letter on an empty name") << 8 << ""
                                                 << "a" << true << "";
        QTest::newRow("blank on a frequency") << 1 << "446.00000"
                                              << " " << true << " ";
        QTest::newRow("digit on a tone") << 3 << "88.5"
                                         << "6" << false << "6";
        QTest::newRow("letter on a tone") << 4 << "D023N"
                                          << "x" << true << "x";
        QTest::newRow("digit on Scan") << 5 << "No"
                                       << "1" << false << "No";
        QTest::newRow("letter on BusyLock") << 7 << "Carrier"
                                            << "q" << true << "Carrier";
    }
    void typingOnTheGridOpensTheEditor() {
        QFETCH(int, column);
        QFETCH(QString, cell);
        QFETCH(QString, typed);
        QFETCH(bool, notice);
        QFETCH(QString, shown);
        setRow(3, kChannel);
        grid()->SetTextMatrix(3, column, cell);
        grid()->SetRow(3);
        grid()->SetCol(column);
        grid()->setFocus();
        type(typed);
        QCOMPARE(messages->texts(), notice ? QStringList{kInputNumber} : QStringList());
        QWidget* editor = view->cells().EditorForColumn(column);
        QCOMPARE(openEditor(), editor);
        if (auto* field = qobject_cast<QLineEdit*>(editor)) {
            QCOMPARE(focus(), field);
            QCOMPARE(field->text(), shown);
            QVERIFY(!field->hasSelectedText());
            QCOMPARE(field->cursorPosition(), shown.size());
        } else {
            auto* list = static_cast<QComboBox*>(editor);
            QCOMPARE(list->currentText(), shown);
            // Only the tone list's selection is dropped; its text is what was typed.
            QCOMPARE(list->currentIndex() == -1, list->isEditable());
        }
        QCOMPARE(grid()->TextMatrix(3, column), cell);
    }

    // What a control key puts into the editor it opens: nothing; the cell is loaded as by a click.
    void controlKeysOpenTheEditorLikeAClick_data() {
        QTest::addColumn<int>("key");
        QTest::newRow("Backspace") << int(Qt::Key_Backspace);
        QTest::newRow("Escape") << int(Qt::Key_Escape);
        QTest::newRow("Ctrl+A") << int(Qt::Key_A);
    }
    void controlKeysOpenTheEditorLikeAClick() {
        QFETCH(int, key);
        setRow(3, kChannel);
        grid()->SetRow(3);
        grid()->setFocus();
        press(Qt::Key(key), key == Qt::Key_A ? Qt::ControlModifier : Qt::NoModifier);
        QCOMPARE(openEditor(), lineEdit(kIdFrequencyEditor));
        QCOMPARE(lineEdit(kIdFrequencyEditor)->selectedText(), "446.00625");
        QVERIFY(messages->texts().isEmpty());
    }

    void typingOnTxPowerOpensNothing() {
        setRow(3, kChannel);
        grid()->SetRow(3);
        grid()->SetCol(6);
        grid()->setFocus();
        type("1a");
        QVERIFY(!openEditor());
        QVERIFY(messages->texts().isEmpty());
    }

    void leftClickOpensRightClickDoesNot() {
        setRow(3, kChannel);
        click(3, 2, Qt::RightButton);
        QVERIFY(!openEditor());
        QCOMPARE(grid()->Col(), 1);
        click(3, 6, Qt::RightButton);
        QVERIFY(!openEditor());

        click(3, 6);
        QCOMPARE(openEditor(), combo(kIdPowerEditor));
        QCOMPARE(combo(kIdPowerEditor)->currentText(), "High");
        QVERIFY(!combo(kIdPowerEditor)->view()->isVisible());
        click(3, 2);
        QCOMPARE(openEditor(), lineEdit(kIdFrequencyEditor));
        QCOMPARE(lineEdit(kIdFrequencyEditor)->selectedText(), "446.00625");
    }

    // The second click of a double-click lands on the editor the first click opened: it leaves
    // the whole text selected, as one click does, and selects no single word.
    void doubleClickSelectsTheWholeText_data() {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("text");
        QTest::newRow("Name") << 8 << "PMR 2";
        QTest::newRow("Receive") << 1 << "446.00625";
    }
    void doubleClickSelectsTheWholeText() {
        QFETCH(int, column);
        QFETCH(QString, text);
        setRow(3, kChannel);
        grid()->SetTextMatrix(3, column, text);
        const QPoint at = table()->viewport()->mapTo(frame.get(), cellRect(3, column).center());
        QTest::mouseDClick(frame->windowHandle(), Qt::LeftButton, {}, at);
        auto* editor = qobject_cast<QLineEdit*>(openEditor());
        QVERIFY(editor);
        QCOMPARE(focus(), editor);
        QCOMPARE(editor->selectedText(), text);
    }

    // The editor does not follow its cell: scrolling closes it and drops what was typed or
    // picked in it.
    void scrollingClosesTheEditorAndKeepsTheCell() {
        setRow(3, kChannel);
        click(3, 1);
        type("145");
        table()->verticalScrollBar()->setValue(20);
        QVERIFY(!openEditor());
        QVERIFY(grid()->isAncestorOf(focus()));
        table()->verticalScrollBar()->setValue(0);
        leave();
        QCOMPARE(row(3), kChannel);

        click(3, 5);
        press(Qt::Key_Down);
        QCOMPARE(combo(kIdScanEditor)->currentText(), "No");
        table()->verticalScrollBar()->setValue(20);
        table()->verticalScrollBar()->setValue(0);
        click(3, 5);
        QCOMPARE(combo(kIdScanEditor)->currentText(), "Yes");
        leave();
        QCOMPARE(row(3), kChannel);
        QVERIFY(messages->texts().isEmpty());
    }

    // What the transfer commands run first.
    void commitCellEditChecksTheOpenValue() {
        view->cells().CommitCellEdit();
        QVERIFY(messages->texts().isEmpty());

        setRow(5, kChannel);
        click(5, 1);
        type("abc");
        view->cells().CommitCellEdit();
        QCOMPARE(messages->texts(), QStringList{kBadFormat});
        QCOMPARE(grid()->TextMatrix(5, 1), "");
        QVERIFY(!openEditor());

        click(5, 1);
        type("145.5");
        chooseBand(2, 0);
        view->cells().CommitCellEdit();
        QCOMPARE(grid()->TextMatrix(5, 1), "145.50000");
        QCOMPARE(grid()->Row(), 5);
        QCOMPARE(grid()->Col(), 1);
    }

    // Saving and printing store the cells as they are, never a value still being typed.
    void encodingLeavesTheOpenEditorAlone() {
        click(5, 1);
        type("446.00625");
        view->EncodeImage();
        QVERIFY(!channelInUse(image, 5));
        QCOMPARE(openEditor(), lineEdit(kIdFrequencyEditor));
        QCOMPARE(lineEdit(kIdFrequencyEditor)->text(), "446.00625");
        QCOMPARE(grid()->TextMatrix(5, 1), "");
    }

    void editorLiesOnItsCell_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("scrolled");
        QTest::newRow("Receive") << 1 << 1 << 0;
        QTest::newRow("Rx Tone") << 4 << 3 << 0;
        QTest::newRow("Tx Tone") << 5 << 4 << 0;
        QTest::newRow("Scan") << 6 << 5 << 0;
        QTest::newRow("Tx Power") << 2 << 6 << 0;
        QTest::newRow("BusyLock") << 3 << 7 << 0;
        QTest::newRow("Name") << 9 << 8 << 0;
        QTest::newRow("scrolled Transmit") << 48 << 2 << 40;
        QTest::newRow("scrolled Name") << 190 << 8 << 185;
    }
    void editorLiesOnItsCell() {
        QFETCH(int, row);
        QFETCH(int, col);
        QFETCH(int, scrolled);
        table()->verticalScrollBar()->setValue(scrolled);
        click(row, col);
        QWidget* editor = openEditor();
        QCOMPARE(editor, view->cells().EditorForColumn(col));
        const QRect cell(table()->viewport()->mapTo(grid(), cellRect(row, col).topLeft()),
                         QSize(table()->columnWidth(col - 1), table()->rowHeight(row - 1)));
        QCOMPARE(editor->geometry(), cell);
        // Nothing of the grid lies over it.
        const QWidget* top = grid()->childAt(cell.center());
        QVERIFY(top == editor || editor->isAncestorOf(top));
        if (auto* list = qobject_cast<QComboBox*>(editor)) {
            // The dropped list has about 100 pixels below the box.
            const int entry = list->view()->sizeHintForRow(0);
            QVERIFY(list->maxVisibleItems() * entry <= 100);
            QVERIFY((list->maxVisibleItems() + 1) * entry > 100);
        }
    }

    // New and Open close an open editor without writing; a later click on the same cell must
    // show the new document's value, not the choice left in the closed list.
    void anUpdateLeavesNoStaleChoiceInTheEditors() {
        // Channel 3: 446.00625 MHz both ways, Scan on.
        const std::array<std::uint8_t, 13> record{0x25, 0x06, 0x60, 0x44, 0x25, 0x06, 0x60,
                                                  0x44, 0x85, 0x08, 0x23, 0x80, 0x31};
        std::copy(record.begin(), record.end(), image.begin() + channelRecordOffset(3));
        view->OnInitialUpdate();
        click(3, 5);
        press(Qt::Key_Down);
        QCOMPARE(combo(kIdScanEditor)->currentText(), "No");
        view->OnInitialUpdate();
        QVERIFY(!openEditor());
        click(3, 5);
        QCOMPARE(combo(kIdScanEditor)->currentText(), "Yes");
        leave();
        QCOMPARE(grid()->TextMatrix(3, 5), "Yes");
    }

    // Enter in the dropped tone list takes the entry the user moved to and walks on.
    void enterInTheDroppedListStoresTheHighlightedEntry() {
        setRow(4, kChannel);
        click(4, 3);
        QComboBox* tone = combo(kIdToneEditor);
        tone->showPopup();
        QTRY_VERIFY(tone->view()->isVisible());
        QTest::keyClick(tone->view(), Qt::Key_Down);
        QTest::keyClick(tone->view(), Qt::Key_Down);
        QTest::keyClick(tone->view(), Qt::Key_Return);
        QCOMPARE(grid()->TextMatrix(4, 3), "69.3");
        QCOMPARE(grid()->Col(), 4);
        QCOMPARE(openEditor(), tone);
        QVERIFY(!tone->view()->isVisible());
    }

    void namesTakeSixTypedCharactersButKeepLongerStoredOnes() {
        setRow(3, kChannel);
        click(3, 8);
        type("ABCDEFGH");
        leave();
        QCOMPARE(grid()->TextMatrix(3, 8), "ABCDEF");

        grid()->SetTextMatrix(3, 8, "LONGNAME");
        click(3, 8);
        QCOMPARE(lineEdit(kIdNameEditor)->text(), "LONGNAME");
        press(Qt::Key_End);
        type("X");
        QCOMPARE(lineEdit(kIdNameEditor)->text(), "LONGNAME");
        leave();
        QCOMPARE(grid()->TextMatrix(3, 8), "LONGNAME");

        click(3, 8);
        press(Qt::Key_End);
        press(Qt::Key_Backspace);
        type("XY");
        QCOMPARE(lineEdit(kIdNameEditor)->text(), "LONGNAM");
    }

    // What the table shows of a name is what the file stores: one byte per character.
    void namesHoldOnlyCharactersOfOneByte() {
        setRow(3, kChannel);
        click(3, 8);
        press(Qt::Key_Backspace);
        // Characters beyond Latin-1, as an input method delivers them.
        for (const QChar c : QStringLiteral("A€中é")) {
            QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(focus(), &key);
        }
        QCOMPARE(lineEdit(kIdNameEditor)->text(), QStringLiteral("Aé"));
        QGuiApplication::clipboard()->setText(QStringLiteral("B€C"));
        press(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(lineEdit(kIdNameEditor)->text(), QStringLiteral("AéBC"));
        leave();
        QCOMPARE(grid()->TextMatrix(3, 8), QStringLiteral("AéBC"));
        view->EncodeImage();
        QCOMPARE(decodeChannels(image).cell(3, kColName), "A\xE9"
                                                          "BC");
    }

    void typingStopsWhenTheBoxIsFull() {
        click(4, 1);
        QLineEdit* box = lineEdit(kIdFrequencyEditor);
        type(QString(40, QLatin1Char('4')));
        const QString typed = box->text();
        QVERIFY(typed.size() > 5);
        QVERIFY(typed.size() < 40);
        QVERIFY(box->fontMetrics().horizontalAdvance(typed) < box->width());
        QVERIFY(box->fontMetrics().horizontalAdvance(typed + QLatin1Char('4')) + 5 > box->width());

        // A text the program puts in is shown whole, however long.
        const QString stored = QString(20, QLatin1Char('1'));
        grid()->SetTextMatrix(5, 1, stored);
        click(5, 1);
        QCOMPARE(box->text(), stored);
    }
};

QTEST_MAIN(CellEditingTest)
#include "CellEditingTest.moc"
