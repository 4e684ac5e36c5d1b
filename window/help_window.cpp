#include "help_window.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

// The resource lives in a static library: it must be registered by name.
static void registerHelpText() {
    Q_INIT_RESOURCE(help_text);
}

QString calendarInformation() {
    registerHelpText();
    QFile file(QStringLiteral(":/tarvinde/Tarvindeinfo.txt"));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll());
}

HelpWindow::HelpWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Kalenderinformatie"));
    setWindowTitle(QStringLiteral("Kalenderinformatie – Tarvinde"));
    setModal(false);

    auto* text = new QPlainTextEdit(this);
    text->setObjectName(QStringLiteral("KalenderinformatieTekst"));
    text->setReadOnly(true);
    text->setPlainText(calendarInformation());
    // The file is laid out in columns of at most 76 characters, with its tables
    // aligned by blanks: a fixed-pitch font keeps them, and a narrow window
    // still wraps the lines rather than hiding their ends.
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(10);
    text->setFont(font);
    text->setLineWrapMode(QPlainTextEdit::WidgetWidth);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("&Sluiten"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(buttons);

    // Wide enough for 80 columns, high enough for about 36 lines.
    const QFontMetrics metrics(font);
    resize(metrics.horizontalAdvance(QString(80, QLatin1Char('m'))) + 60, metrics.lineSpacing() * 36 + 80);
}
