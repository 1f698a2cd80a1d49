#pragma once

#include "output/RecordSheet.h"
#include "output/SheetExport.h"
#include "storage/WindowPositionStore.h"
#include "ui/WindowPlacement.h"

#include <cstdint>
#include <string>
#include <vector>

namespace aw {

class MovementList;

// The program-wide data the editor reads and remembers: the libraries loaded at start-up,
// the window-position store with the layout values, and the data blocks the sheets and
// lists are made from. The program installs the one backed by the data files; tests
// install their own.
class ProgramData {
public:
    virtual ~ProgramData() = default;

    virtual MovementList &MovementLibrary() = 0;

    // Slot = the window's tag. Values of 0 or below are "not stored".
    virtual WindowPosition WindowPositionAt(int slot) const = 0;
    virtual void SetWindowPosition(int slot, const WindowPosition &position) = 0;
    // Hands out the stored layout values when any are stored (else leaves values alone).
    virtual void GetLayoutValues(LayoutValues &values) const = 0;
    virtual void SetLayoutValues(const LayoutValues &values) = 0;

    // The text or HTML sheet template, read afresh for each export.
    virtual std::string SheetTemplate(SheetKind kind) = 0;
    // The record-sheet layout block (0 print layout, 1 image layout), read afresh.
    virtual SheetLayoutSource SheetLayout(int layout) = 0;
    // The drop-down word lists of the Info page.
    virtual std::string DropDownText() = 0;
};

// The installed program data; installing nullptr leaves none (using it then is an error).
ProgramData &CurrentProgramData();
void SetProgramData(ProgramData *data);

} // namespace aw
