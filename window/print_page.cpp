#include "print_page.h"

#include <algorithm>

#include <QFileDialog>
#include <QFontMetrics>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

namespace print_page {

namespace {

// Points, as print sizes go; the page's sans serif.
QFont pageFont(int points, bool bold) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setPointSize(points);
    f.setBold(bold);
    return f;
}

}  // namespace

bool paint(const Page& page, QPrinter& printer) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;

    const QRect area = printer.pageLayout().paintRectPixels(printer.resolution());
    const QRect frame(0, 0, area.width(), area.height());
    const QFont titleFont = pageFont(16, true);
    const QFont rowFont = pageFont(10, false);
    const QFont captionFont = pageFont(10, true);
    const QFont footerFont = pageFont(8, false);

    painter.setFont(footerFont);
    const int footerHeight =
        painter.boundingRect(frame, Qt::TextWordWrap, page.footer).height() + painter.fontMetrics().height();
    const int bottom = frame.bottom() - footerHeight;
    const auto drawFooter = [&] {
        painter.setFont(footerFont);
        painter.drawText(QRect(0, bottom + painter.fontMetrics().height(), frame.width(), footerHeight),
                         Qt::TextWordWrap, page.footer);
    };

    // The caption column is as wide as its widest caption, at most two fifths.
    painter.setFont(captionFont);
    int captionWidth = 0;
    for (const auto& row : page.rows)
        captionWidth = std::max(captionWidth, painter.fontMetrics().horizontalAdvance(row.first));
    const int gap = painter.fontMetrics().averageCharWidth() * 2;
    captionWidth = std::min(captionWidth, frame.width() * 2 / 5);
    const int textLeft = captionWidth + gap;
    const int textWidth = frame.width() - textLeft;

    painter.setFont(titleFont);
    const QRect title = painter.boundingRect(frame, Qt::TextWordWrap, page.title);
    painter.drawText(title, Qt::TextWordWrap, page.title);
    int y = title.bottom() + painter.fontMetrics().height();

    for (const auto& [caption, text] : page.rows) {
        painter.setFont(captionFont);
        const QRect c =
            painter.boundingRect(QRect(0, 0, captionWidth, frame.height()), Qt::TextWordWrap, caption);
        painter.setFont(rowFont);
        const QRect t = painter.boundingRect(QRect(0, 0, textWidth, frame.height()), Qt::TextWordWrap, text);
        const int height = std::max(c.height(), t.height()) + painter.fontMetrics().leading() + 2;
        if (y + height > bottom && y > 0) {
            drawFooter();
            printer.newPage();
            y = 0;
        }
        painter.setFont(captionFont);
        painter.drawText(QRect(0, y, captionWidth, height), Qt::TextWordWrap, caption);
        painter.setFont(rowFont);
        painter.drawText(QRect(textLeft, y, textWidth, height), Qt::TextWordWrap, text);
        y += height;
    }
    drawFooter();
    return painter.end();
}

bool writePdf(const Page& page, const QString& fileName) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(fileName);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setDocName(page.title);
    return paint(page, printer);
}

void printWithDialog(const Page& page, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(page.title);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted) return;
    if (!paint(page, printer))
        QMessageBox::warning(parent, page.title, QStringLiteral("Afdrukken is niet gelukt."));
}

void savePdfWithDialog(const Page& page, const QString& defaultName, QWidget* parent) {
    const QString fileName = QFileDialog::getSaveFileName(parent, QStringLiteral("Als PDF opslaan"),
                                                          defaultName, QStringLiteral("PDF (*.pdf)"));
    if (fileName.isEmpty()) return;
    if (!writePdf(page, fileName))
        QMessageBox::warning(parent, page.title, QStringLiteral("Kan %1 niet schrijven.").arg(fileName));
}

}  // namespace print_page
