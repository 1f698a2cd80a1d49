#include "codec/SinkBuffer.h"

#include "codec/LzhCompressor.h"

TSinkBuffer::TSinkBuffer(TCodecSink &sink) : m_sink(sink), m_data(kCapacity) {}

void TSinkBuffer::Flush()
{
    if (m_used == 0)
        return;
    const int64_t written = m_sink.Write(m_data.data(), static_cast<int64_t>(m_used));
    if (written != static_cast<int64_t>(m_used))
        throw ELZHException(lzhmsg::kWriteError);
    m_flushed += m_used;
    m_used = 0;
}
