// The Weapons page: the weapon grid's rows, its buttons and cell edits, weapon links,
// the library tabs with sorting and the custom weapons.
#include "support/EditorDriver.h"
#include "support/MemoryProgramData.h"
#include "support/ScriptedDialogs.h"
#include "tests/support/SampleRecords.h"

#include "base/Files.h"
#include "engine/PerkList.h"
#include "engine/Vehicle.h"
#include "storage/CustomWeaponFile.h"
#include "storage/Libraries.h"
#include "ui/MainWindow.h"
#include "ui/dialogs/CustomWeaponDialog.h"
#include "ui/dialogs/WeaponModifyDialog.h"
#include "ui/document/VehicleDocument.h"
#include "ui/pages/WeaponGridModel.h"
#include "ui/pages/WeaponGridRows.h"
#include "ui/pages/WeaponLibraries.h"
#include "ui/pages/WeaponsPage.h"
#include "ui/widgets/SpinButton.h"
#include "weapons/WeaponList.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <memory>

namespace aw {

namespace {

// A cannon with a rate of fire, ten rounds of base ammunition and Anti-Laser allowed.
WeaponRecord Cannon(const char *code, int32_t rating)
{
    WeaponRecord r = DefaultWeaponRecord();
    r.Name = std::string("Cannon ") + code;
    r.Code = code;
    r.Rating = rating;
    r.BaseRange = 2;
    r.Damage = 5;
    r.ROF = 2;
    r.MinSize = 3;
    r.AmmoBaseCost = 1.0;
    r.BaseAmmo.Amount = 10;
    r.BaseAmmo.Allowed[0] = true;
    return r;
}

// A perk that adds to the offensive value.
PerkRecord OffensivePerk()
{
    PerkRecord perk;
    perk.PFDName = "Gunnery Computer";
    perk.InsideOTV = true;
    perk.Amount = 1;
    return perk;
}

namespace col = weapongrid;

// A row's item as its kind letter and its own index: "W0" for weapon 0, "C1" for clip 1,
// "A0" for section 0, "F2" for flaw 2.
QString RowId(const WeaponGridItem &item)
{
    switch (item.Kind) {
    case WeaponGridRowKind::Weapon:
        return QStringLiteral("W%1").arg(item.Weapon);
    case WeaponGridRowKind::Clip:
        return QStringLiteral("C%1").arg(item.Clip);
    case WeaponGridRowKind::Ammunition:
        return QStringLiteral("A%1").arg(item.Section);
    case WeaponGridRowKind::OffensiveEntry:
        return QLatin1Char("PFD"[static_cast<int>(item.EntryKind)]) + QString::number(item.Entry);
    case WeaponGridRowKind::None:
        break;
    }
    return QStringLiteral("-");
}

} // namespace

class WeaponsPageTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<MemoryProgramData> m_data;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<MemoryWeaponLibraries> m_libraries;
    std::unique_ptr<MainWindow> m_window;

    Vehicle &vehicle() { return m_window->Document().Design(); }
    WeaponList &weapons() { return *vehicle().Weapons; }
    WeaponsPage *page() { return m_window->findChild<WeaponsPage *>(); }
    QTabWidget *libraryTabs() { return page()->findChild<QTabWidget *>(QStringLiteral("weaponLibraryTabs")); }
    QTableView *grid() { return page()->findChild<QTableView *>(QStringLiteral("weaponGrid")); }
    QModelIndex at(int row, int c) { return grid()->model()->index(row, c); }
    QTableWidget *library(int type) { return page()->findChild<QTableWidget *>(QStringLiteral("sg%1").arg(type)); }
    QAbstractButton *button(const char *name)
    {
        return page()->findChild<QAbstractButton *>(QString::fromLatin1(name));
    }
    SpinButton *moveButtons() { return page()->findChild<SpinButton *>(QStringLiteral("moveWeaponButtons")); }
    QString label(const char *name) { return m_window->findChild<QLabel *>(QString::fromLatin1(name))->text(); }
    QString cell(int row, int c) { return at(row, c).data().toString(); }
    bool editable(int row, int c) { return at(row, c).flags() & Qt::ItemIsEditable; }

    QStringList rowIds()
    {
        QStringList ids;
        for (int row = 0; row < grid()->model()->rowCount(); ++row)
            ids << RowId(at(row, 0).data(WeaponGridModel::ItemRole).value<WeaponGridItem>());
        return ids;
    }

    void click(const char *name) { QTest::mouseClick(button(name), Qt::LeftButton); }

    // The user puts the cursor on a cell with the keyboard (as a selection of that cell).
    void select(int row, int c) { grid()->setCurrentIndex(at(row, c)); }

    void clickCell(int row, int c)
    {
        const QRect rect = grid()->visualRect(at(row, c));
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, rect.center());
    }

    // Types text into a cell and presses Return, as a user does.
    void typeInCell(int row, int c, const QString &text)
    {
        QTableView *g = grid();
        g->setFocus();
        select(row, c);
        QTest::keyClick(g, Qt::Key_F2);
        QPointer<QLineEdit> editor = g->viewport()->findChild<QLineEdit *>();
        QVERIFY2(editor, "the cell opens no editor");
        editor->selectAll();
        driver::KeyIn(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
        // The view commits and closes its editor from the event loop (and then deletes it).
        QTRY_VERIFY(!editor || !editor->isVisible());
    }

    // Mounts library entry row of the Cannons tab with the "Add" button.
    void addFromLibrary(int row)
    {
        libraryTabs()->setCurrentIndex(0);
        library(0)->setCurrentCell(row, 0);
        click("addWeaponButton");
    }

    bool weaponButtonsEnabled()
    {
        bool all = true;
        bool none = true;
        for (const char *name : {"addLinkButton", "deleteLinkButton", "addClipButton", "addAmmoButton",
                                 "modifyWeaponButton", "deleteWeaponButton", "clearWeaponsButton"}) {
            all = all && button(name)->isEnabled();
            none = none && !button(name)->isEnabled();
        }
        const bool move = moveButtons()->isEnabled();
        all = all && move && grid()->isEnabled();
        none = none && !move && !grid()->isEnabled();
        if (all == none)
            qWarning("the weapon buttons are partly enabled");
        return all;
    }

private slots:
    void init()
    {
        m_data = std::make_unique<MemoryProgramData>();
        m_dialogs = std::make_unique<ScriptedDialogs>();
        m_libraries = std::make_unique<MemoryWeaponLibraries>();
        m_libraries->WeaponLibrary(0).Add(Cannon("LC", 100));
        m_libraries->WeaponLibrary(0).Add(Cannon("HC", 300));
        m_libraries->WeaponLibrary(0).Add(Cannon("MC", 200));
        SetWeaponLibraries(m_libraries.get());
        m_window = std::make_unique<MainWindow>();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        m_window->PageControl()->setCurrentIndex(1);
        QVERIFY(page());
    }

    void cleanup()
    {
        vehicle().Modified = false; // close without a question
        m_window.reset();
        SetWeaponLibraries(nullptr);
        m_libraries.reset();
        m_dialogs.reset();
        m_data.reset();
    }

    void buttonsFollowTheGridContents()
    {
        QVERIFY(!weaponButtonsEnabled());
        QCOMPARE(grid()->model()->rowCount(), 1);

        addFromLibrary(0);
        QVERIFY(weaponButtonsEnabled());
        QVERIFY(vehicle().Modified);
        QCOMPARE(weapons().Count(), 1);
        QCOMPARE(weapons().Get(0).Data.Code, std::string("LC"));

        vehicle().Modified = false;
        click("deleteWeaponButton");
        QCOMPARE(weapons().Count(), 0);
        QVERIFY(vehicle().Modified);
        QVERIFY(!weaponButtonsEnabled());
        QCOMPARE(cell(0, col::Description), QString());

        // An offensive perk keeps the grid in use without weapons; commands on it do nothing.
        vehicle().Perks->Add(OffensivePerk());
        page()->ShowVehicleWeapons();
        QVERIFY(weaponButtonsEnabled());
        QCOMPARE(rowIds(), (QStringList{"P0"}));
        QCOMPARE(cell(0, col::Code), QStringLiteral("PERK"));
        QCOMPARE(cell(0, col::Description), QStringLiteral("Gunnery Computer"));
        select(0, col::Items);
        vehicle().Modified = false;
        click("deleteWeaponButton");
        click("addClipButton");
        click("addAmmoButton");
        QTest::mouseClick(moveButtons()->UpButton(), Qt::LeftButton);
        QCOMPARE(vehicle().Perks->Count(), 1);
        QVERIFY(!vehicle().Modified);

        // Return or keypad Enter on a library row mounts it as a double-click does; a held key
        // mounts it once.
        libraryTabs()->setCurrentIndex(0);
        library(0)->setCurrentCell(1, 0);
        QTest::keyClick(library(0), Qt::Key_Return);
        QKeyEvent held(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(library(0), &held);
        QTest::keyClick(library(0), Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(weapons().Count(), 2);
        QCOMPARE(weapons().Get(1).Data.Code, weapons().Get(0).Data.Code);
        QVERIFY(weapons().Get(0).Data.Code != std::string("LC"));
    }

    void addingSelectsTheNewRow()
    {
        addFromLibrary(1);
        addFromLibrary(0);
        QCOMPARE(grid()->currentIndex().row(), 1);
        QCOMPARE(grid()->currentIndex().column(), col::Items);
        QCOMPARE(cell(1, col::Code), QStringLiteral("LC"));

        select(0, col::Description);
        click("addClipButton");
        QCOMPARE(rowIds(), (QStringList{"W0", "C1", "W1"}));
        QCOMPARE(grid()->currentIndex().row(), 1);
        QCOMPARE(grid()->currentIndex().column(), col::Ammo);

        click("addAmmoButton"); // on the C row: into clip 1
        QCOMPARE(rowIds(), (QStringList{"W0", "C1", "A0", "W1"}));
        QCOMPARE(grid()->currentIndex().row(), 2);
        QCOMPARE(grid()->currentIndex().column(), col::Ammo);
        QCOMPARE(weapons().Get(0).Clips.Get(1).SectionCount(), 1);
        QCOMPARE(weapons().Get(0).Clips.Get(0).SectionCount(), 0);
        // The new section is a copy of the weapon's base ammunition.
        QCOMPARE(weapons().Get(0).Clips.Get(1).GetSection(0).Amount, 10);

        select(0, col::Items);
        click("addAmmoButton"); // on the W row: into clip 0, listed right below the weapon
        QCOMPARE(rowIds(), (QStringList{"W0", "A0", "C1", "A0", "W1"}));
        QCOMPARE(weapons().Get(0).Clips.Get(0).SectionCount(), 1);
        QCOMPARE(grid()->currentIndex().row(), 1);

        click("addAmmoButton"); // on the clip-0 section row: clip 0 again
        QCOMPARE(weapons().Get(0).Clips.Get(0).SectionCount(), 2);
        QCOMPARE(weapons().Get(0).Clips.Get(1).SectionCount(), 1);
        QCOMPARE(grid()->currentIndex().row(), 2);

        QCOMPARE(rowIds(), (QStringList{"W0", "A0", "A1", "C1", "A0", "W1"}));
        select(4, col::Ammo);
        click("addAmmoButton"); // on a section of clip 1: clip 1
        QCOMPARE(weapons().Get(0).Clips.Get(1).SectionCount(), 2);
        QCOMPARE(grid()->currentIndex().row(), 5);
        select(5, col::Ammo);
        click("addClipButton"); // from a section row: a clip for its weapon
        QCOMPARE(weapons().Get(0).Clips.Count(), 3);
        QCOMPARE(rowIds(), (QStringList{"W0", "A0", "A1", "C1", "A0", "A1", "C2", "W1"}));
        QCOMPARE(grid()->currentIndex().row(), 6);

        // A weapon a file gave no clips: its row still takes every command, and ammunition
        // or a clip brings back its internal magazine first.
        weapons().Get(1).Clips.Clear();
        page()->ShowVehicleWeapons();
        select(7, col::Items);
        click("addAmmoButton");
        QCOMPARE(weapons().Get(1).Clips.Count(), 1);
        QCOMPARE(weapons().Get(1).Clips.Get(0).SectionCount(), 1);
        weapons().Get(1).Clips.Clear();
        page()->ShowVehicleWeapons();
        select(7, col::Items);
        click("addClipButton");
        QCOMPARE(weapons().Get(1).Clips.Count(), 2);
        weapons().Get(1).Clips.Clear();
        page()->ShowVehicleWeapons();
        select(7, col::Items);
        click("deleteWeaponButton");
        QCOMPARE(weapons().Count(), 1);
    }

    void resultsFollowEveryCommand()
    {
        QString tv = label("lblTV");
        const QString emptyOTV = label("lblOTV");
        const auto changed = [this, &tv] {
            const QString now = label("lblTV");
            const bool differs = now != tv;
            tv = now;
            return differs;
        };
        addFromLibrary(0);
        QVERIFY(changed());
        click("addAmmoButton"); // ten rounds of base ammunition add their worth
        QVERIFY(changed());
        select(0, col::Items);
        click("addClipButton");
        click("addAmmoButton");
        QVERIFY(changed());
        click("deleteWeaponButton"); // the spare clip's section
        QVERIFY(changed());
        select(0, col::Items);
        click("deleteWeaponButton");
        QVERIFY(changed());
        // Back to no weapons: back to the offensive value of none.
        QCOMPARE(label("lblOTV"), emptyOTV);
    }

    void threeClipsListInOrder()
    {
        addFromLibrary(0);
        Weapon &gun = weapons().Get(0);
        Clip magazine;
        magazine.AddSection(AmmoSection{});
        gun.Clips.Set(0, magazine);
        Clip spare;
        spare.AddSection(AmmoSection{});
        spare.AddSection(AmmoSection{});
        gun.Clips.Add(spare);
        gun.Clips.Add(spare);
        page()->ShowVehicleWeapons();
        QCOMPARE(rowIds(), (QStringList{"W0", "A0", "C1", "A0", "A1", "C2", "A0", "A1"}));
        QCOMPARE(cell(2, col::Code), QStringLiteral("   CLIP"));
        QCOMPARE(cell(3, col::Code), QStringLiteral("   AMMO"));

        // Deleting a clip takes its sections with it.
        select(2, col::Ammo);
        click("deleteWeaponButton");
        QCOMPARE(rowIds(), (QStringList{"W0", "A0", "C1", "A0", "A1"}));
        QCOMPARE(gun.Clips.Count(), 2);
    }

    void rowsShowModifiedValuesClipsSectionsAndLinks()
    {
        WeaponRecord frag = FragmentationCannon(); // range 1, acc +1, dmg 7, ROF 0, min size 5
        frag.RangeMod = 1;
        frag.AccMod = -1;
        frag.DmgMod = 1;
        frag.ROFMod = -1;
        frag.Arc = 12;
        frag.NumberOfItems = 3;
        weapons().AddRecord(frag);
        weapons().AddRecord(LightArtilleryGun());
        Clip spare;
        spare.ClipCount = 3;
        spare.Shielded = true;
        spare.AddSection(Rounds(40, {0, 4}));
        weapons().Get(0).Clips.Add(spare);
        weapons().AddLink();
        weapons().AddLink();
        weapons().Get(0).Links.Set(1, true);
        weapons().Get(1).Links.Set(0, true);
        page()->ShowVehicleWeapons();

        QCOMPARE(rowIds(), (QStringList{"W0", "C1", "A0", "W1"}));
        const QStringList weapon = {"3", "Fragmentation Cannon", "FGC", "pFL", "2", "0", "x8", "0.75", "-1"};
        for (int c = 0; c < weapon.size(); ++c)
            QCOMPARE(cell(0, c), weapon.at(c));
        QCOMPARE(cell(0, col::Special), QStringLiteral("M, AI, Frag"));
        QCOMPARE(cell(0, kWeaponGridLinkColumn + 1), QStringLiteral("X"));
        QCOMPARE(cell(1, col::Code), QStringLiteral("   CLIP"));
        QCOMPARE(cell(1, col::Ammo), QStringLiteral("3"));
        QCOMPARE(cell(1, col::Special), QStringLiteral("Shielded Ammo Container"));
        QCOMPARE(cell(1, col::Items), QString());
        QCOMPARE(cell(2, col::Code), QStringLiteral("   AMMO"));
        QCOMPARE(cell(2, col::Ammo), QStringLiteral("40"));
        QCOMPARE(cell(2, col::Special), QStringLiteral("AL, Frag"));
        QCOMPARE(cell(2, col::Description), QString());
        // Link marks on weapon rows only.
        QCOMPARE(cell(0, kWeaponGridLinkColumn), QString());
        QCOMPARE(cell(1, kWeaponGridLinkColumn + 1), QString());
        QCOMPARE(cell(3, kWeaponGridLinkColumn), QStringLiteral("X"));
        // A section row knows its weapon and clip.
        const auto section = at(2, col::Ammo).data(WeaponGridModel::ItemRole).value<WeaponGridItem>();
        QCOMPARE(section.Weapon, 0);
        QCOMPARE(section.Clip, 1);

        weapons().Get(0).Data.AccMod = 1;
        weapons().Get(0).Data.ROFMod = 1;
        weapons().Get(0).Clips.Mutable(1)->Shielded = false;
        page()->ShowVehicleWeapons();
        QCOMPARE(cell(0, col::Accuracy), QStringLiteral("+2"));
        QCOMPARE(cell(0, col::ROF), QStringLiteral("+1"));
        QCOMPARE(cell(1, col::Special), QString());

        // The minimum size counts the ammunition carried.
        weapons().Get(1).Data.MinSize = 2;
        Clip magazine;
        magazine.AddSection(Rounds(81));
        weapons().Get(1).Clips.Set(0, magazine);
        page()->ShowVehicleWeapons();
        QCOMPARE(cell(3, col::MinSize), QStringLiteral("2"));
        magazine.SetSection(0, Rounds(82));
        weapons().Get(1).Clips.Set(0, magazine);
        page()->ShowVehicleWeapons();
        QCOMPARE(cell(3, col::MinSize), QStringLiteral("3"));
    }

    void movingKeepsClipZeroAndListEnds()
    {
        addFromLibrary(0);
        addFromLibrary(1);
        select(0, col::Items);
        click("addClipButton");
        click("addClipButton");
        vehicle().Modified = false;

        select(1, col::Ammo); // clip 1 cannot go above the internal magazine
        QTest::mouseClick(moveButtons()->UpButton(), Qt::LeftButton);
        QCOMPARE(rowIds(), (QStringList{"W0", "C1", "C2", "W1"}));
        QCOMPARE(grid()->currentIndex().row(), 1);
        select(3, col::Items); // the last weapon cannot go down
        QTest::mouseClick(moveButtons()->DownButton(), Qt::LeftButton);
        QCOMPARE(weapons().Get(1).Data.Code, std::string("HC"));
        QCOMPARE(grid()->currentIndex().row(), 3);
        QVERIFY(!vehicle().Modified);

        // A move that happens keeps the moved item selected and counts as a change.
        weapons().Get(0).Clips.Mutable(2)->ClipCount = 5;
        page()->ShowVehicleWeapons();
        select(2, col::Ammo);
        QTest::mouseClick(moveButtons()->UpButton(), Qt::LeftButton);
        QCOMPARE(weapons().Get(0).Clips.Get(1).ClipCount, 5);
        QCOMPARE(grid()->currentIndex().row(), 1);
        QVERIFY(vehicle().Modified);

        select(3, col::Items);
        QTest::mouseClick(moveButtons()->UpButton(), Qt::LeftButton);
        QCOMPARE(weapons().Get(0).Data.Code, std::string("HC"));
        QCOMPARE(rowIds(), (QStringList{"W0", "W1", "C1", "C2"}));
        QCOMPARE(grid()->currentIndex().row(), 0);
        QTest::keyClick(grid(), Qt::Key_Down, Qt::ControlModifier); // the keyboard's move
        QCOMPARE(weapons().Get(1).Data.Code, std::string("HC"));
    }

    void cellEditsStoreIntegersAndCutNames()
    {
        addFromLibrary(0);
        select(0, col::Items);
        click("addClipButton");
        vehicle().Modified = false;
        const QString tvBefore = label("lblTV");

        typeInCell(1, col::Ammo, QStringLiteral("3"));
        QCOMPARE(weapons().Get(0).Clips.Get(1).ClipCount, 3);
        QVERIFY(vehicle().Modified);

        typeInCell(0, col::Items, QStringLiteral("2"));
        QCOMPARE(weapons().Get(0).Data.NumberOfItems, 2);
        QVERIFY(label("lblTV") != tvBefore); // the results follow at once

        typeInCell(0, col::Items, QStringLiteral("two"));
        QCOMPARE(weapons().Get(0).Data.NumberOfItems, 2);
        QCOMPARE(cell(0, col::Items), QStringLiteral("2"));
        typeInCell(0, col::Items, QStringLiteral("-3"));
        QCOMPARE(weapons().Get(0).Data.NumberOfItems, 2);
        QCOMPARE(cell(0, col::Items), QStringLiteral("2"));
        typeInCell(1, col::Ammo, QStringLiteral("-1"));
        QCOMPARE(weapons().Get(0).Clips.Get(1).ClipCount, 3);
        typeInCell(0, col::Description, QString::fromUtf8("Müller Ω"));
        QCOMPARE(weapons().Get(0).Data.Name, std::string("M\xfcller "));

        const QString name = QString(70, QLatin1Char('n'));
        typeInCell(0, col::Description, name);
        QCOMPARE(weapons().Get(0).Data.Name, std::string(64, 'n'));
        QCOMPARE(cell(0, col::Description), name.left(64));

        // Only these cells can be edited.
        QVERIFY(!editable(0, col::Code));
        QVERIFY(!editable(0, col::Ammo));
        QVERIFY(!editable(1, col::Items));
        QVERIFY(editable(1, col::Ammo));
    }

    void sectionAmountEditedInPlace()
    {
        addFromLibrary(0);
        select(0, col::Items);
        click("addAmmoButton");
        typeInCell(1, col::Ammo, QStringLiteral("40"));
        QCOMPARE(weapons().Get(0).Clips.Get(0).GetSection(0).Amount, 40);
        QCOMPARE(cell(1, col::Ammo), QStringLiteral("40"));
        typeInCell(1, col::Ammo, QStringLiteral("-5"));
        QCOMPARE(weapons().Get(0).Clips.Get(0).GetSection(0).Amount, 40);
        QCOMPARE(cell(1, col::Ammo), QStringLiteral("40"));
    }

    void linksFlipOnSelectionAndDeleteByColumn()
    {
        addFromLibrary(0);
        addFromLibrary(1);
        click("addLinkButton");
        click("addLinkButton");
        QCOMPARE(grid()->model()->columnCount(), kWeaponGridColumns + 2);
        QCOMPARE(weapons().LinkCount(), 2);

        vehicle().Modified = false;
        const QString tvBefore = label("lblTV");
        clickCell(1, kWeaponGridLinkColumn + 1);
        QVERIFY(weapons().Get(1).Links.Get(1));
        QVERIFY(label("lblTV") != tvBefore); // a link membership costs a perk point
        QCOMPARE(cell(1, kWeaponGridLinkColumn + 1), QStringLiteral("X"));
        QVERIFY(vehicle().Modified);
        clickCell(1, kWeaponGridLinkColumn + 1); // clicking again takes the weapon out again
        QVERIFY(!weapons().Get(1).Links.Get(1));
        QCOMPARE(cell(1, kWeaponGridLinkColumn + 1), QString());
        clickCell(0, kWeaponGridLinkColumn);
        QVERIFY(weapons().Get(0).Links.Get(0));

        // "Delete" removes the link whose column holds the cursor.
        clickCell(1, kWeaponGridLinkColumn + 1);
        click("deleteLinkButton");
        QCOMPARE(weapons().LinkCount(), 1);
        QCOMPARE(grid()->model()->columnCount(), kWeaponGridColumns + 1);
        QVERIFY(weapons().Get(0).Links.Get(0));

        // Outside a link column nothing is deleted (but the flag is set).
        select(0, col::Description);
        vehicle().Modified = false;
        click("deleteLinkButton");
        QCOMPARE(weapons().LinkCount(), 1);
        QVERIFY(vehicle().Modified);

        // No more links than a design file holds, or the design could no longer be saved.
        while (weapons().LinkCount() < WeaponList::kMaxLinks)
            weapons().AddLink();
        click("addLinkButton");
        QCOMPARE(weapons().LinkCount(), WeaponList::kMaxLinks);
        QCOMPARE(m_dialogs->warnings.size(), 1);
        // Rows keep no cells for the empty link columns: hundreds of weapons with clips and
        // thousands of links would otherwise take gigabytes.
        for (const WeaponGridRow &row : WeaponGridRows(vehicle()))
            QVERIFY(row.Cells.size() <= kWeaponGridLinkColumn + 1);
        QCOMPARE(cell(0, kWeaponGridLinkColumn), QStringLiteral("X"));
        QCOMPARE(cell(0, kWeaponGridLinkColumn + 100), QString());
    }

    void deleteKeyAndClear()
    {
        addFromLibrary(0);
        addFromLibrary(1);
        select(0, col::Items);
        grid()->setFocus();
        // A held key sends repeats before its own release: they delete nothing more.
        QKeyEvent repeat(QEvent::KeyRelease, Qt::Key_Delete, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(grid(), &repeat);
        QCOMPARE(weapons().Count(), 2);
        QTest::keyClick(grid(), Qt::Key_Delete);
        QCOMPARE(weapons().Count(), 1);
        QCOMPARE(weapons().Get(0).Data.Code, std::string("HC"));

        m_dialogs->answers = {DialogAnswer::Cancel};
        click("clearWeaponsButton");
        QCOMPARE(m_dialogs->questions.last(), QStringLiteral("Clear all weapons?"));
        QCOMPARE(weapons().Count(), 1);
        m_dialogs->answers = {DialogAnswer::Ok};
        vehicle().Modified = false;
        click("clearWeaponsButton");
        QCOMPARE(weapons().Count(), 0);
        QVERIFY(vehicle().Modified);
        QVERIFY(!weaponButtonsEnabled());
    }

    void modifyWritesBackOnlyOnOk()
    {
        addFromLibrary(0);
        select(0, col::Items);
        const QString tvBefore = label("lblTV");
        m_dialogs->modal = [](QDialog &dialog) {
            auto &modify = static_cast<WeaponModifyDialog &>(dialog);
            modify.show();
            // Old rating of the weapon as it is: 100.
            if (modify.findChild<QLabel *>(QStringLiteral("lold"))->text() != QStringLiteral("100"))
                return int(QDialog::Rejected);
            modify.findChild<QGroupBox *>(QStringLiteral("accuracyGroup"))
                ->findChildren<QRadioButton *>()
                .at(0)
                ->click();
            modify.findChild<QGroupBox *>(QStringLiteral("rgArc"))->findChildren<QRadioButton *>().at(8)->click();
            return int(QDialog::Accepted);
        };
        vehicle().Modified = false;
        click("modifyWeaponButton");
        QCOMPARE(weapons().Get(0).Data.AccMod, 1);
        QCOMPARE(weapons().Get(0).Data.Arc, 8);
        QCOMPARE(cell(0, col::Arc), QStringLiteral("T"));
        QVERIFY(vehicle().Modified);
        QVERIFY(label("lblTV") != tvBefore);

        m_dialogs->modal = [](QDialog &dialog) {
            dialog.findChild<QGroupBox *>(QStringLiteral("accuracyGroup"))
                ->findChildren<QRadioButton *>()
                .at(2)
                ->click();
            return int(QDialog::Rejected);
        };
        vehicle().Modified = false;
        click("modifyWeaponButton");
        QCOMPARE(weapons().Get(0).Data.AccMod, 1);
        QVERIFY(!vehicle().Modified);
    }

    void modifyOpensTheRowsOwnPage()
    {
        addFromLibrary(0);
        select(0, col::Items);
        click("addAmmoButton");
        click("addClipButton");
        QCOMPARE(rowIds(), (QStringList{"W0", "A0", "C1"}));

        QString shown;
        m_dialogs->modal = [&shown](QDialog &dialog) {
            dialog.show();
            auto *pages = dialog.findChild<QTabWidget *>();
            shown.clear();
            for (int i = 0; i < pages->count(); ++i)
                if (pages->isTabVisible(i))
                    shown += pages->tabText(i) + QLatin1Char(';');
            if (auto *antiLaser = dialog.findChild<QAbstractButton *>(QStringLiteral("cbAmmo0"));
                antiLaser->isEnabled())
                antiLaser->click();
            dialog.findChild<QAbstractButton *>(QStringLiteral("ammoStorageBox"))->click();
            return int(QDialog::Accepted);
        };
        select(1, col::Ammo);
        click("modifyWeaponButton");
        QCOMPARE(shown, QStringLiteral("Ammo Modifiers;"));
        QVERIFY(weapons().Get(0).Clips.Get(0).GetSection(0).Selected[0]);
        QCOMPARE(cell(1, col::Special), QStringLiteral("AL"));
        QVERIFY(!weapons().Get(0).Clips.Get(1).Shielded);

        // A double-click on a row opens the dialog too.
        const QRect clipRow = grid()->visualRect(at(2, col::Code));
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, clipRow.center());
        QTest::mouseDClick(grid()->viewport(), Qt::LeftButton, {}, clipRow.center());
        QCOMPARE(shown, QStringLiteral("Clip Modifiers;"));
        QVERIFY(weapons().Get(0).Clips.Get(1).Shielded);
        QCOMPARE(cell(2, col::Special), QStringLiteral("Shielded Ammo Container"));
        QVERIFY(!weapons().Get(0).Clips.Get(0).Shielded);
    }

    void perkRowOpensThePerkEditor()
    {
        vehicle().Flaws->Add(OffensivePerk());
        PerkRecord quiet = OffensivePerk();
        quiet.InsideOTV = false;
        vehicle().Perks->Add(quiet); // not offensive: no row
        page()->ShowVehicleWeapons();
        select(0, col::Description);
        // By default the perk editor dialog opens on the entry.
        QString opener;
        m_dialogs->modal = [&opener](QDialog &dialog) {
            opener = QString::fromLatin1(dialog.metaObject()->className());
            return int(QDialog::Rejected);
        };
        click("modifyWeaponButton");
        QCOMPARE(opener, QStringLiteral("aw::PerkEditorDialog"));

        int opened = 0;
        page()->SetPerkEditor([&opened](QWidget *, PerkRecord &entry, const PerkVehicleData &) {
            ++opened;
            entry.Amount = 3;
            return opened == 1;
        });
        page()->ShowVehicleWeapons();
        QCOMPARE(rowIds(), (QStringList{"F0"}));
        QCOMPARE(cell(0, col::Code), QStringLiteral("FLAW"));
        select(0, col::Description);
        click("modifyWeaponButton");
        QCOMPARE(opened, 1);
        QCOMPARE(vehicle().Flaws->Get(0).Amount, 3);
        QCOMPARE(cell(0, col::Description), QStringLiteral("Gunnery Computer x3"));

        // Cancel keeps the entry, yet the design counts as changed.
        vehicle().Flaws->Set(0, OffensivePerk());
        vehicle().Modified = false;
        click("modifyWeaponButton");
        QCOMPARE(opened, 2);
        QCOMPARE(vehicle().Flaws->Get(0).Amount, 1);
        QVERIFY(vehicle().Modified);
    }

    void headingsSortDescendingThenAscending()
    {
        QTableWidget *cannons = library(0);
        QCOMPARE(cannons->rowCount(), 3);
        QCOMPARE(cannons->item(0, 0)->text(), QStringLiteral("LC"));
        const int ratingColumn = 2;
        const QPoint heading(cannons->horizontalHeader()->sectionViewportPosition(ratingColumn) + 5, 5);
        QTest::mouseClick(cannons->horizontalHeader()->viewport(), Qt::LeftButton, {}, heading);
        QStringList codes;
        for (int row = 0; row < 3; ++row)
            codes << cannons->item(row, 0)->text();
        QCOMPARE(codes, (QStringList{"HC", "MC", "LC"}));
        QTest::mouseClick(cannons->horizontalHeader()->viewport(), Qt::LeftButton, {}, heading);
        codes.clear();
        for (int row = 0; row < 3; ++row)
            codes << cannons->item(row, 0)->text();
        QCOMPARE(codes, (QStringList{"LC", "MC", "HC"}));
        QCOMPARE(m_libraries->WeaponLibrary(0).Get(0).Code, std::string("LC"));
        // Sorting a built-in library is not a change of the custom weapons.
        QCOMPARE(m_libraries->CustomChanges(), 0);

        // A double-click mounts the row.
        const QRect row = cannons->visualItemRect(cannons->item(2, 1));
        QTest::mouseClick(cannons->viewport(), Qt::LeftButton, {}, row.center());
        QTest::mouseDClick(cannons->viewport(), Qt::LeftButton, {}, row.center());
        QCOMPARE(weapons().Count(), 1);
        QCOMPARE(weapons().Get(0).Data.Code, std::string("HC"));
    }

    void emptyLibraryShowsOneDisabledRow()
    {
        libraryTabs()->setCurrentIndex(4);
        QCOMPARE(library(4)->rowCount(), 1);
        QVERIFY(!library(4)->isEnabled());
        const int before = weapons().Count();
        click("addWeaponButton");
        QCOMPARE(weapons().Count(), before);
    }

    void newCustomWeaponIsListedAndEditDeleteFollowTheList()
    {
        libraryTabs()->setCurrentIndex(6);
        QVERIFY(!button("editCustomWeaponButton")->isEnabled());
        QVERIFY(!button("deleteCustomWeaponButton")->isEnabled());

        m_dialogs->modal = [](QDialog &) { return int(QDialog::Accepted); };
        click("newCustomWeaponButton");
        const BaseWeaponList &custom = m_libraries->WeaponLibrary(6);
        QCOMPARE(custom.Count(), 1);
        QCOMPARE(custom.Get(0).Name, std::string("Untitled"));
        QCOMPARE(custom.Get(0).Code, std::string("NONE"));
        QCOMPARE(custom.Get(0).WeaponType, 6);
        QCOMPARE(custom.Get(0).AreaEffect, -1);
        QCOMPARE(library(6)->item(0, 12)->text(), QStringLiteral("C"));
        QCOMPARE(library(6)->item(0, 1)->text(), QStringLiteral("Untitled"));
        QVERIFY(button("editCustomWeaponButton")->isEnabled());
        QVERIFY(button("deleteCustomWeaponButton")->isEnabled());
        // A filter that hides the weapon leaves nothing to edit or delete, until it is cleared.
        auto *filter = page()->findChild<QLineEdit *>(QStringLiteral("eLibraryFilter"));
        filter->setText(QStringLiteral("no such weapon"));
        QVERIFY(!button("editCustomWeaponButton")->isEnabled());
        QVERIFY(!button("deleteCustomWeaponButton")->isEnabled());
        filter->clear();
        QVERIFY(button("editCustomWeaponButton")->isEnabled());
        QVERIFY(button("deleteCustomWeaponButton")->isEnabled());
        QCOMPARE(m_libraries->CustomChanges(), 1);
        QVERIFY(!vehicle().Modified);

        // Edit replaces the record on OK.
        m_dialogs->modal = [](QDialog &dialog) {
            driver::Enter(dialog.findChild<QLineEdit *>(QStringLiteral("nameEdit")), QStringLiteral("Spitter"));
            return int(QDialog::Accepted);
        };
        library(6)->setCurrentCell(0, 0);
        click("editCustomWeaponButton");
        QCOMPARE(custom.Get(0).Name, std::string("Spitter"));
        QCOMPARE(m_libraries->CustomChanges(), 2);

        // The mounted copy does not follow later edits of the custom weapon.
        click("addWeaponButton");
        QCOMPARE(weapons().Get(0).Data.Name, std::string("Spitter"));

        m_dialogs->answers = {DialogAnswer::Cancel};
        click("deleteCustomWeaponButton");
        QCOMPARE(m_dialogs->questions.last(), QStringLiteral("Delete the custom weapon?"));
        QCOMPARE(custom.Count(), 1);
        m_dialogs->answers = {DialogAnswer::Ok};
        click("deleteCustomWeaponButton");
        QCOMPARE(custom.Count(), 0);
        QCOMPARE(m_libraries->CustomChanges(), 3);
        QVERIFY(!button("editCustomWeaponButton")->isEnabled());
        QVERIFY(!button("deleteCustomWeaponButton")->isEnabled());
        QVERIFY(!library(6)->isEnabled());
        QCOMPARE(weapons().Get(0).Data.Name, std::string("Spitter"));
    }

    void customWeaponsAreWrittenAtEveryChange()
    {
        // The program's own libraries: the custom list goes to the custom weapon file.
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const std::string previousFolder = ProgramFolder();
        SetProgramFolder(folder.path().toStdString() + "/");
        SharedLibraries().Clear();
        SetWeaponLibraries(nullptr);
        libraryTabs()->setCurrentIndex(6);

        m_dialogs->modal = [](QDialog &dialog) {
            driver::Enter(dialog.findChild<QLineEdit *>(QStringLiteral("codeEdit")), QStringLiteral("SAVED"));
            return int(QDialog::Accepted);
        };
        click("newCustomWeaponButton");
        const std::vector<WeaponRecord> saved = ReadCustomWeaponFile(ProgramFolder());
        QCOMPARE(saved.size(), size_t(1));
        QCOMPARE(saved[0].Code, std::string("SAVED"));
        QCOMPARE(saved[0].WeaponType, 6);

        m_dialogs->answers = {DialogAnswer::Ok};
        click("deleteCustomWeaponButton");
        QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("Custom.zel"))));

        // A write that fails is reported, and the grid still shows the list as it is.
        SetWriteFaultInjector([] { return false; });
        click("newCustomWeaponButton");
        SetWriteFaultInjector({});
        QCOMPARE(m_dialogs->errors.size(), 1);
        const QTableWidgetItem *shown = library(6)->item(0, 0);
        QVERIFY(shown && library(6)->rowCount() == 1);
        QCOMPARE(shown->text(), QStringLiteral("SAVED"));

        // Weapons another window saved meanwhile are sorted with this window's.
        BaseWeaponList theirs;
        for (const auto &[code, rating] : {std::pair("LOW", 1), std::pair("HIGH", 90)}) {
            WeaponRecord weapon;
            weapon.Code = code;
            weapon.Rating = rating;
            weapon.WeaponType = kCustomWeaponType;
            theirs.Add(weapon);
        }
        SaveCustomWeaponFile(theirs, ProgramFolder());
        emit library(6)->horizontalHeader()->sectionClicked(2); // Rating, descending first
        QCOMPARE(library(6)->rowCount(), 3);
        QCOMPARE(library(6)->item(0, 0)->text(), QStringLiteral("HIGH"));

        SharedLibraries().Clear();
        SetProgramFolder(previousFolder);
    }

    void panelHeightIsRemembered()
    {
        // A fresh window with a stored height for the grid panel.
        vehicle().Modified = false;
        m_window.reset();
        m_data->layout.fill(50);
        m_data->layout[0] = 220;
        m_window = std::make_unique<MainWindow>();
        m_window->resize(800, 600);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        m_window->PageControl()->setCurrentIndex(1);
        QWidget *panel = page()->findChild<QWidget *>(QStringLiteral("weaponGridPanel"));
        QTRY_COMPARE(panel->height(), 220);

        auto *splitter = page()->findChild<QSplitter *>(QStringLiteral("weaponsSplitter"));
        const int total = splitter->sizes().at(0) + splitter->sizes().at(1);
        splitter->setSizes({180, total - 180});
        QCOMPARE(panel->height(), 180);
        // as in the other splitters, neither pane goes below 110 pixels
        splitter->setSizes({0, total});
        QCOMPARE(panel->height(), 110);
        splitter->setSizes({total, 0});
        QVERIFY(splitter->widget(1)->height() >= 110);
        splitter->setSizes({180, total - 180});
        m_window->close();
        QCOMPARE(m_data->layout[0], 180);
    }
};

} // namespace aw

QTEST_MAIN(aw::WeaponsPageTest)
#include "tst_weaponspage.moc"
