#include "ui/pages/LibraryFilter.h"

#include "ui/CommandGuard.h"
#include "ui/Cp1252.h"

#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QTableWidget>

namespace aw {

LibraryFilter::LibraryFilter(const QString &caption, QWidget *parent) : QWidget(parent), m_edit(new QLineEdit(this))
{
    setObjectName(QStringLiteral("pnlLibraryFilter"));
    m_edit->setObjectName(QStringLiteral("eLibraryFilter"));
    m_edit->setClearButtonEnabled(true);
    m_edit->setPlaceholderText(QStringLiteral("Code, name or special"));
    auto *label = new QLabel(caption, this);
    label->setBuddy(m_edit);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label);
    layout->addWidget(m_edit, 1);
    ConnectGuarded(m_edit, &QLineEdit::textChanged, this, [this] { ApplyAll(); });
}

QString LibraryFilter::Text() const { return m_edit->text(); }

void LibraryFilter::SetText(const QString &text) { m_edit->setText(text); }

bool LibraryFilter::Matches(const QString &filter, const QStringList &texts)
{
    const QString wanted = filter.trimmed();
    if (wanted.isEmpty())
        return true;
    for (const QString &text : texts) {
        if (cp1252::ContainsIgnoringCase(text, wanted))
            return true;
    }
    return false;
}

void LibraryFilter::AddGrid(QTableWidget *grid, std::vector<int> columns) { Attach({grid, std::move(columns)}); }

void LibraryFilter::AddList(QListWidget *list) { Attach({list, {}}); }

void LibraryFilter::Attach(const Target &target)
{
    m_targets.push_back(target);
    QAbstractItemModel *model = target.View->model();
    // Refilling a list adds rows and writes their texts: each row is judged as it is written.
    ConnectGuarded(model, &QAbstractItemModel::rowsInserted, this,
                   [this, target](const QModelIndex &, int first, int last) {
                       for (int row = first; row <= last; ++row)
                           ApplyRow(target, row);
                   });
    ConnectGuarded(model, &QAbstractItemModel::dataChanged, this,
                   [this, target](const QModelIndex &topLeft, const QModelIndex &bottomRight) {
                       for (int row = topLeft.row(); row <= bottomRight.row(); ++row)
                           ApplyRow(target, row);
                   });
    // A list is also reset while it is being destroyed, when it can no longer be asked about
    // its rows: the reset is looked at afterwards, if the list is still there.
    ConnectGuarded(
        model, &QAbstractItemModel::modelReset, this,
        [this, target, view = QPointer<QAbstractItemView>(target.View)] {
            if (view)
                Apply(target);
        },
        Qt::QueuedConnection);
    ConnectGuarded(target.View->selectionModel(), &QItemSelectionModel::currentChanged, this,
                   [this, target] { KeepCurrentVisible(target); });
    Apply(target);
}

QStringList LibraryFilter::RowTexts(const Target &target, int row) const
{
    QStringList texts;
    if (auto *list = qobject_cast<QListWidget *>(target.View)) {
        if (QListWidgetItem *item = list->item(row))
            texts << item->text();
    } else if (auto *grid = qobject_cast<QTableWidget *>(target.View)) {
        for (int column : target.Columns) {
            if (QTableWidgetItem *item = grid->item(row, column))
                texts << item->text();
        }
    }
    return texts;
}

bool LibraryFilter::IsHidden(const Target &target, int row) const
{
    if (auto *list = qobject_cast<QListWidget *>(target.View))
        return list->isRowHidden(row);
    return static_cast<QTableWidget *>(target.View)->isRowHidden(row);
}

void LibraryFilter::SetHidden(const Target &target, int row, bool hidden)
{
    if (IsHidden(target, row) == hidden)
        return;
    if (auto *list = qobject_cast<QListWidget *>(target.View))
        list->setRowHidden(row, hidden);
    else
        static_cast<QTableWidget *>(target.View)->setRowHidden(row, hidden);
}

void LibraryFilter::ApplyRow(const Target &target, int row)
{
    SetHidden(target, row, !Matches(Text(), RowTexts(target, row)));
    if (row == target.View->currentIndex().row())
        KeepCurrentVisible(target);
}

void LibraryFilter::Apply(const Target &target, bool selectWhenNone)
{
    const int rows = target.View->model()->rowCount();
    for (int row = 0; row < rows; ++row)
        SetHidden(target, row, !Matches(Text(), RowTexts(target, row)));
    KeepCurrentVisible(target, selectWhenNone);
}

void LibraryFilter::ApplyAll()
{
    // A new filter text: the first row shown is selected, as a freshly filled library has it.
    for (const Target &target : m_targets)
        Apply(target, true);
}

void LibraryFilter::KeepCurrentVisible(const Target &target, bool selectWhenNone)
{
    QAbstractItemView *view = target.View;
    const QModelIndex current = view->currentIndex();
    if (current.isValid() && !IsHidden(target, current.row()))
        return;
    const int rows = view->model()->rowCount();
    for (int row = 0; row < rows; ++row) {
        if (!IsHidden(target, row)) {
            if (current.isValid() || selectWhenNone)
                view->setCurrentIndex(view->model()->index(row, 0));
            return;
        }
    }
    if (current.isValid()) {
        view->selectionModel()->clearCurrentIndex();
        view->clearSelection();
    }
}

} // namespace aw
