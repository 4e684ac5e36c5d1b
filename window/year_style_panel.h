#pragma once

// "Jaarstijl" in the feast window: a date as written in a year style (the year
// beginning at Christmas, Annunciation, Easter...) and its modern date or
// dates, one above the other, in the region the panel is given.

#include <QGroupBox>
#include <QString>

#include "regions.h"

class QComboBox;
class QLabel;
class QLineEdit;

class YearStylePanel : public QGroupBox {
public:
    YearStylePanel(const regions::Region& region, QWidget* parent);

    // Answers again in the region.
    void setRegion(const regions::Region& region);

    // What "Kopiëren" takes with the focus in this panel: a line per modern
    // date, "day/month/year style<TAB>date"; empty while there is no answer.
    QString copyText() const;

private:
    void styleChanged();

    const regions::Region* region_;
    bool answered_ = false;  // the answer shows a date rather than why there is none

    QLineEdit* day_ = nullptr;
    QLineEdit* month_ = nullptr;
    QLineEdit* year_ = nullptr;
    QComboBox* style_ = nullptr;
    QLabel* modern_ = nullptr;
};
