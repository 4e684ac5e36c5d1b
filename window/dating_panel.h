#pragma once

// "Dateren" in the feast window: an expression such as "dinsdag na
// Sint-Maarten 1450", answered below it as one types, and the feasts around a
// date. Everything is answered in the region the panel is given.
//
// The answer under the expression is a list of lines (one today), so that
// further lines about the reading can join the answer; new controls are new
// rows of the Dateren area in feast_cells.h.

#include <QGroupBox>
#include <QString>
#include <QStringList>

#include "regions.h"

class QLabel;
class QLineEdit;
class QTableWidget;

class DatingPanel : public QGroupBox {
public:
    // The date entry opens on Sint-Maarten of the year.
    DatingPanel(int year, const regions::Region& region, QWidget* parent);

    // Answers again in the region.
    void setRegion(const regions::Region& region);

    // What "Kopiëren" takes with the focus on a control of this panel: the
    // expression and its answer, or the date and the feasts around it; empty
    // while there is no answer.
    QString copyText(const QWidget* focus) const;

private:
    void expressionChanged();
    void dateChanged();

    const regions::Region* region_;
    // Whether each answer shows a date rather than why there is none.
    bool expressionAnswered_ = false;
    bool dateAnswered_ = false;

    QLineEdit* expression_ = nullptr;
    QLabel* answer_ = nullptr;
    QLineEdit* day_ = nullptr;
    QLineEdit* month_ = nullptr;
    QLineEdit* year_ = nullptr;
    QLabel* dateText_ = nullptr;
    QTableWidget* around_ = nullptr;
};
