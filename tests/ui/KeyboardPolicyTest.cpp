#include "UiTests.h"

#include "KeyboardPolicy.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

using namespace quorl;

// A window's rule sees the keys of its controls and of their open drop-down lists, not those
// of a dialog the window owns, and ends with the window.
void KeyboardPolicyTest::ruleCoversItsWindowOnly() {
    auto* window = new QWidget;
    auto* layout = new QVBoxLayout(window);
    auto* edit = new QLineEdit;
    auto* list = new QComboBox;
    list->addItems({QStringLiteral("A"), QStringLiteral("B")});
    layout->addWidget(edit);
    layout->addWidget(list);
    auto* owned = new QDialog(window);
    auto* ownedEdit = new QLineEdit(owned);

    QList<QObject*> seen;
    KeyboardPolicy::application().addKeyRule(window, [&seen](QObject* receiver, QKeyEvent*) {
        seen.append(receiver);
        return true;
    });
    QWidget* const listView = list->view();
    for (QWidget* receiver :
         {static_cast<QWidget*>(edit), listView, static_cast<QWidget*>(ownedEdit)})
        QTest::keyClick(receiver, Qt::Key_X);
    const QList<QObject*> expected{edit, listView};
    QCOMPARE(seen, expected);
    // The rule took the key: the line edit never got it.
    QVERIFY(edit->text().isEmpty());
    QCOMPARE(ownedEdit->text(), QStringLiteral("x"));

    delete window;
    auto* later = new QLineEdit;
    QTest::keyClick(later, Qt::Key_Y);
    QCOMPARE(seen.size(), 2);
    delete later;
}
