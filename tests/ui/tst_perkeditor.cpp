// The perk editor: which controls an entry shows, the live refresh of name, value, rating
// and effect, the number limits, the custom panel, the defect options, the adopted flaws
// of the flaw defects, and OK against Cancel.
#include "support/EditorDriver.h"
#include "support/MemoryProgramData.h"
#include "support/PerkTestLibraries.h"
#include "support/ScriptedDialogs.h"

#include "engine/PerkEntry.h"
#include "engine/PerkList.h"
#include "engine/PerkTemplates.h"
#include "ui/dialogs/PerkEditorDialog.h"
#include "ui/dialogs/PerkNumberPanel.h"
#include "ui/widgets/SpinButton.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>

#include <memory>

namespace aw {

class PerkEditorTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<MemoryProgramData> m_data;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    std::unique_ptr<PerkEditorDialog> m_editor;
    PerkList m_flaws;
    PerkVehicleData m_vehicle{2, 3, 4, 5, 3};

    PerkEditorDialog &open(const PerkRecord &record)
    {
        m_editor = std::make_unique<PerkEditorDialog>(record, m_vehicle, m_flaws);
        return *m_editor;
    }
    template <typename T> T *control(const char *name)
    {
        T *found = m_editor->findChild<T *>(QString::fromLatin1(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    QString text(const char *label) { return control<QLabel>(label)->text(); }
    bool shown(const char *name) { return control<QWidget>(name)->isVisibleTo(m_editor.get()); }
    void enter(const char *edit, const QString &value) { driver::Enter(control<QLineEdit>(edit), value); }
    void choose(const char *combo, int item)
    {
        auto *box = control<QComboBox>(combo);
        box->setCurrentIndex(item);
        emit box->activated(item);
    }
    void chooseFlaw(int row) { control<QListWidget>("flawList")->setCurrentRow(row); }
    void spin(const char *name, bool up)
    {
        SpinButton *button = control<SpinButton>(name);
        if (up)
            driver::SpinUp(button);
        else
            driver::SpinDown(button);
    }
    QStringList options()
    {
        QStringList texts;
        for (QRadioButton *button : control<QGroupBox>("optionsGroup")->findChildren<QRadioButton *>())
            texts << button->text();
        return texts;
    }
    static PerkRecord defect(int index) { return DefectTemplates()[static_cast<size_t>(index)]; }

private slots:
    void init()
    {
        m_data = std::make_unique<MemoryProgramData>();
        m_dialogs = std::make_unique<ScriptedDialogs>();
        m_flaws.Clear();
        for (int i = 0; i < 4; ++i)
            m_flaws.Add(PerkTestLibraries::Flaw(i));
    }

    void cleanup()
    {
        m_editor.reset();
        m_dialogs.reset();
        m_data.reset();
    }

    void customPerkShowsWorthAndAmountInItsName()
    {
        open(CustomEntryTemplate(PerkKind::Perk));
        enter("customValueEdit", QStringLiteral("5"));
        QCOMPARE(text("worthLabel"), QStringLiteral("5"));
        QCOMPARE(text("nameLabel"), QStringLiteral("Custom Perk.c"));
        QCOMPARE(m_editor->windowTitle(), QStringLiteral("Custom Perk.c"));
        enter("amountEdit", QStringLiteral("2"));
        QCOMPARE(text("nameLabel"), QStringLiteral("Custom Perk x2.c"));
        QCOMPARE(text("worthLabel"), QStringLiteral("10"));
        QCOMPARE(m_editor->Record().Amount, 2);
        QCOMPARE(m_editor->Record().X, 5.0);
        QCOMPARE(text("kindLabel"), QStringLiteral("Perk"));
        // A name is shown as typed, whatever markup it looks like.
        QCOMPARE(control<QLabel>("nameLabel")->textFormat(), Qt::PlainText);
    }

    // Its height follows what the entry shows, not the size of the editor closed last, and
    // leaves room for every control.
    void heightFollowsTheEntry()
    {
        QList<int> heights;
        for (int run = 0; run < 2; ++run) {
            PerkEditorDialog &editor = open(CustomEntryTemplate(PerkKind::Perk));
            QVERIFY(editor.height() >= editor.sizeHint().height());
            heights << editor.height();
            editor.done(QDialog::Accepted); // stores where it was
        }
        QCOMPARE(heights[1], heights[0]);
    }

    void customEntryShowsOnlyItsPanelAndAmount()
    {
        PerkRecord custom = CustomEntryTemplate(PerkKind::Flaw);
        custom.ShowFormula = true;
        custom.ShowRating = true;
        custom.HasArc = true;
        open(custom);
        QVERIFY(shown("pnlCustom"));
        QVERIFY(shown("pnlAmount"));
        for (const char *hidden : {"ratingPanel", "xValuePanel", "yValuePanel", "zValuePanel", "pnlArc", "pnlLocation",
                                   "outsideOTV", "InsideOTV", "optionsGroup", "flawList", "formulaMemo"})
            QVERIFY2(!shown(hidden), hidden);
        QCOMPARE(m_editor->width(), PerkEditorDialog::NormalWidth);
        QVERIFY(!control<QPlainTextEdit>("effectMemo")->isReadOnly());
        QVERIFY(!m_editor->Record().ShowFormula);
        QCOMPARE(text("kindLabel"), QStringLiteral("Flaw"));
    }

    void customNumbersAreTakenAsTypedNegativeIncluded()
    {
        open(CustomEntryTemplate(PerkKind::Flaw));
        enter("maneuverModEdit", QStringLiteral("-3"));
        enter("customCostEdit", QStringLiteral("-100.5"));
        enter("addedCrewEdit", QStringLiteral("-1"));
        enter("addedActionsEdit", QStringLiteral("2"));
        QCOMPARE(m_editor->Record().ManeuverMod, -3);
        QCOMPARE(m_editor->Record().CostValue, -100.5);
        QCOMPARE(m_editor->Record().AddedCrewValue, -1);
        QCOMPARE(m_editor->Record().AddedActionsValue, 2);
        enter("armorModEdit", QStringLiteral("abc"));
        QCOMPARE(m_editor->Record().ArmorMod, 0);
        QCOMPARE(control<QLineEdit>("armorModEdit")->text(), QStringLiteral("0"));
        const driver::GermanLocale german;
        enter("customCostEdit", QStringLiteral("-7,25"));
        QCOMPARE(m_editor->Record().CostValue, -7.25);
        QCOMPARE(control<QLineEdit>("customCostEdit")->text(), QStringLiteral("-7.25"));
    }

    void customRatingIsShownOnlyWhenNotZero()
    {
        open(CustomEntryTemplate(PerkKind::Perk));
        enter("customRatingEdit", QStringLiteral("2.5"));
        QVERIFY(m_editor->Record().ShowRating);
        QCOMPARE(text("ratingLabel"), QStringLiteral("2.5"));
        enter("customRatingEdit", QStringLiteral("0"));
        QVERIFY(!m_editor->Record().ShowRating);
        QCOMPARE(text("ratingLabel"), QString());
    }

    void customOtvChoiceSetsOneFlagAndClearsTheOther()
    {
        open(CustomEntryTemplate(PerkKind::Perk));
        choose("otvBox", 1);
        QVERIFY(m_editor->Record().InsideOTV);
        QVERIFY(!m_editor->Record().OutsideOTV);
        choose("otvBox", 2);
        QVERIFY(!m_editor->Record().InsideOTV);
        QVERIFY(m_editor->Record().OutsideOTV);
        choose("otvBox", 0);
        QVERIFY(!m_editor->Record().InsideOTV);
        QVERIFY(!m_editor->Record().OutsideOTV);
    }

    void majorFlawCannotBeAcceptedUntilAFlawOfMinusTwoIsChosen()
    {
        open(defect(5));
        QCOMPARE(m_editor->width(), PerkEditorDialog::FlawListWidth);
        QVERIFY(shown("flawList"));
        QCOMPARE(text("flawHeading"), QStringLiteral("A Flaw worth -2 or worse"));
        QCOMPARE(control<QListWidget>("flawList")->count(), 4);
        QCOMPARE(control<QListWidget>("flawList")->item(1)->text(), QStringLiteral("Weak Point"));
        auto *ok = control<QPushButton>("okButton");
        QVERIFY(!ok->isEnabled());

        chooseFlaw(1); // worth -1
        QCOMPARE(m_editor->Record().PFDName, std::string("Weak Point"));
        QVERIFY(!ok->isEnabled());
        ok->click();
        QCOMPARE(m_editor->result(), int(QDialog::Rejected));

        chooseFlaw(2); // worth -2
        QVERIFY(ok->isEnabled());
        QCOMPARE(m_editor->Record().WorthFormula, WorthMajorFlawDefect);
        QCOMPARE(m_editor->Record().Variant, 0);
        QCOMPARE(text("worthLabel"), QStringLiteral("-2"));
        ok->click();
        QCOMPARE(m_editor->result(), int(QDialog::Accepted));
    }

    void adoptedFlawBringsItsPanels()
    {
        open(defect(4));
        QCOMPARE(text("flawHeading"), QStringLiteral("A Flaw"));
        QVERIFY(control<QPushButton>("okButton")->isEnabled());
        QVERIFY(!shown("ratingPanel"));
        chooseFlaw(3); // "Unstable": rating 1 x -3, rating shown
        QCOMPARE(m_editor->Record().WorthFormula, WorthMinorFlawDefect);
        QCOMPARE(m_editor->Record().Variant, 3);
        QVERIFY(shown("ratingPanel"));
        QCOMPARE(control<PerkNumberPanel>("ratingPanel")->Caption()->text(), QStringLiteral("Rating"));
        QCOMPARE(text("worthLabel"), QStringLiteral("-3"));
        QCOMPARE(text("ratingLabel"), QStringLiteral("1"));

        // Opened again, the adopted flaw is the list's choice; reaching the list by Tab
        // (which makes a row current) chooses no other.
        open(PerkRecord(m_editor->Record()));
        QCOMPARE(control<QListWidget>("flawList")->currentRow(), 3);
        open(defect(4));
        auto *list = control<QListWidget>("flawList");
        QFocusEvent tabbedIn(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(list, &tabbedIn);
        QCOMPARE(list->currentRow(), 0);
        QCOMPARE(m_editor->Record().PFDName, defect(4).PFDName);
    }

    void defectKindsShowOnlyTheirOptions()
    {
        open(defect(0));
        QVERIFY(shown("optionsGroup"));
        QCOMPARE(options(), QStringList({"-1 maneuvering", "-10% to armor, rounding up"}));
        for (const char *hidden : {"ratingPanel", "pnlAmount", "pnlArc", "pnlCustom", "flawList", "InsideOTV"})
            QVERIFY2(!shown(hidden), hidden);
        control<QGroupBox>("optionsGroup")->findChildren<QRadioButton *>()[1]->click();
        QCOMPARE(m_editor->Record().Variant, 1);
        QCOMPARE(m_editor->Record().EffectText, std::string("-10% to armor, rounding up"));
        QCOMPARE(control<QPlainTextEdit>("effectMemo")->toPlainText(), QStringLiteral("-10% to armor, rounding up"));

        open(defect(1));
        QCOMPARE(options(), QStringList({"-1 targeting", "-1 sensors", "-1 communications"}));

        open(defect(2));
        QCOMPARE(options(), QStringList({"-1 maneuver", "-10% speed (min 1 MP)"}));
        QVERIFY(control<QGroupBox>("optionsGroup")->findChildren<QRadioButton *>()[0]->isChecked());
    }

    void libraryPerkPanelsFollowItsFlags()
    {
        open(PerkTestLibraries::Perk(0)); // rating, arc, formula shown
        QVERIFY(shown("ratingPanel"));
        QCOMPARE(control<PerkNumberPanel>("ratingPanel")->Caption()->text(), QStringLiteral("Rating"));
        QCOMPARE(control<QLineEdit>("ratingEdit")->text(), QStringLiteral("1"));
        QVERIFY(shown("pnlArc"));
        for (const char *hidden : {"xValuePanel", "yValuePanel", "zValuePanel", "pnlAmount", "pnlLocation",
                                   "outsideOTV", "InsideOTV", "optionsGroup", "pnlCustom", "flawList"})
            QVERIFY2(!shown(hidden), hidden);
        QVERIFY(shown("formulaMemo"));
        QCOMPARE(control<QPlainTextEdit>("formulaMemo")->toPlainText(),
                 QStringLiteral(" Formula\n  0.5 * Rating, per arc"));
        QCOMPARE(control<QPlainTextEdit>("effectMemo")->height(), 49);
        QVERIFY(control<QPlainTextEdit>("effectMemo")->isReadOnly());
        QCOMPARE(text("worthLabel"), QStringLiteral("0.5"));
        // The read-only memos are no Tab stops: the dialog opens in the first box to type in.
        m_editor->show();
        QVERIFY(QTest::qWaitForWindowActive(m_editor.get()));
        QCOMPARE(QApplication::focusWidget(), control<QWidget>("ratingEdit"));

        // In a larger font (as on a display scaled to 150 %) both lines of the formula still show.
        const struct LargerFont {
            QFont before = QApplication::font();
            LargerFont()
            {
                QFont larger = before;
                larger.setPointSizeF(before.pointSizeF() * 1.5);
                QApplication::setFont(larger);
            }
            ~LargerFont() { QApplication::setFont(before); }
        } larger;
        open(PerkTestLibraries::Perk(0));
        m_editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_editor.get()));
        auto *formula = control<QPlainTextEdit>("formulaMemo");
        QTextCursor end(formula->document());
        end.movePosition(QTextCursor::End);
        QVERIFY(formula->cursorRect(end).bottom() < formula->viewport()->height());

        open(PerkTestLibraries::Perk(1)); // amount and "Can Punch"
        QVERIFY(shown("InsideOTV"));
        QVERIFY(shown("pnlAmount"));
        QVERIFY(!shown("formulaMemo"));
        QCOMPARE(control<QPlainTextEdit>("effectMemo")->height(), 89);
        auto *punch = control<QCheckBox>("insideOtvBox");
        QCOMPARE(punch->text(), QStringLiteral("Can Punch"));
        punch->click();
        QVERIFY(m_editor->Record().InsideOTV);
    }

    void numbersNeverGoBelowZero()
    {
        open(PerkTestLibraries::Perk(0));
        enter("ratingEdit", QStringLiteral("-3"));
        QCOMPARE(m_editor->Record().RatingValue, 0.0);
        QCOMPARE(control<QLineEdit>("ratingEdit")->text(), QStringLiteral("0"));
        spin("ratingSpin", false);
        QCOMPARE(m_editor->Record().RatingValue, 0.0);
        spin("ratingSpin", true);
        spin("ratingSpin", true);
        QCOMPARE(m_editor->Record().RatingValue, 2.0);
        QCOMPARE(text("worthLabel"), QStringLiteral("1"));
        enter("ratingEdit", QStringLiteral("0.5"));
        spin("ratingSpin", false);
        QCOMPARE(m_editor->Record().RatingValue, 0.0);
        enter("ratingEdit", QStringLiteral("1.5"));
        enter("ratingEdit", QStringLiteral("xyz"));
        QCOMPARE(m_editor->Record().RatingValue, 1.5);
        QCOMPARE(control<QLineEdit>("ratingEdit")->text(), QStringLiteral("1.5"));
        {
            const driver::GermanLocale german;
            enter("ratingEdit", QStringLiteral("2,5"));
            QCOMPARE(m_editor->Record().RatingValue, 2.5);
        }

        open(PerkTestLibraries::Perk(1));
        enter("amountEdit", QStringLiteral("-2"));
        QCOMPARE(m_editor->Record().Amount, 0);
        spin("amountSpin", false);
        QCOMPARE(m_editor->Record().Amount, 0);
        spin("amountSpin", true);
        QCOMPARE(m_editor->Record().Amount, 1);
    }

    // A spin click while a number is being typed steps the typed number.
    void spinStepsTheNumberBeingTyped()
    {
        open(PerkTestLibraries::Perk(0));
        driver::Type(control<QLineEdit>("ratingEdit"), QStringLiteral("4"));
        spin("ratingSpin", true);
        QCOMPARE(m_editor->Record().RatingValue, 5.0);
        open(PerkTestLibraries::Perk(1));
        driver::Type(control<QLineEdit>("amountEdit"), QStringLiteral("7"));
        spin("amountSpin", false);
        QCOMPARE(m_editor->Record().Amount, 6);
    }

    void arcAndLocationFillTheEffectText()
    {
        open(PerkTestLibraries::Perk(0));
        auto *arcs = control<QComboBox>("arcBox");
        QCOMPARE(arcs->count(), 9);
        QCOMPARE(arcs->itemText(8), QStringLiteral("T"));
        choose("arcBox", 5);
        QCOMPARE(m_editor->Record().Arc, 5);
        QCOMPARE(control<QPlainTextEdit>("effectMemo")->toPlainText(), QStringLiteral("1 ablative armor on FR"));

        open(PerkTestLibraries::Flaw(1));
        QVERIFY(shown("pnlLocation"));
        choose("locationBox", 3);
        QCOMPARE(m_editor->Record().Location, 3);
        QCOMPARE(control<QPlainTextEdit>("effectMemo")->toPlainText(), QStringLiteral("Weak Fi-Con"));
    }

    void typedEffectTextIsStoredCutTo250()
    {
        open(PerkTestLibraries::Flaw(0)); // formula 2: the text may be typed
        auto *memo = control<QPlainTextEdit>("effectMemo");
        QVERIFY(!memo->isReadOnly());
        memo->selectAll();
        QTest::keyClicks(memo, QStringLiteral("Loud engine"));
        driver::Leave(memo);
        QCOMPARE(m_editor->Record().EffectText, std::string("Loud engine"));

        memo->selectAll();
        QTest::keyClicks(memo, QString(300, QLatin1Char('e')));
        driver::Leave(memo);
        QCOMPARE(m_editor->Record().EffectText, std::string(250, 'e'));
    }

    void leavingTheMemoUntouchedKeepsTheTemplate()
    {
        PerkRecord perk = PerkTestLibraries::Perk(2);
        perk.TextEditable = 1;
        open(perk);
        auto *memo = control<QPlainTextEdit>("effectMemo");
        QVERIFY(!memo->isReadOnly());
        QCOMPARE(memo->toPlainText(), QStringLiteral("Seats 4"));
        driver::Leave(memo);
        QCOMPARE(m_editor->Record().EffectText, std::string("Seats |R|"));
    }

    // Return in a number box takes the number and leaves the dialog open; Return on a button
    // presses it, as Space does.
    void cancelLeavesTheEntryUnchangedAndOkHandsItBack()
    {
        const PerkRecord original = PerkTestLibraries::Perk(0);
        PerkRecord entry = original;
        m_dialogs->modal = [](QDialog &dialog) {
            driver::Enter(dialog.findChild<QLineEdit *>(QStringLiteral("ratingEdit")), QStringLiteral("4"));
            dialog.findChild<QPushButton *>(QStringLiteral("cancelButton"))->click();
            return dialog.result();
        };
        QVERIFY(!PerkEditorDialog::EditEntry(entry, m_vehicle, m_flaws));
        QCOMPARE(entry, original);

        int finishedByBox = -1;
        m_dialogs->modal = [&finishedByBox](QDialog &dialog) {
            QSignalSpy finished(&dialog, &QDialog::finished);
            auto *rating = dialog.findChild<QLineEdit *>(QStringLiteral("ratingEdit"));
            driver::Type(rating, QStringLiteral("4"));
            QTest::keyClick(rating, Qt::Key_Return);
            finishedByBox = static_cast<int>(finished.count());
            QTest::keyClick(dialog.findChild<QPushButton *>(QStringLiteral("okButton")), Qt::Key_Return);
            return dialog.result();
        };
        QVERIFY(PerkEditorDialog::EditEntry(entry, m_vehicle, m_flaws));
        QCOMPARE(finishedByBox, 0);
        QCOMPARE(entry.RatingValue, 4.0);

        m_dialogs->modal = [](QDialog &dialog) {
            QTest::keyClick(dialog.findChild<QPushButton *>(QStringLiteral("helpButton")), Qt::Key_Enter);
            return dialog.result();
        };
        PerkEditorDialog::EditEntry(entry, m_vehicle, m_flaws);
        QCOMPARE(m_dialogs->informations.size(), 1);
    }
};

} // namespace aw

QTEST_MAIN(aw::PerkEditorTest)
#include "tst_perkeditor.moc"
