#pragma once

#include "engine/MovementList.h"
#include "ui/ProgramData.h"

#include <map>

// Program data held in memory for the editor tests: the eight standard movement modes,
// a window-position store and layout values, and small sheet templates. Installed for
// its lifetime.
class TMemoryProgramData : public TProgramData {
public:
    TMemoryProgramData();
    ~TMemoryProgramData() override;

    TMovementList library;
    std::map<int, TWindowPosition> positions;
    TLayoutValues layout;
    std::string textTemplate = "Sheet of |NAME|";
    std::string htmlTemplate = "<p>|NAME|</p>";
    std::string dropDown;

    TMovementList &MovementLibrary() override { return library; }
    TWindowPosition WindowPosition(int slot) const override;
    void SetWindowPosition(int slot, const TWindowPosition &position) override;
    void GetLayoutValues(TLayoutValues &values) const override;
    void SetLayoutValues(const TLayoutValues &values) override;
    std::string SheetTemplate(TSheetKind kind) override;
    std::vector<uint8_t> SheetLayout(int layout) override;
    std::string DropDownText() override { return dropDown; }

    // A library record as the standard movement data holds it.
    static TMovementRecord Mode(const char *name, bool custom, bool flight, bool canFly, bool hasStall);
};
