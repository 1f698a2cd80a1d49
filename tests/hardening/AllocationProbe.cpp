#include "AllocationProbe.h"

#include <atomic>
#include <cstdlib>
#include <new>

// The global allocation functions, replaced for the whole test program.
namespace {
std::atomic<int> g_watching{0};
std::atomic<size_t> g_largest{0};

void *Allocate(size_t size)
{
    if (g_watching.load(std::memory_order_relaxed) > 0) {
        size_t seen = g_largest.load(std::memory_order_relaxed);
        while (size > seen && !g_largest.compare_exchange_weak(seen, size))
            ;
    }
    if (void *p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
} // namespace

void *operator new(size_t size) { return Allocate(size); }
void *operator new[](size_t size) { return Allocate(size); }
void operator delete(void *p) noexcept { std::free(p); }
void operator delete[](void *p) noexcept { std::free(p); }
void operator delete(void *p, size_t) noexcept { std::free(p); }
void operator delete[](void *p, size_t) noexcept { std::free(p); }

namespace aw {

AllocationProbe::AllocationProbe()
{
    g_largest = 0;
    ++g_watching;
}

AllocationProbe::~AllocationProbe() { --g_watching; }

size_t AllocationProbe::Largest() const { return g_largest.load(); }

} // namespace aw
