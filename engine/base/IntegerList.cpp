#include "engine/base/IntegerList.h"

int32_t TIntegerList::Get(int index) const
{
    if (index < 0 || index >= Count())
        return 0;
    return m_items[static_cast<size_t>(index)];
}

void TIntegerList::Set(int index, int32_t value)
{
    if (index >= 0 && index < Count())
        m_items[static_cast<size_t>(index)] = value;
    else
        m_items.push_back(value);
}
