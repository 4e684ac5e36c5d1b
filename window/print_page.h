#pragma once

// The printed page of a window, shared by the main window and the feast window:
// a title, caption and text rows as a two-column table, and a footer; on a
// printer chosen in the system's dialog or as a PDF file. Rows that do not fit
// go on to further pages, each with the footer and its page number.

#include <QList>
#include <QMarginsF>
#include <QPair>
#include <QString>

class QPagedPaintDevice;
class QPrinter;
class QWidget;

namespace print_page {

// Print and PDF leave this much paper free on every side.
inline constexpr QMarginsF kMargins{20, 20, 20, 20};  // millimetres

struct Page {
    QString title;                        // also the printed document's name
    QList<QPair<QString, QString>> rows;  // caption, text
    QString footer;
};

// Paints the page on a printer or a PDF writer, within its margins. False when
// the device cannot be painted on (a file that cannot be written, say).
bool render(QPagedPaintDevice& device, const Page& page);

// Sets the printer up for the page and shows the print dialog; true when the
// user chose to print.
bool choosePrinter(QPrinter& printer, const Page& page, QWidget* parent);

// The file name chosen in a save dialog that offers fileName in the documents
// folder; empty when the dialog was cancelled.
QString askPdfPath(const QString& fileName, QWidget* parent);

// The page as an A4 PDF file. Written to a temporary file that replaces the
// chosen one only when complete, so that a failed save leaves an existing file
// as it was. False when it could not be written.
bool savePdf(const Page& page, const QString& path);

}  // namespace print_page
