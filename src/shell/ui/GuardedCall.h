#pragma once
#include <functional>

// Runs a window's handler; an error it raises is shown with the warning dialog and the window
// goes on, as the application does with every error that escapes a handler.
void GuardedCall(const std::function<void()>& handler);
