// The custom weapon editor: fields and their formats, cuts, conversion errors, the
// ammunition pages, Reset and the window position.
#include "support/EditorDriver.h"
#include "support/MemoryProgramData.h"
#include "support/ScriptedDialogs.h"

#include "ui/dialogs/CustomWeaponDialog.h"
#include "weapons/WeaponTexts.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace aw {

class CustomWeaponDialogTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<MemoryProgramData> m_data;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<CustomWeaponDialog> m_dialog;

    QLineEdit *edit(const char *name) { return m_dialog->findChild<QLineEdit *>(QString::fromLatin1(name)); }
    QString label(const char *name) { return m_dialog->findChild<QLabel *>(QString::fromLatin1(name))->text(); }
    QCheckBox *box(const QString &name) { return m_dialog->findChild<QCheckBox *>(name); }
    const WeaponRecord &record() { return m_dialog->Record(); }

    void open(const WeaponRecord &r)
    {
        m_dialog = std::make_unique<CustomWeaponDialog>(r);
        m_dialog->show();
    }

private slots:
    void init()
    {
        m_data = std::make_unique<MemoryProgramData>();
        m_dialogs = std::make_unique<ScriptedDialogs>();
        open(DefaultWeaponRecord());
    }

    void cleanup()
    {
        m_dialog.reset();
        m_dialogs.reset();
        m_data.reset();
    }

    void newRecordIsAnUntitledCustomWeapon()
    {
        QCOMPARE(edit("nameEdit")->text(), QStringLiteral("Untitled"));
        QCOMPARE(edit("codeEdit")->text(), QStringLiteral("NONE"));
        QCOMPARE(edit("areaEffectEdit")->text(), QStringLiteral("-1"));
        QCOMPARE(record().WeaponType, 6);
        auto *type = m_dialog->findChild<QComboBox *>(QStringLiteral("weaponTypeBox"));
        QCOMPARE(type->currentText(), QStringLiteral("custom"));
        QVERIFY(!type->isEnabled());
        QCOMPARE(type->count(), 7);
        QCOMPARE(SpecialCodes(record()), std::string("C"));
    }

    void textsAreCutToTheirWidth()
    {
        // Beyond what the box lets one type: a pasted or programmatic text.
        edit("nameEdit")->setMaxLength(100);
        driver::Enter(edit("nameEdit"), QString(70, QLatin1Char('w')));
        QCOMPARE(record().Name, std::string(64, 'w'));
        QCOMPARE(edit("nameEdit")->text(), QString(64, QLatin1Char('w')));
        edit("codeEdit")->setMaxLength(100);
        driver::Enter(edit("codeEdit"), QStringLiteral("ABCDEFGHIJKL"));
        QCOMPARE(record().Code, std::string("ABCDEFGHIJ"));
        driver::Enter(edit("codeEdit"), QString());
        QCOMPARE(record().Code, std::string());
    }

    void numbersShowTheirFormatAndRangesWhenLeft()
    {
        driver::Enter(edit("baseRangeEdit"), QStringLiteral("3"));
        driver::Enter(edit("mediumBonusEdit"), QStringLiteral("2"));
        driver::Enter(edit("longBonusEdit"), QStringLiteral("-1"));
        driver::Enter(edit("extremeBonusEdit"), QStringLiteral("0"));
        QCOMPARE(record().BaseRange, 3);
        QCOMPARE(record().MediumBonus, 2);
        QCOMPARE(record().LongBonus, -1);
        QCOMPARE(label("mediumRangeLabel"), QStringLiteral("8"));
        QCOMPARE(label("longRangeLabel"), QStringLiteral("11"));
        QCOMPARE(label("extremeRangeLabel"), QStringLiteral("24"));
        QCOMPARE(edit("mediumBonusEdit")->text(), QStringLiteral("+2"));
        QCOMPARE(edit("longBonusEdit")->text(), QStringLiteral("-1"));
        QCOMPARE(edit("extremeBonusEdit")->text(), QStringLiteral("0"));
        // A range of seven digits is shown whole, not cut at its column's edge.
        driver::Enter(edit("baseRangeEdit"), QStringLiteral("125000"));
        m_dialog->layout()->activate();
        auto *extreme = m_dialog->findChild<QLabel *>(QStringLiteral("extremeRangeLabel"));
        QCOMPARE(extreme->text(), QStringLiteral("1000000"));
        QVERIFY(extreme->width() >= extreme->sizeHint().width());

        driver::Enter(edit("accuracyEdit"), QStringLiteral("+1"));
        driver::Enter(edit("rofEdit"), QStringLiteral("4"));
        driver::Enter(edit("ratingEdit"), QStringLiteral("-1"));
        driver::Enter(edit("ammoBaseCostEdit"), QStringLiteral("1.000"));
        QCOMPARE(edit("ammoBaseCostEdit")->text(), QStringLiteral("1"));
        driver::Enter(edit("ammoBaseCostEdit"), QStringLiteral("0.125"));
        QCOMPARE(record().Accuracy, 1);
        QCOMPARE(record().Rating, -1);
        QCOMPARE(record().AmmoBaseCost, 0.125);
        QCOMPARE(edit("accuracyEdit")->text(), QStringLiteral("+1"));
        QCOMPARE(edit("rofEdit")->text(), QStringLiteral("+4"));
        QCOMPARE(edit("ratingEdit")->text(), QStringLiteral("-1"));
        QCOMPARE(edit("ammoBaseCostEdit")->text(), QStringLiteral("0.125"));
        {
            const driver::GermanLocale german;
            driver::Enter(edit("ammoBaseCostEdit"), QStringLiteral("2,5"));
            QCOMPARE(record().AmmoBaseCost, 2.5);
            QCOMPARE(edit("ammoBaseCostEdit")->text(), QStringLiteral("2.5"));
            QVERIFY(m_dialogs->errors.isEmpty());
        }
        // A number wider than its box reads from its start once left: the sign shows.
        driver::Enter(edit("ratingEdit"), QStringLiteral("-2147483648"));
        QCOMPARE(edit("ratingEdit")->cursorPosition(), 0);
    }

    void textThatIsNoNumberIsRefused()
    {
        driver::Enter(edit("damageEdit"), QStringLiteral("7"));
        driver::Enter(edit("damageEdit"), QStringLiteral("x7"));
        QCOMPARE(record().Damage, 7);
        QCOMPARE(edit("damageEdit")->text(), QStringLiteral("7"));
        driver::Enter(edit("ammoBaseCostEdit"), QStringLiteral("cheap"));
        QCOMPARE(record().AmmoBaseCost, 0.0);
        QCOMPARE(m_dialogs->errors,
                 (QStringList{"'x7' is not a valid integer value", "'cheap' is not a valid floating point value"}));
    }

    void checkBoxesSetTheirOwnFlags()
    {
        box(QStringLiteral("incendiaryBox"))->click();
        QVERIFY(record().Incendiary);
        box(QStringLiteral("disposableBox"))->click();
        QVERIFY(record().Disposable);
        QVERIFY(!record().Entangle);

        QCheckBox *slowBurnAllowed = box(QStringLiteral("cbAllowed18"));
        QCOMPARE(slowBurnAllowed->text(), QStringLiteral("Slow Burn Incendiary"));
        slowBurnAllowed->click();
        QVERIFY(record().BaseAmmo.Allowed[18]);
        QVERIFY(!record().BaseAmmo.Selected[18]);
        QVERIFY(!record().BaseAmmo.Free[18]);
        box(QStringLiteral("cbBase4"))->click();
        box(QStringLiteral("cbFree4"))->click();
        QVERIFY(record().BaseAmmo.Selected[4]);
        QVERIFY(record().BaseAmmo.Free[4]);
        QVERIFY(!record().BaseAmmo.Allowed[4]);
        QCOMPARE(box(QStringLiteral("cbBase11"))->text(), QStringLiteral("Airborne Torp"));
        QCOMPARE(box(QStringLiteral("cbFree23"))->text(), QStringLiteral("Artillery Guided"));
    }

    void untouchedFieldsKeepTheirValues()
    {
        WeaponRecord r = DefaultWeaponRecord();
        r.WeaponType = 2;
        r.SniperSystem = true;
        r.AccMod = -1;
        r.Arc = 8;
        r.NumberOfItems = 4;
        r.BaseAmmo.Amount = 30;
        r.Haywire = true;
        open(r);
        QVERIFY(box(QStringLiteral("haywireBox"))->isChecked());
        box(QStringLiteral("haywireBox"))->click();
        QCOMPARE(record().WeaponType, 6);
        QVERIFY(record().SniperSystem);
        QCOMPARE(record().AccMod, -1);
        QCOMPARE(record().Arc, 8);
        QCOMPARE(record().NumberOfItems, 4);
        QCOMPARE(record().BaseAmmo.Amount, 30);
        QVERIFY(!record().Haywire);
    }

    void resetStartsFromTheDefaultRecord()
    {
        driver::Enter(edit("nameEdit"), QStringLiteral("Hammer"));
        box(QStringLiteral("antiInfantryBox"))->click();
        QTest::mouseClick(m_dialog->findChild<QPushButton *>(QStringLiteral("bReset")), Qt::LeftButton);
        WeaponRecord expected = DefaultWeaponRecord();
        expected.WeaponType = 6;
        QVERIFY(record() == expected);
        QCOMPARE(edit("nameEdit")->text(), QStringLiteral("Untitled"));
        QVERIFY(!box(QStringLiteral("antiInfantryBox"))->isChecked());
    }

    void okTakesTheBoxBeingTyped()
    {
        edit("minSizeEdit")->setFocus();
        QTRY_VERIFY(edit("minSizeEdit")->hasFocus());
        driver::Type(edit("minSizeEdit"), QStringLiteral("6"));
        m_dialog->accept();
        QCOMPARE(record().MinSize, 6);
    }

    // Tab goes as the General page reads: the name and the code, down the left column, down
    // the right one, the flags, then the buttons from left to right.
    void tabFollowsTheFieldsAsTheyAreLaidOut()
    {
        m_dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
        edit("nameEdit")->setFocus(Qt::TabFocusReason);
        QStringList fields;
        QList<QPushButton *> buttons;
        for (int step = 0; step < 30 && buttons.size() < 4; ++step) {
            QWidget *focus = QApplication::focusWidget();
            if (auto *button = qobject_cast<QPushButton *>(focus))
                buttons << button;
            else
                fields << focus->objectName();
            QTest::keyClick(focus, Qt::Key_Tab);
        }
        QCOMPARE(fields, QStringList({"nameEdit",         "codeEdit",         "ratingEdit",       "baseRangeEdit",
                                      "mediumBonusEdit",  "longBonusEdit",    "extremeBonusEdit", "ammoBaseCostEdit",
                                      "accuracyEdit",     "damageEdit",       "rofEdit",          "minSizeEdit",
                                      "areaEffectEdit",   "minimumRangeEdit", "damagePerRbEdit",  "antiInfantryBox",
                                      "guidedBox",        "haywireBox",       "incendiaryBox",    "indirectFireBox",
                                      "armorPiercingBox", "armorCrushingBox", "clumsyBox",        "entangleBox",
                                      "disposableBox"}));
        QCOMPARE(buttons.size(), 4);
        for (int i = 1; i < buttons.size(); ++i)
            QVERIFY(buttons[i - 1]->mapToGlobal(QPoint()).x() < buttons[i]->mapToGlobal(QPoint()).x());
    }

    void helpAndWindowSlot()
    {
        QTest::mouseClick(m_dialog->findChild<QPushButton *>(QStringLiteral("bHelp")), Qt::LeftButton);
        QCOMPARE(m_dialogs->informations.size(), 1);
        m_dialog->resize(780, 540);
        m_dialog->reject();
        QCOMPARE(m_data->positions[1].Width, 780);
        QCOMPARE(m_data->positions[1].Height, 540);
        open(DefaultWeaponRecord());
        QCOMPARE(m_dialog->width(), 780);
    }
};

} // namespace aw

QTEST_MAIN(aw::CustomWeaponDialogTest)
#include "tst_customweapondialog.moc"
