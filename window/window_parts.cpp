#include "window_parts.h"

#include <utility>

#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPrinter>

namespace window_parts {

QString text(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

BoxKeys::BoxKeys(std::function<void(int)> stepYear, int pageStep, QObject* parent)
    : QObject(parent), stepYear_(std::move(stepYear)), pageStep_(pageStep) {}

void BoxKeys::watch(QLineEdit* box) {
    box->installEventFilter(this);
}

void BoxKeys::watchYear(QLineEdit* box) {
    yearBox_ = box;
    box->installEventFilter(this);
}

bool BoxKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* box = qobject_cast<QLineEdit*>(watched);
        if (box && static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy) && !box->hasSelectedText()) {
            event->ignore();
            return true;
        }
    }
    if (watched != yearBox_ || event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() != Qt::NoModifier && key->modifiers() != Qt::KeypadModifier) return false;
    int step = 0;
    switch (key->key()) {
        case Qt::Key_Up:
            step = +1;
            break;
        case Qt::Key_Down:
            step = -1;
            break;
        case Qt::Key_PageUp:
            step = +pageStep_;
            break;
        case Qt::Key_PageDown:
            step = -pageStep_;
            break;
        default:
            break;
    }
    if (step == 0) return false;
    stepYear_(step);
    return true;
}

void print(const print_page::Page& page, QWidget* parent, MessageBox& messageBox, const char* failure,
           const char* title) {
    QPrinter printer(QPrinter::HighResolution);
    if (!print_page::choosePrinter(printer, page, parent)) return;
    if (!print_page::render(printer, page)) messageBox.show(failure, MessageBox::kCritical, title);
}

void savePdf(const print_page::Page& page, const QString& fileName, QWidget* parent, MessageBox& messageBox,
             const char* title) {
    const QString path = print_page::askPdfPath(fileName, parent);
    if (path.isEmpty()) return;
    if (!print_page::savePdf(page, path))
        messageBox.show(
            "Het PDF-bestand kon niet worden geschreven:\r" + QDir::toNativeSeparators(path).toStdString(),
            MessageBox::kCritical, title);
}

}  // namespace window_parts
