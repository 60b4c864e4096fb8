// Editing in the program's own window: the status-bar hints, the Edit Data accelerator and
// Save, all with real pointer moves and keys.

#include "CMSFlexGrid.h"
#include "CMainFrame.h"
#include "CZolApp.h"
#include "CZolView.h"
#include "CellEditor.h"
#include "ChannelCodec.h"
#include "FindControl.h"
#include "FormIds.h"
#include "IsolatedSettings.h"
#include "MessageRecorder.h"
#include "StatusHint.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>

using namespace quorl;

class CellEditingWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<CZolApp> app;
    std::unique_ptr<ui::MessageRecorder> messages;

    CMainFrame* frame() const { return app->mainFrame(); }
    CZolView* view() const { return app->view(); }
    CMSFlexGrid* grid() const { return view()->grid(); }
    QTableView* table() const { return grid()->findChild<QTableView*>(); }
    QWidget* focus() const { return QApplication::focusWidget(); }
    QComboBox* combo(int id) const { return test::findControl<QComboBox>(view(), id); }
    QLineEdit* lineEdit(int id) const { return test::findControl<QLineEdit>(view(), id); }

    QPoint cellCentre(int row, int col) const {
        return table()->visualRect(table()->model()->index(row - 1, col - 1)).center();
    }
    void click(int row, int col) {
        QTest::mouseClick(table()->viewport(), Qt::LeftButton, {}, cellCentre(row, col));
    }
    QString hintOver(QWidget* widget, QPoint at) {
        QTest::mouseMove(widget, at);
        return test::findControl<QLabel>(frame(), QStringLiteral("MessagePane"))->text();
    }
    QString hintOver(QWidget* widget) { return hintOver(widget, widget->rect().center()); }

private slots:
    void init() {
        app = std::make_unique<CZolApp>();
        QVERIFY(app->InitInstance({}));
        QVERIFY(QTest::qWaitForWindowActive(frame()));
        messages = std::make_unique<ui::MessageRecorder>();
    }
    void cleanup() {
        messages.reset();
        app.reset();
    }

    void statusBarHintFollowsThePointer() {
        QCOMPARE(hintOver(test::findControl<QComboBox>(view(), kIdType)), kHintComboBox);
        QCOMPARE(hintOver(test::findControl<QCheckBox>(view(), kIdBeep)), kHintElsewhere);
        QCOMPARE(hintOver(table()->viewport(), cellCentre(2, 2)), kHintChannelTable);
        QCOMPARE(hintOver(table()->horizontalHeader()), kHintChannelTable);
        QCOMPARE(hintOver(view()->widget(), QPoint(2, 2)), kHintElsewhere);
        // The panel's editable lists count as lists over their text part too.
        for (int id : {kIdChannelName, kIdSquelchLevel, kIdWideNarrow, kIdVoxGainLevel}) {
            QComboBox* list = test::findControl<QComboBox>(view(), id);
            QVERIFY(list->lineEdit());
            QCOMPARE(hintOver(list->lineEdit()), kHintComboBox);
        }

        click(2, 1);
        QCOMPARE(hintOver(lineEdit(kIdFrequencyEditor)), kHintElsewhere);
        QCOMPARE(hintOver(table()->viewport(), cellCentre(5, 5)), kHintChannelTable);

        // The tone editor's text field alone is an edit box; its arrow belongs to the drop-down.
        click(2, 3);
        QComboBox* tone = combo(kIdToneEditor);
        QCOMPARE(hintOver(tone->lineEdit()), kHintElsewhere);
        QCOMPARE(hintOver(tone, QPoint(tone->width() - 3, tone->height() / 2)), kHintComboBox);
    }

    // Ctrl+E belongs to Edit Data wherever the focus is, an open editor included.
    void editDataKeyCommitsAndGoesToChannelOne() {
        click(5, 1);
        QTest::keyClicks(focus(), "446.00625");
        QTest::keyClick(focus(), Qt::Key_E, Qt::ControlModifier);
        QCOMPARE(messages->texts(), QStringList{"Please directly double click inside the table"});
        QCOMPARE(grid()->TextMatrix(5, 2), "446.00625");
        QCOMPARE(grid()->Row(), 1);
        QCOMPARE(grid()->Col(), 1);
        QVERIFY(lineEdit(kIdFrequencyEditor)->isHidden());
        QCOMPARE(lineEdit(kIdFrequencyEditor)->text(), QString());
    }

    // After F1 over an open editor, the next click on a cell goes where it says.
    void clickAfterHelpLandsOnTheClickedCell() {
        click(2, 8);
        QCOMPARE(focus(), lineEdit(kIdNameEditor));
        QTest::keyClick(focus(), Qt::Key_F1);
        // The help is shown without taking hold of the mouse, which would eat the next click.
        QVERIFY(QToolTip::isVisible());
        QCOMPARE(QApplication::activePopupWidget(), nullptr);
        click(5, 1);
        QCOMPARE(grid()->Row(), 5);
        QCOMPARE(grid()->Col(), 1);
        QCOMPARE(focus(), lineEdit(kIdFrequencyEditor));
        QVERIFY(lineEdit(kIdNameEditor)->isHidden());
        QTest::keyClicks(focus(), "446");
        QCOMPARE(lineEdit(kIdFrequencyEditor)->text(), "446");
    }

    void saveStoresTheCellsNotTheOpenEditor() {
        QTemporaryDir dir;
        const QString path = dir.filePath("radio.sin");
        QVERIFY(app->document().OnSaveDocument(path).ok);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray before = file.readAll();
        file.close();

        click(5, 1);
        QTest::keyClicks(focus(), "446.00625");
        QTest::keyClick(focus(), Qt::Key_S, Qt::ControlModifier);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), before);
        file.close();
        QCOMPARE(focus(), lineEdit(kIdFrequencyEditor));
        QCOMPARE(lineEdit(kIdFrequencyEditor)->text(), "446.00625");

        click(1, 1);
        QTest::keyClick(focus(), Qt::Key_S, Qt::ControlModifier);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray after = file.readAll();
        QVERIFY(app->document().OnOpenDocument(path).ok);
        QVERIFY(channelInUse(app->document().image(), 5));
        QVERIFY(after != before);
    }
};

int main(int argc, char* argv[]) {
    const IsolatedSettings settings;
    QApplication application(argc, argv);
    CellEditingWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "CellEditingWindowTest.moc"
