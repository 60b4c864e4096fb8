#include "UiTests.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTest>

int main(int argc, char* argv[]) {
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    int failures = 0;
    MessageBoxTest messageBox;
    failures += QTest::qExec(&messageBox, argc, argv);
    DialogUnitsTest dialogUnits;
    failures += QTest::qExec(&dialogUnits, argc, argv);
    return failures;
}
