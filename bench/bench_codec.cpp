// Speed of the LZH codec on the two kinds of data it meets: the record-sheet layout (an
// 8-bit bitmap of a black-and-white form, large flat areas) and incompressible bytes.
#include "storage/BuiltInBlocks.h"
#include "codec/LzhCompressor.h"

#include <benchmark/benchmark.h>

#include <random>

namespace {

// The built-in record-sheet layout (1.9 MB, an 8-bit bitmap of the form and its items).
const std::vector<uint8_t> &sheetLayout()
{
    static const std::vector<uint8_t> layout = DecompressBytes(BuiltInBlock("JPEG"));
    return layout;
}

// A 1200 x 1572 8-bit bitmap of a form: white page, ruled boxes, blocks of glyph-like dots.
const std::vector<uint8_t> &formBitmap()
{
    static const std::vector<uint8_t> bitmap = [] {
        constexpr int width = 1200, height = 1572, header = 1078;
        std::vector<uint8_t> bytes(header + width * height, 0xFF);
        for (int i = 0; i < header; ++i)
            bytes[static_cast<size_t>(i)] = static_cast<uint8_t>(i < 54 ? i * 7 : (i - 54) / 4);
        std::mt19937 rng(1);
        for (int y = 0; y < height; ++y) {
            uint8_t *row = bytes.data() + header + static_cast<size_t>(y) * width;
            const bool rule = y % 97 < 2 || y % 389 == 200;
            for (int x = 0; x < width; ++x) {
                if (rule || x % 131 < 2 || x == 600)
                    row[x] = 0;
                else if ((y / 24) % 5 == 2 && (x / 60) % 3 == 1 && (x % 7 < 3) && rng() % 3 == 0)
                    row[x] = 0; // text-like strokes
            }
        }
        return bytes;
    }();
    return bitmap;
}

const std::vector<uint8_t> &randomBytes()
{
    static const std::vector<uint8_t> bytes = [] {
        std::mt19937 rng(2);
        std::vector<uint8_t> v(1024 * 1024);
        for (uint8_t &b : v)
            b = static_cast<uint8_t>(rng());
        return v;
    }();
    return bytes;
}

void encode(benchmark::State &state, const std::vector<uint8_t> &data)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(CompressBytes(data));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(data.size()));
}

void decode(benchmark::State &state, const std::vector<uint8_t> &data)
{
    const std::vector<uint8_t> container = CompressBytes(data);
    for (auto _ : state)
        benchmark::DoNotOptimize(DecompressBytes(container));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(data.size()));
}

void BM_EncodeSheetLayout(benchmark::State &state) { encode(state, sheetLayout()); }
void BM_EncodeBitmap(benchmark::State &state) { encode(state, formBitmap()); }
void BM_EncodeRandom(benchmark::State &state) { encode(state, randomBytes()); }
void BM_DecodeSheetLayout(benchmark::State &state) { decode(state, sheetLayout()); }
void BM_DecodeBitmap(benchmark::State &state) { decode(state, formBitmap()); }
void BM_DecodeRandom(benchmark::State &state) { decode(state, randomBytes()); }

} // namespace

BENCHMARK(BM_EncodeSheetLayout)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EncodeBitmap)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EncodeRandom)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeSheetLayout)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeBitmap)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeRandom)->Unit(benchmark::kMillisecond);
