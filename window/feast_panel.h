#pragma once

// The year's feasts in the feast window: every feast of a year in a region, in
// calendar order or sorted by a click on a column header, narrowed by the
// filter as one types (names, and the places of the saints' notes) and by the
// box beside it: the main feasts, or all with the saints' days of the dioceses. The row above the filter
// holds the window's own year and region controls, in this panel's grid so that the filter box lines up with
// the year box; the window finds them by name and handles them.

#include <QList>
#include <QPair>
#include <QString>
#include <QWidget>

#include "regions.h"

class QComboBox;
class QLineEdit;
class QStandardItemModel;
class QTableView;

class FeastPanel : public QWidget {
public:
    explicit FeastPanel(QWidget* parent);
    ~FeastPanel() override;

    // The rows of every feast of the year in the region, of the set the box chooses.
    void fill(int year, const regions::Region& region);
    // Name and date of each row shown, in the order shown; the date followed by
    // the row's note in brackets where it has one ("dag onzeker").
    QList<QPair<QString, QString>> shownRows() const;

private:
    class Filter;

    QLineEdit* filter_ = nullptr;
    QComboBox* set_ = nullptr;
    int year_ = 0;
    const regions::Region* region_ = nullptr;
    QTableView* table_ = nullptr;
    QStandardItemModel* rows_ = nullptr;
    Filter* shown_ = nullptr;
};
