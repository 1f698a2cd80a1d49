#pragma once

#include <vector>

namespace aw {

class Stream;

// An ordered list of booleans; the stream form of a weapon's link memberships.
// Reading past the end yields false; setting past the end appends.
class BooleanList {
public:
    bool Get(int index) const;
    void Set(int index, bool value);
    void Add(bool value) { m_items.push_back(value); }
    int Count() const { return static_cast<int>(m_items.size()); }
    void Delete(int index);
    void Clear() { m_items.clear(); }

    // Count as little-endian int32, then one byte per entry (1 true, 0 false).
    void SaveToStream(Stream &stream) const;
    // Clears, then reads the count and that many bytes; any non-zero byte is true.
    void LoadFromStream(Stream &stream);

    bool operator==(const BooleanList &) const = default;

private:
    std::vector<bool> m_items;
};

} // namespace aw
