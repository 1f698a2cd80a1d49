#pragma once

#include <QStringList>
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace aw {

class RosterDocument;
class RosterTableModel;

// A force roster in a window of its own beside the editor: the name and TV budget, the
// entries (quantity and note edited in place), the totals against the budget, and the
// commands to add, remove and reorder entries, save, export and print. Design files dropped
// on it are added. Ctrl+Z and Ctrl+Y undo and redo its edits.
class RosterWindow : public QWidget {
    Q_OBJECT
public:
    explicit RosterWindow(QWidget *parent = nullptr);
    ~RosterWindow() override;

    // What the roster file choosers offer.
    static QString FileFilter();

    RosterDocument &Document() const { return *m_document; }
    QTableView *Table() const { return m_table; }
    // The totals as shown below the table (rich text).
    QString TotalsText() const;

    // Opens a roster file; throws when it cannot be read, keeping the roster shown.
    void OpenFile(const QString &path);
    // Saves to the roster's file, or to one the user names; false when cancelled or failed.
    bool Save(bool askForName = false);

    // Commands of the buttons.
    void AddDesignFile();
    void RemoveSelected();
    void MoveSelected(int step);
    void ExportPdf();
    void ExportSummary();
    void PrintRoster();

public slots:
    // Adds an entry of quantity 1 for each design file.
    void AddDesigns(const QStringList &paths);
    // The editor wrote a design file: an entry of it shows its new figures.
    void DesignSaved(const QString &path);

protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void ShowRoster();
    void TakePendingEdits();
    void TakeBudget();
    int SelectedRow() const;
    QString SaveFileName(const QString &title, const QString &extension, const QString &filter);
    // SaveFileName for a file made from the roster; throws when it is the roster's or one of
    // its designs' own file.
    QString ExportFileName(const QString &title, const QString &extension, const QString &filter);

    RosterDocument *m_document;
    RosterTableModel *m_model;
    QLineEdit *m_name;
    QLineEdit *m_budget;
    QTableView *m_table;
    QLabel *m_totals;
};

} // namespace aw
