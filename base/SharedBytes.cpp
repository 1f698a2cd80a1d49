#include "base/SharedBytes.h"

namespace aw {

SharedBytes::SharedBytes(std::vector<uint8_t> bytes) { *this = std::move(bytes); }

SharedBytes &SharedBytes::operator=(std::vector<uint8_t> bytes)
{
    if (bytes.empty())
        m_bytes.reset();
    else
        m_bytes = std::make_shared<const std::vector<uint8_t>>(std::move(bytes));
    return *this;
}

const std::vector<uint8_t> &SharedBytes::Bytes() const
{
    static const std::vector<uint8_t> none;
    return m_bytes ? *m_bytes : none;
}

bool SharedBytes::operator==(const SharedBytes &other) const
{
    return m_bytes == other.m_bytes || Bytes() == other.Bytes();
}

} // namespace aw
