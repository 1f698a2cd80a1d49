#pragma once

#include "base/IntegerList.h"

#include <array>
#include <cstdint>
#include <vector>

namespace aw {

// A window's top, left, height and width.
struct WindowRect {
    int32_t Top = 0;
    int32_t Left = 0;
    int32_t Height = 0;
    int32_t Width = 0;
};

// The 17 layout sizes of the main window, in the settings file's order: the weapon grid panel's height,
// the note pages' width, the widths of columns 0..3 of the perk, flaw and defect grids (column
// by column: perk 0, flaw 0, defect 0, perk 1, ...), then the widths of the three grids.
using LayoutValues = std::array<int32_t, 17>;

// The remembered window positions (four lists of slots, one per value, indexed by a
// window's tag; -1 until stored) and the layout values, with the settings file form.
class WindowPositionStore {
public:
    static constexpr int kSlots = 8;
    static constexpr int kFileSize = kSlots * 16 + 17 * 4; // 196
    // Index of the perk grid's column 0 width, which tells whether layout values were stored.
    static constexpr int kLayoutMarker = 2;

    WindowPositionStore() { Reset(); }
    // Every slot value and layout value back to -1.
    void Reset();

    // Applies each stored value above 0 of the slot to rect (top, left, height, width);
    // an invalid slot or values of 0 or below leave rect as it is.
    void RestoreWindowPosition(int slot, WindowRect &rect) const;
    // Stores rect in the slot when the slot is valid.
    void StoreWindowPosition(int slot, const WindowRect &rect);
    // Hands out the stored layout values when they were stored (perk grid column 0 width not -1);
    // otherwise values stay as they are.
    void GetLayoutValues(LayoutValues &values) const;
    void SetLayoutValues(const LayoutValues &values) { m_layout = values; }

    const IntegerList &Tops() const { return m_top; }
    const IntegerList &Lefts() const { return m_left; }
    const IntegerList &Heights() const { return m_height; }
    const IntegerList &Widths() const { return m_width; }

    // The settings file: 196 bytes of little-endian 32-bit values, the slots (top, left,
    // height, width each) then the layout values. Reading a short file sets only the
    // values whose four bytes are all present.
    void ReadFrom(const std::vector<uint8_t> &bytes);
    std::vector<uint8_t> FileBytes() const;

private:
    bool ValidSlot(int slot) const { return slot >= 0 && slot < m_top.Count(); }

    IntegerList m_top;
    IntegerList m_left;
    IntegerList m_height;
    IntegerList m_width;
    LayoutValues m_layout{};
};

} // namespace aw
