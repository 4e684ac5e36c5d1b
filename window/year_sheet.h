#pragma once

// The page that Print and Save as PDF put out: a title, the rows of the year's
// copy as a two-column table, and a footer naming the calendar rules.

#include <vector>

#include <QString>

#include "print_page.h"
#include "year_view.h"

namespace year_sheet {

// "Tarvinde — 2000": the page's title, the printed document's name.
QString title(int year);

// The footer: which calendar the dates are in.
QString footer();

// The year's page: its title, the rows of its copy, the footer.
print_page::Page page(int year, const std::vector<year_view::Line>& lines);

}  // namespace year_sheet
