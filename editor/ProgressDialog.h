#pragma once

// The small modeless window in which every read and write of the radio is started, watched and
// cancelled. The object lives as long as the view that owns it; its window, named "Progress", is
// created anew for each transfer and closed when the transfer ends, whatever the reason.
//
// Nothing goes to the radio until Start: Start emits startPressed() and stays disabled for the
// rest of the window's life. While a transfer runs, moving the window
// or (with the guard armed) leaving it counts as an interruption that cancels the transfer.

#include <QObject>
#include <QPoint>
#include <QString>

#include <memory>

class QDialog;
class QWidget;

namespace quorl {

// The progress bar runs from 0 to this, one step per block.
constexpr int kProgressMaximum = 1022;

class ProgressDialog final : public QObject {
    Q_OBJECT

public:
    enum ControlId : int {
        kIdStart = 1,
        kIdCancel = 2,
        kIdProgressBar = 1003,
        kIdProgressLabel = 1004,
        kIdStatusLine = 1005,
    };

    static const QString kInterruptedMessage;

    ProgressDialog();
    ~ProgressDialog() override;
    ProgressDialog(const ProgressDialog&) = delete;
    ProgressDialog& operator=(const ProgressDialog&) = delete;

    // The caption of the next window to open, and of the open one while it waits for Start: it
    // names the transfer Start will run. A running transfer keeps its own.
    void setCaptionText(const QString& text);

    // Creates a fresh window centred over `over` and shows it: empty bar, Start enabled, the
    // cancel flag clear and the guard armed.
    void open(const QWidget& over);
    bool isOpen() const;
    // The open window, or null.
    QDialog* window() const;

    // What a transfer uses.
    void setStatusText(const QString& text);
    // One step along the bar, never past its end; returns the new position.
    int stepProgress();
    void setProgressPosition(int position);
    bool cancelRequested() const { return cancel_; }
    void armGuard() { armed_ = true; }
    void disarmGuard() { armed_ = false; }
    void closeWindow();

    // Cancel, Escape or the close box: raises the cancel flag; before Start it also closes
    // the window, after Start the running transfer closes it at its next pumping pass.
    void cancel();

signals:
    // Start was pressed. The transfer runs once the button's own handling is over: connect it
    // queued, as the request has always been posted.
    void startPressed();

private:
    class Window;

    void start();
    void deactivated();
    void moved();
    void interrupt();
    bool transferStarted() const;

    std::unique_ptr<Window> window_;
    QString captionText_;
    QPoint startPosition_; // of the frame, when Start was pressed
    bool cancel_ = false;
    bool armed_ = false;
    bool interruptionShown_ = false;
};

} // namespace quorl
