#include "ReportTests.h"

#include "IsolatedSettings.h"

#include <QApplication>
#include <QTest>

int main(int argc, char* argv[]) {
    const IsolatedSettings settings;
    QApplication app(argc, argv);

    int failures = 0;
    ReportPdfTest pdf;
    failures += QTest::qExec(&pdf, argc, argv);
    ReportWindowTest window;
    failures += QTest::qExec(&window, argc, argv);
    return failures;
}
