#include "ui/dialogs/CompareWindow.h"

#include "base/NumberFormat.h"
#include "engine/DesignDiff.h"
#include "engine/OpenedDesignFile.h"
#include "engine/Vehicle.h"
#include "ui/CommandGuard.h"
#include "ui/Cp1252.h"
#include "ui/NativePath.h"
#include "ui/WindowPlacement.h"
#include "ui/dialogs/ComparedValueText.h"
#include "ui/dialogs/DialogProvider.h"
#include "ui/document/UndoChangeText.h"
#include "ui/document/UndoSnapshot.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QRegularExpression>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace aw {

namespace {

constexpr int kDiffersRole = Qt::UserRole + 1;
const QColor kDifferenceColour(255, 214, 214);
const QString kDesignGroup = QStringLiteral("Design");
constexpr const char *kResultsPrefix = "results.";

// "weapons[2].clips[0].Amount" -> weapons, [2], clips, [0], Amount; a field of the design
// itself goes into the "Design" group.
QStringList SegmentsOf(const std::string &path)
{
    static const QRegularExpression indexed(QStringLiteral("^(.*)\\[(\\d+)\\]$"));
    QStringList segments;
    for (const QString &part : QString::fromStdString(path).split(QLatin1Char('.'))) {
        const QRegularExpressionMatch match = indexed.match(part);
        if (match.hasMatch())
            segments << match.captured(1) << QLatin1Char('[') + match.captured(2) + QLatin1Char(']');
        else
            segments << part;
    }
    if (segments.size() == 1)
        segments.prepend(kDesignGroup);
    return segments;
}

// "[2]" -> "#3"; a field name in words.
QString LabelOf(const QString &segment)
{
    if (segment.startsWith(QLatin1Char('[')))
        return QStringLiteral("#%1").arg(segment.mid(1, segment.size() - 2).toInt() + 1);
    return FieldWords(segment.toStdString());
}

bool IsEntryName(const QString &segment)
{
    return segment == QLatin1String("Name") || segment == QLatin1String("PFDName") ||
           segment == QLatin1String("ModeName");
}

// Shows a row and its ancestors as a place where the designs differ.
void MarkDiffering(QTreeWidgetItem *row)
{
    for (QTreeWidgetItem *item = row; item; item = item->parent()) {
        if (item != row && item->data(0, kDiffersRole).toBool())
            return; // and so are its ancestors
        item->setData(0, kDiffersRole, true);
        QFont bold = item->font(0);
        bold.setBold(true);
        for (int column = 0; column < 3; ++column)
            item->setFont(column, bold);
        if (item != row)
            item->setExpanded(true);
    }
}

QString Grouped(qsizetype count) { return QString::fromStdString(number::Grouped(static_cast<double>(count), 0)); }

// A value as the editor shows it; a number shown shorter keeps its exact value as its tip, so
// two values that look alike can still be told apart.
void ShowValue(QTreeWidgetItem &row, int column, const std::string &path, const std::string &exact)
{
    QString shown = ComparedValueText(path, exact);
    if (shown.size() > CompareWindow::kShownCharacters) {
        row.setToolTip(column, QStringLiteral("%1 characters, the first %2 are shown")
                                   .arg(Grouped(shown.size()), Grouped(CompareWindow::kShownCharacters)));
        shown = shown.left(CompareWindow::kShownCharacters) + QChar(0x2026);
    } else if (shown != cp1252::ToQt(exact)) {
        row.setToolTip(column, cp1252::ToQt(exact));
    }
    row.setText(column, shown);
}

QString SummaryText(int differences, int leftOut)
{
    if (differences == 0)
        return QStringLiteral("The designs are the same.");
    QString text =
        QStringLiteral("%1 difference%2").arg(Grouped(differences), differences == 1 ? QString() : QStringLiteral("s"));
    if (leftOut > 0)
        text += QStringLiteral("; only the first %1 values and the results are listed, %2 more values are left out")
                    .arg(Grouped(CompareWindow::kListedValues), Grouped(leftOut));
    return text;
}

} // namespace

CompareWindow::CompareWindow(const QString &captionA, BaseVehicle &a, const QString &captionB, BaseVehicle &b,
                             QWidget *parent)
    : QDialog(parent), m_tree(new QTreeWidget(this)),
      m_differencesOnly(new QCheckBox(QStringLiteral("Differences only"), this)), m_summary(new QLabel(this))
{
    setObjectName(QStringLiteral("compareWindow"));
    setWindowTitle(QStringLiteral("Compare Designs"));
    setSizeGripEnabled(true);
    m_tree->setObjectName(QStringLiteral("tvCompare"));
    m_differencesOnly->setObjectName(QStringLiteral("cbDifferencesOnly"));
    m_summary->setObjectName(QStringLiteral("lblDifferences"));
    m_summary->setWordWrap(true); // the note of values left out is long

    m_tree->setColumnCount(3);
    m_tree->setHeaderLabels({QStringLiteral("Field"), captionA, captionB});
    m_tree->setUniformRowHeights(true);
    m_tree->setAlternatingRowColors(true);

    int listed = 0;
    int leftOut = 0;
    for (const DesignComparisonRow &compared : CompareDesignsSideBySide(a, b)) {
        m_differences += compared.Differs ? 1 : 0;
        // The results come last and are what a comparison is mostly for: always listed.
        if (compared.Path.rfind(kResultsPrefix, 0) != 0) {
            if (listed == CompareWindow::kListedValues) {
                ++leftOut;
                continue;
            }
            ++listed;
        }
        const QStringList segments = SegmentsOf(compared.Path);
        QTreeWidgetItem *row = Node(segments, static_cast<int>(segments.size()));
        ShowValue(*row, 1, compared.Path, compared.A);
        ShowValue(*row, 2, compared.Path, compared.B);
        row->setToolTip(0, QString::fromStdString(compared.Path));
        m_rows.insert(QString::fromStdString(compared.Path), row);
        // A list entry shows its name on its own row.
        if (segments.size() >= 3 && IsEntryName(segments.last())) {
            QTreeWidgetItem *entry = row->parent();
            entry->setText(1, row->text(1));
            entry->setText(2, row->text(2));
        }
        if (compared.Differs)
            Highlight(row);
    }

    m_tree->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_tree->header()->setSectionResizeMode(1, QHeaderView::Stretch);
    m_tree->header()->setSectionResizeMode(2, QHeaderView::Stretch);
    m_summary->setText(SummaryText(m_differences, leftOut));

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    ConnectGuarded(m_differencesOnly, &QCheckBox::toggled, this, &CompareWindow::SetDifferencesOnly);

    auto *bar = new QHBoxLayout;
    bar->addWidget(m_summary, 1);
    bar->addWidget(m_differencesOnly);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(m_tree, 1);
    layout->addWidget(buttons);
    resize(720, 560);
    FitToScreen(*this);
}

void CompareWindow::CompareWithFile(QWidget *parent, const BaseVehicle &open, const QString &path)
{
    // Settled as opening it in the editor would, so an unchanged design compares equal.
    const OpenedDesignFile saved = OpenAsEditor(ToNativePath(path));
    if (!saved.Warning.empty()) // what was left out (a picture) is not compared
        Dialogs().Warn(parent, QString::fromStdString(saved.Warning));
    const std::unique_ptr<Vehicle> copy = CopyDesign(open);
    CompareWindow window(QStringLiteral("Open design"), *copy, QFileInfo(path).fileName(), *saved.Design, parent);
    Dialogs().RunModal(window);
}

QTreeWidgetItem *CompareWindow::Node(const QStringList &segments, int count)
{
    const QString key = segments.mid(0, count).join(QLatin1Char('.'));
    if (QTreeWidgetItem *known = m_nodes.value(key))
        return known;
    QTreeWidgetItem *item = count == 1 ? new QTreeWidgetItem(m_tree) : new QTreeWidgetItem(Node(segments, count - 1));
    item->setText(0, LabelOf(segments[count - 1]));
    item->setData(0, kDiffersRole, false);
    m_nodes.insert(key, item);
    return item;
}

void CompareWindow::Highlight(QTreeWidgetItem *row)
{
    for (int column = 0; column < 3; ++column)
        row->setBackground(column, kDifferenceColour);
    MarkDiffering(row);
}

bool CompareWindow::IsHighlighted(const QTreeWidgetItem *row) const
{
    return row && row->background(1).color() == kDifferenceColour;
}

void CompareWindow::SetDifferencesOnly(bool on)
{
    if (m_differencesOnly->isChecked() != on) {
        m_differencesOnly->setChecked(on); // comes back here through toggled
        return;
    }
    for (QTreeWidgetItem *item : std::as_const(m_nodes))
        item->setHidden(on && !item->data(0, kDiffersRole).toBool());
}

} // namespace aw
