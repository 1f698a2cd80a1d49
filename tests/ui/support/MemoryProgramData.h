#pragma once

#include "base/ArmorwrightError.h"
#include "engine/MovementList.h"
#include "ui/ProgramData.h"

#include <map>

namespace aw {

// Program data held in memory for the editor tests: the eight standard movement modes,
// a window-position store and layout values, and small sheet templates. Installed for
// its lifetime.
class MemoryProgramData : public ProgramData {
public:
    MemoryProgramData();
    ~MemoryProgramData() override;

    MovementList library;
    std::map<int, WindowPosition> positions;
    LayoutValues layout;
    std::string textTemplate = "Sheet of |NAME|";
    std::string htmlTemplate = "<p>|NAME|</p>";
    std::string dropDown;
    bool dropDownDamaged = false;

    MovementList &MovementLibrary() override { return library; }
    WindowPosition WindowPositionAt(int slot) const override;
    void SetWindowPosition(int slot, const WindowPosition &position) override;
    void GetLayoutValues(LayoutValues &values) const override;
    void SetLayoutValues(const LayoutValues &values) override;
    std::string SheetTemplate(SheetKind kind) override;
    SheetLayoutSource SheetLayout(int layout) override;
    std::string DropDownText() override
    {
        if (dropDownDamaged)
            throw ArmorwrightError("The override file DropDown.zel is damaged");
        return dropDown;
    }

    // A library record as the standard movement data holds it.
    static MovementRecord Mode(const char *name, bool custom, bool flight, bool canFly, bool hasStall);
};

} // namespace aw
