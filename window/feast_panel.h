#pragma once

// The year's feasts in the feast window: every feast of a year in a region, in
// calendar order or sorted by a click on a column header, narrowed by the
// filter as one types. The row above the filter holds the window's own year and
// region controls, in this panel's grid so that the filter box lines up with
// the year box; the window finds them by name and handles them.

#include <QList>
#include <QPair>
#include <QString>
#include <QWidget>

#include "regions.h"

class QLineEdit;
class QStandardItemModel;
class QTableView;

class FeastPanel : public QWidget {
public:
    explicit FeastPanel(QWidget* parent);
    ~FeastPanel() override;

    // The rows of every feast of the year in the region.
    void fill(int year, const regions::Region& region);
    // Name and date of each row shown, in the order shown.
    QList<QPair<QString, QString>> shownRows() const;

private:
    class Filter;

    QLineEdit* filter_ = nullptr;
    QTableView* table_ = nullptr;
    QStandardItemModel* rows_ = nullptr;
    Filter* shown_ = nullptr;
};
