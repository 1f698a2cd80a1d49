#include "storage/WindowPositionStore.h"

#include "base/Stream.h"

namespace aw {

void WindowPositionStore::Reset()
{
    for (IntegerList *list : {&m_top, &m_left, &m_height, &m_width}) {
        list->Clear();
        for (int i = 0; i < kSlots; ++i)
            list->Add(-1);
    }
    m_layout.fill(-1);
}

void WindowPositionStore::RestoreWindowPosition(int slot, WindowRect &rect) const
{
    if (!ValidSlot(slot))
        return;
    const auto apply = [](int32_t stored, int32_t &value) {
        if (stored > 0)
            value = stored;
    };
    apply(m_top.Get(slot), rect.Top);
    apply(m_left.Get(slot), rect.Left);
    apply(m_height.Get(slot), rect.Height);
    apply(m_width.Get(slot), rect.Width);
}

void WindowPositionStore::StoreWindowPosition(int slot, const WindowRect &rect)
{
    if (!ValidSlot(slot))
        return;
    m_top.Set(slot, rect.Top);
    m_left.Set(slot, rect.Left);
    m_height.Set(slot, rect.Height);
    m_width.Set(slot, rect.Width);
}

void WindowPositionStore::GetLayoutValues(LayoutValues &values) const
{
    if (m_layout[kLayoutMarker] != -1)
        values = m_layout;
}

void WindowPositionStore::ReadFrom(const std::vector<uint8_t> &bytes)
{
    const size_t count = bytes.size() / 4;
    const auto value = [&](size_t index) { return bytes::GetInt32(bytes.data() + 4 * index); };
    IntegerList *lists[] = {&m_top, &m_left, &m_height, &m_width};
    for (size_t i = 0; i < count && i < kSlots * 4; ++i)
        lists[i % 4]->Set(static_cast<int>(i / 4), value(i));
    for (size_t i = kSlots * 4; i < count && i < kSlots * 4 + m_layout.size(); ++i)
        m_layout[i - kSlots * 4] = value(i);
}

std::vector<uint8_t> WindowPositionStore::FileBytes() const
{
    std::vector<uint8_t> bytes(kFileSize);
    uint8_t *p = bytes.data();
    for (int slot = 0; slot < kSlots; ++slot) {
        for (const IntegerList *list : {&m_top, &m_left, &m_height, &m_width}) {
            bytes::PutInt32(p, list->Get(slot));
            p += 4;
        }
    }
    for (int32_t v : m_layout) {
        bytes::PutInt32(p, v);
        p += 4;
    }
    return bytes;
}

} // namespace aw
