#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace aw {

// Helpers shared by the hardening tests.
namespace hardening {

// Processor time used by the calling thread. Unlike the wall clock it does not grow while
// the machine is busy with other work, so a limit on it fails only for slow code.
std::chrono::nanoseconds ThreadCpuTime();

// The processor time one case may take: far above the normal cost of any case here, even
// under the sanitizers, and far below that of work that grows out of bounds (a quadratic
// fill, one step per unit of a huge value).
inline constexpr std::chrono::seconds kCaseCpuLimit{10};

// Measures the processor time of the calling thread from its construction.
class CpuTimer {
public:
    CpuTimer() : m_start(ThreadCpuTime()) {}
    std::chrono::nanoseconds Elapsed() const { return ThreadCpuTime() - m_start; }

private:
    std::chrono::nanoseconds m_start;
};

// Writes bytes to a file (test set-up; not the program's writer).
void PutFile(const std::string &path, const std::vector<uint8_t> &bytes);

// A small deterministic pseudo-random generator for mutations.
class Mutator {
public:
    explicit Mutator(uint64_t seed) : m_state(seed * 0x9E3779B97F4A7C15ull + 1) {}
    uint64_t Next();
    size_t Below(size_t bound) { return bound == 0 ? 0 : static_cast<size_t>(Next() % bound); }
    // One to eight random edits: bit flips, byte overwrites with edge values, inserted or
    // removed runs, copied runs, 32-bit fields set to edge values.
    std::vector<uint8_t> Mutate(std::vector<uint8_t> bytes);

private:
    uint64_t m_state;
};

} // namespace hardening

} // namespace aw
