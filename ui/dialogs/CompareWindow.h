#pragma once

#include <QDialog>
#include <QHash>

class QCheckBox;
class QLabel;
class QTreeWidget;
class QTreeWidgetItem;
namespace aw {

class BaseVehicle;

// Two designs side by side: every field, every list entry and every result of each, in a
// tree grouped as the design holds them, with the values that differ highlighted (and their
// groups opened). "Differences only" hides the rest. Of designs that differ in very many
// places the first kListedValues values and every result are listed.
class CompareWindow : public QDialog {
    Q_OBJECT
public:
    // So many values are listed at most (the results besides): a tree of hundreds of thousands
    // of rows would take minutes to lay out. The summary says how many more there are.
    static constexpr int kListedValues = 5000;
    // A value shows so many characters at most: eliding a note of megabytes on every repaint
    // would freeze the window.
    static constexpr int kShownCharacters = 500;

    // Both designs have their results computed (which may correct Armor, FinalSize and Crew
    // as the editor's refresh does): pass copies of a design that is being edited.
    CompareWindow(const QString &captionA, BaseVehicle &a, const QString &captionB, BaseVehicle &b,
                  QWidget *parent = nullptr);

    // Shows the open design (a copy of it) beside the design file at path. Throws when the
    // file cannot be read.
    static void CompareWithFile(QWidget *parent, const BaseVehicle &open, const QString &path);

    QTreeWidget *Tree() const { return m_tree; }
    int DifferenceCount() const { return m_differences; }
    // The row of a compared value by its path ("Armor", "weapons[1].Name", "results.ThreatValue").
    QTreeWidgetItem *Row(const QString &path) const { return m_rows.value(path); }
    bool IsHighlighted(const QTreeWidgetItem *row) const;
    void SetDifferencesOnly(bool on);

private:
    QTreeWidgetItem *Node(const QStringList &segments, int count);
    void Highlight(QTreeWidgetItem *row);

    QTreeWidget *m_tree;
    QCheckBox *m_differencesOnly;
    QLabel *m_summary;
    QHash<QString, QTreeWidgetItem *> m_rows;  // compared values by path
    QHash<QString, QTreeWidgetItem *> m_nodes; // every row by its segments
    int m_differences = 0;
};

} // namespace aw
