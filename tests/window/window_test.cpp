// The real window, driven through its controls as a user would.

#include <cmath>
#include <memory>

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "qt_message_box.h"
#include "recording_box.h"
#include "regions.h"
#include "tarvinde.h"
#include "tarvindr.h"
#include "window_settings.h"
#include "year_view.h"

namespace {

enum class Rows { Julian, Reform, Gregorian };

const char* const kFeastBoxes[] = {"Nieuwjaar",   "Aswoensdag", "Palmzondag",          "Pasen",
                                   "Hemelvaart",  "Pinksteren", "OLVtenHemelopneming", "Allerheiligen",
                                   "Allerzielen", "Kerstmis",   "Oudjaarsavond"};

QString q(const std::string& text) {
    return QString::fromStdString(text);
}

}  // namespace

class WindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<RecordingBox> boxes_;
    std::unique_ptr<Tarvindr> window_;
    std::size_t expectedBoxes_ = 0;

    template <class T = QLineEdit>
    T* find(const char* name) const {
        auto* widget = window_->findChild<T*>(QString::fromLatin1(name));
        if (!widget) qFatal("no control %s", name);
        return widget;
    }
    QLineEdit* box(const char* name) const { return find<QLineEdit>(name); }
    QString text(const char* name) const { return box(name)->text(); }

    // Everything the year refresh writes, in one list.
    QStringList displayed() const {
        QStringList shown;
        for (const char* name : kFeastBoxes) shown << text(name);
        shown << text("txtPasenGallie") << text("TxtCorrecteWeekdag") << text("TxtKalender")
              << find<QLabel>("Label3")->text() << find<QLabel>("lblPasenGallie")->text()
              << (find<QCheckBox>("Schrikkeljaar")->isChecked() ? "checked" : "unchecked");
        return shown;
    }

    // The finder's answer as the command line gives it, in the default region.
    static QString finder(int day, int month, int year) {
        return q(year_view::weekdayText(regions::defaultRegion(), static_cast<std::int16_t>(day),
                                        static_cast<std::int16_t>(month), static_cast<std::int16_t>(year)));
    }

    // What the window must show for calculator year y with the calendar rows of
    // `rows`, the finder holding day and month.
    static QStringList expected(int y, Rows rows, int day = 11, int month = 11) {
        RecordingBox quiet;
        const Tarvinde t(quiet);
        const auto year = static_cast<std::int16_t>(y);
        QStringList shown{q(t.NieuwjaarDag(year)), q(t.Aswoensdag(year)),    q(t.Palmzondag(year)),
                          q(t.PaasDatum(year)),    q(t.HemelvaartDag(year)), q(t.PinksterenDag(year)),
                          q(t.OLVtenHemel(year)),  q(t.Allerheiligen(year)), q(t.Allerzielen(year)),
                          q(t.Kerstmis(year)),     q(t.Oudjaarsavond(year))};
        shown << (rows == Rows::Reform ? QStringLiteral("10 dagen vervallen in december")
                                       : q(t.PasenGallie(year)))
              << finder(day, month, y) << (rows == Rows::Gregorian ? "Gregoriaans" : "Juliaans");
        switch (rows) {
            case Rows::Julian:
                shown << "  jaartal veelvoud van 4"
                      << "Pasen in Gallië";
                break;
            case Rows::Reform:
                shown << "  jaren veelvoud van 4"
                      << "Kalenderwijziging 20/12 > 31/12  of  21/12 > 1/1/1583";
                break;
            case Rows::Gregorian:
                shown << "  jaartal veelvoud van 4 of 400, niet van 100."
                      << "Pasen in Gallië";
                break;
        }
        // Julian rule up to 1582, Gregorian from 1583.
        const bool leap = y >= 1583 ? (y % 4 == 0 && y % 100 != 0) || y % 400 == 0 : y % 4 == 0;
        shown << (leap ? "checked" : "unchecked");
        return shown;
    }

    // As a user does: select everything, delete it, type the new text.
    void type(const char* name, const QString& typed) {
        QLineEdit* edit = box(name);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, typed);
    }
    // As a paste over the whole text: one change.
    void paste(const char* name, const QString& pasted) {
        QLineEdit* edit = box(name);
        edit->selectAll();
        if (pasted.isEmpty())
            edit->del();
        else
            edit->insert(pasted);
    }
    // What the year box says of its text: empty when it is accepted or empty,
    // otherwise the note, which the tool tip, the accessible description and the
    // error colour must all carry alike.
    QString yearMark() const {
        QLineEdit* year = box("WelkJaar");
        QString tip = year->toolTip();
        const QString description =
            QAccessible::queryAccessibleInterface(year)->text(QAccessible::Description);
        if (description != tip)
            return QStringLiteral("description \"%1\" but tool tip \"%2\"").arg(description, tip);
        const QColor shown = year->palette().color(QPalette::Active, QPalette::Text);
        const QColor normal = window_->centralWidget()->palette().color(QPalette::Active, QPalette::Text);
        if ((shown != normal) != !tip.isEmpty())
            return QStringLiteral("colour %1 with \"%2\"").arg(shown.name(), tip);
        return tip;
    }
    static QString refusedMark(int shownYear) {
        return QStringLiteral("Niet aanvaard: een jaartal van 100 tot 2100. Getoond: %1").arg(shownYear);
    }
    // WCAG 2 contrast ratio.
    static double contrast(const QColor& a, const QColor& b) {
        const auto luminance = [](const QColor& c) {
            const auto channel = [](double v) {
                return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
            };
            return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
        };
        const double la = luminance(a);
        const double lb = luminance(b);
        return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
    }
    void showActive() {
        window_->show();
        QApplication::setActiveWindow(window_.get());
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    }

private slots:
    void init() {
        boxes_ = std::make_unique<RecordingBox>();
        window_ = std::make_unique<Tarvindr>(boxes_.get());
        expectedBoxes_ = 0;
    }
    void cleanup() {
        // No input may bring up a box, except the two information boxes.
        QCOMPARE(boxes_->shown.size(), expectedBoxes_);
        window_.reset();
    }

    void opensFilledForTheYear1000() {
        QCOMPARE(window_->windowTitle(), QStringLiteral("Tarvinde Z. Nederlanden"));
        QCOMPARE(text("WelkJaar"), QStringLiteral("1000"));
        QCOMPARE(text("TxtDag"), QStringLiteral("11"));
        QCOMPARE(text("TxtMaand"), QStringLiteral("11"));
        QCOMPARE(displayed(), expected(1000, Rows::Julian));
        QCOMPARE(window_->focusWidget(), box("WelkJaar"));
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        QCOMPARE(window_->centralWidget()->size(), QSize(385, 488));
        QVERIFY(!window_->windowIcon().isNull());
    }

    // The captions are the program's own texts, to the last dot.
    void captionsAsTheyStand() {
        const QList<QPair<const char*, QString>> labels{
            {"lblSchrikkeljaar", QStringLiteral("Schrikkeljaar ....")},
            {"lblNieuwjaar", QStringLiteral("Nieuwjaar .........")},
            {"lblAswoensdag", QStringLiteral("Aswoensdag ....")},
            {"lblPalmzondag", QStringLiteral("Palmzondag .....")},
            {"lblPasen", QStringLiteral("Pasen (Rome)..")},
            {"lblHemelvaart", QStringLiteral("Hemelvaart ......")},
            {"lblPinksteren", QStringLiteral("Pinksteren ........")},
            {"lblOLVtenHemelopneming", QStringLiteral("OLV ten Hemel .")},
            {"lblAllerheiligen", QStringLiteral("Allerheiligen .....")},
            {"lblAllerzielen", QStringLiteral("Allerzielen ........")},
            {"lblKerstmis", QStringLiteral("Kerstmis ............")},
            {"lblOudjaarsavond", QStringLiteral("Oudjaarsavond .")},
            {"LblZoekWeekdag", QStringLiteral("Zoek weekdag >")},
            {"LblDagnr", QStringLiteral("Dag =")},
            {"Label1", QStringLiteral("Maand =")},
        };
        for (const auto& [name, caption] : labels) QCOMPARE(find<QLabel>(name)->text(), caption);
        QCOMPARE(find<QPushButton>("cmdPlus1")->text(), QStringLiteral("&Plus"));
        QCOMPARE(find<QPushButton>("CmdMin1")->text(), QStringLiteral("&Min"));
        QCOMPARE(find<QCheckBox>("Schrikkeljaar")->text(), QStringLiteral("Check1"));
    }
    // clang-format off
    void refreshesAcceptedYears_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("rows");
        QTest::newRow("100") << "100" << 100 << int(Rows::Julian);
        QTest::newRow("2100") << "2100" << 2100 << int(Rows::Gregorian);
        QTest::newRow("1581") << "1581" << 1581 << int(Rows::Julian);
        QTest::newRow("1582") << "1582" << 1582 << int(Rows::Reform);
        QTest::newRow("1583") << "1583" << 1583 << int(Rows::Gregorian);
        QTest::newRow("2000") << "2000" << 2000 << int(Rows::Gregorian);
        QTest::newRow("1582.4 is 1582 throughout") << "1582.4" << 1582 << int(Rows::Reform);
        QTest::newRow("1582.5 is 1582 throughout") << "1582.5" << 1582 << int(Rows::Reform);
        QTest::newRow("1582,5 with a comma") << "1582,5" << 1582 << int(Rows::Reform);
        QTest::newRow("1581.5 rounds up to 1582") << "1581.5" << 1582 << int(Rows::Reform);
        QTest::newRow("1581.9 rounds up to 1582") << "1581.9" << 1582 << int(Rows::Reform);
        QTest::newRow("1581.4 stays 1581") << "1581.4" << 1581 << int(Rows::Julian);
        QTest::newRow("1582.6 rounds up to 1583") << "1582.6" << 1583 << int(Rows::Gregorian);
        QTest::newRow("1583.4 stays 1583") << "1583.4" << 1583 << int(Rows::Gregorian);
        QTest::newRow("1583.5 rounds to 1584") << "1583.5" << 1584 << int(Rows::Gregorian);
        QTest::newRow("1999.5 rounds to 2000") << "1999.5" << 2000 << int(Rows::Gregorian);
        QTest::newRow("2000.5 rounds to 2000") << "2000.5" << 2000 << int(Rows::Gregorian);
        QTest::newRow("99.5 + 1 rounds to 100") << "100.5" << 100 << int(Rows::Julian);
        QTest::newRow("blanks and sign") << " +1700 " << 1700 << int(Rows::Gregorian);
        QTest::newRow("leading zeros") << "0475" << 475 << int(Rows::Julian);
    }
    // clang-format on
    void refreshesAcceptedYears() {
        QFETCH(QString, typed);
        QFETCH(int, year);
        QFETCH(int, rows);
        type("WelkJaar", typed);
        QCOMPARE(text("WelkJaar"), typed);
        QCOMPARE(displayed(), expected(year, Rows(rows)));
        QCOMPARE(yearMark(), QString());
    }

    // A year copied from a spreadsheet or a web page, pasted with Ctrl+V: line
    // breaks, no-break spaces and invisible marks around it are blanks.
    // clang-format off
    void pastedYearsWithInvisibleCharacters_data() {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<int>("year");
        QTest::addColumn<int>("rows");
        QTest::newRow("CR LF") << "1700\r\n" << 1700 << int(Rows::Gregorian);
        QTest::newRow("LF and tab") << "\t1582\n" << 1582 << int(Rows::Reform);
        QTest::newRow("no-break spaces") << "\u00a0" "1581\u00a0" << 1581 << int(Rows::Julian);
        QTest::newRow("narrow no-break space") << "\u202f" "2000" << 2000 << int(Rows::Gregorian);
        QTest::newRow("zero-width space") << "\u200b" "1700\u200b" << 1700 << int(Rows::Gregorian);
        QTest::newRow("byte order mark") << "\ufeff" "1583" << 1583 << int(Rows::Gregorian);
        QTest::newRow("direction marks") << "\u200e" "1066\u200f" << 1066 << int(Rows::Julian);
        QTest::newRow("isolates around a fraction") << "\u2066" "1582.6\u2069" << 1583 << int(Rows::Gregorian);
        QTest::newRow("ideographic space and sign") << "\u3000+\u00a0" "900" << 900 << int(Rows::Julian);
    }
    // clang-format on
    void pastedYearsWithInvisibleCharacters() {
        QFETCH(QString, pasted);
        QFETCH(int, year);
        QFETCH(int, rows);
        showActive();
        QLineEdit* edit = box("WelkJaar");
        edit->setFocus();
        QApplication::clipboard()->setText(pasted);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(text("WelkJaar"), pasted);
        QCOMPARE(displayed(), expected(year, Rows(rows)));
        QCOMPARE(yearMark(), QString());
        // The same year with an invisible mark among its digits is refused.
        const qsizetype firstDigit = pasted.indexOf(QRegularExpression(QStringLiteral("[0-9]")));
        QApplication::clipboard()->setText(pasted.left(firstDigit + 1) + QChar(0x200b) +
                                           pasted.mid(firstDigit + 1));
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(displayed(), expected(year, Rows(rows)));
        QCOMPARE(yearMark(), refusedMark(year));
    }

    // Typing 1999 into an emptied box: 1 and 19 are skipped, 199 and 1999 shown.
    void typingDigitByDigit() {
        type("WelkJaar", "");
        QCOMPARE(displayed(), expected(1000, Rows::Julian));
        QTest::keyClick(box("WelkJaar"), Qt::Key_1);
        QTest::keyClick(box("WelkJaar"), Qt::Key_9);
        QCOMPARE(displayed(), expected(1000, Rows::Julian));
        QTest::keyClick(box("WelkJaar"), Qt::Key_9);
        QCOMPARE(displayed(), expected(199, Rows::Julian));
        QTest::keyClick(box("WelkJaar"), Qt::Key_9);
        QCOMPARE(displayed(), expected(1999, Rows::Gregorian));
    }

    // Refused texts, including those that are no number at all, leave every box
    // showing the last accepted year.
    // clang-format off
    void ignoresRefusedYears_data() {
        QTest::addColumn<QString>("pasted");
        for (const char* refused : {"", "99", "2101", "99.9", "2100.1", "2100.4", "99.5", "-1582", "0", "40000",
                                    "1e3", "abc", "-", "+", ".", ",", "   ", "15 82", "1582x", "1582..", "٢٠٠٠"})
            QTest::newRow(refused[0] ? refused : "empty") << QString::fromUtf8(refused);
    }
    // clang-format on
    void ignoresRefusedYears() {
        QFETCH(QString, pasted);
        for (const char* accepted : {"1582", "1583", "1999.5"}) {
            paste("WelkJaar", QString::fromLatin1(accepted));
            const QStringList before = displayed();
            paste("WelkJaar", pasted);
            QCOMPARE(text("WelkJaar"), pasted);
            QCOMPARE(displayed(), before);
            // The box says the year is refused, and which one is shown; an
            // emptied box is no refusal.
            const int shown =
                QString::fromLatin1(accepted) == "1999.5" ? 2000 : QString::fromLatin1(accepted).toInt();
            QCOMPARE(yearMark(), pasted.isEmpty() ? QString() : refusedMark(shown));
            // The finder answers for the year the rows show.
            paste("TxtDag", "12");
            QCOMPARE(text("TxtCorrecteWeekdag"), finder(12, 11, shown));
            paste("TxtDag", "11");
        }
        // An accepted year takes the mark away.
        paste("WelkJaar", "1700");
        QCOMPARE(yearMark(), QString());
    }

    // Typed key by key into an emptied box, each text is marked or not as it stands.
    void refusedMarkWhileTyping() {
        showActive();
        QLineEdit* edit = box("WelkJaar");
        edit->setFocus();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QCOMPARE(yearMark(), QString());
        const QList<QPair<char, QString>> keys{{'2', refusedMark(1000)},
                                               {'1', refusedMark(1000)},
                                               {'0', QString()},
                                               {'1', refusedMark(210)},
                                               {'x', refusedMark(210)}};
        for (const auto& [key, mark] : keys) {
            QTest::keyClick(edit, key);
            QCOMPARE(yearMark(), mark);
        }
        QCOMPARE(text("WelkJaar"), QStringLiteral("2101x"));
        QCOMPARE(displayed(), expected(210, Rows::Julian));
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(yearMark(), QString());
        // The error colour is a clear red, readable on the box.
        QTest::keyClick(edit, Qt::Key_9);
        const QColor red = edit->palette().color(QPalette::Active, QPalette::Text);
        QVERIFY(red.hslHue() < 10 || red.hslHue() > 350);
        QVERIFY(red.hslSaturation() > 200);
        QVERIFY2(contrast(red, edit->palette().color(QPalette::Active, QPalette::Base)) >= 4.5,
                 qPrintable(red.name()));
    }

    void goingBackFrom1582RestoresTheGaulRow() {
        type("WelkJaar", "1582");
        type("WelkJaar", "1583");
        QCOMPARE(displayed(), expected(1583, Rows::Gregorian));
        type("WelkJaar", "1582");
        type("WelkJaar", "1581");
        QCOMPARE(displayed(), expected(1581, Rows::Julian));
    }

    // Start text, button, the year texts the click writes, and the year shown after
    // (0: the display keeps the year 1000 it opened with).
    // clang-format off
    void stepButtons_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("written");
        QTest::addColumn<int>("shown");
        QTest::addColumn<int>("rows");
        const int j = int(Rows::Julian);
        const int r = int(Rows::Reform);
        const int g = int(Rows::Gregorian);
        QTest::newRow("2000 back") << "2000" << "CmdMin1" << QStringList{"1999"} << 1999 << g;
        QTest::newRow("2000 forward") << "2000" << "cmdPlus1" << QStringList{"2001"} << 2001 << g;
        QTest::newRow("100 back corrects") << "100" << "CmdMin1" << QStringList{"99", "100"} << 100 << j;
        QTest::newRow("100 forward") << "100" << "cmdPlus1" << QStringList{"101"} << 101 << j;
        QTest::newRow("2100 forward corrects") << "2100" << "cmdPlus1" << QStringList{"2101", "2100"} << 2100 << g;
        QTest::newRow("2100 back") << "2100" << "CmdMin1" << QStringList{"2099"} << 2099 << g;
        QTest::newRow("50 forward") << "50" << "cmdPlus1" << QStringList{"51"} << 0 << j;
        QTest::newRow("50 back corrects") << "50" << "CmdMin1" << QStringList{"49", "100"} << 100 << j;
        QTest::newRow("3000 back") << "3000" << "CmdMin1" << QStringList{"2999"} << 0 << j;
        QTest::newRow("3000 forward corrects") << "3000" << "cmdPlus1" << QStringList{"3001", "2100"} << 2100 << g;
        QTest::newRow("-5 back corrects") << "-5" << "CmdMin1" << QStringList{"-6", "100"} << 100 << j;
        QTest::newRow("1583 back") << "1583" << "CmdMin1" << QStringList{"1582"} << 1582 << r;
        QTest::newRow("1582 back") << "1582" << "CmdMin1" << QStringList{"1581"} << 1581 << j;
        QTest::newRow("1582 forward") << "1582" << "cmdPlus1" << QStringList{"1583"} << 1583 << g;
        QTest::newRow("1999.5 forward") << "1999.5" << "cmdPlus1" << QStringList{"2000.5"} << 2000 << g;
        QTest::newRow("1999.5 back") << "1999.5" << "CmdMin1" << QStringList{"1998.5"} << 1998 << g;
        QTest::newRow("2100.5 back rounds to 2100") << "2100.5" << "CmdMin1" << QStringList{"2099.5"} << 2100 << g;
        QTest::newRow("128.2 back") << "128.2" << "CmdMin1" << QStringList{"127.2"} << 127 << j;
        QTest::newRow("1581,6 forward") << "1581,6" << "cmdPlus1" << QStringList{"1582.6"} << 1583 << g;
        QTest::newRow("99.9 forward") << "99.9" << "cmdPlus1" << QStringList{"100.9"} << 101 << j;
        QTest::newRow("empty back") << "" << "CmdMin1" << QStringList{} << 0 << j;
        QTest::newRow("empty forward") << "" << "cmdPlus1" << QStringList{} << 0 << j;
        QTest::newRow("letters forward") << "abc" << "cmdPlus1" << QStringList{} << 0 << j;
        QTest::newRow("lone sign back") << "-" << "CmdMin1" << QStringList{} << 0 << j;
        QTest::newRow("lone point forward") << "." << "cmdPlus1" << QStringList{} << 0 << j;
        QTest::newRow("blanks back") << "  " << "CmdMin1" << QStringList{} << 0 << j;
    }
    // clang-format on
    void stepButtons() {
        QFETCH(QString, start);
        QFETCH(QString, button);
        QFETCH(QStringList, written);
        QFETCH(int, shown);
        QFETCH(int, rows);
        // A click, then on a fresh window the arrow key in the year box: Up and
        // Down run the same handlers as Plus and Min.
        for (const bool byKey : {false, true}) {
            if (byKey) window_ = std::make_unique<Tarvindr>(boxes_.get());
            paste("WelkJaar", start);
            QSignalSpy changes(box("WelkJaar"), &QLineEdit::textChanged);
            if (byKey)
                QTest::keyClick(box("WelkJaar"), button == "cmdPlus1" ? Qt::Key_Up : Qt::Key_Down);
            else
                QTest::mouseClick(find<QPushButton>(button.toLatin1().constData()), Qt::LeftButton);
            QStringList texts;
            for (const auto& change : changes) texts << change.at(0).toString();
            QCOMPARE(texts, written);
            QCOMPARE(text("WelkJaar"), written.isEmpty() ? start : written.last());
            QCOMPARE(displayed(), shown ? expected(shown, Rows(rows)) : expected(1000, Rows::Julian));
            QCOMPARE(yearMark(), shown || text("WelkJaar").isEmpty() ? QString() : refusedMark(1000));
        }
    }

    // The year box (set first), the finder box and what is pasted into it, what
    // that box holds afterwards, and the day, month and year the answer is for
    // (day 0: the answer is empty).
    // clang-format off
    void weekdayFinder_data() {
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("finderBox");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("holds");
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("forYear");
        QTest::newRow("day 45 becomes 31") << "1000" << "TxtDag" << "45" << "31" << 31 << 11 << 1000;
        QTest::newRow("day 0 becomes 1") << "1000" << "TxtDag" << "0" << "1" << 1 << 11 << 1000;
        QTest::newRow("day -3 becomes 1") << "1000" << "TxtDag" << "-3" << "1" << 1 << 11 << 1000;
        QTest::newRow("month 13 becomes 12") << "1000" << "TxtMaand" << "13" << "12" << 11 << 12 << 1000;
        QTest::newRow("month 0 becomes 1") << "1000" << "TxtMaand" << "0" << "1" << 11 << 1 << 1000;
        QTest::newRow("day 31.4 becomes 31") << "1000" << "TxtDag" << "31.4" << "31" << 31 << 11 << 1000;
        QTest::newRow("day 31.5 becomes 31") << "1000" << "TxtDag" << "31.5" << "31" << 31 << 11 << 1000;
        QTest::newRow("month 12.2 becomes 12") << "1000" << "TxtMaand" << "12.2" << "12" << 11 << 12 << 1000;
        QTest::newRow("day 2.5 counts as 2") << "1000" << "TxtDag" << "2.5" << "2.5" << 2 << 11 << 1000;
        QTest::newRow("day 3.5 counts as 4") << "1000" << "TxtDag" << "3.5" << "3.5" << 4 << 11 << 1000;
        QTest::newRow("day 0.5 becomes 1") << "1000" << "TxtDag" << "0.5" << "1" << 1 << 11 << 1000;
        QTest::newRow("day 99999 becomes 31") << "1000" << "TxtDag" << "99999" << "31" << 31 << 11 << 1000;
        QTest::newRow("month -99999 becomes 1") << "1000" << "TxtMaand" << "-99999" << "1" << 11 << 1 << 1000;
        QTest::newRow("day 31 in April unchanged") << "2001" << "TxtMaand" << "4" << "4" << 31 << 4 << 2001;
        QTest::newRow("day 29 February 1500") << "1500" << "TxtMaand" << "2" << "2" << 29 << 2 << 1500;
        QTest::newRow("refused year 3000") << "3000" << "TxtDag" << "5" << "5" << 5 << 11 << 1000;
        QTest::newRow("fractional year 1999.5") << "1999.5" << "TxtDag" << "5" << "5" << 5 << 11 << 2000;
        QTest::newRow("cleared day") << "1000" << "TxtDag" << "" << "" << 0 << 0 << 0;
        QTest::newRow("cleared month") << "1000" << "TxtMaand" << "" << "" << 0 << 0 << 0;
        QTest::newRow("day of letters") << "1000" << "TxtDag" << "abc" << "abc" << 0 << 0 << 0;
        QTest::newRow("lone sign month") << "1000" << "TxtMaand" << "-" << "-" << 0 << 0 << 0;
        QTest::newRow("lone comma day") << "1000" << "TxtDag" << "," << "," << 0 << 0 << 0;
        QTest::newRow("exponent day") << "1000" << "TxtDag" << "1e1" << "1e1" << 0 << 0 << 0;
        QTest::newRow("refused year 99") << "99" << "TxtDag" << "5" << "5" << 5 << 11 << 1000;
        QTest::newRow("refused year 10000") << "10000" << "TxtDag" << "5" << "5" << 5 << 11 << 1000;
        QTest::newRow("refused year -5") << "-5" << "TxtMaand" << "3" << "3" << 11 << 3 << 1000;
        QTest::newRow("year beyond 16 bits") << "40000" << "TxtDag" << "5" << "5" << 5 << 11 << 1000;
        QTest::newRow("year of letters") << "MMXX" << "TxtDag" << "5" << "5" << 5 << 11 << 1000;
        QTest::newRow("empty year") << "" << "TxtMaand" << "5" << "5" << 11 << 5 << 1000;
        QTest::newRow("pasted 5000 over 2000") << "2000\n5000" << "TxtDag" << "12" << "12" << 12 << 11 << 2000;
    }
    // clang-format on
    void weekdayFinder() {
        QFETCH(QString, year);
        QFETCH(QString, finderBox);
        QFETCH(QString, pasted);
        QFETCH(QString, holds);
        QFETCH(int, day);
        QFETCH(int, month);
        QFETCH(int, forYear);
        if (finderBox == "TxtMaand") paste("TxtDag", QString::number(day ? day : 11));
        for (const QString& step : year.split('\n')) paste("WelkJaar", step);  // the last one counts
        paste(finderBox.toLatin1().constData(), pasted);
        QCOMPARE(text(finderBox.toLatin1().constData()), holds);
        QCOMPARE(text("TxtCorrecteWeekdag"), day ? finder(day, month, forYear) : QString());
        QVERIFY(!text("TxtCorrecteWeekdag").isEmpty() || !day);
    }

    // Across the change of 1582 the finder counts in the calendar of the month's
    // first day and notes a date that was skipped: its Julian reading, then the
    // day that fell on (worked out by hand: 1 January 1583 was a Saturday).
    // clang-format off
    void finderAcrossTheChange_data() {
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("answer");
        QTest::newRow("last Julian day") << "21" << "12" << "1582" << "vrijdag 21 december 1582";
        QTest::newRow("first skipped") << "22" << "12" << "1582" << "zaterdag 22 december 1582 (? 1/1/1583)";
        QTest::newRow("Christmas") << "25" << "12" << "1582" << "dinsdag 25 december 1582 (? 4/1/1583)";
        QTest::newRow("last skipped") << "31" << "12" << "1582" << "maandag 31 december 1582 (? 10/1/1583)";
        QTest::newRow("first Gregorian day") << "1" << "1" << "1583" << "zaterdag 1 januari 1583";
        QTest::newRow("30 February 1582, Julian") << "30" << "2" << "1582" << "vrijdag 2 maart 1582";
        QTest::newRow("30 February 1583, Gregorian") << "30" << "2" << "1583" << "woensdag 2 maart 1583";
    }
    // clang-format on
    void finderAcrossTheChange() {
        QFETCH(QString, day);
        QFETCH(QString, month);
        QFETCH(QString, year);
        QFETCH(QString, answer);
        paste("WelkJaar", year);
        paste("TxtDag", day);
        paste("TxtMaand", month);
        QCOMPARE(text("TxtCorrecteWeekdag"), answer);
    }

    // Typed key by key, each clamp happens as soon as its text is there.
    void finderClampsWhileTyping() {
        type("TxtDag", "45");
        QCOMPARE(text("TxtDag"), QStringLiteral("31"));
        type("TxtMaand", "13");
        QCOMPARE(text("TxtMaand"), QStringLiteral("12"));
        QCOMPARE(text("TxtCorrecteWeekdag"), finder(31, 12, 1000));
        type("TxtDag", "");
        QCOMPARE(text("TxtCorrecteWeekdag"), QString());
        type("TxtDag", "7");
        QCOMPARE(text("TxtCorrecteWeekdag"), finder(7, 12, 1000));
    }

    // Typed into the focused box, a corrected text stays selected and the next key
    // replaces it; the answer is for the day and month the boxes end with.
    // clang-format off
    void finderTypedWithFocus_data() {
        QTest::addColumn<QString>("finderBox");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("holds");
        QTest::addColumn<bool>("selected");
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("month");
        QTest::newRow("day 05") << "TxtDag" << "05" << "5" << false << 5 << 11;
        QTest::newRow("day 007") << "TxtDag" << "007" << "7" << false << 7 << 11;
        QTest::newRow("day 0") << "TxtDag" << "0" << "1" << true << 1 << 11;
        QTest::newRow("day 45") << "TxtDag" << "45" << "31" << true << 31 << 11;
        QTest::newRow("day 310") << "TxtDag" << "310" << "31" << true << 31 << 11;
        QTest::newRow("day 45 then 2") << "TxtDag" << "452" << "2" << false << 2 << 11;
        QTest::newRow("day -3") << "TxtDag" << "-3" << "1" << true << 1 << 11;
        QTest::newRow("day 0.5") << "TxtDag" << "0.5" << "1" << true << 1 << 11;
        QTest::newRow("day 09 then 1") << "TxtDag" << "091" << "31" << true << 31 << 11;
        QTest::newRow("day 2.5") << "TxtDag" << "2.5" << "2.5" << false << 2 << 11;
        QTest::newRow("month 09") << "TxtMaand" << "09" << "9" << false << 11 << 9;
        QTest::newRow("month 13") << "TxtMaand" << "13" << "12" << true << 11 << 12;
        QTest::newRow("month 010") << "TxtMaand" << "010" << "10" << false << 11 << 10;
        QTest::newRow("month 0") << "TxtMaand" << "0" << "1" << true << 11 << 1;
    }
    // clang-format on
    void finderTypedWithFocus() {
        QFETCH(QString, finderBox);
        QFETCH(QString, typed);
        QFETCH(QString, holds);
        QFETCH(bool, selected);
        QFETCH(int, day);
        QFETCH(int, month);
        showActive();
        QLineEdit* edit = box(finderBox.toLatin1().constData());
        edit->setFocus();
        QVERIFY(edit->hasFocus());
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, typed);
        QCOMPARE(edit->text(), holds);
        QCOMPARE(edit->selectedText(), selected ? holds : QString());
        QCOMPARE(text("TxtCorrecteWeekdag"), finder(day, month, 1000));
    }

    // Set from code, the texts clamp as always, focused or not; only a box with
    // the focus keeps the correction selected.
    void finderSetFromCode() {
        showActive();
        for (const bool focused : {false, true}) {
            if (focused) box("TxtDag")->setFocus();
            QCOMPARE(box("TxtDag")->hasFocus(), focused);
            const QList<QPair<QString, QString>> cases{{"0", "1"}, {"45", "31"}, {"12", "12"}};
            for (const auto& [set, holds] : cases) {
                box("TxtDag")->setText(set);
                QCOMPARE(text("TxtDag"), holds);
                QCOMPARE(box("TxtDag")->hasSelectedText(), focused && set != holds);
            }
        }
    }

    // The refresh writes the finder's answer too, and empties it when the day or
    // month box holds no number, and goes on to the calendar rows.
    void refreshUpdatesTheFinder() {
        type("WelkJaar", "1001");
        QCOMPARE(displayed(), expected(1001, Rows::Julian));
        paste("TxtDag", "abc");
        type("WelkJaar", "1583");
        QStringList shown = expected(1583, Rows::Gregorian);
        shown[12] = QString();  // the finder's answer
        QCOMPARE(displayed(), shown);
        paste("TxtDag", "9");
        paste("TxtMaand", "");
        type("WelkJaar", "1582");
        shown = expected(1582, Rows::Reform);
        shown[12] = QString();
        QCOMPARE(displayed(), shown);
    }

    void tabWalksTheEnabledControls() {
        showActive();
        QCOMPARE(QApplication::focusWidget(), box("WelkJaar"));
        const char* order[] = {"cmdPlus1", "CmdMin1", "TxtDag", "TxtMaand", "WelkJaar", "cmdPlus1"};
        for (const char* name : order) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(name));
        }
        // Results, labels and the check box never take the focus, nor a click.
        for (QWidget* w : window_->centralWidget()->findChildren<QWidget*>()) {
            const bool input = QStringList{"WelkJaar", "TxtDag", "TxtMaand", "cmdPlus1", "CmdMin1"}.contains(
                w->objectName());
            if (qobject_cast<QLineEdit*>(w) || qobject_cast<QCheckBox*>(w)) QCOMPARE(w->isEnabled(), input);
            if (!input) QCOMPARE(w->focusPolicy(), Qt::NoFocus);
        }
        QTest::mouseClick(find<QCheckBox>("Schrikkeljaar"), Qt::LeftButton);
        QTest::mouseClick(box("Pasen"), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), find<QPushButton>("cmdPlus1"));
        QCOMPARE(displayed(), expected(1000, Rows::Julian));
    }

    void accessKeysPressTheButtonsAndOpenTheMenus() {
        showActive();
        QTest::keyClick(window_.get(), Qt::Key_P, Qt::AltModifier);
        QTRY_COMPARE(text("WelkJaar"), QStringLiteral("1001"));
        QTest::keyClick(window_.get(), Qt::Key_M, Qt::AltModifier);
        QTRY_COMPARE(text("WelkJaar"), QStringLiteral("1000"));
        QTest::keyClick(window_.get(), Qt::Key_M, Qt::AltModifier);
        QTRY_COMPARE(text("WelkJaar"), QStringLiteral("999"));
        QCOMPARE(displayed(), expected(999, Rows::Julian));
        for (const char* menu : {"MnuBestand", "MnuRegio", "MnuFeesten", "Help"}) {
            auto* popup = find<QMenu>(menu);
            QTest::keyClick(window_.get(), popup->title().at(1).toLatin1(), Qt::AltModifier);
            QTRY_VERIFY(popup->isVisible());
            QTest::keyClick(popup, Qt::Key_Escape);
            QTRY_VERIFY(!popup->isVisible());
        }
    }

    // Items in order with their shortcuts; a separator shows as "-". The Regio
    // menu holds the fifteen regions, each a checkable item with no key.
    void menuTree() {
        const QList<QAction*> bar = window_->menuBar()->actions();
        QCOMPARE(bar.size(), 4);
        const QStringList regions{"Zuidelijke Nederlanden",
                                  "Staten-Generaal (edict van Anjou)",
                                  "Holland",
                                  "Prinsbisdom Luik",
                                  "Gelderland",
                                  "Utrecht, Overijssel",
                                  "Friesland, Groningen",
                                  "Drenthe",
                                  "Rome, Italië, Spanje, Portugal, Polen",
                                  "Frankrijk",
                                  "Protestantse Duitse staten, Denemarken, Noorwegen",
                                  "Groot-Brittannië en zijn koloniën",
                                  "Zweden",
                                  "Juliaanse kalender (altijd)",
                                  "Gregoriaanse kalender op elk jaar (model)"};
        const QStringList regionNames{"MnuRegio_zuidelijke-nederlanden",
                                      "MnuRegio_staten-generaal",
                                      "MnuRegio_holland",
                                      "MnuRegio_luik",
                                      "MnuRegio_gelderland",
                                      "MnuRegio_utrecht-overijssel",
                                      "MnuRegio_friesland-groningen",
                                      "MnuRegio_drenthe",
                                      "MnuRegio_rome",
                                      "MnuRegio_frankrijk",
                                      "MnuRegio_duitsland-protestants",
                                      "MnuRegio_groot-brittannie",
                                      "MnuRegio_zweden",
                                      "MnuRegio_juliaans",
                                      "MnuRegio_gregoriaans"};
        const struct {
            const char* menu;
            const char* title;
            QStringList items;
            QStringList names;
            QStringList shortcuts;
            bool checkable;
        } menus[] = {{"MnuBestand",
                      "&Bestand",
                      {"&Kopiëren", "Af&drukken…", "Als &PDF opslaan…", "-", "&Close"},
                      {"MnuKopieren", "MnuAfdrukken", "MnuPdf", "", "MnuClose"},
                      {"Ctrl+C", "Ctrl+P", "", "", ""},
                      false},
                     {"MnuRegio", "&Regio", regions, regionNames, QStringList(15, QString()), true},
                     {"MnuFeesten", "&Feesten", {"&Feestkalender…"}, {"MnuFeestkalender"}, {"Ctrl+K"}, false},
                     {"Help",
                      "&Help",
                      {"&use", "&About", "-", "&Kalenderinformatie"},
                      {"MnuUse", "MnuAbout", "", "MnuKalenderinformatie"},
                      {"", "", "", "F1"},
                      false}};
        for (int i = 0; i < 4; ++i) {
            auto* menu = find<QMenu>(menus[i].menu);
            QCOMPARE(bar[i], menu->menuAction());
            QCOMPARE(menu->title(), QString::fromUtf8(menus[i].title));
            QStringList items;
            QStringList names;
            QStringList shortcuts;
            for (QAction* item : menu->actions()) {
                items << (item->isSeparator() ? QStringLiteral("-") : item->text());
                names << item->objectName();
                shortcuts << item->shortcut().toString(QKeySequence::PortableText);
                QCOMPARE(item->isCheckable(), menus[i].checkable && !item->isSeparator());
                QVERIFY(item->isEnabled() && item->isVisible());
            }
            QCOMPARE(items, menus[i].items);
            QCOMPARE(names, menus[i].names);
            QCOMPARE(shortcuts, menus[i].shortcuts);
        }
    }

    // clang-format off
    void informationBoxes_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("prompt");
        QTest::newRow("use") << "MnuUse"
                             << QString::fromStdString(
                                    std::string("This utility can be adapted for other countries:\r"
                                                "* first study local calendar-reforms\r"
                                                "* then choose the region in the Regio menu.\r"
                                                "\r"
                                                "Additional calendar-information:\r* ") +
                                    settings::kCalendarWebPage +
                                    "\r* the help text (F1), installed as share/doc/tarvinde/Tarvindeinfo.txt");
        QTest::newRow("about") << "MnuAbout"
                               << QString::fromStdString(std::string("Research and design by ") + settings::kAuthorName +
                                                         "\r( see the help text: F1, installed as "
                                                         "share/doc/tarvinde/Tarvindeinfo.txt )\r( " +
                                                         settings::kAuthorSecondAddress + " )");
    }
    // clang-format on
    void informationBoxes() {
        QFETCH(QString, item);
        QFETCH(QString, prompt);
        type("WelkJaar", "1582");
        const QStringList before = displayed();
        auto* action = window_->findChild<QAction*>(item);
        QVERIFY(action);
        action->trigger();
        action->trigger();
        expectedBoxes_ = 2;
        QCOMPARE(boxes_->shown.size(), std::size_t{2});
        for (const auto& shown : boxes_->shown) {
            QCOMPARE(q(shown.prompt), prompt);
            QCOMPARE(shown.style, 64);
            QCOMPARE(q(shown.title), QStringLiteral("Tarvinde"));
            QVERIFY(!shown.prompt.empty() && shown.prompt.find('\n') == std::string::npos);
        }
        QCOMPARE(displayed(), before);
        QCOMPARE(text("WelkJaar"), QStringLiteral("1582"));
        // The defaults name no invented person and point to a real page.
        QVERIFY(QString::fromLatin1(settings::kCalendarWebPage).startsWith("https://"));
    }

    void closeEndsWithoutAQuestion() {
        showActive();
        window_->findChild<QAction*>("MnuClose")->trigger();
        QVERIFY(!window_->isVisible());
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }

    // The real box: the right icon and title, and the carriage returns shown as
    // line breaks.
    // clang-format off
    void qtMessageBoxShowsLines_data() {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("icon");
        QTest::addColumn<QString>("prompt");
        QTest::addColumn<QString>("lines");
        QTest::newRow("error") << 16 << int(QMessageBox::Critical) << "Error: 6\r\nOverflow\r\nProc Name: Kerstmis"
                               << "Error: 6\nOverflow\nProc Name: Kerstmis";
        QTest::newRow("information") << 64 << int(QMessageBox::Information) << "a\r\rb\r" << "a\n\nb\n";
    }
    // clang-format on
    void qtMessageBoxShowsLines() {
        QFETCH(int, style);
        QFETCH(int, icon);
        QFETCH(QString, prompt);
        QFETCH(QString, lines);
        QtMessageBox real(window_.get());
        // Read the box while it is open, then close it, so a failure cannot leave it blocking.
        QString shownText;
        QString shownTitle;
        int shownIcon = -1;
        qsizetype buttons = 0;
        QTimer reader;
        reader.setSingleShot(true);
        connect(&reader, &QTimer::timeout, this, [&] {
            if (auto* shown = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                shownText = shown->text();
                shownTitle = shown->windowTitle();
                shownIcon = int(shown->icon());
                buttons = shown->buttons().size();
                shown->button(QMessageBox::Ok)->click();
            }
        });
        reader.start(0);
        real.show(prompt.toStdString(), style, "Title");
        QCOMPARE(shownText, lines);
        QCOMPARE(shownIcon, icon);
        QCOMPARE(shownTitle, QStringLiteral("Title"));
        QCOMPARE(buttons, qsizetype{1});
    }

    // Screen readers hear each box by the name of its caption, the Gaul box by
    // whatever its label says at the moment, and read the texts the boxes show.
    void accessibleNamesAndTexts() {
        const QList<QPair<const char*, QString>> names{{"Nieuwjaar", "Nieuwjaar"},
                                                       {"Aswoensdag", "Aswoensdag"},
                                                       {"Palmzondag", "Palmzondag"},
                                                       {"Pasen", "Pasen (Rome)"},
                                                       {"Hemelvaart", "Hemelvaart"},
                                                       {"Pinksteren", "Pinksteren"},
                                                       {"OLVtenHemelopneming", "OLV ten Hemel"},
                                                       {"Allerheiligen", "Allerheiligen"},
                                                       {"Allerzielen", "Allerzielen"},
                                                       {"Kerstmis", "Kerstmis"},
                                                       {"Oudjaarsavond", "Oudjaarsavond"},
                                                       {"Schrikkeljaar", "Schrikkeljaar"},
                                                       {"TxtKalender", "Kalender"},
                                                       {"TxtCorrecteWeekdag", "Weekdag"},
                                                       {"WelkJaar", "Jaar"},
                                                       {"TxtDag", "Dag"},
                                                       {"TxtMaand", "Maand"},
                                                       {"txtPasenGallie", "Pasen in Gallië"}};
        for (const char* year : {"1583", "1582"}) {
            type("WelkJaar", year);
            for (const auto& [control, name] : names) {
                QWidget* w = find<QWidget>(control);
                QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
                QVERIFY2(a, control);
                const QString expectedName = QString::fromLatin1(control) == "txtPasenGallie"
                                                 ? find<QLabel>("lblPasenGallie")->text()
                                                 : name;
                QCOMPARE(a->text(QAccessible::Name), expectedName);
                if (auto* edit = qobject_cast<QLineEdit*>(w))
                    QCOMPARE(a->text(QAccessible::Value), edit->text());
            }
            QCOMPARE(QAccessible::queryAccessibleInterface(find<QCheckBox>("Schrikkeljaar"))->state().checked,
                     find<QCheckBox>("Schrikkeljaar")->isChecked());
        }
        QVERIFY(QAccessible::queryAccessibleInterface(box("txtPasenGallie"))
                    ->text(QAccessible::Name)
                    .startsWith("Kalenderwijziging"));
    }

    // Every text keeps at least 4.5:1 (WCAG AA) against its background, the
    // disabled result boxes included, and those stay disabled.
    void contrastOfEveryText() {
        const auto ratio = &WindowTest::contrast;
        QList<QWidget*> controls = window_->centralWidget()->findChildren<QWidget*>();
        controls << window_->menuBar();
        int checked = 0;
        for (QWidget* w : controls) {
            const QPalette& p = w->palette();
            const QPalette::ColorGroup group = w->isEnabled() ? QPalette::Active : QPalette::Disabled;
            QPalette::ColorRole text = QPalette::WindowText;
            QPalette::ColorRole background = QPalette::Window;
            if (qobject_cast<QLineEdit*>(w) ||
                qobject_cast<QCheckBox*>(w)) {  // a check mark is drawn in Text on Base
                text = QPalette::Text;
                background = QPalette::Base;
            } else if (qobject_cast<QPushButton*>(w)) {
                text = QPalette::ButtonText;
                background = QPalette::Button;
            } else if (!qobject_cast<QLabel*>(w) && !qobject_cast<QMenuBar*>(w)) {
                continue;  // the line carries no text
            }
            const double r = ratio(p.color(group, text), p.color(group, background));
            QVERIFY2(r >= 4.5, qPrintable(QStringLiteral("%1: %2").arg(w->objectName()).arg(r)));
            ++checked;
        }
        QCOMPARE(checked, 38);  // 37 controls with text and the menu bar
        for (const char* result :
             {"TxtKalender", "Nieuwjaar", "Pasen", "txtPasenGallie", "TxtCorrecteWeekdag"})
            QVERIFY(!box(result)->isEnabled());
        QVERIFY(!find<QCheckBox>("Schrikkeljaar")->isEnabled());
    }

    // The controls keep their places when the window is resized.
    void resizingMovesNothing() {
        QList<QRect> before;
        const auto controls = window_->centralWidget()->findChildren<QWidget*>();
        for (QWidget* w : controls) before << w->geometry();
        window_->resize(700, 900);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        for (int i = 0; i < controls.size(); ++i) QCOMPARE(controls[i]->geometry(), before[i]);
        QCOMPARE(controls.size(), 38);
    }
};

QTEST_MAIN(WindowTest)
#include "window_test.moc"
