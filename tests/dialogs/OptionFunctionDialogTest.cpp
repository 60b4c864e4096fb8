// The Option Function dialog's number edits: digits only, and a range check when one is left.

#include "DialogTests.h"

#include "ControlId.h"
#include "MessageRecorder.h"
#include "OptionFunctionDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace quorl;
using namespace dialogtest;

void OptionFunctionDialogTest::editsTakeOnlyDigits_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QString>("text"); // "3300", Backspace twice, the key, then 1
    const Qt::KeyboardModifiers none;
    QTest::newRow("digit") << int(Qt::Key_5) << none << "3351";
    QTest::newRow("keypad digit") << int(Qt::Key_5) << Qt::KeyboardModifiers(Qt::KeypadModifier)
                                  << "3351";
    QTest::newRow("arrow") << int(Qt::Key_Left) << none << "313";
    QTest::newRow("Shift+5") << int(Qt::Key_Percent) << Qt::KeyboardModifiers(Qt::ShiftModifier)
                             << "331";
    QTest::newRow("minus") << int(Qt::Key_Minus) << none << "331";
    QTest::newRow("point") << int(Qt::Key_Period) << none << "331";
    QTest::newRow("letter") << int(Qt::Key_A) << none << "331";
}

void OptionFunctionDialogTest::editsTakeOnlyDigits() {
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QString, text);
    RadioImage image = factoryImage();
    OptionFunctionDialog dialog(image, nullptr);
    QVERIFY(showDialog(&dialog));
    auto* edit = ui::findControl<QLineEdit>(&dialog, OptionFunctionDialog::kIdScrambler);
    edit->setFocus();
    edit->end(false);
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClick(edit, Qt::Key(key), modifiers);
    QTest::keyClick(edit, Qt::Key_1);
    QCOMPARE(edit->text(), text);
    for (Qt::Key leave : {Qt::Key_Tab, Qt::Key_Return, Qt::Key_Escape})
        QTest::keyClick(edit, leave);
    QVERIFY(edit->hasFocus());
    QVERIFY(dialog.isVisible());
}

void OptionFunctionDialogTest::leavingAnEditChecksItsRange_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("2999") << "2999" << false;
    QTest::newRow("3000") << "3000" << true;
    QTest::newRow("4000") << "4000" << true;
    QTest::newRow("4001") << "4001" << false;
    QTest::newRow("empty") << "" << false;
}

// Clicking OK with a value out of range shows a plain message; the edit gets the focus back and
// the click presses nothing.
void OptionFunctionDialogTest::leavingAnEditChecksItsRange() {
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    RadioImage image = factoryImage();
    const RadioImage before = image;
    OptionFunctionDialog dialog(image, nullptr);
    QVERIFY(showDialog(&dialog));
    auto* edit = ui::findControl<QLineEdit>(&dialog, OptionFunctionDialog::kIdScrambler);
    QTest::mouseClick(edit, Qt::LeftButton);
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);

    QStringList seen;
    QTimer answerer;
    QObject::connect(&answerer, &QTimer::timeout, [&seen] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            seen << box->windowTitle() << box->text()
                 << (box->icon() == QMessageBox::NoIcon ? "no icon" : "icon");
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        }
    });
    answerer.start(10);
    auto* ok = ui::findControl<QPushButton>(&dialog, RadioOptionDialog::kIdOk);
    QTest::mouseClick(ok, Qt::LeftButton);
    if (accepted) {
        QVERIFY(dialog.isHidden());
        QCOMPARE(seen, QStringList());
        return;
    }
    QTRY_VERIFY(!seen.isEmpty());
    QCOMPARE(seen, QStringList({"QUORL  Programming Software",
                                "Scrambler Inversion Frequency:\n Please Input 3000-4000 HZ",
                                "no icon"}));
    QTRY_VERIFY(edit->hasFocus());
    QVERIFY(dialog.isVisible());
    QVERIFY(!ok->isDown());
    QVERIFY(image == before);
}

void OptionFunctionDialogTest::fiveDigitValueShowsInFullAndIsKept() {
    RadioImage image = factoryImage();
    image[0x1834] = image[0x1835] = 0xFF;
    image[0x1837] = 0x30;
    image[0x1838] = 0x39; // 12345
    const RadioImage before = image;
    OptionFunctionDialog dialog(image, nullptr);
    QVERIFY(showDialog(&dialog));
    QCOMPARE(ui::findControl<QLineEdit>(&dialog, OptionFunctionDialog::kIdScrambler)->text(),
             "23999");
    QCOMPARE(ui::findControl<QLineEdit>(&dialog, OptionFunctionDialog::kIdToneLevel)->text(),
             "12345");
    clickOk(&dialog);
    QVERIFY(image == before);
}
