// Editing the whole table at once, each including the window's repaint: a paste of all 199
// channels, a sort of all 199, and an undo of that sort; and the heap that 1,000 undo steps
// hold.

#include "Bcd.h"
#include "CMSFlexGrid.h"
#include "CMainFrame.h"
#include "CZolApp.h"
#include "CZolView.h"
#include "ChannelCodec.h"
#include "SheetCommands.h"
#include "WindowBenchmark.h"

#include <QApplication>
#include <QFile>
#include <QTest>

#include <benchmark/benchmark.h>

#include <malloc.h>
#include <numeric>

using namespace quorl;
using namespace quorl::bench;

namespace {

// Every channel in use, frequencies falling as the channel number grows.
QByteArray fullImage() {
    RadioImage image;
    resetImage(image);
    for (int channel = 1; channel <= kChannelCount; ++channel) {
        const std::size_t at = channelRecordOffset(channel);
        const int step = 200 - channel; // 1..199 × 6.25 kHz above 440 MHz
        const int count = 44000000 + step * 625;
        for (const std::size_t base : {at, at + 4}) {
            image[base + 0] = bcdByte(count % 100);
            image[base + 1] = bcdByte(count / 100 % 100);
            image[base + 2] = bcdByte(count / 10000 % 100);
            image[base + 3] = bcdByte(count / 1000000);
        }
        image[at + 8] = 0x85;
        image[at + 9] = 0x08;
        image[at + 10] = 0x23;
        image[at + 11] = 0x80;
        image[at + 12] = 0x31;
        const std::string name = "CH" + std::to_string(channel);
        std::copy(name.begin(), name.end(), image.begin() + channelNameOffset(channel));
    }
    return QByteArray(reinterpret_cast<const char*>(image.data()), kImageSize);
}

std::vector<int> allChannels() {
    std::vector<int> channels(kChannelCount);
    std::iota(channels.begin(), channels.end(), 1);
    return channels;
}

void repaint() {
    theApp->mainFrame()->repaint();
}

std::size_t heapInUse() {
    const struct mallinfo2 heap = mallinfo2();
    return heap.uordblks + heap.hblkhd;
}

void PasteOf199Channels(benchmark::State& state) {
    CZolView* view = theApp->view();
    theApp->OpenDocumentFile(fullFile);
    view->grid()->SelectChannels(allChannels());
    view->sheet().run(SheetCommand::Copy);
    for (auto _ : state) {
        state.PauseTiming();
        theApp->OnFileNew();
        view->grid()->SelectChannels(allChannels());
        repaint();
        state.ResumeTiming();
        view->sheet().run(SheetCommand::Paste);
        repaint();
    }
    if (view->grid()->TextMatrix(kChannelCount, kColName) != QStringLiteral("CH199"))
        state.SkipWithError("the paste did not arrive");
}

void SortOf199Channels(benchmark::State& state) {
    CZolView* view = theApp->view();
    for (auto _ : state) {
        state.PauseTiming();
        theApp->OpenDocumentFile(fullFile);
        view->grid()->SelectChannels(allChannels());
        repaint();
        state.ResumeTiming();
        view->sheet().run(SheetCommand::SortByReceive);
        repaint();
    }
}

void UndoOfASort(benchmark::State& state) {
    CZolView* view = theApp->view();
    for (auto _ : state) {
        state.PauseTiming();
        theApp->OpenDocumentFile(fullFile);
        view->grid()->SelectChannels(allChannels());
        view->sheet().run(SheetCommand::SortByReceive);
        repaint();
        state.ResumeTiming();
        view->sheet().run(SheetCommand::Undo);
        repaint();
    }
}

// The heap the history grows by over 1,000 committed cells.
void HeapOf1000UndoSteps(benchmark::State& state) {
    CZolView* view = theApp->view();
    for (auto _ : state) {
        theApp->OnFileNew();
        const std::size_t before = heapInUse();
        for (int step = 0; step < 1000; ++step) {
            view->grid()->SetTextMatrix(1 + step % kChannelCount, kColName, QString::number(step));
            view->sheet().recordChange();
        }
        state.counters["HeapFor1000Steps"] =
            benchmark::Counter(static_cast<double>(heapInUse() - before),
                               benchmark::Counter::kDefaults, benchmark::Counter::kIs1024);
        state.counters["States"] = static_cast<double>(view->sheet().history().size());
    }
}

BENCHMARK(PasteOf199Channels)->Unit(benchmark::kMillisecond);
BENCHMARK(SortOf199Channels)->Unit(benchmark::kMillisecond);
BENCHMARK(UndoOfASort)->Unit(benchmark::kMillisecond);
BENCHMARK(HeapOf1000UndoSteps)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char* argv[]) {
    return quorl::bench::runWindowBenchmarks(argc, argv, fullImage());
}
