// The roster window: entries added by the slot, by a drop and from the editor, quantities
// edited in place with undo, totals against the budget as the core sums them, save and
// reopen, the PDF, and figures that follow the design files.
#include "support/EditorDriver.h"
#include "support/EditorFixture.h"

#include "base/Files.h"
#include "engine/DesignFile.h"
#include "output/RosterSummary.h"
#include "storage/RosterFile.h"
#include "tests/support/SampleDesigns.h"
#include "tests/support/TestFiles.h"
#include "ui/MainWindow.h"
#include "ui/NativePath.h"
#include "ui/StoredProgramData.h"
#include "ui/document/VehicleDocument.h"
#include "ui/roster/RosterDocument.h"
#include "ui/roster/RosterTableModel.h"
#include "ui/roster/RosterWindow.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSettings>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>
#include <QUrl>

#include <regex>

namespace aw {

namespace {

// Test program data with the program's own record-sheet layout, for the PDF.
class SheetLayoutData : public MemoryProgramData {
public:
    SheetLayoutSource SheetLayout(int layout) override { return StoredProgramData().SheetLayout(layout); }
};

// The totals label as the core's summary would write it for the roster.
QString CoreTotals(const Roster &roster)
{
    const RosterSummary summary = MakeRosterSummary(roster.Name, EvaluateRoster(roster));
    QStringList lines;
    for (const RosterSummary::Total &total : summary.Totals)
        lines << QString::fromStdString(total.Caption + ": " + total.Value);
    return lines.join(QLatin1Char('\n'));
}

QString ShownTotals(const RosterWindow &window)
{
    return window.findChild<QLabel *>(QStringLiteral("totalsLabel"))
        ->text()
        .replace(QStringLiteral("<br>"), "\n")
        .remove(QRegularExpression(QStringLiteral("<[^>]*>")));
}

int PdfPageCount(const std::string &pdf)
{
    const std::regex page(R"(/Type\s*/Page[^s])");
    return static_cast<int>(std::distance(std::sregex_iterator(pdf.begin(), pdf.end(), page), std::sregex_iterator()));
}

void DropFiles(QWidget &target, const QStringList &paths)
{
    QMimeData data;
    QList<QUrl> urls;
    for (const QString &path : paths)
        urls << QUrl::fromLocalFile(path);
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&target, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&target, &drop);
}

} // namespace

class RosterTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_folder;

    QString design(const QString &name, int32_t armor) const
    {
        const QString path = m_folder.filePath(name + QStringLiteral(".vkd"));
        auto vehicle = SmallDesign(name.toStdString(), armor);
        vehicle->CurrencyName = "Cr";
        SaveDesignFile(*vehicle, ToNativePath(path));
        return path;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_folder.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           m_folder.filePath(QStringLiteral("settings")));
    }

    void entriesEditedInPlaceWithUndoAndTotalsOfTheCore()
    {
        MemoryProgramData data;
        ScriptedDialogs dialogs;
        RosterWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(window.screen()->availableGeometry().contains(window.frameGeometry())); // even a small one
        // every button and box label answers to an Alt letter of its own
        QStringList captions;
        for (const QPushButton *button : window.findChildren<QPushButton *>())
            captions << button->text();
        for (const QLabel *label : window.findChildren<QLabel *>())
            captions << label->text();
        QSet<QChar> letters;
        for (const QString &caption : captions) {
            if (const qsizetype mark = caption.indexOf(QLatin1Char('&')); mark >= 0) {
                QVERIFY2(!letters.contains(caption[mark + 1].toLower()), qPrintable(caption));
                letters << caption[mark + 1].toLower();
            }
        }
        window.AddDesigns({design(QStringLiteral("Alpha"), 6)});
        DropFiles(window, {design(QStringLiteral("Bravo"), 10)});
        QAbstractItemModel *model = window.Table()->model();
        QCOMPARE(model->rowCount(), 2);
        QCOMPARE(model->index(1, RosterTableModel::Design).data().toString(), QStringLiteral("Bravo"));
        // a long name is cut to keep the numbers in sight, and shown whole in its tooltip
        const QString longName = QStringLiteral("Wide-Load ").repeated(19) + QStringLiteral("End");
        window.AddDesigns({design(longName, 8)});
        QVERIFY(window.Table()->columnWidth(RosterTableModel::Design) <
                window.Table()->fontMetrics().horizontalAdvance(longName) / 2);
        QCOMPARE(model->index(2, RosterTableModel::Design).data(Qt::ToolTipRole).toString(), longName);
        // on one line: a second one would show the halves of both
        QVERIFY(static_cast<QAbstractItemView *>(window.Table())->sizeHintForRow(2) <= window.Table()->rowHeight(2));
        window.Document().RemoveEntry(2);

        // The quantity is edited with a spin box in its cell.
        const QModelIndex quantity = model->index(0, RosterTableModel::Quantity);
        window.Table()->setCurrentIndex(quantity);
        window.Table()->edit(quantity);
        auto *box = window.Table()->findChild<QSpinBox *>(QStringLiteral("quantityBox"));
        QVERIFY(box);
        QCOMPARE(box->minimum(), 1);
        box->setValue(3);
        QTest::keyClick(box, Qt::Key_Return);
        QTRY_COMPARE(window.Document().Contents().Entries[0].Quantity, 3);
        QCOMPARE(ShownTotals(window), CoreTotals(window.Document().Contents()));

        auto *budget = window.findChild<QLineEdit *>(QStringLiteral("budgetEdit"));
        const double total = window.Document().Evaluation().Totals.ThreatValue;
        budget->setText(QString::number(total - 2.5));
        emit budget->editingFinished();
        QVERIFY(ShownTotals(window).contains(QStringLiteral("Over budget by: 2.5")));
        QCOMPARE(ShownTotals(window), CoreTotals(window.Document().Contents()));

        // Ctrl+Z takes back the budget, then the quantity; Ctrl+Y redoes.
        window.Table()->setFocus();
        QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(!window.Document().Contents().Budget);
        QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(model->index(0, RosterTableModel::Quantity).data().toInt(), 1);
        QTest::keyClick(&window, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(window.Document().Contents().Entries[0].Quantity, 3);

        window.Table()->selectRow(1);
        window.findChild<QPushButton *>(QStringLiteral("moveUpButton"))->click();
        QCOMPARE(model->index(0, RosterTableModel::Design).data().toString(), QStringLiteral("Bravo"));
        window.findChild<QPushButton *>(QStringLiteral("removeButton"))->click();
        QCOMPARE(model->rowCount(), 1);
        QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(model->rowCount(), 2);
        {
            const driver::GermanLocale german;
            budget->setText(QStringLiteral("12,5"));
            emit budget->editingFinished();
            QCOMPARE(window.Document().Contents().Budget, std::optional<double>(12.5));
        }

        // Closing with changes asks; Cancel keeps the window.
        QVERIFY(!window.close());
        QCOMPARE(dialogs.questions.size(), 1);
        window.Document().UndoStack()->setClean();
        // A name still being typed is a change too.
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto *name = window.findChild<QLineEdit *>(QStringLiteral("rosterNameEdit"));
        name->setFocus();
        QTest::keyClicks(name, QStringLiteral("Typed"));
        QVERIFY(!window.close());
        QCOMPARE(dialogs.questions.size(), 2);
        QVERIFY(window.Document().Contents().Name.ends_with("Typed"));
        window.Document().UndoStack()->setClean();
    }

    void savedRosterReopensWithTheSameTotalsAndPrintsEveryCopy()
    {
        SheetLayoutData data;
        ScriptedDialogs dialogs;
        const QString file = m_folder.filePath(QStringLiteral("force.json"));
        const QString pdf = m_folder.filePath(QStringLiteral("force.pdf"));
        {
            RosterWindow window;
            window.AddDesigns({design(QStringLiteral("Alpha"), 6), design(QStringLiteral("Bravo"), 10)});
            window.Document().SetQuantity(1, 2);
            window.Document().SetName(QStringLiteral("Kampfgruppe S\u00fcd 1/2"));
            dialogs.paths = {file};
            window.findChild<QPushButton *>(QStringLiteral("saveButton"))->click();
            QVERIFY(!window.Document().Modified());
            // the name proposed for the file holds nothing a file name cannot
            QCOMPARE(dialogs.saveDialogs.last().FileName, QStringLiteral("Kampfgruppe S\u00fcd 12.json"));
        }
        RosterWindow reopened;
        reopened.OpenFile(file);
        const Roster core = ReadRosterFile(ToNativePath(file));
        QCOMPARE(QString::fromStdString(core.Name), QStringLiteral("Kampfgruppe S\u00fcd 1/2"));
        QCOMPARE(ShownTotals(reopened), CoreTotals(core));

        // Written by another program meanwhile: Save asks before replacing it.
        Roster theirs = core;
        theirs.Name = "Theirs";
        WriteRosterFile(theirs, ToNativePath(file));
        dialogs.answers = {DialogAnswer::No, DialogAnswer::Yes};
        for (const char *name : {"Theirs", "Kampfgruppe S\xc3\xbc"
                                           "d 1/2"}) {
            reopened.findChild<QPushButton *>(QStringLiteral("saveButton"))->click();
            QCOMPARE(ReadRosterFile(ToNativePath(file)).Name, std::string(name));
        }
        QCOMPARE(dialogs.questions.size(), 2);
        QVERIFY(dialogs.questions[0].endsWith(QStringLiteral("Replace it with this roster?")));

        dialogs.paths = {pdf};
        reopened.findChild<QPushButton *>(QStringLiteral("exportPdfButton"))->click();
        QVERIFY2(dialogs.errors.isEmpty(), qPrintable(dialogs.errors.join(QLatin1Char('\n'))));
        QCOMPARE(PdfPageCount(ReadText(ToNativePath(pdf))), 1 + 1 + 2);
        // A design gone before the window heard of it (its folder renamed) is looked at again
        // first: the export goes on without its sheets, as the summary says.
        QVERIFY(QFile::rename(FromNativePath(core.Entries[1].Design), m_folder.filePath(QStringLiteral("moved.vkd"))));
        dialogs.paths = {pdf};
        reopened.findChild<QPushButton *>(QStringLiteral("exportPdfButton"))->click();
        QVERIFY2(dialogs.errors.isEmpty(), qPrintable(dialogs.errors.join(QLatin1Char('\n'))));
        QCOMPARE(PdfPageCount(ReadText(ToNativePath(pdf))), 1 + 1);
        QVERIFY(QFile::rename(m_folder.filePath(QStringLiteral("moved.vkd")), FromNativePath(core.Entries[1].Design)));
        reopened.Document().RefreshDesignsIn(QString());

        // The summary file's kind follows the name chosen.
        dialogs.paths = {m_folder.filePath(QStringLiteral("force.html")),
                         m_folder.filePath(QStringLiteral("force.txt"))};
        reopened.findChild<QPushButton *>(QStringLiteral("exportSummaryButton"))->click();
        reopened.findChild<QPushButton *>(QStringLiteral("exportSummaryButton"))->click();
        const std::string total = RosterThreatValueText(EvaluateRoster(core).Totals.ThreatValue);
        const std::string html = ReadText(ToNativePath(m_folder.filePath(QStringLiteral("force.html"))));
        QVERIFY(html.find("<h1>Kampfgruppe S\xc3\xbc"
                          "d 1/2</h1>") != std::string::npos);
        QVERIFY(html.find("<td class=\"number\">" + total + "</td>") != std::string::npos);
        const std::string text = ReadText(ToNativePath(m_folder.filePath(QStringLiteral("force.txt"))));
        QVERIFY(std::regex_search(text, std::regex("\nTotal TV: +" + total + "\n")));

        // Nothing made from the roster replaces the roster or one of its designs.
        const QString alpha = m_folder.filePath(QStringLiteral("Alpha.vkd"));
        dialogs.paths = {file, alpha};
        dialogs.fileType = 2; // All Files
        reopened.findChild<QPushButton *>(QStringLiteral("exportSummaryButton"))->click();
        dialogs.fileType = 1; // All Files
        reopened.findChild<QPushButton *>(QStringLiteral("exportPdfButton"))->click();
        // Nor is the roster itself saved over one of its designs.
        dialogs.paths = {alpha};
        reopened.findChild<QPushButton *>(QStringLiteral("saveAsButton"))->click();
        QCOMPARE(dialogs.errors.size(), 3);
        QVERIFY(dialogs.errors[0].endsWith(QStringLiteral("it would replace the input file ") + file));
        QVERIFY(dialogs.errors[1].endsWith(QStringLiteral("it would replace the input file ") + alpha));
        QVERIFY(dialogs.errors[2].endsWith(QStringLiteral("it would replace the input file ") + alpha));
        QCOMPARE(reopened.Document().FileName(), file);
        QCOMPARE(ShownTotals(reopened), CoreTotals(ReadRosterFile(ToNativePath(file))));
        QCOMPARE(LoadDesignFile(ToNativePath(alpha)).Design->Name, std::string("Alpha"));

        // Printing shows the same pages in the preview first.
        int previewPages = -1;
        dialogs.modal = [&](QDialog &dialog) {
            if (auto *preview = dialog.findChild<QPrintPreviewWidget *>()) {
                preview->updatePreview();
                previewPages = preview->pageCount();
            }
            return int(QDialog::Rejected);
        };
        reopened.findChild<QPushButton *>(QStringLiteral("printButton"))->click();
        QCOMPARE(previewPages, 1 + 1 + 2);
    }

    void followsTheEditorAndTheDesignFiles()
    {
        EditorFixture editor;
        QVERIFY(editor.Start());
        editor.Design().Name = "Unsaved";
        const QString file = m_folder.filePath(QStringLiteral("unsaved.vkd"));
        editor.Dialogs->answers = {DialogAnswer::Ok};
        editor.Dialogs->paths = {file};
        editor.Window->findChild<QAction *>(QStringLiteral("addToRosterAction"))->trigger();
        RosterWindow *roster = editor.Window->CurrentRoster();
        QVERIFY(roster);
        QCOMPARE(roster->Document().Contents().Entries.size(), size_t(1));
        QCOMPARE(FromNativePath(roster->Document().Contents().Entries[0].Design), file);
        const double before = roster->Document().Evaluation().Totals.ThreatValue;

        // Saved in the editor: the roster shows the new figures at once.
        editor.Design().Armor += 10;
        editor.Window->findChild<QAction *>(QStringLiteral("saveAction"))->trigger();
        QVERIFY(roster->Document().Evaluation().Totals.ThreatValue > before);

        // Written by someone else: the file watch brings the change, and a note being typed
        // stays as typed.
        const double saved = roster->Document().Evaluation().Totals.ThreatValue;
        const QModelIndex note = roster->Table()->model()->index(0, RosterTableModel::Note);
        roster->Table()->setCurrentIndex(note);
        roster->Table()->edit(note);
        auto *noteBox = roster->Table()->viewport()->findChild<QLineEdit *>();
        QVERIFY(noteBox);
        noteBox->setText(QStringLiteral("Lead"));
        auto other = SmallDesign("Unsaved", 1);
        SaveDesignFile(*other, ToNativePath(file));
        QTRY_VERIFY(roster->Document().Evaluation().Totals.ThreatValue < saved);
        QCOMPARE(noteBox->text(), QStringLiteral("Lead"));

        // Removed, then put back: the entry is shown missing, then read again.
        QVERIFY(QFile::remove(file));
        QTRY_VERIFY(!roster->Document().Evaluation().Lines[0].Readable());
        SaveDesignFile(*other, ToNativePath(file));
        QTRY_VERIFY(roster->Document().Evaluation().Lines[0].Readable());
        // Also in a folder that is not there yet.
        const QString later = m_folder.filePath(QStringLiteral("later/deeper/x.vkd"));
        roster->AddDesigns({later});
        QVERIFY(!roster->Document().Evaluation().Lines[1].Readable());
        QVERIFY(QDir().mkpath(QFileInfo(later).absolutePath()));
        SaveDesignFile(*other, ToNativePath(later));
        QTRY_VERIFY(roster->Document().Evaluation().Lines[1].Readable());
        // Replaced while a missing design beside it has the folder watched: the folder's event
        // must not cost the file's own, whichever of the two comes first (a few rounds).
        roster->AddDesigns({m_folder.filePath(QStringLiteral("not-yet-drawn.vkd"))});
        for (int armor = 20; armor <= 60; armor += 5) {
            const double before = roster->Document().Evaluation().Totals.ThreatValue;
            SaveDesignFile(*SmallDesign("Unsaved", armor), ToNativePath(file));
            QTRY_VERIFY(roster->Document().Evaluation().Totals.ThreatValue > before);
        }
        roster->Document().UndoStack()->setClean();
        editor.Stop();
    }
};

} // namespace aw

QTEST_MAIN(aw::RosterTest)
#include "tst_roster.moc"
