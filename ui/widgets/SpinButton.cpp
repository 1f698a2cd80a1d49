#include "ui/widgets/SpinButton.h"

#include "ui/CommandGuard.h"
#include "ui/widgets/ExitEdit.h"
#include "ui/widgets/MoveFocus.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QToolButton>
#include <QVBoxLayout>

namespace aw {

namespace {

QToolButton *ArrowButton(Qt::ArrowType arrow, const char *name, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setFixedSize(16, 11);
    return button;
}

} // namespace

SpinButton::SpinButton(QWidget *parent)
    : QWidget(parent), m_up(ArrowButton(Qt::UpArrow, "up", this)), m_down(ArrowButton(Qt::DownArrow, "down", this))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_up);
    layout->addWidget(m_down);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    ConnectGuarded(m_up, &QToolButton::clicked, this, [this] {
        TakeTypedValues();
        emit UpClick();
    });
    ConnectGuarded(m_down, &QToolButton::clicked, this, [this] {
        TakeTypedValues();
        emit DownClick();
    });
}

void SpinButton::SetBox(ExitEdit *box)
{
    m_box = box;
    box->installEventFilter(this);
}

void SpinButton::SetList(QAbstractItemView *list)
{
    m_list = list;
    list->installEventFilter(this);
}

bool SpinButton::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() != Qt::Key_Up && key->key() != Qt::Key_Down)
        return false;
    const Qt::KeyboardModifiers wanted = watched == m_list ? Qt::ControlModifier : Qt::NoModifier;
    if ((key->modifiers() & ~Qt::KeypadModifier) != wanted)
        return false;
    (key->key() == Qt::Key_Up ? m_up : m_down)->click();
    return true;
}

void SpinButton::TakeTypedValues()
{
    // The buttons take no focus, so a click by itself leaves no box: the box or list they
    // step takes the focus, and a box being typed in elsewhere takes what was typed. (A list
    // without a current line would make its first line current on taking the focus.)
    if (m_box) {
        MoveFocus(*m_box);
        m_box->CommitTyped();
    } else if (m_list && m_list->currentIndex().isValid()) {
        MoveFocus(*m_list);
    }
}

} // namespace aw
