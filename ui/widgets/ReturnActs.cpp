#include "ui/widgets/ReturnActs.h"

#include "ui/CommandGuard.h"

#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

#include <utility>

namespace aw {

namespace {

class ReturnFilter : public QObject {
public:
    ReturnFilter(QWidget &list, std::function<void()> act) : QObject(&list), m_list(list), m_act(std::move(act)) {}

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        const auto *press = static_cast<QKeyEvent *>(event);
        if (press->key() != Qt::Key_Return && press->key() != Qt::Key_Enter)
            return QObject::eventFilter(watched, event);
        if (!press->isAutoRepeat())
            RunGuarded(&m_list, m_act);
        return true;
    }

private:
    QWidget &m_list;
    std::function<void()> m_act;
};

} // namespace

void ActOnReturn(QWidget &list, std::function<void()> act)
{
    list.installEventFilter(new ReturnFilter(list, std::move(act)));
}

} // namespace aw
