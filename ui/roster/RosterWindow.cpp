#include "ui/roster/RosterWindow.h"

#include "base/ArmorwrightError.h"
#include "base/Files.h"
#include "base/NumberFormat.h"
#include "base/OutputOverInput.h"
#include "output/RecordSheet.h"
#include "output/RosterPages.h"
#include "output/RosterSummary.h"
#include "output/SafeFileName.h"
#include "storage/RosterFile.h"
#include "ui/CommandGuard.h"
#include "ui/NativePath.h"
#include "ui/ProgramData.h"
#include "ui/WindowPlacement.h"
#include "ui/dialogs/ChangedFileQuestion.h"
#include "ui/dialogs/DialogProvider.h"
#include "ui/roster/RosterDocument.h"
#include "ui/roster/RosterTableModel.h"
#include "ui/widgets/MoveFocus.h"
#include "ui/widgets/TypedNumber.h"

#include <QAction>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QUndoStack>
#include <QVBoxLayout>

#include <algorithm>

namespace aw {

namespace {

const QString kDesignFilter = QStringLiteral("Umbrant Files|*.vkd|All Files|*.*");

bool IsDesignFile(const QString &path) { return path.endsWith(QStringLiteral(".vkd"), Qt::CaseInsensitive); }

// The design files among dropped URLs; empty when any is something else.
QStringList DroppedDesigns(const QMimeData *data)
{
    QStringList paths;
    if (!data->hasUrls())
        return paths;
    for (const QUrl &url : data->urls()) {
        if (!url.isLocalFile() || !IsDesignFile(url.toLocalFile()))
            return {};
        paths << url.toLocalFile();
    }
    return paths;
}

// Edits a quantity with a spin box from 1 to the largest quantity an entry takes.
class QuantityDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &) const override
    {
        auto *box = new QSpinBox(parent);
        box->setObjectName(QStringLiteral("quantityBox"));
        box->setRange(1, kMaxRosterQuantity);
        return box;
    }
};

QPageSize LocalPageSize()
{
    const bool letter = QLocale().measurementSystem() == QLocale::ImperialUSSystem;
    return QPageSize(letter ? QPageSize::Letter : QPageSize::A4);
}

RosterSheetSource EditorSheets()
{
    return RosterSheetsOnLayout(CurrentProgramData().SheetLayout(static_cast<int>(SheetLayoutChoice::Image)));
}

} // namespace

RosterWindow::RosterWindow(QWidget *parent)
    : QWidget(parent, Qt::Window), m_document(new RosterDocument(this)),
      m_model(new RosterTableModel(*m_document, this)), m_name(new QLineEdit(this)), m_budget(new QLineEdit(this)),
      m_table(new QTableView(this)), m_totals(new QLabel(this))
{
    setObjectName(QStringLiteral("rosterWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAcceptDrops(true);
    resize(900, 480);

    m_name->setObjectName(QStringLiteral("rosterNameEdit"));
    m_budget->setObjectName(QStringLiteral("budgetEdit"));
    m_budget->setPlaceholderText(QStringLiteral("none"));
    m_budget->setToolTip(QStringLiteral("The total TV the force may field; empty for no budget"));
    auto *fields = new QFormLayout;
    fields->addRow(QStringLiteral("&Name:"), m_name);
    fields->addRow(QStringLiteral("TV &budget:"), m_budget);

    m_table->setObjectName(QStringLiteral("rosterTable"));
    m_table->setModel(m_model);
    // Tab moves on to the next control, as from every other box, not from cell to cell.
    m_table->setTabKeyNavigation(false);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                             QAbstractItemView::AnyKeyPressed);
    m_table->setItemDelegateForColumn(RosterTableModel::Quantity, new QuantityDelegate(m_table));
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->verticalHeader()->hide();
    // A cut text ends in "..." on its one line (the tooltip has it whole): a wrapped one
    // would show the halves of two lines in the row's height.
    m_table->setWordWrap(false);
    m_table->setAcceptDrops(false); // drops go to the window

    m_totals->setObjectName(QStringLiteral("totalsLabel"));
    m_totals->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto *buttons = new QVBoxLayout;
    auto button = [&](const QString &caption, const char *name, auto handler) {
        auto *push = new QPushButton(caption, this);
        push->setObjectName(QString::fromLatin1(name));
        ConnectGuarded(push, &QPushButton::clicked, this, handler);
        buttons->addWidget(push);
        return push;
    };
    button(QStringLiteral("Add D&esign\u2026"), "addDesignButton", &RosterWindow::AddDesignFile);
    button(QStringLiteral("&Remove"), "removeButton", &RosterWindow::RemoveSelected);
    button(QStringLiteral("Move &Up"), "moveUpButton", [this] { MoveSelected(-1); });
    button(QStringLiteral("Move &Down"), "moveDownButton", [this] { MoveSelected(1); });
    buttons->addSpacing(12);
    button(QStringLiteral("&Save"), "saveButton", [this] { Save(); });
    button(QStringLiteral("Save &As\u2026"), "saveAsButton", [this] { Save(true); });
    buttons->addSpacing(12);
    button(QStringLiteral("Export &PDF\u2026"), "exportPdfButton", &RosterWindow::ExportPdf);
    button(QStringLiteral("Export &Text/HTML\u2026"), "exportSummaryButton", &RosterWindow::ExportSummary);
    button(QStringLiteral("Pr&int\u2026"), "printButton", &RosterWindow::PrintRoster);
    buttons->addStretch();

    auto *middle = new QHBoxLayout;
    middle->addWidget(m_table, 1);
    middle->addLayout(buttons);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(middle, 1);
    layout->addWidget(m_totals);

    QUndoStack *undo = m_document->UndoStack();
    auto *undoAction = new QAction(QStringLiteral("Undo"), this);
    undoAction->setObjectName(QStringLiteral("rosterUndoAction"));
    undoAction->setShortcut(QKeySequence::Undo);
    auto *redoAction = new QAction(QStringLiteral("Redo"), this);
    redoAction->setObjectName(QStringLiteral("rosterRedoAction"));
    redoAction->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    for (QAction *action : {undoAction, redoAction}) {
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
    }
    ConnectGuarded(undoAction, &QAction::triggered, this, [undo] { undo->undo(); });
    ConnectGuarded(redoAction, &QAction::triggered, this, [undo] { undo->redo(); });

    ConnectGuarded(m_name, &QLineEdit::editingFinished, this, [this] { m_document->SetName(m_name->text()); });
    ConnectGuarded(m_budget, &QLineEdit::editingFinished, this, &RosterWindow::TakeBudget);
    ConnectGuarded(m_document, &RosterDocument::Changed, this, &RosterWindow::ShowRoster);
    ConnectGuarded(m_document, &RosterDocument::ModifiedChanged, this, &QWidget::setWindowModified);
    ShowRoster();
    // 900 x 480 as designed, or less on a small or scaled screen.
    CentreOnScreen(*this);
}

// The name and budget boxes report editingFinished when they lose the focus as the window's
// children are deleted, by then no longer inside a RosterWindow: they report to nobody.
RosterWindow::~RosterWindow()
{
    m_name->disconnect(this);
    m_budget->disconnect(this);
}

QString RosterWindow::FileFilter() { return QStringLiteral("Roster Files|*.json|All Files|*.*"); }

QString RosterWindow::TotalsText() const { return m_totals->text(); }

void RosterWindow::OpenFile(const QString &path) { m_document->Open(path); }

void RosterWindow::TakePendingEdits()
{
    // A name, budget or cell being typed counts once the box is left: it is left now.
    MoveFocus(*m_table);
}

bool RosterWindow::Save(bool askForName)
{
    TakePendingEdits();
    QString path = m_document->FileName();
    // Another program or window wrote the roster meanwhile: its work is not replaced unasked.
    if (!path.isEmpty() && !askForName && m_document->FileChangedElsewhere() &&
        !ConfirmReplacingChangedFile(this, path, QStringLiteral("roster")))
        return false;
    if (path.isEmpty() || askForName) {
        path = SaveFileName(QStringLiteral("Save Roster"), QStringLiteral("json"), FileFilter());
        if (path.isEmpty())
            return false;
    }
    return RunGuarded(this, [&] {
        // Saved over one of its designs, the roster would destroy that design.
        RefuseOutputOverInput(ToNativePath(path), RosterInputFiles({}, m_document->Evaluation()));
        m_document->SaveTo(path);
    });
}

void RosterWindow::AddDesignFile()
{
    const QString path =
        Dialogs().OpenFileName(this, {QStringLiteral("Add Design"), kDesignFilter, QStringLiteral("vkd"), {}, true});
    if (!path.isEmpty())
        AddDesigns({path});
}

void RosterWindow::RemoveSelected() { m_document->RemoveEntry(SelectedRow()); }

void RosterWindow::MoveSelected(int step)
{
    const int row = SelectedRow();
    const int to = row + step;
    if (row < 0 || to < 0 || to >= m_model->rowCount())
        return;
    m_document->MoveEntry(row, to);
    m_table->selectRow(to);
}

void RosterWindow::ExportPdf()
{
    const QString path = ExportFileName(QStringLiteral("Export Roster PDF"), QStringLiteral("pdf"),
                                        QStringLiteral("PDF Files|*.pdf|All Files|*.*"));
    if (path.isEmpty())
        return;
    // A design moved or changed unheard of (its folder renamed) is read again first.
    m_document->RefreshDesignsIn(QString());
    const RosterEvaluation &evaluation = m_document->Evaluation();
    RenderRosterToPdf(ToNativePath(path), LocalPageSize(), MakeRosterSummary(m_document->Contents().Name, evaluation),
                      evaluation, EditorSheets());
}

void RosterWindow::ExportSummary()
{
    const QString path = ExportFileName(QStringLiteral("Export Roster Summary"), QStringLiteral("txt"),
                                        QStringLiteral("Text Files|*.txt|HTML Files|*.html;*.htm|All Files|*.*"));
    if (path.isEmpty())
        return;
    m_document->RefreshDesignsIn(QString());
    const RosterSummary summary = MakeRosterSummary(m_document->Contents().Name, m_document->Evaluation());
    const QString suffix = QFileInfo(path).suffix().toLower();
    const bool html = suffix == QStringLiteral("html") || suffix == QStringLiteral("htm");
    WriteFileAtomically(ToNativePath(path), html ? RosterSummaryHtml(summary) : RosterSummaryText(summary));
}

void RosterWindow::PrintRoster()
{
    m_document->RefreshDesignsIn(QString());
    const RosterEvaluation &evaluation = m_document->Evaluation();
    const RosterSummary summary = MakeRosterSummary(m_document->Contents().Name, evaluation);
    const RosterSheetSource sheets = EditorSheets();
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QString::fromStdString(summary.Title));
    QPrintPreviewDialog preview(&printer, this);
    preview.setObjectName(QStringLiteral("rosterPrintPreviewDialog"));
    ConnectGuarded(&preview, &QPrintPreviewDialog::paintRequested, this,
                   [&](QPrinter *target) { PaintRoster(*target, summary, evaluation, sheets); });
    Dialogs().RunModal(preview);
}

void RosterWindow::AddDesigns(const QStringList &paths)
{
    if (!paths.isEmpty())
        m_document->AddDesigns(paths);
}

void RosterWindow::DesignSaved(const QString &path) { m_document->RefreshDesign(path); }

void RosterWindow::closeEvent(QCloseEvent *event)
{
    TakePendingEdits();
    if (m_document->Modified()) {
        const DialogAnswer answer = Dialogs().AskYesNoCancel(this, QStringLiteral("Do you wish to save the roster?"));
        if (answer == DialogAnswer::Cancel || (answer == DialogAnswer::Yes && !Save())) {
            event->ignore();
            return;
        }
    }
    event->accept();
}

void RosterWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (!DroppedDesigns(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void RosterWindow::dropEvent(QDropEvent *event)
{
    const QStringList paths = DroppedDesigns(event->mimeData());
    if (paths.isEmpty())
        return;
    event->acceptProposedAction();
    RunGuarded(this, [&] { AddDesigns(paths); });
}

void RosterWindow::ShowRoster()
{
    const Roster &roster = m_document->Contents();
    const QString file = m_document->FileName();
    setWindowTitle(QStringLiteral("Roster - %1%2[*]")
                       .arg(roster.Name.empty() ? QStringLiteral("Untitled") : QString::fromStdString(roster.Name),
                            file.isEmpty() ? QString() : QStringLiteral(" - ") + QFileInfo(file).fileName()));
    if (!m_name->hasFocus())
        m_name->setText(QString::fromStdString(roster.Name));
    if (!m_budget->hasFocus())
        m_budget->setText(roster.Budget ? QString::fromStdString(number::General(*roster.Budget)) : QString());
    const RosterSummary summary = MakeRosterSummary(roster.Name, m_document->Evaluation());
    QStringList lines;
    for (const RosterSummary::Total &total : summary.Totals) {
        const QString line =
            (QString::fromStdString(total.Caption) + QStringLiteral(": ") + QString::fromStdString(total.Value))
                .toHtmlEscaped();
        lines << (total.Warning ? QStringLiteral("<span style=\"color:#c00000; font-weight:bold\">%1</span>").arg(line)
                                : line);
    }
    m_totals->setText(lines.join(QStringLiteral("<br>")));
    // The status takes the room left; a long reason is shown whole in its tooltip. So is a
    // long name or note, cut to a width that keeps the numbers and the status in sight.
    const int widestText = m_table->fontMetrics().averageCharWidth() * 40;
    for (int column = 0; column < RosterTableModel::Status; ++column) {
        m_table->resizeColumnToContents(column);
        if (column == RosterTableModel::Design || column == RosterTableModel::File || column == RosterTableModel::Note)
            m_table->setColumnWidth(column, std::min(m_table->columnWidth(column), widestText));
    }
}

void RosterWindow::TakeBudget()
{
    const QString text = m_budget->text().trimmed();
    double budget = 0;
    if (text.isEmpty()) {
        m_document->SetBudget(std::nullopt);
    } else if (ParseTypedReal(text, budget) && budget >= 0) {
        m_document->SetBudget(budget);
    } else {
        m_budget->setText(m_document->Contents().Budget
                              ? QString::fromStdString(number::General(*m_document->Contents().Budget))
                              : QString());
        Dialogs().Warn(this, QStringLiteral("The budget is a threat value of 0 or more, or empty for none."));
    }
}

int RosterWindow::SelectedRow() const
{
    const QModelIndexList rows = m_table->selectionModel()->selectedRows();
    return rows.isEmpty() ? (m_table->currentIndex().isValid() ? m_table->currentIndex().row() : -1)
                          : rows.first().row();
}

QString RosterWindow::SaveFileName(const QString &title, const QString &extension, const QString &filter)
{
    FileDialogOptions options;
    options.Title = title;
    options.DefaultExtension = extension;
    options.Filter = filter;
    std::string name = OfferedFileName(m_document->Contents().Name, extension.toStdString());
    if (name.empty())
        name = OfferedFileName("roster", extension.toStdString());
    options.FileName = QString::fromStdString(name);
    return Dialogs().SaveFileName(this, options);
}

QString RosterWindow::ExportFileName(const QString &title, const QString &extension, const QString &filter)
{
    const QString path = SaveFileName(title, extension, filter);
    if (path.isEmpty())
        return path;
    // Neither the roster nor one of its designs is replaced by what is made from them.
    RefuseOutputOverInput(ToNativePath(path),
                          RosterInputFiles(ToNativePath(m_document->FileName()), m_document->Evaluation()));
    return path;
}

} // namespace aw
