#pragma once

#include "engine/MovementRecord.h"
#include "ui/pages/MovementSystemView.h"

#include <QDialog>

class QPushButton;
class TMovementList;

// "Movement Editor": edits a copy of one additional movement system. The caller takes
// Record() back when the dialog ends with OK.
class TMovementEditorDialog : public QDialog {
    Q_OBJECT
public:
    TMovementEditorDialog(TMovementList &library, const TMovementRecord &record, QWidget *parent = nullptr);

    const TMovementRecord &Record() const { return m_record; }
    // Shows the record in the controls (after normalising it as the tabs do).
    void ShowRecord();

    void done(int result) override;

private:
    void BuildControls();
    void Change(const TMovementSystemView::TEdit &change);

    TMovementList &m_library;
    TMovementRecord m_record;
    TMovementSystemView m_view;
};
