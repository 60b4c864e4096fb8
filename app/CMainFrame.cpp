#include "CMainFrame.h"

#include "CZolView.h"
#include "CommandTable.h"
#include "Icons.h"
#include "KeyIndicators.h"
#include "KeyboardPolicy.h"
#include "RecentFileList.h"
#include "TransferController.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QToolTip>
#include <QWhatsThis>

namespace quorl {

const QString CMainFrame::kCaption = QStringLiteral("QUORL Programming Software");
const QString CMainFrame::kIdleMessage = QStringLiteral("For Help，Please Press F1");

namespace {

constexpr int kHelpShowsFor = 60000; // ms, unless a click or a key closes it first

const QString kWindowHelp = QStringLiteral(
    "Set the radio's model, band and options in the upper part of the window and its "
    "channels in the table below. Double-click a cell of the table to edit it.");

} // namespace

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(kCaption);
    resize(kInitialWidth, kInitialHeight);
    setWhatsThis(kWindowHelp);
    createCommands();
    createMenus();
    createToolBar();
    createStatusBar();
    setRecentFiles({});

    setHandler(kCmdViewToolbar, [this] { toolBar_->setVisible(toolBar_->isHidden()); });
    setHandler(kCmdViewStatusBar, [this] { statusBar()->setVisible(statusBar()->isHidden()); });
    setHandler(kCmdHelp, [this] { showHelp(); });
    setHandler(kCmdContextHelp, [] { QWhatsThis::enterWhatsThisMode(); });
    // Only one pane: switching panes has nothing to do, but the keys are still taken.
    setHandler(kCmdNextPane, [] {});
    setHandler(kCmdPrevPane, [] {});
}

CMainFrame::~CMainFrame() = default;

void CMainFrame::createCommands() {
    for (const CommandText& text : commandTexts()) {
        auto* action = new QAction(this);
        if (text.menuText)
            action->setText(QString::fromUtf8(text.menuText));
        action->setStatusTip(commandPrompt(text.id));
        action->setToolTip(commandToolTip(text.id));
        action->setWhatsThis(commandPrompt(text.id));
        action->setIcon(commandIcon(text.id));
        action->setIconVisibleInMenu(false); // pictures belong to the toolbar only
        action->setEnabled(false);
        commands_[text.id] = action;
    }
    // Accelerators work wherever the focus is in this window, menus and toolbar hidden or not.
    for (const Accelerator& accelerator : accelerators()) {
        QAction* action = command(accelerator.command);
        action->setShortcut(accelerator.key);
        addAction(action);
    }
    for (int id : {kCmdViewToolbar, kCmdViewStatusBar}) {
        command(id)->setCheckable(true);
        command(id)->setChecked(true);
    }
    for (const PortCommand& port : kPortCommands)
        command(port.commandId)->setCheckable(true);
}

void CMainFrame::createMenus() {
    for (const MenuLayout& layout : menuLayout()) {
        QMenu* menu = menuBar()->addMenu(QString::fromUtf8(layout.title));
        for (int id : layout.items) {
            if (id == kSeparator)
                menu->addSeparator();
            else
                menu->addAction(command(id));
        }
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::updateCommandStates);
    }
}

void CMainFrame::createToolBar() {
    toolBar_ = new QToolBar(QStringLiteral("Toolbar"), this);
    toolBar_->setObjectName(QStringLiteral("Toolbar"));
    toolBar_->setIconSize(QSize(kToolbarIconSize, kToolbarIconSize));
    toolBar_->setAllowedAreas(Qt::AllToolBarAreas);
    toolBar_->setMovable(true);
    for (int id : toolbarLayout()) {
        if (id == kSeparator)
            toolBar_->addSeparator();
        else
            toolBar_->addAction(command(id));
    }
    addToolBar(Qt::TopToolBarArea, toolBar_);
    connect(toolBar_, &QToolBar::visibilityChanged, command(kCmdViewToolbar), &QAction::setChecked);
}

void CMainFrame::createStatusBar() {
    messagePane_ = new QLabel(kIdleMessage, statusBar());
    messagePane_->setObjectName(QStringLiteral("MessagePane"));
    statusBar()->addWidget(messagePane_, 1);
    keyIndicators_ = new KeyIndicators(statusBar());
}

void CMainFrame::setView(CZolView* view) {
    view_ = view;
    setCentralWidget(view);
    KeyboardPolicy& keys = KeyboardPolicy::application();
    keys.setAccelerators(this, [this](QKeyCombination key) { return acceleratorTakes(key); });
    keys.addKeyObserver(this, [this](const QKeyEvent& key) { keyIndicators_->keyEvent(key); });
    // The form's hints take the message pane while the pointer moves over it.
    connect(view, &CZolView::statusHint, messagePane_, &QLabel::setText);
    updateCommandStates();
}

QAction* CMainFrame::command(int id) const {
    const auto found = commands_.find(id);
    return found == commands_.end() ? nullptr : found->second;
}

bool CMainFrame::isRecentFileCommand(int id) const {
    return id >= kCmdFileRecent1 && id <= kCmdFileRecent4;
}

void CMainFrame::setHandler(int id, std::function<void()> handler) {
    QAction* action = command(id);
    if (!action)
        return;
    auto run = [this, handler = std::move(handler)] {
        handler();
        updateCommandStates();
    };
    if (runsDuringTransfer(id))
        connect(action, &QAction::triggered, this, run);
    else
        connect(action, &QAction::triggered, this, [this, run] { whenIdle(run); });
    served_.insert(id);
    action->setEnabled(!isRecentFileCommand(id) || id - kCmdFileRecent1 < recentFileCount_);
}

void CMainFrame::setRecentFiles(const QStringList& paths) {
    recentFileCount_ = static_cast<int>(std::min<qsizetype>(paths.size(), kRecentFileCount));
    for (int i = 0; i < kRecentFileCount; ++i) {
        QAction* action = command(kCmdFileRecent1 + i);
        const bool present = i < recentFileCount_;
        action->setText(present ? recentFileMenuText(i, paths[i])
                                : QString::fromUtf8(commandText(kCmdFileRecent1)->menuText));
        action->setVisible(present || i == 0);
        // A recent-file command is served only while it names a file.
        action->setEnabled(present && served_.contains(kCmdFileRecent1 + i));
    }
}

// Check marks follow the state they show after every command and each time a menu opens.
void CMainFrame::updateCommandStates() {
    command(kCmdViewToolbar)->setChecked(!toolBar_->isHidden());
    command(kCmdViewStatusBar)->setChecked(!statusBar()->isHidden());
    if (view_) {
        const QByteArray port = view_->portName().toUtf8();
        for (const PortCommand& choice : kPortCommands)
            command(choice.commandId)
                ->setChecked(portCommandChecked(choice.commandId, port.toStdString()));
    }
}

// Help for the current context: the what's-this text of the focused control or the nearest
// of its parents that has one. It shows as a tip, which takes no hold of the mouse: the next
// click goes where the user points, and closes the help on its way.
void CMainFrame::showHelp() {
    QWidget* anchor = QApplication::focusWidget();
    if (!anchor || anchor->window() != this)
        anchor = this;
    QWidget* source = anchor;
    while (source->whatsThis().isEmpty() && source != this)
        source = source->parentWidget();
    QToolTip::showText(anchor->mapToGlobal(anchor->rect().center()), source->whatsThis(), anchor,
                       {}, kHelpShowsFor);
}

void CMainFrame::whenIdle(std::function<void()> job) {
    if (view_)
        view_->transfer().runWhenIdle(std::move(job));
    else
        job();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (view_ && view_->transfer().isRunning()) {
        event->ignore();
        whenIdle([this] { close(); });
        return;
    }
    QMainWindow::closeEvent(event);
}

void CMainFrame::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!event->spontaneous())
        centre();
}

void CMainFrame::centre() {
    QRect frame = frameGeometry();
    frame.moveCenter(screen()->availableGeometry().center());
    move(frame.topLeft());
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    if (std::any_of(urls.begin(), urls.end(), [](const QUrl& url) { return url.isLocalFile(); }))
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile())
            paths.append(url.toLocalFile());
    event->acceptProposedAction();
    whenIdle([this, paths] { emit filesDropped(paths); });
}

// An accelerator takes its key before the focused control sees it, as a line edit would
// otherwise keep Ctrl+E for itself.
bool CMainFrame::acceleratorTakes(QKeyCombination key) const {
    for (const Accelerator& accelerator : accelerators())
        if (accelerator.key == key && command(accelerator.command)->isEnabled())
            return true;
    return false;
}

} // namespace quorl
