#pragma once

#include "base/CalculationLog.h"

#include <QDialog>
#include <QStringList>

class QPlainTextEdit;
class QPushButton;

namespace aw {

// "Log Viewer": shows the lines of one calculation run, lets the user read and edit them
// (as Windows-1252 can hold what is typed or pasted) and save them as a text file with CR LF
// line ends.
class LogViewer : public QDialog {
    Q_OBJECT
public:
    explicit LogViewer(QWidget *parent = nullptr);

    // Replaces the shown text by lines (Windows-1252 texts, one per line).
    void SetLines(const LogLines &lines);
    // The lines as shown and possibly edited; a trailing line break adds no empty line.
    QStringList Lines() const;

    // The design's own file, which a saved log must not replace (empty for none).
    void SetDesignFile(const QString &path) { m_designFile = path; }

    // The "Save" button: asks for a file with the sdLog dialog and writes the lines.
    void SaveLog();

    // Writes lines to path, each ended by CR LF, replacing an existing file.
    static void SaveLines(const QStringList &lines, const QString &path);

private:
    QPlainTextEdit *m_log;
    QPushButton *m_ok;
    QPushButton *m_save;
    QString m_designFile;
};

} // namespace aw
