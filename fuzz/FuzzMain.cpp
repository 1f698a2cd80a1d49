// The libFuzzer driver of one target; AW_FUZZ_ENTRY names its entry function.
#include "fuzz/entries/FuzzEntries.h"

#include <cstdio>
#include <cstdlib>
#include <exception>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    try {
        aw::AW_FUZZ_ENTRY(std::span<const uint8_t>(data, size));
    } catch (const std::exception &e) {
        // Any error the reader does not document for bad input is a finding.
        std::fprintf(stderr, "finding: %s\n", e.what());
        std::abort();
    }
    return 0;
}
