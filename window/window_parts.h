#pragma once

// What the main window and the feast window do alike: show the calculator's
// text, find a control their table built, pass Ctrl+C and the year keys on, and
// put their page out on a printer or into a PDF file.

#include <functional>
#include <string_view>

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

#include "message_box.h"
#include "print_page.h"

class QEvent;
class QLineEdit;

namespace window_parts {

// The calculator's text (UTF-8) as Qt text.
QString text(std::string_view utf8);

// The control of that type and name that the window built from its table.
template <class T>
T* control(const QWidget* root, const char* name,
           Qt::FindChildOptions options = Qt::FindChildrenRecursively) {
    T* found = root->findChild<T*>(QString::fromLatin1(name), options);
    Q_ASSERT(found);
    return found;
}

// Watches a window's entry boxes. A box takes Ctrl+C for itself; with nothing
// selected the key goes on to the window's "Kopiëren". In the year box Up and
// Down step the year by one, Page Up and Page Down by the page step unless it
// is 0; the keypad's keys (NumLock off) do the same.
class BoxKeys : public QObject {
public:
    BoxKeys(std::function<void(int)> stepYear, int pageStep, QObject* parent);
    void watch(QLineEdit* box);
    void watchYear(QLineEdit* box);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(int)> stepYear_;
    int pageStep_;
    // Compared as an object only: while the box is being destroyed it is no
    // longer a QLineEdit, and the filter still sees its last events.
    QPointer<QObject> yearBox_;
};

// Afdrukken: the print dialog, then the page; `failure` in a critical box
// titled `title` when it could not be printed.
void print(const print_page::Page& page, QWidget* parent, MessageBox& messageBox, const char* failure,
           const char* title);

// Als PDF opslaan: the save dialog offering `fileName`, then the page; a
// critical box naming the file when it could not be written.
void savePdf(const print_page::Page& page, const QString& fileName, QWidget* parent, MessageBox& messageBox,
             const char* title);

}  // namespace window_parts
