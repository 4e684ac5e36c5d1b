#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QMainWindow>
#include <QPointer>

#include "message_box.h"
#include "print_page.h"
#include "regions.h"
#include "year_view.h"

class Feestkalender;
class HelpWindow;
class QActionGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPrinter;
class QPushButton;

// The program's one window: the feast days of a year, its calendar, and a finder
// for the weekday of any day of that year. Built from the table in layout.h.
//
// Every handler reads boxes, asks the calculator and writes boxes. Setting a box's
// text from code runs that box's change handler at once, nested, before the
// setting returns; the step buttons and the finder's clamping rely on it.
class Tarvindr : public QMainWindow {
    Q_OBJECT

public:
    // Without a message box the window shows real modal Qt boxes; tests pass one
    // that records what would have been shown. Form_Load has run on return.
    explicit Tarvindr(MessageBox* messageBox = nullptr, QWidget* parent = nullptr);
    ~Tarvindr() override;

    // Event handlers, named control_event.
    void Form_Load();
    void WelkJaar_Change();                   // the year refresh
    void CmdMin1_Click();                     // one year back, not below 100
    void cmdPlus1_Click();                    // one year forward, not above 2100
    void TxtDag_Change();                     // the weekday finder, day clamped to 1..31
    void TxtMaand_Change();                   // the weekday finder, month clamped to 1..12
    void MnuKopieren_Click();                 // the year view to the clipboard
    void MnuAfdrukken_Click();                // the print dialog, then the year's page
    void MnuPdf_Click();                      // a file dialog, then the year's page as PDF
    void MnuRegio_Click(std::int16_t Index);  // the region of that row of regions::all(), at once
    void MnuClose_Click(std::int16_t Index);
    void MnuUse_Click(std::int16_t Index);
    void MnuAbout_Click();
    void MnuFeestkalender_Click();       // opens the feast window for the year shown, or raises it
    void MnuKalenderinformatie_Click();  // the help text in a window of its own

    // The region the window shows, and choosing one of regions::all(): what its
    // menu item does.
    const regions::Region& region() const { return *region_; }
    void chooseRegion(const regions::Region& region);

    // The rows of the year the window shows, in window order, as the copy and
    // the printed page give them; last the finder's line, when it has an answer.
    std::vector<year_view::Line> yearLines() const;
    // The year's page on a printer set up by its dialog, or as a PDF file; false
    // when it could not be written.
    bool printYear(QPrinter& printer) const;
    bool savePdf(const QString& path) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void buildMenus();
    void connectHandlers();
    void showYear();  // every row for the shown year in the region
    void stepYear(int step);
    void finderChanged(QLineEdit* box, int upperBound);
    void showWeekday();
    std::optional<std::string> finderAnswer() const;
    print_page::Page yearPage() const;

    std::unique_ptr<MessageBox> ownMessageBox_;
    MessageBox* messageBox_;
    QPointer<Feestkalender> feestkalender_;

    // The rounded year the rows show: the last one the year refresh accepted. The
    // finder answers for it, and a refused year text names it.
    std::optional<std::int16_t> shownYear_;
    // The region the rows, the finder, the copy and the page are in; the Regio
    // menu's checked item names it.
    const regions::Region* region_ = &regions::defaultRegion();
    QActionGroup* regionItems_ = nullptr;  // in the order of regions::all()
    int wheelTurn_ = 0;                    // wheel movement not yet stepped, in eighths of a degree
    QPointer<HelpWindow> helpWindow_;
    QMenu* contextMenu_ = nullptr;

    QLineEdit* WelkJaar_ = nullptr;
    QLineEdit* TxtKalender_ = nullptr;
    QPushButton* cmdPlus1_ = nullptr;
    QPushButton* CmdMin1_ = nullptr;
    QCheckBox* Schrikkeljaar_ = nullptr;
    QLabel* Label3_ = nullptr;
    QLabel* lblPasenGallie_ = nullptr;
    QLineEdit* txtPasenGallie_ = nullptr;
    QLineEdit* TxtDag_ = nullptr;
    QLineEdit* TxtMaand_ = nullptr;
    QLineEdit* TxtCorrecteWeekdag_ = nullptr;
    std::array<QLineEdit*, year_view::kFeastCount> feastBoxes_{};  // in the order of year_view::Feast
};
