#pragma once

#include <QMainWindow>

#include "print_page.h"
#include "regions.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;
class QStandardItemModel;
class QTableView;
class QTableWidget;
class QWidget;

namespace feestkalender_detail {
class FeastFilter;
}

// The second window: every feast of a year in a region, with a filter; the
// "Dateren" box (an expression read as one types, and the feasts around a date);
// and the year-style row. Built from the table of controls in feestkalender.cpp.
//
// Its year and region start at the values given and are its own from then on.
// Every handler reads boxes, asks the calculator and writes boxes.
class Feestkalender : public QMainWindow {
    Q_OBJECT

public:
    Feestkalender(int year, const regions::Region& region, QWidget* parent = nullptr);
    ~Feestkalender() override;

    // The year and region the table shows: the last accepted year box text.
    int year() const { return year_; }
    const regions::Region& region() const { return *region_; }

    // What "Kopiëren" puts on the clipboard for the part of the window that has
    // the focus: the feast table's visible rows unless the focus lies in the
    // "Dateren" box or the year-style row.
    QString copyText() const;
    // The page that Afdrukken and Als PDF opslaan put out: the visible rows of
    // the table in their order. False when it could not be written.
    bool printPage(QPrinter& printer) const;
    bool savePdf(const QString& path) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void buildMenus();
    void connectHandlers();

    void yearChanged();  // the table for the year box's year, when it is one
    void stepYear(int step);
    void regionChanged();  // everything follows the region
    void filterChanged();
    void expressionChanged();  // the "Dateren" expression, answered as one types
    void dateChanged();        // the feasts around the date entry
    void styleChanged();       // the modern date or dates of the year-style row
    void fillTable();
    void copy();
    void printClicked();
    void pdfClicked();
    void closeWindow();
    print_page::Page page() const;

    int year_;
    const regions::Region* region_;
    // Whether each answer shows a date rather than why there is none.
    bool expressionAnswered_ = false;
    bool dateAnswered_ = false;
    bool styleAnswered_ = false;

    QLineEdit* yearBox_ = nullptr;
    QPushButton* plus_ = nullptr;
    QPushButton* min_ = nullptr;
    QComboBox* regionBox_ = nullptr;
    QLineEdit* filter_ = nullptr;
    QTableView* table_ = nullptr;
    QStandardItemModel* rows_ = nullptr;
    feestkalender_detail::FeastFilter* shown_ = nullptr;

    QWidget* dateren_ = nullptr;
    QLineEdit* expression_ = nullptr;
    QLabel* answer_ = nullptr;
    QLineEdit* dateDay_ = nullptr;
    QLineEdit* dateMonth_ = nullptr;
    QLineEdit* dateYear_ = nullptr;
    QLabel* dateText_ = nullptr;
    QTableWidget* around_ = nullptr;

    QWidget* styleRow_ = nullptr;
    QLineEdit* styleDay_ = nullptr;
    QLineEdit* styleMonth_ = nullptr;
    QLineEdit* styleYear_ = nullptr;
    QComboBox* styleBox_ = nullptr;
    QLabel* modern_ = nullptr;
};
