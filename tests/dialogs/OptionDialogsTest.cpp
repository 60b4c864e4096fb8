// The four radio option dialogs on real windows: what they show of an image, OK storing the
// user's choices, every other way out storing nothing, and the keys and checks of the PTT ID
// code and the Option Function edits.

#include "DialogUnits.h"
#include "EmergencyDialog.h"
#include "FindControl.h"
#include "OptionFunctionDialog.h"
#include "PttIdDialog.h"
#include "TotDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <map>

using namespace quorl;

namespace {

enum Kind { Tot, PttId, Emergency, OptionFunction };

template <typename Dialog> std::unique_ptr<QDialog> make(RadioImage& image) {
    return std::make_unique<Dialog>(image, nullptr);
}

std::unique_ptr<QDialog> makeDialog(Kind kind, RadioImage& image) {
    using Maker = std::unique_ptr<QDialog> (*)(RadioImage&);
    const Maker makers[] = {make<TotDialog>, make<PttIdDialog>, make<EmergencyDialog>,
                            make<OptionFunctionDialog>};
    return makers[kind](image);
}

RadioImage factoryImage() {
    RadioImage image;
    resetImage(image);
    return image;
}

// A dialog shown without a modal loop of its own, once it has the keyboard.
std::unique_ptr<QDialog> shownDialog(Kind kind, RadioImage& image) {
    auto dialog = makeDialog(kind, image);
    dialog->show();
    return QTest::qWaitForWindowActive(dialog.get()) ? std::move(dialog) : nullptr;
}

QComboBox* combo(QDialog* dialog, int id) {
    return test::findControl<QComboBox>(dialog, id);
}

QLineEdit* edit(QDialog* dialog, int id) {
    return test::findControl<QLineEdit>(dialog, id);
}

void click(QDialog* dialog, int id) {
    QTest::mouseClick(test::findControl(dialog, id), Qt::LeftButton, {}, QPoint(4, 4));
}

// A list's choice, an edit's text, or a check box's state, as the user reads it.
QString shown(QWidget* control) {
    if (auto* list = qobject_cast<QComboBox*>(control))
        return list->currentText();
    if (auto* text = qobject_cast<QLineEdit*>(control))
        return text->text();
    return qobject_cast<QCheckBox*>(control)->isChecked() ? "ticked" : "not ticked";
}

struct Choice {
    Kind kind;
    std::function<void(QDialog*)> choose;
    std::map<std::size_t, std::uint8_t> stored; // what OK changes in a factory image
};

const Choice kChoices[] = {
    {Tot,
     [](QDialog* d) {
         QTest::keyClick(combo(d, 1092), Qt::Key_Down); // 180s to 240s
         QTest::keyClick(combo(d, 1092), Qt::Key_Down);
         for (int id : {1099, 1102, 1103})
             QTest::keyClick(combo(d, id), Qt::Key_End);
     },
     {{0x1813, 0x08}, {0x182A, 0x0F}, {0x182B, 0x3D}, {0x182C, 0x0F}}},
    {PttId,
     [](QDialog* d) {
         QTest::keyClicks(edit(d, 1080), "123a");
         click(d, 1102);
         combo(d, 1103)->setCurrentIndex(3);
     },
     {{0x1D30, '1'}, {0x1D31, '2'}, {0x1D32, '3'}, {0x1D33, 'A'}, {0x1D40, 0xFF}, {0x1810, 0x95}}},
    {Emergency,
     [](QDialog* d) {
         QTest::keyClick(combo(d, 1098), Qt::Key_Up); // "Local Alert "
         combo(d, 1100)->setCurrentIndex(8);
         combo(d, 1101)->setCurrentIndex(10);
     },
     {{0x1817, 0x35}, {0x1828, 0xFF}, {0x1829, 0xFE}}},
    {OptionFunction,
     [](QDialog* d) {
         click(d, 1115);
         QTest::mouseClick(edit(d, 1080), Qt::LeftButton);
         edit(d, 1080)->selectAll();
         QTest::keyClicks(edit(d, 1080), "4000");
     },
     {{0x1836, 0x03}, {0x1834, 0x2A}, {0x1835, 0xAB}}},
};

} // namespace

class OptionDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void windowsFollowTheirTemplates() {
        const ui::DialogUnits units(QFont("Times New Roman", 10));
        const struct {
            Kind kind;
            const char* caption;
            QRect size, ok, cancel; // dialog units
        } windows[] = {
            {Tot, "TOT Setting", {0, 0, 165, 117}, {39, 88, 35, 14}, {90, 88, 35, 14}},
            {PttId, "PTT ID", {0, 0, 187, 106}, {45, 79, 38, 12}, {103, 79, 38, 12}},
            {Emergency,
             "Emergency Call Setting",
             {0, 0, 167, 108},
             {34, 78, 39, 14},
             {92, 77, 39, 14}},
            {OptionFunction,
             "Option Function",
             {0, 0, 219, 91},
             {71, 59, 31, 14},
             {135, 60, 31, 14}},
        };
        const auto pixels = [&units](QRect du) {
            return units.rect(du.x(), du.y(), du.width(), du.height());
        };
        for (const auto& w : windows) {
            RadioImage image = factoryImage();
            const auto dialog = makeDialog(w.kind, image);
            QCOMPARE(dialog->windowTitle(), w.caption);
            QCOMPARE(dialog->font(), QFont("Times New Roman", 10));
            QCOMPARE(dialog->size(), pixels(w.size).size());
            auto* ok = test::findControl<QPushButton>(dialog.get(), 1);
            QCOMPARE(ok->geometry(), pixels(w.ok));
            QVERIFY(ok->isDefault());
            QCOMPARE(test::findControl(dialog.get(), 2)->geometry(), pixels(w.cancel));
        }
    }

    void openingShowsTheImage() {
        const struct {
            Kind kind;
            int id;
            const char* shown;
        } factory[] = {
            // clang-format off
            {Tot, 1092, "180s"}, {Tot, 1099, "Off"}, {Tot, 1102, "Off"}, {Tot, 1103, "Off"},
            {PttId, 1102, "not ticked"}, {PttId, 1103, "OFF"}, {PttId, 1080, ""},
            {Emergency, 1098, "Local TX Alert"}, {Emergency, 1100, "5S"}, {Emergency, 1101, "5S"},
            {OptionFunction, 1115, "not ticked"}, {OptionFunction, 1080, "3300"},
            // hidden, yet loaded
            {OptionFunction, 1111, "0"}, {OptionFunction, 1114, "7"},
            {OptionFunction, 1116, "ticked"}, {OptionFunction, 1081, "650"},
            // clang-format on
        };
        for (const auto& c : factory) {
            RadioImage image = factoryImage();
            const auto dialog = shownDialog(c.kind, image);
            QVERIFY(dialog);
            QWidget* control = test::findControl(dialog.get(), c.id);
            QCOMPARE(shown(control), c.shown);
            const bool hidden = c.kind == OptionFunction && c.id != 1115 && c.id != 1080;
            QCOMPARE(control->isVisible(), !hidden);
        }
        // Entries that are easily got wrong.
        RadioImage image = factoryImage();
        const auto tot = makeDialog(Tot, image);
        QCOMPARE(combo(tot.get(), 1102)->count(), 62);
        QCOMPARE(combo(tot.get(), 1102)->itemText(1), "0s");
        QCOMPARE(combo(makeDialog(Emergency, image).get(), 1098)->itemText(1), "Local Alert ");

        // Erased bytes: no selection where a value has no entry, five digits shown in full.
        image.fill(0xFF);
        QCOMPARE(combo(makeDialog(Tot, image).get(), 1092)->currentIndex(), -1);
        QCOMPARE(edit(makeDialog(OptionFunction, image).get(), 1080)->text(), "23999");
    }

    void okStoresTheChoices() {
        for (const Choice& choice : kChoices) {
            RadioImage image = factoryImage();
            RadioImage expected = image;
            for (const auto& [offset, byte] : choice.stored)
                expected[offset] = byte;
            const auto dialog = shownDialog(choice.kind, image);
            QVERIFY(dialog);
            choice.choose(dialog.get());
            click(dialog.get(), 1);
            QVERIFY(dialog->isHidden());
            QVERIFY2(image == expected, dialog->windowTitle().toLatin1());
        }
        // Without changes, OK stores the image as it was.
        RadioImage image = factoryImage();
        for (Kind kind : {Tot, PttId, Emergency, OptionFunction})
            click(makeDialog(kind, image).get(), 1);
        QVERIFY(image == factoryImage());
    }

    // Cancel, Escape and the close box store nothing, except that the PTT ID dialog ignores
    // Escape and stores on the close box, and Escape does nothing while an edit has the keyboard.
    void leavingWithoutOk() {
        const std::map<Kind, const char*> outcomes{
            // Cancel, Escape, close box: cancelled, nothing, stored
            {Tot, "ccc"},
            {PttId, "cns"},
            {Emergency, "ccc"},
            {OptionFunction, "cnc"}};
        const std::function<void(QDialog*)> ways[] = {
            [](QDialog* d) { click(d, 2); },
            [](QDialog* d) { QTest::keyClick(d->focusWidget(), Qt::Key_Escape); },
            [](QDialog* d) { d->close(); },
        };
        for (const Choice& choice : kChoices) {
            for (int way = 0; way < 3; ++way) {
                const char outcome = outcomes.at(choice.kind)[way];
                RadioImage image = factoryImage();
                RadioImage expected = image;
                if (outcome == 's')
                    for (const auto& [offset, byte] : choice.stored)
                        expected[offset] = byte;
                const auto dialog = shownDialog(choice.kind, image);
                QVERIFY(dialog);
                choice.choose(dialog.get());
                ways[way](dialog.get());
                QCOMPARE(dialog->isHidden(), outcome != 'n');
                QVERIFY2(image == expected, qPrintable(QString("way %1").arg(way)));
            }
        }
    }

    // Typed text that names an entry chooses it; any other text gives way to the chosen entry,
    // and OK (or the PTT ID dialog's close box) stores what the list then shows. The PTT ID
    // dialog's keys cannot spell an entry, so there the text is pasted.
    void typingIntoAListStoresWhatItShows_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("way"); // 0 OK, 1 Enter, 2 close box, 3 close box after a paste
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("byte");
        QTest::newRow("TOT 999s") << int(Tot) << 1092 << "999s" << 0 << "180s" << 0x1813 << 0x06;
        QTest::newRow("TOT 240S") << int(Tot) << 1092 << " 240S" << 1 << "240s" << 0x1813 << 0x08;
        QTest::newRow("switch local alert")
            << int(Emergency) << 1098 << "local alert" << 0 << "Local Alert " << 0x1817 << 0x35;
        QTest::newRow("transmit keep tx")
            << int(Emergency) << 1100 << "keep tx" << 1 << "Keep TX" << 0x1828 << 0xFF;
        QTest::newRow("receive 7S")
            << int(Emergency) << 1101 << "7S" << 0 << "5S" << 0x1829 << 0x05;
        QTest::newRow("PTT ID both")
            << int(PttId) << 1103 << "both" << 3 << "Both" << 0x1D40 << 0xFF;
        QTest::newRow("PTT ID BD") << int(PttId) << 1103 << "BD" << 2 << "OFF" << 0x1D40 << 0xFC;
    }
    void typingIntoAListStoresWhatItShows() {
        QFETCH(int, kind);
        QFETCH(int, id);
        QFETCH(QString, typed);
        QFETCH(int, way);
        QFETCH(QString, shown);
        QFETCH(int, offset);
        QFETCH(int, byte);
        RadioImage image = factoryImage();
        const auto dialog = shownDialog(Kind(kind), image);
        QVERIFY(dialog);
        QComboBox* list = combo(dialog.get(), id);
        list->setFocus();
        list->lineEdit()->selectAll();
        if (way == 3) {
            QApplication::clipboard()->setText(typed);
            list->lineEdit()->paste();
        } else {
            QTest::keyClicks(list, typed);
        }
        if (way == 0)
            click(dialog.get(), 1);
        else if (way == 1)
            QTest::keyClick(list, Qt::Key_Return);
        else
            dialog->close();

        QVERIFY(dialog->isHidden());
        QCOMPARE(list->currentText(), shown);
        QCOMPARE(image[std::size_t(offset)], std::uint8_t(byte));
    }

    void pttIdCodeTakesOnlyCodeKeys_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("typed");
        const int shift = Qt::ShiftModifier;
        QTest::newRow("digit") << int(Qt::Key_7) << 0 << "7";
        QTest::newRow("keypad digit") << int(Qt::Key_0) << int(Qt::KeypadModifier) << "0";
        QTest::newRow("a") << int(Qt::Key_A) << 0 << "A";
        QTest::newRow("e") << int(Qt::Key_E) << 0 << "";
        QTest::newRow("Shift+A") << int(Qt::Key_A) << shift << "";
        QTest::newRow("Shift+3") << int(Qt::Key_NumberSign) << shift << "#";
        QTest::newRow("Shift+8") << int(Qt::Key_Asterisk) << shift << "*";
        QTest::newRow("Space") << int(Qt::Key_Space) << 0 << "";
    }
    void pttIdCodeTakesOnlyCodeKeys() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, typed);
        RadioImage image = factoryImage();
        const auto dialog = shownDialog(PttId, image);
        QVERIFY(dialog);
        QTest::keyClick(edit(dialog.get(), 1080), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(edit(dialog.get(), 1080)->text(), typed);
    }

    void pttIdKeysThatMoveOrCloseDoNothing() {
        RadioImage image = factoryImage();
        const RadioImage before = image;
        const auto dialog = shownDialog(PttId, image);
        QVERIFY(dialog);
        for (int id : {1102, 1103, 1080, 1}) {
            QWidget* control = test::findControl(dialog.get(), id);
            control->setFocus();
            for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Tab,
                                Qt::Key_Down, Qt::Key_Space})
                QTest::keyClick(QApplication::focusWidget(), key);
            QVERIFY(control->hasFocus());
        }
        QVERIFY(dialog->isVisible());
        QCOMPARE(combo(dialog.get(), 1103)->currentIndex(), 0);
        QVERIFY(image == before);
    }

    void pttIdCodeHoldsSixteenCharactersTypedOrPasted() {
        RadioImage image = factoryImage();
        const auto dialog = shownDialog(PttId, image);
        QVERIFY(dialog);
        QLineEdit* code = edit(dialog.get(), 1080);
        QTest::keyClicks(code, "0123456789abcdcba");
        QCOMPARE(code->text(), "0123456789ABCDCB");
        // Pasted text is kept one byte per character; one that no byte holds is refused.
        code->clear();
        QApplication::clipboard()->setText(QString::fromUtf8("x\u4E2D"));
        code->paste();
        QApplication::clipboard()->setText(QString::fromUtf8("pt\u00E9"));
        code->paste();
        click(dialog.get(), 1);
        QCOMPARE(std::string(image.begin() + 0x1D30, image.begin() + 0x1D34), "pt\xE9\xFF");
    }

    void optionEditsTakeOnlyDigits_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("text"); // "3300", Backspace twice, the key, then 1
        QTest::newRow("digit") << int(Qt::Key_5) << 0 << "3351";
        QTest::newRow("keypad digit") << int(Qt::Key_5) << int(Qt::KeypadModifier) << "3351";
        QTest::newRow("arrow") << int(Qt::Key_Left) << 0 << "313";
        QTest::newRow("Shift+5") << int(Qt::Key_Percent) << int(Qt::ShiftModifier) << "331";
        QTest::newRow("minus") << int(Qt::Key_Minus) << 0 << "331";
        QTest::newRow("letter") << int(Qt::Key_A) << 0 << "331";
    }
    void optionEditsTakeOnlyDigits() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, text);
        RadioImage image = factoryImage();
        const auto dialog = shownDialog(OptionFunction, image);
        QVERIFY(dialog);
        QLineEdit* scrambler = edit(dialog.get(), 1080);
        scrambler->setFocus();
        scrambler->end(false);
        for (Qt::Key typed : {Qt::Key_Backspace, Qt::Key_Backspace, Qt::Key(key), Qt::Key_1})
            QTest::keyClick(scrambler, typed,
                            typed == key ? Qt::KeyboardModifiers(modifiers) : Qt::NoModifier);
        QCOMPARE(scrambler->text(), text);
        for (Qt::Key leave : {Qt::Key_Tab, Qt::Key_Return, Qt::Key_Escape})
            QTest::keyClick(scrambler, leave);
        QVERIFY(scrambler->hasFocus());
        QVERIFY(dialog->isVisible());
    }

    void optionRangeIsCheckedOnLeavingTheEdit_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("2999") << "2999" << false;
        QTest::newRow("3000") << "3000" << true;
        QTest::newRow("4000") << "4000" << true;
        QTest::newRow("4001") << "4001" << false;
        QTest::newRow("empty") << "" << false;
    }
    // Out of range, clicking OK shows a plain message box; the edit gets the focus back and
    // the click presses nothing.
    void optionRangeIsCheckedOnLeavingTheEdit() {
        QFETCH(QString, text);
        QFETCH(bool, accepted);
        RadioImage image = factoryImage();
        const RadioImage before = image;
        const auto dialog = shownDialog(OptionFunction, image);
        QVERIFY(dialog);
        QLineEdit* scrambler = edit(dialog.get(), 1080);
        QTest::mouseClick(scrambler, Qt::LeftButton);
        scrambler->selectAll();
        QTest::keyClick(scrambler, Qt::Key_Backspace);
        QTest::keyClicks(scrambler, text);

        QStringList seen;
        QTimer answerer;
        connect(&answerer, &QTimer::timeout, [&seen] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                seen << box->windowTitle() << box->text()
                     << (box->icon() == QMessageBox::NoIcon ? "no icon" : "icon");
                QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
            }
        });
        answerer.start(10);
        auto* ok = test::findControl<QPushButton>(dialog.get(), 1);
        QTest::mouseClick(ok, Qt::LeftButton);
        if (accepted) {
            QVERIFY(dialog->isHidden());
            return;
        }
        QTRY_VERIFY(!seen.isEmpty());
        QCOMPARE(seen, QStringList({"QUORL  Programming Software",
                                    "Scrambler Inversion Frequency:\n Please Input 3000-4000 HZ",
                                    "no icon"}));
        QTRY_VERIFY(scrambler->hasFocus());
        QVERIFY(dialog->isVisible());
        QVERIFY(!ok->isDown());
        QVERIFY(image == before);
    }
};

QTEST_MAIN(OptionDialogsTest)
#include "OptionDialogsTest.moc"
