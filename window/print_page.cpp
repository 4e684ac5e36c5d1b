#include "print_page.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFileDialog>
#include <QFont>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

namespace print_page {

namespace {

// A plain sans of the URW set, present wherever the window's own font is.
QFont pageFont(double points, bool bold = false) {
    QFont font(QStringLiteral("Nimbus Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// Title and table, laid out in pages of the given size.
void fill(QTextDocument& document, const Page& page) {
    // Texts go in as plain text, never as markup.
    QTextCursor cursor(&document);
    QTextCharFormat titleFormat;
    titleFormat.setFont(pageFont(18, true));
    cursor.insertText(page.title, titleFormat);

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
    if (page.rows.isEmpty()) return;
    QTextTable* table = cursor.insertTable(static_cast<int>(page.rows.size()), 2, tableFormat);
    QTextCharFormat captionFormat;
    captionFormat.setFontWeight(QFont::Bold);
    for (int row = 0; row < page.rows.size(); ++row) {
        table->cellAt(row, 0).firstCursorPosition().insertText(page.rows[row].first, captionFormat);
        table->cellAt(row, 1).firstCursorPosition().insertText(page.rows[row].second);
    }
}

}  // namespace

bool render(QPagedPaintDevice& device, const Page& page) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    const QRectF paper(0, 0, device.width(), device.height());
    const QFont footerFont = pageFont(9);
    // The footer's line, with one line free above it, at the foot of every page.
    const qreal footerBand = 2 * QFontMetricsF(footerFont, &device).height();
    const QSizeF body(paper.width(), paper.height() - footerBand);

    // Filled before it has a layout, which then lays it out once: with the layout
    // in place, every cell filled laid the whole table out again (a year's feasts
    // took 2 to 3 s to save, now 50 ms).
    QTextDocument document;
    document.setDefaultFont(pageFont(11));
    document.setDocumentMargin(0);
    fill(document, page);
    document.documentLayout()->setPaintDevice(&device);
    document.setPageSize(body);

    const int pages = document.pageCount();
    for (int number = 0; number < pages; ++number) {
        if (number > 0 && !device.newPage()) return false;
        painter.save();
        painter.translate(0, -number * body.height());
        document.drawContents(&painter, QRectF(QPointF(0, number * body.height()), body));
        painter.restore();
        painter.setFont(footerFont);
        painter.setPen(QColor(0x40, 0x40, 0x40));
        painter.drawText(paper, Qt::AlignLeft | Qt::AlignBottom, page.footer);
        if (pages > 1)
            painter.drawText(paper, Qt::AlignRight | Qt::AlignBottom,
                             QStringLiteral("%1/%2").arg(number + 1).arg(pages));
    }
    return painter.end();
}

bool choosePrinter(QPrinter& printer, const Page& page, QWidget* parent) {
    printer.setDocName(page.title);
    printer.setPageMargins(kMargins, QPageLayout::Millimeter);
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Afdrukken"));
    return dialog.exec() == QDialog::Accepted;
}

QString askPdfPath(const QString& fileName, QWidget* parent) {
    QFileDialog dialog(parent, QStringLiteral("Als PDF opslaan"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(QStringLiteral("PDF-bestanden (*.pdf)"));
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    dialog.setDirectory(QDir(documents).exists() ? documents : QDir::homePath());
    dialog.selectFile(fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst();
}

bool savePdf(const Page& page, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    bool rendered = false;
    {
        QPdfWriter writer(&file);
        writer.setTitle(page.title);
        writer.setCreator(QStringLiteral("Tarvinde"));
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(kMargins, QPageLayout::Millimeter);
        rendered = render(writer, page);
    }
    if (!rendered) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

}  // namespace print_page
