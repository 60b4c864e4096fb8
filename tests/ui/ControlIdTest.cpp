#include "ControlId.h"
#include "UiTests.h"

#include <QCheckBox>
#include <QComboBox>
#include <QTest>

using namespace quorl::ui;

void ControlIdTest::findsDescendantsById() {
    QWidget form;
    auto* group = new QWidget(&form);
    auto* combo = new QComboBox(group);
    auto* check = new QCheckBox(&form);
    setControlId(combo, 1104);
    setControlId(check, 1075);

    QCOMPARE(controlId(combo), 1104);
    QCOMPARE(controlId(group), 0);
    QCOMPARE(findControl(&form, 1104), combo);
    QCOMPARE(findControl<QComboBox>(&form, 1104), combo);
    QCOMPARE(findControl<QCheckBox>(&form, 1104), nullptr);
    QCOMPARE(findControl(&form, 1075), check);
    QCOMPARE(findControl(&form, 9999), nullptr);
}
