// Whole transfers through SerialPort, a pseudo-terminal and a simulated radio that answers at
// once, against the sum of the protocol's fixed pauses; and the CPU the waits cost.

#include "CloneProtocol.h"
#include "RadioSimProcess.h"
#include "SerialPort.h"
#include "ThreadPacer.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFile>

#include <chrono>
#include <sys/resource.h>

namespace quorl {
namespace {

// No windows: nothing to pump, nobody cancels.
class QuietUi final : public TransferEvents {
public:
    void begin(TransferDirection) override {}
    void stage(TransferStage) override {}
    void progress(int, int) override {}
    bool retry(RetryReason) override { return false; }
    bool betweenWaits() override { return true; }
};

// CPU time of this process: the protocol and the port; the radio runs in its own process.
// Skips every pause: what is left is the cost of the port, the pty and the radio's answers.
class NoPauses final : public Pacer {
public:
    void pause(int) override {}
};

double cpuSeconds() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Handshake: 7 pumping passes and 7 bytes, 1 ms each, then 1 ms before "M" and before 0x02.
constexpr double kHandshakeFloorMs = 7 + 7 + 1 + 1;
constexpr double kReadFloorMs = kHandshakeFloorMs + CloneProtocol::kReadBlocks * (15 + 5);
constexpr double kWriteFloorMs = kHandshakeFloorMs + CloneProtocol::kWriteBlocks * (1 + 1);

// floorMs 0: without pauses.
void transfer(benchmark::State& state, TransferDirection direction, double floorMs) {
    static int argc = 1;
    static char name[] = "quorl_link_transfer_benchmark";
    static char* argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);

    RadioImage image{};
    for (auto _ : state) {
        state.PauseTiming();
        testkit::RadioSimProcess radio;
        qputenv("QUORL_COM1", QFile::encodeName(radio.start({"--delay", "0"})));
        state.ResumeTiming();
        SerialPort port;
        ThreadPacer threadPacer;
        NoPauses noPauses;
        QuietUi ui;
        CloneProtocol protocol(port, floorMs > 0 ? static_cast<Pacer&>(threadPacer) : noPauses, ui);

        const double cpuBefore = cpuSeconds();
        const auto start = std::chrono::steady_clock::now();
        const QString port1 = QStringLiteral("COM1");
        const TransferResult result = direction == TransferDirection::Read
                                          ? protocol.read(port1)
                                          : protocol.write(port1, image);
        const double wallMs =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count();
        const double cpu = cpuSeconds() - cpuBefore;

        if (result.outcome != TransferOutcome::Completed)
            state.SkipWithError(result.cause.toStdString().c_str());
        state.counters["wall_ms"] = wallMs;
        if (floorMs > 0) {
            state.counters["floor_ms"] = floorMs;
            state.counters["x_floor"] = wallMs / floorMs;
        }
        state.counters["cpu_pct"] = 100.0 * cpu * 1000.0 / wallMs;
        state.PauseTiming();
        radio.stop();
        state.ResumeTiming();
    }
}

BENCHMARK_CAPTURE(transfer, FullRead, TransferDirection::Read, kReadFloorMs)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(transfer, FullWrite, TransferDirection::Write, kWriteFloorMs)
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK_CAPTURE(transfer, FullWriteWithoutPauses, TransferDirection::Write, 0.0)
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
} // namespace quorl
