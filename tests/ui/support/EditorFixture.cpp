#include "EditorFixture.h"

#include "engine/Vehicle.h"
#include "ui/document/VehicleDocument.h"

#include <QTest>

namespace aw {

bool EditorFixture::Start()
{
    data = std::make_unique<MemoryProgramData>();
    dialogs = std::make_unique<ScriptedDialogs>();
    window = std::make_unique<MainWindow>();
    window->show();
    return QTest::qWaitForWindowExposed(window.get());
}

void EditorFixture::Stop()
{
    if (window)
        Design().Modified = false;
    window.reset();
    dialogs.reset();
    data.reset();
}

Vehicle &EditorFixture::Design() { return window->Document().Design(); }

} // namespace aw
