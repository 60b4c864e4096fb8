#include "AppTests.h"

#include "IsolatedBackups.h"
#include "IsolatedSettings.h"
#include "RunTests.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    const IsolatedSettings settings;
    const IsolatedBackups backups;
    QApplication app(argc, argv);
    return runTests<ShellTest, FrameTest, IconsTest, FileCommandsTest, TransferCommandsTest,
                    DialogCommandsTest>(argc, argv);
}
