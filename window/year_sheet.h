#pragma once

// The page that Print and Save as PDF put out: a title, the rows of the year's
// copy as a two-column table, and a footer naming the calendar rules.

#include <vector>

#include <QString>

#include "print_page.h"
#include "regions.h"
#include "year_view.h"

namespace year_sheet {

// "Tarvinde — 2000", and for a region other than the default "Tarvinde — 1583 —
// Holland": the page's title, the printed document's name.
QString title(int year, const regions::Region& region);

// The region's switch in words: "Juliaans tot en met 1/1/1583, Gregoriaans vanaf
// 12/1/1583", or "Altijd Juliaans", "Altijd Gregoriaans (proleptisch)".
QString rule(const regions::Region& region);

// The footer: which calendar the dates are in. The default region keeps the
// footer it has always had, which names the years of the change.
QString footer(const regions::Region& region);

// The year's page: its title, the rows of its copy, the footer.
print_page::Page page(int year, const regions::Region& region, const std::vector<year_view::Line>& lines);

}  // namespace year_sheet
