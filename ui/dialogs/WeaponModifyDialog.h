#pragma once

#include "ui/dialogs/ModifyValues.h"

#include <QDialog>

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QTabWidget;
namespace aw {

class ExitEdit;
class SpinButton;
class Weapon;
struct WeaponRecord;

// "Modify": the modification dialog of the Weapons page. One dialog serves a weapon row
// ("Weapon Modifiers"), an ammunition row ("Ammo Modifiers") and a spare clip row
// ("Clip Modifiers"); only the page of the row's kind shows.
class WeaponModifyDialog : public QDialog {
    Q_OBJECT
public:
    explicit WeaponModifyDialog(QWidget *parent = nullptr);
    ~WeaponModifyDialog() override;

    ModifyValues &Values() { return m_values; }
    const ModifyValues &Values() const { return m_values; }

    // Weapon mode: the weapon's modifications and perks, its rating on a vehicle of final
    // size finalSize, and the rate-of-fire options only for a weapon that has a rate of fire.
    void LoadWeapon(const Weapon &weapon, int32_t finalSize);
    // Writes the modifications, poor workmanship, perks, arc and size modification back.
    void StoreWeapon(WeaponRecord &record) const;
    void LoadSection(const AmmoSection &section);
    void LoadClip(bool shielded);

    // Shows the working values and the preview, and the pages the switches ask for.
    void Refresh();

    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QWidget *BuildWeaponPage();
    QWidget *BuildAmmoPage();
    QWidget *BuildClipPage();
    QGroupBox *RadioGroup(const char *name, const QString &title, const std::vector<QString> &items,
                          QButtonGroup *&group);
    void ShowOnly(bool weapon, bool ammo, bool clip);
    void TakePoorWorkmanship();
    void ShowHelp();

    ModifyValues m_values;
    // The weapon as loaded: the preview rates a copy with the dialog's settings in place.
    std::unique_ptr<Weapon> m_weapon;
    int32_t m_finalSize = 0;
    QTabWidget *m_pages = nullptr;
    QWidget *m_weaponPage = nullptr;
    QWidget *m_ammoPage = nullptr;
    QWidget *m_clipPage = nullptr;
    // RadioGroup1..5: accuracy, damage, range, rate of fire, minimum size.
    std::array<QButtonGroup *, 5> m_modGroups{};
    QGroupBox *m_rofGroup = nullptr;
    QButtonGroup *m_arc = nullptr;
    ExitEdit *m_poorWorkmanship = nullptr;
    SpinButton *m_spin = nullptr;
    QLabel *m_poorWorkmanshipFactor = nullptr;
    QCheckBox *m_stabilized = nullptr;
    QCheckBox *m_sniper = nullptr;
    QCheckBox *m_sporting = nullptr;
    QLabel *m_old = nullptr;
    QLabel *m_new = nullptr;
    std::vector<QCheckBox *> m_ammo;
    QCheckBox *m_shielded = nullptr;
};

} // namespace aw
