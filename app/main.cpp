#include "CZolApp.h"
#include "CommandLine.h"
#include "FileNames.h"
#include "ProgramInfo.h"

#include <QApplication>

#include <cstdio>

namespace {

// Printing from a terminal needs no display, since the window is never shown.
void printWithoutDisplay(int argc, const char* const* argv) {
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
        !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return;
    const auto kind = quorl::parseCommandLine(quorl::commandLineArguments(argc, argv)).kind;
    if (kind != quorl::ShellCommand::FileNew && kind != quorl::ShellCommand::FileOpen)
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

} // namespace

int main(int argc, char* argv[]) {
    if (const auto info = quorl::programInfoAsked(quorl::commandLineArguments(argc, argv))) {
        std::fputs(info->toLocal8Bit().constData(), stdout);
        return 0;
    }
    printWithoutDisplay(argc, argv);
    // Takes the options of its own (-platform, -style, ...) out of argv.
    QApplication application(argc, argv);
    quorl::CZolApp theApp;
    // Not application.arguments(): that loses the bytes of a file name that are not UTF-8.
    if (!theApp.InitInstance(quorl::commandLineArguments(argc, argv)))
        return theApp.exitCode();
    return application.exec();
}
