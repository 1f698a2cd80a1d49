#include "codec/MatchWindow.h"

#include "codec/LzhCompressor.h"

#include <algorithm>

namespace aw {

MatchWindow::MatchWindow(CodecSink &sink) : m_sink(sink), m_bytes(kHistory + kBlock + kRoom)
{
    std::fill(m_bytes.begin() + kLongest, m_bytes.begin() + kHistory, uint8_t{' '});
}

void MatchWindow::Flush()
{
    const size_t count = m_end - kHistory;
    if (count == 0)
        return;
    if (m_sink.Write(m_bytes.data() + kHistory, static_cast<int64_t>(count)) != static_cast<int64_t>(count))
        throw LZHException(lzhmsg::kWriteError);
    std::memmove(m_bytes.data(), m_bytes.data() + m_end - kHistory, kHistory);
    m_end = kHistory;
}

} // namespace aw
