// Speed of the LZH codec on the kinds of data it meets: the record-sheet layout (an 8-bit
// bitmap of a black-and-white form, large flat areas), a noisy photo-like picture and
// incompressible bytes; each side by side with a plain port of the original LZHUF program
// that must give the same bytes.
#include "codec/LzhCompressor.h"
#include "storage/BuiltInBlocks.h"
#include "tests/support/ReferenceLzhuf.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <map>
#include <random>

namespace aw {

namespace {

// The built-in record-sheet layout (1.9 MB, an 8-bit bitmap of the form and its items).
const std::vector<uint8_t> &SheetLayoutBlock()
{
    static const std::vector<uint8_t> layout = DecompressBytes(BuiltInBlock("JPEG"));
    return layout;
}

// A 1200 x 1572 8-bit bitmap of a form: white page, ruled boxes, blocks of glyph-like dots.
const std::vector<uint8_t> &FormBitmap()
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

const std::vector<uint8_t> &RandomBytes()
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

// A 2000 x 1500 24-bit bitmap of a photo-like picture: smooth colour gradients plus sensor
// noise, so most bytes differ from every earlier string and matches are short.
const std::vector<uint8_t> &NoisyPicture()
{
    static const std::vector<uint8_t> bitmap = [] {
        constexpr int width = 2000, height = 1500, header = 54, stride = width * 3;
        std::vector<uint8_t> bytes(header + static_cast<size_t>(stride) * height, 0);
        for (int i = 0; i < header; ++i)
            bytes[static_cast<size_t>(i)] = static_cast<uint8_t>(i * 13);
        std::mt19937 rng(3);
        for (int y = 0; y < height; ++y) {
            uint8_t *row = bytes.data() + header + static_cast<size_t>(y) * stride;
            for (int x = 0; x < width; ++x) {
                const int noise = static_cast<int>(rng() % 9) - 4;
                row[3 * x] = static_cast<uint8_t>(std::clamp(x * 255 / width + noise, 0, 255));
                row[3 * x + 1] = static_cast<uint8_t>(std::clamp(y * 255 / height + noise, 0, 255));
                row[3 * x + 2] = static_cast<uint8_t>(std::clamp((x + y) * 255 / (width + height) - noise, 0, 255));
            }
        }
        return bytes;
    }();
    return bitmap;
}

using Coder = std::vector<uint8_t> (*)(const std::vector<uint8_t> &);
std::vector<uint8_t> Ours(const std::vector<uint8_t> &data) { return CompressBytes(data); }
std::vector<uint8_t> OursDecoded(const std::vector<uint8_t> &c) { return DecompressBytes(c); }

// The container of data, once it is known that both coders write the same bytes and both
// decoders give the data back.
const std::vector<uint8_t> *CheckedContainer(const std::vector<uint8_t> &data, benchmark::State &state)
{
    static std::map<const std::vector<uint8_t> *, std::vector<uint8_t>> checked;
    auto found = checked.find(&data);
    if (found == checked.end()) {
        std::vector<uint8_t> container = CompressBytes(data);
        if (container != referencelzhuf::Compress(data)) {
            state.SkipWithError("the reference codes different bytes");
            return nullptr;
        }
        if (DecompressBytes(container) != data || referencelzhuf::Decompress(container) != data) {
            state.SkipWithError("decoding does not give the data back");
            return nullptr;
        }
        found = checked.emplace(&data, std::move(container)).first;
    }
    return &found->second;
}

void Encode(benchmark::State &state, const std::vector<uint8_t> &data, Coder coder = Ours)
{
    if (CheckedContainer(data, state) == nullptr)
        return;
    for (auto _ : state)
        benchmark::DoNotOptimize(coder(data));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(data.size()));
}

void Decode(benchmark::State &state, const std::vector<uint8_t> &data, Coder decoder = OursDecoded)
{
    const std::vector<uint8_t> *container = CheckedContainer(data, state);
    if (container == nullptr)
        return;
    for (auto _ : state)
        benchmark::DoNotOptimize(decoder(*container));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(data.size()));
}

void BM_EncodeSheetLayout(benchmark::State &state) { Encode(state, SheetLayoutBlock()); }
void BM_EncodeBitmap(benchmark::State &state) { Encode(state, FormBitmap()); }
void BM_EncodeRandom(benchmark::State &state) { Encode(state, RandomBytes()); }
void BM_DecodeSheetLayout(benchmark::State &state) { Decode(state, SheetLayoutBlock()); }
void BM_DecodeBitmap(benchmark::State &state) { Decode(state, FormBitmap()); }
void BM_DecodeRandom(benchmark::State &state) { Decode(state, RandomBytes()); }
void BM_EncodePicture(benchmark::State &state) { Encode(state, NoisyPicture()); }
void BM_DecodePicture(benchmark::State &state) { Decode(state, NoisyPicture()); }

void BM_ReferenceEncodeSheetLayout(benchmark::State &state)
{
    Encode(state, SheetLayoutBlock(), referencelzhuf::Compress);
}
void BM_ReferenceEncodePicture(benchmark::State &state) { Encode(state, NoisyPicture(), referencelzhuf::Compress); }
void BM_ReferenceEncodeRandom(benchmark::State &state) { Encode(state, RandomBytes(), referencelzhuf::Compress); }
void BM_ReferenceDecodeSheetLayout(benchmark::State &state)
{
    Decode(state, SheetLayoutBlock(), referencelzhuf::Decompress);
}
void BM_ReferenceDecodePicture(benchmark::State &state) { Decode(state, NoisyPicture(), referencelzhuf::Decompress); }
void BM_ReferenceDecodeRandom(benchmark::State &state) { Decode(state, RandomBytes(), referencelzhuf::Decompress); }

} // namespace

// Wall-clock time, since the encoder may use more threads (the CPU column counts every
// thread of the process). Each of ours is followed by the reference on the same data, so a
// ratio compares runs under the same machine load.
BENCHMARK(BM_EncodeSheetLayout)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK(BM_ReferenceEncodeSheetLayout)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK(BM_EncodePicture)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK(BM_ReferenceEncodePicture)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK(BM_EncodeRandom)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK(BM_ReferenceEncodeRandom)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK(BM_EncodeBitmap)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK(BM_DecodeSheetLayout)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK(BM_ReferenceDecodeSheetLayout)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK(BM_DecodePicture)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK(BM_ReferenceDecodePicture)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK(BM_DecodeRandom)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK(BM_ReferenceDecodeRandom)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK(BM_DecodeBitmap)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

} // namespace aw
