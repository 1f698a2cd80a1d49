// The General page: number boxes with their minimums and spin buttons, text fields,
// production group and the changes that do not count as unsaved.
#include "support/EditorDriver.h"
#include "support/EditorFixture.h"

#include "engine/Vehicle.h"
#include "ui/MainWindow.h"
#include "ui/document/VehicleDocument.h"
#include "ui/widgets/SpinButton.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <cmath>
#include <memory>

namespace aw {

class GeneralPageTest : public QObject {
    Q_OBJECT

private:
    EditorFixture m_editor;

    Vehicle &vehicle() { return m_editor.Design(); }
    QLineEdit *edit(const char *name) { return m_editor.Window->findChild<QLineEdit *>(QString::fromLatin1(name)); }
    SpinButton *spin(const char *name) { return m_editor.Window->findChild<SpinButton *>(QString::fromLatin1(name)); }
    QString label(const char *name) { return m_editor.Window->findChild<QLabel *>(QString::fromLatin1(name))->text(); }

private slots:
    void init() { QVERIFY(m_editor.Start()); }

    void cleanup() { m_editor.Stop(); }

    void unparsableCrewKeepsValueAndMarksModified()
    {
        driver::Enter(edit("eCrew"), QStringLiteral(" 3 ")); // spaces around a number do not matter
        QCOMPARE(vehicle().Crew, 3);
        vehicle().Modified = false;

        driver::Enter(edit("eCrew"), QStringLiteral("abc"));
        QCOMPARE(vehicle().Crew, 3);
        QCOMPARE(edit("eCrew")->text(), QStringLiteral("3"));
        QVERIFY(vehicle().Modified);
    }

    void armourTypedBelowOneIsRaisedAndTheBoxShowsTheStoredValue()
    {
        driver::Enter(edit("eArmor"), QStringLiteral("-3"));
        QCOMPARE(edit("eArmor")->text(), QStringLiteral("1"));
        QCOMPARE(vehicle().Armor, 1);

        // The spin button's own limit is 0, but the refresh that follows raises the armour
        // again for the final size: the box shows what the design holds.
        driver::SpinDown(spin("armorSpin"));
        QCOMPARE(vehicle().Armor, 1);
        QCOMPARE(edit("eArmor")->text(), QStringLiteral("1"));
    }

    void maneuverTypedAboveCapIsKeptUntilSpun()
    {
        driver::Enter(edit("eManeuver"), QStringLiteral("15"));
        QCOMPARE(vehicle().Maneuver, 15);
        QCOMPARE(edit("eManeuver")->text(), QStringLiteral("+15"));
        driver::SpinUp(spin("maneuverSpin"));
        QCOMPARE(vehicle().Maneuver, 10);
        driver::Enter(edit("eManeuver"), QStringLiteral("-12"));
        QCOMPARE(vehicle().Maneuver, -10);
    }

    void fireControlSpinStopsAtFive()
    {
        driver::Enter(edit("eFiCon"), QStringLiteral("+5"));
        QCOMPARE(vehicle().FireControl, 5);
        driver::SpinUp(spin("fireControlSpin"));
        QCOMPARE(vehicle().FireControl, 5);
        driver::Enter(edit("eFiCon"), QStringLiteral("-4"));
        driver::SpinDown(spin("fireControlSpin"));
        driver::SpinDown(spin("fireControlSpin"));
        QCOMPARE(vehicle().FireControl, -5);
        QCOMPARE(edit("eFiCon")->text(), QStringLiteral("-5"));
    }

    void deploymentSpinStepsByTenDownToZero()
    {
        driver::Enter(edit("eDeployment"), QStringLiteral("5"));
        driver::SpinUp(spin("deploymentSpin"));
        QCOMPARE(vehicle().Deployment, 15);
        driver::SpinDown(spin("deploymentSpin"));
        driver::SpinDown(spin("deploymentSpin"));
        QCOMPARE(vehicle().Deployment, 0);
    }

    // A spin click while a value is being typed steps the typed value.
    void spinStepsTheValueBeingTyped()
    {
        driver::Type(edit("eCrew"), QStringLiteral("5"));
        driver::SpinUp(spin("crewSpin"));
        QCOMPARE(vehicle().Crew, 6);
        QCOMPARE(edit("eCrew")->text(), QStringLiteral("6"));
        driver::Type(edit("eDeployment"), QStringLiteral("40"));
        driver::SpinDown(spin("deploymentSpin"));
        QCOMPARE(vehicle().Deployment, 30);
        // The arrow keys in the box step it as the buttons do; the buttons take no focus.
        driver::Type(edit("eCrew"), QStringLiteral("8"));
        QTest::keyClick(edit("eCrew"), Qt::Key_Up);
        QCOMPARE(vehicle().Crew, 9);
        QTest::keyClick(edit("eCrew"), Qt::Key_Down);
        QTest::keyClick(edit("eCrew"), Qt::Key_Down);
        QCOMPARE(vehicle().Crew, 7);
        // A click on another box's arrows takes what is typed here first.
        edit("eCrew")->setFocus();
        driver::Type(edit("eCrew"), QStringLiteral("9"));
        driver::SpinUp(spin("deploymentSpin"));
        QCOMPARE(vehicle().Crew, 9);
        QCOMPARE(vehicle().Deployment, 40);
    }

    void currencyMultiplierShowsTheShortestTextAndRefusesNegatives()
    {
        QLineEdit *multiplier = edit("eCurrMult");
        driver::Enter(multiplier, QStringLiteral("0.1"));
        QCOMPARE(vehicle().CurrencyMultiplier, 0.1);
        QCOMPARE(multiplier->text(), QStringLiteral("0.1"));
        driver::Enter(multiplier, QStringLiteral("1.3"));
        QCOMPARE(multiplier->text(), QStringLiteral("1.3"));
        driver::Enter(multiplier, QStringLiteral("-2"));
        QCOMPARE(vehicle().CurrencyMultiplier, 0.0);
        QCOMPARE(multiplier->text(), QStringLiteral("0"));
    }

    // The refresh's constraint pass raises the armour after the cost was taken: what is
    // shown is what the design holds.
    void resultsShowTheDesignAsTheRefreshLeftIt()
    {
        auto *mode = m_editor.Window->findChild<QComboBox *>(QStringLiteral("cbxPriMode"));
        mode->setCurrentIndex(mode->findText(QStringLiteral("Ground")));
        emit mode->activated(mode->currentIndex());
        driver::Enter(edit("ePriTopKPH"), QStringLiteral(" 120 "));
        driver::Enter(edit("eFinalSize"), QStringLiteral("4"));
        QCOMPARE(vehicle().Movement->Get(0).TopSpeed, 120.0);
        QCOMPARE(vehicle().Armor, 2);
        QCOMPARE(edit("eArmor")->text(), QStringLiteral("2"));
        QCOMPARE(label("lblFinalCost"), QStringLiteral("550,000.00 ") + QString::fromStdString(vehicle().CurrencyName));
        QCOMPARE(edit("eFinalSize")->text(), QString::number(vehicle().FinalSize));
    }

    void ratingsShowTheirSign()
    {
        driver::Enter(edit("eSensorRating"), QStringLiteral("2"));
        QCOMPARE(edit("eSensorRating")->text(), QStringLiteral("+2"));
        driver::Enter(edit("eComRating"), QStringLiteral("-9"));
        QCOMPARE(vehicle().CommRating, -5);
        QCOMPARE(edit("eComRating")->text(), QStringLiteral("-5"));
    }

    void rangeBoxesReadTheSeparatorsTheyShow()
    {
        driver::Enter(edit("eSensorRange"), QStringLiteral("1250"));
        QCOMPARE(vehicle().SensorRange, 1250.0);
        QCOMPARE(edit("eSensorRange")->text(), QStringLiteral("1,250.0"));
        // Leaving the box unchanged must not lose the value.
        driver::Leave(edit("eSensorRange"));
        QCOMPARE(vehicle().SensorRange, 1250.0);
        driver::Enter(edit("eComRange"), QStringLiteral("1,300.5"));
        QCOMPARE(vehicle().CommRange, 1300.5);
        driver::Enter(edit("eComRange"), QStringLiteral("-7"));
        QCOMPARE(vehicle().CommRange, 0.0);
        driver::SpinUp(spin("commRangeSpin"));
        QCOMPARE(vehicle().CommRange, 1.0);

        // Where the user's locale writes decimals with a comma, a typed comma is the decimal
        // one; a point and the box's own text still read as they do everywhere.
        const driver::GermanLocale german;
        driver::Enter(edit("eSensorRange"), QStringLiteral("1,25"));
        QCOMPARE(vehicle().SensorRange, 1.25);
        driver::Enter(edit("eSensorRange"), QStringLiteral("1,250.0"));
        QCOMPARE(vehicle().SensorRange, 1250.0);
        driver::Enter(edit("eSensorRange"), QStringLiteral("1.234,5"));
        QCOMPARE(vehicle().SensorRange, 1234.5);
        driver::Enter(edit("eCurrMult"), QStringLiteral("2,5"));
        QCOMPARE(vehicle().CurrencyMultiplier, 2.5);
        QCOMPARE(edit("eCurrMult")->text(), QStringLiteral("2.5"));
        driver::Enter(edit("eCurrMult"), QStringLiteral("0.5"));
        QCOMPARE(vehicle().CurrencyMultiplier, 0.5);
        driver::Enter(edit("eCurrMult"), QStringLiteral("1,5,0"));
        QCOMPARE(vehicle().CurrencyMultiplier, 0.5);
    }

    void currencyLabelIsCutToSixteen()
    {
        driver::Enter(edit("eCurrName"), QStringLiteral("ABCDEFGHIJKLMNOPQRST"));
        QCOMPARE(QString::fromStdString(vehicle().CurrencyName), QStringLiteral("ABCDEFGHIJKLMNOP"));
        QCOMPARE(edit("eCurrName")->text(), QStringLiteral("ABCDEFGHIJKLMNOP"));
        QVERIFY(label("lblFinalCost").endsWith(QStringLiteral(" ABCDEFGHIJKLMNOP")));
    }

    void defaultCostIsTheRoundedThreatValueInThousands()
    {
        driver::Enter(edit("eArmor"), QStringLiteral("7"));
        driver::Enter(edit("eCrew"), QStringLiteral("4"));
        const double tv = label("lblTV").toDouble();
        QVERIFY(tv > 0);
        const qint64 cost = label("lblDefaultCost").toLongLong();
        QCOMPARE(cost % 1000, 0);
        QCOMPARE(cost, static_cast<qint64>(std::nearbyint(tv)) * 1000);
    }

    void customThenStandardGivesTestbedPrototype()
    {
        auto *standard = m_editor.Window->findChild<QRadioButton *>(QStringLiteral("rbProStandard"));
        auto *custom = m_editor.Window->findChild<QRadioButton *>(QStringLiteral("rbProCustom"));
        auto *list = m_editor.Window->findChild<QComboBox *>(QStringLiteral("cbProStandard"));
        list->setCurrentIndex(4);
        emit list->activated(4);
        QCOMPARE(vehicle().ProductionType, 4);
        QCOMPARE(edit("eProStandard")->text(), QStringLiteral("High End Model"));

        QTest::mouseClick(custom, Qt::LeftButton);
        QCOMPARE(vehicle().ProductionType, 7);
        QVERIFY(!list->isEnabled());
        QVERIFY(edit("eProCustomModel")->isEnabled());
        QVERIFY(edit("eProStandard")->text().isEmpty());

        QTest::mouseClick(standard, Qt::LeftButton);
        QCOMPARE(vehicle().ProductionType, 0);
        QCOMPARE(list->currentText(), QStringLiteral("Testbed Prototype"));
        QCOMPARE(edit("eProStandardModel")->text(), QStringLiteral("12"));
        QCOMPARE(edit("eProStandardIndiv")->text(), QStringLiteral("2"));
        QCOMPARE(edit("eProStandardMult")->text(), QStringLiteral("100x"));
        QVERIFY(!edit("eProCustomModel")->isEnabled());
        QVERIFY(edit("eProCustomModel")->text().isEmpty());
    }

    void customProductionFieldsHaveTheirMinimums()
    {
        QTest::mouseClick(m_editor.Window->findChild<QRadioButton *>(QStringLiteral("rbProCustom")), Qt::LeftButton);
        driver::Enter(edit("eProCustomModel"), QStringLiteral("-4"));
        QCOMPARE(vehicle().CustomProduction.CustomModelDice, -1);
        driver::Enter(edit("eProCustomIndiv"), QStringLiteral("-4"));
        QCOMPARE(vehicle().CustomProduction.CustomIndivDice, 0);
        driver::Enter(edit("eProCustomMult"), QStringLiteral("2.5"));
        QCOMPARE(vehicle().CustomProduction.CustomCostMultiplier, 2.5);
        QCOMPARE(edit("eProCustomMult")->text(), QStringLiteral("2.5"));
        driver::Type(edit("eProCustomName"), QStringLiteral("Garage Job"));
        QCOMPARE(QString::fromStdString(vehicle().CustomProduction.CustomName), QStringLiteral("Garage Job"));
    }

    void productionTypeAboveSevenIsShownAsCustom()
    {
        vehicle().ProductionType = 12;
        m_editor.Window->ShowProduction();
        QCOMPARE(vehicle().ProductionType, 7);
        QVERIFY(m_editor.Window->findChild<QRadioButton *>(QStringLiteral("rbProCustom"))->isChecked());
        QVERIFY(!vehicle().Modified);
    }

    void sizeTypeAndAvailabilityAreNotUnsavedChanges()
    {
        auto *sizeType = m_editor.Window->findChild<QComboBox *>(QStringLiteral("cbSizeType"));
        sizeType->setCurrentIndex(3);
        emit sizeType->activated(3);
        QCOMPARE(vehicle().SizeType, 3);
        driver::Enter(edit("eAvail"), QStringLiteral("9"));
        QCOMPARE(vehicle().Availability, 9);
        driver::Enter(edit("eField"), QStringLiteral("12 units"));
        QCOMPARE(QString::fromStdString(vehicle().NumberOnField), QStringLiteral("12 units"));
        QVERIFY(!vehicle().Modified);

        m_editor.Window->NewDesign();
        QVERIFY(m_editor.Dialogs->questions.isEmpty());
        QCOMPARE(vehicle().SizeType, 0);
    }

    void dimensionTextsAreStoredWhileTyping()
    {
        driver::Type(edit("eHeight"), QStringLiteral("3.5 to 4"));
        QCOMPARE(QString::fromStdString(vehicle().Height), QStringLiteral("3.5 to 4"));
        QVERIFY(vehicle().Modified);
        const QString longText(300, QLatin1Char('x'));
        edit("eActualMass")->setMaxLength(1000);
        driver::Type(edit("eActualMass"), longText);
        QCOMPARE(vehicle().CombatMass.size(), size_t(250));
    }

    // A text wider than its box reads from its start when the program shows it, also in
    // answer to the user leaving it; typing keeps the cursor where it goes (the tests above).
    void shownTextsReadFromTheirStart()
    {
        vehicle().Name = "Panzerkampfwagen Ausf. Sonderausf\xfchrung";
        vehicle().Crew = 2147483647;
        vehicle().ProductionType = 3;
        m_editor.Window->ShowDesign();
        for (const char *name : {"eName", "eCrew", "eFinalSize", "eProStandard"}) {
            QVERIFY2(!edit(name)->text().isEmpty(), name);
            QVERIFY2(edit(name)->cursorPosition() == 0, name);
        }
        QCOMPARE(edit("eProStandard")->text(), QStringLiteral("New Release"));
        driver::Enter(edit("eCrew"), QStringLiteral(" 2147483647 "));
        QCOMPARE(edit("eCrew")->text(), QStringLiteral("2147483647"));
        QCOMPARE(edit("eCrew")->cursorPosition(), 0);
    }

    void fillingTheControlsIsNotAChange()
    {
        vehicle().Crew = 6;
        vehicle().CurrencyName = "Marks";
        m_editor.Window->ShowDesign();
        QCOMPARE(edit("eCrew")->text(), QStringLiteral("6"));
        QCOMPARE(edit("eCurrName")->text(), QStringLiteral("Marks"));
        QVERIFY(!vehicle().Modified);
    }
};

} // namespace aw

QTEST_MAIN(aw::GeneralPageTest)
#include "tst_generalpage.moc"
