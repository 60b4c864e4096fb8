// What the four radio option dialogs share: their windows, what they show of a factory image,
// OK storing the user's choices, and every other way out storing nothing.

#include "DialogTests.h"

#include "ControlId.h"
#include "DialogUnits.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <functional>
#include <map>

using namespace quorl;
using namespace dialogtest;

namespace {

QComboBox* combo(QDialog* dialog, int id) {
    return ui::findControl<QComboBox>(dialog, id);
}

// A list's choice, an edit's text, or a check box's state, as the user reads it.
QString shown(QWidget* control) {
    if (auto* list = qobject_cast<QComboBox*>(control))
        return list->currentText();
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        return edit->text();
    return qobject_cast<QCheckBox*>(control)->isChecked() ? "ticked" : "not ticked";
}

struct Choice {
    Kind kind;
    std::function<void(QDialog*)> choose;
    std::map<std::size_t, std::uint8_t> stored; // what OK changes in a factory image
};

const Choice kChoices[] = {
    {Kind::Tot,
     [](QDialog* d) {
         QTest::keyClick(combo(d, 1092), Qt::Key_Down);
         QTest::keyClick(combo(d, 1092), Qt::Key_Down);
         for (int id : {1099, 1102, 1103})
             QTest::keyClick(combo(d, id), Qt::Key_End);
     },
     {{0x1813, 0x08}, {0x182A, 0x0F}, {0x182B, 0x3D}, {0x182C, 0x0F}}},
    {Kind::PttId,
     [](QDialog* d) {
         QTest::keyClicks(ui::findControl(d, 1080), "123a");
         QTest::mouseClick(ui::findControl(d, 1102), Qt::LeftButton, {}, QPoint(4, 4));
         combo(d, 1103)->setCurrentIndex(3);
     },
     {{0x1D30, '1'}, {0x1D31, '2'}, {0x1D32, '3'}, {0x1D33, 'A'}, {0x1D40, 0xFF}, {0x1810, 0x95}}},
    {Kind::Emergency,
     [](QDialog* d) {
         combo(d, 1098)->setCurrentIndex(1);
         combo(d, 1100)->setCurrentIndex(8);
         combo(d, 1101)->setCurrentIndex(10);
     },
     {{0x1817, 0x35}, {0x1828, 0xFF}, {0x1829, 0xFE}}},
    {Kind::OptionFunction,
     [](QDialog* d) {
         QTest::mouseClick(ui::findControl(d, 1115), Qt::LeftButton, {}, QPoint(4, 4));
         auto* scrambler = ui::findControl<QLineEdit>(d, 1080);
         QTest::mouseClick(scrambler, Qt::LeftButton);
         scrambler->selectAll();
         QTest::keyClicks(scrambler, "4000");
     },
     {{0x1836, 0x03}, {0x1834, 0x2A}, {0x1835, 0xAB}}},
};

} // namespace

void RadioOptionDialogTest::layoutFollowsTheTemplates() {
    struct Control {
        int id; // 0 for a label, found by its text
        const char* text;
        QRect du; // a list's height is that of its open list, so it is not compared
    };
    const struct {
        Kind kind;
        const char* caption;
        QSize du;
        std::vector<Control> controls;
    } templates[] = {
        {Kind::Tot,
         "TOT Setting",
         {165, 117},
         {{0, "Time Out Time", {30, 17, 48, 8}},
          {0, "TOT Pre-Alert", {28, 33, 50, 8}},
          {0, "TOT Rekey Times", {19, 50, 59, 8}},
          {0, "TOT Reset Times", {23, 66, 55, 8}},
          {1092, "", {92, 16, 51, 0}},
          {1099, "", {92, 32, 51, 0}},
          {1102, "", {92, 48, 51, 0}},
          {1103, "", {92, 64, 51, 0}},
          {1, "OK", {39, 88, 35, 14}},
          {2, "Cancel", {90, 88, 35, 14}}}},
        {Kind::PttId,
         "PTT ID",
         {187, 106},
         {{1102, "Display PTT ID", {74, 17, 59, 8}},
          {0, "PTT ID TX", {28, 38, 40, 8}},
          {1103, "", {74, 35, 76, 0}},
          {0, "PTT ID", {47, 56, 22, 8}},
          {1080, "", {74, 54, 76, 12}},
          {1, "OK", {45, 79, 38, 12}},
          {2, "Cancel", {103, 79, 38, 12}}}},
        {Kind::Emergency,
         "Emergency Call Setting",
         {167, 108},
         {{0, "Emergency Call Switch", {14, 21, 72, 9}},
          {0, "Transmitting Time", {29, 38, 56, 9}},
          {0, "Receiving Time", {37, 53, 49, 9}},
          {1098, "", {92, 19, 61, 0}},
          {1100, "", {92, 35, 61, 0}},
          {1101, "", {92, 51, 61, 0}},
          {1, "OK", {34, 78, 39, 14}},
          {2, "Cancel", {92, 77, 39, 14}}}},
        {Kind::OptionFunction,
         "Option Function",
         {219, 91},
         {{1115, "Compandor", {25, 41, 51, 10}},
          {0, "Scrambler Inversion Frequency", {14, 20, 103, 8}},
          {1080, "", {130, 18, 72, 12}},
          {1, "OK", {71, 59, 31, 14}},
          {2, "Cancel", {135, 60, 31, 14}}}},
    };
    const ui::DialogUnits units(QFont("Times New Roman", 10));
    for (const auto& t : templates) {
        RadioImage image = factoryImage();
        const auto dialog = makeDialog(t.kind, image);
        QCOMPARE(dialog->windowTitle(), t.caption);
        QCOMPARE(dialog->font(), QFont("Times New Roman", 10));
        QCOMPARE(dialog->size(), units.size(t.du.width(), t.du.height()));
        for (const Control& c : t.controls) {
            QWidget* control = ui::findControl(dialog.get(), c.id);
            if (c.id == 0) {
                for (QLabel* label : dialog->findChildren<QLabel*>())
                    if (label->text() == c.text && label->alignment() & Qt::AlignRight)
                        control = label;
            }
            QVERIFY2(control, c.text);
            const QRect expected = units.rect(c.du.x(), c.du.y(), c.du.width(), c.du.height());
            QCOMPARE(control->pos(), expected.topLeft());
            QCOMPARE(control->width(), expected.width());
            if (c.du.height() > 0)
                QCOMPARE(control->height(), expected.height());
            if (c.id && *c.text)
                QCOMPARE(control->property("text").toString(), c.text);
        }
        QVERIFY(ui::findControl<QPushButton>(dialog.get(), 1)->isDefault());
    }
}

void RadioOptionDialogTest::openingShowsTheFactoryImage() {
    const struct {
        Kind kind;
        int id;
        const char* shown;
        bool hidden;
    } controls[] = {
        {Kind::Tot, 1092, "180s", false},
        {Kind::Tot, 1099, "Off", false},
        {Kind::Tot, 1102, "Off", false},
        {Kind::Tot, 1103, "Off", false},
        {Kind::PttId, 1102, "not ticked", false},
        {Kind::PttId, 1103, "OFF", false},
        {Kind::PttId, 1080, "", false},
        {Kind::Emergency, 1098, "Local TX Alert", false},
        {Kind::Emergency, 1100, "5S", false},
        {Kind::Emergency, 1101, "5S", false},
        {Kind::OptionFunction, 1115, "not ticked", false},
        {Kind::OptionFunction, 1080, "3300", false},
        {Kind::OptionFunction, 1111, "0", true},
        {Kind::OptionFunction, 1114, "7", true},
        {Kind::OptionFunction, 1116, "ticked", true},
        {Kind::OptionFunction, 1081, "650", true},
    };
    for (const auto& c : controls) {
        RadioImage image = factoryImage();
        const auto dialog = makeDialog(c.kind, image);
        QVERIFY(showDialog(dialog.get()));
        QWidget* control = ui::findControl(dialog.get(), c.id);
        QCOMPARE(shown(control), c.shown);
        QCOMPARE(control->isHidden(), c.hidden);
    }

    // Some entries of the lists; editable lists take typed text as well.
    const struct {
        Kind kind;
        int id;
        bool editable;
        int count;
        int index;
        const char* text;
    } entries[] = {
        {Kind::Tot, 1092, true, 9, 8, "240s"},
        {Kind::Tot, 1099, false, 16, 15, "15s"},
        {Kind::Tot, 1102, false, 62, 1, "0s"},
        {Kind::Tot, 1102, false, 62, 61, "60s"},
        {Kind::Tot, 1103, false, 16, 15, "15s"},
        {Kind::PttId, 1103, true, 4, 3, "Both"},
        {Kind::Emergency, 1098, true, 4, 1, "Local Alert "},
        {Kind::Emergency, 1100, true, 9, 8, "Keep TX"},
        {Kind::Emergency, 1101, true, 11, 10, "Auto"},
        {Kind::OptionFunction, 1113, false, 8, 7, "7"},
    };
    for (const auto& e : entries) {
        RadioImage image = factoryImage();
        const auto dialog = makeDialog(e.kind, image);
        QComboBox* list = combo(dialog.get(), e.id);
        QCOMPARE(list->isEditable(), e.editable);
        QCOMPARE(list->count(), e.count);
        QCOMPARE(list->itemText(e.index), e.text);
    }
}

void RadioOptionDialogTest::okStoresTheChoices() {
    for (const Choice& choice : kChoices) {
        RadioImage image = factoryImage();
        RadioImage expected = image;
        for (const auto& [offset, byte] : choice.stored)
            expected[offset] = byte;
        const auto dialog = makeDialog(choice.kind, image);
        QVERIFY(showDialog(dialog.get()));
        choice.choose(dialog.get());
        clickOk(dialog.get());
        QVERIFY(dialog->isHidden());
        QCOMPARE(dialog->result(), QDialog::Accepted);
        QVERIFY(image == expected);
    }
}

// Cancel, Escape and the close box store nothing, with two exceptions: in the PTT ID dialog
// Escape does nothing and the close box stores like OK; in the Option Function dialog Escape
// does nothing while an edit has the keyboard.
void RadioOptionDialogTest::leavingWithoutOk() {
    const std::map<Kind, const char*> outcomes{// Cancel, Escape, close box: cancelled,
                                               // nothing, stored
                                               {Kind::Tot, "ccc"},
                                               {Kind::PttId, "cns"},
                                               {Kind::Emergency, "ccc"},
                                               {Kind::OptionFunction, "cnc"}};
    const std::function<void(QDialog*)> ways[] = {
        [](QDialog* d) { QTest::mouseClick(ui::findControl(d, 2), Qt::LeftButton); },
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
            const auto dialog = makeDialog(choice.kind, image);
            QVERIFY(showDialog(dialog.get()));
            choice.choose(dialog.get());
            ways[way](dialog.get());
            QCOMPARE(dialog->isHidden(), outcome != 'n');
            QVERIFY2(image == expected, qPrintable(QString("way %1").arg(way)));
        }
    }
}
