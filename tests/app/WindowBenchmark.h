#pragma once

// The program's window for benchmarks that time it: offscreen unless a display is named, with
// settings in a folder of their own and a channel data file of the given image beside them.

#include "CZolApp.h"
#include "IsolatedSettings.h"

#include <QApplication>
#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTest>

#include <benchmark/benchmark.h>

namespace quorl::bench {

inline CZolApp* theApp = nullptr;
inline QString fullFile; // the image given to runWindowBenchmarks, as a file

// Opens the window, then runs the benchmarks the command line asks for. 1 when the window
// or the file cannot be made.
inline int runWindowBenchmarks(int argc, char* argv[], const QByteArray& image) {
    if (!qEnvironmentVariableIsSet("DISPLAY") && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const IsolatedSettings settings;
    QApplication application(argc, argv);
    fullFile = settings.path() + QStringLiteral("/full.sin");
    QFile file(fullFile);
    if (!file.open(QIODevice::WriteOnly) || file.write(image) != image.size())
        return 1;
    file.close();

    CZolApp app;
    if (!app.InitInstance({}) || !QTest::qWaitForWindowExposed(app.mainFrame()))
        return 1;
    theApp = &app;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace quorl::bench
