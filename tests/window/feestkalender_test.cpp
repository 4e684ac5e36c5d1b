// The feast window, driven through its controls as a user would. Every date
// below was worked out by hand from Julian Day Numbers (weekday = JDN mod 7),
// not taken from the calculator.

#include <memory>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include "appearance.h"
#include "feasts.h"
#include "feestkalender.h"
#include "recording_box.h"
#include "tarvindr.h"
#include "year_style.h"

namespace {

int regionIndex(const QString& id) {
    const auto all = regions::all();
    for (std::size_t i = 0; i < all.size(); ++i)
        if (all[i].id == id.toStdString()) return static_cast<int>(i);
    qFatal("no region %s", qPrintable(id));
}

template <class T = QLineEdit>
T* find(QWidget* window, const char* name) {
    auto* widget = window->findChild<T*>(QString::fromLatin1(name));
    if (!widget) qFatal("no control %s", name);
    return widget;
}

// As a user does: select everything, delete it, type the new text key by key.
// A letter beyond ASCII comes as from a keyboard that has it: its key and its
// text (QTest::keyClicks takes ASCII only).
void type(QLineEdit* box, const QString& typed) {
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    for (const QChar c : typed) {
        if (c.unicode() < 0x80) {
            QTest::keyClicks(box, QString(c));
            continue;
        }
        const auto key = static_cast<Qt::Key>(c.toUpper().unicode());  // Qt::Key_Udiaeresis for "ü"
        QTest::sendKeyEvent(QTest::Press, box, key, QString(c), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, box, key, QString(c), Qt::NoModifier);
    }
}

void showActive(QWidget* window) {
    window->show();
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
}

// "caption<TAB>text" for two columns of each row of a view.
QStringList lines(const QAbstractItemModel* model, int second) {
    QStringList shown;
    for (int row = 0; row < model->rowCount(); ++row)
        shown << model->index(row, 0).data().toString() + '\t' + model->index(row, second).data().toString();
    return shown;
}

}  // namespace

class FeestkalenderTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Feestkalender> window_;

    template <class T = QLineEdit>
    T* find(const char* name) const {
        return ::find<T>(window_.get(), name);
    }
    void type(const char* name, const QString& typed) const { ::type(find(name), typed); }
    void setRegion(const QString& id) const { find<QComboBox>("Regio")->setCurrentIndex(regionIndex(id)); }
    QAbstractItemModel* rows() const { return find<QTableView>("Feesten")->model(); }
    QStringList shownRows() const { return lines(rows(), 2); }
    QString dateOf(const QString& feast) const {
        for (const QString& row : shownRows())
            if (row.startsWith(feast + '\t')) return row.mid(feast.size() + 1);
        return QStringLiteral("(not shown)");
    }
    void clickHeader(int section) const {
        QHeaderView* header = find<QTableView>("Feesten")->horizontalHeader();
        const int x = header->sectionViewportPosition(section) + header->sectionSize(section) / 2;
        QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier,
                          QPoint(x, header->height() / 2));
    }
    // Ctrl+C pressed in `focus`: what reached the clipboard.
    QString copied(QWidget* focus) const {
        QApplication::clipboard()->setText(QStringLiteral("(nothing copied)"));
        showActive(window_.get());
        focus->setFocus();
        QTest::keyClick(focus, Qt::Key_C, Qt::ControlModifier);
        return QApplication::clipboard()->text();
    }

private slots:
    void init() { window_ = std::make_unique<Feestkalender>(1450, regions::defaultRegion()); }
    void cleanup() { window_.reset(); }

    // The box beside the filter: all feasts, the saints' days of saints.tsv too
    // (in 1450 all but Joseph, Roch and the Transfiguration, kept later), each
    // with its note; the filter finds the places of the notes. Days by hand
    // (Julian): Pontian 14 January 1450 a Wednesday, Margaret 20 July a Monday.
    void allFeastsAndPlaces() {
        find<QComboBox>("Keuze")->setCurrentIndex(1);
        QCOMPARE(rows()->rowCount(), 288);
        QCOMPARE(rows()->headerData(3, Qt::Horizontal).toString(), QStringLiteral("Noot"));
        type("Filter", "utrecht");
        const QStringList shown = shownRows();
        const QStringList notes = lines(rows(), 3);
        QVERIFY2(shown.contains("Sint-Pontiaan\twoensdag 14 januari 1450"), qPrintable(shown.join('\n')));
        QVERIFY(notes.contains("Sint-Pontiaan\tUtrecht; ook 19/1 (Romeins martyrologium)"));
        QVERIFY(shown.contains("Sint-Margriet\tmaandag 20 juli 1450"));
        QVERIFY(notes.contains("Sint-Margriet\tRomeinse kalender, martyrologium; ook 13/7 (Utrecht)"));
        QVERIFY(std::any_of(notes.begin(), notes.end(),
                            [](const QString& r) { return r.startsWith("Sint-Plechelmus\tdag onzeker"); }));
        // The copy gives each row's note after its date.
        QVERIFY(window_->copyText().contains("Sint-Pontiaan\twoensdag 14 januari 1450 (Utrecht; ook 19/1"));
        // The year's refresh keeps the choice; back to the main feasts, none of Utrecht's.
        type("Jaar", "1451");
        QVERIFY(shownRows().size() >= 6);
        find<QComboBox>("Keuze")->setCurrentIndex(0);
        QCOMPARE(shownRows(), QStringList{});
    }

    void opensForTheYearAndRegionGiven() {
        QCOMPARE(window_->windowTitle(), QStringLiteral("Feestkalender Z. Nederlanden"));
        QCOMPARE(find("Jaar")->text(), QStringLiteral("1450"));
        QCOMPARE(find<QComboBox>("Regio")->currentText(), QStringLiteral("Zuidelijke Nederlanden"));
        QCOMPARE(find<QComboBox>("Regio")->count(), static_cast<int>(regions::all().size()));
        QStringList headers;
        for (int c = 0; c < 3; ++c) headers << rows()->headerData(c, Qt::Horizontal).toString();
        QCOMPARE(headers, (QStringList{"Naam", "Latijn", "Datum"}));
        QCOMPARE(rows()->rowCount(), 131);  // the main feasts: 1450 keeps them all
        QCOMPARE(find<QComboBox>("Keuze")->currentText(), QStringLiteral("Hoofdfeesten"));
        Feestkalender rome(1600, regions::all()[static_cast<std::size_t>(regionIndex("rome"))]);
        QCOMPARE(::find<QComboBox>(&rome, "Regio")->currentIndex(), regionIndex("rome"));
        QCOMPARE(rome.windowTitle(), QStringLiteral("Feestkalender Rome"));
        setRegion("holland");  // the title follows the Regio box
        QCOMPARE(window_->windowTitle(), QStringLiteral("Feestkalender Holland"));
        QStringList items;
        for (QAction* a : find<QMenu>("MnuBestand")->actions())
            items << (a->isSeparator() ? "-" : a->text() + ' ' + a->shortcut().toString());
        QCOMPARE(items, (QStringList{"&Kopiëren Ctrl+C", "Af&drukken… Ctrl+P", "Als &PDF opslaan… ", "-",
                                     "&Sluiten Ctrl+W"}));
    }

    // clang-format off
    void tableForYearAndRegion_data() {
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("region");
        QTest::addColumn<QString>("feast");
        QTest::addColumn<QString>("date");
        const QString zn = "zuidelijke-nederlanden";
        QTest::newRow("Julian fixed") << 1450 << zn << "Sint-Maarten" << "woensdag 11 november 1450";
        QTest::newRow("Julian Easter") << 1450 << zn << "Pasen" << "zondag 5 april 1450";
        QTest::newRow("Gregorian Easter") << 2000 << zn << "Pasen" << "zondag 23 april 2000";
        QTest::newRow("Advent on 3 December") << 2000 << zn << "Eerste zondag van de Advent" << "zondag 3 december 2000";
        QTest::newRow("skipped Christmas") << 1582 << zn << "Kerstmis" << "dinsdag 25 december 1582 (? 4/1/1583)";
        QTest::newRow("New Year's Eve in the gap") << 1582 << zn << "Oudjaarsavond" << "maandag 31 december 1582 (? 21/12/1582)";
        QTest::newRow("Rome, after its switch") << 1582 << "rome" << "Sint-Lucas" << "maandag 18 oktober 1582";
        QTest::newRow("Rome, before its switch") << 1582 << "rome" << "Sint-Remigius" << "maandag 1 oktober 1582";
        QTest::newRow("Holland, skipped") << 1583 << "holland" << "Driekoningen" << "zondag 6 januari 1583 (? 16/1/1583)";
        QTest::newRow("Britain, after its switch") << 1752 << "groot-brittannie" << "Sint-Matteüs" << "donderdag 21 september 1752";
        QTest::newRow("Visitation, first year") << 1389 << zn << "Onze-Lieve-Vrouw-Visitatie" << "vrijdag 2 juli 1389";
        QTest::newRow("Visitation, not yet kept") << 1388 << "staten-generaal" << "Onze-Lieve-Vrouw-Visitatie" << "(not shown)";
        QTest::newRow("Sint-Niklaas, not yet kept") << 1000 << zn << "Sint-Niklaas" << "(not shown)";
        QTest::newRow("main window's feast, every year") << 100 << zn << "Allerzielen" << "maandag 2 november 100";
    }
    // clang-format on
    void tableForYearAndRegion() {
        QFETCH(int, year);
        QFETCH(QString, region);
        QFETCH(QString, feast);
        QFETCH(QString, date);
        setRegion(region);
        type("Jaar", QString::number(year));
        QCOMPARE(dateOf(feast), date);
        // Calendar order: the proleptic Gregorian days (the tooltips) never go back.
        for (int row = 1; row < rows()->rowCount(); ++row)
            QVERIFY(rows()->index(row - 1, 2).data(Qt::ToolTipRole).toString() <=
                    rows()->index(row, 2).data(Qt::ToolTipRole).toString());
    }

    // The region chosen after the year, in the Regio box or from code: the table
    // is filled again for the year shown, and the box and the title follow.
    // clang-format off
    void regionAfterYear_data() {
        QTest::addColumn<bool>("fromCode");
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("region");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("feast");
        QTest::addColumn<QString>("before");  // in the Southern Netherlands
        QTest::addColumn<QString>("after");
        // 18 October 1582 Julian is 28 October Gregorian: the Friday 15 October plus 13 days.
        QTest::newRow("Rome, Regio box") << false << 1582 << "rome" << "Rome" << "Sint-Lucas"
            << "donderdag 18 oktober 1582" << "maandag 18 oktober 1582";
        QTest::newRow("Rome, from code") << true << 1582 << "rome" << "Rome" << "Sint-Lucas"
            << "donderdag 18 oktober 1582" << "maandag 18 oktober 1582";
        // Gregorian 1 January 1583 was the Saturday 78 days after Friday 15 October 1582.
        QTest::newRow("Holland, Regio box") << false << 1583 << "holland" << "Holland" << "Driekoningen"
            << "donderdag 6 januari 1583" << "zondag 6 januari 1583 (? 16/1/1583)";
    }
    // clang-format on
    void regionAfterYear() {
        QFETCH(bool, fromCode);
        QFETCH(int, year);
        QFETCH(QString, region);
        QFETCH(QString, title);
        QFETCH(QString, feast);
        QFETCH(QString, before);
        QFETCH(QString, after);
        type("Jaar", QString::number(year));
        QCOMPARE(dateOf(feast), before);
        if (fromCode)
            window_->chooseRegion(regions::all()[static_cast<std::size_t>(regionIndex(region))]);
        else
            setRegion(region);
        QCOMPARE(dateOf(feast), after);
        QCOMPARE(window_->year(), year);
        QCOMPARE(QString::fromStdString(std::string(window_->region().id)), region);
        QCOMPARE(find<QComboBox>("Regio")->currentIndex(), regionIndex(region));
        QCOMPARE(window_->windowTitle(), "Feestkalender " + title);
    }

    // Start text, the button or key, the box's text after, and the year shown.
    // clang-format off
    void yearBoxAndButtons_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("boxAfter");
        QTest::addColumn<int>("shown");
        QTest::newRow("Plus") << "1450" << "Plus" << "1451" << 1451;
        QTest::newRow("Min") << "1450" << "Min" << "1449" << 1449;
        QTest::newRow("Plus at 2100") << "2100" << "Plus" << "2100" << 2100;
        QTest::newRow("Min at 100") << "100" << "Min" << "100" << 100;
        QTest::newRow("Up key") << "1999" << "Up" << "2000" << 2000;
        QTest::newRow("Down key") << "2000" << "Down" << "1999" << 1999;
        QTest::newRow("Plus from a refused text") << "99" << "Plus" << "1451" << 1451;
        QTest::newRow("refused: too early") << "99" << "" << "99" << 1450;
        QTest::newRow("refused: letters") << "14x" << "" << "14x" << 1450;
        QTest::newRow("rounded") << "1582,4" << "" << "1582,4" << 1582;
    }
    // clang-format on
    void yearBoxAndButtons() {
        QFETCH(QString, start);
        QFETCH(QString, action);
        QFETCH(QString, boxAfter);
        QFETCH(int, shown);
        type("Jaar", start);
        if (action == "Plus" || action == "Min")
            QTest::mouseClick(find<QPushButton>(qPrintable(action)), Qt::LeftButton);
        if (action == "Up" || action == "Down")
            QTest::keyClick(find("Jaar"), action == "Up" ? Qt::Key_Up : Qt::Key_Down);
        QCOMPARE(find("Jaar")->text(), boxAfter);
        QCOMPARE(window_->year(), shown);
        QVERIFY2(dateOf("Nieuwjaar").endsWith(QStringLiteral(" 1 januari %1").arg(shown)),
                 qPrintable(dateOf("Nieuwjaar")));
    }

    // Typed key by key from 1450: "2101" passes through 210, which stays shown.
    // The mark goes with an accepted year or an empty box, as in the main window.
    void refusedYearIsMarked_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("backspaces");
        QTest::addColumn<int>("shown");
        QTest::addColumn<bool>("marked");
        QTest::newRow("after 2100") << "2101" << 0 << 210 << true;
        QTest::newRow("before 100") << "99" << 0 << 1450 << true;
        QTest::newRow("letters") << "14x" << 0 << 1450 << true;
        QTest::newRow("back to 210") << "2101" << 1 << 210 << false;
        QTest::newRow("back to 21") << "2101" << 2 << 210 << true;
        QTest::newRow("emptied") << "2101" << 4 << 210 << false;
        QTest::newRow("accepted") << "2100" << 0 << 2100 << false;
    }
    void refusedYearIsMarked() {
        QFETCH(QString, typed);
        QFETCH(int, backspaces);
        QFETCH(int, shown);
        QFETCH(bool, marked);
        type("Jaar", typed);
        for (int i = 0; i < backspaces; ++i) QTest::keyClick(find("Jaar"), Qt::Key_Backspace);
        QCOMPARE(window_->year(), shown);
        const QString note =
            marked ? QStringLiteral("Niet aanvaard: een jaartal van 100 tot 2100. Getoond: %1").arg(shown)
                   : QString();
        QCOMPARE(find("Jaar")->toolTip(), note);
        QCOMPARE(find("Jaar")->accessibleDescription(), note);
        QCOMPARE(find("Jaar")->palette().color(QPalette::Text) == appearance::refusedTextColour(), marked);
    }

    // clang-format off
    void filterIgnoresCaseHyphensAndDiacritics_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("no diaeresis") << "matteus" << QStringList{"Sint-Matteüs"};
        QTest::newRow("diaeresis") << "Matteüs" << QStringList{"Sint-Matteüs"};
        QTest::newRow("diaeresis, capitals") << "SINT-MATTEÜS" << QStringList{"Sint-Matteüs"};
        QTest::newRow("alias") << "bamis" << QStringList{"Sint-Bavo"};
        QTest::newRow("Latin") << "MARTINI" << QStringList{"Sint-Maarten in de zomer", "Sint-Maarten"};
        QTest::newRow("blank for hyphen") << "sint jan" << QStringList{"Sint-Jan", "Onthoofding van Sint-Jan", "Sint-Jan Evangelist"};
        QTest::newRow("nothing") << "xyzzy" << QStringList{};
    }
    // clang-format on
    void filterIgnoresCaseHyphensAndDiacritics() {
        QFETCH(QString, typed);
        QFETCH(QStringList, names);
        const int all = rows()->rowCount();
        type("Filter", typed);
        QStringList shown;
        for (const QString& row : shownRows()) shown << row.section('\t', 0, 0);
        QCOMPARE(shown, names);
        type("Filter", "");
        QCOMPARE(rows()->rowCount(), all);
    }

    // A click on Naam sorts by name (diacritics and hyphens ignored), a second
    // reverses it, a third gives back the calendar order. Copy takes the visible
    // rows in the order shown; a box with a selection copies only that.
    void sortingAndCopy() {
        type("Filter", "sint-jan");
        const QString jan = "Sint-Jan\twoensdag 24 juni 1450";
        const QString onthoofding = "Onthoofding van Sint-Jan\tzaterdag 29 augustus 1450";
        const QString evangelist = "Sint-Jan Evangelist\tzondag 27 december 1450";
        QCOMPARE(shownRows(), (QStringList{jan, onthoofding, evangelist}));
        clickHeader(0);
        QCOMPARE(shownRows(), (QStringList{onthoofding, jan, evangelist}));
        // The year, its region and its computus come first (1450 worked out in computus()).
        const QString year =
            "Jaar\t1450\nRegio\tZuidelijke Nederlanden\nKalender\tJuliaans\nGulden getal\t7\nEpacta\t6\n"
            "Zondagsletter\tD\nConcurrent\t3\nZonnecirkel\t3\nIndictie\t13\nIndictie vanaf september\t14\n"
            "Paastafel\t15\nPaasgrens\tmaandag 30 maart 1450\nPasen\tzondag 5 april 1450\n";
        QCOMPARE(copied(find<QTableView>("Feesten")),
                 year + onthoofding + '\n' + jan + '\n' + evangelist + '\n');
        QCOMPARE(copied(find("Filter")), year + onthoofding + '\n' + jan + '\n' + evangelist + '\n');
        find("Filter")->setSelection(0, 4);
        QTest::keyClick(find("Filter"), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("sint"));
        clickHeader(0);
        QCOMPARE(shownRows(), (QStringList{evangelist, jan, onthoofding}));
        clickHeader(0);
        QCOMPARE(shownRows(), (QStringList{jan, onthoofding, evangelist}));

        type("Filter", "");
        clickHeader(0);
        const auto folded =
            [](const QString& row) {  // by Unicode decomposition, not the calculator's folding
                QString out;
                for (const QChar c : row.section('\t', 0, 0).normalized(QString::NormalizationForm_D))
                    if (c.isLetterOrNumber()) out += c.toLower();
                return out;
            };
        const QStringList sorted = shownRows();
        for (int row = 1; row < sorted.size(); ++row)
            QVERIFY2(folded(sorted[row - 1]) <= folded(sorted[row]), qPrintable(sorted[row]));
    }

    // clang-format off
    void datingAnswersAsOneTypes_data() {
        QTest::addColumn<QString>("region");
        QTest::addColumn<QString>("expression");
        QTest::addColumn<QString>("answer");
        const QString zn = "zuidelijke-nederlanden";
        // Each day with the calendar it is written in: Julian here to 21 December
        // 1582, Rome Gregorian from 15 October 1582, Holland from 1 January 1583.
        const QString julian = "\n  kalender: Juliaans";
        const QString gregorian = "\n  kalender: Gregoriaans";
        QTest::newRow("weekday after") << zn << "dinsdag na Sint-Maarten 1450" << "dinsdag 17 november 1450" + julian;
        QTest::newRow("alias") << zn << "Bamis 1450" << "donderdag 1 oktober 1450" + julian + "\n  gelezen als: Sint-Bavo 1450";
        QTest::newRow("Sunday after Easter") << zn << "zondag na Pasen 2000" << "zondag 30 april 2000" + gregorian;
        // The year is the year of the day named: the octave of Sint-Stefanus 1499 fell in 1500.
        QTest::newRow("octave across New Year") << zn << "octaaf van Sint-Stefanus 1500" << "donderdag 2 januari 1500" + julian;
        QTest::newRow("Advent by its name") << zn << "Eerste zondag van de Advent 2000" << "zondag 3 december 2000" + gregorian;
        QTest::newRow("Rome: Gregorian in 1582") << "rome" << "Sint-Lucas 1582" << "maandag 18 oktober 1582" + gregorian;
        // The note is shown whole on one line, and copied as the calculator gives it.
        QTest::newRow("Holland: skipped") << "holland" << "Driekoningen 1583" << "zondag 6 januari 1583 (?\u00a016/1/1583)" + gregorian;
    }
    // clang-format on
    void datingAnswersAsOneTypes() {
        QFETCH(QString, region);
        QFETCH(QString, expression);
        QFETCH(QString, answer);
        QLineEdit* box = find("Uitdrukking");
        auto* shown = find<QLabel>("Antwoord");
        QCOMPARE(shown->text(), QString());
        const qsizetype yearAt = expression.lastIndexOf(' ');
        QTest::keyClicks(box, expression.left(yearAt));  // no year yet: why not, and nothing to copy
        QVERIFY(!shown->text().isEmpty() && shown->text() != answer);
        QCOMPARE(copied(box), QStringLiteral("(nothing copied)"));
        QTest::keyClicks(box, expression.mid(yearAt));
        setRegion(region);  // the answer follows the region
        QCOMPARE(shown->text(), answer);
        // The copy: the clause and its day, then what it was read as, tab-separated.
        QString copy = expression + '\t' + QString(answer).replace(QChar::Nbsp, ' ') + '\n';
        copy.replace(QStringLiteral("\n  gelezen als: "), QStringLiteral("\ngelezen als\t"));
        copy.replace(QStringLiteral("\n  kalender: "), QStringLiteral("\nkalender\t"));
        QCOMPARE(copied(box), copy);
        ::type(box, "");
        QCOMPARE(shown->text(), QString());
    }

    // clang-format off
    void feastsAroundADate_data() {
        QTest::addColumn<QStringList>("date");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("listed");
        QTest::newRow("Sint-Maarten 1450") << QStringList{"11", "11", "1450"} << "woensdag 11 november 1450"
            << QStringList{"op\tSint-Maarten 1450", "vooravond\tvooravond van Sint-Lebuinus 1450",
                           "vooravond\tvooravond van Sint-Lieven 1450", "na\twoensdag na Sint-Willibrord 1450",
                           "na\twoensdag na Sint-Winoks 1450"};
        QTest::newRow("across New Year") << QStringList{"2", "1", "1500"} << "donderdag 2 januari 1500"
            << QStringList{"na\tdonderdag na Nieuwjaar 1500", "na\tdonderdag na Oudjaarsavond 1500",
                           "voor\tdonderdag voor Sint-Veerle 1500", "voor\tdonderdag voor Driekoningen 1500",
                           "na\tdonderdag na Onnozele Kinderen 1500", "na\tdonderdag na Sint-Jan Evangelist 1500",
                           "voor\tdonderdag voor Sint-Goedele 1500", "octaaf\toctaaf van Sint-Stefanus 1500"};
        QTest::newRow("31 February: why not") << QStringList{"31", "2", "1450"} << "*" << QStringList{};
        QTest::newRow("a fraction") << QStringList{"2.5", "1", "1500"} << "Dag, maand en jaar zijn hele getallen."
                                    << QStringList{};
        QTest::newRow("an empty box waits") << QStringList{"", "1", "1500"} << "" << QStringList{};
    }
    // clang-format on
    void feastsAroundADate() {
        QFETCH(QStringList, date);
        QFETCH(QString, text);
        QFETCH(QStringList, listed);
        type("DatumDag", date[0]);
        type("DatumMaand", date[1]);
        type("DatumJaar", date[2]);
        auto* around = find<QTableWidget>("Rond");
        QCOMPARE(lines(around->model(), 1), listed);
        if (text == "*")  // any reason why not
            QVERIFY(!find<QLabel>("DatumTekst")->text().isEmpty());
        else
            QCOMPARE(find<QLabel>("DatumTekst")->text(), text);
        const QString copy = "Datum\t" + text + '\n' + listed.join('\n') + '\n';
        QCOMPARE(copied(around), listed.isEmpty() ? QStringLiteral("(nothing copied)") : copy);
    }

    // clang-format off
    void yearStyleRow_data() {
        QTest::addColumn<QString>("style");
        QTest::addColumn<QStringList>("date");
        QTest::addColumn<QStringList>("modern");
        QTest::newRow("Annunciation: the next year") << "boodschap" << QStringList{"30", "1", "1544"} << QStringList{"vrijdag 30 januari 1545"};
        QTest::newRow("Christmas: the year before") << "kerst" << QStringList{"25", "12", "1451"} << QStringList{"vrijdag 25 december 1450"};
        QTest::newRow("Easter: twice") << "pasen" << QStringList{"10", "4", "1491"}
                                       << QStringList{"zondag 10 april 1491", "dinsdag 10 april 1492"};
        QTest::newRow("Easter: not at all") << "pasen" << QStringList{"10", "4", "1492"} << QStringList{};
        QTest::newRow("skipped, with a note") << "nieuwjaar" << QStringList{"25", "12", "1582"} << QStringList{"dinsdag 25 december 1582 (?\u00a04/1/1583)"};
        // Easter 2100 is 28 March: the reading in 2101 is dropped, the date answered.
        QTest::newRow("Easter 2100, 2101 dropped") << "pasen" << QStringList{"28", "3", "2100"} << QStringList{"zondag 28 maart 2100"};
    }
    // clang-format on
    void yearStyleRow() {
        QFETCH(QString, style);
        QFETCH(QStringList, date);
        QFETCH(QStringList, modern);
        auto* box = find<QComboBox>("Stijl");
        const auto styles = year_style::styles();
        for (std::size_t i = 0; i < styles.size(); ++i)
            if (styles[i].id == style.toStdString()) box->setCurrentIndex(static_cast<int>(i));
        QVERIFY(box->currentIndex() >= 0);
        QCOMPARE(styles[static_cast<std::size_t>(box->currentIndex())].id, style.toStdString());
        type("StijlDag", date[0]);
        type("StijlMaand", date[1]);
        QTest::keyClicks(find("StijlJaar"), date[2]);  // answered as the year is typed
        auto* shown = find<QLabel>("Modern");
        if (modern.isEmpty()) {  // why not, on one line, and nothing to copy
            QVERIFY(!shown->text().isEmpty() && !shown->text().contains('\n'));
            QCOMPARE(copied(find("StijlJaar")), QStringLiteral("(nothing copied)"));
            return;
        }
        QCOMPARE(shown->text(), modern.join('\n'));  // one above the other
        QString copy;
        for (QString m : modern)
            copy += date.join('/') + ' ' + box->currentText() + '\t' + m.replace(QChar::Nbsp, ' ') + '\n';
        QCOMPARE(copied(find("StijlJaar")), copy);
        QTest::keyClick(find("StijlJaar"), Qt::Key_Backspace);  // asked again at once
        QVERIFY(shown->text() != modern.join('\n'));
    }

    // A clause in a year style: every day it names, each with its reading when
    // that is not the clause as typed. Dates by hand: Easter 1450 fell on
    // 5 April, 1451 on 25 April, 1452 on 9 April, so the Easter year 1450 holds
    // two Sint-Joris (23 April) and 1451 none; 1 January 1450 was a Thursday
    // (JDN 2250671), 1 January 1451 a Friday, 1 January 1447 a Sunday, as was
    // Christmas 1446, and Christmas 1447 a Monday; New Year's Eve 1499 was a
    // Tuesday.
    // clang-format off
    void clauseInAYearStyle_data() {
        QTest::addColumn<QString>("style");
        QTest::addColumn<QString>("clause");
        QTest::addColumn<QStringList>("answer");  // the answer's lines; none: refused
        QTest::addColumn<QString>("copy");
        QTest::newRow("Easter: two readings") << "pasen" << "Sint-Joris 1450"
            << QStringList{"donderdag 23 april 1450", "vrijdag 23 april 1451", "  gelezen als: Sint-Joris 1451"}
            << "Sint-Joris 1450 (Paasstijl)\tdonderdag 23 april 1450\nSint-Joris 1450 (Paasstijl)\tvrijdag 23 april 1451\n"
               "gelezen als\tSint-Joris 1451\n";
        QTest::newRow("Easter: not at all") << "pasen" << "Sint-Joris 1451" << QStringList{} << "";
        QTest::newRow("Christmas: the year before") << "kerst" << "Sint-Stefanus 1450"
            << QStringList{"vrijdag 26 december 1449", "  gelezen als: Sint-Stefanus 1449"}
            << "Sint-Stefanus 1450 (Kerststijl)\tvrijdag 26 december 1449\ngelezen als\tSint-Stefanus 1449\n";
        QTest::newRow("Annunciation: the year after") << "boodschap" << "Lichtmis 1450"
            << QStringList{"dinsdag 2 februari 1451", "  gelezen als: Lichtmis 1451"}
            << "Lichtmis 1450 (Boodschapstijl)\tdinsdag 2 februari 1451\ngelezen als\tLichtmis 1451\n";
        QTest::newRow("from 1 January") << "nieuwjaar" << "Sint-Stefanus 1450"
            << QStringList{"zaterdag 26 december 1450"} << "Sint-Stefanus 1450\tzaterdag 26 december 1450\n";
        QTest::newRow("the year of the day named") << "nieuwjaar" << "maandag na Oudjaarsavond 1500"
            << QStringList{"maandag 6 januari 1500"} << "maandag na Oudjaarsavond 1500\tmaandag 6 januari 1500\n";
        QTest::newRow("two days in one year") << "nieuwjaar" << "zondag na Kerstmis 1447"
            << QStringList{"zondag 1 januari 1447", "zondag 31 december 1447"}
            << "zondag na Kerstmis 1447\tzondag 1 januari 1447\nzondag na Kerstmis 1447\tzondag 31 december 1447\n";
        QTest::newRow("as typed, case and blanks aside") << "nieuwjaar" << "DINSDAG  NA  SINT-MAARTEN 1450"
            << QStringList{"dinsdag 17 november 1450"} << "DINSDAG  NA  SINT-MAARTEN 1450\tdinsdag 17 november 1450\n";
        // No century box: a year below 100 is refused.
        QTest::newRow("a year below 100") << "nieuwjaar" << "Sint-Maarten 50" << QStringList{} << "";
    }
    // clang-format on
    void clauseInAYearStyle() {
        QFETCH(QString, style);
        QFETCH(QString, clause);
        QFETCH(QStringList, answer);
        QFETCH(QString, copy);
        answer = julianLines(answer);
        copy = julianCopy(copy);
        auto* box = find<QComboBox>("UitdrukkingStijl");
        const auto styles = year_style::styles();
        QCOMPARE(box->count(), static_cast<int>(styles.size()));
        QCOMPARE(box->currentText(), QStringLiteral("Nieuwjaarsstijl"));  // from 1 January unless chosen
        type("Uitdrukking", clause);
        auto* shown = find<QLabel>("Antwoord");
        const QString fromJanuary = shown->text();
        for (std::size_t i = 0; i < styles.size(); ++i)
            if (styles[i].id == style.toStdString()) box->setCurrentIndex(static_cast<int>(i));
        QCOMPARE(styles[static_cast<std::size_t>(box->currentIndex())].id, style.toStdString());
        if (answer.isEmpty()) {  // why not, in the error colour, and nothing to copy
            QVERIFY(!shown->text().isEmpty());
            QCOMPARE(shown->palette().color(QPalette::WindowText), appearance::refusedTextColour());
            QCOMPARE(copied(find("Uitdrukking")), QStringLiteral("(nothing copied)"));
            return;
        }
        QCOMPARE(shown->text(), answer.join('\n'));  // answered again when the style changes
        QVERIFY(shown->palette().color(QPalette::WindowText) != appearance::refusedTextColour());
        QCOMPARE(copied(find("Uitdrukking")), copy);
        QCOMPARE(copied(box), copy);
        if (box->currentIndex() != 0) {  // back to 1 January: the first answer again
            box->setCurrentIndex(0);
            QCOMPARE(shown->text(), fromJanuary);
        }
    }

    // The Jaarstijl panel answers in the region chosen, also when the region changes
    // after the date is typed. By hand: 1/1/1583 was kept in the Southern Netherlands
    // as the Gregorian day, a Saturday (Julian day 2299239); in Holland it was still
    // Julian, the last Julian day there, a Tuesday (Julian day 2299249).
    void yearStyleFollowsTheRegion() {
        auto* box = find<QComboBox>("Stijl");
        const auto styles = year_style::styles();
        for (std::size_t i = 0; i < styles.size(); ++i)
            if (styles[i].id == "nieuwjaar") box->setCurrentIndex(static_cast<int>(i));
        type("StijlDag", "1");
        type("StijlMaand", "1");
        type("StijlJaar", "1583");
        auto* shown = find<QLabel>("Modern");
        QCOMPARE(shown->text(), QStringLiteral("zaterdag 1 januari 1583"));
        for (const auto& [region, text] : {std::pair{"holland", "dinsdag 1 januari 1583"},
                                           std::pair{"zuidelijke-nederlanden", "zaterdag 1 januari 1583"},
                                           std::pair{"holland", "dinsdag 1 januari 1583"}}) {
            setRegion(QString::fromLatin1(region));
            QCOMPARE(shown->text(), QString::fromLatin1(text));
        }
    }

    // Lines that only the clause reader gives: plain dates, a reading in the
    // modern grammar and the words it skipped. Dates by hand: Easter 1491 fell
    // on 3 April, 1492 on 22 April, so the Easter year 1491 holds 10 April twice
    // (Tuesday 10 April 1492 is 366 days after Sunday 10 April 1491) and 1492
    // none; 1 January 1390 was a Saturday, so Sint-Bavo (1 October, day 274)
    // too; 11 August 1450 is day 223 of a
    // year that began on a Thursday; Sint-Maarten 1450 was a Wednesday.
    // Every day of these tables lies before the region's switch (21 December
    // 1582): each is named Julian, under its line and after it in the copy.
    static QStringList julianLines(const QStringList& answer) {
        QStringList lines;
        for (const QString& line : answer) {
            lines << line;
            if (!line.startsWith(QStringLiteral("  "))) lines << QStringLiteral("  kalender: Juliaans");
        }
        return lines;
    }
    static QString julianCopy(const QString& copy) {
        QString lines;
        for (const QString& line : copy.split('\n', Qt::SkipEmptyParts)) {
            lines += line + '\n';
            if (!line.startsWith(QStringLiteral("gelezen als\t")) &&
                !line.startsWith(QStringLiteral("overgeslagen\t")))
                lines += QStringLiteral("kalender\tJuliaans\n");
        }
        return lines;
    }

    // clang-format off
    void clauseReadingLines_data() {
        QTest::addColumn<QString>("style");
        QTest::addColumn<QString>("clause");
        QTest::addColumn<QStringList>("answer");
        QTest::addColumn<QString>("copy");
        QTest::newRow("Easter: two readings") << "pasen" << "10 april 1491"
            << QStringList{"zondag 10 april 1491", "dinsdag 10 april 1492", "  gelezen als: 10 april 1492"}
            << "10 april 1491 (Paasstijl)\tzondag 10 april 1491\n10 april 1491 (Paasstijl)\tdinsdag 10 april 1492\n"
               "gelezen als\t10 april 1492\n";
        QTest::newRow("Easter: not at all") << "pasen" << "10 april 1492" << QStringList{} << "";
        QTest::newRow("Middle Dutch genitive") << "nieuwjaar" << "des dinsdags na Sint-Bavo 1390"
            << QStringList{"dinsdag 4 oktober 1390", "  gelezen als: dinsdag na Sint-Bavo 1390"}
            << "des dinsdags na Sint-Bavo 1390\tdinsdag 4 oktober 1390\ngelezen als\tdinsdag na Sint-Bavo 1390\n";
        QTest::newRow("a place skipped") << "nieuwjaar" << "Datum in die Haghe Sint-Maarten 1450"
            << QStringList{"woensdag 11 november 1450", "  gelezen als: Sint-Maarten 1450", "  overgeslagen: Datum in die Haghe"}
            << "Datum in die Haghe Sint-Maarten 1450\twoensdag 11 november 1450\ngelezen als\tSint-Maarten 1450\n"
               "overgeslagen\tDatum in die Haghe\n";
        QTest::newRow("Latin, a plain date") << "nieuwjaar" << "in crastino beati Laurentii 1450"
            << QStringList{"dinsdag 11 augustus 1450", "  gelezen als: 11 augustus 1450"}
            << "in crastino beati Laurentii 1450\tdinsdag 11 augustus 1450\ngelezen als\t11 augustus 1450\n";
    }
    // clang-format on
    void clauseReadingLines() {
        QFETCH(QString, style);
        QFETCH(QString, clause);
        QFETCH(QStringList, answer);
        QFETCH(QString, copy);
        const auto styles = year_style::styles();
        for (std::size_t i = 0; i < styles.size(); ++i)
            if (styles[i].id == style.toStdString())
                find<QComboBox>("UitdrukkingStijl")->setCurrentIndex(static_cast<int>(i));
        type("Uitdrukking", clause);
        auto* shown = find<QLabel>("Antwoord");
        if (answer.isEmpty()) {
            QCOMPARE(shown->palette().color(QPalette::WindowText), appearance::refusedTextColour());
            return;
        }
        answer = julianLines(answer);
        copy = julianCopy(copy);
        QCOMPARE(shown->text(), answer.join('\n'));
        QCOMPARE(copied(find("Uitdrukking")), copy);
    }

    // The computus of the window's year in its region, as the handbooks give
    // it, worked out by hand. 1450 (Julian): 1450 mod 19 = 6, golden number 7;
    // epact 11 x 6 mod 30 = 6; 1 January a Thursday, Sunday 4 January: D;
    // 24 March (day 83) a Tuesday: concurrent 3; 1459 mod 28 = 3; 1453 mod 15
    // = 13; the Paschal full moon of golden number 7 is 30 March, a Monday, so
    // Easter is 5 April, number 15 from 22 March. 2000 (Gregorian): golden
    // number 6, epact 24; 1 January a Saturday, Sunday 2 January: B, then A
    // after the leap day; 24 March a Friday: 6; 2009 mod 28 = 21; 2003 mod 15
    // = 8; full moon 18 April (golden number 6 from 1900 to 2199), a Tuesday,
    // Easter 23 April, number 33. 2000 Julian: epact 11 x 5 mod 30 = 25;
    // 1 January Julian is 14 January Gregorian, a Friday, Sunday 3 January: C,
    // then B; 24 March a Thursday: 5; the full moon of golden number 6 is
    // 10 April, itself a Sunday, so Easter is 17 April, number 27.
    // clang-format off
    void computus_data() {
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("region");
        QTest::addColumn<QStringList>("values");  // control=text
        const QString zn = "zuidelijke-nederlanden";
        QTest::newRow("1450") << 1450 << zn << QStringList{
            "RekKalender=Juliaans", "RekGuldenGetal=7", "RekEpacta=6", "RekZondagsletter=D", "RekConcurrent=3",
            "RekZonnecirkel=3", "RekIndictie=13 / 14", "RekPaastafel=15", "RekPaasgrens=maandag 30 maart 1450",
            "RekPasen=zondag 5 april 1450"};
        QTest::newRow("2000") << 2000 << zn << QStringList{
            "RekKalender=Gregoriaans", "RekGuldenGetal=6", "RekEpacta=24", "RekZondagsletter=BA", "RekConcurrent=6",
            "RekZonnecirkel=21", "RekIndictie=8 / 9", "RekPaastafel=33", "RekPaasgrens=dinsdag 18 april 2000",
            "RekPasen=zondag 23 april 2000"};
        QTest::newRow("2000, always Julian") << 2000 << "juliaans" << QStringList{
            "RekKalender=Juliaans", "RekGuldenGetal=6", "RekEpacta=25", "RekZondagsletter=CB", "RekConcurrent=5",
            "RekZonnecirkel=21", "RekIndictie=8 / 9", "RekPaastafel=27", "RekPaasgrens=zondag 10 april 2000",
            "RekPasen=zondag 17 april 2000"};
    }
    // clang-format on
    void computus() {
        QFETCH(int, year);
        QFETCH(QString, region);
        QFETCH(QStringList, values);
        type("Jaar", QString::number(year));  // the year first, then the region
        setRegion(region);
        QCOMPARE(find<QGroupBox>("PanelTijdrekening")->title(),
                 QStringLiteral("Tijdrekening van %1").arg(year));
        QString copy;
        for (const QString& value : values) {
            const QString control = value.section('=', 0, 0);
            QCOMPARE(find<QLabel>(qPrintable(control))->text(), value.section('=', 1));
            QVERIFY(!find<QLabel>(qPrintable("lbl" + control))->text().isEmpty());  // with its caption
        }
        // The copy names each value, the two indictions apart.
        const QString copied = this->copied(find<QTableView>("Feesten"));
        const QString indiction = values.filter("RekIndictie=").first().section('=', 1);
        QVERIFY2(copied.startsWith(QStringLiteral("Jaar\t%1\nRegio\t").arg(year)), qPrintable(copied));
        QVERIFY(copied.contains("\nIndictie\t" + indiction.section(" / ", 0, 0) +
                                "\nIndictie vanaf september\t" + indiction.section(" / ", 1) + '\n'));
        QVERIFY(copied.contains("\nPasen\t" + values.last().section('=', 1) + '\n'));
        QVERIFY(copied.contains("\nEpacta\t" + values.filter("RekEpacta=").first().section('=', 1) + '\n'));
        // A step of the year box follows at once.
        QTest::mouseClick(find<QPushButton>("Plus"), Qt::LeftButton);
        QCOMPARE(find<QGroupBox>("PanelTijdrekening")->title(),
                 QStringLiteral("Tijdrekening van %1").arg(year + 1));
        QVERIFY(find<QLabel>("RekPasen")->text() != values.last().section('=', 1));
    }

    // Every value of the computus lies whole in its label, in every region, in
    // the years of the switches (with their notes) and around them.
    void computusFits() {
        showActive(window_.get());
        for (const int year : {100, 1450, 1582, 1583, 1700, 1701, 1752, 1753, 2000, 2100}) {
            type("Jaar", QString::number(year));
            for (const regions::Region& r : regions::all()) {
                window_->chooseRegion(r);
                QApplication::processEvents();  // laid out again for the new texts
                for (QLabel* value : find<QGroupBox>("PanelTijdrekening")->findChildren<QLabel*>()) {
                    if (value->text().isEmpty()) continue;
                    const int room = value->contentsRect().width();
                    QVERIFY2(
                        value->fontMetrics().horizontalAdvance(value->text()) <= room,
                        qPrintable(QStringLiteral("%1 %2: %3").arg(year).arg(r.id.data(), value->text())));
                }
            }
        }
    }

    // Each answer turns from why there is none, in the error colour, to an
    // answer, bold in the colour the rest of the window's text has.
    // clang-format off
    void errorsInTheErrorColour_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QStringList>("refused");   // box=text, typed in turn
        QTest::addColumn<QStringList>("accepted");
        QTest::newRow("expression") << "Antwoord" << QStringList{"Uitdrukking=zondag na"} << QStringList{"Uitdrukking=Bamis 1450"};
        QTest::newRow("clause: a year below 100") << "Antwoord" << QStringList{"Uitdrukking=Bamis 50"} << QStringList{"Uitdrukking=Bamis 1450"};
        QTest::newRow("feast not yet kept") << "Antwoord" << QStringList{"Uitdrukking=zondag na Maria-Visitatie 1380"}
                                            << QStringList{"Uitdrukking=zondag na Maria-Visitatie 1389"};
        QTest::newRow("date: a fraction") << "DatumTekst" << QStringList{"DatumDag=2.5"} << QStringList{"DatumDag=12"};
        QTest::newRow("date: 31 February") << "DatumTekst" << QStringList{"DatumMaand=2", "DatumDag=31"} << QStringList{"DatumDag=28"};
        QTest::newRow("year style") << "Modern" << QStringList{"StijlDag=10", "StijlMaand=4", "StijlJaar=14x"} << QStringList{"StijlJaar=1450"};
    }
    // clang-format on
    void errorsInTheErrorColour() {
        QFETCH(QString, answer);
        QFETCH(QStringList, refused);
        QFETCH(QStringList, accepted);
        auto* label = find<QLabel>(qPrintable(answer));
        const QColor text = label->parentWidget()->palette().color(QPalette::WindowText);
        QVERIFY(text != appearance::refusedTextColour());
        for (const bool error : {true, false}) {
            for (const QString& typed : error ? refused : accepted)
                type(qPrintable(typed.section('=', 0, 0)), typed.section('=', 1));
            QVERIFY(!label->text().isEmpty());
            QCOMPARE(label->palette().color(QPalette::WindowText),
                     error ? appearance::refusedTextColour() : text);
            QVERIFY(label->font().bold());
        }
    }

    // Nothing typed anywhere brings the window down or shows a box.
    void oddInputIsAnsweredOrIgnored() {
        const char* odd[] = {"",
                             " ",
                             "-",
                             "0",
                             "-7",
                             "1e9",
                             "99999999999",
                             "2147483648",
                             "1.5",
                             "٣",
                             "Sint-",
                             "zondag na",
                             "5e zondag na Pasen 2100",
                             "octaaf van Oudjaarsavond 2101"};
        for (const char* box : {"Jaar", "Filter", "Uitdrukking", "DatumDag", "DatumMaand", "DatumJaar",
                                "StijlDag", "StijlMaand", "StijlJaar"})
            for (const char* text : odd) find(box)->setText(QString::fromUtf8(text));
        QCOMPARE(window_->year(), 1450);
        QVERIFY(
            !find<QLabel>("Antwoord")->text().isEmpty());  // the last expression ends after 2100: told why
    }

    // clang-format off
    void pdfHoldsTheVisibleRows_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<bool>("throughPrinter");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<int>("pages");
        const QStringList jan{"Onthoofding van Sint-Jan", "zaterdag 29 augustus 1450", "zondag 27 december 1450"};
        QTest::newRow("filtered, saved") << "sint-jan" << false << jan << 1;
        QTest::newRow("filtered, printed") << "sint-jan" << true << jan << 1;
        // Every feast: the rows go on to further pages, none lost at the foot of one.
        QTest::newRow("all, saved") << "" << false << QStringList{"donderdag 31 december 1450"} << 2;
    }
    // clang-format on
    void pdfHoldsTheVisibleRows() {
        QFETCH(QString, filter);
        QFETCH(bool, throughPrinter);
        QFETCH(QStringList, shown);
        QFETCH(int, pages);
        type("Filter", filter);
        QTemporaryDir dir;
        const QString file = dir.filePath("feesten.pdf");
        if (throughPrinter) {
            QPrinter printer;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(file);
            QVERIFY(window_->printPage(printer));
        } else {
            QVERIFY(window_->savePdf(file));
        }
        QFile pdf(file);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QCOMPARE(pdf.read(4), QByteArray("%PDF"));
        QProcess text;
        text.start("pdftotext", {"-layout", file, "-"});
        QVERIFY(text.waitForFinished());
        const QString page = QString::fromUtf8(text.readAllStandardOutput());
        shown << "Feestkalender 1450"
              << "Juliaans tot en met 21/12/1582"
              << "Gulden getal"
              << "maandag 30 maart 1450";  // the year's computus, before the feasts
        for (const QString& expected : shown) QVERIFY2(page.contains(expected), qPrintable(expected));
        // A long name may wrap inside its cell: each of its words is on the page, and
        // so is the row's date.
        for (const QString& row : shownRows()) {
            for (const QString& word : row.section('\t', 0, 0).split(' ', Qt::SkipEmptyParts))
                QVERIFY2(page.contains(word), qPrintable(row));
            QVERIFY2(page.contains(row.section('\t', -1)), qPrintable(row));
        }
        QVERIFY(page.count('\f') >= pages);  // pdftotext ends each page with a form feed
        QCOMPARE(page.count("Juliaans tot en met"), page.count('\f'));  // the footer on every page
        QCOMPARE(page.contains("Sint-Maarten"), filter.isEmpty());
        QVERIFY(!window_->savePdf(dir.filePath("no such folder/feesten.pdf")));
    }

    // Opened from the main window at its year, then independent of it; Ctrl+K
    // raises the one window; Ctrl+W closes only the window it is pressed in;
    // closing the main window closes the feast window too.
    void besideTheMainWindow() {
        window_.reset();
        RecordingBox boxes;
        Tarvindr main(&boxes);
        ::type(::find(&main, "WelkJaar"), "1450");
        showActive(&main);
        QCOMPARE(QApplication::focusWidget(), ::find(&main, "WelkJaar"));
        ::find(&main, "WelkJaar")->setCursorPosition(0);  // where a line edit's own Ctrl+K would delete
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_K, Qt::ControlModifier);
        QPointer<Feestkalender> feast = main.findChild<Feestkalender*>();
        QVERIFY(feast && QTest::qWaitForWindowExposed(feast));
        QCOMPARE(::find(&main, "WelkJaar")->text(), QStringLiteral("1450"));
        QCOMPARE(::find(feast, "Jaar")->text(), QStringLiteral("1450"));
        QCOMPARE(::find<QComboBox>(feast, "Regio")->currentIndex(), regionIndex("zuidelijke-nederlanden"));

        ::type(::find(&main, "WelkJaar"), "1600");
        QCOMPARE(feast->year(), 1450);
        const QString christmas = ::find(&main, "Kerstmis")->text();
        QTest::mouseClick(::find<QPushButton>(feast, "Plus"), Qt::LeftButton);
        ::find<QComboBox>(feast, "Regio")->setCurrentIndex(regionIndex("rome"));
        QCOMPARE(::find(&main, "WelkJaar")->text(), QStringLiteral("1600"));
        QCOMPARE(::find(&main, "Kerstmis")->text(), christmas);

        main.findChild<QAction*>("MnuFeestkalender")->trigger();
        QCOMPARE(main.findChildren<Feestkalender*>().size(), 1);
        QCOMPARE(feast->year(), 1451);  // raised as it was

        showActive(feast);
        QTest::keyClick(feast, Qt::Key_W, Qt::ControlModifier);
        QTRY_VERIFY(!feast);  // closed and gone
        QVERIFY(main.isVisible());

        main.findChild<QAction*>("MnuFeestkalender")->trigger();
        feast = main.findChild<Feestkalender*>();
        QVERIFY(feast && feast->isVisible());
        QCOMPARE(feast->year(), 1600);  // a new window, at the main window's year
        main.close();
        QTRY_VERIFY(!feast);
        // Ctrl+Q in the feast window ends the program: both windows close.
        showActive(&main);
        main.findChild<QAction*>("MnuFeestkalender")->trigger();
        feast = main.findChild<Feestkalender*>();
        showActive(feast);
        QTest::keyClick(feast, Qt::Key_Q, Qt::ControlModifier);
        QTRY_VERIFY(!feast);
        QVERIFY(!main.isVisible());
        QVERIFY(boxes.shown.empty());
    }
};

QTEST_MAIN(FeestkalenderTest)
#include "feestkalender_test.moc"
