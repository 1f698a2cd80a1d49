#pragma once

#include <functional>

class QWidget;

// Runs one user command. No exception may leave a Qt event handler: any error is caught
// here and shown in an error box (through the dialog interface) with its message.
// Returns true when the command ran to its end.
bool RunGuarded(QWidget *parent, const std::function<void()> &command);
