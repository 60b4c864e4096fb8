#include "TransferFixture.h"

#include "CMSFlexGrid.h"
#include "DocumentView.h"
#include "FindControl.h"
#include "ProgressDialog.h"

#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

#include <set>

using namespace quorl;

namespace {
constexpr const char* kPortVariables[] = {"QUORL_COM1", "QUORL_COM2", "QUORL_COM3", "QUORL_COM4"};
}

TransferFixture::TransferFixture() {
    frame.resize(800, 1100);
    view = new CZolView(image, tones);
    connectDocumentAndView(document, *view);
    frame.setCentralWidget(view);
    frame.show();
    view->OnInitialUpdate();
    // Ports nobody mapped lead nowhere, whatever this machine has.
    for (const char* variable : kPortVariables)
        qputenv(variable, "/nonexistent/quorl-port");
    previousHook_ = ui::setMessageHook([this](const QString& text, ui::MessageButtons buttons) {
        messages.push_back({text, buttons});
        const QPointer<QDialog> progress = progressWindow();
        const bool tookActivation = progress && progress->isActiveWindow();
        if (tookActivation) {
            frame.activateWindow();
            // A wait that fails shows in the messages every test compares.
            if (!QTest::qWaitFor([progress] { return !progress || !progress->isActiveWindow(); }))
                messages.push_back({QStringLiteral("(the progress window kept the activation)"),
                                    ui::MessageButtons::Ok});
        }
        ui::MessageAnswer answer = buttons == ui::MessageButtons::RetryCancel
                                       ? ui::MessageAnswer::Cancel
                                       : ui::MessageAnswer::Ok;
        if (!answers.empty()) {
            answer = answers.front();
            answers.pop_front();
        }
        if (tookActivation && progress && progress->isVisible()) {
            progress->activateWindow();
            if (!QTest::qWaitForWindowActive(progress))
                messages.push_back({QStringLiteral("(the progress window did not get the "
                                                   "activation back)"),
                                    ui::MessageButtons::Ok});
        }
        return answer;
    });
}

TransferFixture::~TransferFixture() {
    ui::setMessageHook(std::move(previousHook_));
    for (const char* variable : kPortVariables)
        qunsetenv(variable);
}

bool startRadioOn(testkit::RadioSimProcess& radio, const QStringList& arguments,
                  const char* portName) {
    const QString terminal = radio.start(arguments);
    if (terminal.isEmpty())
        return false;
    const QByteArray variable = QByteArray("QUORL_") + portName;
    qputenv(variable.constData(), QFile::encodeName(terminal));
    return true;
}

bool TransferFixture::runTransfer(int timeoutMs) {
    QDialog* window = progressWindow();
    if (!window || !QTest::qWaitForWindowActive(window))
        return false;
    QTest::mouseClick(dialogButton(ProgressDialog::kIdStart), Qt::LeftButton);
    return QTest::qWaitFor([] { return !progressWindow(); }, timeoutMs);
}

QPushButton* TransferFixture::dialogButton(int id) const {
    QDialog* window = progressWindow();
    return window ? test::findControl<QPushButton>(window, id) : nullptr;
}

QDialog* progressWindow() {
    return test::findWindow<QDialog>(QStringLiteral("Progress"));
}

void runAtProgress(int position, std::function<void()> action) {
    auto* bar = test::findControl<QProgressBar>(progressWindow(), ProgressDialog::kIdProgressBar);
    QObject::connect(bar, &QProgressBar::valueChanged, bar, [bar, position, action](int value) {
        if (value == position)
            QMetaObject::invokeMethod(bar, action, Qt::QueuedConnection);
    });
}

QStringList TransferFixture::tableTexts() const {
    QStringList texts;
    for (int row = 1; row <= kChannelCount; ++row)
        for (int column = kColReceive; column < kChannelColumns; ++column)
            texts.append(view->grid()->TextMatrix(row, column));
    return texts;
}

QStringList TransferFixture::sheetTexts(const ChannelSheet& sheet) {
    QStringList texts;
    for (int row = 1; row <= kChannelCount; ++row)
        texts += channelTexts(sheet, row);
    return texts;
}

void TransferFixture::typeChannel(int row, const QStringList& cells) {
    for (int i = 0; i < cells.size(); ++i)
        view->grid()->SetTextMatrix(row, kColReceive + i, cells[i]);
}

QStringList TransferFixture::channelTexts(const ChannelSheet& sheet, int row) {
    QStringList texts;
    for (int column = kColReceive; column < kChannelColumns; ++column)
        texts.append(QString::fromLatin1(QByteArray::fromStdString(sheet.cell(row, column))));
    return texts;
}

QStringList TransferFixture::messageTexts() const {
    QStringList texts;
    for (const ShownMessage& message : messages)
        texts.append(message.text);
    return texts;
}

PaintWatcher::PaintWatcher(const QDialog* window)
    : status_(test::findControl<QLabel>(window, ProgressDialog::kIdStatusLine)),
      bar_(test::findControl<QProgressBar>(window, ProgressDialog::kIdProgressBar)) {
    status_->installEventFilter(this);
    bar_->installEventFilter(this);
}

bool PaintWatcher::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint) {
        if (watched == status_)
            statusTexts.append(status_->text());
        else if (watched == bar_)
            barPositions.append(bar_->value());
    }
    return false;
}

int PaintWatcher::statusPositionsPainted() const {
    std::set<int> positions;
    for (const QString& text : statusTexts) {
        bool number = false;
        const int position = text.toInt(&number);
        if (number && position > 0)
            positions.insert(position);
    }
    return static_cast<int>(positions.size());
}

int PaintWatcher::largestBarStep() const {
    int last = 0;
    int largest = 0;
    for (int position : barPositions) {
        largest = std::max(largest, position - last);
        last = position;
    }
    return largest;
}
