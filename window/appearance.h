#pragma once

// How the window looks: its fonts, colours and icon, each chosen in one place.

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QPalette>
#include <QPixmap>

#include "layout.h"

namespace appearance {

// "MS Sans Serif" is not on Linux. A narrow sans keeps every text the window
// can show inside its box; the test of the fit names the hardest ones.
inline constexpr const char* kFontFamily = "Nimbus Sans Narrow";

// Sizes are given in pixels at 96 dots per inch, like the geometry, so that text
// and boxes keep their proportions whatever dots per inch the screen reports.
QFont font(layout::Font which);

// The system colours the layout names, as this program renders them. The
// desktop colour is a light teal: black captions on it keep a contrast well
// above 4.5:1, which the classic dark teal does not.
QColor desktopColour();
QColor toolTipColour();
QColor darkShadowColour();
// The text of a year box whose year is refused: a dark red that keeps more than
// 4.5:1 against the white box.
QColor refusedTextColour();

// The palette of the client area: desktop background, black text, white boxes,
// and disabled boxes that still read easily.
QPalette clientPalette();

// A calendar leaf with a red band and a cross, drawn for the given pixel size.
QPixmap iconPixmap(int size);
QIcon appIcon();

}  // namespace appearance
