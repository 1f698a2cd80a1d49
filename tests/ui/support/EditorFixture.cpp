#include "EditorFixture.h"

#include "engine/Vehicle.h"
#include "ui/document/VehicleDocument.h"

#include <QTest>

bool TEditorFixture::Start()
{
    data = std::make_unique<TMemoryProgramData>();
    dialogs = std::make_unique<TScriptedDialogs>();
    window = std::make_unique<TMainWindow>();
    window->show();
    return QTest::qWaitForWindowExposed(window.get());
}

void TEditorFixture::Stop()
{
    if (window)
        Vehicle().Modified = false;
    window.reset();
    dialogs.reset();
    data.reset();
}

TVehicle &TEditorFixture::Vehicle()
{
    return window->Document().Vehicle();
}
