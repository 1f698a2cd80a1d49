#include "codec/SinkBuffer.h"

#include "codec/LzhCompressor.h"

namespace aw {

SinkBuffer::SinkBuffer(CodecSink &sink) : m_sink(sink), m_data(kCapacity) {}

void SinkBuffer::Flush()
{
    if (m_used == 0)
        return;
    const int64_t written = m_sink.Write(m_data.data(), static_cast<int64_t>(m_used));
    if (written != static_cast<int64_t>(m_used))
        throw LZHException(lzhmsg::kWriteError);
    m_flushed += m_used;
    m_used = 0;
}

} // namespace aw
