#include "UiTests.h"

#include "IsolatedSettings.h"
#include "RunTests.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    const IsolatedSettings settings;
    QApplication app(argc, argv);
    return runTests<MessageBoxTest, DialogUnitsTest, KeyboardPolicyTest>(argc, argv);
}
