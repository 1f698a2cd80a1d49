// The "Perks, Flaws, and Defects" page: library lists, the design grids with their extra
// rows, Add, Delete, Config, Clear, moving, Custom and the lemon dice roll.
#include "support/EditorDriver.h"
#include "support/EditorFixture.h"
#include "support/PerkTestLibraries.h"

#include "engine/LemonDiceRoll.h"
#include "engine/MovementList.h"
#include "engine/PerkEntry.h"
#include "engine/PerkList.h"
#include "engine/PerkTemplates.h"
#include "engine/ProductionTypes.h"
#include "engine/Vehicle.h"
#include "ui/document/VehicleDocument.h"
#include "ui/pages/LemonDicePanel.h"
#include "ui/pages/PerkTab.h"
#include "ui/pages/PerksPage.h"
#include "ui/widgets/SpinButton.h"
#include "weapons/WeaponList.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

#include <memory>
#include <set>

namespace aw {

class PerksPageTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<PerkTestLibraries> m_libraries;
    EditorFixture m_editor;

    Vehicle &vehicle() { return m_editor.Design(); }
    PerksPage *page() { return static_cast<PerksPage *>(m_editor.Window->PageControl()->widget(2)); }
    QTableWidget *grid(PerkKind kind) { return page()->Tab(kind)->Grid(); }
    template <typename T> T *control(const char *name)
    {
        return m_editor.Window->findChild<T *>(QString::fromLatin1(name));
    }
    void click(const char *name) { QTest::mouseClick(control<QPushButton>(name), Qt::LeftButton); }

    void open(PerkKind kind)
    {
        m_editor.Window->PageControl()->setCurrentIndex(2);
        page()->Tabs()->setCurrentIndex(static_cast<int>(kind));
        page()->ShowPFDGrid();
    }

    QStringList row(PerkKind kind, int r)
    {
        QStringList cells;
        for (int c = 0; c < PerkTab::ColumnCount; ++c)
            cells << grid(kind)->item(r, c)->text();
        return cells;
    }

    QStringList names(const PerkList &list)
    {
        QStringList result;
        for (int i = 0; i < list.Count(); ++i)
            result << QString::fromStdString(list.Get(i).PFDName);
        return result;
    }

    void addPerks(std::initializer_list<int> indexes)
    {
        for (int i : indexes)
            vehicle().Perks->Add(PerkTestLibraries::Perk(i));
    }

    void addSniperWeapon()
    {
        WeaponRecord laser = DefaultWeaponRecord();
        laser.Name = "Laser";
        laser.Code = "LC";
        laser.SniperSystem = true;
        vehicle().Weapons->AddRecord(laser);
    }

    // A double-click on a view's item as a person makes it: a click, then the second press.
    static void doubleClick(QAbstractItemView *view, const QModelIndex &index)
    {
        QTRY_VERIFY(!view->visualRect(index).isEmpty()); // the view lays its items out after showing
        const QPoint centre = view->visualRect(index).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, centre);
    }

    void useCustomModelDice(int dice)
    {
        vehicle().ProductionType = CustomProductionType;
        vehicle().CustomProduction.CustomModelDice = dice;
    }

private slots:
    void init()
    {
        m_libraries = std::make_unique<PerkTestLibraries>();
        QVERIFY(m_editor.Start());
    }

    void cleanup()
    {
        m_editor.Stop();
        m_libraries.reset();
    }

    void emptyGridShowsDashesAndDisablesItsCommands()
    {
        open(PerkKind::Defect);
        QCOMPARE(control<QListWidget>("lbDefects")->count(), 6);
        QCOMPARE(control<QListWidget>("lbDefects")->currentRow(), 0);
        QCOMPARE(grid(PerkKind::Defect)->rowCount(), 1);
        QCOMPARE(row(PerkKind::Defect, 0), QStringList({"-", "-", "-", "-"}));
        for (const char *name : {"defectGrid", "deleteDefectButton", "configureDefectButton", "moveDefectSpin"})
            QVERIFY2(!control<QWidget>(name)->isEnabled(), name);
    }

    void gridRowsShowNameRatingEffectAndAux()
    {
        PerkRecord seats = PerkTestLibraries::Perk(2);
        seats.Amount = 2;
        seats.Aux = true;
        vehicle().Perks->Add(seats);
        open(PerkKind::Perk);
        QCOMPARE(row(PerkKind::Perk, 0), QStringList({"Passenger Seating x2", "4", "Seats 4", "AUX"}));
        QVERIFY(grid(PerkKind::Perk)->isEnabled());
    }

    void weaponPerkTakesTheFirstRowOfAnEmptyPerksGrid()
    {
        addSniperWeapon();
        open(PerkKind::Perk);
        QTableWidget *perks = grid(PerkKind::Perk);
        QCOMPARE(perks->rowCount(), 1);
        QCOMPARE(perks->item(0, 0)->text(), QStringLiteral("Sniper System"));
        QVERIFY(perks->item(0, 2)->text().endsWith(QStringLiteral("LC")));
        QCOMPARE(perks->item(0, 3)->text(), QStringLiteral("AUX"));
        QVERIFY(!perks->isEnabled());
        QVERIFY(!control<QPushButton>("configurePerkButton")->isEnabled());

        // With an entry, the weapon perk row follows it.
        addPerks({0});
        page()->ShowPFDGrid();
        QCOMPARE(perks->rowCount(), 2);
        QCOMPARE(perks->item(0, 0)->text(), QStringLiteral("Ablative Armor"));
        QCOMPARE(perks->item(1, 0)->text(), QStringLiteral("Sniper System"));
        QVERIFY(perks->isEnabled());
    }

    void negativeManeuverShowsAManeuverFlawRow()
    {
        MovementRecord hover = m_editor.Data->library.Get(3);
        hover.Maneuver = -2;
        vehicle().Movement->Add(hover);
        open(PerkKind::Flaw);
        QCOMPARE(grid(PerkKind::Flaw)->rowCount(), 1);
        QCOMPARE(row(PerkKind::Flaw, 0), QStringList({"Man. Flaw", "-2", "Hover reduced in maneuver.", ""}));
        QVERIFY(!grid(PerkKind::Flaw)->isEnabled());

        vehicle().Flaws->Add(PerkTestLibraries::Flaw(2));
        page()->ShowPFDGrid();
        QCOMPARE(grid(PerkKind::Flaw)->rowCount(), 2);
        QCOMPARE(row(PerkKind::Flaw, 0)[0], QStringLiteral("Brittle Armor"));
        QCOMPARE(row(PerkKind::Flaw, 1)[0], QStringLiteral("Man. Flaw"));
    }

    void addCopiesTheSelectedLibraryEntryAndAlwaysMarksModified()
    {
        open(PerkKind::Flaw);
        control<QListWidget>("lbFlaws")->setCurrentRow(1);
        click("addFlawButton");
        QCOMPARE(vehicle().Flaws->Count(), 1);
        QCOMPARE(vehicle().Flaws->Get(0), PerkTestLibraries::Flaw(1));
        QVERIFY(vehicle().Modified);
        QCOMPARE(row(PerkKind::Flaw, 0)[0], QStringLiteral("Weak Point"));

        vehicle().Modified = false;
        control<QListWidget>("lbFlaws")->setCurrentRow(-1);
        click("addFlawButton");
        QCOMPARE(vehicle().Flaws->Count(), 1);
        QVERIFY(vehicle().Modified);

        QListWidget *library = control<QListWidget>("lbFlaws");
        doubleClick(library, library->model()->index(2, 0));
        QCOMPARE(names(*vehicle().Flaws), QStringList({"Weak Point", "Brittle Armor"}));
        // Return adds the selected entry as a double-click does.
        library->setCurrentRow(1);
        QTest::keyClick(library, Qt::Key_Return);
        QTest::keyClick(library, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(names(*vehicle().Flaws), QStringList({"Weak Point", "Brittle Armor", "Weak Point", "Weak Point"}));
    }

    void deleteRemovesTheSelectedEntryOnly()
    {
        addPerks({0, 1, 2});
        open(PerkKind::Perk);
        grid(PerkKind::Perk)->setCurrentCell(1, 0);
        click("deletePerkButton");
        QCOMPARE(names(*vehicle().Perks), QStringList({"Ablative Armor", "Passenger Seating"}));
        QVERIFY(vehicle().Modified);

        grid(PerkKind::Perk)->setCurrentCell(0, 0);
        QTest::keyClick(grid(PerkKind::Perk), Qt::Key_Delete);
        QCOMPARE(names(*vehicle().Perks), QStringList({"Passenger Seating"}));
    }

    void extraRowsCannotBeDeleted()
    {
        addSniperWeapon();
        addPerks({0});
        open(PerkKind::Perk);
        grid(PerkKind::Perk)->setCurrentCell(1, 0); // the weapon perk row
        vehicle().Modified = false;
        click("deletePerkButton");
        QCOMPARE(vehicle().Perks->Count(), 1);
        QCOMPARE(grid(PerkKind::Perk)->rowCount(), 2);
        QVERIFY(vehicle().Modified);
    }

    void configStoresTheEditedEntry()
    {
        vehicle().Flaws->Add(PerkTestLibraries::Flaw(3));
        vehicle().Flaws->Add(PerkTestLibraries::Flaw(2));
        open(PerkKind::Flaw);
        grid(PerkKind::Flaw)->setCurrentCell(0, 0);
        m_editor.Dialogs->modal = [](QDialog &dialog) {
            driver::Enter(dialog.findChild<QLineEdit *>(QStringLiteral("ratingEdit")), QStringLiteral("2"));
            dialog.findChild<QPushButton *>(QStringLiteral("okButton"))->click();
            return dialog.result();
        };
        click("configureFlawButton");
        QCOMPARE(m_editor.Dialogs->modalDialogs, 1);
        QCOMPARE(vehicle().Flaws->Get(0).RatingValue, 2.0);
        QCOMPARE(vehicle().Flaws->Get(1), PerkTestLibraries::Flaw(2));
        QCOMPARE(row(PerkKind::Flaw, 0)[1], QStringLiteral("2"));
        QVERIFY(vehicle().Modified);
    }

    void tabLeavesEveryGridOfTheWindow()
    {
        addPerks({1, 2});
        open(PerkKind::Perk);
        m_editor.Window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_editor.Window.get()));
        QTableWidget *perks = grid(PerkKind::Perk);
        perks->setFocus(Qt::TabFocusReason);
        perks->setCurrentCell(0, 0);
        QTest::keyClick(perks, Qt::Key_Tab);
        QVERIFY(QApplication::focusWidget() != perks);
        QCOMPARE(perks->currentRow(), 0);
        // the weapon grid and the weapon library grids alike
        for (const QTableView *view : m_editor.Window->findChildren<QTableView *>())
            QVERIFY2(!view->tabKeyNavigation(), qPrintable(view->objectName()));
    }

    void enterAndDoubleClickOpenTheEditorButNotOnExtraRows()
    {
        addSniperWeapon();
        open(PerkKind::Perk);
        QTest::keyClick(grid(PerkKind::Perk), Qt::Key_Return); // disabled grid: only the extra row
        click("configurePerkButton");
        QCOMPARE(m_editor.Dialogs->modalDialogs, 0);

        addPerks({1});
        page()->ShowPFDGrid();
        grid(PerkKind::Perk)->setCurrentCell(0, 0);
        QTest::keyClick(grid(PerkKind::Perk), Qt::Key_Return);
        QCOMPARE(m_editor.Dialogs->modalDialogs, 1);
        // The release of the Return that closed the editor does not open it again, nor do
        // the repeats of a held key.
        QTest::keyRelease(grid(PerkKind::Perk), Qt::Key_Return);
        QTest::keyPress(grid(PerkKind::Perk), Qt::Key_Return);
        QKeyEvent repeat(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(grid(PerkKind::Perk), &repeat);
        QCOMPARE(m_editor.Dialogs->modalDialogs, 1);
        QTest::keyRelease(grid(PerkKind::Perk), Qt::Key_Return);
        QCOMPARE(m_editor.Dialogs->modalDialogs, 2);
        QTableWidget *perks = grid(PerkKind::Perk);
        doubleClick(perks, perks->model()->index(0, 0));
        QCOMPARE(m_editor.Dialogs->modalDialogs, 3);
        perks->setCurrentCell(1, 0);
        click("configurePerkButton");
        QCOMPARE(m_editor.Dialogs->modalDialogs, 3);
    }

    void clearAsksAndKeepsTheFlawsOnCancel()
    {
        vehicle().Flaws->Add(PerkTestLibraries::Flaw(0));
        vehicle().Flaws->Add(PerkTestLibraries::Flaw(1));
        open(PerkKind::Flaw);
        m_editor.Dialogs->answers = {DialogAnswer::Cancel};
        click("clearFlawsButton");
        QCOMPARE(m_editor.Dialogs->questions, QStringList({"Clear all flaws from the vehicle?"}));
        QCOMPARE(vehicle().Flaws->Count(), 2);
        QVERIFY(vehicle().Modified);

        m_editor.Dialogs->answers = {DialogAnswer::Ok};
        click("clearFlawsButton");
        QCOMPARE(vehicle().Flaws->Count(), 0);
        QVERIFY(!grid(PerkKind::Flaw)->isEnabled());
    }

    void clearOnAnEmptyListAsksNothingButMarksModified()
    {
        open(PerkKind::Perk);
        click("clearPerksButton");
        QVERIFY(m_editor.Dialogs->questions.isEmpty());
        QVERIFY(vehicle().Modified);
        open(PerkKind::Defect);
        vehicle().Defects->Add(DefectTemplates()[0]);
        page()->ShowPFDGrid();
        m_editor.Dialogs->answers = {DialogAnswer::Ok};
        click("clearDefectsButton");
        QCOMPARE(m_editor.Dialogs->questions, QStringList({"Clear all defects from the vehicle?"}));
        QCOMPARE(vehicle().Defects->Count(), 0);
    }

    void movingFirstUpOrLastDownDoesNothing()
    {
        addPerks({0, 1, 2});
        open(PerkKind::Perk);
        SpinButton *move = control<SpinButton>("movePerkSpin");
        grid(PerkKind::Perk)->setCurrentCell(0, 0);
        QTest::mouseClick(move->UpButton(), Qt::LeftButton);
        grid(PerkKind::Perk)->setCurrentCell(2, 0);
        QTest::mouseClick(move->DownButton(), Qt::LeftButton);
        QCOMPARE(names(*vehicle().Perks), QStringList({"Ablative Armor", "Battle Arm", "Passenger Seating"}));
        QCOMPARE(grid(PerkKind::Perk)->currentRow(), 2);
        QVERIFY(!vehicle().Modified);
    }

    void movingSwapsEntriesAndTheSelectionFollows()
    {
        addPerks({0, 1, 2});
        open(PerkKind::Perk);
        SpinButton *move = control<SpinButton>("movePerkSpin");
        grid(PerkKind::Perk)->setCurrentCell(1, 0);
        QTest::mouseClick(move->UpButton(), Qt::LeftButton);
        QCOMPARE(names(*vehicle().Perks), QStringList({"Battle Arm", "Ablative Armor", "Passenger Seating"}));
        QCOMPARE(grid(PerkKind::Perk)->currentRow(), 0);
        QCOMPARE(row(PerkKind::Perk, 0)[0], QStringLiteral("Battle Arm"));
        QVERIFY(vehicle().Modified);
        QTest::mouseClick(move->DownButton(), Qt::LeftButton);
        QCOMPARE(names(*vehicle().Perks), QStringList({"Ablative Armor", "Battle Arm", "Passenger Seating"}));
        QCOMPARE(grid(PerkKind::Perk)->currentRow(), 1);
    }

    void movingOntoAnExtraRowMovesOnlyTheSelection()
    {
        addSniperWeapon();
        addPerks({0, 1});
        open(PerkKind::Perk);
        SpinButton *move = control<SpinButton>("movePerkSpin");
        grid(PerkKind::Perk)->setCurrentCell(1, 0);
        QTest::mouseClick(move->DownButton(), Qt::LeftButton);
        QCOMPARE(names(*vehicle().Perks), QStringList({"Ablative Armor", "Battle Arm"}));
        QCOMPARE(grid(PerkKind::Perk)->currentRow(), 2);
        QVERIFY(vehicle().Modified);
        QTest::mouseClick(move->UpButton(), Qt::LeftButton);
        QCOMPARE(names(*vehicle().Perks), QStringList({"Ablative Armor", "Battle Arm"}));
        QCOMPARE(grid(PerkKind::Perk)->currentRow(), 1);
    }

    void customAppendsAnUnconfiguredEntryWithoutMarkingModified()
    {
        open(PerkKind::Flaw);
        click("btnFc");
        QCOMPARE(vehicle().Flaws->Count(), 1);
        const PerkRecord custom = vehicle().Flaws->Get(0);
        QCOMPARE(custom, CustomEntryTemplate(PerkKind::Flaw));
        QCOMPARE(row(PerkKind::Flaw, 0)[0], QStringLiteral("Custom Flaw.c"));
        QCOMPARE(row(PerkKind::Flaw, 0)[2], QStringLiteral("Please Edit..."));
        QVERIFY(!vehicle().Modified);
    }

    void rollingNoDiceEmptiesTheRollListAndAddsNothing()
    {
        useCustomModelDice(3);
        open(PerkKind::Defect);
        QCOMPARE(control<QLabel>("lModelDice")->text(), QStringLiteral("3"));
        page()->LemonDice()->SetGeneratorSource([] { return std::mt19937(5); });
        click("rollDiceButton");
        QCOMPARE(control<QListWidget>("RollList")->count(), 3);

        useCustomModelDice(0);
        vehicle().Defects->Clear();
        vehicle().Modified = false;
        page()->ShowPFDGrid();
        QCOMPARE(control<QLabel>("lModelDice")->text(), QStringLiteral("0"));
        click("rollDiceButton");
        QCOMPARE(control<QListWidget>("RollList")->count(), 0);
        QCOMPARE(vehicle().Defects->Count(), 0);
        QVERIFY(vehicle().Modified);

        // Another design does not show this one's roll.
        useCustomModelDice(3);
        click("rollDiceButton");
        QCOMPARE(control<QListWidget>("RollList")->count(), 3);
        m_editor.Window->Document().NewDesign();
        QCOMPARE(control<QListWidget>("RollList")->count(), 0);
    }

    void everySixRolledAddsOneOfTheFixedDefects()
    {
        useCustomModelDice(12);
        open(PerkKind::Defect);
        std::set<std::string> fixed;
        for (const PerkRecord &defect : DefectTemplates())
            fixed.insert(defect.PFDName);
        int sixes = 0;
        for (unsigned seed = 1; seed <= 20; ++seed) {
            vehicle().Defects->Clear();
            page()->LemonDice()->SetGeneratorSource([seed] { return std::mt19937(seed); });
            click("rollDiceButton");
            QListWidget *rolls = control<QListWidget>("RollList");
            QCOMPARE(rolls->count(), 12);
            int rolledSixes = 0;
            for (int i = 0; i < rolls->count(); ++i) {
                const int value = rolls->item(i)->text().toInt();
                QVERIFY(value >= 1 && value <= 6);
                rolledSixes += value == 6 ? 1 : 0;
            }
            QCOMPARE(vehicle().Defects->Count(), rolledSixes);
            for (int i = 0; i < vehicle().Defects->Count(); ++i)
                QVERIFY(fixed.count(vehicle().Defects->Get(i).PFDName) == 1);
            QCOMPARE(grid(PerkKind::Defect)->isEnabled(), rolledSixes > 0);
            sixes += rolledSixes;
        }
        QVERIFY(sixes > 0);
    }

    void tooManyLemonDiceAreRefused()
    {
        useCustomModelDice(kMostLemonDice + 1);
        open(PerkKind::Defect);
        click("rollDiceButton");
        QCOMPARE(m_editor.Dialogs->errors.size(), 1);
        QCOMPARE(control<QListWidget>("RollList")->count(), 0);
        QCOMPARE(vehicle().Defects->Count(), 0);
    }

    void gridWidthsAreRememberedLayoutValues()
    {
        LayoutValues values;
        values.fill(-1);
        values[2] = 150;  // perkGrid column 0
        values[8] = 61;   // perkGrid column 2
        values[14] = 300; // perkGrid width
        values[16] = 260; // defectGrid width, on a tab not shown yet
        m_editor.Window->ApplyLayoutValues(values);
        open(PerkKind::Perk);
        QTRY_COMPARE(m_editor.Window->CurrentLayoutValues()[14], 300);
        const LayoutValues shown = m_editor.Window->CurrentLayoutValues();
        QCOMPARE(shown[2], 150);
        QCOMPARE(shown[8], 61);
        QCOMPARE(shown[14], 300);
        QCOMPARE(shown[16], 260);
        open(PerkKind::Defect);
        QTRY_COMPARE(grid(PerkKind::Defect)->width(), 260);
        QCOMPARE(m_editor.Window->CurrentLayoutValues()[16], 260);
    }
};

} // namespace aw

QTEST_MAIN(aw::PerksPageTest)
#include "tst_perkspage.moc"
