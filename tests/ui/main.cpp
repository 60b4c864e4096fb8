#include "UiTests.h"

#include "IsolatedSettings.h"

#include <QApplication>
#include <QTest>

int main(int argc, char* argv[]) {
    const IsolatedSettings settings;
    QApplication app(argc, argv);
    int failures = 0;
    MessageBoxTest messageBox;
    failures += QTest::qExec(&messageBox, argc, argv);
    DialogUnitsTest dialogUnits;
    failures += QTest::qExec(&dialogUnits, argc, argv);
    KeyboardPolicyTest keyboardPolicy;
    failures += QTest::qExec(&keyboardPolicy, argc, argv);
    return failures;
}
