// The event pumping of a transfer under the keyboard policy: windows keep working, keyboard
// shortcuts and dialog keys do not, and a message box opened inside a pass keeps its keys.

#include "TransferPump.h"

#include <QAction>
#include <QDialog>
#include <QKeyEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

using namespace quorl;

namespace {

// A control that keeps the keys it is given.
class KeyTaker : public QWidget {
public:
    QList<QKeyCombination> keys;

protected:
    void keyPressEvent(QKeyEvent* event) override { keys.append(event->keyCombination()); }
};

void postKey(QWidget* to, QKeyCombination key) {
    QCoreApplication::postEvent(
        to, new QKeyEvent(QEvent::KeyPress, key.key(), key.keyboardModifiers()));
    QCoreApplication::postEvent(
        to, new QKeyEvent(QEvent::KeyRelease, key.key(), key.keyboardModifiers()));
}

} // namespace

class TransferPumpTest : public QObject {
    Q_OBJECT

private slots:
    void keysDuringAPass_data() {
        QTest::addColumn<bool>("inPass");
        QTest::newRow("inside a pass") << true;
        QTest::newRow("outside the passes") << false;
    }
    void keysDuringAPass() {
        QFETCH(bool, inPass);
        QDialog window;
        auto* layout = new QVBoxLayout(&window);
        auto* taker = new KeyTaker;
        taker->setFocusPolicy(Qt::StrongFocus);
        layout->addWidget(taker);
        auto* other = new QPushButton(QStringLiteral("Other"));
        layout->addWidget(other);
        auto* defaultButton = new QPushButton(QStringLiteral("Default"));
        defaultButton->setDefault(true);
        layout->addWidget(defaultButton);
        int triggered = 0;
        auto* action = new QAction(&window);
        action->setShortcut(Qt::CTRL | Qt::Key_R);
        window.addAction(action);
        connect(action, &QAction::triggered, this, [&] { ++triggered; });
        int clicked = 0;
        connect(defaultButton, &QPushButton::clicked, this, [&] { ++clicked; });
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        taker->setFocus();

        TransferPump pump;
        for (QKeyCombination key : {Qt::CTRL | Qt::Key_R, QKeyCombination(Qt::Key_Tab),
                                    QKeyCombination(Qt::Key_Return), QKeyCombination(Qt::Key_A)})
            postKey(taker, key);
        if (inPass)
            pump.pass();
        else
            QCoreApplication::processEvents();

        if (inPass) {
            QCOMPARE(triggered, 0);
            QCOMPARE(clicked, 0);
            QVERIFY(taker->hasFocus());
            // The shortcut's key reaches the control as a key; the dialog keys go nowhere.
            const QList<QKeyCombination> expected{Qt::CTRL | Qt::Key_R, QKeyCombination(Qt::Key_A)};
            QCOMPARE(taker->keys, expected);
        } else {
            QCOMPARE(triggered, 1);
            QVERIFY(!taker->hasFocus());
        }

        postKey(&window, QKeyCombination(Qt::Key_Escape));
        if (inPass)
            pump.pass();
        else
            QCoreApplication::processEvents();
        QCOMPARE(window.isVisible(), inPass);
    }

    void messageBoxInsideAPassKeepsItsKeys() {
        QWidget window;
        TransferPump pump;
        int result = -1;
        QTimer::singleShot(0, this, [&] {
            QDialog box(&window);
            auto* ok = new QPushButton(QStringLiteral("OK"), &box);
            ok->setDefault(true);
            connect(ok, &QPushButton::clicked, &box, &QDialog::accept);
            box.setModal(true);
            QTimer::singleShot(0, &box, [&] { postKey(&box, QKeyCombination(Qt::Key_Return)); });
            // Should Return not reach the box, the test fails instead of hanging.
            QTimer::singleShot(5000, &box, &QDialog::reject);
            result = box.exec();
        });
        for (int pass = 0; pass < 100 && result < 0; ++pass)
            pump.pass();
        QCOMPARE(result, int(QDialog::Accepted));
    }
};

QTEST_MAIN(TransferPumpTest)
#include "TransferPumpTest.moc"
