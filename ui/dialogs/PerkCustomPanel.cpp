#include "ui/dialogs/PerkCustomPanel.h"

#include "ui/CommandGuard.h"
#include "ui/Cp1252.h"
#include "ui/widgets/ExitEdit.h"
#include "ui/dialogs/PerkNumberText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

// One edit box of the panel and the record field it edits (exactly one of the three).
struct TCustomField {
    const char *caption;
    const char *editName;
    const char *hint;
    std::string TPerkRecord::*text = nullptr;
    double TPerkRecord::*real = nullptr;
    int32_t TPerkRecord::*integer = nullptr;
};

namespace {

const TCustomField kName{"Name", "customNameEdit", "", &TPerkRecord::PFDName};
const TCustomField kRating{"Rating", "customRatingEdit", "(Displayed Rating)", nullptr, &TPerkRecord::RatingValue};
const TCustomField kValue{"Value", "customValueEdit", "(Please enter a negative value for flaws)", nullptr,
                          &TPerkRecord::X};
const TCustomField kCost{"Added cost", "customCostEdit", "(is added after production multiplier)", nullptr,
                         &TPerkRecord::CostValue};
const TCustomField kModifiers[] = {
    {"Maneuver", "maneuverModEdit", "", nullptr, nullptr, &TPerkRecord::ManeuverMod},
    {"Armor (per 10%)", "armorModEdit", "", nullptr, nullptr, &TPerkRecord::ArmorMod},
    {"Speed (per 10%)", "speedModEdit", "", nullptr, nullptr, &TPerkRecord::SpeedMod},
    {"Sensor", "sensorModEdit", "", nullptr, nullptr, &TPerkRecord::SensorMod},
    {"Comm", "commModEdit", "", nullptr, nullptr, &TPerkRecord::CommMod},
    {"FiCon", "fireControlModEdit", "", nullptr, nullptr, &TPerkRecord::FireControlMod},
    {"Actions", "addedActionsEdit", "", nullptr, nullptr, &TPerkRecord::AddedActionsValue},
};
const TCustomField kOtvValue{"Value", "otvValueEdit", "", nullptr, &TPerkRecord::Y};
const TCustomField kCrew{"Added Crew", "addedCrewEdit", "", nullptr, nullptr, &TPerkRecord::AddedCrewValue};

enum { OtvNone, OtvInside, OtvOutside };

QString fieldText(const TCustomField &field, const TPerkRecord &record)
{
    if (field.text)
        return cp1252::ToQt(record.*field.text);
    if (field.real)
        return perktext::Real(record.*field.real);
    return perktext::Integer(record.*field.integer);
}

// The edit that stores text into field; an empty edit when the text is not a number.
TPerkEdit fieldEdit(const TCustomField &field, const QString &text)
{
    if (field.text) {
        std::string value = cp1252::FromQt(text);
        if (value.size() > static_cast<size_t>(TPerkRecord::NameCapacity))
            value.resize(static_cast<size_t>(TPerkRecord::NameCapacity));
        return [&field, value](TPerkRecord &r) { r.*field.text = value; };
    }
    if (field.real) {
        double value = 0;
        if (!perktext::ParseReal(text, value))
            return [](TPerkRecord &) {};
        return [&field, value](TPerkRecord &r) { r.*field.real = value; };
    }
    int32_t value = 0;
    if (!perktext::ParseInteger(text, value))
        return [](TPerkRecord &) {};
    return [&field, value](TPerkRecord &r) { r.*field.integer = value; };
}

} // namespace

TPerkCustomPanel::TPerkCustomPanel(TPerkChange change, QWidget *parent)
    : QFrame(parent)
    , m_change(std::move(change))
    , m_aux(new QCheckBox(QStringLiteral("AUX"), this))
    , m_otv(new QComboBox(this))
    , m_people(new QCheckBox(QStringLiteral("Rating = added ppl"), this))
{
    setObjectName(QStringLiteral("pnlCustom"));
    setFrameShape(QFrame::StyledPanel);
    m_aux->setObjectName(QStringLiteral("auxiliaryBox"));
    m_otv->setObjectName(QStringLiteral("otvBox"));
    m_otv->addItems({QStringLiteral("None"), QStringLiteral("Inside"), QStringLiteral("Outside")});
    m_people->setObjectName(QStringLiteral("peopleBox"));

    auto *main = new QGridLayout;
    main->setVerticalSpacing(3);
    int row = 0;
    for (const TCustomField *field : {&kName, &kRating, &kValue, &kCost}) {
        TExitEdit *edit = AddField(*field);
        main->addWidget(new QLabel(QString::fromLatin1(field->caption), this), row, 0);
        if (field == &kName) {
            edit->setMaxLength(TPerkRecord::NameCapacity);
            main->addWidget(edit, row, 1, 1, 2);
        } else {
            edit->setFixedWidth(70);
            main->addWidget(edit, row, 1);
            auto *hint = new QLabel(QString::fromLatin1(field->hint), this);
            hint->setEnabled(false);
            hint->setWordWrap(true);
            main->addWidget(hint, row, 2);
        }
        ++row;
    }
    main->addWidget(m_aux, row, 1);
    main->setColumnStretch(2, 1);

    auto *modifiers = new QGroupBox(QStringLiteral("Modifiers"), this);
    auto *grid = new QGridLayout(modifiers);
    grid->setVerticalSpacing(3);
    int index = 0;
    for (const TCustomField &field : kModifiers) {
        TExitEdit *edit = AddField(field);
        edit->setFixedWidth(50);
        const int r = index / 2;
        const int c = (index % 2) * 2;
        grid->addWidget(new QLabel(QString::fromLatin1(field.caption), modifiers), r, c);
        grid->addWidget(edit, r, c + 1);
        ++index;
    }
    grid->setColumnStretch(4, 1);

    auto *extras = new QGridLayout;
    extras->setVerticalSpacing(3);
    extras->addWidget(new QLabel(QStringLiteral("OTV"), this), 0, 0);
    extras->addWidget(m_otv, 0, 1);
    extras->addWidget(new QLabel(QString::fromLatin1(kOtvValue.caption), this), 0, 2);
    TExitEdit *otvValue = AddField(kOtvValue);
    otvValue->setFixedWidth(60);
    extras->addWidget(otvValue, 0, 3);
    extras->addWidget(m_people, 1, 0, 1, 2);
    extras->addWidget(new QLabel(QString::fromLatin1(kCrew.caption), this), 1, 2);
    TExitEdit *crew = AddField(kCrew);
    crew->setFixedWidth(60);
    extras->addWidget(crew, 1, 3);
    extras->setColumnStretch(4, 1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(4);
    layout->addLayout(main);
    layout->addWidget(modifiers);
    layout->addLayout(extras);

    ConnectGuarded(m_aux, &QCheckBox::clicked, this,
                   [this](bool checked) { m_change([checked](TPerkRecord &r) { r.Aux = checked; }); });
    ConnectGuarded(m_people, &QCheckBox::clicked, this,
                   [this](bool checked) { m_change([checked](TPerkRecord &r) { r.RatingIsPeople = checked; }); });
    ConnectGuarded(m_otv, &QComboBox::activated, this, [this](int item) {
        m_change([item](TPerkRecord &r) {
            r.InsideOTV = item == OtvInside;
            r.OutsideOTV = item == OtvOutside;
        });
    });
}

TPerkCustomPanel::~TPerkCustomPanel() = default;

TExitEdit *TPerkCustomPanel::AddField(const TCustomField &field)
{
    auto *edit = new TExitEdit(this);
    edit->setObjectName(QString::fromLatin1(field.editName));
    m_fields.emplace_back(&field, edit);
    ConnectGuarded(edit, &TExitEdit::exited, this, [this, &field, edit] { m_change(fieldEdit(field, edit->text())); });
    return edit;
}

void TPerkCustomPanel::Show(const TPerkRecord &record)
{
    for (const auto &[field, edit] : m_fields) {
        const QString text = fieldText(*field, record);
        if (edit->text() != text)
            edit->setText(text);
    }
    m_aux->setChecked(record.Aux);
    m_people->setChecked(record.RatingIsPeople);
    m_otv->setCurrentIndex(record.InsideOTV ? OtvInside : record.OutsideOTV ? OtvOutside : OtvNone);
}
