#include "ui/dialogs/DialogProvider.h"

#include "ui/dialogs/QtDialogProvider.h"

namespace aw {

namespace {
DialogProvider *g_installed = nullptr;
}

DialogProvider &Dialogs()
{
    if (g_installed)
        return *g_installed;
    static QtDialogProvider standard;
    return standard;
}

void SetDialogProvider(DialogProvider *provider) { g_installed = provider; }

} // namespace aw
