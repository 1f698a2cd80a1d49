#pragma once

#include <functional>
#include <string>

class QCheckBox;
class QLabel;
class QString;
class QWidget;
namespace aw {

class ExitComboBox;
class ExitEdit;
class MovementList;
class SpinButton;
struct MovementRecord;

// The controls that show one movement system (the Primary and Secondary tabs and the
// movement editor each have a set) and how a system is shown in them.
struct MovementSystemView {
    ExitComboBox *Mode = nullptr;
    bool WithNone = false; // the mode list starts with "<None>"
    ExitEdit *TopKph = nullptr;
    ExitEdit *TopMp = nullptr;
    ExitEdit *StallMp = nullptr;
    ExitEdit *StallKph = nullptr;
    ExitEdit *ComMp = nullptr;
    ExitEdit *ComKph = nullptr;
    ExitEdit *Man = nullptr;
    SpinButton *ManSpin = nullptr;
    QCheckBox *Air = nullptr;
    QLabel *AirLabel = nullptr;

    // Makes the mode list "<None>" (when withNone) and the library's names, in order,
    // unless it already holds exactly those.
    void FillModes(const MovementList &library) const;
    // Shows system i of list; a mode name not in the library is added to the library and
    // the mode list, so it can be chosen again.
    void Show(const MovementList &list, int i, MovementList &library) const;
    // No system: no mode selected, flight hidden, boxes emptied and disabled.
    void Clear() const;
    // The library mode an item of the mode list stands for (-1 for "<None>").
    int LibraryIndex(int item) const { return WithNone ? item - 1 : item; }
    // Whether an item of the mode list stands for the library mode record already has, so
    // choosing it again changes nothing.
    bool HoldsMode(const MovementRecord &record, int item, const MovementList &library) const;
    // The name typed into the mode box of a custom mode, cut to what a record holds.
    std::string TypedModeName() const;

    // An edit change to the shown system: applies the edit to the record.
    using Edit = std::function<void(MovementRecord &)>;
    // Connects the speed, maneuver and flight controls: each user edit calls apply with
    // what it does to the record (typed speeds capped and converted from MP, the
    // maneuver spin kept at or below 0, unparsable text leaving the record unchanged), as a
    // guarded command whose errors show over window.
    void ConnectEdits(QWidget *window, std::function<void(const Edit &)> apply) const;

    // A speed or maneuver box of the movement controls.
    static ExitEdit *MakeBox(const QString &name, QWidget *parent, bool readOnly = false);
};

} // namespace aw
