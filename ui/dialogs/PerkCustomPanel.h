#pragma once

#include "ui/dialogs/PerkEdit.h"

#include <QFrame>

#include <vector>

class QCheckBox;
class QComboBox;
class TExitEdit;
struct TCustomField;

// The perk editor's panel for a custom entry (`pnlCustom`): name, displayed rating, value,
// added cost, AUX, the six modifiers, actions, the OTV choice with its value, people and
// crew. Numbers are taken as typed, negative ones included; text that is not a number
// leaves the field as it was.
class TPerkCustomPanel : public QFrame {
    Q_OBJECT
public:
    TPerkCustomPanel(TPerkChange change, QWidget *parent = nullptr);
    ~TPerkCustomPanel() override;

    // Shows the record in every control (not a user change).
    void Show(const TPerkRecord &record);

private:
    TExitEdit *AddField(const TCustomField &field);

    TPerkChange m_change;
    std::vector<std::pair<const TCustomField *, TExitEdit *>> m_fields;
    QCheckBox *m_aux;
    QComboBox *m_otv;
    QCheckBox *m_people;
};
