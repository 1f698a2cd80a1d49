#include "output/RecordSheetRenderContext.h"

#include <QGuiApplication>

namespace aw {

namespace {
// QGuiApplication keeps references to its argument count and vector for its whole life.
int g_argc = 1;
char g_name[] = "armorwright";
char *g_argv[] = {g_name, nullptr};
} // namespace

SheetRenderContext::SheetRenderContext()
{
    if (QCoreApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
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
