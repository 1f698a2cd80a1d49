#pragma once

#include "ui/ProgramData.h"

// The program data of a running editor: the libraries loaded by LoadLibraries (with their
// window-position store) and the data blocks of the program folder (override files) or
// built into the program.
class TStoredProgramData : public TProgramData {
public:
    TMovementList &MovementLibrary() override;
    TWindowPosition WindowPosition(int slot) const override;
    void SetWindowPosition(int slot, const TWindowPosition &position) override;
    void GetLayoutValues(TLayoutValues &values) const override;
    void SetLayoutValues(const TLayoutValues &values) override;
    std::string SheetTemplate(TSheetKind kind) override;
    std::vector<uint8_t> SheetLayout(int layout) override;
    std::string DropDownText() override;
};
