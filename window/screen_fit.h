#pragma once

// Keeps the window on a screen too small for it: the client area then scrolls
// inside a window that fits the screen. On any other screen nothing changes.

#include <QSize>

class QMainWindow;

namespace screen_fit {

// Room left around the window for what the window manager adds (title bar and
// borders), which is not known before the window is shown.
inline constexpr QSize kFrameAllowance{16, 48};

// When the window, at its present size, would not fit the available area of its
// screen, puts its central widget into a scroll area (named "clientScroll") and
// makes the window as large as the screen allows. Returns whether it did.
bool scrollIfTooLarge(QMainWindow* window);

}  // namespace screen_fit
