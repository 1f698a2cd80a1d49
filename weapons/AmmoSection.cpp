#include "weapons/AmmoSection.h"

#include "base/Stream.h"
#include "weapons/FixedImage.h"

namespace aw {

AmmoSection ClearAmmoSection() { return AmmoSection{}; }

AmmoSection ReadAmmoSection(const uint8_t *p)
{
    AmmoSection section;
    section.Amount = bytes::GetInt32(p);
    for (size_t k = 0; k < kAmmoTypeCount; ++k) {
        const uint8_t *flags = p + 4 + 3 * k;
        section.Selected[k] = flags[0] != 0;
        section.Free[k] = flags[1] != 0;
        section.Allowed[k] = flags[2] != 0;
    }
    return section;
}

void WriteAmmoSection(const AmmoSection &section, uint8_t *p)
{
    bytes::PutInt32(p, section.Amount);
    for (size_t k = 0; k < kAmmoTypeCount; ++k) {
        uint8_t *flags = p + 4 + 3 * k;
        flags[0] = section.Selected[k] ? 1 : 0;
        flags[1] = section.Free[k] ? 1 : 0;
        flags[2] = section.Allowed[k] ? 1 : 0;
    }
}

AmmoSection LoadAmmoSection(Stream &stream) { return LoadFixedImage<kAmmoSectionSize>(stream, ReadAmmoSection); }

void SaveAmmoSection(Stream &stream, const AmmoSection &section)
{
    SaveFixedImage<kAmmoSectionSize>(stream, section, WriteAmmoSection);
}

std::string AmmoCodes(const AmmoSection &section)
{
    std::string text;
    for (int k = 0; k < kAmmoTypeCount; ++k)
        if (section.Selected[static_cast<size_t>(k)])
            text += AmmoTypeAt(k).Code;
    if (!text.empty() && text.back() == ',')
        text.pop_back();
    if (!text.empty() && text.front() == ' ')
        text.erase(0, 1);
    return text;
}

} // namespace aw
