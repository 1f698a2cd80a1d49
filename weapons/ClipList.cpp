#include "weapons/ClipList.h"

#include "base/CalculationLog.h"
#include "base/ExtendedMath.h"
#include "base/ListIndex.h"
#include "base/Stream.h"

#include <algorithm>
#include <utility>

namespace aw {

namespace {
// Smallest stored clip: its ClipCount and section count.
constexpr int64_t kMinStoredClipSize = 8;
} // namespace

ClipList::ClipList() : m_clips(1) {}

const Clip &ClipList::Get(int i) const
{
    static const Clip empty;
    const Clip *clip = ListFind(m_clips, i);
    return clip ? *clip : empty;
}

Clip *ClipList::Mutable(int i) { return ListFind(m_clips, i); }

void ClipList::Set(int i, const Clip &clip) { ListSet(m_clips, i, clip); }

int ClipList::Add(const Clip &clip)
{
    m_clips.push_back(clip);
    return Count() - 1;
}

void ClipList::Delete(int i) { ListDelete(m_clips, i); }

void ClipList::Exchange(int i, int j) { ListExchange(m_clips, i, j); }

int64_t ClipList::TotalAmmo() const
{
    // Only one spare clip is loaded at a time: the largest one counts.
    int64_t largestSpare = 0;
    for (int i = 1; i < Count(); ++i)
        largestSpare = std::max(largestSpare, m_clips[static_cast<size_t>(i)].TotalAmmo());
    return Get(0).TotalAmmo() + largestSpare;
}

bool ClipList::HasMassDestruction() const
{
    return std::any_of(m_clips.begin(), m_clips.end(), [](const Clip &clip) { return clip.HasMassDestruction(); });
}

bool ClipList::HasShieldedClip() const
{
    for (int i = 1; i < Count(); ++i)
        if (m_clips[static_cast<size_t>(i)].Shielded)
            return true;
    return false;
}

int32_t ClipList::ShieldedClipCost(double ammoBaseCost) const
{
    LogLine("              Checking if any of the perks are ammo contained");
    int64_t total = 0;
    for (int i = 1; i < Count(); ++i) {
        const Clip &clip = m_clips[static_cast<size_t>(i)];
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

void ClipList::LoadFromStream(Stream &stream, int fileVersion)
{
    Clear();
    const int32_t count = stream.ReadInt32();
    if (count <= 0)
        return;
    const int64_t minClipSize = fileVersion == kClipCountlessFileVersion ? kMinStoredClipSize - 4 : kMinStoredClipSize;
    stream.RequireRemaining(static_cast<int64_t>(count) * minClipSize, "clip count");
    m_clips.reserve(static_cast<size_t>(count));
    for (int32_t i = 0; i < count; ++i) {
        Clip clip;
        clip.LoadFromStream(stream, fileVersion);
        m_clips.push_back(std::move(clip));
    }
}

void ClipList::SaveToStream(Stream &stream) const
{
    stream.WriteInt32(Count());
    for (const Clip &clip : m_clips)
        clip.SaveToStream(stream);
}

} // namespace aw
