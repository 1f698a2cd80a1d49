#pragma once

#include "engine/PerkRecord.h"
#include "engine/PerkVehicleData.h"
#include "ui/dialogs/PerkEdit.h"

#include <QDialog>

#include <array>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QVBoxLayout;
class QWidget;
namespace aw {

class PerkCustomPanel;
class PerkList;
class PerkNumberPanel;

// The perk editor: configures a private copy of one perk, flaw or defect entry and shows
// its name, worth, rating, effect text and formula after every edit. Which controls show
// depends on the entry: the number, amount, arc, location and OTV choices its flags offer,
// the options of a defect kind, the flaw list of the minor and major flaw defects, or the
// panel of a custom entry. OK hands the copy back; Cancel discards it.
class PerkEditorDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int NormalWidth = 407;
    static constexpr int FlawListWidth = 577;

    // flaws: the library flaws a minor or major flaw defect can adopt.
    PerkEditorDialog(const PerkRecord &record, const PerkVehicleData &vehicle, const PerkList &flaws,
                     QWidget *parent = nullptr);

    const PerkRecord &Record() const { return m_record; }

    // Runs the dialog on a copy of record; on OK the copy replaces record. True on OK.
    static bool EditEntry(PerkRecord &record, const PerkVehicleData &vehicle, const PerkList &flaws,
                          QWidget *parent = nullptr);

    void done(int result) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void BuildControls();
    QWidget *BuildChoicePanels();
    QWidget *BuildFlawList();
    void ConnectNumber(PerkNumberPanel *panel, double PerkRecord::*field);
    // Shows or hides the panels for the entry's kind and flags.
    void ArrangeForEntry();
    void FillOptions();
    // Applies one edit of the user and refreshes every control.
    void Change(const PerkEdit &edit);
    void ShowEntry();
    // The row of the flaw the entry has adopted, or -1.
    int AdoptedFlawRow() const;
    void FlawChosen(int row);
    void TakeEffectText();
    void AcceptEntry();

    PerkRecord m_record;
    const PerkVehicleData m_vehicle;
    const PerkList &m_flaws;
    bool m_showing = false;

    QLabel *m_name = nullptr;
    QLabel *m_rating = nullptr;
    QLabel *m_aux = nullptr;
    QLabel *m_kind = nullptr;
    QLabel *m_worth = nullptr;
    QPlainTextEdit *m_effect = nullptr;
    QPlainTextEdit *m_formula = nullptr;
    std::array<PerkNumberPanel *, 4> m_numbers{};
    PerkNumberPanel *m_amount = nullptr;
    QWidget *m_arcPanel = nullptr;
    QComboBox *m_arc = nullptr;
    QWidget *m_locationPanel = nullptr;
    QComboBox *m_location = nullptr;
    QWidget *m_outsidePanel = nullptr;
    QCheckBox *m_outside = nullptr;
    QWidget *m_insidePanel = nullptr;
    QCheckBox *m_inside = nullptr;
    QGroupBox *m_options = nullptr;
    QVBoxLayout *m_optionLayout = nullptr;
    QButtonGroup *m_optionGroup = nullptr;
    QWidget *m_flawPanel = nullptr;
    QLabel *m_flawHeading = nullptr;
    QListWidget *m_flawList = nullptr;
    PerkCustomPanel *m_custom = nullptr;
    QPushButton *m_ok = nullptr;
};

} // namespace aw
