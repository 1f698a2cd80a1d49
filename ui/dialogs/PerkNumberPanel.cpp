#include "ui/dialogs/PerkNumberPanel.h"

#include "ui/CommandGuard.h"
#include "ui/widgets/ExitEdit.h"
#include "ui/widgets/SpinButton.h"

#include <QHBoxLayout>
#include <QLabel>

namespace aw {

PerkNumberPanel::PerkNumberPanel(const QString &panelName, const QString &editName, const QString &spinName,
                                 QWidget *parent)
    : QFrame(parent), m_caption(new QLabel(this)), m_edit(new ExitEdit(this)), m_spin(new SpinButton(this))
{
    setObjectName(panelName);
    m_edit->setObjectName(editName);
    m_spin->setObjectName(spinName);
    m_edit->setFixedWidth(70);
    m_caption->setTextFormat(Qt::PlainText); // a custom entry's caption as typed
    m_caption->setBuddy(m_edit);
    m_spin->SetBox(m_edit);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    m_caption->setMinimumWidth(60);
    layout->addWidget(m_caption);
    layout->addWidget(m_edit);
    layout->addWidget(m_spin);
    layout->addStretch(1);

    ConnectGuarded(m_edit, &ExitEdit::Exited, this, [this] { emit Typed(m_edit->text()); });
    ConnectGuarded(m_spin, &SpinButton::UpClick, this, [this] { emit Stepped(1); });
    ConnectGuarded(m_spin, &SpinButton::DownClick, this, [this] { emit Stepped(-1); });
}

void PerkNumberPanel::SetCaption(const QString &caption) { m_caption->setText(caption); }

void PerkNumberPanel::SetValueText(const QString &text)
{
    if (m_edit->text() != text)
        m_edit->setText(text);
}

} // namespace aw
