#include "output/TokenSet.h"

#include "output/TokenReplace.h"

namespace aw {

void TokenSet::Add(const std::string &name, const std::string &value)
{
    m_entries.push_back({name, value, value, true});
}

void TokenSet::Add(const std::string &name, const std::string &exactValue, const std::string &widthValue)
{
    m_entries.push_back({name, exactValue, widthValue, true});
}

void TokenSet::AddExactOnly(const std::string &name, const std::string &value)
{
    m_entries.push_back({name, value, {}, false});
}

void TokenSet::Apply(std::string &text) const
{
    ApplyExact(text);
    ApplyWidth(text);
}

void TokenSet::ApplyExact(std::string &text) const
{
    for (const Entry &entry : m_entries)
        ReplaceToken("|" + entry.Name + "|", entry.ExactValue, text);
}

void TokenSet::ApplyWidth(std::string &text) const
{
    for (const Entry &entry : m_entries) {
        if (!entry.HasWidth)
            continue;
        const std::string prefix = "|" + entry.Name;
        std::vector<std::string> longer;
        for (const Entry &other : m_entries)
            if (other.HasWidth && other.Name.size() > entry.Name.size() && other.Name.starts_with(entry.Name))
                longer.push_back("|" + other.Name);
        ReplaceWidthToken(prefix, "|", entry.WidthValue, text, longer);
    }
}

} // namespace aw
