#pragma once

// Keeps a window on a screen too small for it: the client area then scrolls
// inside a window that fits the screen. On any other screen the window has the
// size it asks for, as far as the screen has room for it.

#include <QSize>

class QMainWindow;

namespace screen_fit {

// Room left around the window for what the window manager adds (title bar and
// borders), which is not known before the window is shown.
inline constexpr QSize kFrameAllowance{16, 48};

// Sizes the window to `wanted` (never below `smallest`, the size at which every
// control still shows whole), bounded by the available area of its screen.
// When even `smallest` does not fit, puts the central widget into a scroll area
// (named "clientScroll") in which it keeps at least its own smallest size, and
// makes the window as large as the screen allows. Returns whether it scrolls.
bool fitToScreen(QMainWindow* window, QSize wanted, QSize smallest);

}  // namespace screen_fit
