#pragma once

class TMovementList;
class TVehicle;
class TVehicleDocument;

// What the pages of the main window need from it: the current design (through its
// document) and the refresh of every result label.
class TEditorHost {
public:
    virtual ~TEditorHost() = default;

    virtual TVehicleDocument &Document() = 0;
    // Recomputes and shows all results (top band and the General page's derived values).
    virtual void ShowResults() = 0;
    // The program-wide movement library the mode lists are filled from.
    virtual TMovementList &MovementLibrary() = 0;
};
