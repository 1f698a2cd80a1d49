#include "ui/dialogs/CustomWeaponDialog.h"

#include "base/NumberFormat.h"
#include "ui/CommandGuard.h"
#include "ui/Cp1252.h"
#include "ui/WindowPlacement.h"
#include "ui/dialogs/ConversionError.h"
#include "ui/dialogs/DialogProvider.h"
#include "ui/widgets/ExitEdit.h"
#include "ui/widgets/TypedNumber.h"
#include "ui/widgets/WideningLabel.h"
#include "weapons/AmmoTypes.h"
#include "weapons/WeaponTexts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace aw {

// One whole-number field of the General page.
struct CustomWeaponNumber {
    const char *Edit;
    const char *Caption;
    int32_t WeaponRecord::*Field;
    bool SignedText; // "+" before positive values
};

namespace {

constexpr int kWindowSlot = 1;
constexpr int kNumberWidth = 70;
// The width of the medium, long and extreme range beside their bonuses, enough for most.
constexpr int kRangeWidth = 36;
// The numbers start below the name and the code; Rating..Extreme Bonus (the ranges) fill the
// left column, with the ammunition's base cost below them.
constexpr int kFirstNumberRow = 4;
constexpr int kLeftColumnNumbers = 5;

const CustomWeaponNumber kNumbers[] = {
    {"ratingEdit", "Rating", &WeaponRecord::Rating, false},
    {"baseRangeEdit", "Base Range", &WeaponRecord::BaseRange, false},
    {"mediumBonusEdit", "Medium Bonus", &WeaponRecord::MediumBonus, true},
    {"longBonusEdit", "Long Bonus", &WeaponRecord::LongBonus, true},
    {"extremeBonusEdit", "Extreme Bonus", &WeaponRecord::ExtremeBonus, true},
    {"accuracyEdit", "Acc", &WeaponRecord::Accuracy, true},
    {"damageEdit", "Damage", &WeaponRecord::Damage, false},
    {"rofEdit", "ROF", &WeaponRecord::ROF, true},
    {"minSizeEdit", "Min Size", &WeaponRecord::MinSize, false},
    {"areaEffectEdit", "Area Effect", &WeaponRecord::AreaEffect, false},
    {"minimumRangeEdit", "Minimum Range", &WeaponRecord::MinimumRange, false},
    {"damagePerRbEdit", "Damage Per RB", &WeaponRecord::DamagePerRB, true},
};

struct CustomWeaponFlag {
    const char *Box;
    const char *Caption;
    bool WeaponRecord::*Field;
};

const CustomWeaponFlag kFlags[] = {
    {"antiInfantryBox", "Anti Inf", &WeaponRecord::AntiInf},
    {"guidedBox", "Guided", &WeaponRecord::Guided},
    {"haywireBox", "Haywire", &WeaponRecord::Haywire},
    {"incendiaryBox", "Slow Burn Incendiary", &WeaponRecord::Incendiary},
    {"indirectFireBox", "Indirect Fire", &WeaponRecord::IndirectFire},
    {"armorPiercingBox", "Armor Piercing", &WeaponRecord::ArmorPiercing},
    {"armorCrushingBox", "Armor Crushing", &WeaponRecord::ArmorCrushing},
    {"clumsyBox", "Clumsy", &WeaponRecord::Clumsy},
    {"entangleBox", "Entagle", &WeaponRecord::Entangle},
    {"disposableBox", "Disposable", &WeaponRecord::Disposable},
};

const char *const kWeaponTypes[] = {"Cannons",          "Rockets and missles", "Recoiless", "Suport Weapons",
                                    "advanced weapons", "close combat",        "custom"};

struct AmmoPage {
    const char *Caption;
    const char *BoxPrefix;
    const char *Note;
};

const AmmoPage kAmmoPages[] = {
    {"Base Ammo", "cbBase",
     "This is what ammo the weapon has by default..... this might be changed when a user modifies it at run "
     "time.... but the user can only change the ammo characteristic if the characteristic is checked in the "
     "allowed"},
    {"Allowed Ammo", "cbAllowed",
     "These choices are what types of ammo are available to the weapon... if the button is not checked then the "
     "user can not add that type of custom ammo... it would be a good idea for all ammo that the weapon has by "
     "default not be checked here"},
    {"Free Ammo", "cbFree",
     "This is what ammo can be selected and is free.... ie the ammo checked here will not change the tv of the "
     "ammo.... it would be a good idea to check these for weapons with base ammo... ie frag cannon should have "
     "frag checked here and in base..."},
};

constexpr const char *kHelpText =
    "Custom Weapon Editor\n\n"
    "General: the weapon's name, code and figures. A rating of -1 uses the vehicle's size. "
    "Each box takes its value when you leave it.\n"
    "Base Ammo: the ammunition the weapon comes with.\n"
    "Allowed Ammo: the ammunition types a user may load.\n"
    "Free Ammo: the types that add nothing to the ammunition's threat value.\n\n"
    "Reset starts again from a new, untitled weapon.";

// The flags of one ammunition page: base (Selected), allowed or free.
std::array<bool, kAmmoTypeCount> &AmmoFlagsOf(AmmoSection &section, int page)
{
    switch (page) {
    case 0:
        return section.Selected;
    case 1:
        return section.Allowed;
    default:
        return section.Free;
    }
}

// The caption of type k on these pages (two read differently from the modification dialog).
QString AmmoCaption(int k)
{
    if (k == 11)
        return QStringLiteral("Airborne Torp");
    if (k == 23)
        return QStringLiteral("Artillery Guided");
    return QString::fromLatin1(AmmoTypeAt(k).Caption);
}

ExitEdit *MakeEdit(const char *name, QWidget *parent)
{
    auto *edit = new ExitEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    return edit;
}

} // namespace

CustomWeaponDialog::CustomWeaponDialog(const WeaponRecord &record, QWidget *parent) : QDialog(parent), m_record(record)
{
    setObjectName(QStringLiteral("customWeaponDialog"));
    setWindowTitle(QStringLiteral("Custom Weapon Editor"));

    auto *pages = new QTabWidget(this);
    pages->setObjectName(QStringLiteral("customWeaponPages"));
    pages->addTab(BuildGeneralPage(), QStringLiteral("General"));
    for (int page = 0; page < 3; ++page)
        pages->addTab(BuildAmmoPage(page, kAmmoPages[page].Note), QString::fromLatin1(kAmmoPages[page].Caption));

    auto *buttons =
        new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
    QPushButton *reset = buttons->addButton(QStringLiteral("Reset"), QDialogButtonBox::ResetRole);
    reset->setObjectName(QStringLiteral("bReset"));
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("bOK"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("bCancel"));
    buttons->button(QDialogButtonBox::Help)->setObjectName(QStringLiteral("bHelp"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    ConnectGuarded(buttons, &QDialogButtonBox::helpRequested, this, [this] { ShowHelp(); });
    ConnectGuarded(reset, &QPushButton::clicked, this, [this] { ResetWeapon(); });

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(pages);
    layout->addWidget(buttons);

    RestoreWindowPosition(*this, kWindowSlot);
    Refresh();
}

QWidget *CustomWeaponDialog::BuildGeneralPage()
{
    auto *page = new QWidget;
    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(3);

    m_name = MakeEdit("nameEdit", page);
    m_name->setMaxLength(kWeaponNameCapacity);
    m_code = MakeEdit("codeEdit", page);
    m_code->setMaxLength(kWeaponCodeCapacity);
    grid->addWidget(new QLabel(QStringLiteral("Weapon Name - 64 Letters max"), page), 0, 0, 1, 4);
    grid->addWidget(m_name, 1, 0, 1, 4);
    grid->addWidget(new QLabel(QStringLiteral("Code - 10 letters max"), page), 2, 0, 1, 2);
    grid->addWidget(m_code, 3, 0, 1, 2);
    ConnectGuarded(m_name, &ExitEdit::Exited, this, [this] { TakeName(); });
    ConnectGuarded(m_code, &ExitEdit::Exited, this, [this] { TakeCode(); });

    // The numbers in two columns; the range labels beside the bonuses.
    m_mediumRange = new QLabel(page);
    m_mediumRange->setObjectName(QStringLiteral("mediumRangeLabel"));
    m_longRange = new QLabel(page);
    m_longRange->setObjectName(QStringLiteral("longRangeLabel"));
    m_extremeRange = new QLabel(page);
    m_extremeRange->setObjectName(QStringLiteral("extremeRangeLabel"));
    QLabel *rangeLabels[] = {m_mediumRange, m_longRange, m_extremeRange};

    int row = kFirstNumberRow;
    int column = 0;
    for (const CustomWeaponNumber &number : kNumbers) {
        ExitEdit *edit = MakeEdit(number.Edit, page);
        edit->setFixedWidth(kNumberWidth);
        auto *label = new QLabel(QString::fromLatin1(number.Caption), page);
        label->setBuddy(edit);
        auto *cell = new QHBoxLayout;
        cell->addWidget(edit);
        if (number.Field == &WeaponRecord::Rating)
            edit->setToolTip(QStringLiteral("(-1 for vehicle size)"));
        if (number.Field == &WeaponRecord::Damage)
            cell->insertWidget(0, new QLabel(QStringLiteral("x"), page));
        const int bonus = number.Field == &WeaponRecord::MediumBonus    ? 0
                          : number.Field == &WeaponRecord::LongBonus    ? 1
                          : number.Field == &WeaponRecord::ExtremeBonus ? 2
                                                                        : -1;
        if (bonus >= 0) {
            rangeLabels[bonus]->setMinimumWidth(kRangeWidth);
            cell->addWidget(rangeLabels[bonus]);
        }
        cell->addStretch(1);
        grid->addWidget(label, row, column);
        grid->addLayout(cell, row, column + 1);
        m_numbers.emplace_back(&number, edit);
        ConnectGuarded(edit, &ExitEdit::Exited, this, [this, &number, edit] { TakeNumber(number, edit); });
        // Rating..Extreme Bonus (the ranges) and Acc..Damage Per RB side by side.
        if (++row == kFirstNumberRow + kLeftColumnNumbers && column == 0) {
            row = kFirstNumberRow;
            column = 2;
        }
    }
    m_ammoBaseCost = MakeEdit("ammoBaseCostEdit", page);
    m_ammoBaseCost->setFixedWidth(kNumberWidth);
    grid->addWidget(new QLabel(QStringLiteral("Ammo Base Cost"), page), kFirstNumberRow + kLeftColumnNumbers, 0);
    grid->addWidget(m_ammoBaseCost, kFirstNumberRow + kLeftColumnNumbers, 1);
    ConnectGuarded(m_ammoBaseCost, &ExitEdit::Exited, this, [this] { TakeAmmoBaseCost(); });

    m_weaponType = new QComboBox(page);
    m_weaponType->setObjectName(QStringLiteral("weaponTypeBox"));
    for (const char *type : kWeaponTypes)
        m_weaponType->addItem(QString::fromLatin1(type));
    grid->addWidget(new QLabel(QStringLiteral("Weapon Type"), page), 11, 2);
    grid->addWidget(m_weaponType, 11, 3);
    ConnectGuarded(m_weaponType, &QComboBox::activated, this, [this] { Refresh(); });

    auto *flagBox = new QGroupBox(page);
    auto *flagLayout = new QVBoxLayout(flagBox);
    flagLayout->setSpacing(2);
    for (const CustomWeaponFlag &flag : kFlags) {
        auto *box = new QCheckBox(QString::fromLatin1(flag.Caption), flagBox);
        box->setObjectName(QString::fromLatin1(flag.Box));
        flagLayout->addWidget(box);
        m_flags.emplace_back(flag.Field, box);
        bool WeaponRecord::*field = flag.Field;
        ConnectGuarded(box, &QCheckBox::clicked, this, [this, field](bool checked) { m_record.*field = checked; });
    }
    flagLayout->addStretch(1);

    // Tab goes as the page reads: the name and the code, down the left column, down the
    // right one, then the flags.
    std::vector<QWidget *> order{m_name, m_code};
    for (size_t i = 0; i < m_numbers.size(); ++i) {
        order.push_back(m_numbers[i].second);
        if (i + 1 == kLeftColumnNumbers)
            order.push_back(m_ammoBaseCost);
    }
    order.push_back(m_weaponType);
    for (const auto &flag : m_flags)
        order.push_back(flag.second);
    for (size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);

    auto *layout = new QHBoxLayout(page);
    auto *left = new QVBoxLayout;
    left->addLayout(grid);
    left->addStretch(1);
    layout->addLayout(left, 1);
    layout->addWidget(flagBox);
    return page;
}

QWidget *CustomWeaponDialog::BuildAmmoPage(int page, const char *note)
{
    auto *widget = new QWidget;
    auto *layout = new QVBoxLayout(widget);
    auto *text = new QLabel(QString::fromLatin1(note), widget);
    text->setWordWrap(true);
    layout->addWidget(text);
    auto *grid = new QGridLayout;
    grid->setVerticalSpacing(2);
    constexpr int kRows = 9;
    for (int k = 0; k < kAmmoTypeCount; ++k) {
        auto *box = new QCheckBox(AmmoCaption(k), widget);
        box->setObjectName(QString::fromLatin1(kAmmoPages[page].BoxPrefix) + QString::number(k));
        grid->addWidget(box, k % kRows, k / kRows);
        m_ammo[static_cast<size_t>(page)].push_back(box);
        ConnectGuarded(box, &QCheckBox::clicked, this, [this, page, k](bool checked) {
            AmmoFlagsOf(m_record.BaseAmmo, page)[static_cast<size_t>(k)] = checked;
        });
    }
    layout->addLayout(grid);
    layout->addStretch(1);
    return widget;
}

void CustomWeaponDialog::Refresh()
{
    m_record.WeaponType = kCustomWeaponType;
    m_name->setText(cp1252::ToQt(m_record.Name));
    m_code->setText(cp1252::ToQt(m_record.Code));
    for (const auto &[number, edit] : m_numbers) {
        const int32_t value = m_record.*(number->Field);
        edit->setText(QString::fromStdString(number->SignedText ? number::Signed(value) : number::Integer(value)));
    }
    m_ammoBaseCost->setText(QString::fromStdString(number::General(m_record.AmmoBaseCost)));
    ShowRanges();
    m_weaponType->setCurrentIndex(kCustomWeaponType);
    m_weaponType->setEnabled(false);
    for (const auto &[field, box] : m_flags)
        box->setChecked(m_record.*field);
    for (int page = 0; page < 3; ++page) {
        const std::array<bool, kAmmoTypeCount> &flags = AmmoFlagsOf(m_record.BaseAmmo, page);
        for (int k = 0; k < kAmmoTypeCount; ++k)
            m_ammo[static_cast<size_t>(page)][static_cast<size_t>(k)]->setChecked(flags[static_cast<size_t>(k)]);
    }
}

void CustomWeaponDialog::ShowRanges()
{
    const WeaponRanges ranges = RangeText(m_record, false);
    ShowWidening(*m_mediumRange, QString::number(ranges.Medium), kRangeWidth);
    ShowWidening(*m_longRange, QString::number(ranges.Long), kRangeWidth);
    ShowWidening(*m_extremeRange, QString::number(ranges.Extreme), kRangeWidth);
}

void CustomWeaponDialog::ResetWeapon()
{
    m_record = DefaultWeaponRecord();
    Refresh();
}

void CustomWeaponDialog::TakeName()
{
    m_record.Name = cp1252::FromQt(m_name->text()).substr(0, kWeaponNameCapacity);
    Refresh();
}

void CustomWeaponDialog::TakeCode()
{
    m_record.Code = cp1252::FromQt(m_code->text()).substr(0, kWeaponCodeCapacity);
    Refresh();
}

void CustomWeaponDialog::TakeNumber(const CustomWeaponNumber &field, ExitEdit *edit)
{
    int32_t value = 0;
    if (number::ParseInteger(cp1252::FromQt(edit->text().trimmed()), value))
        m_record.*(field.Field) = value;
    else
        Dialogs().ShowError(this, ConversionError(edit->text(), false));
    // Only this box and the ranges show the change: the box the focus went to keeps its selection.
    const int32_t kept = m_record.*(field.Field);
    edit->setText(QString::fromStdString(field.SignedText ? number::Signed(kept) : number::Integer(kept)));
    ShowRanges();
}

void CustomWeaponDialog::TakeAmmoBaseCost()
{
    double value = 0.0;
    if (ParseTypedReal(m_ammoBaseCost->text(), value))
        m_record.AmmoBaseCost = value;
    else
        Dialogs().ShowError(this, ConversionError(m_ammoBaseCost->text(), true));
    // The box shows what was taken: "1.000" is one, not a thousand.
    m_ammoBaseCost->setText(QString::fromStdString(number::General(m_record.AmmoBaseCost)));
}

void CustomWeaponDialog::ShowHelp() { Dialogs().Inform(this, QString::fromLatin1(kHelpText)); }

void CustomWeaponDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    RunGuarded(this, [this] { Refresh(); });
}

void CustomWeaponDialog::done(int result)
{
    // The box being typed in takes its value before the record is handed back.
    if (result == QDialog::Accepted) {
        if (auto *edit = qobject_cast<ExitEdit *>(focusWidget()))
            edit->CommitTyped();
    }
    StoreWindowPosition(*this, kWindowSlot);
    QDialog::done(result);
}

} // namespace aw
