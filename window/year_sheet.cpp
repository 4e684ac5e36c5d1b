#include "year_sheet.h"

#include <QAbstractTextDocumentLayout>
#include <QFont>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

namespace year_sheet {

namespace {

// A plain sans of the URW set, present wherever the window's own font is.
QFont pageFont(double points, bool bold = false) {
    QFont font(QStringLiteral("Nimbus Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

}  // namespace

QString title(int year) {
    return QStringLiteral("Tarvinde — %1").arg(year);
}

QString footer() {
    return QStringLiteral("Juliaans tot en met 1582, Gregoriaans vanaf 1583");
}

bool render(QPagedPaintDevice& device, int year, const std::vector<year_view::Line>& lines) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    const QRectF page(0, 0, device.width(), device.height());

    QTextDocument document;
    document.documentLayout()->setPaintDevice(&device);
    document.setDefaultFont(pageFont(11));
    document.setPageSize(page.size());
    document.setDocumentMargin(0);

    // Texts go in as plain text, never as markup.
    QTextCursor cursor(&document);
    QTextCharFormat titleFormat;
    titleFormat.setFont(pageFont(18, true));
    cursor.insertText(title(year), titleFormat);

    // Margins, padding and borders are counted in pixels at 96 dots per inch;
    // the layout scales them, like the fonts, to the device.
    QTextBlockFormat spaced;
    spaced.setTopMargin(24);  // a quarter inch under the title
    cursor.insertBlock(spaced, QTextCharFormat());
    QTextTableFormat tableFormat;
    tableFormat.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    tableFormat.setBorderBrush(QColor(0x80, 0x80, 0x80));
    tableFormat.setBorderCollapse(true);
    tableFormat.setBorder(1);
    tableFormat.setCellPadding(5);
    tableFormat.setCellSpacing(0);
    tableFormat.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    tableFormat.setColumnWidthConstraints(
        {QTextLength(QTextLength::PercentageLength, 38), QTextLength(QTextLength::PercentageLength, 62)});
    QTextTable* table = cursor.insertTable(static_cast<int>(lines.size()), 2, tableFormat);
    QTextCharFormat captionFormat;
    captionFormat.setFontWeight(QFont::Bold);
    for (std::size_t row = 0; row < lines.size(); ++row) {
        const int r = static_cast<int>(row);
        table->cellAt(r, 0).firstCursorPosition().insertText(QString::fromStdString(lines[row].caption),
                                                             captionFormat);
        table->cellAt(r, 1).firstCursorPosition().insertText(QString::fromStdString(lines[row].text));
    }

    document.drawContents(&painter, page);
    painter.setFont(pageFont(9));
    painter.setPen(QColor(0x40, 0x40, 0x40));
    painter.drawText(page, Qt::AlignLeft | Qt::AlignBottom, footer());
    return painter.end();
}

}  // namespace year_sheet
