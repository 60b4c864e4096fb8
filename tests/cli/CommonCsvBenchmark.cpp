// A 1,000-row channel list as a repeater directory exports it, read and checked into a file.
// Locations run 1 to 1000, so 199 rows are stored and the rest are left out.

#include "CommonCsv.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

using namespace quorl;

std::string thousandRows() {
    const char* tones[] = {
        ",88.5,88.5,023,NN,023,Tone->Tone", "Tone,123.0,88.5,023,NN,023,Tone->Tone",
        "TSQL,88.5,103.5,023,NN,023,Tone->Tone", "DTCS,88.5,88.5,125,NR,023,Tone->Tone",
        "Cross,88.5,88.5,023,NR,754,DTCS->DTCS"};
    const char* duplex[] = {",0.000000", "+,5.000000", "-,7.600000", "split,460.000000"};
    std::string text = "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,"
                       "DtcsPolarity,RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,"
                       "RPT1CALL,RPT2CALL,DVCODE\r\n";
    for (int row = 1; row <= 1000; ++row)
        text += std::to_string(row) + ",RPT" + std::to_string(row) + ",43" +
                std::to_string(row % 10) + ".012500," + duplex[row % 4] + "," + tones[row % 5] +
                ",FM,12.50," + (row % 3 ? "" : "S") + ",5.0W,Repeater on the hill,,,,\r\n";
    return text;
}

void ImportThousandRows(benchmark::State& state) {
    const std::string text = thousandRows();
    const ToneTable tones;
    RadioImage image;
    resetImage(image);
    for (auto _ : state) {
        const CommonCsvImport result = importCommonCsv(text, tones, image, LeftOutRows::Skipped);
        if (!result.stored || result.leftOut.size() != 1000 - kChannelCount) {
            state.SkipWithError("the rows did not come in as expected");
            break;
        }
        benchmark::DoNotOptimize(image.data());
    }
}
BENCHMARK(ImportThousandRows)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(9)
    ->ReportAggregatesOnly();

} // namespace
