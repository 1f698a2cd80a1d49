#include "ui/Startup.h"

#include "base/Files.h"
#include "base/SettingsFolder.h"
#include "base/Utf8Path.h"
#include "storage/Libraries.h"
#include "ui/ApplicationTitle.h"
#include "ui/CommandGuard.h"
#include "ui/DesktopIdentity.h"
#include "ui/MainWindow.h"
#include "ui/NativePath.h"
#include "ui/StartupOptions.h"
#include "ui/StoredProgramData.h"
#include "ui/dialogs/DialogProvider.h"
#include "ui/dialogs/SplashScreen.h"
#include "ui/document/Autosave.h"
#include "ui/document/RecentFiles.h"
#include "ui/document/RecoveryOffer.h"
#include "ui/document/RecoveryStore.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

#include <iostream>
#include <memory>

namespace aw {

namespace {

void ProcessMessages() { QCoreApplication::processEvents(); }

// Ends the program once the window has been painted for the first time.
class QuitWhenPainted : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }
};

QStringList ArgumentsOf(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

bool AnswersWithText(const StartupOptions &options)
{
    return options.Request == StartupOptions::Request::Help || options.Request == StartupOptions::Request::Version;
}

} // namespace

int RunArmorwright(int argc, char **argv)
{
    // --help and --version are answered before the windowing system starts, so they need no display.
    if (AnswersWithText(ReadStartupOptions(ArgumentsOf(argc, argv)))) {
        const QCoreApplication named(argc, argv); // names the program in the usage line
        std::cout << ReadStartupOptions(QCoreApplication::arguments()).Message.toLocal8Bit().constData();
        return std::cout.flush() ? 0 : 1; // an answer that could not be written is no success
    }
    QApplication app(argc, argv);
    // Qt has taken out its own options (-platform, -style, ...) by now.
    const StartupOptions options = ReadStartupOptions(QCoreApplication::arguments());
    if (options.Request == StartupOptions::Request::UsageError) {
        std::cerr << options.Message.toLocal8Bit().constData();
        return 2;
    }
    SetDesktopIdentity();
    QCoreApplication::setOrganizationName(QStringLiteral("Armorwright"));
    QCoreApplication::setApplicationName(QStringLiteral("Armorwright"));
    SetProgramFolderFromExecutable(argv[0]);
    SetSettingsFolder(SettingsFolderFor(ProgramFolder()));
    SetApplicationTitle(QString::fromLatin1(kProgramTitle));

    auto splash = std::make_unique<SplashScreen>();
    splash->show();
    ProcessMessages();
    // Said now, with its reason; the files are only written at exit.
    RunGuarded(splash.get(), [] { CreateFolders(PathFromUtf8(SettingsFolder())); });

    StoredProgramData data;
    SetProgramData(&data);
    MainWindow window;
    if (!options.DesignFile.isEmpty())
        window.OpenAtStartUp(options.DesignFile, options.AsUnsavedCopy);
    ProcessMessages();

    // A damaged override or settings file is reported; the program goes on with what loaded.
    RunGuarded(splash.get(), [] {
        LoadLibraries(SharedLibraries(), {ProgramFolder(), SettingsFolder()}, ProcessMessages);
    });
    splash.reset();

    window.RecentFileList()->Load();
    // Unsaved changes are kept aside while the program runs (and removed at a clean exit);
    // those of a run that ended without one are offered once the window shows.
    const QString recoveryFolder = RecoveryStore::DefaultFolder();
    Autosave autosave(window.Document(), recoveryFolder);
    // Queued: the warning waits until the edit that found the trouble is done.
    ConnectGuarded(
        &autosave, &Autosave::CannotKeepChanges, &window,
        [&window](const QString &reason) {
            Dialogs().Warn(&window, QStringLiteral("Unsaved changes cannot be kept for recovery after a crash: %1\n\n"
                                                   "Save your work often until this is mended.")
                                        .arg(reason));
        },
        Qt::QueuedConnection);
    // Once the window shows: the recovery offer, then what the command line named in vain.
    QTimer::singleShot(0, &window, GuardedSlot(&window, [&] {
                           if (!options.QuitAfterShow)
                               OfferRecovery(window, autosave, recoveryFolder);
                           if (!options.IgnoredFiles.isEmpty())
                               Dialogs().Warn(&window,
                                              QStringLiteral("One window holds one design; these were not opened:\n%1")
                                                  .arg(options.IgnoredFiles.join(QLatin1Char('\n'))));
                       }));
    QuitWhenPainted quitWhenPainted;
    if (options.QuitAfterShow)
        window.installEventFilter(&quitWhenPainted);
    window.show();
    const int result = app.exec();

    if (!options.QuitAfterShow) {
        std::string note;
        RunGuarded(nullptr, [&note] { note = SaveSettings(SharedLibraries()); });
        if (!note.empty())
            Dialogs().Warn(nullptr, QString::fromStdString(note));
    }
    SetProgramData(nullptr);
    return result;
}

} // namespace aw
