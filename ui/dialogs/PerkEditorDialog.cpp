#include "ui/dialogs/PerkEditorDialog.h"

#include "engine/FlawDefect.h"
#include "engine/PerkEntry.h"
#include "engine/PerkList.h"
#include "ui/CommandGuard.h"
#include "ui/Cp1252.h"
#include "ui/WindowPlacement.h"
#include "ui/dialogs/DialogProvider.h"
#include "ui/dialogs/PerkCustomPanel.h"
#include "ui/dialogs/PerkNumberPanel.h"
#include "ui/dialogs/PerkNumberText.h"
#include "ui/widgets/BoxColour.h"
#include "ui/widgets/MemoBox.h"
#include "ui/widgets/MemoText.h"
#include "ui/widgets/TypedNumber.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextDocument>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <vector>

namespace aw {

namespace {

constexpr int kWindowSlot = 2;
constexpr int kArcCount = 9;
constexpr int kLocationCount = 5;
constexpr int kMemoHeightWithFormula = 49;
constexpr int kMemoHeight = 89;

const char *const kHelpText = "Set up the perk, flaw or defect here. The name, value, rating and game effect above "
                              "follow every change. Numbers are taken when you leave their box; the arrows beside a "
                              "box add or take one. OK keeps the changes, Cancel leaves the entry as it was.";

// The options a defect kind offers; option i sets Variant i.
std::vector<QString> DefectOptions(int32_t worthFormula)
{
    switch (worthFormula) {
    case WorthStructuralDefect:
        return {QStringLiteral("-1 maneuvering"), QStringLiteral("-10% to armor, rounding up")};
    case WorthElectronicDefect:
        return {QStringLiteral("-1 targeting"), QStringLiteral("-1 sensors"), QStringLiteral("-1 communications")};
    case WorthMovementDefect:
        return {QStringLiteral("-1 maneuver"), QStringLiteral("-10% speed (min 1 MP)")};
    default:
        return {};
    }
}

bool IsDefectKind(int32_t worthFormula) { return !DefectOptions(worthFormula).empty(); }

QWidget *ChoicePanel(const char *name, const QString &caption, QWidget *control, QWidget *parent)
{
    auto *panel = new QWidget(parent);
    panel->setObjectName(QString::fromLatin1(name));
    auto *layout = new QHBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    if (!caption.isEmpty()) {
        auto *label = new QLabel(caption, panel);
        label->setMinimumWidth(60);
        layout->addWidget(label);
    }
    control->setParent(panel);
    layout->addWidget(control);
    layout->addStretch(1);
    return panel;
}

// The height of a memo that shows two lines whole in its font, whatever the display's scale.
int TwoLineHeight(const QPlainTextEdit &memo)
{
    const int margins = static_cast<int>(std::ceil(2 * memo.document()->documentMargin()));
    return 2 * memo.fontMetrics().lineSpacing() + margins + 2 * memo.frameWidth();
}

QLabel *NamedLabel(const char *name, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText); // names and captions as typed, never markup
    return label;
}

} // namespace

PerkEditorDialog::PerkEditorDialog(const PerkRecord &record, const PerkVehicleData &vehicle, const PerkList &flaws,
                                   QWidget *parent)
    : QDialog(parent), m_record(record), m_vehicle(vehicle), m_flaws(flaws)
{
    setObjectName(QStringLiteral("perkEditorDialog"));
    if (m_record.WorthFormula == WorthCustom || m_record.WorthFormula == WorthAnnoyance)
        m_record.ShowFormula = false;
    BuildControls();
    ArrangeForEntry();
    RestoreWindowPosition(*this, kWindowSlot);
    ShowEntry();
}

bool PerkEditorDialog::EditEntry(PerkRecord &record, const PerkVehicleData &vehicle, const PerkList &flaws,
                                 QWidget *parent)
{
    PerkEditorDialog dialog(record, vehicle, flaws, parent);
    if (Dialogs().RunModal(dialog) != QDialog::Accepted)
        return false;
    record = dialog.Record();
    return true;
}

void PerkEditorDialog::BuildControls()
{
    m_name = NamedLabel("nameLabel", this);
    m_name->setText(QStringLiteral("XXXXXXXXX - Name - XXXXXXXXXXXXXXXX"));
    QFont bold = m_name->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    m_name->setFont(bold);
    m_rating = NamedLabel("ratingLabel", this);
    m_aux = NamedLabel("auxiliaryLabel", this);
    m_aux->setText(QStringLiteral("AUX"));
    m_kind = NamedLabel("kindLabel", this);
    m_worth = NamedLabel("worthLabel", this);
    m_kind->setFont(bold);

    auto *summary = new QHBoxLayout;
    summary->addWidget(new QLabel(QStringLiteral("Rating:"), this));
    summary->addWidget(m_rating);
    summary->addSpacing(12);
    summary->addWidget(m_aux);
    summary->addStretch();
    summary->addWidget(m_kind);
    summary->addSpacing(12);
    summary->addWidget(new QLabel(QStringLiteral("Value:"), this));
    summary->addWidget(m_worth);

    m_effect = new MemoBox(this);
    m_effect->setObjectName(QStringLiteral("effectMemo"));
    m_effect->setTabChangesFocus(true);
    m_effect->installEventFilter(this);
    m_formula = new QPlainTextEdit(this);
    m_formula->setObjectName(QStringLiteral("formulaMemo"));
    m_formula->setReadOnly(true);
    m_formula->setFocusPolicy(Qt::ClickFocus);
    SetBoxColour(m_formula, false);
    m_formula->setFixedHeight(TwoLineHeight(*m_formula));

    auto *left = new QVBoxLayout;
    left->setSpacing(4);
    left->addWidget(m_name);
    left->addLayout(summary);
    left->addWidget(new QLabel(QStringLiteral("Game Effect"), this));
    left->addWidget(m_effect);
    left->addWidget(m_formula);
    left->addWidget(BuildChoicePanels());
    m_custom = new PerkCustomPanel([this](const PerkEdit &edit) { Change(edit); }, this);
    left->addWidget(m_custom);
    left->addStretch();

    auto *body = new QHBoxLayout;
    body->addLayout(left, 1);
    body->addWidget(BuildFlawList());

    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("okButton"));
    auto *cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    auto *help = new QPushButton(QStringLiteral("Help"), this);
    help->setObjectName(QStringLiteral("helpButton"));
    // Return in a number box takes the number; it does not close the dialog. Return on a
    // button with the focus still presses it (see eventFilter).
    for (QPushButton *button : {m_ok, cancel, help}) {
        button->setAutoDefault(false);
        button->installEventFilter(this);
    }
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(cancel);
    buttons->addWidget(help);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addLayout(body, 1);
    layout->addLayout(buttons);

    ConnectGuarded(m_ok, &QPushButton::clicked, this, [this] { AcceptEntry(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    ConnectGuarded(help, &QPushButton::clicked, this,
                   [this] { Dialogs().Inform(this, QString::fromLatin1(kHelpText)); });
}

QWidget *PerkEditorDialog::BuildChoicePanels()
{
    auto *box = new QWidget(this);
    auto *grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(3);

    m_numbers = {
        new PerkNumberPanel(QStringLiteral("ratingPanel"), QStringLiteral("ratingEdit"), QStringLiteral("ratingSpin"),
                            box),
        new PerkNumberPanel(QStringLiteral("xValuePanel"), QStringLiteral("xValueEdit"), QStringLiteral("xValueSpin"),
                            box),
        new PerkNumberPanel(QStringLiteral("yValuePanel"), QStringLiteral("yValueEdit"), QStringLiteral("yValueSpin"),
                            box),
        new PerkNumberPanel(QStringLiteral("zValuePanel"), QStringLiteral("zValueEdit"), QStringLiteral("zValueSpin"),
                            box),
    };
    double PerkRecord::*const fields[] = {&PerkRecord::RatingValue, &PerkRecord::X, &PerkRecord::Y, &PerkRecord::Z};
    for (size_t i = 0; i < m_numbers.size(); ++i) {
        ConnectNumber(m_numbers[i], fields[i]);
        grid->addWidget(m_numbers[i], static_cast<int>(i / 2), static_cast<int>(i % 2));
    }

    m_amount = new PerkNumberPanel(QStringLiteral("pnlAmount"), QStringLiteral("amountEdit"),
                                   QStringLiteral("amountSpin"), box);
    m_amount->SetCaption(QStringLiteral("Amount"));
    ConnectGuarded(m_amount, &PerkNumberPanel::Typed, this, [this](const QString &text) {
        int32_t value = 0;
        if (!perktext::ParseInteger(text, value)) {
            ShowEntry();
            return;
        }
        Change([value](PerkRecord &r) { r.Amount = std::max(value, 0); });
    });
    ConnectGuarded(m_amount, &PerkNumberPanel::Stepped, this, [this](int delta) {
        Change([delta](PerkRecord &r) {
            r.Amount = static_cast<int32_t>(std::clamp<int64_t>(int64_t{r.Amount} + delta, 0, INT32_MAX));
        });
    });
    grid->addWidget(m_amount, 2, 0);

    // A pick list or a check box on a panel of its own, shown only when the entry offers it.
    auto listChoice = [&](const char *comboName, const char *panelName, const QString &caption,
                          std::string (*itemText)(int32_t), int count, int32_t PerkRecord::*field, int row, int column,
                          QWidget *&panel) {
        auto *combo = new QComboBox;
        combo->setObjectName(QString::fromLatin1(comboName));
        for (int item = 0; item < count; ++item)
            combo->addItem(cp1252::ToQt(itemText(item)));
        panel = ChoicePanel(panelName, caption, combo, box);
        grid->addWidget(panel, row, column);
        ConnectGuarded(combo, &QComboBox::activated, this,
                       [this, field](int item) { Change([field, item](PerkRecord &r) { r.*field = item; }); });
        return combo;
    };
    auto flagChoice = [&](const char *checkName, const char *panelName, bool PerkRecord::*field, int column,
                          QWidget *&panel) {
        auto *check = new QCheckBox;
        check->setObjectName(QString::fromLatin1(checkName));
        panel = ChoicePanel(panelName, QString(), check, box);
        grid->addWidget(panel, 4, column);
        ConnectGuarded(check, &QCheckBox::clicked, this, [this, field](bool checked) {
            Change([field, checked](PerkRecord &r) { r.*field = checked; });
        });
        return check;
    };
    m_arc = listChoice("arcBox", "pnlArc", QStringLiteral("Arc"), PerkArcCode, kArcCount, &PerkRecord::Arc, 2, 1,
                       m_arcPanel);
    m_location = listChoice("locationBox", "pnlLocation", QStringLiteral("Location"), PerkLocationName, kLocationCount,
                            &PerkRecord::Location, 3, 0, m_locationPanel);
    m_outside = flagChoice("outsideOtvBox", "outsideOTV", &PerkRecord::OutsideOTV, 0, m_outsidePanel);
    m_inside = flagChoice("insideOtvBox", "InsideOTV", &PerkRecord::InsideOTV, 1, m_insidePanel);

    m_options = new QGroupBox(box);
    m_options->setObjectName(QStringLiteral("optionsGroup"));
    m_optionLayout = new QVBoxLayout(m_options);
    m_optionGroup = new QButtonGroup(m_options);
    grid->addWidget(m_options, 5, 0, 1, 2);
    ConnectGuarded(m_optionGroup, &QButtonGroup::idClicked, this, [this](int id) {
        const std::vector<QString> options = DefectOptions(m_record.WorthFormula);
        if (id < 0 || id >= static_cast<int>(options.size()))
            return;
        const std::string text = cp1252::FromQt(options[static_cast<size_t>(id)]);
        Change([id, text](PerkRecord &r) {
            r.Variant = id;
            r.EffectText = text;
        });
    });
    return box;
}

QWidget *PerkEditorDialog::BuildFlawList()
{
    m_flawPanel = new QWidget(this);
    m_flawPanel->setFixedWidth(FlawListWidth - NormalWidth - 6);
    m_flawHeading = NamedLabel("flawHeading", m_flawPanel);
    m_flawHeading->setWordWrap(true);
    m_flawList = new QListWidget(m_flawPanel);
    m_flawList->setObjectName(QStringLiteral("flawList"));
    for (int i = 0; i < m_flaws.Count(); ++i)
        m_flawList->addItem(cp1252::ToQt(DisplayName(m_flaws.Get(i))));
    auto *layout = new QVBoxLayout(m_flawPanel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_flawHeading);
    layout->addWidget(m_flawList, 1);
    // A choice is a selection: the list makes its first row current, unselected, when Tab
    // reaches it, which chooses nothing.
    ConnectGuarded(m_flawList, &QListWidget::itemSelectionChanged, this, [this] {
        const QList<QListWidgetItem *> chosen = m_flawList->selectedItems();
        if (!m_showing && !chosen.isEmpty())
            FlawChosen(m_flawList->row(chosen.first()));
    });
    return m_flawPanel;
}

void PerkEditorDialog::ConnectNumber(PerkNumberPanel *panel, double PerkRecord::*field)
{
    ConnectGuarded(panel, &PerkNumberPanel::Typed, this, [this, field](const QString &text) {
        double value = 0;
        if (!ParseTypedReal(text, value)) {
            ShowEntry();
            return;
        }
        Change([field, value](PerkRecord &r) { r.*field = std::max(value, 0.0); });
    });
    ConnectGuarded(panel, &PerkNumberPanel::Stepped, this, [this, field](int delta) {
        Change([field, delta](PerkRecord &r) { r.*field = std::max(r.*field + delta, 0.0); });
    });
}

void PerkEditorDialog::ArrangeForEntry()
{
    const int32_t formula = m_record.WorthFormula;
    const bool custom = formula == WorthCustom;
    const bool defectKind = IsDefectKind(formula);
    const bool adopts = AdoptsFlaw(m_record);
    const bool byFlags = !custom && !defectKind;

    m_custom->setVisible(custom);
    m_options->setVisible(defectKind);
    if (defectKind)
        FillOptions();
    m_flawPanel->setVisible(adopts);
    m_flawHeading->setText(formula == WorthMajorFlawDefect ? QStringLiteral("A Flaw worth -2 or worse")
                                                           : QStringLiteral("A Flaw"));

    const bool shown[] = {m_record.ShowRating, m_record.ShowX, m_record.ShowY, m_record.ShowZ};
    for (size_t i = 0; i < m_numbers.size(); ++i)
        m_numbers[i]->setVisible(byFlags && shown[i]);
    m_amount->setVisible(custom || (byFlags && m_record.HasAmount));
    m_arcPanel->setVisible(byFlags && m_record.HasArc);
    m_locationPanel->setVisible(byFlags && m_record.HasLocation == 1);
    m_outsidePanel->setVisible(byFlags && m_record.OffersOutside);
    m_insidePanel->setVisible(byFlags && m_record.OffersInside);

    m_formula->setVisible(m_record.ShowFormula);
    m_effect->setFixedHeight(m_record.ShowFormula ? kMemoHeightWithFormula : kMemoHeight);
    const bool editable = custom || formula == WorthAnnoyance || m_record.TextEditable == 1;
    m_effect->setReadOnly(!editable);
    // A read-only memo shows no cursor: Tab passes it by, a click still lets its text be copied.
    m_effect->setFocusPolicy(editable ? Qt::StrongFocus : Qt::ClickFocus);
    m_effect->setFrameShape(editable ? QFrame::StyledPanel : QFrame::NoFrame);
    SetBoxColour(m_effect, editable);

    // The dialog is as wide as its kind asks and as high as what it shows.
    const int width = adopts ? FlawListWidth : NormalWidth;
    setFixedWidth(width);
    // Measured as shown (polished: the style's margins and fonts); never below what the
    // controls ask for, or the last row is cut.
    ensurePolished();
    layout()->activate();
    const int height = layout()->hasHeightForWidth() ? layout()->totalHeightForWidth(width) : 0;
    setFixedHeight(std::max(height, sizeHint().height()));
}

void PerkEditorDialog::FillOptions()
{
    for (QAbstractButton *button : m_optionGroup->buttons()) {
        m_optionGroup->removeButton(button);
        delete button;
    }
    const std::vector<QString> options = DefectOptions(m_record.WorthFormula);
    for (size_t i = 0; i < options.size(); ++i) {
        auto *button = new QRadioButton(options[i], m_options);
        m_optionGroup->addButton(button, static_cast<int>(i));
        m_optionLayout->addWidget(button);
    }
}

void PerkEditorDialog::Change(const PerkEdit &edit)
{
    edit(m_record);
    ShowEntry();
}

void PerkEditorDialog::ShowEntry()
{
    m_showing = true;
    if (m_record.WorthFormula == WorthCustom)
        m_record.ShowRating = m_record.RatingValue != 0;

    const QString name = cp1252::ToQt(DisplayName(m_record));
    setWindowTitle(name);
    m_name->setText(name);
    m_rating->setText(cp1252::ToQt(RatingText(m_record)));
    m_aux->setVisible(m_record.Aux);
    m_kind->setText(m_record.IsFlaw ? QStringLiteral("Flaw") : QStringLiteral("Perk"));
    m_worth->setText(perktext::Real(Worth(m_record, m_vehicle)));

    m_effect->setPlainText(MemoText(EffectTextFor(m_record, m_vehicle)));
    m_formula->setPlainText(QStringLiteral(" Formula\n  ") + cp1252::ToQt(m_record.FormulaText));

    const QString captions[] = {cp1252::ToQt(m_record.RatingLabel), cp1252::ToQt(m_record.XLabel),
                                cp1252::ToQt(m_record.YLabel), cp1252::ToQt(m_record.ZLabel)};
    const double values[] = {m_record.RatingValue, m_record.X, m_record.Y, m_record.Z};
    for (size_t i = 0; i < m_numbers.size(); ++i) {
        m_numbers[i]->SetCaption(captions[i]);
        m_numbers[i]->SetValueText(perktext::Real(values[i]));
    }
    m_amount->SetValueText(perktext::Integer(m_record.Amount));
    m_arc->setCurrentIndex(m_record.Arc >= 0 && m_record.Arc < kArcCount ? m_record.Arc : -1);
    m_location->setCurrentIndex(m_record.Location >= 0 && m_record.Location < kLocationCount ? m_record.Location : -1);
    m_outside->setText(cp1252::ToQt(m_record.OutsideLabel));
    m_outside->setChecked(m_record.OutsideOTV);
    m_inside->setText(cp1252::ToQt(m_record.InsideLabel));
    m_inside->setChecked(m_record.InsideOTV);
    if (QAbstractButton *option = m_optionGroup->button(m_record.Variant))
        option->setChecked(true);
    m_custom->Show(m_record);
    m_flawList->setCurrentRow(AdoptedFlawRow());
    m_ok->setEnabled(EntryAcceptable(m_record, m_vehicle));
    m_showing = false;
}

int PerkEditorDialog::AdoptedFlawRow() const
{
    if (AdoptsFlaw(m_record))
        for (int i = 0; i < m_flaws.Count(); ++i)
            if (m_flaws.Get(i).PFDName == m_record.PFDName)
                return i;
    return -1;
}

void PerkEditorDialog::FlawChosen(int row)
{
    if (row < 0 || row >= m_flaws.Count())
        return;
    m_record = AdoptFlaw(m_record, m_flaws.Get(row));
    ArrangeForEntry();
    ShowEntry();
}

bool PerkEditorDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_effect && event->type() == QEvent::FocusOut)
        TakeEffectText();
    if (auto *button = qobject_cast<QPushButton *>(watched); button && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            button->click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void PerkEditorDialog::TakeEffectText()
{
    // Only typed text is taken: the memo shows the effect with its numbers filled in, and
    // storing that unasked would lose the template's tokens.
    if (m_effect->isReadOnly() || !m_effect->document()->isModified())
        return;
    std::string text = StoredMemoText(m_effect->toPlainText());
    if (text.size() > static_cast<size_t>(PerkRecord::LongTextCapacity))
        text.resize(static_cast<size_t>(PerkRecord::LongTextCapacity));
    Change([text](PerkRecord &r) { r.EffectText = text; });
}

void PerkEditorDialog::AcceptEntry()
{
    TakeEffectText();
    if (!EntryAcceptable(m_record, m_vehicle))
        return;
    accept();
}

void PerkEditorDialog::done(int result)
{
    StoreWindowPosition(*this, kWindowSlot);
    QDialog::done(result);
}

} // namespace aw
