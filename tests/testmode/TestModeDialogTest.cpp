// The Debug Mode dialog driven by real mouse and key events.

#include "TestModeDialog.h"
#include "DialogUnits.h"
#include "FindControl.h"
#include "MessageRecorder.h"
#include "SimulatedLink.h"
#include "ToneTable.h"
#include "VirtualPacer.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <QTreeWidget>

#include <memory>
#include <set>

using namespace quorl;
using D = TestModeDialog;

namespace {

const std::set<int> kAlways{D::kIdTree, D::kIdCaption};
const std::set<int> kParameterView{1043, 1040, 1041, 1042, 1044, 1049, 1039, 1051, 1052, 1038};

const ToneTable& tones() {
    static const ToneTable table;
    return table;
}

std::unique_ptr<TestModeDialog> openDialog(int type = 1, int field = 1) {
    auto dialog = std::make_unique<TestModeDialog>(QStringLiteral("COM2"), type, field, tones());
    dialog->show();
    dialog->activateWindow();
    if (!QTest::qWaitForWindowActive(dialog.get()))
        qWarning("the dialog did not become active");
    return dialog;
}

template <typename T = QWidget> T* control(const QWidget* dialog, int id) {
    return test::findControl<T>(dialog, id);
}

std::set<int> ids(const QWidget* dialog, bool visibleOnly = true) {
    std::set<int> found;
    for (const QWidget* child : dialog->findChildren<QWidget*>())
        if (ui::controlId(child) && (child->isVisible() || !visibleOnly))
            found.insert(ui::controlId(child));
    return found;
}

QTreeWidgetItem* item(const QWidget* dialog, const QString& text) {
    const auto found = control<QTreeWidget>(dialog, D::kIdTree)
                           ->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    return found.isEmpty() ? nullptr : found.first();
}

// Clicks the tree item, opening its branch first as a user would.
void choose(const QWidget* dialog, const QString& text) {
    QTreeWidgetItem* chosen = item(dialog, text);
    QVERIFY2(chosen, qPrintable(text));
    if (chosen->parent())
        chosen->parent()->setExpanded(true);
    auto* tree = control<QTreeWidget>(dialog, D::kIdTree);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(chosen).center());
}

QString text(const QWidget* dialog, int id) {
    return control<QLineEdit>(dialog, id)->text();
}

void type(const QWidget* dialog, int id, const QString& typed, bool enter = true) {
    auto* box = control<QLineEdit>(dialog, id);
    QTest::mouseClick(box, Qt::LeftButton);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box, typed);
    if (enter)
        QTest::keyClick(box, Qt::Key_Return);
}

void click(const QWidget* dialog, int id) {
    QTest::mouseClick(control(dialog, id), Qt::LeftButton);
}

QStringList entries(const QWidget* dialog, int id) {
    const auto* list = control<QComboBox>(dialog, id);
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->itemText(i));
    return texts;
}

} // namespace

class TestModeDialogTest : public QObject {
    Q_OBJECT

private slots:
    void opensWithOnlyTheTree();
    void firstChoiceShowsDefaultAndTheChosenView();
    void slotsOpenInsideEachBand_data();
    void slotsOpenInsideEachBand();
    void valuesAndDefaultsArePerParameter();
    void dqtListAndDefaultBackToQt();
    void enterConfirmsWithTheStepOfTheBoxsSide_data();
    void enterConfirmsWithTheStepOfTheBoxsSide();
    void confirmedFrequencyIsNotKeptInTheSlot();
    void slotKeepsTheTonePickedLast();
    void enterNeverClosesTheDialog();
    void arrowKeysReachingExitDebugClose();
    void startSendsWhatTheDialogShows_data();
    void startSendsWhatTheDialogShows();
    void startTellsWhyTheExchangeStopped_data();
    void startTellsWhyTheExchangeStopped();
};

void TestModeDialogTest::opensWithOnlyTheTree() {
    const auto dialog = openDialog();
    QCOMPARE(dialog->windowTitle(), "Debug Mode for QUORL Software");
    QCOMPARE(dialog->size(), ui::DialogUnits(dialog->font()).size(391, 216));
    QCOMPARE(ids(dialog.get()), kAlways);
    QCOMPARE(control<QGroupBox>(dialog.get(), D::kIdCaption)->title(),
             "Please Choose Frequency first");
    auto* tree = control<QTreeWidget>(dialog.get(), D::kIdTree);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(tree));

    // Each top item's tag, then its children's; only the first is open.
    const QList<QList<int>> tags{{5567, 5568, 5569, 5571}, {5572, 5573, 5574, 5575, 5576}, {5577}};
    QCOMPARE(tree->topLevelItemCount(), tags.size());
    for (int i = 0; i < tags.size(); ++i) {
        const QTreeWidgetItem* top = tree->topLevelItem(i);
        QList<int> found{top->data(0, Qt::UserRole).toInt()};
        for (int child = 0; child < top->childCount(); ++child)
            found.append(top->child(child)->data(0, Qt::UserRole).toInt());
        QCOMPARE(found, tags[i]);
        QCOMPARE(top->isExpanded(), i == 0);
    }
    QCOMPARE(item(dialog.get(), "Low Power Voltage")->parent()->text(0), "Debug Item");
    QCOMPARE(tree->topLevelItem(2)->text(0), "Exit Debug");

    for (const int id : {D::kIdReceiveQt, D::kIdTransmitQt, D::kIdHighButton, D::kIdReceiveStep5,
                         D::kIdTransmitStep5})
        QVERIFY(control<QRadioButton>(dialog.get(), id)->isChecked());
    for (const int id : {D::kIdReceiveDqt, D::kIdTransmitDqt, D::kIdMiddleButton, D::kIdLowButton,
                         D::kIdReceiveStep625, D::kIdTransmitStep625})
        QVERIFY(!control<QRadioButton>(dialog.get(), id)->isChecked());
    QCOMPARE(control<QComboBox>(dialog.get(), D::kIdReceiveTones)->currentText(), "OFF");
    QCOMPARE(entries(dialog.get(), D::kIdTransmitTones).size(), 43);
    QCOMPARE(control<QLabel>(dialog.get(), D::kIdReadOut)->text(), "Current Value");
    QVERIFY(text(dialog.get(), D::kIdReceiveFrequency).isEmpty());
}

void TestModeDialogTest::firstChoiceShowsDefaultAndTheChosenView() {
    const auto dialog = openDialog();
    std::set<int> frequencyView = ids(dialog.get(), false);
    for (const int id : kParameterView)
        frequencyView.erase(id);
    frequencyView.erase(D::kIdHiddenDefault);

    choose(dialog.get(), "High Frequency");
    QCOMPARE(ids(dialog.get()), frequencyView);
    QCOMPARE(frequencyView.size(), 25u); // tree, caption, Default and 22 controls
    QCOMPARE(control<QGroupBox>(dialog.get(), D::kIdCaption)->title(), "High Frequency");
    QCOMPARE(control<QComboBox>(dialog.get(), D::kIdTransmitTones)->currentText(), "OFF");

    choose(dialog.get(), "Squelch Level");
    std::set<int> parameterView = kParameterView;
    parameterView.insert({D::kIdTree, D::kIdCaption, D::kIdDefault});
    QCOMPARE(ids(dialog.get()), parameterView);
    QCOMPARE(control<QGroupBox>(dialog.get(), D::kIdCaption)->title(), "High Frequency");
}

void TestModeDialogTest::slotsOpenInsideEachBand_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("field");
    QTest::addColumn<QStringList>("highMiddleLow");
    QTest::newRow("400 - 470MHz") << 0 << 0 << QStringList{"445.00000", "435.00000", "425.00000"};
    QTest::newRow("430 - 450MHz") << 1 << 1 << QStringList{"450.00000", "440.00000", "430.00000"};
    QTest::newRow("136 - 175MHz") << 2 << 0 << QStringList{"165.50000", "155.50000", "145.50000"};
    QTest::newRow("144 - 146MHz") << 2 << 1 << QStringList{"146.00000", "145.00000", "144.00000"};
}

void TestModeDialogTest::slotsOpenInsideEachBand() {
    QFETCH(int, type);
    QFETCH(int, field);
    QFETCH(QStringList, highMiddleLow);
    const auto dialog = openDialog(type, field);
    const QStringList items{"High Frequency", "Middle Frequency", "Low Frequency"};
    const QStringList captions{"High Frequency", "Middle Frequency", "Low frequency"};
    for (int i = 0; i < items.size(); ++i) {
        choose(dialog.get(), items[i]);
        QCOMPARE(control<QGroupBox>(dialog.get(), D::kIdCaption)->title(), captions[i]);
        QCOMPARE(text(dialog.get(), D::kIdReceiveFrequency), highMiddleLow[i]);
        QCOMPARE(text(dialog.get(), D::kIdTransmitFrequency), highMiddleLow[i]);
    }
}

void TestModeDialogTest::valuesAndDefaultsArePerParameter() {
    const auto dialog = openDialog();
    auto* slider = control<QSlider>(dialog.get(), D::kIdSlider);
    auto* readOut = control<QLabel>(dialog.get(), D::kIdReadOut);
    choose(dialog.get(), "TX Power");
    QTest::keyClick(slider, Qt::Key_End);
    for (int i = 0; i < 55; ++i)
        QTest::keyClick(slider, Qt::Key_Left);
    QCOMPARE(readOut->text(), "Current Position:200");
    choose(dialog.get(), "Squelch Level");
    QCOMPARE(slider->value(), 0);
    click(dialog.get(), D::kIdDefault);
    QCOMPARE(slider->value(), 160);
    QCOMPARE(readOut->text(), "Current Position:160");
    choose(dialog.get(), "TX Power");
    QCOMPARE(slider->value(), 200);
}

void TestModeDialogTest::dqtListAndDefaultBackToQt() {
    const auto dialog = openDialog();
    choose(dialog.get(), "Middle Frequency");
    click(dialog.get(), D::kIdReceiveDqt);
    const QStringList dqt = entries(dialog.get(), D::kIdReceiveTones);
    QCOMPARE(dqt.size(), 168);
    QCOMPARE(dqt.first(), "210.7");
    QCOMPARE(dqt[8], "D017N");
    QCOMPARE(dqt.last(), "D311I");
    QCOMPARE(control<QComboBox>(dialog.get(), D::kIdReceiveTones)->currentText(), "210.7");
    QCOMPARE(entries(dialog.get(), D::kIdTransmitTones).size(), 43);

    click(dialog.get(), D::kIdReceiveStep625);
    type(dialog.get(), D::kIdReceiveFrequency, "431");
    click(dialog.get(), D::kIdDefault);
    QCOMPARE(text(dialog.get(), D::kIdReceiveFrequency), "440.00000");
    QVERIFY(control<QRadioButton>(dialog.get(), D::kIdReceiveStep5)->isChecked());
    QVERIFY(!control<QRadioButton>(dialog.get(), D::kIdReceiveStep625)->isChecked());
    QVERIFY(control<QRadioButton>(dialog.get(), D::kIdReceiveQt)->isChecked());
    QVERIFY(!control<QRadioButton>(dialog.get(), D::kIdReceiveDqt)->isChecked());
    QCOMPARE(entries(dialog.get(), D::kIdReceiveTones).first(), "OFF");
}

void TestModeDialogTest::enterConfirmsWithTheStepOfTheBoxsSide_data() {
    QTest::addColumn<int>("box");
    QTest::addColumn<int>("stepButton");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("confirmed");
    const int rx = D::kIdReceiveFrequency;
    const int tx = D::kIdTransmitFrequency;
    QTest::newRow("5 kHz") << rx << 0 << "442.3456"
                           << "442.34500";
    QTest::newRow("6.25 kHz") << rx << int(D::kIdReceiveStep625) << "442.3456"
                              << "442.34375";
    QTest::newRow("transmit step") << tx << int(D::kIdTransmitStep625) << "442.3456"
                                   << "442.34375";
    QTest::newRow("receive step is not the transmit's")
        << tx << int(D::kIdReceiveStep625) << "442.3456"
        << "442.34500";
    QTest::newRow("above") << rx << 0 << "455"
                           << "450.00000";
    QTest::newRow("negative") << rx << 0 << "-3"
                              << "450.00000";
    QTest::newRow("below") << tx << 0 << "1e-3"
                           << "430.00000";
}

void TestModeDialogTest::enterConfirmsWithTheStepOfTheBoxsSide() {
    QFETCH(int, box);
    QFETCH(int, stepButton);
    QFETCH(QString, typed);
    QFETCH(QString, confirmed);
    const auto dialog = openDialog();
    choose(dialog.get(), "Low Frequency");
    if (stepButton)
        click(dialog.get(), stepButton);
    type(dialog.get(), box, typed);
    QCOMPARE(text(dialog.get(), box), confirmed);
    // On to the next control in tab order: Start and the slider are hidden here.
    QCOMPARE(QApplication::focusWidget(),
             control(dialog.get(),
                     box == D::kIdReceiveFrequency ? D::kIdTransmitFrequency : D::kIdReceiveTones));
}

void TestModeDialogTest::confirmedFrequencyIsNotKeptInTheSlot() {
    const auto dialog = openDialog();
    choose(dialog.get(), "High Frequency");
    type(dialog.get(), D::kIdReceiveFrequency, "441");
    QCOMPARE(text(dialog.get(), D::kIdReceiveFrequency), "441.00000");
    choose(dialog.get(), "Middle Frequency");
    choose(dialog.get(), "High Frequency");
    QCOMPARE(text(dialog.get(), D::kIdReceiveFrequency), "450.00000");
}

// The list closes before it takes the entry picked in it; the pick is kept all the same.
void TestModeDialogTest::slotKeepsTheTonePickedLast() {
    const auto dialog = openDialog();
    choose(dialog.get(), "High Frequency");
    auto* tones = control<QComboBox>(dialog.get(), D::kIdReceiveTones);
    QTest::mouseClick(tones, Qt::LeftButton);
    for (int i = tones->findText("74.4"); i > 0; --i)
        QTest::keyClick(tones->view(), Qt::Key_Down);
    QTest::keyClick(tones->view(), Qt::Key_Return);
    QCOMPARE(tones->currentText(), "74.4");
    choose(dialog.get(), "Middle Frequency");
    QCOMPARE(tones->currentText(), "OFF");
    choose(dialog.get(), "High Frequency");
    QCOMPARE(tones->currentText(), "74.4");
}

void TestModeDialogTest::enterNeverClosesTheDialog() {
    const auto dialog = openDialog();
    QTest::keyClick(control(dialog.get(), D::kIdTree), Qt::Key_Return);
    choose(dialog.get(), "Squelch Level");
    for (const int id : {D::kIdSlider, D::kIdTree, D::kIdDefault}) {
        control(dialog.get(), id)->setFocus();
        QTest::keyClick(control(dialog.get(), id), Qt::Key_Enter);
        QVERIFY2(dialog->isVisible(), qPrintable(QString::number(id)));
    }
    // Enter on Default is Default.
    QCOMPARE(control<QSlider>(dialog.get(), D::kIdSlider)->value(), 160);
}

void TestModeDialogTest::arrowKeysReachingExitDebugClose() {
    const auto dialog = openDialog();
    choose(dialog.get(), "TX Power");
    QVERIFY(dialog->isVisible());
    QTest::keyClick(control(dialog.get(), D::kIdTree), Qt::Key_Down);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
}

// A text still being typed is confirmed as Enter confirms it, and that is what goes out.
void TestModeDialogTest::startSendsWhatTheDialogShows_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QByteArray>("sent");
    QTest::newRow("on the step") << "446.00625"
                                 << "446.00500" << QByteArray("\x00\x05\x60\x44", 4);
    QTest::newRow("above") << "1000"
                           << "470.00000" << QByteArray("\x00\x00\x00\x47", 4);
    QTest::newRow("negative") << "-3"
                              << "470.00000" << QByteArray("\x00\x00\x00\x47", 4);
    QTest::newRow("huge") << "1e308"
                          << "470.00000" << QByteArray("\x00\x00\x00\x47", 4);
}

void TestModeDialogTest::startSendsWhatTheDialogShows() {
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QByteArray, sent);
    SimRadio radio{RadioImage{}};
    testkit::VirtualClock clock;
    testkit::Trace trace;
    testkit::SimulatedLink link{radio, clock, trace};
    testkit::VirtualPacer pacer{clock, trace};
    const ui::MessageRecorder messages;
    const auto dialog = openDialog(0, 0);
    dialog->setExchangeLine(&link, &pacer);

    choose(dialog.get(), "High Frequency");
    type(dialog.get(), D::kIdReceiveFrequency, typed, false);
    auto* tones = control<QComboBox>(dialog.get(), D::kIdReceiveTones);
    QTest::mouseClick(tones, Qt::LeftButton);
    QTest::keyClick(tones->view(), Qt::Key_Down);
    QTest::keyClick(tones->view(), Qt::Key_Return);
    choose(dialog.get(), "Squelch Level");
    click(dialog.get(), D::kIdDefault);
    click(dialog.get(), D::kIdStart);

    QCOMPARE(messages.texts(), QStringList{"Finish successfully!"});
    QCOMPARE(link.portName(), "COM2");
    QCOMPARE(radio.testFrames().size(), 3u);
    QCOMPARE(radio.testFrames()[0].bytes, std::vector<std::uint8_t>{0x73});
    std::vector<std::uint8_t> frequencies(sent.begin(), sent.end());
    frequencies.insert(frequencies.end(), {0x00, 0x00, 0x50, 0x44});
    QCOMPARE(radio.testFrames()[1].bytes, frequencies);
    QCOMPARE(radio.testFrames()[2].bytes,
             (std::vector<std::uint8_t>{0x70, 0x06, 0x00, 0x00, 0xFB, 0x01, 0x01, 0xA0}));
    QCOMPARE(text(dialog.get(), D::kIdReceiveFrequency), shown);
}

void TestModeDialogTest::startTellsWhyTheExchangeStopped_data() {
    const QString retry = QStringLiteral(" Error had happen ,need try again");
    QTest::addColumn<bool>("portBusy");
    QTest::addColumn<QList<MessageAnswer>>("answers");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<MessageButtons>("buttons");
    QTest::newRow("port busy") << true << QList<MessageAnswer>{}
                               << QStringList{"Could not Open the Port,Please check whether the "
                                              "Port are occupied or the device are ok"}
                               << MessageButtons::Ok;
    QTest::newRow("silent radio, retried once")
        << false << QList<MessageAnswer>{MessageAnswer::Retry, MessageAnswer::Cancel}
        << QStringList{retry, retry} << MessageButtons::RetryCancel;
}

void TestModeDialogTest::startTellsWhyTheExchangeStopped() {
    QFETCH(bool, portBusy);
    QFETCH(QList<MessageAnswer>, answers);
    QFETCH(QStringList, texts);
    QFETCH(MessageButtons, buttons);
    SimRadio radio{RadioImage{}};
    radio.setFaults({SimFaultKind::Silent});
    testkit::VirtualClock clock;
    testkit::Trace trace;
    testkit::SimulatedLink link{radio, clock, trace};
    link.refuseOpen = portBusy;
    testkit::VirtualPacer pacer{clock, trace};
    ui::MessageRecorder messages;
    for (const MessageAnswer answer : answers)
        messages.queueAnswer(answer);
    const auto dialog = openDialog(0, 0);
    dialog->setExchangeLine(&link, &pacer);
    choose(dialog.get(), "Squelch Level");
    click(dialog.get(), D::kIdStart);

    QCOMPARE(messages.texts(), texts);
    for (const MessageButtons shown : messages.buttons())
        QCOMPARE(shown, buttons);
    QVERIFY(!link.isOpen());
}

QTEST_MAIN(TestModeDialogTest)
#include "TestModeDialogTest.moc"
