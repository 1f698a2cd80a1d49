#pragma once

#include <cstddef>

namespace aw {

// Watches the sizes of the allocations made through operator new while it lives (this test
// program replaces the global operator new to see them).
class AllocationProbe {
public:
    AllocationProbe();
    ~AllocationProbe();
    AllocationProbe(const AllocationProbe &) = delete;
    AllocationProbe &operator=(const AllocationProbe &) = delete;

    // The largest single allocation seen so far.
    size_t Largest() const;
};

} // namespace aw
