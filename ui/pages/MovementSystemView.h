#pragma once

#include <functional>

class QCheckBox;
class QLabel;
class QString;
class QWidget;
class TExitComboBox;
class TExitEdit;
class TMovementList;
class TSpinButton;
struct TMovementRecord;

// The controls that show one movement system (the Primary and Secondary tabs and the
// movement editor each have a set) and how a system is shown in them.
struct TMovementSystemView {
    TExitComboBox *mode = nullptr;
    bool withNone = false; // the mode list starts with "<None>"
    TExitEdit *topKph = nullptr;
    TExitEdit *topMp = nullptr;
    TExitEdit *stallMp = nullptr;
    TExitEdit *stallKph = nullptr;
    TExitEdit *comMp = nullptr;
    TExitEdit *comKph = nullptr;
    TExitEdit *man = nullptr;
    TSpinButton *manSpin = nullptr;
    QCheckBox *air = nullptr;
    QLabel *airLabel = nullptr;

    // Makes the mode list "<None>" (when withNone) and the library's names, in order,
    // unless it already holds exactly those.
    void FillModes(const TMovementList &library) const;
    // Shows system i of list; a mode name not in the library is added to the library and
    // the mode list, so it can be chosen again.
    void Show(const TMovementList &list, int i, TMovementList &library) const;
    // No system: no mode selected, flight hidden, boxes emptied and disabled.
    void Clear() const;
    // The library mode an item of the mode list stands for (-1 for "<None>").
    int LibraryIndex(int item) const { return withNone ? item - 1 : item; }
    // Whether an item of the mode list stands for the library mode record already has, so
    // choosing it again changes nothing.
    bool HoldsMode(const TMovementRecord &record, int item, const TMovementList &library) const;

    // An edit change to the shown system: applies the edit to the record.
    using TEdit = std::function<void(TMovementRecord &)>;
    // Connects the speed, maneuver and flight controls: each user edit calls apply with
    // what it does to the record (typed speeds capped and converted from MP, the
    // maneuver spin kept at or below 0, unparsable text leaving the record unchanged), as a
    // guarded command whose errors show over window.
    void ConnectEdits(QWidget *window, std::function<void(const TEdit &)> apply) const;

    // A speed or maneuver box of the movement controls.
    static TExitEdit *MakeBox(const QString &name, QWidget *parent, bool readOnly = false);
};
