// New and Open: the image goes to all 199 rows and the panel, and the window repaints. And
// the view's initial update, which every New and Open runs, costs as much time and memory
// after 20,000 documents as it did for the first.

#include "Bcd.h"
#include "CMainFrame.h"
#include "CZolApp.h"
#include "CZolView.h"
#include "WindowBenchmark.h"

#include <QApplication>
#include <QFile>
#include <QTest>

#include <benchmark/benchmark.h>

#include <malloc.h>

using namespace quorl;
using namespace quorl::bench;

namespace {

// Every channel in use, with tones, flags and a name.
QByteArray fullImage() {
    quorl::RadioImage image;
    quorl::resetImage(image);
    for (int channel = 1; channel <= quorl::kChannelCount; ++channel) {
        const std::size_t at = quorl::channelRecordOffset(channel);
        const std::uint8_t record[13] = {0x25,
                                         0x06,
                                         bcdByte(channel % 100),
                                         0x44,
                                         0x25,
                                         0x06,
                                         bcdByte(channel % 100),
                                         0x44,
                                         0x85,
                                         0x08,
                                         0x23,
                                         0x80,
                                         0x31};
        std::copy(std::begin(record), std::end(record), image.begin() + at);
        const std::string name = "CH" + std::to_string(channel);
        std::copy(name.begin(), name.end(), image.begin() + quorl::channelNameOffset(channel));
    }
    return QByteArray(reinterpret_cast<const char*>(image.data()), quorl::kImageSize);
}

void repaint() {
    theApp->mainFrame()->repaint();
}

void NewAfterOpen(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        theApp->OpenDocumentFile(fullFile);
        repaint();
        state.ResumeTiming();
        theApp->OnFileNew();
        repaint();
    }
}

void OpenAfterNew(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        theApp->OnFileNew();
        repaint();
        state.ResumeTiming();
        theApp->OpenDocumentFile(fullFile);
        repaint();
    }
}

// Initial updates this process has run so far.
long initialUpdates = 0;

std::size_t heapInUse() {
    const struct mallinfo2 heap = mallinfo2();
    return heap.uordblks + heap.hblkhd;
}

// The argument is how many initial updates come after start-up before the measured ones,
// which run untimed; each is followed by the events it posted, as back in the event loop.
// HeapPerCall is what the heap grows by per measured call.
void InitialUpdateAfter(benchmark::State& state) {
    CZolView* view = theApp->view();
    for (; initialUpdates < state.range(0); ++initialUpdates) {
        view->OnInitialUpdate();
        QCoreApplication::processEvents();
    }
    const std::size_t heapBefore = heapInUse();
    for (auto _ : state) {
        view->OnInitialUpdate();
        QCoreApplication::processEvents();
        ++initialUpdates;
    }
    const double grown = static_cast<double>(heapInUse()) - static_cast<double>(heapBefore);
    state.counters["HeapPerCall"] =
        benchmark::Counter(grown, benchmark::Counter::kAvgIterations, benchmark::Counter::kIs1024);
}

BENCHMARK(InitialUpdateAfter)->Arg(0)->Arg(20000)->Iterations(200)->Unit(benchmark::kMillisecond);
BENCHMARK(NewAfterOpen)->Unit(benchmark::kMillisecond);
BENCHMARK(OpenAfterNew)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char* argv[]) {
    return quorl::bench::runWindowBenchmarks(argc, argv, fullImage());
}
