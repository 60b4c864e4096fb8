#pragma once

// The main window: menus, toolbar, accelerators and status bar around the form view. Its
// caption never changes. Every command of the command table is a QAction here; a command is
// enabled once something serves it (setHandler), so commands whose work has not been built
// yet stay visible and greyed.

#include <QMainWindow>

#include <functional>
#include <map>
#include <set>

class QLabel;

namespace quorl {

class CZolView;
class KeyIndicators;

class CMainFrame : public QMainWindow {
    Q_OBJECT

public:
    static constexpr int kInitialWidth = 800;
    static constexpr int kInitialHeight = 1100;
    static const QString kCaption;
    static const QString kIdleMessage;

    explicit CMainFrame(QWidget* parent = nullptr);
    ~CMainFrame() override;

    // The form view becomes the central widget; the Port menu shows its port name, its
    // keyboard policy takes the accelerators, and its transfers hold back the commands that
    // touch the document or the window.
    void setView(CZolView* view);

    // The action of a command id of the command table, or null.
    QAction* command(int id) const;
    // Routes a command to its handler and enables it. Call once per command. While a transfer
    // runs, a command that touches the document or the window waits for it to end.
    void setHandler(int id, std::function<void()> handler);

    // Shows up to four recent files in the File menu, or the greyed "Recent File" when none.
    void setRecentFiles(const QStringList& paths);

signals:
    void filesDropped(const QStringList& paths);

protected:
    // While a transfer runs the window stays: the transfer is cancelled, and the window closes
    // once the transfer has ended and its port is closed.
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void createCommands();
    void createMenus();
    void createToolBar();
    void createStatusBar();
    void updateCommandStates();
    void showHelp();
    void centre();
    bool isRecentFileCommand(int id) const;
    bool acceleratorTakes(QKeyCombination key) const;
    // Runs the job once no transfer is running: at once, or after cancelling the transfer.
    void whenIdle(std::function<void()> job);

    CZolView* view_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QLabel* messagePane_ = nullptr;
    quorl::KeyIndicators* keyIndicators_ = nullptr;
    std::map<int, QAction*> commands_;
    std::set<int> served_;
    int recentFileCount_ = 0;
};

} // namespace quorl
