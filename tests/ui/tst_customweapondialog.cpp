// The custom weapon editor: fields and their formats, cuts, conversion errors, the
// ammunition pages, Reset and the window position.
#include "support/EditorDriver.h"
#include "support/MemoryProgramData.h"
#include "support/ScriptedDialogs.h"

#include "ui/dialogs/CustomWeaponDialog.h"
#include "weapons/WeaponTexts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

class CustomWeaponDialogTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TMemoryProgramData> m_data;
    std::unique_ptr<TScriptedDialogs> m_dialogs;
    std::unique_ptr<TCustomWeaponDialog> m_dialog;

    QLineEdit *edit(const char *name) { return m_dialog->findChild<QLineEdit *>(QString::fromLatin1(name)); }
    QString label(const char *name) { return m_dialog->findChild<QLabel *>(QString::fromLatin1(name))->text(); }
    QCheckBox *box(const QString &name) { return m_dialog->findChild<QCheckBox *>(name); }
    const TWeaponRecord &record() { return m_dialog->Record(); }

    void open(const TWeaponRecord &r)
    {
        m_dialog = std::make_unique<TCustomWeaponDialog>(r);
        m_dialog->show();
    }

private slots:
    void init()
    {
        m_data = std::make_unique<TMemoryProgramData>();
        m_dialogs = std::make_unique<TScriptedDialogs>();
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
        QCOMPARE(edit("Edit1")->text(), QStringLiteral("Untitled"));
        QCOMPARE(edit("Edit2")->text(), QStringLiteral("NONE"));
        QCOMPARE(edit("Edit12")->text(), QStringLiteral("-1"));
        QCOMPARE(record().WeaponType, 6);
        auto *type = m_dialog->findChild<QComboBox *>(QStringLiteral("ComboBox1"));
        QCOMPARE(type->currentText(), QStringLiteral("custom"));
        QVERIFY(!type->isEnabled());
        QCOMPARE(type->count(), 7);
        QCOMPARE(SpecialCodes(record()), std::string("C"));
    }

    void textsAreCutToTheirWidth()
    {
        // Beyond what the box lets one type: a pasted or programmatic text.
        edit("Edit1")->setMaxLength(100);
        driver::Enter(edit("Edit1"), QString(70, QLatin1Char('w')));
        QCOMPARE(record().Name, std::string(64, 'w'));
        QCOMPARE(edit("Edit1")->text(), QString(64, QLatin1Char('w')));
        edit("Edit2")->setMaxLength(100);
        driver::Enter(edit("Edit2"), QStringLiteral("ABCDEFGHIJKL"));
        QCOMPARE(record().Code, std::string("ABCDEFGHIJ"));
        driver::Enter(edit("Edit2"), QString());
        QCOMPARE(record().Code, std::string());
    }

    void numbersShowTheirFormatAtTheNextRefresh()
    {
        driver::Enter(edit("Edit4"), QStringLiteral("3"));
        driver::Enter(edit("Edit5"), QStringLiteral("2"));
        driver::Enter(edit("Edit6"), QStringLiteral("-1"));
        driver::Enter(edit("Edit7"), QStringLiteral("0"));
        QCOMPARE(record().BaseRange, 3);
        QCOMPARE(record().MediumBonus, 2);
        QCOMPARE(record().LongBonus, -1);
        // Leaving a number box does not refresh: the ranges are still those of the old record.
        QCOMPARE(label("Label8"), QStringLiteral("0"));
        driver::Enter(edit("Edit1"), QStringLiteral("Lance")); // leaving the name refreshes
        QCOMPARE(label("Label8"), QStringLiteral("8"));
        QCOMPARE(label("Label9"), QStringLiteral("11"));
        QCOMPARE(label("Label10"), QStringLiteral("24"));
        QCOMPARE(edit("Edit5")->text(), QStringLiteral("+2"));
        QCOMPARE(edit("Edit6")->text(), QStringLiteral("-1"));
        QCOMPARE(edit("Edit7")->text(), QStringLiteral("0"));

        driver::Enter(edit("Edit8"), QStringLiteral("+1"));
        driver::Enter(edit("Edit10"), QStringLiteral("4"));
        driver::Enter(edit("Edit3"), QStringLiteral("-1"));
        driver::Enter(edit("Edit15"), QStringLiteral("0.125"));
        driver::Enter(edit("Edit1"), QStringLiteral("Lance II")); // a changed name refreshes
        QCOMPARE(record().Accuracy, 1);
        QCOMPARE(record().Rating, -1);
        QCOMPARE(record().AmmoBaseCost, 0.125);
        QCOMPARE(edit("Edit8")->text(), QStringLiteral("+1"));
        QCOMPARE(edit("Edit10")->text(), QStringLiteral("+4"));
        QCOMPARE(edit("Edit3")->text(), QStringLiteral("-1"));
        QCOMPARE(edit("Edit15")->text(), QStringLiteral("0.125"));
    }

    void textThatIsNoNumberIsRefused()
    {
        driver::Enter(edit("Edit9"), QStringLiteral("7"));
        driver::Enter(edit("Edit9"), QStringLiteral("x7"));
        QCOMPARE(record().Damage, 7);
        QCOMPARE(edit("Edit9")->text(), QStringLiteral("7"));
        driver::Enter(edit("Edit15"), QStringLiteral("cheap"));
        QCOMPARE(record().AmmoBaseCost, 0.0);
        QCOMPARE(m_dialogs->errors, (QStringList{"'x7' is not a valid integer value",
                                                 "'cheap' is not a valid floating point value"}));
    }

    void checkBoxesSetTheirOwnFlags()
    {
        box(QStringLiteral("CheckBox4"))->click();
        QVERIFY(record().Incendiary);
        box(QStringLiteral("CheckBox62"))->click();
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
        TWeaponRecord r = DefaultWeaponRecord();
        r.WeaponType = 2;
        r.SniperSystem = true;
        r.AccMod = -1;
        r.Arc = 8;
        r.NumberOfItems = 4;
        r.BaseAmmo.Amount = 30;
        r.Haywire = true;
        open(r);
        QVERIFY(box(QStringLiteral("CheckBox3"))->isChecked());
        box(QStringLiteral("CheckBox3"))->click();
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
        driver::Enter(edit("Edit1"), QStringLiteral("Hammer"));
        box(QStringLiteral("CheckBox1"))->click();
        QTest::mouseClick(m_dialog->findChild<QPushButton *>(QStringLiteral("bReset")), Qt::LeftButton);
        TWeaponRecord expected = DefaultWeaponRecord();
        expected.WeaponType = 6;
        QVERIFY(record() == expected);
        QCOMPARE(edit("Edit1")->text(), QStringLiteral("Untitled"));
        QVERIFY(!box(QStringLiteral("CheckBox1"))->isChecked());
    }

    void okTakesTheBoxBeingTyped()
    {
        edit("Edit11")->setFocus();
        QTRY_VERIFY(edit("Edit11")->hasFocus());
        driver::Type(edit("Edit11"), QStringLiteral("6"));
        m_dialog->accept();
        QCOMPARE(record().MinSize, 6);
    }

    void helpAndWindowSlot()
    {
        QTest::mouseClick(m_dialog->findChild<QPushButton *>(QStringLiteral("bHelp")), Qt::LeftButton);
        QCOMPARE(m_dialogs->informations.size(), 1);
        m_dialog->resize(900, 640);
        m_dialog->reject();
        QCOMPARE(m_data->positions[1].width, 900);
        QCOMPARE(m_data->positions[1].height, 640);
        open(DefaultWeaponRecord());
        QCOMPARE(m_dialog->width(), 900);
    }
};

QTEST_MAIN(CustomWeaponDialogTest)
#include "tst_customweapondialog.moc"
