#pragma once

// How a window shows that it refused what was typed, alike in every window.

#include <optional>

class QLineEdit;
class QWidget;

namespace refused_mark {

// The widget's text in the error colour, or, when not refused, in the colours
// its parent gives it.
void showRefused(QWidget* widget, bool refused);

// A year box whose text is no year from 100 to 2100: its text in the error
// colour, and a tool tip and accessible description that name the year still
// shown. When not refused, the mark goes.
void markYear(QLineEdit* box, bool refused, std::optional<int> shownYear);

}  // namespace refused_mark
