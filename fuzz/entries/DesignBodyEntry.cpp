#include "fuzz/entries/DesignChecks.h"
#include "fuzz/entries/FuzzEntries.h"

namespace aw {

void FuzzDesignBody(std::span<const uint8_t> data) { fuzzcheck::LoadDesignBody(data); }

} // namespace aw
