#include "base/BooleanList.h"

#include "base/ListIndex.h"
#include "base/Stream.h"

namespace aw {

bool BooleanList::Get(int index) const { return ListGet(m_items, index); }

void BooleanList::Set(int index, bool value) { ListSet(m_items, index, value); }

void BooleanList::Delete(int index) { ListDelete(m_items, index); }

void BooleanList::SaveToStream(Stream &stream) const
{
    stream.WriteInt32(Count());
    for (bool item : m_items)
        stream.WriteUInt8(item ? 1 : 0);
}

void BooleanList::LoadFromStream(Stream &stream)
{
    Clear();
    const int32_t count = stream.ReadInt32();
    if (count <= 0)
        return;
    // Each entry is one byte: a count beyond what remains can only be damage.
    stream.RequireRemaining(static_cast<int64_t>(count), "link list");
    for (int32_t i = 0; i < count; ++i)
        Add(stream.ReadUInt8() != 0);
}

} // namespace aw
