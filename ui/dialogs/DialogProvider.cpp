#include "ui/dialogs/DialogProvider.h"

#include "ui/dialogs/QtDialogProvider.h"

namespace {
TDialogProvider *g_installed = nullptr;
}

TDialogProvider &Dialogs()
{
    if (g_installed)
        return *g_installed;
    static TQtDialogProvider standard;
    return standard;
}

void SetDialogProvider(TDialogProvider *provider)
{
    g_installed = provider;
}
