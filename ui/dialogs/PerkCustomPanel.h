#pragma once

#include "ui/dialogs/PerkEdit.h"

#include <QFrame>

#include <vector>

class QCheckBox;
class QComboBox;
namespace aw {

class ExitEdit;
struct CustomField;

// The perk editor's panel for a custom entry (`pnlCustom`): name, displayed rating, value,
// added cost, AUX, the six modifiers, actions, the OTV choice with its value, people and
// crew. Numbers are taken as typed, negative ones included; text that is not a number
// leaves the field as it was.
class PerkCustomPanel : public QFrame {
    Q_OBJECT
public:
    PerkCustomPanel(PerkChange change, QWidget *parent = nullptr);
    ~PerkCustomPanel() override;

    // Shows the record in every control (not a user change).
    void Show(const PerkRecord &record);

private:
    ExitEdit *AddField(const CustomField &field);

    PerkChange m_change;
    std::vector<std::pair<const CustomField *, ExitEdit *>> m_fields;
    QCheckBox *m_aux;
    QComboBox *m_otv;
    QCheckBox *m_people;
};

} // namespace aw
