#pragma once

#include <QObject>
#include <QWidget>

#include <concepts>
#include <functional>
#include <type_traits>
#include <utility>

namespace aw {

// Runs one user command. No exception may leave a Qt event handler: any error is caught
// here and shown in an error box (through the dialog interface) with its message.
// Returns true when the command ran to its end.
bool RunGuarded(QWidget *parent, const std::function<void()> &command);

// A slot of this program run as one guarded command. The slot is a callable, or a member
// function of the receiver; it takes the signal's first arguments or none of them.
template <typename Receiver, typename Slot> class GuardedSlot {
public:
    GuardedSlot(Receiver *receiver, Slot slot) : m_receiver(receiver), m_slot(std::move(slot)) {}

    // clang-format 14 mangles requires clauses.
    // clang-format off
    template <typename... Args>
        requires(!std::is_member_function_pointer_v<Slot> && std::invocable<const Slot &, Args...>)
    void operator()(Args &&...args) const
    // clang-format on
    {
        RunGuarded(Window(), [&] { std::invoke(m_slot, std::forward<Args>(args)...); });
    }

    // clang-format off
    template <typename... Args>
        requires(std::is_member_function_pointer_v<Slot> && std::invocable<const Slot &, Receiver *, Args...>)
    void operator()(Args &&...args) const
    // clang-format on
    {
        RunGuarded(Window(), [&] { std::invoke(m_slot, m_receiver, std::forward<Args>(args)...); });
    }

private:
    // The error box is shown over the receiver when it is a widget.
    QWidget *Window() const
    {
        if constexpr (std::is_base_of_v<QWidget, Receiver>)
            return m_receiver;
        else
            return nullptr;
    }

    Receiver *m_receiver;
    Slot m_slot;
};

// The one way a signal reaches this program's code: the slot runs under RunGuarded, its errors
// shown over the receiver, and the connection ends with the receiver. Signals connected
// straight to Qt's own slots (accept, setText, setEnabled) need no guard.
template <typename Sender, typename Signal, typename Receiver, typename Slot>
QMetaObject::Connection ConnectGuarded(Sender *sender, Signal signal, Receiver *receiver, Slot slot,
                                       Qt::ConnectionType type = Qt::AutoConnection)
{
    return QObject::connect(sender, signal, receiver, GuardedSlot<Receiver, Slot>(receiver, std::move(slot)), type);
}

// Runs slot as a guarded command once the event being handled has finished.
template <typename Receiver, typename Slot> void PostGuarded(Receiver *receiver, Slot slot)
{
    QMetaObject::invokeMethod(receiver, GuardedSlot<Receiver, Slot>(receiver, std::move(slot)), Qt::QueuedConnection);
}

} // namespace aw
