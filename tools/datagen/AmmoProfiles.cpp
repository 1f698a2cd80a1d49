#include "tools/datagen/AmmoProfiles.h"

#include "tools/datagen/DataGenError.h"
#include "tools/datagen/SourceText.h"

namespace aw {

namespace {

// A type's code without the blank and comma AmmoCodes puts around it.
std::string BareCode(int k)
{
    std::string code = AmmoTypeAt(k).Code;
    if (!code.empty() && code.back() == ',')
        code.pop_back();
    return sourcetext::Trim(code);
}

} // namespace

int AmmoProfiles::CodeIndex(const std::string &code)
{
    for (int k = 0; k < kAmmoTypeCount; ++k) {
        if (BareCode(k) == code)
            return k;
    }
    return -1;
}

AmmoProfiles::AmmoProfiles(const std::string &text, const std::string &source)
{
    for (const sourcetext::Line &line : sourcetext::ContentLines(text)) {
        const size_t equals = line.Text.find('=');
        if (equals == std::string::npos)
            throw DataGenError(source, line.Number, "expected \"name = codes\"");
        const std::string name = sourcetext::Trim(line.Text.substr(0, equals));
        if (name.empty() || CodeIndex(name) >= 0 || m_sets.count(name))
            throw DataGenError(source, line.Number, "\"" + name + "\" is not a new set name");
        AmmoFlags flags{};
        const std::string codes = sourcetext::Trim(line.Text.substr(equals + 1));
        if (!codes.empty()) {
            for (const std::string &code : sourcetext::SplitTrimmed(codes, ',')) {
                const int k = CodeIndex(code);
                if (k < 0)
                    throw DataGenError(source, line.Number, "\"" + code + "\" is not an ammunition code");
                flags[static_cast<size_t>(k)] = true;
            }
        }
        m_sets[name] = flags;
    }
}

AmmoFlags AmmoProfiles::Resolve(const std::string &cell, const std::string &source, int line) const
{
    AmmoFlags flags{};
    const std::string trimmed = sourcetext::Trim(cell);
    if (trimmed.empty() || trimmed == "-")
        return flags;
    for (const std::string &item : sourcetext::SplitTrimmed(trimmed, ',')) {
        if (const auto set = m_sets.find(item); set != m_sets.end()) {
            for (size_t k = 0; k < flags.size(); ++k)
                flags[k] = flags[k] || set->second[k];
            continue;
        }
        const int k = CodeIndex(item);
        if (k < 0)
            throw DataGenError(source, line, "\"" + item + "\" is neither an ammunition code nor a set name");
        flags[static_cast<size_t>(k)] = true;
    }
    return flags;
}

} // namespace aw
