#include "weapons/ClipList.h"

#include "base/CalculationLog.h"
#include "base/ExtendedMath.h"
#include "base/ListIndex.h"
#include "base/Stream.h"

#include <algorithm>
#include <utility>

namespace {
// Smallest stored clip: its ClipCount and section count.
constexpr int64_t kMinStoredClipSize = 8;
} // namespace

TClipList::TClipList() : m_clips(1) {}

const TClip &TClipList::Get(int i) const
{
    static const TClip empty;
    const TClip *clip = ListFind(m_clips, i);
    return clip ? *clip : empty;
}

TClip *TClipList::Mutable(int i)
{
    return ListFind(m_clips, i);
}

void TClipList::Set(int i, const TClip &clip)
{
    ListSet(m_clips, i, clip);
}

int TClipList::Add(const TClip &clip)
{
    m_clips.push_back(clip);
    return Count() - 1;
}

void TClipList::Delete(int i)
{
    ListDelete(m_clips, i);
}

void TClipList::Exchange(int i, int j)
{
    ListExchange(m_clips, i, j);
}

int64_t TClipList::TotalAmmo() const
{
    // Only one spare clip is loaded at a time: the largest one counts.
    int64_t largestSpare = 0;
    for (int i = 1; i < Count(); ++i)
        largestSpare = std::max(largestSpare, m_clips[static_cast<size_t>(i)].TotalAmmo());
    return Get(0).TotalAmmo() + largestSpare;
}

bool TClipList::HasMassDestruction() const
{
    return std::any_of(m_clips.begin(), m_clips.end(), [](const TClip &clip) { return clip.HasMassDestruction(); });
}

bool TClipList::HasShieldedClip() const
{
    for (int i = 1; i < Count(); ++i)
        if (m_clips[static_cast<size_t>(i)].Shielded)
            return true;
    return false;
}

int32_t TClipList::ShieldedClipCost(double ammoBaseCost) const
{
    LogLine("              Checking if any of the perks are ammo contained");
    int64_t total = 0;
    for (int i = 1; i < Count(); ++i) {
        const TClip &clip = m_clips[static_cast<size_t>(i)];
        if (!clip.Shielded)
            continue;
        // A tenth of the worth, rounded up; the worth is evaluated (and logged) once
        // for the quotient and once for the remainder.
        int64_t cost = TruncToInt64(clip.Worth(ammoBaseCost) / 10.0);
        if (TruncToInt64(clip.Worth(ammoBaseCost)) % 10 != 0)
            ++cost;
        LogLine("               Clip ", i, " is contained... cost ", cost);
        total += SaturateInt32(cost);
    }
    return SaturateInt32(total);
}

void TClipList::LoadFromStream(TStream &stream, int fileVersion)
{
    Clear();
    const int32_t count = stream.ReadInt32();
    if (count <= 0)
        return;
    const int64_t minClipSize = fileVersion == kClipCountlessFileVersion ? kMinStoredClipSize - 4 : kMinStoredClipSize;
    stream.RequireRemaining(static_cast<int64_t>(count) * minClipSize, "clip count");
    m_clips.reserve(static_cast<size_t>(count));
    for (int32_t i = 0; i < count; ++i) {
        TClip clip;
        clip.LoadFromStream(stream, fileVersion);
        m_clips.push_back(std::move(clip));
    }
}

void TClipList::SaveToStream(TStream &stream) const
{
    stream.WriteInt32(Count());
    for (const TClip &clip : m_clips)
        clip.SaveToStream(stream);
}
