#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace aw {

// An ordered list of signed 32-bit integers. Reading past the end yields 0;
// setting past the end appends.
class IntegerList {
public:
    int32_t Get(int index) const;
    void Set(int index, int32_t value);
    void Add(int32_t value) { m_items.push_back(value); }
    int Count() const { return static_cast<int>(m_items.size()); }
    void Clear() { m_items.clear(); }

private:
    std::vector<int32_t> m_items;
};

} // namespace aw
