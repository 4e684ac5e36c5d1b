// The Regio menu of the real window, chosen as a user does: its items, and what
// choosing one changes. The expected dates are worked out by hand from the
// weekdays of 1 January (Gregorian 1583 and 1701 a Saturday, 1700 a Friday,
// 1000 a Wednesday, 2000 a Saturday; Julian 1700 a Monday) and the Julian lag of
// ten days until Julian 28/2/1700, eleven after it. Julian Easter 1700 is 31 March.

#include <memory>

#include <QAccessible>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "feestkalender.h"
#include "recording_box.h"
#include "tarvindr.h"

namespace {

QString idOf(const regions::Region& region) {
    return QString::fromUtf8(region.id.data(), static_cast<qsizetype>(region.id.size()));
}

}  // namespace

class RegionTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<RecordingBox> boxes_;
    std::unique_ptr<Tarvindr> window_;

    QLineEdit* box(const char* name) const {
        return window_->findChild<QLineEdit*>(QString::fromLatin1(name));
    }
    QString label(const char* name) const {
        return window_->findChild<QLabel*>(QString::fromLatin1(name))->text();
    }
    QAction* item(const QString& id) const { return window_->findChild<QAction*>("MnuRegio_" + id); }
    void paste(const char* name, const QString& text) {
        box(name)->selectAll();
        if (text.isEmpty()) box(name)->del();
        box(name)->insert(text);
    }
    // The year box's mark: its tool tip, when the description and the colour agree with it.
    QString yearMark() const {
        QLineEdit* year = box("WelkJaar");
        const bool red = year->palette().color(QPalette::Text) !=
                         window_->centralWidget()->palette().color(QPalette::Text);
        QString tip = year->toolTip();
        if (red == tip.isEmpty() ||
            QAccessible::queryAccessibleInterface(year)->text(QAccessible::Description) != tip)
            return QStringLiteral("inconsistent mark");
        return tip;
    }
    QStringList checkedItems() const {
        QStringList checked;
        for (QAction* a : window_->findChild<QMenu*>("MnuRegio")->actions())
            if (a->isChecked()) checked << a->objectName();
        return checked;
    }

private slots:
    void init() {
        boxes_ = std::make_unique<RecordingBox>();
        window_ = std::make_unique<Tarvindr>(boxes_.get());
    }
    void cleanup() {
        QVERIFY(boxes_->shown.empty());
        window_.reset();
    }

    // One exclusive group, the default checked, the tool tips shown in the menu:
    // the two days of the switch and the source, or the rule of a fixed region.
    // clang-format off
    void itemsAndToolTips_data() {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("tip");
        QTest::newRow("default") << "zuidelijke-nederlanden"
            << "Juliaans tot en met 21/12/1582, Gregoriaans vanaf 1/1/1583\n"
               "de provincies aan de kant van de koning (sommige plaatsen 20/12 > 31/12/1582);\n"
               "voor Antwerpen, Brussel, Mechelen, Gent, Brugge en de andere steden aan de kant\n"
               "van de Staten-Generaal: de regio Staten-Generaal (staten-generaal)";
        QTest::newRow("long source, two lines") << "staten-generaal"
            << "Juliaans tot en met 14/12/1582, Gregoriaans vanaf 25/12/1582\n"
               "plakkaat van de hertog van Anjou, 10 december 1582 (Staten-Generaal, Zeeland,\n"
               "Brabantse en Vlaamse steden aan hun zijde)";
        QTest::newRow("no source") << "drenthe" << "Juliaans tot en met 30/4/1701, Gregoriaans vanaf 12/5/1701";
        QTest::newRow("Holland") << "holland"
            << "Juliaans tot en met 1/1/1583, Gregoriaans vanaf 12/1/1583\n"
               "tabel van de kalenderwijzigingen van het Huygens ING: op 1 januari 1583 volgde\n"
               "12 januari 1583";
        QTest::newRow("across a year") << "friesland-groningen"
            << "Juliaans tot en met 31/12/1700, Gregoriaans vanaf 12/1/1701\n"
               "de stad Groningen was van 1583 tot 1594 Gregoriaans; niet nagebootst";
        QTest::newRow("Julian") << "juliaans" << "Altijd Juliaans\nnooit overgegaan";
        QTest::newRow("Gregorian") << "gregoriaans"
            << "Altijd Gregoriaans (proleptisch)\n"
               "een model: de Gregoriaanse kalender en paasberekening toegepast op elk jaar, ook\n"
               "vóór 1582 (proleptisch); niet de dagen waarop de feesten gevierd werden (die\n"
               "geeft de kolom iso van elke regio, in ISO 8601)";
    }
    // clang-format on
    void itemsAndToolTips() {
        QFETCH(QString, id);
        QFETCH(QString, tip);
        auto* menu = window_->findChild<QMenu*>("MnuRegio");
        QVERIFY(menu->toolTipsVisible());
        QCOMPARE(item(id)->toolTip(), tip);
        QActionGroup* group = item(id)->actionGroup();
        QVERIFY(group && group->isExclusive());
        QCOMPARE(group->actions(), menu->actions());
        QCOMPARE(checkedItems(), QStringList{"MnuRegio_zuidelijke-nederlanden"});
    }

    // Regions chosen in turn over a year: the whole window follows at once.
    // clang-format off
    void choosingARegion_data() {
        QTest::addColumn<QStringList>("chosen");
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("finderDay");
        QTest::addColumn<QString>("finderMonth");
        QTest::addColumn<QStringList>("rows");  // title, calendar, rule, Gaul caption, Gaul, New Year, Easter, Christmas, finder
        QTest::addColumn<bool>("leap");
        QTest::newRow("Holland 1583") << QStringList{"holland"} << "1583" << "15" << "1" << QStringList{
            "Tarvinde Holland", "Overgangsjaar", "  Juliaans tot 1/1, daarna Gregoriaans",
            "Kalenderwijziging 1/1 > 12/1/1583", "10 dagen vervallen in januari", "dinsdag 1 januari 1583",
            "zondag 10 april 1583", "zondag 25 december 1583", "zaterdag 15 januari 1583"} << false;
        QTest::newRow("Friesland 1700") << QStringList{"friesland-groningen"} << "1700" << "11" << "11" << QStringList{
            "Tarvinde Friesland", "Juliaans", "  jaartal veelvoud van 4", "Pasen in Gallië", " idem Pasen Rome",
            "maandag 1 januari 1700", "zondag 31 maart 1700", "woensdag 25 december 1700",
            "maandag 11 november 1700"} << true;
        QTest::newRow("Friesland 1701, New Year skipped") << QStringList{"friesland-groningen"} << "1701" << "5" << "1"
            << QStringList{"Tarvinde Friesland", "Gregoriaans", "  jaartal veelvoud van 4 of 400, niet van 100.",
            "Kalenderwijziging 31/12/1700 > 12/1/1701", "11 dagen vervallen in januari",
            "woensdag 1 januari 1701 (? 12/1/1701)", "zondag 27 maart 1701", "zondag 25 december 1701",
            "zondag 5 januari 1701 (? 16/1/1701)"} << false;  // skipped: Julian 5/1 was Gregorian 16/1
        QTest::newRow("Holland 1700") << QStringList{"holland"} << "1700" << "11" << "11" << QStringList{
            "Tarvinde Holland", "Gregoriaans", "  jaartal veelvoud van 4 of 400, niet van 100.", "Pasen in Gallië",
            " idem Pasen Rome", "vrijdag 1 januari 1700", "zondag 11 april 1700", "zaterdag 25 december 1700",
            "donderdag 11 november 1700"} << false;
        QTest::newRow("Gelderland 1700, finder in the gap") << QStringList{"gelderland"} << "1700" << "1" << "7"
            << QStringList{"Tarvinde Gelderland", "Overgangsjaar", "  Juliaans tot 30/6, daarna Gregoriaans",
            "Kalenderwijziging 30/6 > 12/7/1700", "11 dagen vervallen in juli", "maandag 1 januari 1700",
            "zondag 31 maart 1700", "zaterdag 25 december 1700", "maandag 1 juli 1700 (? 12/7/1700)"} << true;
        QTest::newRow("always Julian 2000") << QStringList{"juliaans"} << "2000" << "11" << "11" << QStringList{
            "Tarvinde Juliaans", "Juliaans", "  jaartal veelvoud van 4", "Pasen in Gallië", " idem Pasen Rome",
            "vrijdag 1 januari 2000", "zondag 17 april 2000", "zondag 25 december 2000",
            "vrijdag 11 november 2000"} << true;
        QTest::newRow("always Gregorian 1000") << QStringList{"gregoriaans"} << "1000" << "11" << "11" << QStringList{
            "Tarvinde Gregoriaans", "Gregoriaans", "  jaartal veelvoud van 4 of 400, niet van 100.",
            "Pasen in Gallië", " idem Pasen Rome", "woensdag 1 januari 1000", "zondag 30 maart 1000",
            "donderdag 25 december 1000", "dinsdag 11 november 1000"} << false;
        QTest::newRow("back to the default, 1582") << QStringList{"holland", "zuidelijke-nederlanden"} << "1582"
            << "11" << "11" << QStringList{"Tarvinde Z. Nederlanden", "Juliaans", "  jaren veelvoud van 4",
            "Kalenderwijziging 20/12 > 31/12  of  21/12 > 1/1/1583", "10 dagen vervallen in december",
            "maandag 1 januari 1582", "zondag 15 april 1582", "dinsdag 25 december 1582 (? 4/1/1583)",
            "zondag 11 november 1582"} << false;
    }
    // clang-format on
    void choosingARegion() {
        QFETCH(QStringList, chosen);
        QFETCH(QString, year);
        QFETCH(QString, finderDay);
        QFETCH(QString, finderMonth);
        QFETCH(QStringList, rows);
        QFETCH(bool, leap);
        const auto shown = [this] {
            return QStringList{window_->windowTitle(),
                               box("TxtKalender")->text(),
                               label("Label3"),
                               label("lblPasenGallie"),
                               box("txtPasenGallie")->text(),
                               box("Nieuwjaar")->text().trimmed(),
                               box("Pasen")->text(),
                               box("Kerstmis")->text(),
                               box("TxtCorrecteWeekdag")->text().trimmed()};
        };
        // The year first, then the region; and the other way round on a new window.
        for (const bool regionFirst : {false, true}) {
            init();
            if (!regionFirst) paste("WelkJaar", year);
            for (const QString& id : chosen) item(id)->trigger();
            if (regionFirst) paste("WelkJaar", year);
            paste("TxtDag", finderDay);
            paste("TxtMaand", finderMonth);
            QCOMPARE(shown(), rows);
            QCOMPARE(window_->findChild<QCheckBox*>("Schrikkeljaar")->isChecked(), leap);
            QCOMPARE(checkedItems(), QStringList{"MnuRegio_" + chosen.last()});
            QCOMPARE(idOf(window_->region()), chosen.last());
        }
    }

    // From the keyboard: Alt+R opens the menu on its first item, two steps down
    // is Holland.
    void keyboardChoosesARegion() {
        window_->show();
        QApplication::setActiveWindow(window_.get());
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        paste("WelkJaar", "1583");
        auto* menu = window_->findChild<QMenu*>("MnuRegio");
        QTest::keyClick(window_.get(), Qt::Key_R, Qt::AltModifier);
        QTRY_VERIFY(menu->isVisible());
        QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Return);
        QTRY_VERIFY(!menu->isVisible());
        QCOMPARE(window_->windowTitle(), QStringLiteral("Tarvinde Holland"));
        QCOMPARE(box("Nieuwjaar")->text(), QStringLiteral("dinsdag 1 januari 1583"));
    }

    // A refused year text stays, with its mark naming the year the rows show in
    // the new region; an emptied box has none.
    void choosingWhileTheYearIsRefused() {
        paste("WelkJaar", "1583");
        paste("WelkJaar", "2101");
        QCOMPARE(yearMark(), QStringLiteral("Niet aanvaard: een jaartal van 100 tot 2100. Getoond: 1583"));
        item("holland")->trigger();
        QCOMPARE(box("WelkJaar")->text(), QStringLiteral("2101"));
        QCOMPARE(yearMark(), QStringLiteral("Niet aanvaard: een jaartal van 100 tot 2100. Getoond: 1583"));
        QCOMPARE(box("Nieuwjaar")->text(), QStringLiteral("dinsdag 1 januari 1583"));
        QCOMPARE(box("TxtKalender")->text(), QStringLiteral("Overgangsjaar"));

        paste("WelkJaar", "abc");
        item("luik")->trigger();
        QCOMPARE(yearMark(), QStringLiteral("Niet aanvaard: een jaartal van 100 tot 2100. Getoond: 1583"));
        QCOMPARE(label("lblPasenGallie"), QStringLiteral("Kalenderwijziging 10/2 > 21/2/1583"));
        QCOMPARE(box("txtPasenGallie")->text(), QStringLiteral("10 dagen vervallen in februari"));

        paste("WelkJaar", "");
        item("zuidelijke-nederlanden")->trigger();
        QCOMPARE(yearMark(), QString());
        QCOMPARE(box("Nieuwjaar")->text(), QStringLiteral("zaterdag 1 januari 1583"));
        QCOMPARE(window_->windowTitle(), QStringLiteral("Tarvinde Z. Nederlanden"));
    }

    // The feast window opens on the main window's year and region; a region
    // chosen there is its own.
    void feastWindowOpensOnTheRegion() {
        paste("WelkJaar", "1700");
        item("utrecht-overijssel")->trigger();
        window_->findChild<QAction*>("MnuFeestkalender")->trigger();
        auto* feast = window_->findChild<Feestkalender*>();
        QVERIFY(feast);
        QCOMPARE(feast->year(), 1700);
        QCOMPARE(idOf(feast->region()), QStringLiteral("utrecht-overijssel"));
        auto* regio = feast->findChild<QComboBox*>("Regio");
        QCOMPARE(regio->currentText(), QStringLiteral("Utrecht, Overijssel"));
        regio->setCurrentIndex(0);
        QCOMPARE(window_->windowTitle(), QStringLiteral("Tarvinde Utrecht"));
        QCOMPARE(checkedItems(), QStringList{"MnuRegio_utrecht-overijssel"});
    }
};

QTEST_MAIN(RegionTest)
#include "region_test.moc"
