#include "ui/dialogs/WeaponModifyDialog.h"

#include "base/NumberFormat.h"
#include "ui/CommandGuard.h"
#include "ui/Cp1252.h"
#include "ui/WindowPlacement.h"
#include "ui/dialogs/ConversionError.h"
#include "ui/dialogs/DialogProvider.h"
#include "ui/widgets/ExitEdit.h"
#include "ui/widgets/SpinButton.h"
#include "ui/widgets/WideningLabel.h"
#include "weapons/AmmoTypes.h"
#include "weapons/ModificationFactors.h"
#include "weapons/Weapon.h"
#include "weapons/WeaponRecord.h"
#include "weapons/WeaponTexts.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace aw {

namespace {

// The width of the old and new ratings, enough for most.
constexpr int kPreviewWidth = 70;

constexpr int kWindowSlot = 4;
constexpr int kArcItems = 9;

// The modification each of RadioGroup1..5 edits.
int32_t ModificationSettings::*const kModFields[] = {&ModificationSettings::AccMod, &ModificationSettings::DmgMod,
                                                     &ModificationSettings::RangeMod, &ModificationSettings::ROFMod,
                                                     &ModificationSettings::SizeMod};

constexpr const char *kHelpText =
    "Modify\n\n"
    "Weapon Modifiers: each bonus multiplies the weapon's threat value by the factor beside it; "
    "poor workmanship takes a tenth off per level; a fixed arc multiplies by 0.6, a turret by 1.8. "
    "\"New\" previews the threat value the weapon will have with these settings.\n"
    "Ammo Modifiers: the ammunition types this section is loaded with (only the types the weapon "
    "allows can be chosen).\n"
    "Clip Modifiers: carry the spare clip in a shielded ammunition container.";

// Radio item i stands for modification 1 - i.
int ItemOf(int32_t modification) { return 1 - modification; }

void CheckItem(QButtonGroup *group, int id)
{
    if (QAbstractButton *button = group->button(id)) {
        button->setChecked(true);
        return;
    }
    // A value no item stands for: none is checked.
    group->setExclusive(false);
    for (QAbstractButton *button : group->buttons())
        button->setChecked(false);
    group->setExclusive(true);
}

QLabel *Note(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    QFont small = label->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    label->setFont(small);
    label->setIndent(20);
    return label;
}

} // namespace

WeaponModifyDialog::WeaponModifyDialog(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("weaponModifyDialog"));
    setWindowTitle(QStringLiteral("Modify"));

    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("pcModify"));
    m_weaponPage = BuildWeaponPage();
    m_ammoPage = BuildAmmoPage();
    m_clipPage = BuildClipPage();
    m_pages->addTab(m_weaponPage, QStringLiteral("Weapon Modifiers"));
    m_pages->addTab(m_ammoPage, QStringLiteral("Ammo Modifiers"));
    m_pages->addTab(m_clipPage, QStringLiteral("Clip Modifiers"));

    auto *buttons =
        new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("bOK"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("bCancel"));
    buttons->button(QDialogButtonBox::Help)->setObjectName(QStringLiteral("bHelp"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    ConnectGuarded(buttons, &QDialogButtonBox::helpRequested, this, [this] { ShowHelp(); });

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);
    layout->addWidget(buttons);

    RestoreWindowPosition(*this, kWindowSlot);
}

WeaponModifyDialog::~WeaponModifyDialog() = default;

QGroupBox *WeaponModifyDialog::RadioGroup(const char *name, const QString &title, const std::vector<QString> &items,
                                          QButtonGroup *&group)
{
    auto *box = new QGroupBox(title);
    box->setObjectName(QString::fromLatin1(name));
    group = new QButtonGroup(box);
    auto *layout = new QVBoxLayout(box);
    layout->setSpacing(1);
    layout->setContentsMargins(6, 2, 6, 4);
    for (size_t i = 0; i < items.size(); ++i) {
        auto *button = new QRadioButton(items[i], box);
        group->addButton(button, static_cast<int>(i));
        layout->addWidget(button);
    }
    return box;
}

QWidget *WeaponModifyDialog::BuildWeaponPage()
{
    auto *page = new QWidget;
    const std::vector<QString> captions[] = {
        {QStringLiteral("+1 Acc    1.5 TV"), QStringLiteral("+0 Acc    1.0 TV"), QStringLiteral("-1  Acc    0.6 TV")},
        {QStringLiteral("+1 Dmg    1.25 TV"), QStringLiteral("+0 Dmg    1.00 TV"),
         QStringLiteral("-1  Dmg    0.85 TV")},
        {QStringLiteral("+1 Rng    1.1 TV"), QStringLiteral("+0 Rng    1.0 TV"), QStringLiteral("-1  Rng    0.9 TV")},
        {QStringLiteral("+1 ROF    1.1 TV"), QStringLiteral("+0 ROF    1.0 TV"), QStringLiteral("-1  ROF    0.9 TV")},
        {QStringLiteral("+1 Size  1.0 TV"), QStringLiteral("+0 Size  1.0 TV"), QStringLiteral("-1  Size  sp.TV")},
    };
    const char *names[] = {"accuracyGroup", "damageGroup", "rangeGroup", "rofGroup", "minimumSizeGroup"};
    const QString titles[] = {QStringLiteral("Accuracy Bonus"), QStringLiteral("Damage Bonus"),
                              QStringLiteral("Range Bonus"), QStringLiteral("ROF Bonus"),
                              QStringLiteral("Minimum Size")};

    auto *modifications = new QGridLayout;
    for (int g = 0; g < 5; ++g) {
        QGroupBox *box = RadioGroup(names[g], titles[g], captions[g], m_modGroups[static_cast<size_t>(g)]);
        box->setParent(page);
        modifications->addWidget(box, g / 2, g % 2);
        if (g == 3)
            m_rofGroup = box;
        int32_t ModificationSettings::*field = kModFields[g];
        ConnectGuarded(m_modGroups[static_cast<size_t>(g)], &QButtonGroup::idClicked, this, [this, field](int item) {
            m_values.Mods.*field = 1 - item;
            Refresh();
        });
    }

    // Poor workmanship: the level and the factor it leaves.
    auto *work = new QGroupBox(QStringLiteral("Poor Worksmanship"), page);
    auto *workLayout = new QHBoxLayout(work);
    m_poorWorkmanship = new ExitEdit(work);
    m_poorWorkmanship->setObjectName(QStringLiteral("poorWorkmanshipEdit"));
    m_poorWorkmanship->setMaximumWidth(50);
    m_spin = new SpinButton(work);
    m_spin->setObjectName(QStringLiteral("poorWorkmanshipSpin"));
    m_spin->SetBox(m_poorWorkmanship);
    m_poorWorkmanshipFactor = new QLabel(work);
    m_poorWorkmanshipFactor->setObjectName(QStringLiteral("lWork"));
    workLayout->addWidget(m_poorWorkmanship);
    workLayout->addWidget(m_spin);
    workLayout->addWidget(new QLabel(QStringLiteral("TV x"), work));
    workLayout->addWidget(m_poorWorkmanshipFactor);
    workLayout->addStretch(1);
    ConnectGuarded(m_poorWorkmanship, &ExitEdit::Exited, this, [this] { TakePoorWorkmanship(); });
    ConnectGuarded(m_spin, &SpinButton::UpClick, this, [this] {
        if (m_values.Mods.PoorWorkmanship < kMaxPoorWorkmanship)
            ++m_values.Mods.PoorWorkmanship;
        Refresh();
    });
    ConnectGuarded(m_spin, &SpinButton::DownClick, this, [this] {
        --m_values.Mods.PoorWorkmanship;
        Refresh();
    });
    modifications->addWidget(work, 2, 1);

    auto *perks = new QVBoxLayout;
    perks->setSpacing(1);
    m_stabilized = new QCheckBox(QStringLiteral("Stabilized"), page);
    m_stabilized->setObjectName(QStringLiteral("stabilizedBox"));
    m_sniper = new QCheckBox(QStringLiteral("Sniper System"), page);
    m_sniper->setObjectName(QStringLiteral("sniperBox"));
    m_sporting = new QCheckBox(QStringLiteral("Sporting Weapon"), page);
    m_sporting->setObjectName(QStringLiteral("sportingBox"));
    perks->addWidget(m_stabilized);
    perks->addWidget(Note(QStringLiteral("( -2 to Minimum Size)"), page));
    perks->addWidget(m_sniper);
    perks->addWidget(Note(QStringLiteral("( +1 to Acc. at long and Ext.)"), page));
    perks->addWidget(m_sporting);
    perks->addWidget(Note(QStringLiteral("Adds 100 Mark/Dinar to cost"), page));
    perks->addStretch(1);
    ConnectGuarded(m_stabilized, &QCheckBox::clicked, this, [this](bool checked) { m_values.Stabilized = checked; });
    ConnectGuarded(m_sniper, &QCheckBox::clicked, this, [this](bool checked) { m_values.Sniper = checked; });
    ConnectGuarded(m_sporting, &QCheckBox::clicked, this, [this](bool checked) {
        m_values.Sporting = checked;
        Refresh();
    });

    std::vector<QString> arcs;
    for (int arc = 0; arc < kArcItems; ++arc)
        arcs.push_back(QString::fromStdString(ArcCaption(arc)));
    QGroupBox *arcBox = RadioGroup("rgArc", QStringLiteral("Weapon Arc"), arcs, m_arc);
    arcBox->setParent(page);
    ConnectGuarded(m_arc, &QButtonGroup::idClicked, this, [this](int item) {
        m_values.Mods.Arc = item;
        Refresh();
    });

    auto *tv = new QGroupBox(QStringLiteral("TV"), page);
    auto *tvLayout = new QGridLayout(tv);
    m_old = new QLabel(tv);
    m_old->setObjectName(QStringLiteral("lold"));
    m_new = new QLabel(tv);
    m_new->setObjectName(QStringLiteral("lnew"));
    for (QLabel *value : {m_old, m_new}) {
        QFont bold = value->font();
        bold.setBold(true);
        value->setFont(bold);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        value->setMinimumWidth(kPreviewWidth);
    }
    tvLayout->addWidget(new QLabel(QStringLiteral("Old"), tv), 0, 0);
    tvLayout->addWidget(m_old, 0, 1);
    tvLayout->addWidget(new QLabel(QStringLiteral("New"), tv), 1, 0);
    tvLayout->addWidget(m_new, 1, 1);

    auto *right = new QVBoxLayout;
    right->addWidget(arcBox);
    right->addWidget(tv);
    right->addStretch(1);

    auto *layout = new QHBoxLayout(page);
    auto *left = new QVBoxLayout;
    left->addLayout(modifications);
    left->addLayout(perks);
    layout->addLayout(left, 1);
    layout->addLayout(right);
    return page;
}

QWidget *WeaponModifyDialog::BuildAmmoPage()
{
    auto *page = new QWidget;
    auto *grid = new QGridLayout(page);
    grid->setVerticalSpacing(2);
    constexpr int kRows = 9;
    for (int k = 0; k < kAmmoTypeCount; ++k) {
        auto *box = new QCheckBox(QString::fromLatin1(AmmoTypeAt(k).Caption), page);
        box->setObjectName(QStringLiteral("cbAmmo%1").arg(k));
        grid->addWidget(box, k % kRows, k / kRows);
        m_ammo.push_back(box);
        ConnectGuarded(box, &QCheckBox::clicked, this,
                       [this, k](bool checked) { m_values.Section.Selected[static_cast<size_t>(k)] = checked; });
    }
    grid->setRowStretch(kRows, 1);
    return page;
}

QWidget *WeaponModifyDialog::BuildClipPage()
{
    auto *page = new QWidget;
    auto *layout = new QVBoxLayout(page);
    m_shielded = new QCheckBox(QStringLiteral("Ammo Storage"), page);
    m_shielded->setObjectName(QStringLiteral("ammoStorageBox"));
    layout->addWidget(m_shielded);
    layout->addWidget(Note(QStringLiteral("Carries this spare clip in a shielded ammunition container."), page));
    layout->addStretch(1);
    ConnectGuarded(m_shielded, &QCheckBox::clicked, this, [this](bool checked) { m_values.Shielded = checked; });
    return page;
}

void WeaponModifyDialog::ShowOnly(bool weapon, bool ammo, bool clip)
{
    m_values.ShowWeaponPage = weapon;
    m_values.ShowAmmoPage = ammo;
    m_values.ShowClipPage = clip;
}

void WeaponModifyDialog::LoadWeapon(const Weapon &weapon, int32_t finalSize)
{
    m_weapon = std::make_unique<Weapon>(weapon);
    m_finalSize = finalSize;
    const WeaponRecord &record = weapon.Data;
    ModificationSettings &mods = m_values.Mods;
    mods.AccMod = record.AccMod;
    mods.DmgMod = record.DmgMod;
    mods.RangeMod = record.RangeMod;
    mods.ROFMod = record.ROFMod;
    mods.PoorWorkmanship = record.PoorWorkmanship;
    mods.Arc = record.Arc;
    mods.SizeMod = record.SizeMod;
    m_values.Sniper = record.SniperSystem;
    m_values.Stabilized = record.Stabilized;
    m_values.Sporting = record.Sporting;
    m_values.OldRating = weapon.Rating(finalSize);
    m_values.ROFEnabled = record.ROF > 0;
    ShowOnly(true, false, false);
}

void WeaponModifyDialog::StoreWeapon(WeaponRecord &record) const
{
    const ModificationSettings &mods = m_values.Mods;
    record.AccMod = mods.AccMod;
    record.DmgMod = mods.DmgMod;
    record.RangeMod = mods.RangeMod;
    record.ROFMod = mods.ROFMod;
    record.PoorWorkmanship = mods.PoorWorkmanship;
    record.SniperSystem = m_values.Sniper;
    record.Stabilized = m_values.Stabilized;
    record.Arc = mods.Arc;
    record.Sporting = m_values.Sporting;
    record.SizeMod = mods.SizeMod;
}

void WeaponModifyDialog::LoadSection(const AmmoSection &section)
{
    m_values.Section = section;
    ShowOnly(false, true, false);
}

void WeaponModifyDialog::LoadClip(bool shielded)
{
    m_values.Shielded = shielded;
    ShowOnly(false, false, true);
}

void WeaponModifyDialog::Refresh()
{
    ModificationSettings &mods = m_values.Mods;
    for (size_t g = 0; g < m_modGroups.size(); ++g)
        CheckItem(m_modGroups[g], ItemOf(mods.*kModFields[g]));
    m_rofGroup->setEnabled(m_values.ROFEnabled);

    // A higher level read from a file stays as it is until the player changes it.
    mods.PoorWorkmanship = std::max(mods.PoorWorkmanship, 0);
    m_poorWorkmanship->setText(QString::number(mods.PoorWorkmanship));
    m_poorWorkmanshipFactor->setText(
        QString::fromStdString(number::General(PoorWorkmanshipFactor(mods.PoorWorkmanship))));

    for (size_t k = 0; k < m_ammo.size(); ++k) {
        m_ammo[k]->setChecked(m_values.Section.Selected[k]);
        m_ammo[k]->setEnabled(m_values.Section.Allowed[k]);
    }
    m_stabilized->setChecked(m_values.Stabilized);
    m_sniper->setChecked(m_values.Sniper);
    m_sporting->setChecked(m_values.Sporting);
    CheckItem(m_arc, mods.Arc);
    m_shielded->setChecked(m_values.Shielded);

    ShowWidening(*m_old, QString::fromStdString(number::General(m_values.OldRating)), kPreviewWidth);
    if (m_weapon) {
        Weapon after = *m_weapon;
        StoreWeapon(after.Data);
        ShowWidening(*m_new, QString::fromStdString(number::Fixed(after.Rating(m_finalSize), 2)), kPreviewWidth);
    }

    m_pages->setTabVisible(m_pages->indexOf(m_weaponPage), m_values.ShowWeaponPage);
    m_pages->setTabVisible(m_pages->indexOf(m_ammoPage), m_values.ShowAmmoPage);
    m_pages->setTabVisible(m_pages->indexOf(m_clipPage), m_values.ShowClipPage);
    if (m_values.ShowWeaponPage)
        m_pages->setCurrentWidget(m_weaponPage);
    else if (m_values.ShowAmmoPage)
        m_pages->setCurrentWidget(m_ammoPage);
    else if (m_values.ShowClipPage)
        m_pages->setCurrentWidget(m_clipPage);
}

void WeaponModifyDialog::TakePoorWorkmanship()
{
    int32_t level = 0;
    if (number::ParseInteger(cp1252::FromQt(m_poorWorkmanship->text().trimmed()), level))
        m_values.Mods.PoorWorkmanship = std::clamp(level, 0, kMaxPoorWorkmanship);
    else
        Dialogs().ShowError(this, ConversionError(m_poorWorkmanship->text(), false));
    Refresh();
}

void WeaponModifyDialog::ShowHelp() { Dialogs().Inform(this, QString::fromLatin1(kHelpText)); }

void WeaponModifyDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    RunGuarded(this, [this] { Refresh(); });
}

void WeaponModifyDialog::done(int result)
{
    // A level still being typed counts when the dialog is confirmed.
    if (result == QDialog::Accepted)
        m_poorWorkmanship->CommitTyped();
    StoreWindowPosition(*this, kWindowSlot);
    QDialog::done(result);
}

} // namespace aw
