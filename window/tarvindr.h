#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include <QMainWindow>
#include <QPointer>

#include "message_box.h"

class Feestkalender;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class Tarvinde;

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
    void WelkJaar_Change();  // the year refresh
    void CmdMin1_Click();    // one year back, not below 100
    void cmdPlus1_Click();   // one year forward, not above 2100
    void TxtDag_Change();    // the weekday finder, day clamped to 1..31
    void TxtMaand_Change();  // the weekday finder, month clamped to 1..12
    void MnuClose_Click(std::int16_t Index);
    void MnuUse_Click(std::int16_t Index);
    void MnuAbout_Click();
    void MnuFeestkalender_Click();  // opens the feast window for the year shown, or raises it

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void buildMenus();
    void connectHandlers();
    void stepYear(int step);
    void finderChanged(QLineEdit* box, int upperBound);
    void showWeekday(const Tarvinde& calculator);

    std::unique_ptr<MessageBox> ownMessageBox_;
    MessageBox* messageBox_;
    std::int16_t shownYear_ = 1000;  // the last accepted year
    QPointer<Feestkalender> feestkalender_;

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
    std::array<QLineEdit*, 12> feastBoxes_{};  // in the order of the refresh's rows 2 to 13
};
