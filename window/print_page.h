#pragma once

// One printed page of a window's rows: a title, a two-column table of caption
// and text, and a footer; to a printer chosen in the system's dialog or to a PDF
// file. Rows that do not fit go on to further pages, each with the footer.

#include <QList>
#include <QPair>
#include <QString>

class QPrinter;
class QWidget;

namespace print_page {

struct Page {
    QString title;
    QList<QPair<QString, QString>> rows;  // caption, text
    QString footer;
};

// Paints the page on the printer, which must be set up and not yet begun.
// False when the printer cannot be painted on (an unwritable PDF file).
bool paint(const Page& page, QPrinter& printer);

// The page as a PDF file, without a dialog. False when it cannot be written.
bool writePdf(const Page& page, const QString& fileName);

// The system's print dialog, then the page on the printer chosen.
void printWithDialog(const Page& page, QWidget* parent);

// A file dialog offering defaultName, then the PDF; a box says when the file
// cannot be written.
void savePdfWithDialog(const Page& page, const QString& defaultName, QWidget* parent);

}  // namespace print_page
