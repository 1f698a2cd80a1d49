#include "codec/MatchWindow.h"

#include "codec/LzhCompressor.h"

#include <algorithm>

namespace aw {

MatchWindow::MatchWindow(CodecSink &sink) : m_sink(sink), m_bytes(kHistory + kBlock + kRoom)
{
    std::fill(m_bytes.begin() + kLongest, m_bytes.begin() + kHistory, uint8_t{' '});
}

void MatchWindow::Flush(const uint8_t *end)
{
    const int64_t count = end - BlockStart();
    if (count == 0)
        return;
    if (m_sink.Write(BlockStart(), count) != count)
        throw LZHException(lzhmsg::kWriteError);
    std::memmove(m_bytes.data(), end - kHistory, kHistory);
}

} // namespace aw
