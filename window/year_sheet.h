#pragma once

// The page that Print and Save as PDF put out: a title, the rows of the year's
// copy as a two-column table, and a footer naming the calendar rules.

#include <vector>

#include <QString>

#include "year_view.h"

class QPagedPaintDevice;

namespace year_sheet {

// "Tarvinde — 2000": the page's title, the printed document's name.
QString title(int year);

// The footer: which calendar the dates are in.
QString footer();

// Paints the page on a printer or a PDF writer, within its margins. False when
// the device cannot be painted on (a file that cannot be written, say).
bool render(QPagedPaintDevice& device, int year, const std::vector<year_view::Line>& lines);

}  // namespace year_sheet
