#pragma once

#include <QPlainTextEdit>

namespace aw {

// A multi-line box for a design text: like the single-line boxes (Cp1252Validator), it takes
// what is typed, pasted or dropped as Windows-1252 can hold it.
class MemoBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit MemoBox(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    // Inserts the storable form of text when Windows-1252 cannot hold all of it; false
    // when it can, and the box's own handling is to go on.
    bool InsertedAsStorable(const QString &text);
};

} // namespace aw
