#pragma once

#include <QString>

class QWidget;

namespace aw {

// Asks before a save replaces a file that another window or program wrote since it was opened
// or saved here, so that their work is not replaced unasked; `what` names what is saved
// ("design", "roster"). True when the user answers yes.
bool ConfirmReplacingChangedFile(QWidget *parent, const QString &path, const QString &what);

} // namespace aw
