#pragma once

#include <QPlainTextEdit>

namespace aw {

// A multi-line box for a design text: like the single-line boxes (Cp1252Validator), it
// refuses what Windows-1252 cannot hold as it is typed, pasted or dropped.
class MemoBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit MemoBox(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    bool Refuses(const QString &typed) const;
};

} // namespace aw
