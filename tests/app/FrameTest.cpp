#include "AppTestSupport.h"
#include "AppTests.h"
#include "CMSFlexGrid.h"
#include "CMainFrame.h"
#include "CZolApp.h"
#include "CZolView.h"
#include "CommandTable.h"
#include "FindControl.h"
#include "FormIds.h"
#include "MessageRecorder.h"
#include "PortSelection.h"
#include "TestModeDialog.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QToolTip>
#include <QTreeWidget>
#include <QWhatsThis>

using namespace quorl;
using apptest::menuNamed;

namespace {

// The visible entries of a menu, "-" for separators.
QStringList entries(const QMenu* menu) {
    QStringList texts;
    for (const QAction* action : menu->actions())
        if (action->isVisible())
            texts.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}

QAction* itemNamed(QMenu* menu, const QString& text) {
    for (QAction* action : menu->actions())
        if (action->text() == text)
            return action;
    return nullptr;
}

// Opens a menu the way the user does, by clicking its title, and leaves it open.
QMenu* openMenu(CMainFrame* frame, const QString& title) {
    QMenuBar* bar = frame->menuBar();
    QMenu* menu = menuNamed(frame, title);
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
    return menu->isVisible() ? menu : nullptr;
}

// A field that wants every key combination for itself.
class GreedyEdit : public QLineEdit {
public:
    using QLineEdit::QLineEdit;
    QList<QKeyCombination> claimed;

protected:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::ShortcutOverride) {
            claimed.append(static_cast<QKeyEvent*>(event)->keyCombination());
            event->accept();
            return true;
        }
        return QLineEdit::event(event);
    }
};

QStringList checkedPorts(CMainFrame* frame) {
    QStringList checked;
    for (QAction* action : menuNamed(frame, "P&ort")->actions())
        if (action->isChecked())
            checked.append(action->text().left(4));
    return checked;
}

} // namespace

void FrameTest::init() {
    QSettings().clear();
}

void FrameTest::menusHoldEveryItemInOrder() {
    CMainFrame frame;
    QStringList titles;
    for (const QAction* action : frame.menuBar()->actions())
        titles.append(action->text());
    QCOMPARE(titles, QStringList({"&File", "&Program", "P&ort", "&View", "&Help"}));

    QCOMPARE(entries(menuNamed(&frame, "&File")),
             QStringList({"&New\tCtrl+N", "&Open...\tCtrl+O", "&Save\tCtrl+S", "Save &As...", "-",
                          "&Print...\tCtrl+P", "Print Pre&view", "P&rint Setup...", "-",
                          "Recent File", "-", "E&xit"}));
    QCOMPARE(entries(menuNamed(&frame, "&Program")),
             QStringList({"&Read From Radio\tCtrl+R", "-", "&Write To Radio\tCtrl+W", "-",
                          "&Test Mode\tCtrl+T", "-", "&Edit Data\tCtrl+E", "-", "&TOT", "&PTT ID",
                          "&Emergency Call", "Option Function"}));
    QCOMPARE(entries(menuNamed(&frame, "P&ort")),
             QStringList(
                 {"COM1(&P)\tCtrl+C", "COM2(&Q)\tCtrl+D", "COM3(&S)\tCtrl+E", "COM4(&T)\tCtrl+F"}));
    QCOMPARE(entries(menuNamed(&frame, "&View")), QStringList({"&Toolbar", "&Status Bar"}));
    QCOMPARE(entries(menuNamed(&frame, "&Help")), QStringList({"&About QUORL..."}));

    const QList<std::pair<QString, QString>> prompts{
        {"&Write To Radio\tCtrl+W", "Write Data to Radio "},
        {"COM3(&S)\tCtrl+E", "Choose Communication Port three "},
        {"E&xit", "Quit the application; prompts to save documents"},
        {"&TOT", ""}};
    for (const auto& [item, prompt] : prompts) {
        QAction* action = nullptr;
        for (QMenu* menu : frame.menuBar()->findChildren<QMenu*>())
            action = action ? action : itemNamed(menu, item);
        QVERIFY2(action, qPrintable(item));
        QCOMPARE(action->statusTip(), prompt);
    }
}

void FrameTest::acceleratorTableIsExactlyTwelveKeys() {
    CMainFrame frame;
    QMap<QString, int> table;
    for (const CommandText& text : commandTexts()) {
        const QKeySequence key = frame.command(text.id)->shortcut();
        if (!key.isEmpty())
            table.insert(key.toString(), text.id);
    }
    int shortcuts = 0;
    for (const QAction* action : frame.findChildren<QAction*>())
        shortcuts += action->shortcuts().size();
    QCOMPARE(shortcuts, 12);
    const QMap<QString, int> expected{{"Ctrl+E", 32780},   {"Ctrl+N", 57600}, {"Ctrl+O", 57601},
                                      {"Ctrl+P", 57607},   {"Ctrl+R", 32771}, {"Ctrl+S", 57603},
                                      {"Ctrl+T", 32778},   {"Ctrl+W", 32772}, {"F1", 57670},
                                      {"Shift+F1", 57669}, {"F6", 57680},     {"Shift+F6", 57681}};
    QCOMPARE(table, expected);
}

void FrameTest::laterCommandsArePresentButDisabled() {
    auto app = apptest::startApp();
    QVERIFY(app);
    CMainFrame* frame = app->mainFrame();
    for (int id : {kCmdFileNew,        kCmdFileOpen,      kCmdFileSave,     kCmdFileSaveAs,
                   kCmdAppExit,        kCmdReadFromRadio, kCmdWriteToRadio, kCmdTestMode,
                   kCmdEditData,       kCmdTot,           kCmdPttId,        kCmdEmergencyCall,
                   kCmdOptionFunction, kCmdPort1,         kCmdPort4,        kCmdViewToolbar,
                   kCmdAppAbout,       kCmdHelp,          kCmdFilePrint,    kCmdFilePrintPreview,
                   kCmdFilePrintSetup})
        QVERIFY2(frame->command(id)->isEnabled(), qPrintable(QString::number(id)));
}

void FrameTest::testModeKeyOpensTheDebugDialogForThePanelsBand() {
    auto app = apptest::startApp();
    QVERIFY(app);
    app->document().image()[kModelType] = 2;
    app->document().image()[kModelField] = 1;
    app->view()->DecodeImage();
    QString title;
    QString high;
    apptest::inspectNextModal([&](QWidget* dialog) {
        title = dialog->windowTitle();
        auto* tree = test::findControl<QTreeWidget>(dialog, TestModeDialog::kIdTree);
        tree->setCurrentItem(tree->topLevelItem(0)->child(0));
        high = test::findControl<QLineEdit>(dialog, TestModeDialog::kIdReceiveFrequency)->text();
    });
    QTest::keyClick(app->mainFrame(), Qt::Key_T, Qt::ControlModifier);
    QCOMPARE(title, "Debug Mode for QUORL Software");
    QCOMPARE(high, "146.00000");
}

void FrameTest::toolbarButtonsInOrder() {
    CMainFrame frame;
    QToolBar* bar = test::findControl<QToolBar>(&frame, "Toolbar");
    const QList<int> expected{kCmdFileNew,       kCmdFileOpen,
                              kCmdFileSave,      0,
                              kCmdReadFromRadio, kCmdWriteToRadio,
                              kCmdTestMode,      0,
                              kCmdEditData,      0,
                              kCmdFilePrint,     kCmdContextHelp,
                              kCmdAppAbout};
    QList<int> shown;
    for (QAction* action : bar->actions()) {
        int id = 0;
        for (const CommandText& text : commandTexts())
            if (frame.command(text.id) == action)
                id = text.id;
        QCOMPARE(action->isSeparator(), id == 0);
        shown.append(id);
        if (id) {
            QVERIFY(!action->icon().isNull());
            QVERIFY(!action->toolTip().isEmpty());
        }
    }
    QCOMPARE(shown, expected);
    QCOMPARE(frame.command(kCmdTestMode)->toolTip(), "Debug on line");
    QCOMPARE(bar->iconSize(), QSize(18, 18));
    QCOMPARE(frame.toolBarArea(bar), Qt::TopToolBarArea);
    QVERIFY(bar->isMovable());
}

void FrameTest::hoveringAButtonShowsItsPrompt() {
    auto app = apptest::startApp();
    QVERIFY(app);
    CMainFrame* frame = app->mainFrame();
    QWidget* button = test::findControl<QToolBar>(frame, "Toolbar")
                          ->widgetForAction(frame->command(kCmdFileOpen));
    QTest::mouseMove(button);
    QTRY_COMPARE(frame->statusBar()->currentMessage(), "Open an existing document");
}

void FrameTest::statusBarShowsIdleTextAndLockPanes() {
    CMainFrame frame;
    QCOMPARE(frame.messagePane()->text(), "For Help，Please Press F1");
    QStringList panes;
    for (const QLabel* label : frame.statusBar()->findChildren<QLabel*>())
        panes.append(label->text());
    QCOMPARE(panes, QStringList({"For Help，Please Press F1", "CAP", "NUM", "SCRL"}));
}

void FrameTest::scrollLockKeyLightsItsPane() {
    auto app = apptest::startApp();
    QVERIFY(app);
    CMainFrame* frame = app->mainFrame();
    QLabel* scroll = nullptr;
    for (QLabel* label : frame->statusBar()->findChildren<QLabel*>())
        scroll = label->text() == "SCRL" ? label : scroll;
    QVERIFY(!scroll->isEnabled());
    QTest::keyClick(frame->windowHandle(), Qt::Key_ScrollLock);
    QVERIFY(scroll->isEnabled());
    QTest::keyClick(frame->windowHandle(), Qt::Key_ScrollLock);
    QVERIFY(!scroll->isEnabled());
}

void FrameTest::portStartsOnCom1AndFollowsTheMenu() {
    auto app = apptest::startApp();
    QVERIFY(app);
    CMainFrame* frame = app->mainFrame();

    QMenu* ports = openMenu(frame, "P&ort");
    QVERIFY(ports);
    QCOMPARE(checkedPorts(frame), QStringList{"COM1"});
    // Choose COM3 by its mnemonic letter.
    QTest::keyClick(ports, Qt::Key_S);
    QCOMPARE(app->view()->portName(), "COM3");
    QCOMPARE(checkedPorts(frame), QStringList{"COM3"});
    QVERIFY(openMenu(frame, "P&ort"));
    QCOMPARE(checkedPorts(frame), QStringList{"COM3"});

    // Choose COM2 with the mouse; choosing it again keeps it.
    for (int i = 0; i < 2; ++i) {
        QAction* com2 = itemNamed(ports, "COM2(&Q)\tCtrl+D");
        QTest::mouseClick(ports, Qt::LeftButton, {}, ports->actionGeometry(com2).center());
        QCOMPARE(app->view()->portName(), "COM2");
        QVERIFY(openMenu(frame, "P&ort"));
        QCOMPARE(checkedPorts(frame), QStringList{"COM2"});
    }
    ports->close();
}

// Ctrl+C, Ctrl+D and Ctrl+F are only labels; Ctrl+E is Edit Data.
void FrameTest::portCommandsNameTheirPorts() {
    const QList<std::pair<int, std::string_view>> ports{
        {32773, "COM1"}, {32775, "COM2"}, {32776, "COM3"}, {32777, "COM4"}, {32774, ""}};
    for (const auto& [id, port] : ports)
        QCOMPARE(portForCommand(id), port);
    QVERIFY(portCommandChecked(32776, "COM3"));
    QVERIFY(!portCommandChecked(32776, "com3"));
    QVERIFY(!portCommandChecked(32776, "COM3 "));
    QVERIFY(!portCommandChecked(32773, "COM3"));
    QVERIFY(!portCommandChecked(32774, ""));
}

void FrameTest::portKeysNeverChangeThePort() {
    auto app = apptest::startApp();
    QVERIFY(app);
    CMainFrame* frame = app->mainFrame();
    app->view()->setPortName("COM4");
    ui::MessageRecorder messages;
    for (Qt::Key key : {Qt::Key_C, Qt::Key_D, Qt::Key_E, Qt::Key_F})
        QTest::keyClick(app->view()->grid(), key, Qt::ControlModifier);
    QCOMPARE(app->view()->portName(), "COM4");
    QCOMPARE(messages.texts(), QStringList{"Please directly double click inside the table"});
    QCOMPARE(app->view()->grid()->Row(), 1);
    QCOMPARE(app->view()->grid()->Col(), 1);
    QVERIFY(openMenu(frame, "P&ort"));
    QCOMPARE(checkedPorts(frame), QStringList{"COM4"});
    menuNamed(frame, "P&ort")->close();
}

// Edit fields claim keys such as Ctrl+E (end of line on X11) for themselves; accelerators
// come first all the same.
void FrameTest::acceleratorBeatsAFocusedEditField() {
    auto app = apptest::startApp();
    QVERIFY(app);
    auto* squelch = test::findControl<QComboBox>(app->view(), kIdSquelchLevel);
    auto* greedy = new GreedyEdit(app->view()->form());
    greedy->show();
    for (QWidget* field : QList<QWidget*>{squelch->lineEdit(), greedy}) {
        field->setFocus();
        QVERIFY(field->hasFocus());
        ui::MessageRecorder messages;
        QTest::keyClick(field, Qt::Key_E, Qt::ControlModifier);
        QCOMPARE(messages.texts(), QStringList{"Please directly double click inside the table"});
    }
    // Keys that are no accelerator stay with the field.
    QTest::keyClick(greedy, Qt::Key_C, Qt::ControlModifier);
    QVERIFY(greedy->claimed.contains(Qt::CTRL | Qt::Key_C));
    QVERIFY(!greedy->claimed.contains(Qt::CTRL | Qt::Key_E));
}

void FrameTest::viewMenuTogglesBars() {
    auto app = apptest::startApp();
    QVERIFY(app);
    CMainFrame* frame = app->mainFrame();
    QMenu* view = openMenu(frame, "&View");
    QVERIFY(view->actions().at(0)->isChecked());
    QTest::mouseClick(view, Qt::LeftButton, {},
                      view->actionGeometry(view->actions().at(0)).center());
    QVERIFY(test::findControl<QToolBar>(frame, "Toolbar")->isHidden());
    openMenu(frame, "&View");
    QVERIFY(!view->actions().at(0)->isChecked());
    QTest::mouseClick(view, Qt::LeftButton, {},
                      view->actionGeometry(view->actions().at(1)).center());
    QVERIFY(frame->statusBar()->isHidden());
    frame->command(kCmdViewToolbar)->trigger();
    frame->command(kCmdViewStatusBar)->trigger();
    QVERIFY(!test::findControl<QToolBar>(frame, "Toolbar")->isHidden());
    QVERIFY(!frame->statusBar()->isHidden());
}

void FrameTest::windowStartsSizedCentredAndCaptioned() {
    {
        CMainFrame frame;
        QCOMPARE(frame.size(), QSize(800, 1100));
    }
    auto app = apptest::startApp();
    QVERIFY(app);
    CMainFrame* frame = app->mainFrame();
    QCOMPARE(frame->windowTitle(), "QUORL Programming Software");
    // The first initial update fitted the frame to the form; it is centred when shown.
    QCOMPARE(app->view()->maximumViewportSize(), app->view()->form()->size());
    const QPoint offCentre =
        frame->frameGeometry().center() - frame->screen()->availableGeometry().center();
    QVERIFY2(offCentre.manhattanLength() <= 2, qPrintable(QString::number(offCentre.x())));
}

void FrameTest::helpKeys() {
    auto app = apptest::startApp();
    QVERIFY(app);
    CMainFrame* frame = app->mainFrame();
    QTest::keyClick(frame, Qt::Key_F1, Qt::ShiftModifier);
    QVERIFY(QWhatsThis::inWhatsThisMode());
    QWhatsThis::leaveWhatsThisMode();

    app->view()->grid()->setFocus();
    QTest::keyClick(app->view()->grid(), Qt::Key_F1);
    QVERIFY(QToolTip::isVisible());
    QVERIFY(!QToolTip::text().isEmpty());
    QToolTip::hideText();
}

void FrameTest::aboutBoxShowsVersion() {
    auto app = apptest::startApp();
    QVERIFY(app);
    QString title;
    QStringList texts;
    apptest::inspectNextModal([&](QWidget* about) {
        title = about->windowTitle();
        for (const QLabel* label : about->findChildren<QLabel*>())
            texts.append(label->text());
    });
    app->mainFrame()->command(kCmdAppAbout)->trigger();
    QCOMPARE(title, "About QUORL");
    QVERIFY(texts.contains("QUORL Communication Software-1.8"));
    QCOMPARE(texts.size(), 3);
}
