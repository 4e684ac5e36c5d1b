// A seeded storm of user events on the real window. After every event: no
// message box; the boxes show what the calendar gives for the last accepted
// year text, rounded; the finder's answer is Weekdag for its day and month in
// that year (or empty); the year box is marked as refused exactly when it holds a
// text other than the empty one that the refresh refused; the day and month boxes
// hold numbers within 1..31 and 1..12. The oracles below read the box texts on
// their own, with a regular expression and the C library, not with the window's
// conversion.
//
// TARVINDE_RANDOM_EVENTS and TARVINDE_RANDOM_SEED change the number of events
// (20,000, of which 1% are Alt+P or Alt+M) and the seed.

#include <cmath>
#include <cstdlib>
#include <memory>
#include <optional>
#include <random>
#include <regex>

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "failure.h"
#include "recording_box.h"
#include "regions.h"
#include "tarvinde.h"
#include "tarvindr.h"
#include "year_view.h"

namespace {

// A box text as a number: blanks, sign, blanks, digits with "." or "," fraction,
// blanks. A blank is Unicode white space or an invisible format mark, here spelt
// out as the UTF-8 bytes of U+0009..000D, U+0020, U+0085, U+00A0, U+061C, U+1680,
// U+2000..200F, U+2028..202F, U+205F..2064, U+2066..2069, U+3000 and U+FEFF.
std::optional<double> oracleNumber(const QString& text) {
    static const std::string blank = R"((?:[ \t\n\v\f\r]|\xC2[\x85\xA0]|\xD8\x9C|\xE1\x9A\x80|)"
                                     R"(\xE2\x80[\x80-\x8F\xA8-\xAF]|\xE2\x81[\x9F-\xA4\xA6-\xA9]|)"
                                     R"(\xE3\x80\x80|\xEF\xBB\xBF))";
    static const std::regex number("^" + blank + "*([+-]?)" + blank + "*([0-9]*)([.,]([0-9]*))?" + blank +
                                   "*$");
    const std::string s = text.toStdString();
    std::smatch m;
    if (!std::regex_match(s, m, number) || (m[2].length() == 0 && m[4].length() == 0)) return std::nullopt;
    const std::string plain = m[1].str() + (m[2].length() ? m[2].str() : "0") + "." + m[4].str() + "0";
    const double value = std::strtod(plain.c_str(), nullptr);
    if (!std::isfinite(value)) return std::nullopt;
    return value;
}

std::optional<std::int16_t> oracleInt16(const QString& text) {
    const auto value = oracleNumber(text);
    if (!value) return std::nullopt;
    const double rounded = std::nearbyint(*value);  // the default rounding: halves to even
    if (rounded < -32768 || rounded > 32767) return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

bool accepted(const QString& yearText) {
    const auto x = oracleNumber(yearText);
    return x && *x >= 100 && *x <= 2100;
}

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

// Key by key; a character without a key of its own comes as a key event carrying
// only its text, as from an input method.
void typeKeys(QWidget* target, const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() >= 0x20 && c.unicode() < 0x7f) {
            QTest::keyClick(target, char(c.unicode()));
        } else {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(target, &press);
            QApplication::sendEvent(target, &release);
        }
    }
}

QString randomText(std::mt19937& random, bool yearLike) {
    auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    static const char* const odd[] = {"", " ", "-", "+", ".", ",", "abc", "1e3", "1E-2", "12x", "x12", "--1",
                                      "99999999999999999999", "1 2", "é", "٣", "\t", "0", "-0", "0,5", "+ 7",
                                      // pasted from spreadsheets and web pages
                                      "1700\r\n",
                                      "\u00a0"
                                      "1582",
                                      "\u200b"
                                      "12\u200b",
                                      "\ufeff"
                                      "7",
                                      "1\u200b"
                                      "2",
                                      "\u2066-\u2069"
                                      "3",
                                      "\r\n",
                                      "\u3000"
                                      "2000\u3000",
                                      "17\u00a0"
                                      "00",
                                      "\u00ad"
                                      "5"};
    switch (pick(8)) {
        case 0:
            return QString::fromUtf8(odd[pick(std::size(odd))]);
        case 1:
            return QString::number(pick(80001) - 40000);
        case 2:
            return QString::number(yearLike ? 100 + pick(2001) : pick(40)) + (pick(2) ? "." : ",") +
                   QString::number(pick(100));
        case 3:
            return QStringLiteral(" ") + (pick(2) ? "-" : "+") + QString::number(pick(yearLike ? 3000 : 40));
        default:
            return QString::number(yearLike ? 50 + pick(2100) : pick(16));
    }
}

}  // namespace

class RandomEventsTest : public QObject {
    Q_OBJECT

private slots:
    void everyEventKeepsTheWindowConsistent() {
        const int events = qEnvironmentVariableIsSet("TARVINDE_RANDOM_EVENTS")
                               ? qEnvironmentVariableIntValue("TARVINDE_RANDOM_EVENTS")
                               : 20000;
        const unsigned seed = qEnvironmentVariableIsSet("TARVINDE_RANDOM_SEED")
                                  ? unsigned(qEnvironmentVariableIntValue("TARVINDE_RANDOM_SEED"))
                                  : 20240607u;
        qInfo("%d events, seed %u", events, seed);
        std::mt19937 random(seed);
        auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };

        RecordingBox boxes;
        Tarvindr window(&boxes);
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto box = [&](const char* name) { return window.findChild<QLineEdit*>(QString::fromLatin1(name)); };
        QLineEdit* const inputs[] = {box("WelkJaar"), box("TxtDag"), box("TxtMaand")};
        auto* plus = window.findChild<QPushButton*>("cmdPlus1");
        auto* min = window.findChild<QPushButton*>("CmdMin1");
        const char* const feastBoxes[] = {"Nieuwjaar",   "Aswoensdag", "Palmzondag",          "Pasen",
                                          "Hemelvaart",  "Pinksteren", "OLVtenHemelopneming", "Allerheiligen",
                                          "Allerzielen", "Kerstmis",   "Oudjaarsavond"};

        // The rounded value of the last year text the refresh accepted.
        std::int16_t shownYear = 1000;
        connect(inputs[0], &QLineEdit::textChanged, this, [&](const QString& text) {
            if (accepted(text)) shownYear = *oracleInt16(text);
        });

        RecordingBox quiet;
        const Tarvinde calendar(quiet);
        int altClicks = 0;
        for (int event = 0; event < events; ++event) {
            QLineEdit* target = inputs[pick(3)];
            QString what;
            const int kind = pick(100);
            if (kind < 1) {  // Alt+P or Alt+M: an animated click of about 100 ms
                QPushButton* button = pick(2) ? plus : min;
                QSignalSpy clicked(button, &QPushButton::clicked);
                QTest::keyClick(&window, button == plus ? Qt::Key_P : Qt::Key_M, Qt::AltModifier);
                QVERIFY(clicked.wait(2000));
                what = button == plus ? "Alt+P" : "Alt+M";
                ++altClicks;
            } else if (kind < 35) {
                const QString text = randomText(random, target == inputs[0]);
                if (pick(2)) {
                    target->selectAll();
                    QTest::keyClick(target, Qt::Key_Backspace);
                } else {
                    target->end(false);
                }
                typeKeys(target, text);
                what = "typed \"" + text + "\" into " + target->objectName();
            } else if (kind < 55) {
                const QString text = randomText(random, target == inputs[0]);
                if (pick(2))
                    target->selectAll();
                else
                    target->end(false);
                target->insert(text);
                what = "pasted \"" + text + "\" into " + target->objectName();
            } else if (kind < 65) {
                target->selectAll();
                QTest::keyClick(target, pick(2) ? Qt::Key_Backspace : Qt::Key_Delete);
                what = "cleared " + target->objectName();
            } else if (kind < 90) {
                QPushButton* button = pick(2) ? plus : min;
                QTest::mouseClick(button, Qt::LeftButton);
                what = "clicked " + button->objectName();
            } else {
                const Qt::Key keys[] = {Qt::Key_Up, Qt::Key_Down, Qt::Key_PageUp, Qt::Key_PageDown};
                const Qt::Key key = keys[pick(4)];
                QTest::keyClick(inputs[0], key, pick(2) ? Qt::NoModifier : Qt::KeypadModifier);
                what = QKeySequence(key).toString();
            }
            const QString context = QStringLiteral("event %1 (%2), year \"%3\", day \"%4\", month \"%5\"")
                                        .arg(event)
                                        .arg(what, inputs[0]->text(), inputs[1]->text(), inputs[2]->text());

            QVERIFY2(boxes.shown.empty(), qPrintable("a message box after " + context));

            // The boxes show the last accepted year; its rounded value picks the calendar rows.
            const std::int16_t y = shownYear;
            QStringList expected;
            for (auto feast : {&Tarvinde::NieuwjaarDag, &Tarvinde::Aswoensdag, &Tarvinde::Palmzondag,
                               &Tarvinde::PaasDatum, &Tarvinde::HemelvaartDag, &Tarvinde::PinksterenDag,
                               &Tarvinde::OLVtenHemel, &Tarvinde::Allerheiligen, &Tarvinde::Allerzielen,
                               &Tarvinde::Kerstmis, &Tarvinde::Oudjaarsavond})
                expected << q((calendar.*feast)(y));
            expected << (y == 1582 ? QStringLiteral("10 dagen vervallen in december")
                                   : q(calendar.PasenGallie(y)))
                     << (y > 1582 ? "Gregoriaans" : "Juliaans");
            const bool leap = y >= 1583 ? (y % 4 == 0 && y % 100 != 0) || y % 400 == 0 : y % 4 == 0;
            QStringList shown;
            for (const char* name : feastBoxes) shown << box(name)->text();
            shown << box("txtPasenGallie")->text() << box("TxtKalender")->text();
            QVERIFY2(shown == expected, qPrintable("feast rows after " + context));
            QVERIFY2(window.findChild<QCheckBox*>("Schrikkeljaar")->isChecked() == leap, qPrintable(context));
            QVERIFY2(window.findChild<QLabel*>("lblPasenGallie")
                         ->text()
                         .startsWith(y == 1582 ? "Kalenderwijziging" : "Pasen in Gallië"),
                     qPrintable(context));

            // The finder answers for the year the rows show, whatever the year box holds.
            QString answer;
            const auto d = oracleInt16(inputs[1]->text());
            const auto m = oracleInt16(inputs[2]->text());
            if (d && m) {
                try {
                    answer = q(year_view::weekdayText(regions::defaultRegion(), *d, *m, y));
                } catch (const Failure&) {
                }
            }
            QVERIFY2(box("TxtCorrecteWeekdag")->text() == answer,
                     qPrintable("finder's answer after " + context));

            const QString yearText = inputs[0]->text();
            const QString mark =
                yearText.isEmpty() || accepted(yearText)
                    ? QString()
                    : QStringLiteral("Niet aanvaard: een jaartal van 100 tot 2100. Getoond: %1").arg(y);
            QVERIFY2(inputs[0]->toolTip() == mark && inputs[0]->accessibleDescription() == mark,
                     qPrintable("year box's mark after " + context));
            QVERIFY2((inputs[0]->palette().color(QPalette::Active, QPalette::Text) !=
                      window.centralWidget()->palette().color(QPalette::Active, QPalette::Text)) ==
                         !mark.isEmpty(),
                     qPrintable("year box's colour after " + context));
            for (int i : {1, 2}) {
                const auto value = oracleNumber(inputs[i]->text());
                QVERIFY2(!value || (*value >= 1 && *value <= (i == 1 ? 31 : 12)),
                         qPrintable("bounds after " + context));
            }
        }
        qInfo("%d events, of which %d Alt+P or Alt+M", events, altClicks);
    }
};

QTEST_MAIN(RandomEventsTest)
#include "random_events_test.moc"
