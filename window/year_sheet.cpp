#include "year_sheet.h"

namespace year_sheet {

namespace {

QString sv(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

QString title(int year, const regions::Region& region) {
    const QString title = QStringLiteral("Tarvinde — %1").arg(year);
    return regions::isDefault(region) ? title : title + QStringLiteral(" — ") + sv(region.menuName);
}

QString rule(const regions::Region& region) {
    if (!region.lastJulian || !region.firstGregorian)
        return region.alwaysGregorian ? QStringLiteral("Altijd Gregoriaans (proleptisch)")
                                      : QStringLiteral("Altijd Juliaans");
    return QStringLiteral("Juliaans tot en met %1, Gregoriaans vanaf %2")
        .arg(QString::fromStdString(regions::numericDate(*region.lastJulian)),
             QString::fromStdString(regions::numericDate(*region.firstGregorian)));
}

QString footer(const regions::Region& region) {
    return regions::isDefault(region) ? QStringLiteral("Juliaans tot en met 1582, Gregoriaans vanaf 1583")
                                      : rule(region);
}

print_page::Page page(int year, const regions::Region& region, const std::vector<year_view::Line>& lines) {
    print_page::Page page{title(year, region), {}, footer(region)};
    for (const year_view::Line& line : lines)
        page.rows.append({QString::fromStdString(line.caption), QString::fromStdString(line.text)});
    return page;
}

}  // namespace year_sheet
