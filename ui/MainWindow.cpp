#include "ui/MainWindow.h"

#include "base/ArmorwrightError.h"
#include "base/Cp1252.h"
#include "base/OutputOverInput.h"
#include "engine/CalculationReplay.h"
#include "engine/DesignResults.h"
#include "engine/Vehicle.h"
#include "output/JpegWriter.h"
#include "output/PrintJob.h"
#include "output/RecordSheet.h"
#include "output/RecordSheetFiles.h"
#include "output/SafeFileName.h"
#include "output/SheetExport.h"
#include "ui/ApplicationTitle.h"
#include "ui/CommandGuard.h"
#include "ui/Cp1252.h"
#include "ui/NativePath.h"
#include "ui/WindowPlacement.h"
#include "ui/dialogs/AboutDialog.h"
#include "ui/dialogs/ChangedFileQuestion.h"
#include "ui/dialogs/CompareWindow.h"
#include "ui/dialogs/DesignLibraryWindow.h"
#include "ui/dialogs/DialogProvider.h"
#include "ui/dialogs/LogViewer.h"
#include "ui/dialogs/UserGuideWindow.h"
#include "ui/document/RecentFiles.h"
#include "ui/document/UndoHistory.h"
#include "ui/document/UndoSnapshot.h"
#include "ui/document/VehicleDocument.h"
#include "ui/pages/EditorPage.h"
#include "ui/pages/GeneralPage.h"
#include "ui/pages/InfoPage.h"
#include "ui/pages/MovementPages.h"
#include "ui/pages/PerksPage.h"
#include "ui/pages/WeaponsPage.h"
#include "ui/roster/RosterWindow.h"
#include "ui/widgets/ElidedLabel.h"
#include "ui/widgets/ExitEdit.h"
#include "ui/widgets/MoveFocus.h"
#include "ui/widgets/ResultLabel.h"
#include "ui/widgets/TextUndoFallback.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProcess>
#include <QScopeGuard>
#include <QScopedValueRollback>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include <memory>
#include <tuple>
#include <utility>

namespace aw {

namespace {

constexpr int kMainWindowSlot = 0;
const QString kDesignFilter = QStringLiteral("Umbrant Files|*.vkd|All Files|*.*");
const QString kSaveQuestion = QStringLiteral("Do you wish to save the current vehicle?");

// The placeholder pages other parts of the editor plug into.
struct PagePlaceholder {
    const char *Name;
    const char *Caption;
};
const PagePlaceholder kPlaceholders[] = {
    {"weaponsPage", "Weapons"},
    {"perksPage", "Perks, Flaws, and Defects"},
    {"infoPage", "Info"},
};

bool IsDesignFile(const QString &path) { return path.endsWith(QStringLiteral(".vkd"), Qt::CaseInsensitive); }

QString OfferedFileNameOf(const Vehicle &vehicle, const QString &extension)
{
    return QString::fromStdString(OfferedFileName(cp1252::ToUtf8(vehicle.Name), extension.toStdString()));
}

// Draws the record sheet on the printer's page; false when the printer could not start.
bool PrintSheetImage(QPrinter &printer, const QImage &sheet)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    PaintSheetOnPage(painter, sheet, QRect(0, 0, printer.width(), printer.height()));
    return painter.end();
}

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent), m_document(new VehicleDocument(this)), m_recent(new RecentFiles(this)),
      m_undo(new UndoHistory(*m_document)), m_startProcess([](const QString &program, const QStringList &arguments) {
          return QProcess::startDetached(program, arguments);
      })
{
    setObjectName(QStringLiteral("mainWindow"));
    setAcceptDrops(true);

    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    BuildTopBand(central);

    m_pageControl = new QTabWidget(central);
    m_pageControl->setObjectName(QStringLiteral("pageTabs"));
    m_general = new GeneralPage(*this, m_pageControl);
    m_pageControl->addTab(m_general, QStringLiteral("General"));
    for (const PagePlaceholder &placeholder : kPlaceholders) {
        auto *page = new QWidget(m_pageControl);
        page->setObjectName(QString::fromLatin1(placeholder.Name));
        new QVBoxLayout(page);
        m_pageControl->addTab(page, QString::fromLatin1(placeholder.Caption));
    }
    SetPage(1, new WeaponsPage(*this, m_pageControl));
    SetPage(2, new PerksPage(*this, m_pageControl));
    SetPage(3, new InfoPage(*this, m_pageControl));
    layout->addWidget(m_pageControl, 1);
    setCentralWidget(central);
    ConnectGuarded(m_pageControl, &QTabWidget::currentChanged, this, &MainWindow::ShowChosenPage);

    BuildMenus();
    // Each change shows how it moved the threat value and the cost; an undone change shows
    // the design as it was. A narrow window cuts the line short, with the whole line as its tooltip.
    auto *change = new ElidedLabel(statusBar());
    change->setObjectName(QStringLiteral("lblChange"));
    statusBar()->addWidget(change, 1);
    connect(m_undo, &UndoHistory::LastChangeChanged, change, &QLabel::setText);
    ConnectGuarded(m_undo, &UndoHistory::Restored, this, [this] {
        ShowChosenPage(m_pageControl->currentIndex());
        ShowResults();
    });
    ConnectGuarded(m_recent, &RecentFiles::Changed, this, [this] { RebuildRecentMenu(); });
    ConnectGuarded(m_document, &VehicleDocument::FileUsed, m_recent, &RecentFiles::Add);
    connect(m_document, &VehicleDocument::ModifiedChanged, this, &QWidget::setWindowModified);
    RebuildRecentMenu();

    // 640 × 491 as designed, or what the pages need, centred on the screen and no larger than
    // it. No fixed minimum: the layouts keep the window as large as its pages need at any font size.
    resize(sizeHint().expandedTo(QSize(640, 491)));
    CentreOnScreen(*this);
    ShowResults();
}

MainWindow::~MainWindow() = default;

void MainWindow::BuildTopBand(QWidget *central)
{
    auto *band = new QHBoxLayout;
    band->setSpacing(8);

    auto *nameLabel = new QLabel(QStringLiteral("Name"), central);
    m_eName = new ExitEdit(central);
    m_eName->setObjectName(QStringLiteral("eName"));
    nameLabel->setBuddy(m_eName);
    band->addWidget(nameLabel);
    m_eName->setMinimumWidth(120);
    band->addWidget(m_eName, 1);

    // Two framed boxes of results, each caption followed by its label.
    struct ResultCell {
        const char *Caption;
        const char *Name;
        QLabel **Label;
    };
    // valueWidth is a floor for short values, never a limit that cuts a long one.
    auto resultBox = [&](const char *name, int columns, int valueWidth, std::initializer_list<ResultCell> cells) {
        auto *box = new QFrame(central);
        box->setObjectName(QString::fromLatin1(name));
        box->setFrameShape(QFrame::StyledPanel);
        auto *grid = new QGridLayout(box);
        grid->setContentsMargins(6, 2, 6, 2);
        grid->setVerticalSpacing(0);
        int index = 0;
        for (const ResultCell &cell : cells) {
            *cell.Label = NewResultLabel(cell.Name, ResultLook::Bold, box);
            grid->addWidget(new QLabel(QString::fromLatin1(cell.Caption), box), index / columns, 2 * (index % columns));
            grid->addWidget(*cell.Label, index / columns, 2 * (index % columns) + 1);
            ++index;
        }
        for (int column = 1; column < 2 * columns; column += 2)
            grid->setColumnMinimumWidth(column, valueWidth);
        band->addWidget(box);
    };
    resultBox("costAndSizeBox", 1, 150,
              {{"Final Cost", "lblFinalCost", &m_lblFinalCost}, {"Size:", "lblFinalSize", &m_lblFinalSize}});
    resultBox("threatValueBox", 2, 48,
              {{"TV", "lblTV", &m_lblTV},
               {"OTV", "lblOTV", &m_lblOTV},
               {"DTV", "lblDTV", &m_lblDTV},
               {"MTV", "lblMTV", &m_lblMTV}});

    static_cast<QVBoxLayout *>(central->layout())->addLayout(band);

    // While typing, the name goes into the design without counting as a change; leaving
    // the box takes it again, marks the design changed and refreshes the caption.
    ConnectGuarded(m_eName, &QLineEdit::textEdited, this, [this](const QString &text) {
        m_document->Design().Name = CutToWidth(cp1252::FromQt(text), BaseVehicle::TextCapacity);
    });
    ConnectGuarded(m_eName, &ExitEdit::Exited, this, [this] {
        m_document->Design().Name = CutToWidth(cp1252::FromQt(m_eName->text()), BaseVehicle::TextCapacity);
        m_document->SetModified();
        ShowResults();
    });
}

void MainWindow::BuildMenus()
{
    auto command = [this](QMenu *menu, const QString &caption, const char *name, void (MainWindow::*handler)(),
                          QKeySequence shortcut = {}) {
        QAction *action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        if (!shortcut.isEmpty())
            action->setShortcut(shortcut);
        ConnectGuarded(action, &QAction::triggered, this, handler);
        return action;
    };

    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("fileMenu"));
    command(file, QStringLiteral("&New"), "newAction", &MainWindow::NewDesign, QKeySequence::New);
    command(file, QStringLiteral("&Open..."), "openAction", &MainWindow::OpenDesign, QKeySequence::Open);
    m_recentMenu = file->addMenu(QStringLiteral("Recent &Files"));
    m_recentMenu->setObjectName(QStringLiteral("recentFilesMenu"));
    file->addSeparator();
    command(file, QStringLiteral("&Save..."), "saveAction", &MainWindow::SaveDesign, QKeySequence::Save);
    command(file, QStringLiteral("Save &As..."), "saveAsAction", &MainWindow::SaveDesignAs,
            QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    QAction *revert =
        command(file, QStringLiteral("&Revert to Saved"), "revertToSavedAction", &MainWindow::RevertToSaved);
    ConnectGuarded(file, &QMenu::aboutToShow, revert,
                   [this, revert] { revert->setEnabled(!m_document->FileName().isEmpty()); });
    command(file, QStringLiteral("&Compare with\u2026"), "compareWithAction", &MainWindow::CompareWithDesign);
    command(file, QStringLiteral("&Design Library\u2026"), "designLibraryAction", &MainWindow::ShowDesignLibrary,
            QKeySequence(Qt::CTRL | Qt::Key_L));
    file->addSeparator();
    // A menu of their own: every letter of "Open Roster" is taken in the File menu.
    QMenu *rosterMenu = file->addMenu(QStringLiteral("Ros&ter"));
    rosterMenu->setObjectName(QStringLiteral("rosterMenu"));
    command(rosterMenu, QStringLiteral("&New Roster"), "newRosterAction", &MainWindow::NewRoster);
    command(rosterMenu, QStringLiteral("&Open Roster\u2026"), "openRosterAction", &MainWindow::OpenRoster);
    command(rosterMenu, QStringLiteral("&Add to Roster"), "addToRosterAction", &MainWindow::AddToRoster);
    file->addSeparator();
    command(file, QStringLiteral("&Print"), "printAction", &MainWindow::PrintSheet, QKeySequence::Print);
    command(file, QStringLiteral("Print Previe&w..."), "printPreviewAction", &MainWindow::PreviewSheet);
    QMenu *exportMenu = file->addMenu(QStringLiteral("&Export"));
    exportMenu->setObjectName(QStringLiteral("exportMenu"));
    command(exportMenu, QStringLiteral("Post to &Clipboard"), "postToClipboardAction", &MainWindow::CopySheetText);
    command(exportMenu, QStringLiteral("&Text"), "exportTextAction", &MainWindow::ExportTextSheet);
    command(exportMenu, QStringLiteral("&HTML"), "exportHtmlAction", &MainWindow::ExportHtmlSheet);
    command(exportMenu, QStringLiteral("&JPEG"), "exportJpegAction", &MainWindow::ExportJpegSheet);
    command(exportMenu, QStringLiteral("&PDF"), "exportPdfAction", &MainWindow::ExportPdfSheet);
    file->addSeparator();
    command(file, QStringLiteral("Create &Variant!"), "createVariantAction", &MainWindow::CreateVariant);
    file->addSeparator();
    command(file, QStringLiteral("C&lose"), "closeAction", &MainWindow::CloseWindow,
            QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu *edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    edit->setObjectName(QStringLiteral("editMenu"));
    QAction *undo = command(edit, QStringLiteral("&Undo"), "undoAction", &MainWindow::UndoChange, QKeySequence::Undo);
    QAction *redo = command(edit, QStringLiteral("&Redo"), "redoAction", &MainWindow::RedoChange);
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    m_undo->BindActions(undo, redo);
    new TextUndoFallback(this, undo, redo);

    QMenu *help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("helpMenu"));
    command(help, QStringLiteral("View &TV Log"), "viewThreatValueLogAction", &MainWindow::ShowThreatValueLog);
    command(help, QStringLiteral("View &Price Log"), "viewPriceLogAction", &MainWindow::ShowPriceLog);
    help->addSeparator();
    command(help, QStringLiteral("&Contents"), "contentsAction", &MainWindow::OpenUserGuide,
            QKeySequence::HelpContents);
    help->addSeparator();
    command(help, QStringLiteral("&About"), "aboutAction", &MainWindow::ShowAbout);
}

void MainWindow::RebuildRecentMenu()
{
    m_recentMenu->clear();
    const QStringList &paths = m_recent->Paths();
    for (int i = 0; i < paths.size(); ++i) {
        const QString path = paths[i];
        // An "&" of the file name is shown, not taken as the item's mnemonic.
        const QString name = QFileInfo(path).fileName().replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction *action = m_recentMenu->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(name));
        action->setToolTip(path);
        action->setStatusTip(path);
        ConnectGuarded(action, &QAction::triggered, this, [this, path] { OpenFile(path); });
    }
    m_recentMenu->setEnabled(!paths.isEmpty());
}

void MainWindow::TakeFocus() { MoveFocus(*m_pageControl); }

void MainWindow::ShowResults()
{
    Vehicle &vehicle = m_document->Design();
    const QString name = cp1252::ToQt(vehicle.Name);
    if (m_eName->text() != name)
        m_eName->setText(name);
    setWindowTitle(Caption(true));
    setWindowModified(m_document->Modified());

    // The refresh may raise the armour, crew and final size after the cost was taken from
    // them. The labels show the results of the design as the refresh left it: when it raised
    // one, they are computed again on a copy, so the design itself stays as the refresh made it.
    const auto raisedFields = [&vehicle] { return std::tuple(vehicle.Armor, vehicle.Crew, vehicle.FinalSize); };
    const auto before = raisedFields();
    DesignResults results = ComputeResults(vehicle);
    if (raisedFields() != before)
        results = ComputeResults(*CopyDesign(vehicle));
    const ResultTexts texts = FormatResults(results, vehicle.CurrencyName);
    m_lblFinalCost->setText(cp1252::ToQt(texts.FinalCost));
    m_lblTV->setText(cp1252::ToQt(texts.ThreatValue));
    m_lblFinalSize->setText(cp1252::ToQt(texts.FinalSizeShown));
    m_lblOTV->setText(cp1252::ToQt(texts.OTV));
    m_lblDTV->setText(cp1252::ToQt(texts.DTV));
    m_lblMTV->setText(cp1252::ToQt(texts.MTV));
    m_general->ShowResultTexts(texts, vehicle.SizeType);
}

QString MainWindow::Caption(bool withModifiedMarker) const
{
    QString name = cp1252::ToQt(m_document->Design().Name);
    QString file = m_document->FileName();
    if (withModifiedMarker) {
        // Qt shows "*" in place of "[*]" while there are unsaved changes; a "[*]" of the
        // name or path is doubled so that it stays text.
        const QString marker = QStringLiteral("[*]");
        name = name.replace(marker, QStringLiteral("[*][*]")) + marker;
        file.replace(marker, QStringLiteral("[*][*]"));
    }
    return ApplicationTitle() + QStringLiteral(" - ") + name + QStringLiteral(" - ") + file;
}

bool MainWindow::AskSaveVehicle(bool allowCancel)
{
    if (!m_document->Modified())
        return true;
    const DialogAnswer answer =
        allowCancel ? Dialogs().AskYesNoCancel(this, kSaveQuestion) : Dialogs().AskYesNo(this, kSaveQuestion);
    switch (answer) {
    case DialogAnswer::Yes:
        // A save that was cancelled or failed keeps the design open: nothing is lost unasked.
        return Save() == SaveResult::Saved;
    case DialogAnswer::No:
        return true;
    default:
        return false;
    }
}

void MainWindow::ShowDesign()
{
    LoadDropDownLists();
    m_pageControl->setCurrentIndex(0);
    ShowProduction();
    ShowMovement();
    ShowGeneral();
}

void MainWindow::ShowGeneral() { m_general->ShowGeneral(); }

void MainWindow::ShowProduction() { m_general->ShowProduction(); }

void MainWindow::ShowMovement() { m_general->MovementTabs()->ShowMovement(); }

void MainWindow::LoadDropDownLists()
{
    m_general->MovementTabs()->LoadModeLists();
    for (int i = 1; i < m_pageControl->count(); ++i) {
        if (auto *page = dynamic_cast<EditorPage *>(m_pageControl->widget(i)))
            page->LoadDropDownLists();
    }
}

void MainWindow::ShowChosenPage(int index)
{
    if (index == 0) {
        ShowMovement();
        ShowProduction();
        ShowGeneral();
    } else if (auto *page = dynamic_cast<EditorPage *>(m_pageControl->widget(index))) {
        page->ShowPage();
    }
}

void MainWindow::SetPage(int index, QWidget *page)
{
    if (index < 1 || index >= m_pageControl->count() || !page)
        return;
    QWidget *old = m_pageControl->widget(index);
    const QString caption = m_pageControl->tabText(index);
    if (page->objectName().isEmpty())
        page->setObjectName(old->objectName());
    const QSignalBlocker blocker(m_pageControl);
    m_pageControl->removeTab(index);
    m_pageControl->insertTab(index, page, caption);
    old->deleteLater();
}

void MainWindow::ShowFirstTime()
{
    ShowDesign();
    RestoreWindowPosition(*this, kMainWindowSlot);
    LayoutValues values = CurrentLayoutValues();
    CurrentProgramData().GetLayoutValues(values);
    ApplyLayoutValues(values);
    // No box holds the focus at first, so no box reports a change it did not have.
    m_pageControl->setFocus(Qt::OtherFocusReason);
    if (!m_startUpWarning.isEmpty()) {
        QTimer::singleShot(0, this, GuardedSlot(this, [this, warning = std::exchange(m_startUpWarning, QString())] {
                               Dialogs().Warn(this, warning);
                           }));
    }
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_shownOnce || event->spontaneous())
        return;
    m_shownOnce = true;
    RunGuarded(this, [this] { ShowFirstTime(); });
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (m_saving) {
        event->ignore(); // refused while the design is written; closing afterwards asks as usual
        return;
    }
    // Closing by the window's own button: a value still being typed counts as well.
    bool closing = false;
    RunGuarded(this, [&] {
        TakeFocus();
        closing = AskSaveVehicle(true);
        // Each roster window asks about its own unsaved changes; one kept open keeps the editor.
        for (RosterWindow *roster : findChildren<RosterWindow *>())
            closing = closing && roster->close();
        if (closing)
            StoreWindowLayout();
    });
    event->setAccepted(closing);
}

void MainWindow::StoreWindowLayout()
{
    StoreWindowPosition(*this, kMainWindowSlot);
    CurrentProgramData().SetLayoutValues(CurrentLayoutValues());
}

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    const QMimeData *data = event->mimeData();
    if (!m_saving && data->hasUrls() && data->urls().size() == 1 && data->urls().first().isLocalFile() &&
        IsDesignFile(data->urls().first().toLocalFile()))
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent *event)
{
    const QString path = event->mimeData()->urls().first().toLocalFile();
    event->acceptProposedAction();
    RunGuarded(this, [&] { OpenFile(path); });
}

LayoutValues MainWindow::CurrentLayoutValues() const
{
    LayoutValues values;
    values.fill(-1);
    if (auto *panel = findChild<QWidget *>(QStringLiteral("weaponGridPanel")))
        values[0] = panel->height();
    if (auto *pages = findChild<QWidget *>(QStringLiteral("notePages")))
        values[1] = pages->width();
    const char *grids[] = {"perkGrid", "flawGrid", "defectGrid"};
    for (int g = 0; g < 3; ++g) {
        auto *grid = findChild<QTableView *>(QString::fromLatin1(grids[g]));
        if (!grid)
            continue;
        for (int column = 0; column < 4; ++column)
            values[static_cast<size_t>(2 + column * 3 + g)] = grid->horizontalHeader()->sectionSize(column);
        values[static_cast<size_t>(14 + g)] = grid->width();
    }
    return values;
}

void MainWindow::ApplyLayoutValues(const LayoutValues &values)
{
    if (auto *panel = findChild<QWidget *>(QStringLiteral("weaponGridPanel")); panel && values[0] > 0)
        panel->resize(panel->width(), values[0]);
    if (auto *pages = findChild<QWidget *>(QStringLiteral("notePages")); pages && values[1] > 0)
        pages->resize(values[1], pages->height());
    const char *grids[] = {"perkGrid", "flawGrid", "defectGrid"};
    for (int g = 0; g < 3; ++g) {
        auto *grid = findChild<QTableView *>(QString::fromLatin1(grids[g]));
        if (!grid)
            continue;
        for (int column = 0; column < 4; ++column) {
            const int width = values[static_cast<size_t>(2 + column * 3 + g)];
            if (width > 0)
                grid->horizontalHeader()->resizeSection(column, width);
        }
        if (const int width = values[static_cast<size_t>(14 + g)]; width > 0)
            grid->resize(width, grid->height());
    }
}

// ---- the design lifecycle ----

void MainWindow::NewDesign()
{
    TakeFocus();
    if (!AskSaveVehicle(true))
        return;
    m_document->NewDesign();
    ShowDesign();
}

void MainWindow::OpenDesign()
{
    TakeFocus();
    if (!AskSaveVehicle(true))
        return;
    FileDialogOptions openDialog;
    openDialog.Title = QStringLiteral("Armorwright File Open");
    openDialog.Filter = kDesignFilter;
    openDialog.DefaultExtension = QStringLiteral("vkd");
    openDialog.MustExist = true;
    const QString path = Dialogs().OpenFileName(this, openDialog);
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return;
    ReadDesign(path);
}

void MainWindow::OpenFile(const QString &path)
{
    TakeFocus();
    if (!QFileInfo(path).isFile()) {
        m_recent->Remove(path);
        Dialogs().Warn(this, QStringLiteral("The file \"%1\" no longer exists.").arg(path));
        return;
    }
    if (!AskSaveVehicle(true))
        return;
    ReadDesign(path);
}

void MainWindow::ReadDesign(const QString &path)
{
    QString warning;
    // A file that cannot be read leaves the open design as it was.
    if (!RunGuarded(this, [&] { warning = m_document->Open(path); }))
        return;
    ShowDesign();
    if (!warning.isEmpty())
        Dialogs().Warn(this, warning);
}

void MainWindow::OpenAtStartUp(const QString &path, bool asNew)
{
    if (!QFileInfo(path).isFile())
        return;
    QString warning;
    if (!RunGuarded(this, [&] { warning = m_document->Open(path); }))
        return;
    if (asNew)
        m_document->ClearFileName();
    // Refreshed as File > Open refreshes it (before the window shows, its first showing does):
    // a refresh more would move the size of a design whose corrections never settle, and its
    // sheets would differ from the command line's.
    if (m_shownOnce)
        ShowDesign();
    if (warning.isEmpty())
        return;
    // Before the window shows, the warning waits for it, so that it appears over the window.
    if (m_shownOnce)
        Dialogs().Warn(this, warning);
    else
        m_startUpWarning = warning;
}

MainWindow::SaveResult MainWindow::Save(bool askForName)
{
    FileDialogOptions saveDialog;
    saveDialog.Title = QStringLiteral("Armorwright Save");
    saveDialog.Filter = kDesignFilter;
    saveDialog.DefaultExtension = QStringLiteral("vkd");
    saveDialog.FileName = OfferedFileNameOf(m_document->Design(), saveDialog.DefaultExtension);
    TakeFocus();
    // The design keeps its file until a save under another name has gone through.
    QString target = askForName ? QString() : m_document->FileName();
    // Another editor on the same file saved meanwhile: its work is not replaced unasked.
    const bool keepTheirs = !target.isEmpty() && m_document->FileChangedElsewhere() &&
                            !ConfirmReplacingChangedFile(this, target, QStringLiteral("design"));
    if (target.isEmpty())
        target = Dialogs().SaveFileName(this, saveDialog);
    // Nor is a picture this program could not show dropped from its file unasked.
    const bool keepPicture =
        !keepTheirs && !target.isEmpty() && m_document->SavingDropsALeftOutPicture() &&
        QFileInfo(target).absoluteFilePath() == QFileInfo(m_document->FileName()).absoluteFilePath() &&
        Dialogs().AskYesNo(this, QStringLiteral("The picture in \"%1\" could not be shown and was left out when "
                                                "it was opened. Saving replaces the file without it.\n\nSave "
                                                "anyway?")
                                     .arg(target)) != DialogAnswer::Yes;
    SaveResult result = SaveResult::Cancelled;
    if (!target.isEmpty() && !keepTheirs && !keepPicture)
        result = RunGuarded(this, [&] { SaveBusy(target); }) ? SaveResult::Saved : SaveResult::Failed;
    ShowResults();
    return result;
}

void MainWindow::SaveBusy(const QString &target)
{
    // The window goes on painting meanwhile: it shows that it is busy and takes no command.
    const QScopedValueRollback<bool> saving(m_saving, true);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    menuBar()->setEnabled(false);
    const auto busyEnds = qScopeGuard([this] {
        menuBar()->setEnabled(true);
        QApplication::restoreOverrideCursor();
    });
    m_document->SaveTo(target);
}

void MainWindow::SaveDesign() { Save(); }

void MainWindow::SaveDesignAs() { Save(true); }

void MainWindow::CloseWindow()
{
    TakeFocus();
    close();
}

void MainWindow::CreateVariant()
{
    if (m_document->Modified())
        AskSaveVehicle(false);
    if (m_document->Modified()) {
        Dialogs().ShowError(this,
                            QStringLiteral("The vehicle needs to be saved before a variant can be created from it!"));
        return;
    }
    // The second editor reads the file: it must still hold the design shown here.
    const QString file = m_document->FileName();
    const QString changed = !file.isEmpty() && !QFileInfo::exists(file) ? QStringLiteral("is gone")
                            : m_document->FileChangedElsewhere()
                                ? QStringLiteral("was changed by another window or program")
                                : QString();
    if (!changed.isEmpty()) {
        Dialogs().ShowError(this, QStringLiteral("The file \"%1\" %2 since it was opened or saved here. Save the "
                                                 "vehicle before a variant can be created from it.")
                                      .arg(QDir::toNativeSeparators(file), changed));
        return;
    }
    const QStringList arguments{file, QStringLiteral("NEW")};
    if (!m_startProcess(QCoreApplication::applicationFilePath(), arguments))
        Dialogs().ShowError(this, QStringLiteral("The second editor could not be started."));
}

// ---- logs, help ----

void MainWindow::ShowLog(bool price)
{
    LogViewer viewer(this);
    viewer.SetDesignFile(m_document->FileName());
    TakeFocus();
    // Run on a copy: the calculation may correct sizes, and looking at a log changes nothing.
    viewer.SetLines(
        ReplayCalculationLog(*CopyDesign(m_document->Design()), price ? LogKind::Price : LogKind::ThreatValue));
    Dialogs().RunModal(viewer);
}

void MainWindow::ShowThreatValueLog() { ShowLog(false); }

void MainWindow::ShowPriceLog() { ShowLog(true); }

void MainWindow::OpenUserGuide()
{
    TakeFocus();
    ShowUserGuide(this);
}

void MainWindow::ShowAbout()
{
    TakeFocus();
    AboutDialog about(this);
    Dialogs().RunModal(about);
}

// ---- sheets ----

void MainWindow::CopySheetText()
{
    TakeFocus();
    const PrintJob job = MakePrintJob(m_document->Design());
    const std::string text =
        SheetFromTemplate(SheetKind::Text, CurrentProgramData().SheetTemplate(SheetKind::Text), job);
    QGuiApplication::clipboard()->setText(cp1252::ToQt(text));
}

void MainWindow::ExportSheetFile(bool html)
{
    const SheetKind kind = html ? SheetKind::Html : SheetKind::Text;
    const SheetSaveDialog dialog = SheetSaveDialogFor(kind);
    const QString path =
        SheetExportFile(QString(), QString::fromLatin1(dialog.DefaultExtension), QString::fromLatin1(dialog.Filter));
    if (path.isEmpty())
        return;
    SaveSheet(kind, ToNativePath(path), CurrentProgramData().SheetTemplate(kind), MakePrintJob(m_document->Design()));
}

void MainWindow::ExportTextSheet() { ExportSheetFile(false); }

void MainWindow::ExportHtmlSheet() { ExportSheetFile(true); }

QString MainWindow::SheetExportFile(const QString &title, const QString &extension, const QString &filter)
{
    TakeFocus();
    FileDialogOptions options;
    options.Title = title;
    options.DefaultExtension = extension;
    options.Filter = filter;
    options.FileName = OfferedFileNameOf(m_document->Design(), extension);
    const QString path = Dialogs().SaveFileName(this, options);
    // A sheet written over the design's own file would destroy the design.
    if (!path.isEmpty() && !m_document->FileName().isEmpty())
        RefuseOutputOverInput(ToNativePath(path), {ToNativePath(m_document->FileName())});
    return path;
}

void MainWindow::ExportJpegSheet()
{
    const QString path = SheetExportFile(QStringLiteral("Jpeg SaveDialog"), QStringLiteral("jpg"),
                                         QStringLiteral("JPEG Files|*.jpg;*.jpeg|All Files|*.*"));
    if (path.isEmpty())
        return;
    const PrintJob job = MakePrintJob(m_document->Design());
    SaveJpeg(SheetImage(job), ToNativePath(path));
}

QImage MainWindow::SheetImage(const PrintJob &job)
{
    const SheetLayoutSource layout = CurrentProgramData().SheetLayout(static_cast<int>(SheetLayoutChoice::Image));
    return BuildSheetImageFromLayout(job, layout);
}

void MainWindow::PrintSheet()
{
    TakeFocus();
    const PrintJob job = MakePrintJob(m_document->Design());
    const QImage sheet = SheetImage(job);
    QPrinter printer(QPrinter::HighResolution);
    if (!Dialogs().PrinterSetup(this, printer))
        return;
    printer.setDocName(Caption(false));
    if (!PrintSheetImage(printer, sheet))
        throw ArmorwrightError("The printer could not be started.");
}

void MainWindow::PreviewSheet()
{
    TakeFocus();
    const QImage sheet = SheetImage(MakePrintJob(m_document->Design()));
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(Caption(false));
    QPrintPreviewDialog preview(&printer, this);
    preview.setObjectName(QStringLiteral("printPreviewDialog"));
    // Printing from the preview goes through the same placement as the Print command.
    ConnectGuarded(&preview, &QPrintPreviewDialog::paintRequested, this,
                   [&sheet](QPrinter *target) { PrintSheetImage(*target, sheet); });
    Dialogs().RunModal(preview);
}

void MainWindow::ExportPdfSheet()
{
    const QString path = SheetExportFile(QStringLiteral("PDF SaveDialog"), QStringLiteral("pdf"),
                                         QStringLiteral("PDF Files|*.pdf|All Files|*.*"));
    if (path.isEmpty())
        return;
    const PrintJob job = MakePrintJob(m_document->Design());
    const bool letter = QLocale().measurementSystem() == QLocale::ImperialUSSystem;
    RenderSheetToPdf(SheetImage(job), ToNativePath(path), QPageSize(letter ? QPageSize::Letter : QPageSize::A4),
                     m_document->Design().Name);
}

// ---- rosters ----

RosterWindow *MainWindow::ShowNewRosterWindow(const QString &path)
{
    auto roster = std::make_unique<RosterWindow>(this);
    if (!path.isEmpty())
        roster->OpenFile(path);
    // A design the editor writes shows its new figures in every roster that lists it.
    ConnectGuarded(m_document, &VehicleDocument::FileUsed, roster.get(), &RosterWindow::DesignSaved);
    m_roster = roster.release();
    m_roster->show();
    return m_roster;
}

RosterWindow *MainWindow::CurrentRoster() const { return m_roster.data(); }

void MainWindow::NewRoster() { ShowNewRosterWindow(); }

void MainWindow::OpenRoster()
{
    const QString path = Dialogs().OpenFileName(
        this, {QStringLiteral("Open Roster"), RosterWindow::FileFilter(), QStringLiteral("json"), {}, true});
    if (!path.isEmpty())
        ShowNewRosterWindow(path);
}

void MainWindow::AddToRoster()
{
    TakeFocus();
    if (m_document->FileName().isEmpty()) {
        if (Dialogs().AskOkCancel(this, QStringLiteral("The design must be saved before it joins a roster.")) !=
                DialogAnswer::Ok ||
            Save() != SaveResult::Saved)
            return;
    }
    AddDesignsToRoster({m_document->FileName()});
}

void MainWindow::AddDesignsToRoster(const QStringList &paths)
{
    RosterWindow *roster = m_roster ? m_roster.data() : ShowNewRosterWindow();
    roster->AddDesigns(paths);
    roster->raise();
    roster->activateWindow();
}

// ---- undo, revert, compare ----

void MainWindow::UndoChange()
{
    TakeFocus();
    m_undo->Undo();
}

void MainWindow::RedoChange()
{
    TakeFocus();
    m_undo->Redo();
}

void MainWindow::RevertToSaved()
{
    TakeFocus();
    const QString path = m_document->FileName();
    if (path.isEmpty())
        return;
    if (m_document->Modified() &&
        Dialogs().AskYesNo(this, QStringLiteral("Discard the changes made since the vehicle was last saved?")) !=
            DialogAnswer::Yes)
        return;
    ReadDesign(path);
}

void MainWindow::CompareWithDesign()
{
    TakeFocus();
    FileDialogOptions options;
    options.Title = QStringLiteral("Compare With");
    options.Filter = kDesignFilter;
    options.DefaultExtension = QStringLiteral("vkd");
    // Offered first: the design's own file, to see what changed since it was saved.
    options.FileName = m_document->FileName();
    options.MustExist = true;
    const QString path = Dialogs().OpenFileName(this, options);
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return;
    CompareWindow::CompareWithFile(this, m_document->Design(), path);
}

void MainWindow::ShowDesignLibrary()
{
    if (!m_library) {
        m_library = new DesignLibraryWindow(this);
        // Opening from the library is opening a file: the save question comes first.
        ConnectGuarded(m_library, &DesignLibraryWindow::OpenDesignRequested, this, &MainWindow::OpenFile);
        ConnectGuarded(m_document, &VehicleDocument::FileUsed, m_library, &DesignLibraryWindow::DesignFileWritten);
        ConnectGuarded(m_library, &DesignLibraryWindow::AddToRosterRequested, this, &MainWindow::AddDesignsToRoster);
    }
    m_library->show();
    m_library->raise();
    m_library->activateWindow();
}

} // namespace aw
