#pragma once

#include <QMainWindow>

#include "print_page.h"
#include "regions.h"

class ComputusPanel;
class DatingPanel;
class FeastPanel;
class QComboBox;
class QLineEdit;
class QPrinter;
class YearStylePanel;

// The second window: every feast of a year in a region, with a filter
// (FeastPanel); the year's computus (ComputusPanel); the "Dateren" box, an expression read as one types and
// the feasts around a date (DatingPanel); and the year-style row (YearStylePanel). The window keeps the year
// and the region, which every panel follows, the menus, the copy and the printed page. The controls are those
// of the table in feast_cells.h.
//
// Its year and region start at the values given and are its own from then on.
class Feestkalender : public QMainWindow {
    Q_OBJECT

public:
    Feestkalender(int year, const regions::Region& region, QWidget* parent = nullptr);
    ~Feestkalender() override;

    // The year and region the table shows: the last accepted year box text.
    int year() const { return year_; }
    const regions::Region& region() const { return *region_; }
    // Everything follows the region, as when it is chosen in the Regio box.
    void chooseRegion(const regions::Region& region);

    // What "Kopiëren" puts on the clipboard for the part of the window that has
    // the focus: the year, the region and the year's computus, then the feast
    // table's visible rows, unless the focus lies in the "Dateren" box or the
    // year-style row.
    QString copyText() const;
    // The page that Afdrukken and Als PDF opslaan put out: the year's computus,
    // then the visible rows of the table in their order. False when it could not be written.
    bool printPage(QPrinter& printer) const;
    bool savePdf(const QString& path) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    void yearChanged();  // the table for the year box's year, when it is one
    void stepYear(int step);
    void copy();
    void printClicked();
    void pdfClicked();
    void closeWindow();
    print_page::Page page() const;

    int year_;
    const regions::Region* region_;

    FeastPanel* feasts_ = nullptr;
    ComputusPanel* computus_ = nullptr;
    DatingPanel* dating_ = nullptr;
    YearStylePanel* style_ = nullptr;
    QLineEdit* yearBox_ = nullptr;
    QComboBox* regionBox_ = nullptr;
};
