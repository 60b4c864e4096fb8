#include "CZolApp.h"
#include "FileNames.h"
#include "ProgramInfo.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (const auto info = quorl::programInfoAsked(quorl::commandLineArguments(argc, argv))) {
        std::fputs(info->toLocal8Bit().constData(), stdout);
        return 0;
    }
    // Takes the options of its own (-platform, -style, ...) out of argv.
    QApplication application(argc, argv);
    quorl::CZolApp theApp;
    // Not application.arguments(): that loses the bytes of a file name that are not UTF-8.
    if (!theApp.InitInstance(quorl::commandLineArguments(argc, argv)))
        return theApp.exitCode();
    return application.exec();
}
