// The weapon modification dialog: radio groups, poor workmanship, ammunition and clip
// options, the threat-value preview and the window position.
#include "support/EditorDriver.h"
#include "support/MemoryProgramData.h"
#include "support/ScriptedDialogs.h"

#include "ui/dialogs/WeaponModifyDialog.h"
#include "ui/widgets/SpinButton.h"
#include "weapons/Weapon.h"
#include "weapons/WeaponRecord.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include <memory>

namespace aw {

class ModifyTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<MemoryProgramData> m_data;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<WeaponModifyDialog> m_dialog;

    QString label(const char *name) { return m_dialog->findChild<QLabel *>(QString::fromLatin1(name))->text(); }
    QGroupBox *group(const char *name) { return m_dialog->findChild<QGroupBox *>(QString::fromLatin1(name)); }
    QRadioButton *item(const char *groupName, int i) { return group(groupName)->findChildren<QRadioButton *>().at(i); }
    QCheckBox *box(const QString &name) { return m_dialog->findChild<QCheckBox *>(name); }

    QStringList visiblePages()
    {
        auto *pages = m_dialog->findChild<QTabWidget *>();
        QStringList shown;
        for (int i = 0; i < pages->count(); ++i)
            if (pages->isTabVisible(i))
                shown << pages->tabText(i);
        return shown;
    }

    static WeaponRecord SampleWeapon(int32_t rof, int32_t minSize, int32_t rating = 100)
    {
        WeaponRecord r = DefaultWeaponRecord();
        r.ROF = rof;
        r.MinSize = minSize;
        r.Rating = rating;
        return r;
    }

    void open(const WeaponRecord &record)
    {
        m_dialog->LoadWeapon(Weapon(record), 6);
        m_dialog->show();
    }

private slots:
    void init()
    {
        m_data = std::make_unique<MemoryProgramData>();
        m_dialogs = std::make_unique<ScriptedDialogs>();
        m_dialog = std::make_unique<WeaponModifyDialog>();
    }

    void cleanup()
    {
        m_dialog.reset();
        m_dialogs.reset();
        m_data.reset();
    }

    void weaponModeShowsItsRecord()
    {
        WeaponRecord r = SampleWeapon(2, 4);
        r.AccMod = -1;
        r.DmgMod = 1;
        r.SizeMod = -1;
        r.Arc = 5;
        r.PoorWorkmanship = 2;
        r.SniperSystem = true;
        r.Rating = 80;
        open(r);
        QCOMPARE(visiblePages(), QStringList{"Weapon Modifiers"});
        QVERIFY(item("accuracyGroup", 2)->isChecked());
        QVERIFY(item("damageGroup", 0)->isChecked());
        QVERIFY(item("rangeGroup", 1)->isChecked());
        QVERIFY(item("minimumSizeGroup", 2)->isChecked());
        QVERIFY(item("rgArc", 5)->isChecked());
        QCOMPARE(item("rgArc", 5)->text(), QStringLiteral("Fixed Right"));
        QVERIFY(box(QStringLiteral("sniperBox"))->isChecked());
        QVERIFY(!box(QStringLiteral("stabilizedBox"))->isChecked());
        QCOMPARE(m_dialog->findChild<QLineEdit *>(QStringLiteral("poorWorkmanshipEdit"))->text(), QStringLiteral("2"));
        QCOMPARE(label("lWork"), QStringLiteral("0.8"));
        // 80 x 0.6 x 1.25 x 3/4 x 0.8 = 36, x 0.6 for the fixed arc
        QCOMPARE(label("lold"), QStringLiteral("21.6"));
        QCOMPARE(label("lnew"), QStringLiteral("21.60"));
        QVERIFY(group("rofGroup")->isEnabled());

        // Written back as chosen, perks included.
        item("accuracyGroup", 0)->click();
        box(QStringLiteral("stabilizedBox"))->click();
        WeaponRecord back = DefaultWeaponRecord();
        m_dialog->StoreWeapon(back);
        QCOMPARE(back.AccMod, 1);
        QCOMPARE(back.DmgMod, 1);
        QCOMPARE(back.SizeMod, -1);
        QCOMPARE(back.Arc, 5);
        QCOMPARE(back.PoorWorkmanship, 2);
        QVERIFY(back.Stabilized);
        QVERIFY(back.SniperSystem);
        QCOMPARE(back.MinSize, 0); // read only
    }

    void weaponWithoutRateOfFireDisablesTheROFGroup()
    {
        open(SampleWeapon(0, 3));
        QVERIFY(!group("rofGroup")->isEnabled());
        QVERIFY(group("rangeGroup")->isEnabled());
    }

    void radioItemsStandForOneMinusTheirIndex()
    {
        open(SampleWeapon(1, 3));
        item("damageGroup", 2)->click();
        QCOMPARE(m_dialog->Values().Mods.DmgMod, -1);
        QCOMPARE(label("lnew"), QStringLiteral("85.00"));
        item("rofGroup", 0)->click();
        QCOMPARE(m_dialog->Values().Mods.ROFMod, 1);
        QCOMPARE(label("lnew"), QStringLiteral("94.00")); // 93.5 rounded up, as rated
        item("damageGroup", 1)->click();
        item("rofGroup", 1)->click();
        QCOMPARE(label("lnew"), QStringLiteral("100.00"));
    }

    void neutralOptionsPreviewTheOldRating()
    {
        WeaponRecord r = SampleWeapon(1, 3, -1); // rated at the vehicle's final size, 6
        r.NumberOfItems = 3;
        open(r);
        QCOMPARE(label("lold"), QStringLiteral("18"));
        QCOMPARE(label("lnew"), QStringLiteral("18.00"));
    }

    // The preview is the rating after OK: modifications the weapon has count once.
    void presentModificationsAreNotCountedTwice()
    {
        WeaponRecord r = SampleWeapon(1, 3, 624);
        r.AccMod = 1;
        r.Arc = 8; // turreted
        open(r);
        QCOMPARE(label("lold"), QStringLiteral("1684.8"));
        QCOMPARE(label("lnew"), QStringLiteral("1684.80"));
        item("accuracyGroup", 1)->click();
        QCOMPARE(label("lnew"), QStringLiteral("1123.20"));

        // A seven-digit rating is shown whole, not cut at the dialog's edge.
        r.Rating = 500000;
        m_dialog = std::make_unique<WeaponModifyDialog>();
        open(r);
        QCOMPARE(label("lnew"), QStringLiteral("1350000.00"));
        m_dialog->layout()->activate();
        auto *preview = m_dialog->findChild<QLabel *>(QStringLiteral("lnew"));
        QVERIFY(preview->width() >= preview->sizeHint().width());
    }

    void fixedForwardOnFiftyPreviewsThirty()
    {
        open(SampleWeapon(1, 3, 50));
        item("rgArc", 1)->click();
        QCOMPARE(m_dialog->Values().Mods.Arc, 1);
        QCOMPARE(label("lnew"), QStringLiteral("30.00"));
        item("rgArc", 8)->click();
        QCOMPARE(label("lnew"), QStringLiteral("90.00"));
    }

    void smallerMountKeepsTheShareOfTheMinimumSize()
    {
        open(SampleWeapon(1, 5, 50));
        item("minimumSizeGroup", 2)->click();
        QCOMPARE(m_dialog->Values().Mods.SizeMod, -1);
        QCOMPARE(label("lnew"), QStringLiteral("40.00"));
    }

    void poorWorkmanshipStopsAtZero()
    {
        open(SampleWeapon(1, 3, 40));
        auto *spin = m_dialog->findChild<SpinButton *>(QStringLiteral("poorWorkmanshipSpin"));
        auto *edit = m_dialog->findChild<QLineEdit *>(QStringLiteral("poorWorkmanshipEdit"));
        driver::SpinUp(spin);
        QCOMPARE(edit->text(), QStringLiteral("1"));
        QCOMPARE(label("lWork"), QStringLiteral("0.9"));
        QCOMPARE(label("lnew"), QStringLiteral("36.00"));
        driver::SpinDown(spin);
        driver::SpinDown(spin);
        QCOMPARE(m_dialog->Values().Mods.PoorWorkmanship, 0);
        QCOMPARE(edit->text(), QStringLiteral("0"));
        QCOMPARE(label("lWork"), QStringLiteral("1"));

        driver::Enter(edit, QStringLiteral("3"));
        QCOMPARE(m_dialog->Values().Mods.PoorWorkmanship, 3);
        QCOMPARE(label("lnew"), QStringLiteral("28.00"));
        driver::Enter(edit, QStringLiteral("-4"));
        QCOMPARE(m_dialog->Values().Mods.PoorWorkmanship, 0);
        // Nor beyond the level that leaves nothing of the rating.
        driver::Enter(edit, QStringLiteral("15"));
        QCOMPARE(m_dialog->Values().Mods.PoorWorkmanship, 10);
        QCOMPARE(label("lWork"), QStringLiteral("0"));
        driver::SpinUp(spin);
        QCOMPARE(edit->text(), QStringLiteral("10"));

        // Text that is not a number is refused with the conversion message.
        driver::Enter(edit, QStringLiteral("2"));
        driver::Enter(edit, QStringLiteral("lots"));
        QCOMPARE(m_dialogs->errors, QStringList{"'lots' is not a valid integer value"});
        QCOMPARE(m_dialog->Values().Mods.PoorWorkmanship, 2);
        QCOMPARE(edit->text(), QStringLiteral("2"));

        // A spin click while a level is being typed steps the typed level.
        driver::Type(edit, QStringLiteral("1"));
        driver::SpinUp(spin);
        QCOMPARE(m_dialog->Values().Mods.PoorWorkmanship, 2);

        // A higher level from a file is shown and kept as it is until changed; Down steps it.
        WeaponRecord stored = SampleWeapon(1, 3, 40);
        stored.PoorWorkmanship = 14;
        m_dialog = std::make_unique<WeaponModifyDialog>();
        open(stored);
        edit = m_dialog->findChild<QLineEdit *>(QStringLiteral("poorWorkmanshipEdit"));
        QCOMPARE(edit->text(), QStringLiteral("14"));
        QCOMPARE(m_dialog->Values().Mods.PoorWorkmanship, 14);
        driver::SpinDown(m_dialog->findChild<SpinButton *>(QStringLiteral("poorWorkmanshipSpin")));
        QCOMPARE(m_dialog->Values().Mods.PoorWorkmanship, 13);
    }

    void ammunitionBoxesFollowTheAllowedTypes()
    {
        AmmoSection section;
        section.Amount = 12;
        section.Selected[4] = true; // Frag, selected but not allowed
        section.Allowed[0] = true;
        section.Allowed[18] = true;
        m_dialog->LoadSection(section);
        m_dialog->show();
        QCOMPARE(visiblePages(), QStringList{"Ammo Modifiers"});
        QCOMPARE(m_dialog->findChild<QTabWidget *>()->currentIndex(), 1);
        QCheckBox *frag = box(QStringLiteral("cbAmmo4"));
        QCOMPARE(frag->text(), QStringLiteral("Frag"));
        QVERIFY(frag->isChecked());
        QVERIFY(!frag->isEnabled());
        QVERIFY(box(QStringLiteral("cbAmmo0"))->isEnabled());
        QVERIFY(box(QStringLiteral("cbAmmo18"))->isEnabled());
        QVERIFY(!box(QStringLiteral("cbAmmo11"))->isEnabled());

        box(QStringLiteral("cbAmmo18"))->click();
        QVERIFY(m_dialog->Values().Section.Selected[18]);
        QCOMPARE(m_dialog->Values().Section.Amount, 12);
        box(QStringLiteral("cbAmmo0"))->click();
        box(QStringLiteral("cbAmmo0"))->click();
        QVERIFY(!m_dialog->Values().Section.Selected[0]);
    }

    void clipModeShowsOnlyTheShieldOption()
    {
        m_dialog->LoadClip(true);
        m_dialog->show();
        QCOMPARE(visiblePages(), QStringList{"Clip Modifiers"});
        QCheckBox *storage = box(QStringLiteral("ammoStorageBox"));
        QCOMPARE(storage->text(), QStringLiteral("Ammo Storage"));
        QVERIFY(storage->isChecked());
        storage->click();
        QVERIFY(!m_dialog->Values().Shielded);
    }

    void helpAndWindowSlot()
    {
        m_data->positions[4] = WindowPosition{-1, -1, 420, 560};
        m_dialog = std::make_unique<WeaponModifyDialog>();
        QCOMPARE(m_dialog->height(), 420);
        QCOMPARE(m_dialog->width(), 560);
        m_dialog->findChild<QWidget *>(QStringLiteral("bHelp"))->setFocus();
        QTest::mouseClick(m_dialog->findChild<QWidget *>(QStringLiteral("bHelp")), Qt::LeftButton);
        QCOMPARE(m_dialogs->informations.size(), 1);
        m_dialog->resize(600, 450);
        m_dialog->reject();
        QCOMPARE(m_data->positions[4].Width, 600);
        QCOMPARE(m_data->positions[4].Height, 450);
    }
};

} // namespace aw

QTEST_MAIN(aw::ModifyTest)
#include "tst_modify.moc"
