// Getting the year out of the window: the copy, the printed page and the PDF,
// the help text, and the keys and wheel of the year box, driven as a user would.

#include <memory>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include "recording_box.h"
#include "regions.h"
#include "tarvindr.h"

namespace {

// The copy of the year 2000 with the finder at 11/11, written out from the feast
// days of that year.
const char* const kCopy2000 =
    "Jaar\t2000\n"
    "Kalender\tGregoriaans\n"
    "Schrikkeljaar\tja\n"
    "Regel\tjaartal veelvoud van 4 of 400, niet van 100.\n"
    "Nieuwjaar\tzaterdag 1 januari 2000\n"
    "Aswoensdag\twoensdag 8 maart 2000\n"
    "Palmzondag\tzondag 16 april 2000\n"
    "Pasen (Rome)\tzondag 23 april 2000\n"
    "Hemelvaart\tdonderdag 1 juni 2000\n"
    "Pinksteren\tzondag 11 juni 2000\n"
    "OLV ten Hemel\tdinsdag 15 augustus 2000\n"
    "Allerheiligen\twoensdag 1 november 2000\n"
    "Allerzielen\tdonderdag 2 november 2000\n"
    "Kerstmis\tmaandag 25 december 2000\n"
    "Oudjaarsavond\tzondag 31 december 2000\n"
    "Pasen in Gallië\tidem Pasen Rome\n";

// 1582, Julian throughout: Easter on 15 April (Julian computus), Ash Wednesday
// 46 days earlier on 28 February, Ascension on 24 May, Whit Sunday on 3 June;
// 1 January a Monday, 11 November a Sunday.
const char* const kCopy1582 =
    "Jaar\t1582\n"
    "Kalender\tJuliaans\n"
    "Schrikkeljaar\tnee\n"
    "Regel\tjaren veelvoud van 4\n"
    "Nieuwjaar\tmaandag 1 januari 1582\n"
    "Aswoensdag\twoensdag 28 februari 1582\n"
    "Palmzondag\tzondag 8 april 1582\n"
    "Pasen (Rome)\tzondag 15 april 1582\n"
    "Hemelvaart\tdonderdag 24 mei 1582\n"
    "Pinksteren\tzondag 3 juni 1582\n"
    "OLV ten Hemel\twoensdag 15 augustus 1582\n"
    "Allerheiligen\tdonderdag 1 november 1582\n"
    "Allerzielen\tvrijdag 2 november 1582\n"
    "Kerstmis\tdinsdag 25 december 1582 (? 4/1/1583)\n"
    "Oudjaarsavond\tmaandag 31 december 1582 (? 21/12/1582)\n"
    "Kalenderwijziging 20/12 > 31/12  of  21/12 > 1/1/1583\t10 dagen vervallen in december\n"
    "Weekdag 11/11\tzondag 11 november 1582\n";

// Holland, 1583: New Year on the last Julian day (Gregorian 11 January, a
// Tuesday), the rest Gregorian, 1 January a Saturday; Easter on 10 April.
const char* const kCopyHolland1583 =
    "Jaar\t1583\n"
    "Regio\tHolland\n"
    "Kalender\tOvergangsjaar\n"
    "Schrikkeljaar\tnee\n"
    "Regel\tJuliaans tot 1/1, daarna Gregoriaans\n"
    "Nieuwjaar\tdinsdag 1 januari 1583\n"
    "Aswoensdag\twoensdag 23 februari 1583\n"
    "Palmzondag\tzondag 3 april 1583\n"
    "Pasen (Rome)\tzondag 10 april 1583\n"
    "Hemelvaart\tdonderdag 19 mei 1583\n"
    "Pinksteren\tzondag 29 mei 1583\n"
    "OLV ten Hemel\tmaandag 15 augustus 1583\n"
    "Allerheiligen\tdinsdag 1 november 1583\n"
    "Allerzielen\twoensdag 2 november 1583\n"
    "Kerstmis\tzondag 25 december 1583\n"
    "Oudjaarsavond\tzaterdag 31 december 1583\n"
    "Kalenderwijziging 1/1 > 12/1/1583\t10 dagen vervallen in januari\n"
    "Weekdag 11/11\tvrijdag 11 november 1583\n";

// Runs `check` on the next modal dialog once it is open, then closes it, so that
// a failing check cannot leave it blocking. The timer must outlive the dialog.
template <class Dialog, class Check>
void whenModalOpens(QTimer& timer, Check check) {
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, &timer, [check] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        check(dialog);
        if (dialog && dialog->isVisible()) dialog->reject();
    });
    timer.start(0);
}

QString pdfText(const QString& path) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral(PDFTOTEXT), {path, QStringLiteral("-")});
    if (!pdftotext.waitForFinished(30000) || pdftotext.exitCode() != 0) return {};
    return QString::fromUtf8(pdftotext.readAllStandardOutput()).simplified();
}

}  // namespace

class CopyPrintTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<RecordingBox> boxes_;
    std::unique_ptr<Tarvindr> window_;
    QTemporaryDir dir_;

    QLineEdit* box(const char* name) const {
        return window_->findChild<QLineEdit*>(QString::fromLatin1(name));
    }
    void paste(const char* name, const QString& text) {
        box(name)->selectAll();
        box(name)->insert(text);
    }
    void showActive() {
        window_->show();
        QApplication::setActiveWindow(window_.get());
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    }
    static QString clipboard() { return QApplication::clipboard()->text(); }
    static void clearClipboard() { QApplication::clipboard()->setText(QStringLiteral("(nothing copied)")); }
    QString copyOf2000() const {
        return QString::fromUtf8(kCopy2000) + QStringLiteral("Weekdag 11/11\tzaterdag 11 november 2000\n");
    }

private slots:
    void init() {
        boxes_ = std::make_unique<RecordingBox>();
        window_ = std::make_unique<Tarvindr>(boxes_.get());
        paste("WelkJaar", "2000");
        clearClipboard();
    }
    void cleanup() {
        QVERIFY(boxes_->shown.empty());
        window_.reset();
    }

    // Year text, day and month texts, and the copy: the rows the window shows,
    // the finder's line naming the day and month it used, or none.
    // clang-format off
    void copyText_data() {
        QTest::addColumn<QStringList>("years");
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("copy");
        const QString rows2000 = QString::fromUtf8(kCopy2000);
        QTest::newRow("2000") << QStringList{"2000"} << "11" << "11"
                              << rows2000 + "Weekdag 11/11\tzaterdag 11 november 2000\n";
        QTest::newRow("1582") << QStringList{"1582"} << "11" << "11" << QString::fromUtf8(kCopy1582);
        QTest::newRow("day 2.5 is day 2") << QStringList{"2000"} << "2.5" << "11"
                                          << rows2000 + "Weekdag 2/11\tdonderdag 2 november 2000\n";
        QTest::newRow("31/2 rolls into March") << QStringList{"2000"} << "31" << "2"
                                               << rows2000 + "Weekdag 31/2\tdonderdag 2 maart 2000\n";
        QTest::newRow("empty day box") << QStringList{"2000"} << "" << "11" << rows2000;
        QTest::newRow("empty month box") << QStringList{"2000"} << "4" << "" << rows2000;
        QTest::newRow("day of letters") << QStringList{"2000"} << "abc" << "11" << rows2000;
        QTest::newRow("1999.5 is 2000") << QStringList{"1999.5"} << "11" << "11"
                                        << rows2000 + "Weekdag 11/11\tzaterdag 11 november 2000\n";
        QTest::newRow("refused 2101 copies 2000") << QStringList{"2000", "2101"} << "11" << "11"
                                                  << rows2000 + "Weekdag 11/11\tzaterdag 11 november 2000\n";
        QTest::newRow("emptied year copies 2000") << QStringList{"2000", ""} << "11" << "11"
                                                  << rows2000 + "Weekdag 11/11\tzaterdag 11 november 2000\n";
    }
    // clang-format on
    void copyText() {
        QFETCH(QStringList, years);
        QFETCH(QString, day);
        QFETCH(QString, month);
        QFETCH(QString, copy);
        for (const QString& year : years) paste("WelkJaar", year);
        paste("TxtDag", day);
        paste("TxtMaand", month);
        window_->findChild<QAction*>("MnuKopieren")->trigger();
        QCOMPARE(clipboard(), copy);
        const QByteArray bytes = QApplication::clipboard()->mimeData()->data(QStringLiteral("text/plain"));
        QCOMPARE(QString::fromUtf8(bytes), copy);  // plain UTF-8
        QVERIFY(!bytes.contains('\r'));
    }

    // Ctrl+C as a key: a selection in an entry box is copied as usual, anything
    // else copies the year.
    // clang-format off
    void ctrlC_data() {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("selectFrom");  // -1: nothing selected
        QTest::addColumn<int>("selectLength");
        QTest::addColumn<QString>("copied");  // empty: the year's copy
        QTest::newRow("year box, nothing selected") << "WelkJaar" << -1 << 0 << "";
        QTest::newRow("year box, all selected") << "WelkJaar" << 0 << 4 << "2000";
        QTest::newRow("year box, part selected") << "WelkJaar" << 1 << 2 << "00";
        QTest::newRow("day box, nothing selected") << "TxtDag" << -1 << 0 << "";
        QTest::newRow("day box, selected") << "TxtDag" << 0 << 2 << "11";
        QTest::newRow("month box, nothing selected") << "TxtMaand" << -1 << 0 << "";
        QTest::newRow("month box, one digit") << "TxtMaand" << 1 << 1 << "1";
        QTest::newRow("Plus button") << "cmdPlus1" << -1 << 0 << "";
    }
    // clang-format on
    void ctrlC() {
        QFETCH(QString, focus);
        QFETCH(int, selectFrom);
        QFETCH(int, selectLength);
        QFETCH(QString, copied);
        showActive();
        auto* target = window_->findChild<QWidget*>(focus);
        target->setFocus();
        QTRY_VERIFY(target->hasFocus());
        if (auto* edit = qobject_cast<QLineEdit*>(target)) {
            edit->deselect();
            if (selectFrom >= 0) edit->setSelection(selectFrom, selectLength);
        }
        QTest::keyClick(target, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(clipboard(), copied.isEmpty() ? copyOf2000() : copied);
        QCOMPARE(box("WelkJaar")->text(), QStringLiteral("2000"));
    }

    // A right click on the client area, a result box that cannot be used, or a
    // label offers Kopiëren.
    void contextMenuCopies() {
        showActive();
        auto* menu = window_->findChild<QMenu*>("ContextMenu");
        QVERIFY(menu);
        QStringList items;
        for (QAction* action : menu->actions()) items << action->text();
        QCOMPARE(items, QStringList{QStringLiteral("Kopiëren")});
        for (const char* where : {"Pasen", "lblKerstmis", "TxtCorrecteWeekdag", "Line1"}) {
            clearClipboard();
            auto* widget = window_->findChild<QWidget*>(QString::fromLatin1(where));
            QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                                    widget->mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(widget, &event);
            QTRY_VERIFY2(menu->isVisible(), where);
            QTest::keyClick(menu, Qt::Key_Down);
            QTest::keyClick(menu, Qt::Key_Return);
            QTRY_VERIFY(!menu->isVisible());
            QCOMPARE(clipboard(), copyOf2000());
        }
    }

    // The window shortcuts, pressed with the focus in an entry box.
    void ctrlQAndCtrlWClose() {
        for (const Qt::Key key : {Qt::Key_Q, Qt::Key_W}) {
            showActive();
            box("TxtDag")->setFocus();
            QTest::keyClick(box("TxtDag"), key, Qt::ControlModifier);
            QTRY_VERIFY(!window_->isVisible());
            QCOMPARE(box("TxtDag")->text(), QStringLiteral("11"));
        }
    }

    // The page as a PDF, from the window directly and through a printer set to
    // write PDF: pdftotext finds the title, every row and the footer.
    void pdfHoldsEveryRow_data() {
        QTest::addColumn<QString>("year");
        QTest::addColumn<bool>("throughPrinter");
        for (const bool printer : {false, true}) {
            const char* how = printer ? " printed" : " saved";
            QTest::newRow(qPrintable(QStringLiteral("2000") + how)) << "2000" << printer;
            QTest::newRow(qPrintable(QStringLiteral("1582") + how)) << "1582" << printer;
        }
    }
    void pdfHoldsEveryRow() {
        QFETCH(QString, year);
        QFETCH(bool, throughPrinter);
        paste("WelkJaar", year);
        const QString path = dir_.filePath(QStringLiteral("page-%1-%2.pdf").arg(year).arg(throughPrinter));
        if (throughPrinter) {
            QPrinter printer;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(path);
            QVERIFY(window_->printYear(printer));
        } else {
            QVERIFY(window_->savePdf(path));
        }
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.read(5), QByteArray("%PDF-"));

        const QString text = pdfText(path);
        QVERIFY2(text.contains(QStringLiteral("Tarvinde — ") + year), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("Juliaans tot en met 1582, Gregoriaans vanaf 1583")));
        const QString copy = QString::fromUtf8(year == "2000" ? kCopy2000 : kCopy1582);
        int rows = 0;
        for (const QString& line : copy.split('\n', Qt::SkipEmptyParts)) {
            for (const QString& part : line.split('\t'))
                QVERIFY2(text.contains(part.simplified()), qPrintable(part));
            ++rows;
        }
        QCOMPARE(rows, year == "2000" ? 16 : 17);
        QVERIFY2(text.contains(QStringLiteral("Weekdag 11/11")), qPrintable(text));
    }

    // A region other than the default: the copy's "Regio" line after "Jaar", the
    // page's title and its footer naming the region's switch. The default keeps
    // its texts.
    // clang-format off
    void regionInCopyAndPage_data() {
        QTest::addColumn<QString>("region");
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("copyStart");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("footer");
        QTest::newRow("default") << "zuidelijke-nederlanden" << "1583" << "Jaar\t1583\nKalender\tGregoriaans\n"
            << "Tarvinde — 1583" << "Juliaans tot en met 1582, Gregoriaans vanaf 1583";
        QTest::newRow("Holland") << "holland" << "1583" << QString::fromUtf8(kCopyHolland1583)
            << "Tarvinde — 1583 — Holland" << "Juliaans tot en met 1/1/1583, Gregoriaans vanaf 12/1/1583";
        QTest::newRow("Friesland") << "friesland-groningen" << "1701"
            << "Jaar\t1701\nRegio\tFriesland, Groningen\nKalender\tGregoriaans\n"
            << "Tarvinde — 1701 — Friesland, Groningen" << "Juliaans tot en met 31/12/1700, Gregoriaans vanaf 12/1/1701";
        QTest::newRow("always Julian") << "juliaans" << "2000" << "Jaar\t2000\nRegio\tJuliaanse kalender (altijd)\n"
            << "Tarvinde — 2000 — Juliaanse kalender (altijd)" << "Altijd Juliaans";
        QTest::newRow("always Gregorian") << "gregoriaans" << "1000"
            << "Jaar\t1000\nRegio\tGregoriaanse kalender op elk jaar (model)\nKalender\tGregoriaans\n"
            << "Tarvinde — 1000 — Gregoriaanse kalender op elk jaar (model)" << "Altijd Gregoriaans (proleptisch)";
    }
    // clang-format on
    void regionInCopyAndPage() {
        QFETCH(QString, region);
        QFETCH(QString, year);
        QFETCH(QString, copyStart);
        QFETCH(QString, title);
        QFETCH(QString, footer);
        paste("WelkJaar", year);
        window_->findChild<QAction*>("MnuRegio_" + region)->trigger();
        window_->findChild<QAction*>("MnuKopieren")->trigger();
        const QString copy = clipboard();
        QVERIFY2(copy.startsWith(copyStart), qPrintable(copy));
        QCOMPARE(copy.count(QStringLiteral("Regio\t")), region == "zuidelijke-nederlanden" ? 0 : 1);

        const QString path = dir_.filePath(QStringLiteral("region-%1.pdf").arg(region));
        QVERIFY(window_->savePdf(path));
        const QString text = pdfText(path);
        QVERIFY2(text.startsWith(title + ' '), qPrintable(text));
        QVERIFY2(text.contains(footer), qPrintable(text));
        QCOMPARE(text.contains(QStringLiteral("Gregoriaans vanaf 1583")), region == "zuidelijke-nederlanden");
        for (const QString& line : copy.split('\n', Qt::SkipEmptyParts))
            for (const QString& part : line.split('\t'))
                QVERIFY2(text.contains(part.simplified()), qPrintable(part));
    }

    // A file that cannot be written is reported as such, and nothing is left behind.
    void pdfThatCannotBeWritten() {
        const QString path = dir_.filePath(QStringLiteral("no such folder/tarvinde-2000.pdf"));
        QVERIFY(!window_->savePdf(path));
        QVERIFY(!QFile::exists(path));
    }

    // Als PDF opslaan… offers tarvinde-<year>.pdf and writes the chosen file.
    void pdfThroughItsDialog() {
        paste("WelkJaar", "1700");
        showActive();
        const QString path = dir_.filePath(QStringLiteral("chosen"));
        QString offered;
        QTimer chooser;
        whenModalOpens<QFileDialog>(chooser, [&](QFileDialog* dialog) {
            if (!dialog) return;
            offered = QFileInfo(dialog->selectedFiles().value(0)).fileName();
            dialog->selectFile(path);
            QMetaObject::invokeMethod(dialog, "accept");  // as the Save button does
        });
        window_->findChild<QAction*>("MnuPdf")->trigger();
        QCOMPARE(offered, QStringLiteral("tarvinde-1700.pdf"));
        QVERIFY(pdfText(path + ".pdf").contains(QStringLiteral("Tarvinde — 1700")));
        // Cancelled, nothing is written.
        QTimer canceller;
        whenModalOpens<QFileDialog>(canceller, [](QFileDialog* dialog) { QVERIFY(dialog); });
        window_->findChild<QAction*>("MnuPdf")->trigger();
        QCOMPARE(QDir(dir_.path()).entryList({QStringLiteral("chosen*")}),
                 QStringList{QStringLiteral("chosen.pdf")});
    }

    // Ctrl+P opens the system's print dialog, and nothing is printed when it is cancelled.
    void ctrlPOpensThePrintDialog() {
        showActive();
        bool opened = false;
        QTimer reader;
        whenModalOpens<QPrintDialog>(reader, [&](QPrintDialog* dialog) {
            opened = dialog != nullptr;
            if (dialog) QCOMPARE(dialog->printer()->docName(), QStringLiteral("Tarvinde — 2000"));
        });
        QTest::keyClick(box("WelkJaar"), Qt::Key_P, Qt::ControlModifier);
        QVERIFY(opened);
    }

    // F1 and the menu item show Tarvindeinfo.txt in one read-only, resizable window.
    void helpText() {
        showActive();
        QTest::keyClick(box("WelkJaar"), Qt::Key_F1);
        auto* help = window_->findChild<QDialog*>("Kalenderinformatie");
        QVERIFY(help);
        QTRY_VERIFY(help->isVisible());
        QVERIFY(!help->isModal());
        window_->findChild<QAction*>("MnuKalenderinformatie")->trigger();
        QCOMPARE(window_->findChildren<QDialog*>("Kalenderinformatie").size(), qsizetype{1});

        auto* view = help->findChild<QPlainTextEdit*>();
        QVERIFY(view->isReadOnly());
        QFile source(QStringLiteral(TARVINDEINFO));
        QVERIFY(source.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(source.readAll());
        QCOMPARE(view->toPlainText(), text);
        QVERIFY(help->minimumSize() != help->maximumSize());
        help->resize(300, 200);
        QTRY_COMPARE(help->size(), QSize(300, 200));

        // A few pages of Dutch on what the windows show, in lines that read in a
        // terminal.
        const QStringList lines = text.split('\n');
        QVERIFY(lines.size() >= 50 && lines.size() <= 1200);
        for (const QString& line : lines) QVERIFY2(line.size() <= 76, qPrintable(line));
        for (const char* topic : {"Juliaans",
                                  "Gregoriaans",
                                  "20/12 > 31/12",
                                  "21/12 > 1/1/1583",
                                  "(? 4/1/1583)",
                                  "(? 21/12/1582)",
                                  "computus",
                                  "46 dagen",
                                  "Pasen in Gallië",
                                  "31/2",
                                  "100 tot en met 2100",
                                  "F1",
                                  "Ctrl+C",
                                  "Page Up",
                                  "Regio's",
                                  "Overgangsjaar",
                                  "Dateren met feesten",
                                  "Jaarstijlen",
                                  "Paasstijl",
                                  "indictie_september",
                                  "zondagsletter",
                                  "Alt+R",
                                  "Dateringsformules lezen",
                                  "kalenden",
                                  "bissextus",
                                  "--century",
                                  "gelezen als",
                                  "overgeslagen",
                                  "regeringsjaar",
                                  "Tijdrekening van",
                                  "Wat de lezer leest\n------------------",
                                  "kalender: Juliaans",
                                  "oorzaak",
                                  "klopt"})
            QVERIFY2(text.contains(QString::fromUtf8(topic)), topic);
        // Every region by its menu name, with its two days and its source, however
        // the lines break.
        const QString flowing = text.simplified();
        for (const regions::Region& r : regions::all()) {
            const auto has = [&](std::string_view part) {
                QVERIFY2(flowing.contains(QString::fromUtf8(part.data(), qsizetype(part.size()))),
                         part.data());
            };
            has(r.menuName);
            has(r.bron);
            if (r.lastJulian)
                has(regions::numericDate(*r.lastJulian) + " > " + regions::numericDate(*r.firstGregorian));
        }
        // The use box points to this help text, by its key and where it is installed.
        window_->MnuUse_Click(3);
        QVERIFY(QString::fromStdString(boxes_->shown.at(0).prompt)
                    .endsWith("* the help text (F1), installed as share/doc/tarvinde/Tarvindeinfo.txt"));
        boxes_->shown.clear();
    }

    // The wheel over the year box and its Page keys, as year texts written in
    // turn: each notch of 120 is one year, fine movement adds up; a page is ten
    // years, pulled back only at the bound on its own side.
    // clang-format off
    void wheelAndPageKeys_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QList<int>>("wheel");  // angle deltas; empty: the key below
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QStringList>("written");
        const int none = Qt::NoModifier;
        const int keypad = Qt::KeypadModifier;
        QTest::newRow("notch up") << "2000" << QList<int>{120} << 0 << none << QStringList{"2001"};
        QTest::newRow("notch down") << "2000" << QList<int>{-120} << 0 << none << QStringList{"1999"};
        QTest::newRow("two notches at once") << "2000" << QList<int>{240} << 0 << none << QStringList{"2001", "2002"};
        QTest::newRow("halves add up") << "2000" << QList<int>{60, 60} << 0 << none << QStringList{"2001"};
        QTest::newRow("fine steps add up") << "2000" << QList<int>{15, 15, 15, 15, 15, 15, 15, 15, 15}
                                           << 0 << none << QStringList{"2001"};
        QTest::newRow("half a notch: nothing") << "2000" << QList<int>{60} << 0 << none << QStringList{};
        QTest::newRow("back and forth") << "2000" << QList<int>{60, -60, -120} << 0 << none << QStringList{"1999"};
        QTest::newRow("down from 100") << "100" << QList<int>{-120} << 0 << none << QStringList{"99", "100"};
        QTest::newRow("up from 2100") << "2100" << QList<int>{120} << 0 << none << QStringList{"2101", "2100"};
        QTest::newRow("Page Up") << "2000" << QList<int>{} << int(Qt::Key_PageUp) << none << QStringList{"2010"};
        QTest::newRow("Page Down") << "2000" << QList<int>{} << int(Qt::Key_PageDown) << none << QStringList{"1990"};
        QTest::newRow("Page Up from 50") << "50" << QList<int>{} << int(Qt::Key_PageUp) << none << QStringList{"60"};
        QTest::newRow("Page Up from 2095") << "2095" << QList<int>{} << int(Qt::Key_PageUp) << none
                                           << QStringList{"2105", "2100"};
        QTest::newRow("Page Down from 105") << "105" << QList<int>{} << int(Qt::Key_PageDown) << none
                                            << QStringList{"95", "100"};
        QTest::newRow("Page Down from 3000") << "3000" << QList<int>{} << int(Qt::Key_PageDown) << none
                                             << QStringList{"2990"};
        QTest::newRow("Page Up from 1999.5") << "1999.5" << QList<int>{} << int(Qt::Key_PageUp) << none
                                             << QStringList{"2009.5"};
        QTest::newRow("keypad Up") << "2000" << QList<int>{} << int(Qt::Key_Up) << keypad << QStringList{"2001"};
        QTest::newRow("keypad Down") << "2000" << QList<int>{} << int(Qt::Key_Down) << keypad << QStringList{"1999"};
        QTest::newRow("keypad Page Up") << "2000" << QList<int>{} << int(Qt::Key_PageUp) << keypad
                                        << QStringList{"2010"};
        QTest::newRow("keypad Page Down") << "2000" << QList<int>{} << int(Qt::Key_PageDown) << keypad
                                          << QStringList{"1990"};
        QTest::newRow("Ctrl+Page Up steps nothing") << "2000" << QList<int>{} << int(Qt::Key_PageUp)
                                                    << int(Qt::ControlModifier) << QStringList{};
    }
    // clang-format on
    void wheelAndPageKeys() {
        QFETCH(QString, start);
        QFETCH(QList<int>, wheel);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QStringList, written);
        QLineEdit* year = box("WelkJaar");
        paste("WelkJaar", start);
        QSignalSpy changes(year, &QLineEdit::textChanged);
        if (key) {
            QTest::keyClick(year, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        } else {
            const QPointF at(10, 10);
            for (const int delta : wheel) {
                QWheelEvent event(at, year->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                                  Qt::NoModifier, Qt::NoScrollPhase, false);
                QApplication::sendEvent(year, &event);
            }
        }
        QStringList texts;
        for (const auto& change : changes) texts << change.at(0).toString();
        QCOMPARE(texts, written);
        QCOMPARE(year->text(), written.isEmpty() ? start : written.last());
    }
};

QTEST_MAIN(CopyPrintTest)
#include "copy_print_test.moc"
