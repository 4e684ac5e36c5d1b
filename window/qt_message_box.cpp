#include "qt_message_box.h"

#include <QMessageBox>
#include <QString>

void QtMessageBox::show(const std::string& prompt, int style, const std::string& title) {
    // The texts come with "\r\n" (error box) or a lone "\r" (information
    // boxes) between their lines; Qt breaks lines at "\n".
    QString text = QString::fromStdString(prompt);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));

    QMessageBox::Icon icon = QMessageBox::NoIcon;
    if (style == kCritical) icon = QMessageBox::Critical;
    if (style == kInformation) icon = QMessageBox::Information;

    QMessageBox box(icon, QString::fromStdString(title), text, QMessageBox::Ok, parent_);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}
