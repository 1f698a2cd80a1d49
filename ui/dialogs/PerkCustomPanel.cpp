#include "ui/dialogs/PerkCustomPanel.h"

#include "ui/CommandGuard.h"
#include "ui/Cp1252.h"
#include "ui/dialogs/PerkNumberText.h"
#include "ui/widgets/ExitEdit.h"
#include "ui/widgets/TypedNumber.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace aw {

// One edit box of the panel and the record field it edits (exactly one of the three).
struct CustomField {
    const char *Caption;
    const char *EditName;
    const char *Hint;
    std::string PerkRecord::*Text = nullptr;
    double PerkRecord::*Real = nullptr;
    int32_t PerkRecord::*Integer = nullptr;
};

namespace {

const CustomField kName{"Name", "customNameEdit", "", &PerkRecord::PFDName};
const CustomField kRating{"Rating", "customRatingEdit", "(Displayed Rating)", nullptr, &PerkRecord::RatingValue};
const CustomField kValue{"Value", "customValueEdit", "(Please enter a negative value for flaws)", nullptr,
                         &PerkRecord::X};
const CustomField kCost{"Added cost", "customCostEdit", "(is added after production multiplier)", nullptr,
                        &PerkRecord::CostValue};
const CustomField kModifiers[] = {
    {"Maneuver", "maneuverModEdit", "", nullptr, nullptr, &PerkRecord::ManeuverMod},
    {"Armor (per 10%)", "armorModEdit", "", nullptr, nullptr, &PerkRecord::ArmorMod},
    {"Speed (per 10%)", "speedModEdit", "", nullptr, nullptr, &PerkRecord::SpeedMod},
    {"Sensor", "sensorModEdit", "", nullptr, nullptr, &PerkRecord::SensorMod},
    {"Comm", "commModEdit", "", nullptr, nullptr, &PerkRecord::CommMod},
    {"FiCon", "fireControlModEdit", "", nullptr, nullptr, &PerkRecord::FireControlMod},
    {"Actions", "addedActionsEdit", "", nullptr, nullptr, &PerkRecord::AddedActionsValue},
};
const CustomField kOtvValue{"Value", "otvValueEdit", "", nullptr, &PerkRecord::Y};
const CustomField kCrew{"Added Crew", "addedCrewEdit", "", nullptr, nullptr, &PerkRecord::AddedCrewValue};

enum { OtvNone, OtvInside, OtvOutside };

QString FieldText(const CustomField &field, const PerkRecord &record)
{
    if (field.Text)
        return cp1252::ToQt(record.*field.Text);
    if (field.Real)
        return perktext::Real(record.*field.Real);
    return perktext::Integer(record.*field.Integer);
}

// The edit that stores text into field; an empty edit when the text is not a number.
PerkEdit FieldEdit(const CustomField &field, const QString &text)
{
    if (field.Text) {
        std::string value = cp1252::FromQt(text);
        if (value.size() > static_cast<size_t>(PerkRecord::NameCapacity))
            value.resize(static_cast<size_t>(PerkRecord::NameCapacity));
        return [&field, value](PerkRecord &r) { r.*field.Text = value; };
    }
    if (field.Real) {
        double value = 0;
        if (!ParseTypedReal(text, value))
            return [](PerkRecord &) {};
        return [&field, value](PerkRecord &r) { r.*field.Real = value; };
    }
    int32_t value = 0;
    if (!perktext::ParseInteger(text, value))
        return [](PerkRecord &) {};
    return [&field, value](PerkRecord &r) { r.*field.Integer = value; };
}

} // namespace

PerkCustomPanel::PerkCustomPanel(PerkChange change, QWidget *parent)
    : QFrame(parent), m_change(std::move(change)), m_aux(new QCheckBox(QStringLiteral("AUX"), this)),
      m_otv(new QComboBox(this)), m_people(new QCheckBox(QStringLiteral("Rating = added ppl"), this))
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
    for (const CustomField *field : {&kName, &kRating, &kValue, &kCost}) {
        ExitEdit *edit = AddField(*field);
        main->addWidget(new QLabel(QString::fromLatin1(field->Caption), this), row, 0);
        if (field == &kName) {
            edit->setMaxLength(PerkRecord::NameCapacity);
            main->addWidget(edit, row, 1, 1, 2);
        } else {
            edit->setFixedWidth(70);
            main->addWidget(edit, row, 1);
            auto *hint = new QLabel(QString::fromLatin1(field->Hint), this);
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
    for (const CustomField &field : kModifiers) {
        ExitEdit *edit = AddField(field);
        edit->setFixedWidth(50);
        const int r = index / 2;
        const int c = (index % 2) * 2;
        grid->addWidget(new QLabel(QString::fromLatin1(field.Caption), modifiers), r, c);
        grid->addWidget(edit, r, c + 1);
        ++index;
    }
    grid->setColumnStretch(4, 1);

    auto *extras = new QGridLayout;
    extras->setVerticalSpacing(3);
    extras->addWidget(new QLabel(QStringLiteral("OTV"), this), 0, 0);
    extras->addWidget(m_otv, 0, 1);
    extras->addWidget(new QLabel(QString::fromLatin1(kOtvValue.Caption), this), 0, 2);
    ExitEdit *otvValue = AddField(kOtvValue);
    otvValue->setFixedWidth(60);
    extras->addWidget(otvValue, 0, 3);
    extras->addWidget(m_people, 1, 0, 1, 2);
    extras->addWidget(new QLabel(QString::fromLatin1(kCrew.Caption), this), 1, 2);
    ExitEdit *crew = AddField(kCrew);
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
                   [this](bool checked) { m_change([checked](PerkRecord &r) { r.Aux = checked; }); });
    ConnectGuarded(m_people, &QCheckBox::clicked, this,
                   [this](bool checked) { m_change([checked](PerkRecord &r) { r.RatingIsPeople = checked; }); });
    ConnectGuarded(m_otv, &QComboBox::activated, this, [this](int item) {
        m_change([item](PerkRecord &r) {
            r.InsideOTV = item == OtvInside;
            r.OutsideOTV = item == OtvOutside;
        });
    });
}

PerkCustomPanel::~PerkCustomPanel() = default;

ExitEdit *PerkCustomPanel::AddField(const CustomField &field)
{
    auto *edit = new ExitEdit(this);
    edit->setObjectName(QString::fromLatin1(field.EditName));
    m_fields.emplace_back(&field, edit);
    ConnectGuarded(edit, &ExitEdit::Exited, this, [this, &field, edit] { m_change(FieldEdit(field, edit->text())); });
    return edit;
}

void PerkCustomPanel::Show(const PerkRecord &record)
{
    for (const auto &[field, edit] : m_fields) {
        const QString text = FieldText(*field, record);
        if (edit->text() != text)
            edit->setText(text);
    }
    m_aux->setChecked(record.Aux);
    m_people->setChecked(record.RatingIsPeople);
    m_otv->setCurrentIndex(record.InsideOTV ? OtvInside : record.OutsideOTV ? OtvOutside : OtvNone);
}

} // namespace aw
