#include "AppTests.h"

#include "IsolatedBackups.h"
#include "IsolatedSettings.h"

#include <QApplication>
#include <QTest>

int main(int argc, char* argv[]) {
    const IsolatedSettings settings;
    const IsolatedBackups backups;
    QApplication app(argc, argv);

    int failures = 0;
    ShellTest shell;
    failures += QTest::qExec(&shell, argc, argv);
    FrameTest frame;
    failures += QTest::qExec(&frame, argc, argv);
    IconsTest icons;
    failures += QTest::qExec(&icons, argc, argv);
    FileCommandsTest files;
    failures += QTest::qExec(&files, argc, argv);
    TransferCommandsTest transfers;
    failures += QTest::qExec(&transfers, argc, argv);
    DialogCommandsTest dialogs;
    failures += QTest::qExec(&dialogs, argc, argv);
    return failures;
}
