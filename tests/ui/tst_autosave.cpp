// Autosave and crash recovery: when the recovery copy is written, that a worker thread writes
// it one copy at a time and never touches the design's own file, that a crashed session (a
// child editor killed outright) leaves a file the next start offers while a clean exit leaves
// none, and what each answer to the offer does.
#include "support/EditorFixture.h"

#include "base/Files.h"
#include "engine/DesignFile.h"
#include "engine/Vehicle.h"
#include "tests/support/SampleDesigns.h"
#include "tests/support/SampleRecords.h"
#include "ui/dialogs/RecoveryDialog.h"
#include "ui/document/Autosave.h"
#include "ui/document/RecoveryOffer.h"
#include "ui/document/RecoveryStore.h"
#include "ui/document/UndoHistory.h"
#include "ui/document/VehicleDocument.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLocale>
#include <QLockFile>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QUndoStack>

#include <QSemaphore>

#include <atomic>
#include <cstdio>
#include <memory>

namespace aw {

namespace {

const char *const kChildSwitch = "--autosave-child";

// The child editor: makes a change to a design carrying a large picture (unless "idle"), then
// either reports that it ends and ends cleanly, while the recovery copy is still being written,
// or reports once the copy is written (at once when idle) and waits to be killed.
int RunChild(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 5)
        return 2;
    const QString folder = QString::fromLocal8Bit(argv[2]);
    const bool idle = qstrcmp(argv[3], "idle") == 0;
    const bool crash = idle || qstrcmp(argv[3], "crash") == 0;
    VehicleDocument document;
    document.Design().FileName = argv[4];
    Autosave autosave(document, folder);
    QObject::connect(&autosave, &Autosave::Written, [] {
        std::printf("written\n");
        std::fflush(stdout);
    });
    if (idle) {
        std::printf("ready\n");
        std::fflush(stdout);
    } else {
        document.Design().Picture = TinyBitmap(2000, 1500);
        document.Design().Name = "Interrupted";
        document.Design().Armor = 17;
        document.SetModified();
        QCoreApplication::processEvents();
    }
    if (!crash) {
        std::printf("ending\n");
        std::fflush(stdout);
        return 0;
    }
    return QCoreApplication::exec();
}

QStringList DesignFiles(const QString &folder)
{
    return QDir(folder).entryList({QStringLiteral("*.vkd")}, QDir::Files);
}

} // namespace

class AutosaveTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_settings;
    std::unique_ptr<QTemporaryDir> m_folder;
    QString recoveryFolder() { return m_folder->filePath(QStringLiteral("recovery")); }
    QString userFile(const char *name) { return m_folder->filePath(QString::fromLatin1(name)); }

    // Starts a child editor that has written its recovery copy; the caller ends it.
    std::unique_ptr<QProcess> startChild(const char *mode, const QString &source)
    {
        auto child = std::make_unique<QProcess>();
        child->start(QCoreApplication::applicationFilePath(),
                     {QString::fromLatin1(kChildSwitch), recoveryFolder(), QString::fromLatin1(mode), source});
        if (!child->waitForStarted(10000))
            return nullptr;
        while (!child->canReadLine()) {
            if (!child->waitForReadyRead(10000))
                break;
        }
        return child;
    }

    // A recovery file as a crashed session leaves it: design and note, no live lock.
    // The note is as an earlier version wrote it (the path alone) unless one is given.
    QString leaveRecoveryFile(const char *session, const char *name, const QString &source, QByteArray note = {})
    {
        RecoveryStore store(recoveryFolder());
        QDir().mkpath(recoveryFolder());
        Vehicle design;
        design.Name = name;
        design.Armor = 21;
        SaveDesignFile(design, store.DesignPath(QString::fromLatin1(session)).toStdString());
        WriteFileAtomically(store.SourceNotePath(QString::fromLatin1(session)).toStdString(),
                            (note.isEmpty() ? source.toUtf8() : note).toStdString());
        return store.DesignPath(QString::fromLatin1(session));
    }

    QString saveUserDesign(const char *file, const char *name)
    {
        Vehicle design;
        design.Name = name;
        design.Armor = 2;
        SaveDesignFile(design, userFile(file).toStdString());
        return userFile(file);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_settings.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_settings.path());
    }

    void init()
    {
        m_folder = std::make_unique<QTemporaryDir>();
        QVERIFY(m_folder->isValid());
    }

    void cleanup() { m_folder.reset(); }

    void crashedSessionIsOfferedAndACleanExitIsNot()
    {
        const QString source = userFile("tank.vkd");
        std::unique_ptr<QProcess> clean = startChild("clean", source);
        QVERIFY(clean);
        QVERIFY(clean->waitForFinished(10000));
        QCOMPARE(clean->exitCode(), 0);
        QVERIFY(DesignFiles(recoveryFolder()).isEmpty());
        QVERIFY(RecoveryStore(recoveryFolder()).Orphans().isEmpty());

        std::unique_ptr<QProcess> crashing = startChild("crash", source);
        QVERIFY(crashing);
        QCOMPARE(crashing->readLine().trimmed(), QByteArray("written"));
        QCOMPARE(DesignFiles(recoveryFolder()).size(), 1);
        // While that editor runs its copy is its own: nobody else offers it.
        QVERIFY(RecoveryStore(recoveryFolder()).Orphans().isEmpty());

        crashing->kill(); // SIGKILL: no clean-up of any kind
        QVERIFY(crashing->waitForFinished(10000));
        const QList<RecoveryFile> orphans = RecoveryStore(recoveryFolder()).Orphans();
        QCOMPARE(orphans.size(), 1);
        QCOMPARE(orphans[0].DesignName, QStringLiteral("Interrupted"));
        QCOMPARE(orphans[0].SourcePath, source);
        QCOMPARE(LoadDesignFile(orphans[0].DesignPath.toStdString()).Design->Armor, 17);
        // Held for this session while it decides: a second look does not offer it again.
        QVERIFY(RecoveryStore(recoveryFolder()).Orphans().isEmpty());
        RecoveryStore::Remove(orphans[0]);
    }

    void lockOfACrashWithNothingUnsavedIsCleared()
    {
        std::unique_ptr<QProcess> idle = startChild("idle", QString());
        QVERIFY(idle);
        const QStringList lock = QDir(recoveryFolder()).entryList(QDir::Files);
        QCOMPARE(lock.size(), 1);
        // As if it had been killed in the middle of its first write.
        const QString session = QFileInfo(lock[0]).completeBaseName();
        for (const QString &name : {session + QStringLiteral(".vkd.Ab12Cd"), session + QStringLiteral(".txt")})
            QVERIFY(QFile(QDir(recoveryFolder()).filePath(name)).open(QIODevice::WriteOnly));
        QVERIFY(RecoveryStore(recoveryFolder()).Orphans().isEmpty());
        QCOMPARE(QDir(recoveryFolder()).entryList(QDir::Files).size(), 3); // still running
        idle->kill();
        QVERIFY(idle->waitForFinished(10000));
        QVERIFY(RecoveryStore(recoveryFolder()).Orphans().isEmpty());
        QVERIFY(QDir(recoveryFolder()).entryList(QDir::Files).isEmpty());
    }

    void firstChangeAfterAPauseIsWrittenAtOnceThenOnePerInterval()
    {
        // The intervals end when the test says so: one far longer than the test ends only
        // when it is set to 0.
        constexpr int kNeverEnds = 24 * 60 * 60 * 1000;
        VehicleDocument document;
        Autosave autosave(document, recoveryFolder());
        autosave.SetInterval(kNeverEnds);
        QSignalSpy written(&autosave, &Autosave::Written);
        QVERIFY(!autosave.WriteNow()); // nothing unsaved yet

        document.Design().Armor = 1;
        document.SetModified();
        QCOMPARE(written.count(), 0); // not before the handler has written its value
        QVERIFY(written.wait());
        QCOMPARE(LoadDesignFile(autosave.DesignPath().toStdString()).Design->Armor, 1);

        // Changes that follow wait for the interval and are written once.
        document.Design().Armor = 2;
        document.SetModified();
        document.Design().Armor = 3;
        document.SetModified();
        QCoreApplication::processEvents();
        autosave.FinishWrites();
        QCOMPARE(written.count(), 1);
        QVERIFY(autosave.IntervalRunning());
        autosave.SetInterval(0);
        QVERIFY(written.wait());
        QCOMPARE(written.count(), 2);
        QCOMPARE(LoadDesignFile(autosave.DesignPath().toStdString()).Design->Armor, 3);

        // An interval without changes ends the run; the next change is written at once.
        QTRY_VERIFY(!autosave.IntervalRunning());
        QCOMPARE(written.count(), 2);
        autosave.SetInterval(kNeverEnds);
        document.Design().Armor = 4;
        document.SetModified();
        QVERIFY(written.wait());

        // Saved under the copy's own name, the file is the user's: a saved design keeps it.
        document.SaveTo(autosave.DesignPath());
        QCOMPARE(LoadDesignFile(autosave.DesignPath().toStdString()).Design->Armor, 4);
    }

    // A copy that could not be written (a full disk, say) is tried again when the interval
    // ends, though nothing changed meanwhile; once written, the run ends as after any pause.
    void failedCopyIsTriedAgainWhenTheIntervalEnds()
    {
        VehicleDocument document;
        Autosave autosave(document, recoveryFolder());
        autosave.SetInterval(24 * 60 * 60 * 1000);
        QSignalSpy written(&autosave, &Autosave::Written);
        SetWriteFaultInjector([] { return false; });
        document.Design().Armor = 5;
        document.SetModified();
        QCoreApplication::processEvents();
        QVERIFY(!autosave.FinishWrites());
        SetWriteFaultInjector({});
        QVERIFY(!QFile::exists(autosave.DesignPath()));

        autosave.SetInterval(0);
        QVERIFY(written.wait());
        QCOMPARE(LoadDesignFile(autosave.DesignPath().toStdString()).Design->Armor, 5);
        QTRY_VERIFY(!autosave.IntervalRunning());
        QCOMPARE(written.count(), 1);
    }

    void copyIsWrittenOffTheWindowsThreadAsASaveWritesIt()
    {
        VehicleDocument document;
        document.Adopt(FullDesign(), QString());
        Autosave autosave(document, recoveryFolder());
        std::atomic<int> writesOnTheWindowsThread = 0, writesElsewhere = 0;
        QThread *const windowThread = QThread::currentThread();
        SetWriteFaultInjector([&] {
            ++(QThread::currentThread() == windowThread ? writesOnTheWindowsThread : writesElsewhere);
            return true;
        });
        QSignalSpy written(&autosave, &Autosave::Written);
        QVERIFY(autosave.WriteNow());
        QVERIFY(written.wait());
        SetWriteFaultInjector({});
        QCOMPARE(writesOnTheWindowsThread.load(), 0);
        QVERIFY(writesElsewhere > 0);
        const std::string saved = userFile("saved.vkd").toStdString();
        SaveDesignFile(document.Design(), saved);
        QVERIFY(ReadWholeFile(autosave.DesignPath().toStdString()) == ReadWholeFile(saved));

        // A copy that cannot be written is said once, not at every later failure.
        QSignalSpy trouble(&autosave, &Autosave::CannotKeepChanges);
        SetWriteFaultInjector([] { return false; });
        for (int failed = 0; failed < 2; ++failed) {
            QVERIFY(autosave.WriteNow());
            QVERIFY(!autosave.FinishWrites());
        }
        SetWriteFaultInjector({});
        QCOMPARE(trouble.size(), 1);
        QVERIFY(trouble[0][0].toString().contains(QStringLiteral("Cannot")));
        // Nor can a folder that is a file keep anything: the first change says so.
        Autosave nowhere(document, userFile("saved.vkd"));
        QSignalSpy noFolder(&nowhere, &Autosave::CannotKeepChanges);
        document.SetModified();
        document.SetModified();
        QCOMPARE(noFolder.size(), 1);
        QVERIFY2(noFolder[0][0].toString().contains(QStringLiteral("Cannot create folder")), // and why
                 qPrintable(noFolder[0][0].toString()));
    }

    // While a copy is written, later ones wait and only the newest is kept; one written after
    // the design was saved goes at once.
    void newestCopyWaitsForTheOneBeingWritten()
    {
        VehicleDocument document;
        Autosave autosave(document, recoveryFolder());
        QList<int> writtenArmor;
        connect(&autosave, &Autosave::Written, this,
                [&] { writtenArmor << LoadDesignFile(autosave.DesignPath().toStdString()).Design->Armor; });
        // The next write waits for the gate.
        QSemaphore gate;
        std::atomic<bool> holdNext = true;
        SetWriteFaultInjector([&] {
            if (holdNext.exchange(false))
                gate.acquire();
            return true;
        });
        for (int armor : {1, 2, 3}) {
            document.Design().Armor = armor;
            document.SetModified();
            QVERIFY(autosave.WriteNow());
        }
        gate.release();
        QVERIFY(autosave.FinishWrites());
        QCOMPARE(writtenArmor, (QList<int>{1, 3}));

        holdNext = true;
        document.Design().Armor = 4;
        QVERIFY(autosave.WriteNow());
        document.ClearModified();
        gate.release();
        autosave.FinishWrites();
        SetWriteFaultInjector({});
        QVERIFY(DesignFiles(recoveryFolder()).isEmpty());
        QCOMPARE(writtenArmor.size(), 2);
    }

    void copyNeverGoesOverTheDesignsFileAndGoesWhenSaved()
    {
        const QString own = saveUserDesign("own.vkd", "Own");
        const std::vector<uint8_t> before = ReadWholeFile(own.toStdString());
        VehicleDocument document;
        document.Open(own);
        auto autosave = std::make_unique<Autosave>(document, recoveryFolder());
        document.Design().Armor = 9;
        document.SetModified();
        QTRY_VERIFY(QFile::exists(autosave->DesignPath()));
        QVERIFY(ReadWholeFile(own.toStdString()) == before);
        QVERIFY(QFileInfo(autosave->DesignPath()).absolutePath() == QFileInfo(recoveryFolder()).absoluteFilePath());

        // Saved: nothing left to recover.
        document.SaveTo(own);
        QVERIFY(!QFile::exists(autosave->DesignPath()));
        QVERIFY(DesignFiles(recoveryFolder()).isEmpty());

        // A clean end removes the copy of a change not saved.
        document.SetModified();
        QTRY_COMPARE(DesignFiles(recoveryFolder()).size(), 1);
        autosave.reset();
        QVERIFY(DesignFiles(recoveryFolder()).isEmpty());
    }

    void aLongNameWithoutSpacesWrapsInTheQuestion()
    {
        const QString name = QStringLiteral("\u00dcberschwererKampfpanzer").repeated(6);
        RecoveryFile file;
        file.DesignName = name;
        file.Saved = QDateTime(QDate(2026, 12, 10), QTime(6, 45));
        const RecoveryDialog dialog(file);
        QVERIFY(dialog.Text().contains(QLatin1Char('"') + name + QLatin1Char('"')));
        const auto *label = dialog.findChild<QLabel *>(QStringLiteral("lblRecovery"));
        QVERIFY(label->minimumSizeHint().width() < label->fontMetrics().horizontalAdvance(name) / 2);
    }

    // When the copy was kept reads as the user's locale writes it, with the whole year.
    void theQuestionDatesTheCopyWithTheWholeYear()
    {
        RecoveryFile file;
        file.Saved = QDateTime(QDate(2026, 12, 10), QTime(6, 45));
        const QLocale before;
        const auto dated = [&](const QLocale &locale) {
            QLocale::setDefault(locale);
            const QString text = RecoveryDialog(file).Text();
            QLocale::setDefault(before);
            return text;
        };
        QVERIFY(dated(QLocale(QLocale::German, QLocale::Germany)).contains(QStringLiteral(" 10.12.2026 06:45.")));
        QVERIFY(dated(QLocale(QLocale::English, QLocale::UnitedStates)).contains(QStringLiteral(" 12/10/2026")));
    }

    void recoverMakesItTheOpenUnsavedDesign()
    {
        const QString source = saveUserDesign("saved.vkd", "Saved");
        const QString left = leaveRecoveryFile("old", "<b>Recovered", source);
        EditorFixture editor;
        QVERIFY(editor.Start());
        // Declared after the editor, the autosave goes first: it looks at the document as it
        // removes its copy.
        Autosave autosave(editor.Window->Document(), recoveryFolder());
        QString asked;
        Qt::TextFormat askedAs = Qt::RichText;
        bool openSavedOffered = false;
        editor.Dialogs->modal = [&](QDialog &dialog) {
            auto *recovery = qobject_cast<RecoveryDialog *>(&dialog);
            if (!recovery)
                return int(QDialog::Rejected);
            asked = recovery->Text();
            askedAs = recovery->findChild<QLabel *>(QStringLiteral("lblRecovery"))->textFormat();
            openSavedOffered = recovery->findChild<QPushButton *>(QStringLiteral("btnOpenSaved"))->isEnabled();
            return int(RecoveryDialog::Recover);
        };
        QCOMPARE(OfferRecovery(*editor.Window, autosave, recoveryFolder()), 1);
        QCoreApplication::processEvents();
        QVERIFY(asked.contains(QStringLiteral("\"<b>Recovered\"")));
        QCOMPARE(askedAs, Qt::PlainText); // the name as typed, not as markup
        QVERIFY(asked.contains(source));
        QVERIFY(openSavedOffered);

        Vehicle &vehicle = editor.Design();
        QCOMPARE(vehicle.Name, std::string("<b>Recovered"));
        QCOMPARE(vehicle.Armor, 21);
        QCOMPARE(editor.Window->Document().FileName(), source);
        QVERIFY(vehicle.Modified);
        QVERIFY(!editor.Window->History()->Stack()->isClean());
        // Kept under this session before the old copy went.
        QVERIFY(!QFile::exists(left));
        QCOMPARE(LoadDesignFile(autosave.DesignPath().toStdString()).Design->Name, std::string("<b>Recovered"));
    }

    // The recovered design knows its file as the crashed session did: a name ending in a
    // space stays that file's name, a picture it could not show is still asked about before
    // the file is replaced, and a file written since is not replaced unasked.
    void recoveredDesignKnowsItsFileAsItsSessionDid()
    {
        const QString source = saveUserDesign("spaced.vkd ", "Spaced");
        const FileStamp stamp = FileStamp::Of(source);
        leaveRecoveryFile("noted", "Recovered", source, RecoveryStore::SourceNote(source, stamp, true));
        EditorFixture editor;
        QVERIFY(editor.Start());
        Autosave autosave(editor.Window->Document(), recoveryFolder());
        editor.Dialogs->modal = [](QDialog &) { return int(RecoveryDialog::Recover); };
        QCOMPARE(OfferRecovery(*editor.Window, autosave, recoveryFolder()), 1);
        QCOMPARE(editor.Window->Document().FileName(), source);
        QVERIFY(editor.Window->Document().FileHoldsALeftOutPicture());
        QFile ownNote(QFileInfo(autosave.DesignPath())
                          .dir()
                          .filePath(QFileInfo(autosave.DesignPath()).completeBaseName() + QStringLiteral(".txt")));
        QVERIFY(ownNote.open(QIODevice::ReadOnly));
        QVERIFY(ownNote.readAll().contains("picture-left-out")); // and so would a second crash
        QVERIFY(!editor.Window->Document().FileChangedElsewhere());
        saveUserDesign("spaced.vkd ", "Written meanwhile");
        QVERIFY(editor.Window->Document().FileChangedElsewhere());
    }

    void aDamagedCopyIsOfferedOnlyToBeSetAside()
    {
        const QString left = leaveRecoveryFile("damaged", "Lost", saveUserDesign("kept.vkd", "Kept"));
        QVERIFY(QFile::resize(left, QFileInfo(left).size() / 2));
        const QList<RecoveryFile> orphans = RecoveryStore(recoveryFolder()).Orphans();
        QCOMPARE(orphans.size(), 1);
        QVERIFY(!orphans[0].Damage.isEmpty());
        RecoveryDialog dialog(orphans[0]);
        QVERIFY(dialog.Text().contains(QStringLiteral("damaged and cannot be recovered")));
        QVERIFY(!dialog.findChild<QPushButton *>(QStringLiteral("btnRecover"))->isEnabled());
        QVERIFY(dialog.findChild<QPushButton *>(QStringLiteral("btnOpenSaved"))->isDefault());
        RecoveryStore::Remove(orphans[0]);
    }

    void otherAnswersAndAKeptDesign()
    {
        const QString source = saveUserDesign("mine.vkd", "Mine");
        const QString withSource = leaveRecoveryFile("a", "First", source);
        const QString neverSaved = leaveRecoveryFile("b", "Second", QString());
        EditorFixture editor;
        QVERIFY(editor.Start());
        Autosave autosave(editor.Window->Document(), recoveryFolder());
        // Recover, but the open design's save question is cancelled: kept for later.
        editor.Design().Name = "Busy";
        editor.Window->Document().SetModified();
        editor.Dialogs->answers = {DialogAnswer::Cancel};
        QList<int> choices{RecoveryDialog::Recover, RecoveryDialog::Recover, RecoveryDialog::OpenSaved,
                           RecoveryDialog::Undecided};
        QList<bool> openSavedEnabled;
        editor.Dialogs->modal = [&](QDialog &dialog) {
            openSavedEnabled << dialog.findChild<QPushButton *>(QStringLiteral("btnOpenSaved"))->isEnabled();
            return choices.takeFirst();
        };
        QCOMPARE(OfferRecovery(*editor.Window, autosave, recoveryFolder()), 0);
        QCOMPARE(editor.Design().Name, std::string("Busy"));
        QVERIFY(QFile::exists(withSource) && QFile::exists(neverSaved));
        editor.Design().Modified = false;
        QCOMPARE(OfferRecovery(*editor.Window, autosave, recoveryFolder()), 0);
        QCOMPARE(openSavedEnabled, (QList<bool>{true, false, true, false}));
        QCOMPARE(editor.Design().Name, std::string("Mine"));
        QVERIFY(!editor.Design().Modified);
        QVERIFY(!QFile::exists(withSource));
        QVERIFY(QFile::exists(neverSaved)); // offered again next time

        choices = {RecoveryDialog::Discard};
        QCOMPARE(OfferRecovery(*editor.Window, autosave, recoveryFolder()), 0);
        QVERIFY(!QFile::exists(neverSaved));
        QCOMPARE(editor.Design().Name, std::string("Mine"));
        QVERIFY(RecoveryStore(recoveryFolder()).Orphans().isEmpty());
    }
};

} // namespace aw

int main(int argc, char **argv)
{
    using namespace aw;
    if (argc >= 2 && qstrcmp(argv[1], kChildSwitch) == 0)
        return RunChild(argc, argv);
    QApplication app(argc, argv);
    AutosaveTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_autosave.moc"
