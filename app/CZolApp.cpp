#include "CZolApp.h"

#include "AboutDialog.h"
#include "CMainFrame.h"
#include "CZolView.h"
#include "CommandLine.h"
#include "CommandTable.h"
#include "DeferredIconStyle.h"
#include "FileDialogs.h"
#include "FileNames.h"
#include "Icons.h"
#include "MessageBox.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

using namespace quorl;

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
    document_.setView(view_);
    routeCommands();
    frame_->setRecentFiles(recentFiles_.paths());

    // Printing a file named with /p or /pt arrives with the report; until then it is opened.
    const ShellCommand command = parseCommandLine(arguments);
    if (command.kind == ShellCommand::FileNew)
        OnFileNew();
    else if (!OpenDocumentFile(command.fileName))
        return false;

    frame_->setWindowIcon(applicationIcon());
    frame_->show();
    frame_->setAcceptDrops(true);
    connect(frame_.get(), &CMainFrame::filesDropped, this, [this](const QStringList& paths) {
        afterTransfer([this, paths] {
            for (const QString& path : paths)
                OpenDocumentFile(path);
        })();
    });
    return true;
}

void CZolApp::routeCommands() {
    CMainFrame& frame = *frame_;
    frame.setHandler(kCmdFileNew, afterTransfer([this] { OnFileNew(); }));
    frame.setHandler(kCmdFileOpen, afterTransfer([this] { OnFileOpen(); }));
    frame.setHandler(kCmdFileSave, [this] { OnFileSave(); });
    frame.setHandler(kCmdFileSaveAs, [this] { OnFileSaveAs(); });
    for (int i = 0; i < kRecentFileCount; ++i)
        frame.setHandler(kCmdFileRecent1 + i, afterTransfer([this, i] { OnOpenRecentFile(i); }));
    frame.setHandler(kCmdAppExit, [this] { frame_->close(); });
    frame.setHandler(kCmdReadFromRadio, [this] { view_->OnReadFromRadio(); });
    frame.setHandler(kCmdWriteToRadio, [this] { view_->OnWriteToRadio(); });
    frame.setHandler(kCmdEditData, [this] { view_->OnEditData(); });
    for (const PortCommand& port : kPortCommands) {
        const QString name =
            QString::fromLatin1(port.portName.data(), static_cast<qsizetype>(port.portName.size()));
        frame.setHandler(port.commandId, [this, name] { view_->setPortName(name); });
    }
    frame.setHandler(kCmdAppAbout, [this] { OnAppAbout(); });
}

// The image stays put while a transfer fills or sends it: a command that replaces the document
// ends the transfer first and runs once the port is closed.
std::function<void()> CZolApp::afterTransfer(std::function<void()> job) {
    return [this, job = std::move(job)] { view_->runAfterTransfer(job); };
}

void CZolApp::OnFileNew() {
    document_.OnNewDocument();
    view_->OnInitialUpdate();
}

void CZolApp::OnFileOpen() {
    const QString path = askChannelFileName(frame_.get(), FileDialogMode::Open, {});
    if (!path.isEmpty())
        OpenDocumentFile(path);
}

bool CZolApp::OpenDocumentFile(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    const FileResult result = document_.OnOpenDocument(absolute);
    if (!result.ok) {
        ui::messageBox(fileFailure("open", result));
        return false;
    }
    addToRecentFiles(absolute);
    view_->OnInitialUpdate();
    return true;
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
