#include "ui/dialogs/DialogProvider.h"

#include "ui/dialogs/FileTypeExtension.h"
#include "ui/dialogs/QtDialogProvider.h"

#include <QFileInfo>

namespace aw {

namespace {
DialogProvider *g_installed = nullptr;
}

QString DialogProvider::SaveFileName(QWidget *parent, const FileDialogOptions &options)
{
    FileDialogOptions shown = options;
    for (;;) {
        const SaveChoice choice = ChooseSaveFile(parent, shown);
        if (choice.Path.isEmpty())
            return {};
        const QString path = WithFileTypeExtension(choice.Path, options.Filter, choice.FileType);
        // The dialog asked about the name as typed; the completed name is another file.
        if (path == choice.Path || !QFileInfo::exists(path) ||
            AskYesNo(parent, QStringLiteral("%1 already exists.\nDo you want to replace it?")
                                 .arg(QFileInfo(path).fileName())) == DialogAnswer::Yes)
            return path;
        shown.FileName = path; // No: the dialog again, to pick another name
    }
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
