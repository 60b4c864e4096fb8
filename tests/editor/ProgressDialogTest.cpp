// The progress dialog on its own: its window, Start, the three ways to cancel, and the
// interruption rules for leaving or moving it while a transfer runs.

#include "ProgressDialog.h"
#include "DialogUnits.h"
#include "FindControl.h"
#include "MessageRecorder.h"

#include <QDialog>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTest>

using namespace quorl;

namespace {

// Stands in for the view: counts the transfer requests Start posts.
class Owner : public QObject {
public:
    int requests = 0;
};

enum class CancelWay { Button, Escape, CloseBox };

void cancelBy(QDialog* window, CancelWay way) {
    switch (way) {
    case CancelWay::Button:
        QTest::mouseClick(test::findControl(window, ProgressDialog::kIdCancel), Qt::LeftButton);
        break;
    case CancelWay::Escape:
        QTest::keyClick(window, Qt::Key_Escape);
        break;
    case CancelWay::CloseBox:
        window->close();
        break;
    }
}

} // namespace

Q_DECLARE_METATYPE(CancelWay)

class ProgressDialogTest : public QObject {
    Q_OBJECT

private:
    Owner owner;
    std::unique_ptr<ProgressDialog> dialog;
    std::unique_ptr<QWidget> table; // what the dialog opens over
    std::unique_ptr<ui::MessageRecorder> messages;

    QDialog* window() const { return dialog->window(); }
    template <typename T> T* control(int id) const { return test::findControl<T>(window(), id); }
    QPushButton* startButton() const { return control<QPushButton>(ProgressDialog::kIdStart); }

    void openAndStart() {
        dialog->open(*table);
        QVERIFY(QTest::qWaitForWindowActive(window()));
        QTest::mouseClick(startButton(), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(&owner);
        QCOMPARE(owner.requests, 1);
    }

private slots:
    void init() {
        owner.requests = 0;
        dialog = std::make_unique<ProgressDialog>();
        connect(
            dialog.get(), &ProgressDialog::startPressed, &owner, [this] { ++owner.requests; },
            Qt::QueuedConnection);
        dialog->setCaptionText(QStringLiteral("Reading Data Progress"));
        table = std::make_unique<QWidget>();
        table->setGeometry(100, 120, 600, 400);
        table->show();
        messages = std::make_unique<ui::MessageRecorder>();
    }
    void cleanup() {
        messages.reset();
        dialog.reset();
        table.reset();
    }

    void windowFollowsTheTemplate() {
        dialog->open(*table);
        QVERIFY(window());
        QCOMPARE(window()->windowTitle(), "Reading Data Progress");
        QCOMPARE(window()->font().family(), "Times New Roman");
        QCOMPARE(window()->font().pointSize(), 10);
        const ui::DialogUnits units(QFont(QStringLiteral("Times New Roman"), 10));
        QCOMPARE(window()->size(), units.size(260, 74));
        QVERIFY(window()->windowFlags() & Qt::WindowCloseButtonHint);
        QVERIFY(!window()->parentWidget());

        struct Expected {
            int id;
            const char* kind;
            QString text;
            QRect rect;
        };
        const Expected controls[] = {
            {1, "QPushButton", "Start", units.rect(7, 7, 32, 14)},
            {2, "QPushButton", "Cancel", units.rect(194, 36, 39, 14)},
            {1003, "QProgressBar", {}, units.rect(7, 23, 226, 10)},
            {1004, "QLabel", "Progress：", units.rect(7, 38, 47, 12)},
            {1005, "QLabel", "   Not start yet", units.rect(48, 38, 142, 21)},
        };
        for (const Expected& expected : controls) {
            QWidget* widget = test::findControl(window(), expected.id);
            QVERIFY2(widget, qPrintable(QString::number(expected.id)));
            QCOMPARE(widget->metaObject()->className(), expected.kind);
            QCOMPARE(widget->geometry(), expected.rect);
            if (auto* button = qobject_cast<QPushButton*>(widget))
                QCOMPARE(button->text(), expected.text);
            if (auto* label = qobject_cast<QLabel*>(widget))
                QCOMPARE(label->text(), expected.text);
        }
        QVERIFY(startButton()->isDefault());
    }

    void staysOnTheScreenOverATableOffIt() {
        const QRect screen = table->screen()->availableGeometry();
        table->move(screen.right() - 50, screen.bottom() - 50);
        dialog->open(*table);
        QVERIFY(screen.contains(window()->frameGeometry()));
    }

    // Each opening starts afresh, whatever the last window went through.
    void everyOpeningStartsAfresh() {
        openAndStart();
        for (int i = 0; i < 5; ++i)
            dialog->stepProgress();
        dialog->setStatusText(QStringLiteral("5"));
        dialog->cancel();
        dialog->disarmGuard();
        dialog->closeWindow();
        QVERIFY(!dialog->isOpen());

        dialog->setCaptionText(QStringLiteral("Writing Data Progress"));
        dialog->open(*table);
        QVERIFY(dialog->isOpen());
        QCOMPARE(window()->windowTitle(), "Writing Data Progress");
        auto* bar = control<QProgressBar>(ProgressDialog::kIdProgressBar);
        QCOMPARE(bar->minimum(), 0);
        QCOMPARE(bar->maximum(), 1022);
        QCOMPARE(bar->value(), 0);
        QVERIFY(startButton()->isEnabled());
        QCOMPARE(control<QLabel>(ProgressDialog::kIdStatusLine)->text(), "   Not start yet");
        QVERIFY(!dialog->cancelRequested());
        // The guard is up again: leaving the started window interrupts.
        QVERIFY(QTest::qWaitForWindowActive(window()));
        QTest::mouseClick(startButton(), Qt::LeftButton);
        table->activateWindow();
        QVERIFY(QTest::qWaitFor([&] { return !window()->isActiveWindow(); }));
        QCOMPARE(messages->texts(), QStringList{ProgressDialog::kInterruptedMessage});
    }

    // A Read or Write command that finds the window waiting names the transfer Start will now
    // run; a running transfer keeps its caption.
    void captionNamesTheTransferStartRuns() {
        dialog->open(*table);
        dialog->setCaptionText(QStringLiteral("Writing Data Progress"));
        QCOMPARE(window()->windowTitle(), "Writing Data Progress");
        QTest::mouseClick(startButton(), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(&owner);
        dialog->setCaptionText(QStringLiteral("Reading Data Progress"));
        QCOMPARE(window()->windowTitle(), "Writing Data Progress");
    }

    void progressStopsAtItsEnd() {
        dialog->open(*table);
        int position = 0;
        for (int i = 0; i < 1030; ++i)
            position = dialog->stepProgress();
        QCOMPARE(position, 1022);
        QCOMPARE(control<QProgressBar>(ProgressDialog::kIdProgressBar)->value(), 1022);
    }

    // Start, by click or by Enter, disables itself for good and posts one request.
    void startPostsOneRequest_data() {
        QTest::addColumn<bool>("byEnter");
        QTest::newRow("click") << false;
        QTest::newRow("Enter") << true;
    }
    void startPostsOneRequest() {
        QFETCH(bool, byEnter);
        dialog->open(*table);
        QVERIFY(QTest::qWaitForWindowActive(window()));
        for (int press = 0; press < 2; ++press) {
            if (byEnter)
                QTest::keyClick(window(), Qt::Key_Return);
            else
                QTest::mouseClick(startButton(), Qt::LeftButton);
        }
        QCoreApplication::sendPostedEvents(&owner);
        QCOMPARE(owner.requests, 1);
        QVERIFY(!startButton()->isEnabled());
        QVERIFY(dialog->isOpen());
    }

    void cancelBeforeStartClosesAtOnce_data() {
        QTest::addColumn<CancelWay>("way");
        QTest::newRow("Cancel") << CancelWay::Button;
        QTest::newRow("Escape") << CancelWay::Escape;
        QTest::newRow("close box") << CancelWay::CloseBox;
    }
    void cancelBeforeStartClosesAtOnce() {
        QFETCH(CancelWay, way);
        dialog->open(*table);
        QVERIFY(QTest::qWaitForWindowActive(window()));
        cancelBy(window(), way);
        QVERIFY(!dialog->isOpen());
        QVERIFY(dialog->cancelRequested());
        QCoreApplication::sendPostedEvents(&owner);
        QCOMPARE(owner.requests, 0);
        QVERIFY(messages->texts().isEmpty());
    }

    // The running transfer sees the flag and closes the window itself.
    void cancelDuringATransferOnlyRaisesTheFlag_data() { cancelBeforeStartClosesAtOnce_data(); }
    void cancelDuringATransferOnlyRaisesTheFlag() {
        QFETCH(CancelWay, way);
        openAndStart();
        cancelBy(window(), way);
        QVERIFY(dialog->cancelRequested());
        QVERIFY(dialog->isOpen());
        QVERIFY(messages->texts().isEmpty());
    }

    void leavingTheWindow_data() {
        QTest::addColumn<bool>("started");
        QTest::addColumn<bool>("armed");
        QTest::addColumn<bool>("cancelled");
        QTest::addColumn<bool>("interrupted");
        QTest::newRow("during a transfer") << true << true << false << true;
        QTest::newRow("before Start") << false << true << false << false;
        QTest::newRow("guard disarmed") << true << false << false << false;
        QTest::newRow("already cancelled") << true << true << true << false;
    }
    void leavingTheWindow() {
        QFETCH(bool, started);
        QFETCH(bool, armed);
        QFETCH(bool, cancelled);
        QFETCH(bool, interrupted);
        if (started)
            openAndStart();
        else
            dialog->open(*table);
        QVERIFY(QTest::qWaitForWindowActive(window()));
        if (!armed)
            dialog->disarmGuard();
        if (cancelled)
            cancelBy(window(), CancelWay::Button);

        table->activateWindow();
        QVERIFY(QTest::qWaitFor([&] { return !window()->isActiveWindow(); }));
        // Back and away again: still one message.
        window()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window()));
        table->activateWindow();
        QVERIFY(QTest::qWaitFor([&] { return !window()->isActiveWindow(); }));

        const QStringList expected =
            interrupted ? QStringList{ProgressDialog::kInterruptedMessage} : QStringList{};
        QCOMPARE(messages->texts(), expected);
        QCOMPARE(dialog->cancelRequested(), interrupted || cancelled);
        QVERIFY(dialog->isOpen());
    }

    void movingTheWindow_data() {
        QTest::addColumn<bool>("started");
        QTest::addColumn<bool>("armed");
        QTest::addColumn<bool>("interrupted");
        QTest::newRow("during a transfer") << true << true << true;
        QTest::newRow("guard disarmed") << true << false << true;
        QTest::newRow("before Start") << false << true << false;
    }
    void movingTheWindow() {
        QFETCH(bool, started);
        QFETCH(bool, armed);
        QFETCH(bool, interrupted);
        if (started)
            openAndStart();
        else
            dialog->open(*table);
        if (!armed)
            dialog->disarmGuard();
        // A drag moves the window many times.
        for (int step = 1; step <= 3; ++step) {
            window()->move(window()->pos() + QPoint(10, 5));
            QCoreApplication::processEvents();
        }
        const QStringList expected =
            interrupted ? QStringList{ProgressDialog::kInterruptedMessage} : QStringList{};
        QCOMPARE(messages->texts(), expected);
        QCOMPARE(dialog->cancelRequested(), interrupted);
        QVERIFY(dialog->isOpen());
    }
};

QTEST_MAIN(ProgressDialogTest)
#include "ProgressDialogTest.moc"
