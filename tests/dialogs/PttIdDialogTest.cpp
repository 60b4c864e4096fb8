// The PTT ID dialog's keyboard: only the keys of a code work, in every control.

#include "DialogTests.h"

#include "ControlId.h"
#include "PttIdDialog.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

using namespace quorl;
using namespace dialogtest;

void PttIdDialogTest::codeTakesOnlyCodeKeys_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QString>("typed");
    const Qt::KeyboardModifiers none;
    QTest::newRow("digit") << int(Qt::Key_7) << none << "7";
    QTest::newRow("keypad digit") << int(Qt::Key_0) << Qt::KeyboardModifiers(Qt::KeypadModifier)
                                  << "0";
    QTest::newRow("A in upper case") << int(Qt::Key_A) << none << "A";
    QTest::newRow("D") << int(Qt::Key_D) << none << "D";
    QTest::newRow("E") << int(Qt::Key_E) << none << "";
    QTest::newRow("Shift+A") << int(Qt::Key_A) << Qt::KeyboardModifiers(Qt::ShiftModifier) << "";
    QTest::newRow("Shift+3") << int(Qt::Key_NumberSign) << Qt::KeyboardModifiers(Qt::ShiftModifier)
                             << "#";
    QTest::newRow("Shift+8") << int(Qt::Key_Asterisk) << Qt::KeyboardModifiers(Qt::ShiftModifier)
                             << "*";
    QTest::newRow("Shift+1") << int(Qt::Key_Exclam) << Qt::KeyboardModifiers(Qt::ShiftModifier)
                             << "";
    QTest::newRow("Space") << int(Qt::Key_Space) << none << "";
}

void PttIdDialogTest::codeTakesOnlyCodeKeys() {
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QString, typed);
    RadioImage image = factoryImage();
    PttIdDialog dialog(image, nullptr);
    QVERIFY(showDialog(&dialog));
    auto* code = ui::findControl<QLineEdit>(&dialog, PttIdDialog::kIdCode);
    code->setFocus();
    QTest::keyClick(code, Qt::Key(key), modifiers);
    QCOMPARE(code->text(), typed);
}

void PttIdDialogTest::enterEscapeAndTabDoNothing() {
    RadioImage image = factoryImage();
    const RadioImage before = image;
    PttIdDialog dialog(image, nullptr);
    QVERIFY(showDialog(&dialog));
    for (int id : {PttIdDialog::kIdDisplay, PttIdDialog::kIdMode, PttIdDialog::kIdCode,
                   RadioOptionDialog::kIdOk}) {
        QWidget* control = ui::findControl(&dialog, id);
        control->setFocus();
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Tab,
                            Qt::Key_Down, Qt::Key_Space})
            QTest::keyClick(QApplication::focusWidget(), key);
        QVERIFY(control->hasFocus());
    }
    QVERIFY(dialog.isVisible());
    QCOMPARE(ui::findControl<QComboBox>(&dialog, PttIdDialog::kIdMode)->currentIndex(), 0);
    QVERIFY(image == before);
}

void PttIdDialogTest::codeHoldsSixteenCharactersTypedOrPasted() {
    RadioImage image = factoryImage();
    PttIdDialog dialog(image, nullptr);
    QVERIFY(showDialog(&dialog));
    auto* code = ui::findControl<QLineEdit>(&dialog, PttIdDialog::kIdCode);
    QTest::keyClicks(code, "0123456789abcdcba");
    QCOMPARE(code->text(), "0123456789ABCDCB");

    // Pasted text is kept as it is, one byte per character, unless a byte cannot hold it.
    code->clear();
    QApplication::clipboard()->setText(QString::fromUtf8("x\u4E2D"));
    code->paste();
    QCOMPARE(code->text(), "");
    QApplication::clipboard()->setText(QString::fromUtf8("pt\u00E9"));
    code->paste();
    clickOk(&dialog);
    QCOMPARE(std::string(image.begin() + 0x1D30, image.begin() + 0x1D34), "pt\xE9\xFF");
}
