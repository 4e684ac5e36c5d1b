#pragma once

// "Dateren" in the feast window: a date clause as a record writes it ("dinsdag
// na Sint-Maarten 1450", "in crastino beati Laurentii 1450"), its year in the
// year style chosen beside it, answered below it as one types: every day it
// names, each with what it was read as and the words not used. And the feasts
// around a date. Everything is answered in the region the panel is given.
//
// New controls are new rows of the Dateren area in feast_cells.h.

#include <optional>

#include <QGroupBox>
#include <QString>
#include <QStringList>

#include "clause.h"
#include "regions.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;

class DatingPanel : public QGroupBox {
public:
    // The date entry opens on Sint-Maarten of the year.
    DatingPanel(int year, const regions::Region& region, QWidget* parent);

    // Answers again in the region.
    void setRegion(const regions::Region& region);

    // What "Kopiëren" takes with the focus on a control of this panel: a line
    // per day the clause names, "clause<TAB>day" (the clause with its year
    // style unless that is from 1 January), each followed by "gelezen
    // als<TAB>reading" and "overgeslagen<TAB>words" where the answer shows them;
    // or the date and the feasts around it. Empty while there is no answer.
    QString copyText(const QWidget* focus) const;

private:
    void expressionChanged();
    void dateChanged();

    // The lines under the clause for its answer.
    QStringList answerLines(const QString& typed) const;
    // The clause as the copy names it.
    QString clauseCaption() const;

    const regions::Region* region_;
    // The clause's days while the answer shows them, rather than why there are none.
    std::optional<clause::Answer> reading_;
    bool dateAnswered_ = false;

    QLineEdit* expression_ = nullptr;
    QComboBox* style_ = nullptr;
    QLabel* answer_ = nullptr;
    QLineEdit* day_ = nullptr;
    QLineEdit* month_ = nullptr;
    QLineEdit* year_ = nullptr;
    QLabel* dateText_ = nullptr;
    QTableWidget* around_ = nullptr;
};
