// The window opened on a --year: the year box holds the text as given, and the
// rows show that year as if it had been typed.

#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "recording_box.h"
#include "start_options.h"
#include "tarvindr.h"

class StartWindowTest : public QObject {
    Q_OBJECT

private slots:
    void yearAsTyped_data() {
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("kalender");
        QTest::addColumn<QString>("nieuwjaar");
        QTest::addColumn<QString>("gallie");
        QTest::newRow("2000") << "2000"
                              << "Gregoriaans"
                              << "zaterdag 1 januari 2000"
                              << "Pasen in Gallië";
        QTest::newRow("1582") << "1582"
                              << "Juliaans"
                              << "maandag 1 januari 1582"
                              << "Kalenderwijziging 20/12 > 31/12  of  21/12 > 1/1/1583";
        QTest::newRow("comma") << "1000,4"
                               << "Juliaans"
                               << "maandag 1 januari 1000"
                               << "Pasen in Gallië";
    }
    void yearAsTyped() {
        QFETCH(QString, year);
        RecordingBox box;
        Tarvindr window(&box);
        StartOptions options;
        options.year = year.toStdString();
        applyStartOptions(window, options);
        QCOMPARE(window.findChild<QLineEdit*>("WelkJaar")->text(), year);
        QTEST(window.findChild<QLineEdit*>("TxtKalender")->text(), "kalender");
        QTEST(window.findChild<QLineEdit*>("Nieuwjaar")->text().trimmed(), "nieuwjaar");
        QTEST(window.findChild<QLabel*>("lblPasenGallie")->text(), "gallie");
        QVERIFY(box.shown.empty());
    }
};

QTEST_MAIN(StartWindowTest)
#include "start_window_test.moc"
