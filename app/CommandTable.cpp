#include "CommandTable.h"

#include <algorithm>
#include <array>

namespace quorl {

namespace {

constexpr std::array kCommands = std::to_array<CommandText>({
    {kCmdFileNew, "&New\tCtrl+N", "Create a new document\nNew"},
    {kCmdFileOpen, "&Open...\tCtrl+O", "Open an existing document\nOpen"},
    {kCmdFileSave, "&Save\tCtrl+S", "Save the active document\nSave"},
    {kCmdFileSaveAs, "Save &As...", "Save the active document with a new name\nSave As"},
    {kCmdFilePrint, "&Print...\tCtrl+P", "Print the active document\nPrint"},
    {kCmdFilePrintDirect, nullptr, ""},
    {kCmdFilePrintPreview, "Print Pre&view", "Display full pages\nPrint Preview"},
    {kCmdFilePrintSetup, "P&rint Setup...", "Change the printer and printing options\nPrint Setup"},
    {kCmdFileRecent1, "Recent File", "Open this document"},
    {kCmdFileRecent1 + 1, nullptr, "Open this document"},
    {kCmdFileRecent1 + 2, nullptr, "Open this document"},
    {kCmdFileRecent4, nullptr, "Open this document"},
    {kCmdAppExit, "E&xit", "Quit the application; prompts to save documents\nExit"},
    {kCmdReadFromRadio, "&Read From Radio\tCtrl+R", "Read Data From Radio\nRead"},
    {kCmdWriteToRadio, "&Write To Radio\tCtrl+W", "Write Data to Radio \nWrite"},
    {kCmdTestMode, "&Test Mode\tCtrl+T",
     "Debug TX Power,Squelch Level,Low Power Alert\nDebug on line"},
    {kCmdEditData, "&Edit Data\tCtrl+E", "Edit channel Data \nEdit"},
    {kCmdTot, "&TOT", ""},
    {kCmdPttId, "&PTT ID", ""},
    {kCmdEmergencyCall, "&Emergency Call", ""},
    {kCmdOptionFunction, "Option Function", ""},
    {kCmdPort1, "COM1(&P)\tCtrl+C", "Choose Communication Port one \nCom1"},
    {kCmdPort2, "COM2(&Q)\tCtrl+D", "Choose Communication Port two \nCom2"},
    {kCmdPort3, "COM3(&S)\tCtrl+E", "Choose Communication Port three \nCom3"},
    {kCmdPort4, "COM4(&T)\tCtrl+F", "Choose Communication Port four \nCom4"},
    {kCmdViewToolbar, "&Toolbar", "Show or hide the toolbar\nToggle ToolBar"},
    {kCmdViewStatusBar, "&Status Bar", "Show or hide the status bar\nToggle StatusBar"},
    {kCmdAppAbout, "&About QUORL...",
     "Display program information, version number and copyright\nAbout"},
    {kCmdHelp, nullptr, "Display help for current task or command\nHelp"},
    {kCmdContextHelp, nullptr, "Display help for clicked on buttons, menus and windows\nHelp"},
    {kCmdNextPane, nullptr, ""},
    {kCmdPrevPane, nullptr, ""},
});

constexpr int kFileItems[] = {
    kCmdFileNew,         kCmdFileOpen,         kCmdFileSave,       kCmdFileSaveAs, kSeparator,
    kCmdFilePrint,       kCmdFilePrintPreview, kCmdFilePrintSetup, kSeparator,     kCmdFileRecent1,
    kCmdFileRecent1 + 1, kCmdFileRecent1 + 2,  kCmdFileRecent4,    kSeparator,     kCmdAppExit,
};
constexpr int kProgramItems[] = {
    kCmdReadFromRadio, kSeparator, kCmdWriteToRadio,  kSeparator,
    kCmdTestMode,      kSeparator, kCmdEditData,      kSeparator,
    kCmdTot,           kCmdPttId,  kCmdEmergencyCall, kCmdOptionFunction,
};
constexpr int kPortItems[] = {kCmdPort1, kCmdPort2, kCmdPort3, kCmdPort4};
constexpr int kViewItems[] = {kCmdViewToolbar, kCmdViewStatusBar};
constexpr int kHelpItems[] = {kCmdAppAbout};

constexpr std::array<MenuLayout, 5> kMenus{{
    {"&File", kFileItems},
    {"&Program", kProgramItems},
    {"P&ort", kPortItems},
    {"&View", kViewItems},
    {"&Help", kHelpItems},
}};

constexpr int kToolbarItems[] = {
    kCmdFileNew,      kCmdFileOpen,    kCmdFileSave, kSeparator,   kCmdReadFromRadio,
    kCmdWriteToRadio, kCmdTestMode,    kSeparator,   kCmdEditData, kSeparator,
    kCmdFilePrint,    kCmdContextHelp, kCmdAppAbout,
};

constexpr std::array<Accelerator, 12> kAccelerators{{
    {Qt::CTRL | Qt::Key_E, kCmdEditData},
    {Qt::CTRL | Qt::Key_N, kCmdFileNew},
    {Qt::CTRL | Qt::Key_O, kCmdFileOpen},
    {Qt::CTRL | Qt::Key_P, kCmdFilePrint},
    {Qt::CTRL | Qt::Key_R, kCmdReadFromRadio},
    {Qt::CTRL | Qt::Key_S, kCmdFileSave},
    {Qt::CTRL | Qt::Key_T, kCmdTestMode},
    {Qt::CTRL | Qt::Key_W, kCmdWriteToRadio},
    {QKeyCombination(Qt::Key_F1), kCmdHelp},
    {Qt::SHIFT | Qt::Key_F1, kCmdContextHelp},
    {QKeyCombination(Qt::Key_F6), kCmdNextPane},
    {Qt::SHIFT | Qt::Key_F6, kCmdPrevPane},
}};

QString promptPart(int id, bool toolTip) {
    const CommandText* text = commandText(id);
    if (!text)
        return {};
    const QString whole = QString::fromUtf8(text->promptAndTip);
    const qsizetype lineBreak = whole.indexOf(u'\n');
    if (lineBreak < 0)
        return toolTip ? QString() : whole;
    return toolTip ? whole.mid(lineBreak + 1) : whole.left(lineBreak);
}

} // namespace

std::span<const CommandText> commandTexts() {
    return kCommands;
}

const CommandText* commandText(int id) {
    for (const CommandText& text : kCommands)
        if (text.id == id)
            return &text;
    return nullptr;
}

QString commandPrompt(int id) {
    return promptPart(id, false);
}

QString commandToolTip(int id) {
    return promptPart(id, true);
}

std::span<const MenuLayout> menuLayout() {
    return kMenus;
}

std::span<const int> toolbarLayout() {
    return kToolbarItems;
}

std::span<const Accelerator> accelerators() {
    return kAccelerators;
}

bool runsDuringTransfer(int id) {
    static constexpr std::array kDuringTransfer{
        kCmdReadFromRadio, kCmdWriteToRadio, kCmdEditData,    kCmdPort1,         kCmdPort2,
        kCmdPort3,         kCmdPort4,        kCmdViewToolbar, kCmdViewStatusBar, kCmdAppAbout,
        kCmdHelp,          kCmdContextHelp,  kCmdNextPane,    kCmdPrevPane};
    return std::find(kDuringTransfer.begin(), kDuringTransfer.end(), id) != kDuringTransfer.end();
}

} // namespace quorl
