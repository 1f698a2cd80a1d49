#pragma once

#include "weapons/WeaponRecord.h"

#include <QDialog>

#include <array>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
namespace aw {

class ExitEdit;
struct CustomWeaponNumber;

// "Custom Weapon Editor": edits one custom weapon record field by field. The caller takes
// Record() back when the dialog ends with OK. The weapon perks, modifications, arc, item
// count and base ammunition amount keep the values the record came with.
class CustomWeaponDialog : public QDialog {
    Q_OBJECT
public:
    explicit CustomWeaponDialog(const WeaponRecord &record = DefaultWeaponRecord(), QWidget *parent = nullptr);

    const WeaponRecord &Record() const { return m_record; }

    // Makes the record a custom weapon and shows it in every control.
    void Refresh();
    // The medium, long and extreme ranges the record gives.
    void ShowRanges();
    // "Reset": back to the default record.
    void ResetWeapon();

    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QWidget *BuildGeneralPage();
    QWidget *BuildAmmoPage(int page, const char *note);
    void TakeName();
    void TakeCode();
    void TakeNumber(const CustomWeaponNumber &field, ExitEdit *edit);
    void TakeAmmoBaseCost();
    void ShowHelp();

    WeaponRecord m_record;
    ExitEdit *m_name = nullptr;
    ExitEdit *m_code = nullptr;
    ExitEdit *m_ammoBaseCost = nullptr;
    std::vector<std::pair<const CustomWeaponNumber *, ExitEdit *>> m_numbers;
    QLabel *m_mediumRange = nullptr;
    QLabel *m_longRange = nullptr;
    QLabel *m_extremeRange = nullptr;
    QComboBox *m_weaponType = nullptr;
    std::vector<std::pair<bool WeaponRecord::*, QCheckBox *>> m_flags;
    // Base, allowed and free ammunition boxes, per type.
    std::array<std::vector<QCheckBox *>, 3> m_ammo;
};

} // namespace aw
