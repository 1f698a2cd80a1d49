#include "EditorDriver.h"

#include "ui/widgets/SpinButton.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>

namespace aw {

namespace driver {

void Leave(QWidget *control)
{
    QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(control, &leave);
}

void Type(QLineEdit *edit, const QString &text)
{
    edit->selectAll();
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Delete);
    else
        QTest::keyClicks(edit, text);
}

void Enter(QLineEdit *edit, const QString &text)
{
    Type(edit, text);
    Leave(edit);
}

void KeyIn(QWidget *box, const QString &text)
{
    for (const QChar character : text) {
        QTest::sendKeyEvent(QTest::Press, box, Qt::Key_unknown, QString(character), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, box, Qt::Key_unknown, QString(character), Qt::NoModifier);
    }
}

void SpinUp(SpinButton *spin) { QTest::mouseClick(spin->UpButton(), Qt::LeftButton); }

void SpinDown(SpinButton *spin) { QTest::mouseClick(spin->DownButton(), Qt::LeftButton); }

GermanLocale::GermanLocale() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

GermanLocale::~GermanLocale() { QLocale::setDefault(m_before); }

} // namespace driver

} // namespace aw
