#include "base/IntegerList.h"

#include "base/ListIndex.h"

namespace aw {

int32_t IntegerList::Get(int index) const { return ListGet(m_items, index); }

void IntegerList::Set(int index, int32_t value) { ListSet(m_items, index, value); }

} // namespace aw
