#include "CZolApp.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    quorl::CZolApp theApp;
    if (!theApp.InitInstance(application.arguments().mid(1)))
        return theApp.exitCode();
    return application.exec();
}
