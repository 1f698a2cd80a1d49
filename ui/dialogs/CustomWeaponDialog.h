#pragma once

#include "weapons/WeaponRecord.h"

#include <QDialog>

#include <array>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class TExitEdit;
struct TCustomWeaponNumber;

// "Custom Weapon Editor": edits one custom weapon record field by field. The caller takes
// Record() back when the dialog ends with OK. The weapon perks, modifications, arc, item
// count and base ammunition amount keep the values the record came with.
class TCustomWeaponDialog : public QDialog {
    Q_OBJECT
public:
    explicit TCustomWeaponDialog(const TWeaponRecord &record = DefaultWeaponRecord(), QWidget *parent = nullptr);

    const TWeaponRecord &Record() const { return m_record; }

    // Makes the record a custom weapon and shows it in every control.
    void Refresh();
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
    void TakeNumber(const TCustomWeaponNumber &field, TExitEdit *edit);
    void TakeAmmoBaseCost();
    void ShowHelp();

    TWeaponRecord m_record;
    TExitEdit *m_name = nullptr;
    TExitEdit *m_code = nullptr;
    TExitEdit *m_ammoBaseCost = nullptr;
    std::vector<std::pair<const TCustomWeaponNumber *, TExitEdit *>> m_numbers;
    QLabel *m_mediumRange = nullptr;
    QLabel *m_longRange = nullptr;
    QLabel *m_extremeRange = nullptr;
    QComboBox *m_weaponType = nullptr;
    std::vector<std::pair<bool TWeaponRecord::*, QCheckBox *>> m_flags;
    // Base, allowed and free ammunition boxes, per type.
    std::array<std::vector<QCheckBox *>, 3> m_ammo;
};
