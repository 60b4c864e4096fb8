#pragma once

// A form view of a document in a window of its own, ready to read and write a radio: the
// quorl-radio-sim program on a pseudo-terminal behind a port name, or a simulated radio on a
// virtual-time line. Message boxes are noted and answered from a queue (OK; Cancel on Retry/Cancel
// once the queue is empty); like a real box, each takes the activation from the progress window
// while it is up and gives it back when answered.

#include "CZolDoc.h"
#include "CZolView.h"
#include "ChannelCodec.h"
#include "IsolatedBackups.h"
#include "MessageBox.h"
#include "RadioImage.h"
#include "RadioSimProcess.h"
#include "ToneTable.h"
#include "Trace.h"
#include "TransferController.h"
#include "VirtualClock.h"
#include "VirtualPacer.h"

#include <QMainWindow>
#include <QStringList>

#include <deque>
#include <functional>
#include <vector>

using namespace quorl;

class QDialog;
class QLabel;
class QProgressBar;
class QPushButton;

// Notes what the progress dialog's status line and bar showed each time they were painted.
class PaintWatcher : public QObject {
public:
    explicit PaintWatcher(const QDialog* window);

    QStringList statusTexts; // one entry per paint of the status line
    QList<int> barPositions; // one entry per paint of the bar
    // How many progress positions the status line painted.
    int statusPositionsPainted() const;
    // The most the bar moved between two of its paints, counted from 0. The bar repaints when
    // its drawing changes, not at every position.
    int largestBarStep() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* status_;
    QProgressBar* bar_;
};

// Starts quorl-radio-sim with these arguments and points the port name at its terminal;
// false when it did not start.
bool startRadioOn(quorl::testkit::RadioSimProcess& radio, const QStringList& arguments,
                  const char* portName = "COM1");
// The open progress window, or null.
QDialog* progressWindow();
// Runs the action inside the transfer's pumping once the open progress window's bar reaches the
// position.
void runAtProgress(int position, std::function<void()> action);

struct ShownMessage {
    QString text;
    quorl::ui::MessageButtons buttons;
};

class TransferFixture {
public:
    TransferFixture();
    ~TransferFixture();
    TransferFixture(const TransferFixture&) = delete;
    TransferFixture& operator=(const TransferFixture&) = delete;

    bool startRadio(const QStringList& arguments, const char* portName = "COM1") {
        return startRadioOn(radio, arguments, portName);
    }
    // Transfers skip their pauses from now on.
    void skipPauses() { view->transfer().setLine(nullptr, &noPauses); }

    // Presses Start in the open progress window and waits until the transfer has closed it.
    bool runTransfer(int timeoutMs = 10000);
    QPushButton* dialogButton(int id) const;

    // The channel cells as the table shows them, and as a sheet would show them.
    QStringList tableTexts() const;
    static QStringList sheetTexts(const quorl::ChannelSheet& sheet);
    // One channel's cells, as the user would type them and as a sheet holds them.
    void typeChannel(int row, const QStringList& cells);
    static QStringList channelTexts(const quorl::ChannelSheet& sheet, int row);
    QStringList messageTexts() const;

    IsolatedBackups backups;
    quorl::ToneTable tones;
    quorl::CZolDoc document;
    quorl::RadioImage& image = document.image();
    QMainWindow frame;
    CZolView* view;
    quorl::testkit::RadioSimProcess radio;
    quorl::testkit::VirtualClock clock;
    quorl::testkit::Trace trace;
    quorl::testkit::VirtualPacer noPauses{clock, trace};
    std::vector<ShownMessage> messages;
    std::deque<quorl::ui::MessageAnswer> answers;

private:
    quorl::ui::MessageHook previousHook_;
};
