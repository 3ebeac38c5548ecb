// Runs a program in one maximised window on the screen.
#pragma once

#include <functional>

namespace surface {

// Opens the window, starts the surface on it and runs `program` until it
// ends or the window is closed. Returns the process's exit status: 0, or 1
// with a message on standard error when a font or the display is missing.
int RunInWindow(const char* title, const std::function<void()>& program);

}  // namespace surface
