#include "year_sheet.h"

namespace year_sheet {

QString title(int year) {
    return QStringLiteral("Tarvinde — %1").arg(year);
}

QString footer() {
    return QStringLiteral("Juliaans tot en met 1582, Gregoriaans vanaf 1583");
}

print_page::Page page(int year, const std::vector<year_view::Line>& lines) {
    print_page::Page page{title(year), {}, footer()};
    for (const year_view::Line& line : lines)
        page.rows.append({QString::fromStdString(line.caption), QString::fromStdString(line.text)});
    return page;
}

}  // namespace year_sheet
