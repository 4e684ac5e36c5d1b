// The window opened on a --year and a --region: the year box holds the text as
// given, the region's menu item is checked, and the rows show that year in that
// region as if typed and chosen.

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "recording_box.h"
#include "start_options.h"
#include "tarvindr.h"

class StartWindowTest : public QObject {
    Q_OBJECT

private slots:
    // clang-format off
    void yearAndRegion_data() {
        QTest::addColumn<QString>("year");    // empty: no --year
        QTest::addColumn<QString>("region");  // empty: no --region
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("kalender");
        QTest::addColumn<QString>("nieuwjaar");
        QTest::addColumn<QString>("gallie");
        QTest::newRow("2000") << "2000" << "" << "Tarvinde Z. Nederlanden" << "Gregoriaans"
                              << "zaterdag 1 januari 2000" << "Pasen in Gallië";
        QTest::newRow("1582") << "1582" << "" << "Tarvinde Z. Nederlanden" << "Juliaans"
                              << "maandag 1 januari 1582" << "Kalenderwijziging 20/12 > 31/12  of  21/12 > 1/1/1583";
        QTest::newRow("comma") << "1000,4" << "" << "Tarvinde Z. Nederlanden" << "Juliaans"
                               << "maandag 1 januari 1000" << "Pasen in Gallië";
        // Liège kept the Julian calendar until 10 February 1583: New Year is
        // Gregorian 11 January, a Tuesday.
        QTest::newRow("Luik 1583") << "1583" << "luik" << "Tarvinde Luik" << "Overgangsjaar"
                                   << "dinsdag 1 januari 1583" << "Kalenderwijziging 10/2 > 21/2/1583";
        QTest::newRow("region alone") << "" << "rome" << "Tarvinde Rome" << "Juliaans"
                                      << "maandag 1 januari 1000" << "Pasen in Gallië";
    }
    // clang-format on
    void yearAndRegion() {
        QFETCH(QString, year);
        QFETCH(QString, region);
        RecordingBox box;
        Tarvindr window(&box);
        StartOptions options;
        if (!year.isEmpty()) options.year = year.toStdString();
        if (!region.isEmpty()) options.region = regions::find(region.toStdString());
        applyStartOptions(window, options);
        QCOMPARE(window.findChild<QLineEdit*>("WelkJaar")->text(), year.isEmpty() ? "1000" : year);
        QTEST(window.windowTitle(), "title");
        const QString item = "MnuRegio_" + (region.isEmpty() ? "zuidelijke-nederlanden" : region);
        QVERIFY(window.findChild<QAction*>(item)->isChecked());
        QTEST(window.findChild<QLineEdit*>("TxtKalender")->text(), "kalender");
        QTEST(window.findChild<QLineEdit*>("Nieuwjaar")->text().trimmed(), "nieuwjaar");
        QTEST(window.findChild<QLabel*>("lblPasenGallie")->text(), "gallie");
        QVERIFY(box.shown.empty());
    }
};

QTEST_MAIN(StartWindowTest)
#include "start_window_test.moc"
