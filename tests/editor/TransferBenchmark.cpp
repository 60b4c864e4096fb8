// A full read from the window over a pseudo-terminal against the sum of the protocol's fixed
// pauses: what the window's pumping and repainting add to the pauses. The status line and the
// progress bar are watched, to be sure they kept repainting while the blocks came in.

#include "TransferFixture.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDialog>
#include <QTest>

#include <chrono>

namespace {

// The handshake's 16 ms, then 15 + 5 ms a block.
constexpr double kReadFloorMs = 16 + 1023 * 20;

void fullReadFromTheWindow(benchmark::State& state) {
    state.SetLabel(QApplication::platformName().toStdString());
    for (auto _ : state) {
        TransferFixture fixture;
        if (!fixture.startRadio({"--delay", "0"})) {
            state.SkipWithError("the simulated radio did not start");
            break;
        }
        fixture.view->transfer().OnReadFromRadio();
        QDialog* window = progressWindow();
        if (!QTest::qWaitForWindowActive(window)) {
            state.SkipWithError("the progress dialog did not come up");
            break;
        }
        const PaintWatcher watcher(window);

        const auto start = std::chrono::steady_clock::now();
        const bool ended = fixture.runTransfer(60000);
        const double wallMs =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count();
        state.SetIterationTime(wallMs / 1000.0);
        if (!ended || !fixture.messages.empty())
            state.SkipWithError("the read did not complete");

        state.counters["wall_ms"] = wallMs;
        state.counters["floor_ms"] = kReadFloorMs;
        state.counters["x_floor"] = wallMs / kReadFloorMs;
        state.counters["status_positions_painted"] = watcher.statusPositionsPainted();
        state.counters["bar_paints"] = static_cast<double>(watcher.barPositions.size());
        state.counters["bar_largest_step"] = watcher.largestBarStep();
        fixture.radio.stop();
    }
}

} // namespace

int main(int argc, char** argv) {
    // Without a display the window draws offscreen.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RegisterBenchmark("FullReadFromTheWindow", fullReadFromTheWindow)
        ->Iterations(1)
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
