#include "ui/pages/GeneralPage.h"

#include "base/NumberFormat.h"
#include "engine/DesignResults.h"
#include "engine/ProductionTypes.h"
#include "engine/Vehicle.h"
#include "ui/CommandGuard.h"
#include "ui/Cp1252.h"
#include "ui/document/VehicleDocument.h"
#include "ui/pages/EditorHost.h"
#include "ui/pages/MovementPages.h"
#include "ui/widgets/BoxColour.h"
#include "ui/widgets/ExitComboBox.h"
#include "ui/widgets/ExitEdit.h"
#include "ui/widgets/PageScrollArea.h"
#include "ui/widgets/ResultLabel.h"
#include "ui/widgets/SpinButton.h"
#include "ui/widgets/StartShownEdit.h"
#include "ui/widgets/TypedNumber.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>

namespace aw {

// How a numeric box shows its field.
enum class GeneralBoxFormat { Plain, Signed, Grouped1, Shortest18, General15, ShownByResults };

// How the numeric boxes of the page read, limit and show their field.
struct GeneralNumberBox {
    const char *Edit;
    const char *Spin;  // nullptr: no spin button
    const char *Field; // its name in the design's field list
    int32_t *(*intField)(BaseVehicle &);
    double *(*realField)(BaseVehicle &);
    GeneralBoxFormat Format;
    std::optional<double> EditMin;
    double Step;
    std::optional<double> DownMin;
    std::optional<double> UpMax;
    bool SetsModified;
    bool Production;     // redisplayed by ShowProduction instead of ShowGeneral
    bool AllowThousands; // the box shows thousands separators, so it must read them back
};

namespace {

// clang-format off
#define AW_INT(field) #field, [](BaseVehicle &v) -> int32_t * { return &v.field; }, nullptr
#define AW_REAL(field) #field, nullptr, [](BaseVehicle &v) -> double * { return &v.field; }
// clang-format on

const GeneralNumberBox kNumberBoxes[] = {
    {"eCrew", "crewSpin", AW_INT(Crew), GeneralBoxFormat::Plain, 0, 1, 0, {}, true, false, false},
    {"eArmor", "armorSpin", AW_INT(Armor), GeneralBoxFormat::Plain, 1, 1, 0, {}, true, false, false},
    {"eSensorRating",
     "sensorRatingSpin",
     AW_INT(SensorRating),
     GeneralBoxFormat::Signed,
     -5,
     1,
     -5,
     {},
     true,
     false,
     false},
    {"eSensorRange",
     "sensorRangeSpin",
     AW_REAL(SensorRange),
     GeneralBoxFormat::Grouped1,
     0,
     1.0,
     0,
     {},
     true,
     false,
     true},
    {"eComRating", "commRatingSpin", AW_INT(CommRating), GeneralBoxFormat::Signed, -5, 1, -5, {}, true, false, false},
    {"eComRange", "commRangeSpin", AW_REAL(CommRange), GeneralBoxFormat::Grouped1, 0, 1.0, 0, {}, true, false, true},
    {"eFiCon", "fireControlSpin", AW_INT(FireControl), GeneralBoxFormat::Signed, -5, 1, -5, 5, true, false, false},
    {"eDeployment", "deploymentSpin", AW_INT(Deployment), GeneralBoxFormat::Plain, 0, 10, 0, {}, true, false, false},
    {"eManeuver", "maneuverSpin", AW_INT(Maneuver), GeneralBoxFormat::Signed, -10, 1, -10, 10, true, false, false},
    {"eFinalSize",
     "finalSizeSpin",
     AW_INT(FinalSize),
     GeneralBoxFormat::ShownByResults,
     1,
     1,
     1,
     {},
     true,
     false,
     false},
    {"eAvail", nullptr, AW_INT(Availability), GeneralBoxFormat::Plain, {}, 0, {}, {}, false, false, false},
    {"eCurrMult", nullptr, AW_REAL(CurrencyMultiplier), GeneralBoxFormat::Shortest18, 0, 0, {}, {}, true, false, false},
    {"eProCustomModel",
     nullptr,
     AW_INT(CustomProduction.CustomModelDice),
     GeneralBoxFormat::Plain,
     -1,
     0,
     {},
     {},
     true,
     true,
     false},
    {"eProCustomIndiv",
     nullptr,
     AW_INT(CustomProduction.CustomIndivDice),
     GeneralBoxFormat::Plain,
     0,
     0,
     {},
     {},
     true,
     true,
     false},
    {"eProCustomMult",
     nullptr,
     AW_REAL(CustomProduction.CustomCostMultiplier),
     GeneralBoxFormat::General15,
     0,
     0,
     {},
     {},
     true,
     true,
     false},
};

#undef AW_INT
#undef AW_REAL

// What a box shows for a value of its field (a whole field's value is a whole number).
std::optional<std::string> BoxText(GeneralBoxFormat format, double value)
{
    switch (format) {
    case GeneralBoxFormat::Plain:
        return number::Integer(static_cast<int64_t>(value));
    case GeneralBoxFormat::Signed:
        return number::Signed(static_cast<int64_t>(value));
    case GeneralBoxFormat::Grouped1:
        return number::Grouped(value, 1);
    case GeneralBoxFormat::Shortest18:
        return number::Shortest(value, 18);
    case GeneralBoxFormat::General15:
        return number::General(value, 15);
    case GeneralBoxFormat::ShownByResults:
        break;
    }
    return std::nullopt;
}

QString FormatBox(const GeneralNumberBox &rule, BaseVehicle &vehicle)
{
    const double value = rule.intField ? *rule.intField(vehicle) : *rule.realField(vehicle);
    return cp1252::ToQt(BoxText(rule.Format, value).value_or(std::string()));
}

int32_t ClampToInt32(double value)
{
    value = std::clamp(value, static_cast<double>(std::numeric_limits<int32_t>::min()),
                       static_cast<double>(std::numeric_limits<int32_t>::max()));
    return static_cast<int32_t>(value);
}

// The boxes whose fields a results refresh may raise (the final size box shows the results).
bool RaisedByRefresh(const GeneralNumberBox &box)
{
    return qstrcmp(box.Edit, "eCrew") == 0 || qstrcmp(box.Edit, "eArmor") == 0;
}

QLabel *Caption(const QString &text, QWidget *parent) { return new QLabel(text, parent); }

QLineEdit *ReadOnlyBox(const char *name, QWidget *parent)
{
    auto *box = new StartShownEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    SetBoxColour(box, false);
    return box;
}

} // namespace

std::optional<std::string> GeneralBoxText(std::string_view field, double value)
{
    const auto box = std::find_if(std::begin(kNumberBoxes), std::end(kNumberBoxes),
                                  [&](const GeneralNumberBox &b) { return field == b.Field; });
    if (box == std::end(kNumberBoxes))
        return std::nullopt;
    return BoxText(box->Format, value);
}

GeneralPage::GeneralPage(EditorHost &host, QWidget *parent) : QWidget(parent), m_host(host)
{
    setObjectName(QStringLiteral("generalPage"));
    BuildControls();
}

GeneralPage::~GeneralPage() = default;

void GeneralPage::BuildControls()
{
    // The layouts move every control onto the body, which scrolls when the window is small.
    auto *body = new QWidget;
    auto *page = new QVBoxLayout(body);
    page->setContentsMargins(4, 4, 4, 4);
    page->setSpacing(4);

    m_movement = new MovementPages(m_host, this);
    m_movement->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    page->addWidget(m_movement);

    // Numeric boxes with their spin buttons, made from the table.
    auto numberEdit = [this](const char *name) {
        for (const GeneralNumberBox &rule : kNumberBoxes) {
            if (qstrcmp(rule.Edit, name) != 0)
                continue;
            const GeneralNumberBox *box = &rule;
            auto *edit = new ExitEdit(this);
            edit->setObjectName(QString::fromLatin1(name));
            edit->setMaximumWidth(rule.Format == GeneralBoxFormat::Grouped1 ? 76 : 48);
            ConnectGuarded(edit, &ExitEdit::Exited, this, [this, box, edit] { TakeNumber(*box, edit); });
            m_numberEdits.emplace_back(box, edit);
            SpinButton *spin = nullptr;
            if (rule.Spin) {
                spin = new SpinButton(this);
                spin->setObjectName(QString::fromLatin1(rule.Spin));
                spin->SetBox(edit);
                ConnectGuarded(spin, &SpinButton::UpClick, this, [this, box] { NumberSpin(*box, +1); });
                ConnectGuarded(spin, &SpinButton::DownClick, this, [this, box] { NumberSpin(*box, -1); });
            }
            return std::make_pair(edit, spin);
        }
        Q_ASSERT_X(false, "TGeneralPage", "unknown numeric box");
        return std::make_pair(static_cast<ExitEdit *>(nullptr), static_cast<SpinButton *>(nullptr));
    };
    auto editWithSpin = [&](const char *name) {
        auto [edit, spin] = numberEdit(name);
        auto *row = new QHBoxLayout;
        row->setSpacing(1);
        row->addWidget(edit);
        if (spin)
            row->addWidget(spin);
        row->addStretch();
        return std::make_pair(row, edit);
    };
    auto textEdit = [this](const char *name, int maxWidth) {
        auto *edit = new ExitEdit(this);
        edit->setObjectName(QString::fromLatin1(name));
        if (maxWidth > 0)
            edit->setMaximumWidth(maxWidth);
        return edit;
    };

    // Three columns: the ratings, sensors and communications with size and counts, and
    // the derived values with the currency.
    auto grid = [] {
        auto *layout = new QGridLayout;
        layout->setHorizontalSpacing(4);
        layout->setVerticalSpacing(3);
        return layout;
    };
    auto *ratings = grid();
    const std::pair<const char *, const char *> ratingRows[] = {
        {"Crew", "eCrew"}, {"Armor", "eArmor"}, {"Fire Control", "eFiCon"}, {"Maneuver", "eManeuver"}};
    int row = 0;
    for (const auto &[text, name] : ratingRows) {
        ratings->addWidget(Caption(QString::fromLatin1(text), this), row, 0);
        ratings->addLayout(editWithSpin(name).first, row, 1);
        ++row;
    }
    ratings->addWidget(Caption(QStringLiteral("Deployment"), this), row, 0, 1, 2);
    ++row;
    ratings->addWidget(Caption(QStringLiteral("Range"), this), row, 0, Qt::AlignRight);
    auto *deployment = editWithSpin("eDeployment").first;
    deployment->insertWidget(2, Caption(QStringLiteral("km"), this));
    ratings->addLayout(deployment, row, 1);
    ratings->setRowStretch(row + 1, 1);

    auto *senses = grid();
    senses->addWidget(Caption(QStringLiteral("Rating"), this), 0, 1);
    senses->addWidget(Caption(QStringLiteral("Range"), this), 0, 2);
    auto rangeBox = [&](const char *name) {
        auto *layout = editWithSpin(name).first;
        layout->insertWidget(2, Caption(QStringLiteral("km"), this));
        return layout;
    };
    senses->addWidget(Caption(QStringLiteral("Sensors"), this), 1, 0);
    senses->addLayout(editWithSpin("eSensorRating").first, 1, 1);
    senses->addLayout(rangeBox("eSensorRange"), 1, 2);
    senses->addWidget(Caption(QStringLiteral("Comm."), this), 2, 0);
    senses->addLayout(editWithSpin("eComRating").first, 2, 1);
    senses->addLayout(rangeBox("eComRange"), 2, 2);
    senses->addWidget(Caption(QStringLiteral("Final Size"), this), 3, 0);
    auto finalSize = editWithSpin("eFinalSize");
    m_eFinalSize = finalSize.second;
    senses->addLayout(finalSize.first, 3, 1);
    m_cbSizeType = new QComboBox(this);
    m_cbSizeType->setObjectName(QStringLiteral("cbSizeType"));
    m_cbSizeType->addItems(
        {QStringLiteral("Normal"), QStringLiteral("Carriage"), QStringLiteral("Emplacement"), QStringLiteral("Drone")});
    auto *sizeType = new QHBoxLayout;
    sizeType->addWidget(Caption(QStringLiteral("Type"), this));
    sizeType->addWidget(m_cbSizeType);
    sizeType->addStretch();
    senses->addLayout(sizeType, 3, 2);
    senses->addWidget(Caption(QStringLiteral("Number on Field"), this), 4, 0, 1, 2);
    m_eField = textEdit("eField", 110);
    senses->addWidget(m_eField, 4, 2);
    senses->addWidget(Caption(QStringLiteral("Availibility"), this), 5, 0, 1, 2);
    senses->addLayout(editWithSpin("eAvail").first, 5, 2);
    senses->setRowStretch(6, 1);

    auto *results = grid();
    m_lblMass = NewResultLabel("lblMass", ResultLook::SunkenBox, this);
    m_lblDefaultSize = NewResultLabel("lblDefaultSize", ResultLook::SunkenBox, this);
    m_lblDefaultCost = NewResultLabel("lblDefaultCost", ResultLook::SunkenBox, this);
    m_lblPreProductionCost = NewResultLabel("lblPreProductionCost", ResultLook::SunkenBox, this);
    const std::pair<const char *, QLabel *> resultRows[] = {{"Default Mass", m_lblMass},
                                                            {"Default Size", m_lblDefaultSize},
                                                            {"Default Cost", m_lblDefaultCost},
                                                            {"Pre-Production Cost", m_lblPreProductionCost}};
    row = 0;
    for (const auto &[text, value] : resultRows) {
        results->addWidget(Caption(QString::fromLatin1(text), this), row, 0);
        results->addWidget(value, row, 1);
        ++row;
    }
    results->addWidget(Caption(QStringLiteral("Currency Label"), this), row, 0);
    m_eCurrName = textEdit("eCurrName", 120);
    results->addWidget(m_eCurrName, row, 1);
    ++row;
    results->addWidget(Caption(QStringLiteral("Multiplier"), this), row, 0);
    results->addLayout(editWithSpin("eCurrMult").first, row, 1);
    results->setRowStretch(row + 1, 1);

    auto *middle = new QHBoxLayout;
    middle->setSpacing(14);
    middle->addLayout(ratings);
    middle->addLayout(senses);
    middle->addLayout(results);
    middle->addStretch(1);
    page->addLayout(middle);

    // Production group.
    auto *production = new QGroupBox(QStringLiteral("Production"), this);
    production->setObjectName(QStringLiteral("gbProduction"));
    auto *pro = new QGridLayout(production);
    pro->setVerticalSpacing(3);
    pro->setHorizontalSpacing(4);
    m_rbProStandard = new QRadioButton(QStringLiteral("Standard"), production);
    m_rbProStandard->setObjectName(QStringLiteral("rbProStandard"));
    m_rbProCustom = new QRadioButton(QStringLiteral("Custom"), production);
    m_rbProCustom->setObjectName(QStringLiteral("rbProCustom"));
    m_cbProStandard = new ExitComboBox(production);
    m_cbProStandard->setObjectName(QStringLiteral("cbProStandard"));
    for (int32_t type = 0; type < StandardProductionTypeCount; ++type)
        m_cbProStandard->addItem(QString::fromLatin1(StandardProductionType(type)->Name));
    m_eProStandard = ReadOnlyBox("eProStandard", production);
    m_eProStandardModel = ReadOnlyBox("eProStandardModel", production);
    m_eProStandardIndiv = ReadOnlyBox("eProStandardIndiv", production);
    m_eProStandardMult = ReadOnlyBox("eProStandardMult", production);
    m_eProCustomName = textEdit("eProCustomName", 0);
    m_eProCustomDef = textEdit("eProCustomDef", 0);
    // The design file has no room for these two texts: the player should know before typing them.
    for (QLineEdit *box : {m_eProCustomName, m_eProCustomDef})
        box->setToolTip(QStringLiteral("Shown on the sheets, but not kept in the design file"));
    m_eProCustomModel = numberEdit("eProCustomModel").first;
    m_eProCustomIndiv = numberEdit("eProCustomIndiv").first;
    m_eProCustomMult = numberEdit("eProCustomMult").first;
    pro->addWidget(Caption(QStringLiteral("Lemon Dice"), production), 0, 3, 1, 2, Qt::AlignHCenter);
    pro->addWidget(Caption(QStringLiteral("Model"), production), 1, 3);
    pro->addWidget(Caption(QStringLiteral("Indiv."), production), 1, 4);
    pro->addWidget(Caption(QStringLiteral("Cost Multiplier"), production), 1, 5);
    pro->addWidget(m_rbProStandard, 2, 0);
    pro->addWidget(m_cbProStandard, 2, 1);
    pro->addWidget(m_eProStandard, 2, 2);
    pro->addWidget(m_eProStandardModel, 2, 3);
    pro->addWidget(m_eProStandardIndiv, 2, 4);
    pro->addWidget(m_eProStandardMult, 2, 5);
    pro->addWidget(m_rbProCustom, 3, 0);
    pro->addWidget(m_eProCustomName, 3, 1);
    pro->addWidget(m_eProCustomDef, 3, 2);
    pro->addWidget(m_eProCustomModel, 3, 3);
    pro->addWidget(m_eProCustomIndiv, 3, 4);
    pro->addWidget(m_eProCustomMult, 3, 5);
    for (QLineEdit *box : {m_eProStandardModel, m_eProStandardIndiv, static_cast<QLineEdit *>(m_eProCustomModel),
                           static_cast<QLineEdit *>(m_eProCustomIndiv)})
        box->setMaximumWidth(40);
    m_eProStandardMult->setMaximumWidth(90);
    m_eProCustomMult->setMaximumWidth(90);
    pro->setColumnStretch(1, 3);
    pro->setColumnStretch(2, 2);

    // Descriptive mass and dimensions: free texts.
    auto *dimensions = grid();
    m_eActualMass = textEdit("eActualMass", 90);
    m_eHeight = textEdit("eHeight", 90);
    m_eWidth = textEdit("eWidth", 90);
    m_eLength = textEdit("eLength", 90);
    const std::pair<QString, std::pair<ExitEdit *, QString>> dims[] = {
        {QStringLiteral("Combat Mass"), {m_eActualMass, QStringLiteral("kg")}},
        {QStringLiteral("Height"), {m_eHeight, QStringLiteral("m")}},
        {QStringLiteral("Width"), {m_eWidth, QStringLiteral("m")}},
        {QStringLiteral("Length"), {m_eLength, QStringLiteral("m")}},
    };
    row = 0;
    for (const auto &[text, box] : dims) {
        dimensions->addWidget(Caption(text, this), row, 0);
        dimensions->addWidget(box.first, row, 1);
        dimensions->addWidget(Caption(box.second, this), row, 2);
        ++row;
    }
    dimensions->setRowStretch(row, 1);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(production, 1);
    bottom->addLayout(dimensions);
    page->addLayout(bottom);
    page->addStretch(1);
    new PageScrollArea(body, *this);

    // Text boxes.
    ConnectGuarded(m_eCurrName, &ExitEdit::Exited, this, [this] {
        m_host.Document().SetModified();
        m_host.Document().Design().CurrencyName =
            CutToWidth(cp1252::FromQt(m_eCurrName->text()), BaseVehicle::CurrencyNameCapacity);
        ShowGeneral();
    });
    ConnectGuarded(m_eField, &ExitEdit::Exited, this, [this] {
        m_host.Document().Design().NumberOnField =
            CutToWidth(cp1252::FromQt(m_eField->text()), BaseVehicle::TextCapacity);
        m_host.Document().NoteUnmarkedChange();
    });
    const std::pair<ExitEdit *, std::string BaseVehicle::*> freeTexts[] = {
        {m_eActualMass, &BaseVehicle::CombatMass},
        {m_eHeight, &BaseVehicle::Height},
        {m_eWidth, &BaseVehicle::Width},
        {m_eLength, &BaseVehicle::Length},
    };
    for (const auto &[edit, field] : freeTexts) {
        ConnectGuarded(edit, &QLineEdit::textEdited, this, [this, field = field](const QString &text) {
            m_host.Document().Design().*field = CutToWidth(cp1252::FromQt(text), BaseVehicle::TextCapacity);
            m_host.Document().SetModified();
        });
    }
    ConnectGuarded(m_cbSizeType, &QComboBox::activated, this, [this](int index) {
        m_host.Document().Design().SizeType = index;
        m_host.Document().NoteUnmarkedChange();
        m_host.ShowResults();
    });

    // Production group.
    ConnectGuarded(m_rbProStandard, &QRadioButton::clicked, this,
                   [this](bool checked) { ChooseStandardProduction(checked); });
    ConnectGuarded(m_rbProCustom, &QRadioButton::clicked, this,
                   [this](bool checked) { ChooseCustomProduction(checked); });
    ConnectGuarded(m_cbProStandard, &QComboBox::activated, this,
                   [this](int index) { SelectStandardProduction(index); });
    ConnectGuarded(m_cbProStandard, &ExitComboBox::Exited, this, [this] { m_host.Document().SetModified(); });
    ConnectGuarded(m_eProCustomName, &QLineEdit::textEdited, this, [this](const QString &text) {
        m_host.Document().Design().CustomProduction.CustomName = cp1252::FromQt(text);
    });
    ConnectGuarded(m_eProCustomDef, &QLineEdit::textEdited, this, [this](const QString &text) {
        m_host.Document().Design().CustomProduction.CustomDefinition = cp1252::FromQt(text);
    });
    ConnectGuarded(m_eProCustomName, &ExitEdit::Exited, this, [this] { m_host.Document().SetModified(); });
    ConnectGuarded(m_eProCustomDef, &ExitEdit::Exited, this, [this] { m_host.Document().SetModified(); });
}

void GeneralPage::ShowGeneral()
{
    Vehicle &vehicle = m_host.Document().Design();
    for (const auto &[box, edit] : m_numberEdits) {
        if (!box->Production && box->Format != GeneralBoxFormat::ShownByResults)
            edit->setText(FormatBox(*box, vehicle));
    }
    m_eCurrName->setText(cp1252::ToQt(vehicle.CurrencyName));
    m_eActualMass->setText(cp1252::ToQt(vehicle.CombatMass));
    m_eHeight->setText(cp1252::ToQt(vehicle.Height));
    m_eWidth->setText(cp1252::ToQt(vehicle.Width));
    m_eLength->setText(cp1252::ToQt(vehicle.Length));
    m_eField->setText(cp1252::ToQt(vehicle.NumberOnField));
    for (QLineEdit *box :
         {static_cast<QLineEdit *>(m_eCurrName), findChild<QLineEdit *>(QStringLiteral("eCurrMult"))}) {
        box->setReadOnly(false);
        SetBoxColour(box, true);
    }
    m_host.ShowResults();
}

void GeneralPage::ShowProduction()
{
    Vehicle &vehicle = m_host.Document().Design();
    NormalizeProductionType(vehicle);
    const bool custom = vehicle.ProductionType == CustomProductionType;
    QLineEdit *customBoxes[] = {m_eProCustomName, m_eProCustomDef, m_eProCustomModel, m_eProCustomIndiv,
                                m_eProCustomMult};
    QLineEdit *standardBoxes[] = {m_eProStandard, m_eProStandardModel, m_eProStandardIndiv, m_eProStandardMult};
    if (custom) {
        m_rbProCustom->setChecked(true);
        m_cbProStandard->setEnabled(false);
        m_cbProStandard->setCurrentIndex(-1);
        for (QLineEdit *box : standardBoxes)
            box->clear();
        const CustomProductionSettings &production = vehicle.CustomProduction;
        m_eProCustomName->setText(cp1252::ToQt(production.CustomName));
        m_eProCustomDef->setText(cp1252::ToQt(production.CustomDefinition));
        for (const auto &[box, edit] : m_numberEdits) {
            if (box->Production)
                edit->setText(FormatBox(*box, vehicle));
        }
    } else {
        m_rbProStandard->setChecked(true);
        m_cbProStandard->setEnabled(true);
        m_cbProStandard->setCurrentIndex(vehicle.ProductionType < StandardProductionTypeCount ? vehicle.ProductionType
                                                                                              : -1);
        const ProductionType *type = StandardProductionType(vehicle.ProductionType);
        m_eProStandard->setText(type ? QString::fromLatin1(type->Remark) : QString());
        m_eProStandardModel->setText(cp1252::ToQt(ModelDicePanelText(vehicle.ProductionType)));
        m_eProStandardIndiv->setText(type ? QString::fromLatin1(type->IndivDicePanel) : QString());
        m_eProStandardMult->setText(type ? QString::fromLatin1(type->CostMultiplierPanel) : QString());
        for (QLineEdit *box : customBoxes)
            box->clear();
    }
    for (QLineEdit *box : customBoxes) {
        box->setEnabled(custom);
        SetBoxColour(box, custom);
    }
    m_host.ShowResults();
}

void GeneralPage::ShowResultTexts(const ResultTexts &texts, int sizeType)
{
    m_lblMass->setText(cp1252::ToQt(texts.DefaultMass));
    m_lblDefaultSize->setText(cp1252::ToQt(texts.DefaultSize));
    m_lblDefaultCost->setText(cp1252::ToQt(texts.DefaultCost));
    m_lblPreProductionCost->setText(cp1252::ToQt(texts.PreProductionCost));
    m_eFinalSize->setText(cp1252::ToQt(texts.FinalSize));
    m_cbSizeType->setCurrentIndex(sizeType >= 0 && sizeType < m_cbSizeType->count() ? sizeType : -1);
    Vehicle &vehicle = m_host.Document().Design();
    for (const auto &[box, edit] : m_numberEdits) {
        if (RaisedByRefresh(*box))
            edit->setText(FormatBox(*box, vehicle));
    }
}

void GeneralPage::TakeNumber(const GeneralNumberBox &box, ExitEdit *edit)
{
    Vehicle &vehicle = m_host.Document().Design();
    if (box.SetsModified)
        m_host.Document().SetModified();
    else
        m_host.Document().NoteUnmarkedChange();
    const QString text = edit->text().trimmed();
    if (box.intField) {
        int32_t value = 0;
        if (number::ParseInteger(cp1252::FromQt(text), value)) {
            if (box.EditMin && value < *box.EditMin)
                value = static_cast<int32_t>(*box.EditMin);
            *box.intField(vehicle) = value;
        }
    } else {
        double value = 0;
        if (ParseTypedReal(text, value, box.AllowThousands)) {
            if (box.EditMin && value < *box.EditMin)
                value = *box.EditMin;
            *box.realField(vehicle) = value;
        }
    }
    Redisplay(box);
}

void GeneralPage::NumberSpin(const GeneralNumberBox &box, int direction)
{
    Vehicle &vehicle = m_host.Document().Design();
    m_host.Document().SetModified();
    auto limit = [&](double value) {
        if (direction < 0 && box.DownMin)
            value = std::max(value, *box.DownMin);
        if (direction > 0 && box.UpMax)
            value = std::min(value, *box.UpMax);
        return value;
    };
    if (box.intField) {
        int32_t &field = *box.intField(vehicle);
        field = ClampToInt32(limit(static_cast<double>(field) + direction * box.Step));
    } else {
        double &field = *box.realField(vehicle);
        field = limit(field + direction * box.Step);
    }
    ShowGeneral();
}

void GeneralPage::Redisplay(const GeneralNumberBox &box)
{
    if (box.Production)
        ShowProduction();
    else
        ShowGeneral();
}

void GeneralPage::ChooseStandardProduction(bool checked)
{
    Vehicle &vehicle = m_host.Document().Design();
    if (checked && vehicle.ProductionType >= CustomProductionType) {
        vehicle.ProductionType = 0;
        m_host.Document().SetModified();
    } else if (!checked && vehicle.ProductionType != CustomProductionType) {
        vehicle.ProductionType = CustomProductionType;
        m_host.Document().SetModified();
    }
    ShowProduction();
}

void GeneralPage::ChooseCustomProduction(bool checked)
{
    Vehicle &vehicle = m_host.Document().Design();
    m_host.Document().SetModified();
    if (checked && vehicle.ProductionType != CustomProductionType)
        vehicle.ProductionType = CustomProductionType;
    else if (!checked && vehicle.ProductionType >= CustomProductionType)
        vehicle.ProductionType = 0;
    ShowProduction();
}

void GeneralPage::SelectStandardProduction(int index)
{
    m_host.Document().Design().ProductionType = index < 0 ? CustomProductionType : index;
    ShowProduction();
}

} // namespace aw
