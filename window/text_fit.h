#pragma once

// Keeps every text inside its control when the font found is wider than the one
// the window is drawn for: a control whose widest text would not fit gets a
// smaller pixel size, one pixel at a time, until it fits.

#include <QFont>
#include <QRect>
#include <QStringList>

class QFontMetrics;
class QWidget;

namespace text_fit {

// Below this no text reads any more; a control shrinks no further.
inline constexpr int kSmallestPixelSize = 6;

// The texts a control must show in full: its caption as it stands (without the
// access-key marker) and its widest texts from widest_texts.h.
QStringList textsOf(const QWidget* control);

// The part of the control a text may take, in the control's coordinates: what
// the widget's own painting leaves (for a text box, less its frame and its own
// margins, but with the text margins), and for a label what the text boxes
// lying over it leave.
QRect textArea(const QWidget* control);

// Whether each of the texts, drawn in the font, fits the control's text area:
// its advance and its ink across, its ink from top to bottom.
bool fits(const QWidget* control, const QFont& font, const QStringList& texts);

// How far the first glyph of any of the texts reaches left of the text's origin
// (0 when none does).
int leftOverhang(const QFontMetrics& fm, const QStringList& texts);

// Shrinks the font of each control of the client area until its texts fit; a
// control that fits keeps its font untouched. A left-aligned text box whose
// first glyph would reach left of its text area gets a left text margin.
void shrinkToFit(QWidget* client);

}  // namespace text_fit
