#include "output/RecordSheetRenderContext.h"

#include <QGuiApplication>

namespace aw {

namespace {
// QGuiApplication keeps references to its argument count and vector for its whole life.
// Sheets are drawn without a window: the offscreen platform, whatever QT_QPA_PLATFORM names
// (a Wayland session's "wayland", or "xcb" with no display, would stop the program).
char g_name[] = "armorwright";
char g_platformOption[] = "-platform";
char g_platform[] = "offscreen";
char *g_argv[] = {g_name, g_platformOption, g_platform, nullptr};
int g_argc = 3;
} // namespace

SheetRenderContext::SheetRenderContext()
{
    if (QCoreApplication::instance())
        return;
    m_application = std::make_unique<QGuiApplication>(g_argc, g_argv);
}

SheetRenderContext::~SheetRenderContext() = default;

// Not static: a global the program never reads again could otherwise be left out.
SheetRenderContext *g_keptSheetRenderContext = nullptr;

void KeepSheetRenderContext()
{
    if (!g_keptSheetRenderContext)
        g_keptSheetRenderContext = new SheetRenderContext;
}

} // namespace aw
