#pragma once

#include "engine/MovementRecord.h"
#include "ui/pages/MovementSystemView.h"

#include <QDialog>

class QPushButton;
namespace aw {

class MovementList;

// "Movement Editor": edits a copy of one additional movement system. The caller takes
// Record() back when the dialog ends with OK.
class MovementEditorDialog : public QDialog {
    Q_OBJECT
public:
    MovementEditorDialog(MovementList &library, const MovementRecord &record, QWidget *parent = nullptr);

    const MovementRecord &Record() const { return m_record; }
    // Shows the record in the controls (after normalising it as the tabs do).
    void ShowRecord();

    void done(int result) override;

private:
    void BuildControls();
    void Change(const MovementSystemView::Edit &change);
    // A custom mode takes the name typed into the mode box.
    void TakeModeName();

    MovementList &m_library;
    MovementRecord m_record;
    MovementSystemView m_view;
};

} // namespace aw
