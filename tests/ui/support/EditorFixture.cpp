#include "EditorFixture.h"

#include "engine/Vehicle.h"
#include "ui/document/VehicleDocument.h"

#include <QTest>

namespace aw {

bool EditorFixture::Start()
{
    Data = std::make_unique<MemoryProgramData>();
    Dialogs = std::make_unique<ScriptedDialogs>();
    Window = std::make_unique<MainWindow>();
    Window->show();
    return QTest::qWaitForWindowExposed(Window.get());
}

void EditorFixture::Stop()
{
    if (Window)
        Design().Modified = false;
    Window.reset();
    Dialogs.reset();
    Data.reset();
}

Vehicle &EditorFixture::Design() { return Window->Document().Design(); }

} // namespace aw
