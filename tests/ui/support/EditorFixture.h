#pragma once

#include "MemoryProgramData.h"
#include "ScriptedDialogs.h"

#include "ui/MainWindow.h"

#include <memory>

namespace aw {

// A shown main window on test program data with scripted dialogs, made afresh per test.
struct EditorFixture {
    std::unique_ptr<MemoryProgramData> Data;
    std::unique_ptr<ScriptedDialogs> Dialogs;
    std::unique_ptr<MainWindow> Window;

    // Makes data, dialogs and a shown window; false when the window did not appear.
    bool Start();
    // Closes down without a save question.
    void Stop();
    Vehicle &Design();
};

} // namespace aw
