#pragma once

#include <QLocale>
#include <QString>

class QLineEdit;
class QWidget;
namespace aw {

class SpinButton;

// Small steps of a person using the editor, for headless tests.
namespace driver {

// The user leaves the control (the focus moves on with the Tab key).
void Leave(QWidget *control);
// Replaces the text of an edit box by typing (so its typing handlers run).
void Type(QLineEdit *edit, const QString &text);
// Types text into an edit box and leaves it.
void Enter(QLineEdit *edit, const QString &text);
// Types text key by key into the focused part of a box, also characters no key of the test
// keyboard has (QTest::keyClicks takes Latin-1 only).
void KeyIn(QWidget *box, const QString &text);
void SpinUp(SpinButton *spin);
void SpinDown(SpinButton *spin);

// The user's locale is German (a decimal comma) while this lives, then what it was before.
class GermanLocale {
public:
    GermanLocale();
    ~GermanLocale();
    GermanLocale(const GermanLocale &) = delete;
    GermanLocale &operator=(const GermanLocale &) = delete;

private:
    QLocale m_before;
};

} // namespace driver

} // namespace aw
