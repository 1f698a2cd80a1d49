#include "ui/Startup.h"

#include "base/Files.h"
#include "base/SettingsFolder.h"
#include "storage/Libraries.h"
#include "ui/ApplicationTitle.h"
#include "ui/CommandGuard.h"
#include "ui/DesktopIdentity.h"
#include "ui/MainWindow.h"
#include "ui/NativePath.h"
#include "ui/StartupOptions.h"
#include "ui/StoredProgramData.h"
#include "ui/dialogs/SplashScreen.h"
#include "ui/document/Autosave.h"
#include "ui/document/RecentFiles.h"
#include "ui/document/RecoveryOffer.h"
#include "ui/document/RecoveryStore.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QTimer>

#include <iostream>
#include <memory>

namespace aw {

namespace {

void processMessages() { QCoreApplication::processEvents(); }

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

QStringList argumentsOf(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

bool answersWithText(const StartupOptions &options)
{
    return options.request == StartupOptions::Request::Help || options.request == StartupOptions::Request::Version;
}

} // namespace

int RunArmorwright(int argc, char **argv)
{
    // --help and --version are answered before the windowing system starts, so they need no display.
    if (answersWithText(ReadStartupOptions(argumentsOf(argc, argv)))) {
        const QCoreApplication named(argc, argv); // names the program in the usage line
        std::cout << ReadStartupOptions(QCoreApplication::arguments()).message.toLocal8Bit().constData();
        return 0;
    }
    QApplication app(argc, argv);
    // Qt has taken out its own options (-platform, -style, ...) by now.
    const StartupOptions options = ReadStartupOptions(QCoreApplication::arguments());
    if (options.request == StartupOptions::Request::UsageError) {
        std::cerr << options.message.toLocal8Bit().constData();
        return 2;
    }
    SetDesktopIdentity();
    QCoreApplication::setOrganizationName(QStringLiteral("Armorwright"));
    QCoreApplication::setApplicationName(QStringLiteral("Armorwright"));
    SetProgramFolderFromExecutable(argv[0]);
    SetSettingsFolder(SettingsFolderFor(ProgramFolder()));
    QDir().mkpath(FromNativePath(SettingsFolder())); // a failure shows when the files are saved
    SetApplicationTitle(QString::fromLatin1(kProgramTitle));

    auto splash = std::make_unique<SplashScreen>();
    splash->show();
    processMessages();

    StoredProgramData data;
    SetProgramData(&data);
    MainWindow window;
    if (!options.designFile.isEmpty())
        window.OpenAtStartUp(options.designFile, options.asUnsavedCopy);
    processMessages();

    // A damaged override or settings file is reported; the program goes on with what loaded.
    RunGuarded(splash.get(), [] {
        LoadLibraries(SharedLibraries(), {ProgramFolder(), SettingsFolder()}, processMessages);
    });
    splash.reset();

    window.RecentFileList()->Load();
    // Unsaved changes are kept aside while the program runs (and removed at a clean exit);
    // those of a run that ended without one are offered once the window shows.
    const QString recoveryFolder = RecoveryStore::DefaultFolder();
    Autosave autosave(window.Document(), recoveryFolder);
    if (!options.quitAfterShow)
        QTimer::singleShot(0, &window, GuardedSlot(&window, [&] { OfferRecovery(window, autosave, recoveryFolder); }));
    QuitWhenPainted quitWhenPainted;
    if (options.quitAfterShow)
        window.installEventFilter(&quitWhenPainted);
    window.show();
    const int result = app.exec();

    if (!options.quitAfterShow)
        RunGuarded(nullptr, [] { SaveSettings(SharedLibraries()); });
    SetProgramData(nullptr);
    return result;
}

} // namespace aw
