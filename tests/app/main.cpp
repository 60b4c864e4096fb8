#include "AppTests.h"

#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

int main(int argc, char* argv[]) {
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    // The recent-file list goes to a folder of its own that disappears with the tests.
    QTemporaryDir settingsDir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());

    int failures = 0;
    ShellTest shell;
    failures += QTest::qExec(&shell, argc, argv);
    FrameTest frame;
    failures += QTest::qExec(&frame, argc, argv);
    FileCommandsTest files;
    failures += QTest::qExec(&files, argc, argv);
    return failures;
}
