#include "base/ArmorwrightError.h"

#include "base/Cp1252.h"

namespace aw {

ErrorText &ErrorText::Text(std::string windows1252)
{
    m_parts.push_back({std::move(windows1252), false});
    return *this;
}

ErrorText &ErrorText::SystemText(std::string utf8)
{
    m_parts.push_back({std::move(utf8), true});
    return *this;
}

ErrorText &ErrorText::File(const std::string &path)
{
    m_filePath = path;
    return SystemText("\"" + path + "\"");
}

std::string ErrorText::Bytes() const
{
    std::string bytes;
    for (const Part &part : m_parts)
        bytes += part.Bytes;
    return bytes;
}

std::string ErrorText::Utf8() const
{
    std::string text;
    for (const Part &part : m_parts)
        text += part.Utf8 ? cp1252::FileNameToUtf8(part.Bytes) : cp1252::ToUtf8(part.Bytes);
    return text;
}

ArmorwrightError::ArmorwrightError(ErrorText text)
    : std::runtime_error(text.Bytes()), m_text(std::make_shared<const ErrorText>(std::move(text)))
{
}

std::string ErrorUtf8(const std::exception &error)
{
    if (const auto *own = dynamic_cast<const ArmorwrightError *>(&error))
        return own->Utf8();
    return cp1252::FileNameToUtf8(error.what());
}

} // namespace aw
