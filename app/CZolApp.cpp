#include "CZolApp.h"

#include "AboutDialog.h"
#include "CMainFrame.h"
#include "CZolView.h"
#include "CellEditor.h"
#include "CommandLine.h"
#include "CommandTable.h"
#include "DeferredIconStyle.h"
#include "DocumentView.h"
#include "EmergencyDialog.h"
#include "FileDialogs.h"
#include "FileNames.h"
#include "Icons.h"
#include "MessageBox.h"
#include "OptionFunctionDialog.h"
#include "PttIdDialog.h"
#include "ReportPrinting.h"
#include "SettingsPanel.h"
#include "SheetCommands.h"
#include "TestModeDialog.h"
#include "TotDialog.h"
#include "TransferController.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

#include <algorithm>
#include <cstdio>

namespace quorl {

const QString CZolApp::kSettingsKey = QStringLiteral("Local AppWizard-Generated Applications");

namespace {

// The name a new document offers in the save dialog.
const QString kUntitled = QStringLiteral("Untitled.sin");

// Names the file, then says why.
QString fileFailure(const char* what, const FileResult& result) {
    QString why = QString::fromLocal8Bit(result.reason);
    if (!why.isEmpty())
        why[0] = why[0].toUpper();
    const QString path = fileNameFromBytes(result.path.native());
    return QStringLiteral("Cannot %1 the file \"%2\".\n%3")
        .arg(QLatin1String(what), QDir::toNativeSeparators(path), why);
}

// At most this many lines of a list in a message; the rest are counted.
constexpr std::size_t kLinesListed = 30;

QString listed(const std::vector<std::string>& lines) {
    QString text;
    for (std::size_t i = 0; i < std::min(lines.size(), kLinesListed); ++i)
        text += QStringLiteral("\n") + QString::fromStdString(lines[i]);
    if (lines.size() > kLinesListed)
        text += QStringLiteral("\nand %1 more").arg(lines.size() - kLinesListed);
    return text;
}

// What became of a channel list's rows, in one message: the rows left out, or when nothing
// opened the bad entries, then what the rows lost on the way. Empty when all went in whole.
QString channelListReport(const QString& path, const ChannelListOpen& result) {
    const QString name = QDir::toNativeSeparators(path);
    QString text;
    if (!result.opened)
        text = QStringLiteral("Cannot open the file \"%1\".\nIt has %2 bad %3:")
                   .arg(name)
                   .arg(result.refused.size())
                   .arg(result.refused.size() == 1 ? QStringLiteral("entry")
                                                   : QStringLiteral("entries")) +
               listed(result.refused);
    else if (!result.refused.empty())
        text = QStringLiteral("Rows of \"%1\" the radio cannot hold are left out:").arg(name) +
               listed(result.refused);
    if (!result.notes.empty())
        text += (text.isEmpty() ? QString() : QStringLiteral("\n\n")) +
                QStringLiteral("Not kept as \"%1\" has it:").arg(name) + listed(result.notes);
    return text;
}

// A print started from the shell has no window to speak in: while it lasts, every message goes
// to standard error as well, and a box is shown only where a display lets someone close it.
class ShellPrintMessages {
public:
    ShellPrintMessages() {
        previous_ = ui::setMessageHook([this](const QString& text, MessageButtons buttons) {
            std::fprintf(stderr, "quorl: %s\n",
                         QString(text).replace(u'\n', u' ').toLocal8Bit().constData());
            if (previous_)
                return previous_(text, buttons);
            const QString platform = QGuiApplication::platformName();
            if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal"))
                return buttons == MessageButtons::RetryCancel ? MessageAnswer::Cancel
                                                              : MessageAnswer::Ok;
            ui::MessageHook self = ui::setMessageHook({});
            const MessageAnswer answer = ui::messageBox(text, buttons);
            ui::setMessageHook(std::move(self));
            return answer;
        });
    }
    ~ShellPrintMessages() { ui::setMessageHook(std::move(previous_)); }
    ShellPrintMessages(const ShellPrintMessages&) = delete;
    ShellPrintMessages& operator=(const ShellPrintMessages&) = delete;

private:
    ui::MessageHook previous_;
};

} // namespace

CZolApp::CZolApp() = default;

CZolApp::~CZolApp() = default;

bool CZolApp::InitInstance(const QStringList& arguments) {
    QCoreApplication::setOrganizationName(kSettingsKey);
    QCoreApplication::setApplicationName(ui::kApplicationTitle);
    recentFiles_.load();

    DeferredIconStyle::install();
    frame_ = std::make_unique<CMainFrame>();
    view_ = new CZolView(document_.image(), tones_);
    frame_->setView(view_);
    connectDocumentAndView(document_, *view_);
    routeCommands();
    frame_->setRecentFiles(recentFiles_.paths());

    const ShellCommand command = parseCommandLine(arguments);
    if (command.kind == ShellCommand::Usage) {
        std::fprintf(stderr, "%s\n", kShellUsage.toLocal8Bit().constData());
        exitCode_ = 2;
        return false;
    }
    // A file named with /p or /pt is printed without the dialog, and the program ends
    // without showing its window.
    if (command.kind == ShellCommand::FilePrint || command.kind == ShellCommand::FilePrintTo) {
        const ShellPrintMessages messages;
        exitCode_ = OpenDocumentFile(command.fileName) &&
                            report().OnFilePrintDirect(command.printerName, true)
                        ? 0
                        : 1;
        return false;
    }
    if (command.kind == ShellCommand::FileNew)
        OnFileNew();
    else if (!OpenDocumentFile(command.fileName))
        return false;

    frame_->setWindowIcon(applicationIcon());
    frame_->show();
    frame_->setAcceptDrops(true);
    connect(frame_.get(), &CMainFrame::filesDropped, this, [this](const QStringList& paths) {
        for (const QString& path : paths)
            OpenDocumentFile(path);
    });
    return true;
}

void CZolApp::routeCommands() {
    CMainFrame& frame = *frame_;
    frame.setHandler(kCmdFileNew, [this] { OnFileNew(); });
    frame.setHandler(kCmdFileOpen, [this] { OnFileOpen(); });
    frame.setHandler(kCmdFileSave, [this] { OnFileSave(); });
    frame.setHandler(kCmdFileSaveAs, [this] { OnFileSaveAs(); });
    for (int i = 0; i < kRecentFileCount; ++i)
        frame.setHandler(kCmdFileRecent1 + i, [this, i] { OnOpenRecentFile(i); });
    frame.setHandler(kCmdFilePrint, [this] { report().OnFilePrint(); });
    frame.setHandler(kCmdFilePrintDirect, [this] { report().OnFilePrintDirect(); });
    frame.setHandler(kCmdFilePrintPreview, [this] { report().OnFilePrintPreview(); });
    frame.setHandler(kCmdFilePrintSetup, [this] { report().OnFilePrintSetup(); });
    frame.setHandler(kCmdAppExit, [this] { frame_->close(); });
    frame.setHandler(kCmdReadFromRadio, [this] { view_->transfer().OnReadFromRadio(); });
    frame.setHandler(kCmdWriteToRadio, [this] { view_->transfer().OnWriteToRadio(); });
    frame.setHandler(kCmdEditData, [this] { view_->cells().OnEditData(); });
    frame.setHandler(kCmdTestMode, [this] {
        const SettingsPanel& panel = *view_->settingsPanel();
        TestModeDialog dialog(view_->portName(), panel.typeIndex(), panel.fieldIndex(), tones_,
                              frame_.get());
        dialog.exec();
    });
    frame.setHandler(kCmdTot, [this] {
        TotDialog dialog(document_.image(), frame_.get());
        dialog.exec();
        view_->sheet().recordChange();
    });
    frame.setHandler(kCmdPttId, [this] {
        PttIdDialog dialog(document_.image(), frame_.get());
        dialog.exec();
        view_->sheet().recordChange();
    });
    frame.setHandler(kCmdEmergencyCall, [this] {
        EmergencyDialog dialog(document_.image(), frame_.get());
        dialog.exec();
        view_->sheet().recordChange();
    });
    frame.setHandler(kCmdOptionFunction, [this] {
        OptionFunctionDialog dialog(document_.image(), view_);
        dialog.exec();
        view_->sheet().recordChange();
    });
    for (const PortCommand& port : kPortCommands) {
        const QString name =
            QString::fromLatin1(port.portName.data(), static_cast<qsizetype>(port.portName.size()));
        frame.setHandler(port.commandId, [this, name] { view_->setPortName(name); });
    }
    frame.setHandler(kCmdAppAbout, [this] { OnAppAbout(); });
}

// The printer is made when printing is first asked for: making it loads the print system,
// which the first window does not need.
ReportPrinting& CZolApp::report() {
    if (!report_)
        report_ = std::make_unique<ReportPrinting>(
            document_.image(), [this] { view_->EncodeImage(); },
            [this] { return document_.pathName(); }, frame_.get());
    return *report_;
}

void CZolApp::OnFileNew() {
    document_.OnNewDocument();
}

void CZolApp::OnFileOpen() {
    const QString path = askChannelFileName(frame_.get(), FileDialogMode::Open, {});
    if (!path.isEmpty())
        OpenDocumentFile(path);
}

bool CZolApp::OpenDocumentFile(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    if (isChannelListName(absolute))
        return openChannelList(absolute);
    const FileResult result = document_.OnOpenDocument(absolute);
    if (!result.ok) {
        ui::messageBox(fileFailure("open", result));
        return false;
    }
    addToRecentFiles(absolute);
    return true;
}

// A channel list makes a new untitled document, so it stays off the recent-file list.
bool CZolApp::openChannelList(const QString& path) {
    const ChannelListOpen result = document_.OnOpenChannelList(path, tones_);
    if (!result.file.ok) {
        ui::messageBox(fileFailure("open", result.file));
        return false;
    }
    if (const QString report = channelListReport(path, result); !report.isEmpty())
        ui::messageBox(report);
    return result.opened;
}

void CZolApp::OnFileSave() {
    if (document_.pathName().isEmpty())
        OnFileSaveAs();
    else
        DoSave(document_.pathName());
}

void CZolApp::OnFileSaveAs() {
    const QString initial = document_.pathName().isEmpty() ? kUntitled : document_.pathName();
    const QString path = askChannelFileName(frame_.get(), FileDialogMode::SaveAs, initial);
    if (!path.isEmpty())
        DoSave(QFileInfo(path).absoluteFilePath());
}

void CZolApp::DoSave(const QString& path) {
    const FileResult result = document_.OnSaveDocument(path);
    if (!result.ok) {
        ui::messageBox(fileFailure("save", result));
        return;
    }
    if (!isChannelListName(path))
        addToRecentFiles(path);
}

// Every recent file opens the standard way, so that the document takes that file's name
// and a later Save writes back to the file that was opened.
void CZolApp::OnOpenRecentFile(int index) {
    const QStringList& paths = recentFiles_.paths();
    if (index < 0 || index >= paths.size())
        return;
    if (!OpenDocumentFile(paths[index])) {
        recentFiles_.remove(index);
        frame_->setRecentFiles(recentFiles_.paths());
    }
}

void CZolApp::addToRecentFiles(const QString& path) {
    recentFiles_.add(path);
    frame_->setRecentFiles(recentFiles_.paths());
}

void CZolApp::OnAppAbout() {
    AboutDialog about(frame_.get());
    about.exec();
}

} // namespace quorl
