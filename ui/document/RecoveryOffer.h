#pragma once

#include <QString>

namespace aw {

class Autosave;
class MainWindow;

// At start-up: offers each design left unsaved by a session that did not end cleanly
// (RecoveryDialog). "Recover" makes it the open design, with its own file name and its
// changes unsaved, and keeps it under this session's autosave; "Open Saved" opens its own
// file; "Discard" deletes it. Files that were not decided on stay for the next start.
// Returns how many designs were recovered.
int OfferRecovery(MainWindow &window, Autosave &autosave, const QString &folder);

} // namespace aw
