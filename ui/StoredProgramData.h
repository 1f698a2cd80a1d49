#pragma once

#include "ui/ProgramData.h"

namespace aw {

// The program data of a running editor: the libraries loaded by LoadLibraries (with their
// window-position store) and the data blocks of the program folder (override files) or
// built into the program.
class StoredProgramData : public ProgramData {
public:
    MovementList &MovementLibrary() override;
    WindowPosition WindowPositionAt(int slot) const override;
    void SetWindowPosition(int slot, const WindowPosition &position) override;
    void GetLayoutValues(LayoutValues &values) const override;
    void SetLayoutValues(const LayoutValues &values) override;
    std::string SheetTemplate(SheetKind kind) override;
    SheetLayoutSource SheetLayout(int layout) override;
    std::string DropDownText() override;
};

} // namespace aw
