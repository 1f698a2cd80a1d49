#pragma once

#include "MemoryProgramData.h"
#include "ScriptedDialogs.h"

#include "ui/MainWindow.h"

#include <memory>

// A shown main window on test program data with scripted dialogs, made afresh per test.
struct TEditorFixture {
    std::unique_ptr<TMemoryProgramData> data;
    std::unique_ptr<TScriptedDialogs> dialogs;
    std::unique_ptr<TMainWindow> window;

    // Makes data, dialogs and a shown window; false when the window did not appear.
    bool Start();
    // Closes down without a save question.
    void Stop();
    TVehicle &Vehicle();
};
