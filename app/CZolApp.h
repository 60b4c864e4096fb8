#pragma once

// The application: builds the tone table, keeps the recent-file list, creates the one
// document, frame and view, runs the command line, and serves the file commands.

#include "CZolDoc.h"
#include "RecentFileList.h"
#include "ToneTable.h"

#include <QObject>
#include <QStringList>

#include <functional>
#include <memory>

namespace quorl {

class CMainFrame;
class CZolView;
class ReportPrinting;

class CZolApp : public QObject {
    Q_OBJECT

public:
    // Where the settings storage keeps the recent-file list.
    static const QString kSettingsKey;

    CZolApp();
    ~CZolApp() override;

    // Starts the program with the arguments that follow the program name. False when a file
    // named there cannot be opened: the program then ends.
    bool InitInstance(const QStringList& arguments);
    // What the program ends with when InitInstance says to end: 0 after printing a file
    // named with /p or /pt, 2 for a print switch without a file, otherwise 1.
    int exitCode() const { return exitCode_; }

    CMainFrame* mainFrame() const { return frame_.get(); }
    CZolView* view() const { return view_; }
    CZolDoc& document() { return document_; }

    void OnFileNew();
    void OnFileOpen();
    // Opens a file the standard way: load, redisplay, recent-file list; a channel list (".csv")
    // makes a new untitled document. A failure is reported with the file's name and reason
    // and changes nothing.
    bool OpenDocumentFile(const QString& path);
    void OnFileSave();
    void OnFileSaveAs();
    void OnOpenRecentFile(int index);
    void OnAppAbout();

private:
    void routeCommands();
    ReportPrinting& report();
    void DoSave(const QString& path);
    bool openChannelList(const QString& path);
    void addToRecentFiles(const QString& path);

    quorl::ToneTable tones_;
    quorl::RecentFileList recentFiles_;
    CZolDoc document_;
    std::unique_ptr<CMainFrame> frame_;
    CZolView* view_ = nullptr;
    std::unique_ptr<ReportPrinting> report_;
    int exitCode_ = 1;
};

} // namespace quorl
