#include "codec/SourceBuffer.h"

#include "codec/LzhCompressor.h"

#include <cstring>

namespace aw {

SourceBuffer::SourceBuffer(CodecSource &source) : m_source(source), m_data(kCapacity + kSlack, 0) {}

bool SourceBuffer::Fill()
{
    if (m_pos < m_end)
        return true;
    if (m_ended)
        return false;
    const int64_t n = m_source.Read(m_data.data(), static_cast<int64_t>(kCapacity));
    if (n < 0 || n > static_cast<int64_t>(kCapacity))
        throw LZHException(lzhmsg::kBlockReadError);
    m_pos = 0;
    m_end = static_cast<size_t>(n);
    std::memset(m_data.data() + m_end, 0, kSlack);
    if (n == 0)
        m_ended = true;
    return n > 0;
}

} // namespace aw
