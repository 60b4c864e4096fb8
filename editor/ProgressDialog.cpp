#include "ProgressDialog.h"

#include "ControlId.h"
#include "DialogUnits.h"
#include "MessageBox.h"

#include <QDialog>
#include <QEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

namespace quorl {

const QString ProgressDialog::kInterruptedMessage =
    QStringLiteral("Communication had been interrupted,please try again");

namespace {

QFont dialogFont() {
    return ui::formFont(10);
}

template <typename Control>
Control* place(QWidget* parent, int id, const QRect& geometry, Control* control) {
    control->setParent(parent);
    ui::setControlId(control, id);
    control->setGeometry(geometry);
    return control;
}

// Centres the window's frame over the widget and keeps it on the widget's screen.
void centre(QWidget& window, const QWidget& over) {
    const QRect target(over.mapToGlobal(QPoint(0, 0)), over.size());
    QRect frame = window.frameGeometry();
    frame.moveCenter(target.center());
    if (const QScreen* screen = over.screen()) {
        const QRect area = screen->availableGeometry();
        frame.moveLeft(std::max(area.left(), std::min(frame.left(), area.right() - frame.width())));
        frame.moveTop(std::max(area.top(), std::min(frame.top(), area.bottom() - frame.height())));
    }
    window.move(frame.topLeft());
}

} // namespace

// The window itself: a fixed layout in dialog units of its own font, a caption and a close box.
class ProgressDialog::Window final : public QDialog {
public:
    Window(ProgressDialog& owner, const QString& caption)
        : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
          owner_(owner) {
        // An open progress window never keeps the program running once the main window closed.
        setAttribute(Qt::WA_QuitOnClose, false);
        setObjectName(QStringLiteral("Progress"));
        setFont(dialogFont());
        const ui::DialogUnits units(font());
        setFixedSize(units.size(260, 74));

        start = place(this, kIdStart, units.rect(7, 7, 32, 14),
                      new QPushButton(QStringLiteral("Start")));
        start->setDefault(true);
        cancel = place(this, kIdCancel, units.rect(194, 36, 39, 14),
                       new QPushButton(QStringLiteral("Cancel")));
        bar = place(this, kIdProgressBar, units.rect(7, 23, 226, 10), new QProgressBar);
        bar->setTextVisible(false);
        bar->setRange(0, kProgressMaximum);
        bar->setValue(0);
        auto* label = place(this, kIdProgressLabel, units.rect(7, 38, 47, 12),
                            new QLabel(QStringLiteral("Progress：")));
        label->setTextFormat(Qt::PlainText);
        status = place(this, kIdStatusLine, units.rect(48, 38, 142, 21),
                       new QLabel(QStringLiteral("   Not start yet")));
        status->setTextFormat(Qt::PlainText);
        status->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        status->setWordWrap(true);

        connect(start, &QPushButton::clicked, this, [this] { owner_.start(); });
        connect(cancel, &QPushButton::clicked, this, [this] { owner_.cancel(); });
        setWindowTitle(caption);
    }

    QPushButton* start;
    QPushButton* cancel;
    QProgressBar* bar;
    QLabel* status;

protected:
    // Escape and the close box end up here.
    void reject() override { owner_.cancel(); }

    void changeEvent(QEvent* event) override {
        QDialog::changeEvent(event);
        if (event->type() == QEvent::ActivationChange && !isActiveWindow())
            owner_.deactivated();
    }

    void moveEvent(QMoveEvent* event) override {
        QDialog::moveEvent(event);
        owner_.moved();
    }

private:
    ProgressDialog& owner_;
};

ProgressDialog::ProgressDialog() = default;

ProgressDialog::~ProgressDialog() = default;

void ProgressDialog::open(const QWidget& over) {
    // The previous window, closed by now, goes; its handlers are not on the stack here.
    window_ = std::make_unique<Window>(*this, captionText_);
    cancel_ = false;
    armed_ = true;
    interruptionShown_ = false;
    window_->show();
    // Only a shown window knows its frame.
    centre(*window_, over);
    window_->activateWindow();
}

void ProgressDialog::setCaptionText(const QString& text) {
    captionText_ = text;
    if (window_ && !transferStarted())
        window_->setWindowTitle(text);
}

bool ProgressDialog::isOpen() const {
    return window_ && !window_->isHidden();
}

QDialog* ProgressDialog::window() const {
    return isOpen() ? window_.get() : nullptr;
}

void ProgressDialog::setStatusText(const QString& text) {
    if (window_)
        window_->status->setText(text);
}

int ProgressDialog::stepProgress() {
    if (!window_)
        return 0;
    window_->bar->setValue(std::min(window_->bar->value() + 1, window_->bar->maximum()));
    return window_->bar->value();
}

void ProgressDialog::setProgressPosition(int position) {
    if (window_)
        window_->bar->setValue(position);
}

// The window is hidden, not destroyed: this may run inside one of its own handlers. The next
// opening replaces it.
void ProgressDialog::closeWindow() {
    if (window_)
        window_->hide();
}

void ProgressDialog::cancel() {
    cancel_ = true;
    if (!transferStarted())
        closeWindow();
}

void ProgressDialog::start() {
    startPosition_ = window_->frameGeometry().topLeft();
    window_->start->setEnabled(false);
    emit startPressed();
}

bool ProgressDialog::transferStarted() const {
    return window_ && !window_->start->isEnabled();
}

void ProgressDialog::deactivated() {
    if (!cancel_ && transferStarted() && armed_)
        interrupt();
}

// Only the frame counts: a window manager that decorates the window late shifts what is inside
// the frame, not the window.
void ProgressDialog::moved() {
    if (transferStarted() && window_->frameGeometry().topLeft() != startPosition_)
        interrupt();
}

// A drag brings many moves and leaving the window may follow one: the user hears about the
// interruption once per transfer.
void ProgressDialog::interrupt() {
    cancel_ = true;
    if (interruptionShown_)
        return;
    interruptionShown_ = true;
    ui::messageBox(kInterruptedMessage);
}

} // namespace quorl
