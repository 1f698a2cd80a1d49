#include "ui/document/RecoveryOffer.h"

#include "engine/DesignFile.h"
#include "engine/Vehicle.h"
#include "ui/CommandGuard.h"
#include "ui/MainWindow.h"
#include "ui/NativePath.h"
#include "ui/dialogs/DialogProvider.h"
#include "ui/dialogs/RecoveryDialog.h"
#include "ui/document/Autosave.h"
#include "ui/document/RecoveryStore.h"
#include "ui/document/VehicleDocument.h"

#include <QFileInfo>

namespace aw {

namespace {

// Makes the recovered design the open one; false when it could not be read or the user
// kept the design that was open.
bool RecoverFile(MainWindow &window, Autosave &autosave, const RecoveryFile &file)
{
    LoadedDesign loaded;
    if (!RunGuarded(&window, [&] { loaded = LoadDesignFile(ToNativePath(file.DesignPath)); }))
        return false;
    if (!window.AskSaveVehicle(true))
        return false;
    window.Document().Adopt(std::move(loaded.Design), file.SourcePath, file.SourceStamp, file.SourcePictureLeftOut);
    window.ShowDesign();
    // Kept under this session before the old copy goes.
    return autosave.WriteNow() && autosave.FinishWrites();
}

} // namespace

int OfferRecovery(MainWindow &window, Autosave &autosave, const QString &folder)
{
    int recovered = 0;
    for (const RecoveryFile &file : RecoveryStore(folder).Orphans()) {
        RecoveryDialog dialog(file, &window);
        switch (Dialogs().RunModal(dialog)) {
        case RecoveryDialog::Recover:
            if (RecoverFile(window, autosave, file)) {
                RecoveryStore::Remove(file);
                ++recovered;
            }
            break;
        case RecoveryDialog::OpenSaved:
            if (QFileInfo(file.SourcePath).isFile()) {
                window.OpenFile(file.SourcePath);
                // Kept when the user stayed with the design that was open.
                if (window.Document().FileName() == file.SourcePath && !window.Document().Modified())
                    RecoveryStore::Remove(file);
            }
            break;
        case RecoveryDialog::Discard:
            RecoveryStore::Remove(file);
            break;
        default:
            break;
        }
    }
    return recovered;
}

} // namespace aw
