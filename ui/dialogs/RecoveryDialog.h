#pragma once

#include "ui/document/RecoveryStore.h"

#include <QDialog>

namespace aw {

// Asks what to do with a design left unsaved by a session that did not end cleanly:
// "Recover" it, "Open Saved" (its own file, when it has one) or "Discard" it. Closing the
// box decides nothing: the file is offered again at the next start.
class RecoveryDialog : public QDialog {
    Q_OBJECT
public:
    // The dialog's result codes.
    enum Choice { Undecided = QDialog::Rejected, Recover = 10, OpenSaved, Discard };

    explicit RecoveryDialog(const RecoveryFile &file, QWidget *parent = nullptr);

    // The question as shown (where a long name or path may break).
    QString Text() const { return m_text; }

private:
    QString m_text;
};

} // namespace aw
