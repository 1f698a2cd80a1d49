#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace aw {

// Bytes that never change once made, so every copy shares one buffer: copying a design or
// an undo step that holds a picture costs a pointer, not megabytes. A holder changes its
// bytes only by taking new ones, so another thread may keep reading a copy meanwhile.
// Reads like the vector it stands for.
class SharedBytes {
public:
    SharedBytes() = default;
    SharedBytes(std::vector<uint8_t> bytes);
    SharedBytes &operator=(std::vector<uint8_t> bytes);

    const std::vector<uint8_t> &Bytes() const;
    operator const std::vector<uint8_t> &() const { return Bytes(); }

    bool empty() const { return size() == 0; }
    size_t size() const { return m_bytes ? m_bytes->size() : 0; }
    const uint8_t *data() const { return Bytes().data(); }
    const uint8_t *begin() const { return data(); }
    const uint8_t *end() const { return data() + size(); }
    void clear() { m_bytes.reset(); }

    // Equal bytes; copies of one buffer compare without reading it.
    bool operator==(const SharedBytes &other) const;
    bool operator==(const std::vector<uint8_t> &other) const { return Bytes() == other; }

    // Whether both hold the very same buffer (a copy, not just equal bytes).
    bool SharesWith(const SharedBytes &other) const { return m_bytes == other.m_bytes; }

private:
    std::shared_ptr<const std::vector<uint8_t>> m_bytes; // null when empty
};

} // namespace aw
