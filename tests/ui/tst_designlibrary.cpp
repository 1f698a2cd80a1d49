// The design library window: a folder of designs scanned off the UI thread, sorted by the
// figures as numbers, filtered, kept current by the file watcher and by the editor's saves,
// and opening a design through the editor's save question.
#include "support/EditorDriver.h"
#include "support/EditorFixture.h"

#include "base/Files.h"
#include "engine/DesignFile.h"
#include "engine/Vehicle.h"
#include "tests/support/SampleDesigns.h"
#include "ui/MainWindow.h"
#include "ui/NativePath.h"
#include "ui/dialogs/DesignLibraryFilter.h"
#include "ui/dialogs/DesignLibraryModel.h"
#include "ui/dialogs/DesignLibraryWindow.h"
#include "ui/document/VehicleDocument.h"
#include "ui/roster/RosterDocument.h"
#include "ui/roster/RosterWindow.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

namespace aw {

namespace {

using Model = DesignLibraryModel;

// The texts of one column, top to bottom, as the window shows them.
QStringList ColumnTexts(const QAbstractItemModel &model, int column)
{
    QStringList texts;
    for (int row = 0; row < model.rowCount(); ++row)
        texts << model.index(row, column).data().toString();
    return texts;
}

int RowNamed(const QAbstractItemModel &model, const QString &name)
{
    return static_cast<int>(ColumnTexts(model, Model::NameColumn).indexOf(name));
}

} // namespace

class DesignLibraryTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_scratch;
    EditorFixture m_editor;

    QString path(const QString &name) const { return m_scratch.filePath(QStringLiteral("designs/") + name); }
    void save(const BaseVehicle &design, const QString &name) { SaveDesignFile(design, ToNativePath(path(name))); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_scratch.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                           m_scratch.filePath(QStringLiteral("settings")));
        QVERIFY(QDir(m_scratch.path()).mkpath(QStringLiteral("designs/sub")));
        // Threat values of one, three and five digits, so a text sort would put them out of order.
        save(*SmallDesign("Alpha", 1), QStringLiteral("alpha.vkd"));
        save(*SmallDesign("Bravo", 40), QStringLiteral("sub/bravo.vkd"));
        save(*HeavyDesign(), QStringLiteral("heavy.vkd"));
        const std::vector<uint8_t> whole = ReadWholeFile(ToNativePath(path(QStringLiteral("alpha.vkd"))));
        WriteFileAtomically(ToNativePath(path(QStringLiteral("broken.vkd"))),
                            std::vector<uint8_t>(whole.begin(), whole.begin() + whole.size() / 2));
        QVERIFY(m_editor.Start());
    }

    void cleanupTestCase() { m_editor.Stop(); }

    void listsSortsAndFiltersTheDesignsOfAFolder()
    {
        m_editor.Window->findChild<QAction *>(QStringLiteral("designLibraryAction"))->trigger();
        DesignLibraryWindow *library = m_editor.Window->DesignLibrary();
        QVERIFY(library && QTest::qWaitForWindowExposed(library));
        QVERIFY(!QSettings().contains(QStringLiteral("designLibraryFolders"))); // nothing stored until used

        m_editor.Dialogs->paths << m_scratch.filePath(QStringLiteral("designs"));
        library->findChild<QPushButton *>(QStringLiteral("addFolderButton"))->click();
        QCOMPARE(m_editor.Dialogs->folderDialogs.size(), 1);
        QCOMPARE(QSettings().value(QStringLiteral("designLibraryFolders")).toStringList(),
                 QStringList{m_scratch.filePath(QStringLiteral("designs"))});
        QTRY_VERIFY(!library->Scanning() && library->Model()->rowCount() == 4);

        // The damaged file keeps its row, with its error in red and as the tooltip.
        const Model &model = *library->Model();
        const int broken =
            static_cast<int>(ColumnTexts(model, Model::FileColumn).indexOf(QStringLiteral("broken.vkd")));
        const QModelIndex error = model.index(broken, Model::NameColumn);
        QVERIFY2(error.data().toString().contains(QStringLiteral("broken.vkd")), qPrintable(error.data().toString()));
        QCOMPARE(error.data(Qt::ToolTipRole), error.data());
        QVERIFY(error.data(Qt::ForegroundRole).isValid());

        // Sorted by TV as numbers, highest first; the damaged file has none and comes last.
        QTableView *table = library->Table();
        table->sortByColumn(Model::ThreatValueColumn, Qt::DescendingOrder);
        const QStringList tvs = ColumnTexts(*library->Filter(), Model::ThreatValueColumn);
        QCOMPARE(tvs.size(), 4);
        QVERIFY2(tvs[0].toDouble() > tvs[1].toDouble() && tvs[1].toDouble() > tvs[2].toDouble() && tvs[3].isEmpty(),
                 qPrintable(tvs.join(QLatin1Char(' '))));
        QVERIFY2(tvs[0].size() > tvs[1].size() && tvs[1].size() > tvs[2].size(),
                 qPrintable(tvs.join(QLatin1Char(' '))));

        // Text in the name, type or file name; a TV range leaves out what has no TV.
        auto *text = library->findChild<QLineEdit *>(QStringLiteral("libraryTextFilter"));
        text->setText(QStringLiteral("BRAVO"));
        QCOMPARE(ColumnTexts(*library->Filter(), Model::NameColumn), QStringList{QStringLiteral("Bravo")});
        text->setText(QStringLiteral("heavy.vkd"));
        QCOMPARE(library->Filter()->rowCount(), 1);
        text->clear();
        library->findChild<QLineEdit *>(QStringLiteral("minimumTvEdit"))->setText(tvs[2]);
        auto *maximum = library->findChild<QLineEdit *>(QStringLiteral("maximumTvEdit"));
        maximum->setText(tvs[1]);
        QCOMPARE(ColumnTexts(*library->Filter(), Model::ThreatValueColumn), (QStringList{tvs[1], tvs[2]}));
        QCOMPARE(library->findChild<QLabel *>(QStringLiteral("designCountLabel"))->text(),
                 QStringLiteral("2 of 4 designs"));
        maximum->setText(QStringLiteral("many")); // not a number: no upper bound
        QCOMPARE(library->Filter()->rowCount(), 3);
        {
            const driver::GermanLocale german;
            maximum->setText(QString::number(tvs[1].toDouble() + 0.5).replace(QLatin1Char('.'), QLatin1Char(',')));
            QCOMPARE(library->Filter()->rowCount(), 2);
        }
        maximum->clear();
        library->findChild<QLineEdit *>(QStringLiteral("minimumTvEdit"))->clear();
        QCOMPARE(library->Filter()->rowCount(), 4);

        // A folder that is not there keeps its row, with the reason in red.
        const QString gone = m_scratch.filePath(QStringLiteral("gone \u6226\u8eca"));
        library->AddFolder(gone);
        QTRY_VERIFY(!library->Scanning() && model.rowCount() == 5);
        const QModelIndex goneRow =
            model.index(static_cast<int>(ColumnTexts(model, Model::FileColumn).indexOf(QFileInfo(gone).fileName())),
                        Model::NameColumn);
        QVERIFY2(goneRow.data().toString().contains(gone), qPrintable(goneRow.data().toString()));
        QVERIFY(goneRow.data(Qt::ForegroundRole).isValid());
        // Letters Windows-1252 lacks are searched for, not left out.
        text->setText(QStringLiteral("\u6226\u8eca"));
        QCOMPARE(library->Filter()->rowCount(), 1);
        text->clear();
        library->RemoveFolder(gone);
        QTRY_VERIFY(!library->Scanning() && model.rowCount() == 4);
    }

    void followsFilesAddedChangedAndRemoved()
    {
        DesignLibraryWindow *library = m_editor.Window->DesignLibrary();
        const Model &model = *library->Model();
        save(*SmallDesign("Delta"), QStringLiteral("sub/delta.vkd"));
        QTRY_VERIFY(RowNamed(model, QStringLiteral("Delta")) >= 0);
        save(*SmallDesign("Delta Mk 2"), QStringLiteral("sub/delta.vkd"));
        QTRY_VERIFY(RowNamed(model, QStringLiteral("Delta Mk 2")) >= 0);
        QVERIFY(QFile::remove(path(QStringLiteral("sub/delta.vkd"))));
        QTRY_COMPARE(model.rowCount(), 4);
        QCOMPARE(RowNamed(model, QStringLiteral("Delta Mk 2")), -1);

        // A row with wider figures than those first measured widens their column.
        auto costly = SmallDesign("Costly");
        costly->CurrencyMultiplier = 1e12;
        save(*costly, QStringLiteral("sub/costly.vkd"));
        QTRY_VERIFY(RowNamed(model, QStringLiteral("Costly")) >= 0);
        auto *table = static_cast<QAbstractItemView *>(library->Table());
        QTRY_VERIFY(library->Table()->columnWidth(Model::FinalCostColumn) >=
                    table->sizeHintForColumn(Model::FinalCostColumn));
        QVERIFY(QFile::remove(path(QStringLiteral("sub/costly.vkd"))));
        QTRY_COMPARE(model.rowCount(), 4);
    }

    void opensARowInTheEditorAndShowsItsSaveAtOnce()
    {
        DesignLibraryWindow *library = m_editor.Window->DesignLibrary();
        QTableView *table = library->Table();
        const QAbstractItemModel &shown = *library->Filter();
        const QModelIndex bravo = shown.index(RowNamed(shown, QStringLiteral("Bravo")), Model::NameColumn);
        table->scrollTo(bravo);
        const QPoint at = table->visualRect(bravo).center();
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(m_editor.Window->Document().FileName(), path(QStringLiteral("sub/bravo.vkd")));

        // The editor's save shows in the row at once, before the watcher could tell.
        m_editor.Design().Name = "Bravo Prime";
        m_editor.Window->Document().SetModified();
        m_editor.Window->SaveDesign();
        QVERIFY(RowNamed(shown, QStringLiteral("Bravo Prime")) >= 0);

        // With unsaved changes the editor asks first; cancelled, the open design stays.
        m_editor.Window->Document().SetModified();
        const QModelIndex alpha = shown.index(RowNamed(shown, QStringLiteral("Alpha")), Model::NameColumn);
        emit table->activated(alpha);
        QCOMPARE(m_editor.Dialogs->unanswered.size(), 1);
        QCOMPARE(m_editor.Window->Document().FileName(), path(QStringLiteral("sub/bravo.vkd")));
        m_editor.Window->Document().ClearModified();

        // So is a value still being typed in the editor when the library is the active window.
        m_editor.Window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_editor.Window.get()));
        auto *crew = m_editor.Window->findChild<QLineEdit *>(QStringLiteral("eCrew"));
        crew->setFocus();
        QTRY_VERIFY(crew->hasFocus());
        driver::Type(crew, QStringLiteral("7"));
        // The library becomes the active window: the box keeps what was typed, untaken.
        library->activateWindow();
        table->setFocus();
        QTRY_VERIFY(table->hasFocus());
        emit table->activated(alpha);
        QCOMPARE(m_editor.Dialogs->unanswered.size(), 2);
        QCOMPARE(m_editor.Design().Crew, 7);
        QCOMPARE(m_editor.Window->Document().FileName(), path(QStringLiteral("sub/bravo.vkd")));
        m_editor.Window->Document().ClearModified();
    }

    void selectedRowsDragOutAsFilesAndGoToTheRoster()
    {
        DesignLibraryWindow *library = m_editor.Window->DesignLibrary();
        QTableView *table = library->Table();
        const QAbstractItemModel &shown = *library->Filter();
        table->clearSelection();
        for (const QString &name : {QStringLiteral("Alpha"), QStringLiteral("Bravo Prime")})
            table->selectionModel()->select(shown.index(RowNamed(shown, name), 0),
                                            QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QStringList expected{path(QStringLiteral("alpha.vkd")), path(QStringLiteral("sub/bravo.vkd"))};

        std::unique_ptr<QMimeData> mime(shown.mimeData(table->selectionModel()->selectedIndexes()));
        QStringList dragged;
        for (const QUrl &url : mime->urls())
            dragged << url.toLocalFile();
        dragged.sort();
        QCOMPARE(dragged, expected);

        QSignalSpy roster(library, &DesignLibraryWindow::AddToRosterRequested);
        library->findChild<QPushButton *>(QStringLiteral("addToRosterButton"))->click();
        QCOMPARE(roster.size(), 1);
        QStringList sent = roster.at(0).at(0).toStringList();
        sent.sort();
        QCOMPARE(sent, expected);
        // The editor hands them to the roster window, opening one when none is open.
        RosterWindow *window = m_editor.Window->CurrentRoster();
        QVERIFY(window);
        QStringList listed;
        for (const RosterEntry &entry : window->Document().Contents().Entries)
            listed << FromNativePath(entry.Design);
        listed.sort();
        QCOMPARE(listed, expected);
    }
};

} // namespace aw

QTEST_MAIN(aw::DesignLibraryTest)
#include "tst_designlibrary.moc"
