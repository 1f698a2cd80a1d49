#include "ui/pages/MovementSystemView.h"

#include "base/NumberFormat.h"
#include "engine/MovementList.h"
#include "engine/MovementSpeed.h"
#include "ui/CommandGuard.h"
#include "ui/Cp1252.h"
#include "ui/widgets/BoxColour.h"
#include "ui/widgets/Cp1252Validator.h"
#include "ui/widgets/ExitComboBox.h"
#include "ui/widgets/ExitEdit.h"
#include "ui/widgets/SpinButton.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <limits>

namespace aw {

namespace {

const QString kNone = QStringLiteral("<None>");

QString general(double value) { return cp1252::ToQt(number::General(value)); }

QString integer(int value) { return cp1252::ToQt(number::Integer(value)); }

bool parseReal(const QLineEdit *box, double &value) { return number::ParseReal(cp1252::FromQt(box->text()), value); }

} // namespace

void MovementSystemView::FillModes(const MovementList &library) const
{
    QStringList names;
    if (withNone)
        names << kNone;
    for (int i = 0; i < library.Count(); ++i)
        names << cp1252::ToQt(library.ModeName(i));
    QStringList current;
    for (int i = 0; i < mode->count(); ++i)
        current << mode->itemText(i);
    if (current == names)
        return;
    const QSignalBlocker blocker(mode);
    mode->clear();
    mode->addItems(names);
}

void MovementSystemView::Show(const MovementList &list, int i, MovementList &library) const
{
    const MovementRecord record = list.Get(i);
    {
        const QSignalBlocker blocker(mode);
        if (record.CustomMode) {
            mode->setEditable(true);
            if (!mode->lineEdit()->validator())
                mode->lineEdit()->setValidator(new Cp1252Validator(mode->lineEdit()));
            mode->setCurrentIndex(-1);
            mode->setEditText(cp1252::ToQt(record.ModeName));
        } else {
            mode->setEditable(false);
            FillModes(library);
            const QString name = cp1252::ToQt(record.ModeName);
            int found = -1;
            for (int item = withNone ? 1 : 0; item < mode->count() && found < 0; ++item) {
                if (mode->itemText(item) == name)
                    found = item;
            }
            if (found < 0) {
                library.Add(record);
                mode->addItem(name);
                found = mode->count() - 1;
            }
            mode->setCurrentIndex(found);
        }
    }

    air->setVisible(record.CanFly);
    airLabel->setVisible(!record.CanFly);
    if (record.CanFly) {
        const QSignalBlocker blocker(air);
        air->setChecked(record.Flight);
    } else {
        airLabel->setEnabled(record.Flight);
    }

    for (ExitEdit *box : {topKph, topMp, stallKph, stallMp, man})
        box->setEnabled(true);
    manSpin->setEnabled(true);
    topKph->setText(general(list.TopSpeed(i)));
    topMp->setText(integer(list.MP(i)));
    for (QLineEdit *box : {stallKph, stallMp}) {
        box->setReadOnly(!record.HasStall);
        SetBoxColour(box, record.HasStall);
    }
    stallKph->setText(general(list.StallSpeed(i)));
    stallMp->setText(integer(list.StallMP(i)));
    comKph->setText(general(list.CombatSpeed(i)));
    comMp->setText(integer(list.CombatMP(i)));
    man->setText(integer(list.Maneuver(i)));
}

void MovementSystemView::Clear() const
{
    {
        const QSignalBlocker blocker(mode);
        mode->setEditable(false);
        mode->setCurrentIndex(-1);
    }
    air->setVisible(false);
    airLabel->setVisible(false);
    for (ExitEdit *box : {topKph, topMp, stallKph, stallMp, comKph, comMp, man})
        box->clear();
    for (ExitEdit *box : {topKph, topMp, stallKph, stallMp, man})
        box->setEnabled(false);
    manSpin->setEnabled(false);
    SetBoxColour(stallKph, false);
    SetBoxColour(stallMp, false);
}

bool MovementSystemView::HoldsMode(const MovementRecord &record, int item, const MovementList &library) const
{
    const int libraryMode = LibraryIndex(item);
    return libraryMode >= 0 && libraryMode < library.Count() && record.CustomMode == library.CustomMode(libraryMode) &&
           record.ModeName == library.ModeName(libraryMode);
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
        ConnectGuarded(box, &ExitEdit::exited, window, [apply, edit] { apply(edit); });
    };
    onExit(topKph, [box = topKph](MovementRecord &record) {
        double value = 0;
        if (parseReal(box, value))
            record.TopSpeed = CapTopSpeed(value);
    });
    onExit(topMp, [box = topMp](MovementRecord &record) {
        double value = 0;
        if (parseReal(box, value))
            record.TopSpeed = CapTopSpeed(KphFromMP(value, record.Flight));
    });
    onExit(stallKph, [box = stallKph](MovementRecord &record) {
        double value = 0;
        if (parseReal(box, value))
            record.StallSpeed = value;
    });
    onExit(stallMp, [box = stallMp](MovementRecord &record) {
        double value = 0;
        if (parseReal(box, value))
            record.StallSpeed = KphFromMP(value, record.Flight);
    });
    onExit(man, [box = man](MovementRecord &record) {
        int32_t value = 0;
        if (number::ParseInteger(cp1252::FromQt(box->text()), value))
            record.Maneuver = value;
    });
    manSpin->SetBox(man);
    ConnectGuarded(manSpin, &SpinButton::downClick, window, [apply] {
        apply([](MovementRecord &record) {
            if (record.Maneuver > std::numeric_limits<int32_t>::min())
                --record.Maneuver;
        });
    });
    ConnectGuarded(manSpin, &SpinButton::upClick, window, [apply] {
        apply([](MovementRecord &record) { record.Maneuver = std::min(record.Maneuver + 1, 0); });
    });
    ConnectGuarded(air, &QCheckBox::clicked, window,
                   [apply](bool checked) { apply([checked](MovementRecord &record) { record.Flight = checked; }); });
}

} // namespace aw
