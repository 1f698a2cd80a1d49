// What an autosave costs the window: the work done on the UI thread when the recovery copy of
// a design carrying a photo (a 2000 x 1500 24-bit picture of noise, 9 MB) is written. The
// worker thread writing the copy is waited for outside the measured time.
#include "engine/Vehicle.h"
#include "tests/support/SampleRecords.h"
#include "ui/document/Autosave.h"
#include "ui/document/VehicleDocument.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <random>

namespace aw {

namespace {

std::vector<uint8_t> NoisyPicture()
{
    constexpr int width = 2000, height = 1500, header = 54;
    std::vector<uint8_t> bitmap = TinyBitmap(width, height);
    std::mt19937 rng(3);
    for (size_t i = header; i < bitmap.size(); ++i)
        bitmap[i] = static_cast<uint8_t>(rng());
    return bitmap;
}

void BM_AutosaveOfAPicturedDesign(benchmark::State &state)
{
    int argc = 1;
    char name[] = "bench_autosave";
    char *argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    VehicleDocument document;
    document.Design().Picture = NoisyPicture();
    Autosave autosave(document, folder.path());
    document.Design().Modified = true;
    for (auto _ : state) {
        if (!autosave.WriteNow())
            state.SkipWithError("nothing was written");
        state.PauseTiming();
        if (!autosave.FinishWrites())
            state.SkipWithError("the copy could not be written");
        state.ResumeTiming();
    }
}

} // namespace

// A fixed count: each write waited for takes about a second, however little the window's part costs.
BENCHMARK(BM_AutosaveOfAPicturedDesign)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(8);

} // namespace aw
