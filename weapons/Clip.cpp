#include "weapons/Clip.h"

#include "base/CalculationLog.h"
#include "base/ExtendedMath.h"
#include "base/ListIndex.h"
#include "base/RoundUp.h"
#include "base/Stream.h"

namespace aw {

AmmoSection Clip::GetSection(int i) const
{
    const AmmoSection *section = ListFind(m_sections, i);
    return section ? *section : ClearAmmoSection();
}

void Clip::SetSection(int i, const AmmoSection &section) { ListSet(m_sections, i, section); }

int Clip::AddSection(const AmmoSection &section)
{
    m_sections.push_back(section);
    return SectionCount() - 1;
}

void Clip::DeleteSection(int i) { ListDelete(m_sections, i); }

void Clip::ExchangeSections(int i, int j) { ListExchange(m_sections, i, j); }

double Clip::SectionCost(int i, double ammoBaseCost) const
{
    if (i < 0 || i >= SectionCount())
        return 0.0;
    const AmmoSection &section = m_sections[static_cast<size_t>(i)];
    double c = MultiplyExtended(static_cast<double>(section.Amount), ammoBaseCost);
    LogLine("              Base Cost (cost * ammount) of this section of ammo - ", c);
    for (int k = 0; k < kAmmoTypeCount; ++k) {
        const size_t at = static_cast<size_t>(k);
        if (!section.Selected[at] || section.Free[at])
            continue;
        const AmmoType &type = AmmoTypeAt(k);
        c = MultiplyExtended(c, type.Factor);
        if (k == kMassDestructionAmmo)
            LogLine(type.LogLabel);
        else
            LogLine(type.LogLabel, c);
    }
    // Hundredths, halves to even.
    const long double hundredths = RoundHalfEven(static_cast<long double>(c) * 100.0L);
    const double r = static_cast<double>(hundredths / 100.0L);
    if (r != c) {
        c = r;
        LogLine("               Cost after rounding = ", c);
    }
    return c;
}

double Clip::Worth(double ammoBaseCost) const
{
    double total = 0.0;
    for (int i = 0; i < SectionCount(); ++i) {
        LogLine("        Ammo section ", i + 1);
        total += SectionCost(i, ammoBaseCost);
    }
    LogLine("          CLip is worth ", total);
    return total;
}

int64_t Clip::TotalAmmo() const
{
    int64_t total = 0;
    for (const AmmoSection &section : m_sections)
        total += section.Amount;
    return total;
}

bool Clip::HasMassDestruction() const
{
    for (const AmmoSection &section : m_sections)
        if (section.Selected[kMassDestructionAmmo])
            return true;
    return false;
}

void Clip::LoadFromStream(Stream &stream, int fileVersion)
{
    Clear();
    Shielded = false;
    ClipCount = fileVersion == kClipCountlessFileVersion ? 1 : stream.ReadInt32();
    const int32_t count = stream.ReadInt32();
    if (count <= 0)
        return;
    stream.RequireRemaining(static_cast<int64_t>(count) * kAmmoSectionSize, "ammunition section count");
    m_sections.reserve(static_cast<size_t>(count));
    for (int32_t i = 0; i < count; ++i)
        m_sections.push_back(LoadAmmoSection(stream));
}

void Clip::SaveToStream(Stream &stream) const
{
    stream.WriteInt32(ClipCount);
    stream.WriteInt32(SectionCount());
    for (const AmmoSection &section : m_sections)
        SaveAmmoSection(stream, section);
}

} // namespace aw
