// Read From Radio and Write To Radio in the program's window: the commands, their keys and
// toolbar buttons, the Port menu, and what the window does while a transfer runs. The
// quorl-radio-sim program plays the radio on a pseudo-terminal; pauses are skipped.

#include "AppTestSupport.h"
#include "AppTests.h"
#include "CMSFlexGrid.h"
#include "CMainFrame.h"
#include "CZolApp.h"
#include "CZolView.h"
#include "ChannelCodec.h"
#include "CommandTable.h"
#include "DefaultMemory.h"
#include "FindControl.h"
#include "MessageRecorder.h"
#include "ProgressDialog.h"
#include "SerialPort.h"
#include "SettingsCodec.h"
#include "TransferController.h"
#include "TransferFixture.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <QToolBar>

using namespace quorl;

namespace {

bool portIsFree(const QString& portName = QStringLiteral("COM1")) {
    SerialPort probe;
    return probe.open(portName, kCloneTimeouts);
}

// The program with COM1 on the simulated radio and the other ports leading nowhere.
struct Session {
    Session() {
        for (const char* variable : {"QUORL_COM2", "QUORL_COM3", "QUORL_COM4"})
            qputenv(variable, "/nonexistent/quorl-port");
        app = apptest::startApp();
        if (app)
            app->view()->transfer().setLine(nullptr, &noPauses);
    }
    ~Session() {
        app.reset();
        for (const char* variable : {"QUORL_COM1", "QUORL_COM2", "QUORL_COM3", "QUORL_COM4"})
            qunsetenv(variable);
    }

    CMainFrame* frame() const { return app->mainFrame(); }
    CZolView* view() const { return app->view(); }

    // Presses Start and waits until the transfer has closed the progress window.
    bool runTransfer() {
        QDialog* window = progressWindow();
        if (!window || !QTest::qWaitForWindowActive(window))
            return false;
        QTest::mouseClick(test::findControl(window, ProgressDialog::kIdStart), Qt::LeftButton);
        return QTest::qWaitFor([] { return !progressWindow(); }, 10000);
    }

    QStringList channelTexts() const {
        QStringList texts;
        for (int row = 1; row <= kChannelCount; ++row)
            for (int column = kColReceive; column < kChannelColumns; ++column)
                texts.append(view()->grid()->TextMatrix(row, column));
        return texts;
    }

    testkit::RadioSimProcess radio;
    testkit::VirtualClock clock;
    testkit::Trace trace;
    testkit::VirtualPacer noPauses{clock, trace};
    ui::MessageRecorder messages;
    std::unique_ptr<CZolApp> app;
};

// Notes whether the port was free and the transfer over when the window went away.
class HideWatcher : public QObject {
public:
    explicit HideWatcher(CZolView* view) : view_(view) {}
    bool hidden = false;
    bool portFreeThen = false;
    bool transferOverThen = false;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Hide && !hidden) {
            hidden = true;
            portFreeThen = portIsFree();
            transferOverThen = !view_->transfer().isRunning();
        }
        return false;
    }

private:
    CZolView* view_;
};

// Keeps a window from hearing that it lost the activation.
class LeavingUnnoticed : public QObject {
protected:
    bool eventFilter(QObject*, QEvent* event) override {
        return event->type() == QEvent::ActivationChange;
    }
};

} // namespace

void TransferCommandsTest::init() {
    QSettings().clear();
}

void TransferCommandsTest::commandsOpenTheDialogOverTheTable() {
    Session session;
    QVERIFY(session.app);
    CMainFrame* frame = session.frame();
    for (int id : {kCmdReadFromRadio, kCmdWriteToRadio}) {
        QVERIFY(frame->command(id)->isEnabled());
        QVERIFY(test::findControl<QToolBar>(frame, "Toolbar")
                    ->widgetForAction(frame->command(id))
                    ->isEnabled());
    }

    QTest::keyClick(frame, Qt::Key_R, Qt::ControlModifier);
    QDialog* window = progressWindow();
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), "Reading Data Progress");
    const QWidget* grid = session.view()->grid();
    const QPoint gridCentre = grid->mapToGlobal(grid->rect().center());
    QVERIFY((window->frameGeometry().center() - gridCentre).manhattanLength() <= 2);

    QTest::mouseClick(test::findControl<QToolBar>(frame, "Toolbar")
                          ->widgetForAction(frame->command(kCmdWriteToRadio)),
                      Qt::LeftButton);
    QCOMPARE(progressWindow(), window);
    QCOMPARE(window->windowTitle(), "Writing Data Progress");
    QVERIFY(session.view()->transfer().direction() == TransferDirection::Write);
}

void TransferCommandsTest::readUsesThePortChosenInTheMenu() {
    Session session;
    QVERIFY(session.app);
    QVERIFY(startRadioOn(session.radio, {"--delay", "0"}, "COM3"));
    qputenv("QUORL_COM1", "/nonexistent/quorl-port");
    session.frame()->command(kCmdPort3)->trigger();

    session.frame()->command(kCmdReadFromRadio)->trigger();
    QVERIFY(session.runTransfer());
    QVERIFY(session.messages.texts().isEmpty());
    QCOMPARE(session.channelTexts(),
             TransferFixture::sheetTexts(decodeChannels(defaultSimMemory())));
}

// Keys reach no shortcut and no dialog while the blocks move, even with the main window
// active (the progress window left unnoticed, as while one of its boxes is up): the read runs
// to its end.
void TransferCommandsTest::keysDoNothingDuringATransfer() {
    Session session;
    QVERIFY(session.app);
    QVERIFY(startRadioOn(session.radio, {"--delay", "0"}));
    QTest::keyClick(session.frame(), Qt::Key_R, Qt::ControlModifier);
    QDialog* window = progressWindow();
    QVERIFY(window);
    LeavingUnnoticed unnoticed;
    runAtProgress(20, [&session, &unnoticed, window] {
        window->installEventFilter(&unnoticed);
        session.frame()->activateWindow();
    });
    bool frameActive = false;
    runAtProgress(40, [&session, &frameActive, window] {
        frameActive = session.frame()->isActiveWindow();
        for (Qt::Key key : {Qt::Key_W, Qt::Key_N})
            QTest::keyClick(session.frame(), key, Qt::ControlModifier);
        QTest::keyClick(window, Qt::Key_Escape);
    });
    QVERIFY(session.runTransfer());

    QVERIFY(frameActive);
    QVERIFY(session.messages.texts().isEmpty());
    QVERIFY(session.view()->transfer().direction() == TransferDirection::Read);
    QCOMPARE(session.channelTexts(),
             TransferFixture::sheetTexts(decodeChannels(defaultSimMemory())));
    QVERIFY(!progressWindow());
}

void TransferCommandsTest::closingTheWindowEndsTheTransferFirst() {
    Session session;
    QVERIFY(session.app);
    QVERIFY(startRadioOn(session.radio, {"--delay", "0"}));
    HideWatcher watcher(session.view());
    session.frame()->installEventFilter(&watcher);
    bool stayedOpen = false;
    session.frame()->command(kCmdReadFromRadio)->trigger();
    runAtProgress(20, [&] {
        session.frame()->close();
        stayedOpen = session.frame()->isVisible();
    });
    QVERIFY(session.runTransfer());

    QTRY_VERIFY(watcher.hidden);
    QVERIFY(stayedOpen);
    QVERIFY(watcher.portFreeThen);
    QVERIFY(watcher.transferOverThen);
    QVERIFY(session.messages.texts().isEmpty());
}

void TransferCommandsTest::newDuringATransferWaitsForThePort() {
    Session session;
    QVERIFY(session.app);
    QVERIFY(startRadioOn(session.radio, {"--delay", "0"}));
    session.frame()->command(kCmdReadFromRadio)->trigger();
    runAtProgress(20, [&session] { session.frame()->command(kCmdFileNew)->trigger(); });
    QVERIFY(session.runTransfer());

    RadioImage factory{};
    resetImage(factory);
    QTRY_VERIFY(session.app->document().image() == factory);
    QCOMPARE(session.channelTexts(), TransferFixture::sheetTexts(decodeChannels(factory)));
    QVERIFY(session.messages.texts().isEmpty());
    QVERIFY(portIsFree());
}

// Save chosen during a read waits for the port and stores the document as it was before.
void TransferCommandsTest::saveDuringAReadWritesTheOldDocument() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("before.sin"));
    RadioImage before{};
    resetImage(before);
    apptest::putChannel(before, 3, 44600625, 44600625, "OLD");
    apptest::writeFile(path, apptest::imageBytes(before));
    Session session;
    QVERIFY(session.app);
    QVERIFY(session.app->OpenDocumentFile(path));
    QVERIFY(QFile::remove(path));
    QVERIFY(startRadioOn(session.radio, {"--delay", "0"}));
    bool savedDuringTransfer = true;
    session.frame()->command(kCmdReadFromRadio)->trigger();
    runAtProgress(20, [&] {
        session.frame()->command(kCmdFileSave)->trigger();
        savedDuringTransfer = QFile::exists(path);
    });
    QVERIFY(session.runTransfer());

    // What a Save of the table that showed the file stores.
    RadioImage expected = before;
    encodeChannels(decodeChannels(before), expected);
    encodeSettings(decodeSettings(before), expected);
    QTRY_VERIFY(QFile::exists(path));
    QVERIFY(!savedDuringTransfer);
    QCOMPARE(apptest::readFile(path), apptest::imageBytes(expected));
    QVERIFY(portIsFree());
}

// During a transfer a click on the main window (here on New) takes the attention from the
// progress window: the transfer is interrupted, and the click, which reaches the window while
// the message holds it, does nothing else.
void TransferCommandsTest::clickOnTheMainWindowOnlyInterrupts() {
    Session session;
    QVERIFY(session.app);
    QVERIFY(startRadioOn(session.radio, {"--delay", "0"}));
    session.view()->grid()->SetTextMatrix(3, kColReceive, QStringLiteral("446.00625"));
    const QStringList table = session.channelTexts();
    CMainFrame* frame = session.frame();
    QWidget* newButton =
        test::findControl<QToolBar>(frame, "Toolbar")->widgetForAction(frame->command(kCmdFileNew));
    const QPoint onNew = newButton->mapTo(frame, newButton->rect().center());

    ui::setMessageHook({});
    QStringList seen;
    QTimer answerer;
    QObject::connect(&answerer, &QTimer::timeout, &answerer, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        seen.append(box->text());
        QTest::mouseClick(frame->windowHandle(), Qt::LeftButton, {}, onNew);
        box->button(QMessageBox::Ok)->click();
    });
    answerer.start(20);
    frame->command(kCmdReadFromRadio)->trigger();
    runAtProgress(20, [frame] { frame->activateWindow(); });
    QVERIFY(session.runTransfer());
    QTest::qWait(50); // a command that got through would run now

    QCOMPARE(seen, QStringList{ProgressDialog::kInterruptedMessage});
    QCOMPARE(session.channelTexts(), table);
    QVERIFY(portIsFree());
}
