#pragma once

// Help > Kalenderinformatie: the program's own text on the calendars it uses,
// Tarvindeinfo.txt, compiled into the program.

#include <QDialog>
#include <QString>

// The text of Tarvindeinfo.txt; empty only if the resource were missing.
QString calendarInformation();

// A read-only, resizable window showing that text. It does not block the main
// window, so the calendar can be read beside it.
class HelpWindow : public QDialog {
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* parent = nullptr);
};
