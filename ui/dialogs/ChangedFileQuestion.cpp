#include "ui/dialogs/ChangedFileQuestion.h"

#include "ui/dialogs/DialogProvider.h"

namespace aw {

bool ConfirmReplacingChangedFile(QWidget *parent, const QString &path, const QString &what)
{
    return Dialogs().AskYesNo(parent, QStringLiteral("The file \"%1\" was changed by another window or program since "
                                                     "it was opened or saved here.\n\nReplace it with this %2?")
                                          .arg(path, what)) == DialogAnswer::Yes;
}

} // namespace aw
