#pragma once

namespace aw {

class MovementList;
class Vehicle;
class VehicleDocument;

// What the pages of the main window need from it: the current design (through its
// document) and the refresh of every result label.
class EditorHost {
public:
    virtual ~EditorHost() = default;

    virtual VehicleDocument &Document() = 0;
    // Recomputes and shows all results (top band and the General page's derived values).
    virtual void ShowResults() = 0;
    // The program-wide movement library the mode lists are filled from.
    virtual MovementList &MovementLibrary() = 0;
};

} // namespace aw
