#pragma once

#include <QWidget>

#include <vector>

class QAbstractItemView;
class QLineEdit;
class QListWidget;
class QTableWidget;

namespace aw {

// A filter box over library lists: every attached list shows only the rows whose searched
// texts contain the typed text (case-insensitive). The text holds for all of them at once,
// so it stays while the user switches between library tabs, and it is applied again when a
// list is refilled. A row hidden by the filter is never the selected one.
class LibraryFilter : public QWidget {
    Q_OBJECT
public:
    explicit LibraryFilter(const QString &caption, QWidget *parent = nullptr);

    // A grid searched in the given columns (for weapons: code, name and special codes).
    void AddGrid(QTableWidget *grid, std::vector<int> columns);
    // A list box searched in its item texts.
    void AddList(QListWidget *list);

    QLineEdit *Edit() const { return m_edit; }
    QString Text() const;
    void SetText(const QString &text);

    // Whether a row with these texts passes the filter: an empty filter passes everything.
    static bool Matches(const QString &filter, const QStringList &texts);

private:
    struct Target {
        QAbstractItemView *View;
        std::vector<int> Columns; // empty for a list box
    };

    void Attach(const Target &target);
    void ApplyRow(const Target &target, int row);
    void ApplyAll();
    void Apply(const Target &target, bool selectWhenNone = false);
    // Moves the selection off a hidden row: to the first row shown, or to none. With
    // selectWhenNone a list without a selection gets the first row shown as well.
    void KeepCurrentVisible(const Target &target, bool selectWhenNone = false);
    QStringList RowTexts(const Target &target, int row) const;
    bool IsHidden(const Target &target, int row) const;
    void SetHidden(const Target &target, int row, bool hidden);

    QLineEdit *m_edit;
    std::vector<Target> m_targets;
};

} // namespace aw
