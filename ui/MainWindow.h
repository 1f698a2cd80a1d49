#pragma once

#include "ui/ProgramData.h"
#include "ui/pages/EditorHost.h"

#include <QImage>
#include <QMainWindow>
#include <QPointer>
#include <QStringList>

#include <functional>

class QAction;
class QLabel;
class QMenu;
class QTabWidget;

namespace aw {

class DesignLibraryWindow;
class ExitEdit;
class GeneralPage;
class RecentFiles;
class UndoHistory;
class VehicleDocument;
struct PrintJob;
class RosterWindow;

// The main window: the design's name and results above four pages, the "File" and
// "Help" menus, and the design lifecycle commands (New, Open, Save, Save As, Close,
// Create Variant, the exports and the calculation logs).
class MainWindow : public QMainWindow, public EditorHost {
    Q_OBJECT
public:
    // Starts a detached process; false when it could not be started.
    using ProcessStarter = std::function<bool(const QString &program, const QStringList &arguments)>;

    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    // EditorHost
    VehicleDocument &Document() override { return *m_document; }
    void ShowResults() override;
    MovementList &MovementLibrary() override { return CurrentProgramData().MovementLibrary(); }

    // Asks "Do you wish to save the current vehicle?" when there are unsaved changes.
    // Returns false when the user cancelled (or the save failed): the command must stop.
    bool AskSaveVehicle(bool allowCancel);

    // Fills every control from the design: lists, "General" page, results.
    void ShowDesign();
    void ShowGeneral();
    void ShowProduction();
    void ShowMovement();
    void LoadDropDownLists();

    // Opens the design named on the command line (start-up): errors are shown, the empty
    // design stays. asNew clears the file name so the design counts as never saved.
    void OpenAtStartUp(const QString &path, bool asNew);
    // Opens path after the save question (recent files, a dropped file).
    void OpenFile(const QString &path);

    // Menu commands.
    void NewDesign();
    void OpenDesign();
    void SaveDesign();
    void SaveDesignAs();
    void PrintSheet();
    void CopySheetText();
    void ExportTextSheet();
    void ExportHtmlSheet();
    void ExportJpegSheet();
    void ExportPdfSheet();
    void PreviewSheet();
    void UndoChange();
    void RedoChange();
    void RevertToSaved();
    void CompareWithDesign();
    // Shows the design library window, made on first use.
    void ShowDesignLibrary();
    void NewRoster();
    void OpenRoster();
    // Adds the open design's file to the roster window last opened (a new one when none is);
    // a design never saved is saved first.
    void AddToRoster();
    // Adds design files to the roster window last opened, or to a new one when none is open.
    void AddDesignsToRoster(const QStringList &paths);
    void CreateVariant();
    void CloseWindow();
    void ShowThreatValueLog();
    void ShowPriceLog();
    void OpenUserGuide();
    void ShowAbout();

    // Puts page (which may implement EditorPage) in place of the placeholder at index
    // 1 (Weapons), 2 (Perks, Flaws, and Defects) or 3 (Info).
    void SetPage(int index, QWidget *page);

    GeneralPage *GeneralTab() const { return m_general; }
    QTabWidget *PageControl() const { return m_pageControl; }
    RecentFiles *RecentFileList() const { return m_recent; }
    // The roster window "Add to Roster" adds to; none before one is opened or after it closed.
    RosterWindow *CurrentRoster() const;
    UndoHistory *History() const { return m_undo; }
    DesignLibraryWindow *DesignLibrary() const { return m_library; }
    void SetProcessStarter(ProcessStarter starter) { m_startProcess = std::move(starter); }

    // The layout sizes as the controls have them now (-1 for a control not present) and
    // applying stored ones (values of 0 or below are left alone).
    LayoutValues CurrentLayoutValues() const;
    void ApplyLayoutValues(const LayoutValues &values);

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    enum class SaveResult { Saved, Cancelled, Failed };

    // "Armorwright V… - name - file"; with the marker Qt replaces by "*" while modified.
    QString Caption(bool withModifiedMarker) const;
    void BuildTopBand(QWidget *central);
    void BuildMenus();
    void RebuildRecentMenu();
    // Moves the keyboard focus to the page control so the box being typed in takes its value.
    void TakeFocus();
    // Saves to the design's file, or to one the user names when there is none or askForName.
    SaveResult Save(bool askForName = false);
    // Writes the design to target while the window shows that it is busy; throws on failure.
    void SaveBusy(const QString &target);
    void ReadDesign(const QString &path);
    void ShowLog(bool price);
    void ExportSheetFile(bool html);
    QImage SheetImage(const PrintJob &job);
    // Takes the typed value, then asks where to save the record sheet; empty when cancelled.
    // Throws when the file chosen is the design's own.
    QString SheetExportFile(const QString &title, const QString &extension, const QString &filter);
    void ShowChosenPage(int index);
    void ShowFirstTime();
    void StoreWindowLayout();
    // A new roster window, empty or with the roster file at path (throws when it cannot be read).
    RosterWindow *ShowNewRosterWindow(const QString &path = {});

    VehicleDocument *m_document;
    RecentFiles *m_recent;
    UndoHistory *m_undo;
    ProcessStarter m_startProcess;
    bool m_shownOnce = false;
    bool m_saving = false;
    QString m_startUpWarning; // about the design opened at start-up, shown with the window

    ExitEdit *m_eName = nullptr;
    QLabel *m_lblFinalCost = nullptr;
    QLabel *m_lblFinalSize = nullptr;
    QLabel *m_lblTV = nullptr;
    QLabel *m_lblOTV = nullptr;
    QLabel *m_lblDTV = nullptr;
    QLabel *m_lblMTV = nullptr;
    QTabWidget *m_pageControl = nullptr;
    GeneralPage *m_general = nullptr;
    QMenu *m_recentMenu = nullptr;
    DesignLibraryWindow *m_library = nullptr;
    QPointer<RosterWindow> m_roster; // the roster window "Add to Roster" adds to
};

} // namespace aw
