#include "ChannelCodec.h"
#include "SettingsCodec.h"

#include <benchmark/benchmark.h>

using namespace quorl;

namespace {

// All 199 channels in use, with frequencies, tones, flags and names.
RadioImage fullImage() {
    RadioImage image;
    resetImage(image);
    ChannelSheet sheet;
    const char* tones[] = {"OFF", "67.0", "254.1", "D023N", "D754I"};
    for (int row = 1; row <= kChannelCount; ++row) {
        sheet.cell(row, kColReceive) = "446.00625";
        sheet.cell(row, kColTransmit) = "145.50000";
        sheet.cell(row, kColRxTone) = tones[row % 5];
        sheet.cell(row, kColTxTone) = tones[(row + 2) % 5];
        sheet.cell(row, kColScan) = "Yes";
        sheet.cell(row, kColTxPower) = row % 2 ? "High" : "Low";
        sheet.cell(row, kColBusyLock) = "Carrier";
        sheet.cell(row, kColName) = "CH" + std::to_string(row);
    }
    encodeChannels(sheet, image);
    return image;
}

void DecodeAndEncodeFullImage(benchmark::State& state) {
    RadioImage image = fullImage();
    for (auto _ : state) {
        const ChannelSheet sheet = decodeChannels(image);
        const SettingsState settings = decodeSettings(image);
        encodeChannels(sheet, image);
        encodeSettings(settings, image);
        benchmark::DoNotOptimize(image.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(DecodeAndEncodeFullImage)->Unit(benchmark::kMicrosecond);

} // namespace
