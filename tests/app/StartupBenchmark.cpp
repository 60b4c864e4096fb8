// Start-up to the first shown main window, the program against a minimal Qt Widgets window,
// each a fresh process: the benchmark starts itself as the child that shows the window and
// says so on its output once the window is exposed. The time runs from starting the process
// to that line; the child's exit is not counted. A third child shows a minimal window with
// one line of text, which is what starting the font system costs.

#include "CMainFrame.h"
#include "CZolApp.h"
#include "IsolatedSettings.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QProcess>
#include <QTest>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>

using namespace quorl;

namespace {

constexpr char kMinimalChild[] = "--child-minimal";
constexpr char kTextChild[] = "--child-text";
constexpr char kQuorlChild[] = "--child-quorl";

std::string selfPath;

int reportShown(QWidget* window) {
    if (!QTest::qWaitForWindowExposed(window))
        return 1;
    std::fputs("shown\n", stdout);
    std::fflush(stdout);
    return 0;
}

int runChild(int argc, char* argv[], const char* mode) {
    const IsolatedSettings settings;
    QApplication application(argc, argv);
    if (!std::strcmp(mode, kQuorlChild)) {
        CZolApp theApp;
        return theApp.InitInstance({}) ? reportShown(theApp.mainFrame()) : 1;
    }
    QMainWindow window;
    if (!std::strcmp(mode, kTextChild))
        window.setCentralWidget(new QLabel(QStringLiteral("For Help，Please Press F1")));
    window.show();
    return reportShown(&window);
}

void startChild(benchmark::State& state, const char* mode) {
    for (auto _ : state) {
        QProcess child;
        child.start(QString::fromStdString(selfPath), {QString::fromLatin1(mode)});
        const bool shown = child.waitForReadyRead(30000) && child.readLine() == "shown\n";
        state.PauseTiming();
        const bool finished = child.waitForFinished(30000) && child.exitCode() == 0;
        state.ResumeTiming();
        if (!shown || !finished) {
            state.SkipWithError("the child did not show its window");
            return;
        }
    }
}

void MinimalQtWindow(benchmark::State& state) {
    startChild(state, kMinimalChild);
}
void MinimalQtWindowWithText(benchmark::State& state) {
    startChild(state, kTextChild);
}
void QuorlMainWindow(benchmark::State& state) {
    startChild(state, kQuorlChild);
}

BENCHMARK(MinimalQtWindow)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);
BENCHMARK(MinimalQtWindowWithText)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);
BENCHMARK(QuorlMainWindow)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);

} // namespace

int main(int argc, char* argv[]) {
    for (const char* mode : {kMinimalChild, kTextChild, kQuorlChild})
        if (argc > 1 && !std::strcmp(argv[1], mode))
            return runChild(argc, argv, mode);
    // Without a display the children draw offscreen.
    if (!qEnvironmentVariableIsSet("DISPLAY") && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QCoreApplication application(argc, argv);
    selfPath = QCoreApplication::applicationFilePath().toStdString();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
