#include "ui/Startup.h"

#include "engine/base/Files.h"
#include "engine/base/SettingsFolder.h"
#include "storage/Libraries.h"
#include "ui/ApplicationTitle.h"
#include "ui/ArmorwrightApplication.h"
#include "ui/Autosave.h"
#include "ui/CommandGuard.h"
#include "ui/Editer.h"
#include "ui/NativePath.h"
#include "ui/RecentFiles.h"
#include "ui/RecoveryOffer.h"
#include "ui/RecoveryStore.h"
#include "ui/SplashScreen.h"
#include "ui/StoredProgramData.h"

#include <QDir>
#include <QEvent>
#include <QTimer>

#include <memory>

namespace {

const QString kQuitAfterShow = QStringLiteral("--quit-after-show");

void processMessages()
{
    QCoreApplication::processEvents();
}

// Ends the program once the window has been painted for the first time.
class TQuitWhenPainted : public QObject {
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

} // namespace

int RunArmorwright(int argc, char **argv)
{
    TArmorwrightApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Armorwright"));
    QCoreApplication::setApplicationName(QStringLiteral("Armorwright"));
    SetProgramFolderFromExecutable(argv[0]);
    SetSettingsFolder(SettingsFolderFor(ProgramFolder()));
    QDir().mkpath(FromNativePath(SettingsFolder())); // a failure shows when the files are saved
    SetApplicationTitle(QString::fromLatin1(kProgramTitle));

    QStringList arguments = QCoreApplication::arguments().mid(1);
    const bool quitAfterShow = arguments.removeAll(kQuitAfterShow) > 0;

    auto splash = std::make_unique<TfrmSplashScreen>();
    splash->show();
    processMessages();

    TStoredProgramData data;
    SetProgramData(&data);
    TfrmEditer window;
    if (!arguments.isEmpty()) {
        const bool asNew = arguments.size() >= 2 && arguments[1].toUpper() == QStringLiteral("NEW");
        window.OpenAtStartUp(arguments[0], asNew);
    }
    processMessages();

    // A damaged override or settings file is reported; the program goes on with what loaded.
    RunGuarded(splash.get(), [] { LoadLibraries(Libraries(), {ProgramFolder(), SettingsFolder()}, processMessages); });
    splash.reset();

    window.RecentFiles()->Load();
    // Unsaved changes are kept aside while the program runs (and removed at a clean exit);
    // those of a run that ended without one are offered once the window shows.
    const QString recoveryFolder = TRecoveryStore::DefaultFolder();
    TAutosave autosave(window.Document(), recoveryFolder);
    if (!quitAfterShow)
        QTimer::singleShot(0, &window, [&] { OfferRecovery(window, autosave, recoveryFolder); });
    TQuitWhenPainted quitWhenPainted;
    if (quitAfterShow)
        window.installEventFilter(&quitWhenPainted);
    window.show();
    const int result = app.exec();

    if (!quitAfterShow)
        RunGuarded(nullptr, [] { SaveSettings(Libraries()); });
    SetProgramData(nullptr);
    return result;
}
