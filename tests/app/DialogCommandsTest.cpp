// The radio option dialogs from the Program menu: a choice made in each reaches a saved file and
// the radio. The quorl-radio-sim program plays the radio on a pseudo-terminal; pauses are skipped.

#include "AppTestSupport.h"
#include "AppTests.h"
#include "CMainFrame.h"
#include "CZolApp.h"
#include "CZolView.h"
#include "ChannelFile.h"
#include "CommandTable.h"
#include "FindControl.h"
#include "MessageRecorder.h"
#include "ProgressDialog.h"
#include "SheetCommands.h"
#include "TransferController.h"
#include "TransferFixture.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QSettings>
#include <QTest>
#include <QTimer>

#include <functional>
#include <map>

using namespace quorl;

namespace {

// Once the command's dialog shows, makes the choice and presses OK.
void chooseInNextDialog(std::function<void(QDialog*)> choose) {
    QTimer::singleShot(0, [choose] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) {
            chooseInNextDialog(choose);
            return;
        }
        choose(dialog);
        QTest::mouseClick(test::findControl(dialog, 1), Qt::LeftButton);
        // A dialog that did not close must not keep the test waiting.
        if (dialog->isVisible())
            dialog->reject();
    });
}

QComboBox* combo(QDialog* dialog, int id) {
    return test::findControl<QComboBox>(dialog, id);
}

} // namespace

void DialogCommandsTest::init() {
    QSettings().clear();
    QVERIFY(dir.isValid());
}

void DialogCommandsTest::cleanup() {
    qunsetenv("QUORL_COM1");
}

void DialogCommandsTest::choicesReachAFileAndTheRadio() {
    testkit::RadioSimProcess radio;
    const QString radioMemory = dir.filePath("radio.sin");
    QVERIFY(startRadioOn(radio, {"--delay", "0", "--save", radioMemory}));
    testkit::VirtualClock clock;
    testkit::Trace trace;
    testkit::VirtualPacer noPauses{clock, trace};
    ui::MessageRecorder messages;
    auto app = apptest::startApp();
    QVERIFY(app);
    app->view()->transfer().setLine(nullptr, &noPauses);
    CMainFrame* frame = app->mainFrame();

    const struct {
        int command;
        std::function<void(QDialog*)> choose;
    } choices[] = {
        {kCmdTot, [](QDialog* d) { combo(d, 1092)->setCurrentIndex(8); }},
        {kCmdPttId, [](QDialog* d) { QTest::keyClicks(test::findControl(d, 1080), "12a"); }},
        {kCmdEmergencyCall, [](QDialog* d) { combo(d, 1101)->setCurrentIndex(10); }},
        {kCmdOptionFunction,
         [](QDialog* d) {
             QTest::mouseClick(test::findControl(d, 1115), Qt::LeftButton, {}, QPoint(4, 4));
         }},
    };
    for (const auto& choice : choices) {
        chooseInNextDialog(choice.choose);
        frame->command(choice.command)->trigger();
    }
    // 240s, "12A", Auto, Compandor.
    const std::map<std::size_t, std::uint8_t> chosen{{0x1813, 0x08}, {0x1D30, '1'},  {0x1D31, '2'},
                                                     {0x1D32, 'A'},  {0x1D33, 0xFF}, {0x1829, 0xFE},
                                                     {0x1836, 0x03}};

    const QString saved = dir.filePath("options.sin");
    apptest::typeIntoNextFileDialog(saved);
    frame->command(kCmdFileSave)->trigger();
    const QByteArray file = apptest::readFile(saved);
    QCOMPARE(file.size(), 8192);

    frame->command(kCmdWriteToRadio)->trigger();
    QDialog* progress = progressWindow();
    QVERIFY(progress && QTest::qWaitForWindowActive(progress));
    QTest::mouseClick(test::findControl(progress, ProgressDialog::kIdStart), Qt::LeftButton);
    QVERIFY(QTest::qWaitFor([] { return !progressWindow(); }, 10000));
    QVERIFY(messages.texts().isEmpty());
    QVERIFY(radio.stop());
    RadioImage written{};
    QVERIFY(loadChannelFile(radioMemory.toStdString(), written).ok);
    for (const auto& [offset, byte] : chosen) {
        QCOMPARE(std::uint8_t(file[offset]), byte);
        QCOMPARE(written[offset], byte);
    }
}

void DialogCommandsTest::anOptionDialogsOkIsOneUndoStep() {
    auto app = apptest::startApp();
    QVERIFY(app);
    const RadioImage before = app->document().image();
    chooseInNextDialog([](QDialog* d) { combo(d, 1092)->setCurrentIndex(8); });
    app->mainFrame()->command(kCmdTot)->trigger();
    QCOMPARE(app->document().image()[0x1813], 0x08);
    app->view()->sheet().run(SheetCommand::Undo);
    QCOMPARE(app->document().image(), before);
}
