#include "SettingsPanel.h"
#include "DialogUnits.h"
#include "FindControl.h"
#include "FormIds.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QTest>

using namespace quorl;

Q_DECLARE_METATYPE(quorl::SettingsState)

namespace {

QStringList items(const QComboBox* box) {
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts.append(box->itemText(i));
    return texts;
}

} // namespace

class SettingsPanelTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QWidget> form;
    SettingsPanel* panel = nullptr;
    const QFont font{"Times New Roman", 8};

    QComboBox* combo(int id) const { return test::findControl<QComboBox>(form.get(), id); }
    QCheckBox* check(int id) const { return test::findControl<QCheckBox>(form.get(), id); }

private slots:
    void init() {
        form = std::make_unique<QWidget>();
        form->setFont(font);
        panel = new SettingsPanel(ui::DialogUnits(font, form.get()), form.get());
        form->resize(800, 400);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
    void cleanup() { form.reset(); }

    void listsHoldTheirEntriesInOrder_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<bool>("editable");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("Type") << int(kIdType) << false
                              << QStringList{"ZR - 101S", "ZR - 102S", "ZR - 103S"};
        QTest::newRow("Channel Name") << int(kIdChannelName) << true << QStringList{"ON", "OFF"};
        QTest::newRow("Squelch Level")
            << int(kIdSquelchLevel) << true
            << QStringList{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
        QTest::newRow("W/N") << int(kIdWideNarrow) << true << QStringList{"NARROW", "WIDE"};
        QTest::newRow("Vox Gain Level")
            << int(kIdVoxGainLevel) << true
            << QStringList{"OFF", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"};
    }
    void listsHoldTheirEntriesInOrder() {
        QFETCH(int, id);
        QFETCH(bool, editable);
        QFETCH(QStringList, entries);
        QVERIFY(combo(id));
        QCOMPARE(items(combo(id)), entries);
        QCOMPARE(combo(id)->isEditable(), editable);
    }

    // Where each control sits, in dialog units of the form's font.
    void controlsSitWhereTheFormPutsThem_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRect>("units");
        QTest::newRow("Type") << int(kIdType) << "" << QRect(79, 30, 70, 0);
        QTest::newRow("Channel Name") << int(kIdChannelName) << "" << QRect(253, 22, 60, 0);
        QTest::newRow("W/N") << int(kIdWideNarrow) << "" << QRect(381, 24, 60, 0);
        QTest::newRow("Scrambler Function")
            << int(kIdScramblerFunction) << "Scrambler Function" << QRect(205, 60, 75, 8);
        QTest::newRow("Battery Save")
            << int(kIdBatterySave) << "Battery Save" << QRect(293, 60, 53, 8);
        QTest::newRow("Disable Menu")
            << int(kIdDisableMenu) << "Disable Menu" << QRect(369, 60, 57, 8);
        QTest::newRow("Beep") << int(kIdBeep) << "Beep" << QRect(369, 77, 28, 8);
    }
    void controlsSitWhereTheFormPutsThem() {
        QFETCH(int, id);
        QFETCH(QString, caption);
        QFETCH(QRect, units);
        const ui::DialogUnits du(font, form.get());
        QWidget* control = test::findControl(form.get(), id);
        QVERIFY(control);
        const QRect expected = du.rect(units.x(), units.y(), units.width(), units.height());
        const QRect actual(control->mapTo(form.get(), QPoint(0, 0)), control->size());
        QCOMPARE(actual.topLeft(), expected.topLeft());
        QCOMPARE(actual.width(), expected.width());
        if (units.height() > 0)
            QCOMPARE(actual.height(), expected.height());
        if (!caption.isEmpty())
            QCOMPARE(check(id)->text(), caption);
    }

    void groupsFrameTheControls() {
        QStringList groups;
        for (const QGroupBox* group : form->findChildren<QGroupBox*>())
            groups.append(group->title());
        QCOMPARE(groups, QStringList({"Type Setting", "Optional Function"}));
    }

    void stateRoundTrips_data() {
        QTest::addColumn<SettingsState>("state");
        SettingsState everything{2, 1, 0, 9, 0, 10, true, false, true, false, true, false};
        SettingsState others{1, 0, 1, 0, 1, 0, false, true, false, true, false, true};
        SettingsState nothingChosen;
        QTest::newRow("VHF") << everything;
        QTest::newRow("UHF") << others;
        QTest::newRow("no selections") << nothingChosen;
    }
    void stateRoundTrips() {
        QFETCH(SettingsState, state);
        panel->setState(state);
        QVERIFY(panel->state() == state);
        QCOMPARE(panel->typeIndex(), state.type);
        QCOMPARE(panel->fieldIndex(), state.field);
    }

    void noModelShowsVhfBands() {
        SettingsState state;
        state.type = kNoSelection;
        state.field = 0;
        panel->setState(state);
        QCOMPARE(combo(kIdType)->currentText(), QString());
        QCOMPARE(items(combo(kIdField)), QStringList({"136 - 175MHz", "144 - 146MHz"}));
        QCOMPARE(combo(kIdField)->currentText(), "136 - 175MHz");
    }

    // The user picks the model with the keyboard: the band list follows, first band chosen.
    void pickingAModelRefillsField() {
        SettingsState state;
        state.type = 0;
        state.field = 1;
        panel->setState(state);
        QCOMPARE(items(combo(kIdField)), QStringList({"400 - 470MHz", "430 - 450MHz"}));

        combo(kIdType)->setFocus();
        QTest::keyClick(combo(kIdType), Qt::Key_Down);
        QTest::keyClick(combo(kIdType), Qt::Key_Down);
        QCOMPARE(combo(kIdType)->currentText(), "ZR - 103S");
        QCOMPARE(items(combo(kIdField)), QStringList({"136 - 175MHz", "144 - 146MHz"}));
        QCOMPARE(panel->fieldIndex(), 0);

        QTest::keyClick(combo(kIdType), Qt::Key_Up);
        QCOMPARE(items(combo(kIdField)), QStringList({"400 - 470MHz", "430 - 450MHz"}));
        QCOMPARE(panel->state().type, 1);
    }
};

QTEST_MAIN(SettingsPanelTest)
#include "SettingsPanelTest.moc"
