#pragma once

// Every command of the program: its id, menu text, status-bar prompt and tool tip, the
// menus and toolbar that offer it, and the accelerator keys.

#include "PortSelection.h"

#include <QKeyCombination>
#include <QString>

#include <span>

namespace quorl {

enum CommandId : int {
    kCmdFileNew = 57600,
    kCmdFileOpen = 57601,
    kCmdFileSave = 57603,
    kCmdFileSaveAs = 57604,
    kCmdFilePrint = 57607,
    kCmdFilePrintDirect = 57608,
    kCmdFilePrintPreview = 57609,
    kCmdFilePrintSetup = 57606,
    kCmdFileRecent1 = 57616,
    kCmdFileRecent4 = 57619,
    kCmdAppExit = 57665,
    kCmdReadFromRadio = 32771,
    kCmdWriteToRadio = 32772,
    kCmdTestMode = 32778,
    kCmdEditData = 32780,
    kCmdTot = 32787,
    kCmdPttId = 32785,
    kCmdEmergencyCall = 32786,
    kCmdOptionFunction = 32788,
    kCmdPort1 = kPortCommands[0].commandId,
    kCmdPort2 = kPortCommands[1].commandId,
    kCmdPort3 = kPortCommands[2].commandId,
    kCmdPort4 = kPortCommands[3].commandId,
    kCmdViewToolbar = 59392,
    kCmdViewStatusBar = 59393,
    kCmdAppAbout = 57664,
    kCmdHelp = 57670,
    kCmdContextHelp = 57669,
    kCmdNextPane = 57680,
    kCmdPrevPane = 57681,
};

constexpr int kRecentFileCount = kCmdFileRecent4 - kCmdFileRecent1 + 1;

struct CommandText {
    int id;
    const char* menuText;     // null for commands without a menu item
    const char* promptAndTip; // status-bar prompt, a line break, then the tool tip
};

std::span<const CommandText> commandTexts();
const CommandText* commandText(int id);

// Prompt and tool tip of a command (empty when it has none).
QString commandPrompt(int id);
QString commandToolTip(int id);

// Separators in menus and toolbar.
constexpr int kSeparator = 0;

struct MenuLayout {
    const char* title;
    std::span<const int> items; // command ids and separators
};

std::span<const MenuLayout> menuLayout();
std::span<const int> toolbarLayout();

struct Accelerator {
    QKeyCombination key;
    int command;
};

// The whole accelerator table. The key names in the Port item texts are labels only.
std::span<const Accelerator> accelerators();

// Commands that neither read nor replace the document or the window, and so run at once while
// a transfer runs: the transfer commands themselves (they retarget the progress window), the
// port, the toolbar and status bar, help and About. Every other command waits for the transfer.
bool runsDuringTransfer(int id);

} // namespace quorl
