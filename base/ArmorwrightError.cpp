#include "base/ArmorwrightError.h"

#include "base/Cp1252.h"

TErrorText &TErrorText::Text(std::string windows1252)
{
    m_parts.push_back({std::move(windows1252), false});
    return *this;
}

TErrorText &TErrorText::SystemText(std::string utf8)
{
    m_parts.push_back({std::move(utf8), true});
    return *this;
}

TErrorText &TErrorText::File(const std::string &path)
{
    m_filePath = path;
    return SystemText("\"" + path + "\"");
}

std::string TErrorText::Bytes() const
{
    std::string bytes;
    for (const TPart &part : m_parts)
        bytes += part.Bytes;
    return bytes;
}

std::string TErrorText::Utf8() const
{
    std::string text;
    for (const TPart &part : m_parts)
        text += part.Utf8 ? part.Bytes : cp1252::ToUtf8(part.Bytes);
    return text;
}

EArmorwrightError::EArmorwrightError(TErrorText text)
    : std::runtime_error(text.Bytes()), m_text(std::make_shared<const TErrorText>(std::move(text)))
{
}

std::string ErrorUtf8(const std::exception &error)
{
    if (const auto *own = dynamic_cast<const EArmorwrightError *>(&error))
        return own->Utf8();
    return error.what();
}
