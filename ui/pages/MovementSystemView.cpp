#include "ui/pages/MovementSystemView.h"

#include "base/NumberFormat.h"
#include "engine/MovementList.h"
#include "engine/MovementSpeed.h"
#include "engine/Vehicle.h"
#include "ui/CommandGuard.h"
#include "ui/Cp1252.h"
#include "ui/widgets/BoxColour.h"
#include "ui/widgets/Cp1252Validator.h"
#include "ui/widgets/ExitComboBox.h"
#include "ui/widgets/ExitEdit.h"
#include "ui/widgets/SpinButton.h"
#include "ui/widgets/StartShownEdit.h"
#include "ui/widgets/TypedNumber.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <limits>

namespace aw {

namespace {

const QString kNone = QStringLiteral("<None>");

QString GeneralText(double value) { return cp1252::ToQt(number::General(value)); }

QString IntegerText(int value) { return cp1252::ToQt(number::Integer(value)); }

bool ParseBox(const QLineEdit *box, double &value) { return ParseTypedReal(box->text(), value); }

} // namespace

void MovementSystemView::FillModes(const MovementList &library) const
{
    QStringList names;
    if (WithNone)
        names << kNone;
    for (int i = 0; i < library.Count(); ++i)
        names << cp1252::ToQt(library.ModeName(i));
    QStringList current;
    for (int i = 0; i < Mode->count(); ++i)
        current << Mode->itemText(i);
    if (current == names)
        return;
    const QSignalBlocker blocker(Mode);
    Mode->clear();
    Mode->addItems(names);
}

void MovementSystemView::Show(const MovementList &list, int i, MovementList &library) const
{
    const MovementRecord record = list.Get(i);
    {
        const QSignalBlocker blocker(Mode);
        if (record.CustomMode) {
            if (!Mode->isEditable()) {
                Mode->setEditable(true);
                auto *line = new StartShownEdit(Mode);
                line->setValidator(new Cp1252Validator(line));
                Mode->SetEditLine(line);
                // A typed name is the custom mode's own: completing it may not turn it into
                // the library mode it starts like ("Nav" into Naval).
                Mode->setCompleter(nullptr);
                Mode->setDuplicatesEnabled(true);
            }
            Mode->setCurrentIndex(-1);
            Mode->setEditText(cp1252::ToQt(record.ModeName));
        } else {
            Mode->setEditable(false);
            FillModes(library);
            const QString name = cp1252::ToQt(record.ModeName);
            int found = -1;
            for (int item = WithNone ? 1 : 0; item < Mode->count() && found < 0; ++item) {
                if (Mode->itemText(item) == name)
                    found = item;
            }
            if (found < 0) {
                library.Add(record);
                Mode->addItem(name);
                found = Mode->count() - 1;
            }
            Mode->setCurrentIndex(found);
        }
    }

    Air->setVisible(record.CanFly);
    AirLabel->setVisible(!record.CanFly);
    if (record.CanFly) {
        const QSignalBlocker blocker(Air);
        Air->setChecked(record.Flight);
    } else {
        AirLabel->setEnabled(record.Flight);
    }

    for (ExitEdit *box : {TopKph, TopMp, StallKph, StallMp, Man})
        box->setEnabled(true);
    ManSpin->setEnabled(true);
    TopKph->setText(GeneralText(list.TopSpeed(i)));
    TopMp->setText(IntegerText(list.MP(i)));
    for (QLineEdit *box : {StallKph, StallMp}) {
        box->setReadOnly(!record.HasStall);
        SetBoxColour(box, record.HasStall);
    }
    StallKph->setText(GeneralText(list.StallSpeed(i)));
    StallMp->setText(IntegerText(list.StallMP(i)));
    ComKph->setText(GeneralText(list.CombatSpeed(i)));
    ComMp->setText(IntegerText(list.CombatMP(i)));
    Man->setText(IntegerText(list.Maneuver(i)));
}

void MovementSystemView::Clear() const
{
    {
        const QSignalBlocker blocker(Mode);
        Mode->setEditable(false);
        Mode->setCurrentIndex(-1);
    }
    Air->setVisible(false);
    AirLabel->setVisible(false);
    for (ExitEdit *box : {TopKph, TopMp, StallKph, StallMp, ComKph, ComMp, Man})
        box->clear();
    for (ExitEdit *box : {TopKph, TopMp, StallKph, StallMp, Man})
        box->setEnabled(false);
    ManSpin->setEnabled(false);
    SetBoxColour(StallKph, false);
    SetBoxColour(StallMp, false);
}

bool MovementSystemView::HoldsMode(const MovementRecord &record, int item, const MovementList &library) const
{
    const int libraryMode = LibraryIndex(item);
    return libraryMode >= 0 && libraryMode < library.Count() && record.CustomMode == library.CustomMode(libraryMode) &&
           record.ModeName == library.ModeName(libraryMode);
}

std::string MovementSystemView::TypedModeName() const
{
    return CutToWidth(cp1252::FromQt(Mode->currentText()), MovementRecord::ModeNameCapacity);
}

ExitEdit *MovementSystemView::MakeBox(const QString &name, QWidget *parent, bool readOnly)
{
    auto *box = new ExitEdit(parent);
    box->setObjectName(name);
    box->setMaximumWidth(64);
    if (readOnly) {
        box->setReadOnly(true);
        box->setFocusPolicy(Qt::NoFocus);
        SetBoxColour(box, false);
    }
    return box;
}

void MovementSystemView::ConnectEdits(QWidget *window, std::function<void(const Edit &)> apply) const
{
    auto onExit = [&](ExitEdit *box, Edit edit) {
        ConnectGuarded(box, &ExitEdit::Exited, window, [apply, edit] { apply(edit); });
    };
    onExit(TopKph, [box = TopKph](MovementRecord &record) {
        double value = 0;
        if (ParseBox(box, value))
            record.TopSpeed = CapTopSpeed(value);
    });
    onExit(TopMp, [box = TopMp](MovementRecord &record) {
        double value = 0;
        if (ParseBox(box, value))
            record.TopSpeed = CapTopSpeed(KphFromMP(value, record.Flight));
    });
    onExit(StallKph, [box = StallKph](MovementRecord &record) {
        double value = 0;
        if (ParseBox(box, value))
            record.StallSpeed = value;
    });
    onExit(StallMp, [box = StallMp](MovementRecord &record) {
        double value = 0;
        if (ParseBox(box, value))
            record.StallSpeed = KphFromMP(value, record.Flight);
    });
    onExit(Man, [box = Man](MovementRecord &record) {
        int32_t value = 0;
        if (number::ParseInteger(cp1252::FromQt(box->text().trimmed()), value))
            record.Maneuver = value;
    });
    ManSpin->SetBox(Man);
    ConnectGuarded(ManSpin, &SpinButton::DownClick, window, [apply] {
        apply([](MovementRecord &record) {
            if (record.Maneuver > std::numeric_limits<int32_t>::min())
                --record.Maneuver;
        });
    });
    ConnectGuarded(ManSpin, &SpinButton::UpClick, window, [apply] {
        apply([](MovementRecord &record) { record.Maneuver = std::min(record.Maneuver + 1, 0); });
    });
    ConnectGuarded(Air, &QCheckBox::clicked, window,
                   [apply](bool checked) { apply([checked](MovementRecord &record) { record.Flight = checked; }); });
}

} // namespace aw
