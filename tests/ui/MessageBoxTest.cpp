#include "MessageBox.h"
#include "MessageRecorder.h"
#include "UiTests.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

using namespace quorl::ui;

Q_DECLARE_METATYPE(quorl::ui::MessageButtons)
Q_DECLARE_METATYPE(quorl::ui::MessageAnswer)

namespace {

struct SeenBox {
    QString title;
    QString text;
    QStringList buttons;
    int width = 0;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool found = false;
};

// Waits for the modal box, notes what it shows, then clicks the button with this text (or
// presses Escape when the text is empty).
void answerWhenShown(SeenBox& seen, const QString& click) {
    QTimer::singleShot(0, [&seen, click] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            answerWhenShown(seen, click);
            return;
        }
        seen.found = true;
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.width = box->width();
        seen.icon = box->icon();
        for (QAbstractButton* button : box->buttons())
            seen.buttons.append(button->text().remove(u'&'));
        if (click.isEmpty()) {
            QTest::keyClick(box, Qt::Key_Escape);
            return;
        }
        for (QAbstractButton* button : box->buttons())
            if (button->text().remove(u'&') == click)
                QTest::mouseClick(button, Qt::LeftButton);
    });
}

} // namespace

void MessageBoxTest::realBoxCarriesTitleAndButtons_data() {
    QTest::addColumn<MessageButtons>("buttons");
    QTest::addColumn<QString>("click");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<MessageAnswer>("answer");
    const QStringList ok{"OK"};
    const QStringList retryCancel{"Retry", "Cancel"};
    QTest::newRow("ok") << MessageButtons::Ok << "OK" << ok << MessageAnswer::Ok;
    QTest::newRow("ok escape") << MessageButtons::Ok << "" << ok << MessageAnswer::Ok;
    QTest::newRow("retry") << MessageButtons::RetryCancel << "Retry" << retryCancel
                           << MessageAnswer::Retry;
    QTest::newRow("cancel") << MessageButtons::RetryCancel << "Cancel" << retryCancel
                            << MessageAnswer::Cancel;
    QTest::newRow("retry escape") << MessageButtons::RetryCancel << "" << retryCancel
                                  << MessageAnswer::Cancel;
}

void MessageBoxTest::realBoxCarriesTitleAndButtons() {
    QFETCH(MessageButtons, buttons);
    QFETCH(QString, click);
    QFETCH(QStringList, shown);
    QFETCH(MessageAnswer, answer);

    SeenBox seen;
    answerWhenShown(seen, click);
    const QString text = QStringLiteral("Out of range，Please input again");
    QCOMPARE(messageBox(text, buttons), answer);
    QVERIFY(seen.found);
    QCOMPARE(seen.title, QStringLiteral("QUORL  Programming Software"));
    QCOMPARE(seen.text, text);
    std::sort(seen.buttons.begin(), seen.buttons.end());
    std::sort(shown.begin(), shown.end());
    QCOMPARE(seen.buttons, shown);
    // A warning, the Retry/Cancel box of a communication error included.
    QCOMPARE(seen.icon, QMessageBox::Warning);
    // The whole title fits in the title bar beside its icon and close button.
    const int titleWidth = QFontMetrics(QApplication::font()).horizontalAdvance(seen.title);
    QVERIFY2(seen.width >= titleWidth + 64, qPrintable(QString::number(seen.width)));
}

void MessageBoxTest::hookRecordsAndAnswers() {
    // Should a box open after all, it is closed at once and counted.
    int shown = 0;
    QTimer guard;
    QObject::connect(&guard, &QTimer::timeout, [&shown] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            ++shown;
            box->reject();
        }
    });
    guard.start(0);
    MessageRecorder recorder;
    recorder.queueAnswer(MessageAnswer::Retry);
    QCOMPARE(messageBox("first", MessageButtons::RetryCancel), MessageAnswer::Retry);
    // With the queue empty a Retry/Cancel box is cancelled and an OK box confirmed.
    QCOMPARE(messageBox("second", MessageButtons::RetryCancel), MessageAnswer::Cancel);
    QCOMPARE(messageBox("third"), MessageAnswer::Ok);
    QCOMPARE(recorder.texts(), QStringList({"first", "second", "third"}));
    QCOMPARE(recorder.buttons(),
             QList<MessageButtons>(
                 {MessageButtons::RetryCancel, MessageButtons::RetryCancel, MessageButtons::Ok}));
    QCOMPARE(shown, 0);
}

void MessageBoxTest::recorderRestoresPreviousHook() {
    MessageRecorder outer;
    {
        MessageRecorder inner;
        messageBox("inner");
        QCOMPARE(inner.texts(), QStringList{"inner"});
    }
    messageBox("outer");
    QCOMPARE(outer.texts(), QStringList{"outer"});
}
