// Renders the window into a PNG, for the README:
//   tarvinde_screenshot [--open WHAT] [--region ID] YEAR... OUT.png
// Each YEAR text is put into the year box in turn, as if typed over the last, so
// that "210 2101" shows a refused year above the rows of 210. With --region the
// window shows that region, chosen as its Regio menu item does. With --open, the
// picture is of the screen with WHAT open over the window: a menu by its name
// (MnuBestand, Help) or the help window (Kalenderinformatie).
//   tarvinde_screenshot feestkalender OUT.png
// pictures the feast window for 1450, with its computus, a clause in the Easter
// style that names two days, and a date in the Easter style that has two modern
// dates.
// Run it on a real display server (`make screenshot` uses Xvfb); QT_SCALE_FACTOR=2
// gives the picture of a high-density screen.

#include <cstdio>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QScreen>
#include <QTest>

#include "feestkalender.h"
#include "regions.h"
#include "tarvindr.h"
#include "year_style.h"

namespace {

// With `all`: every feast, narrowed to Utrecht's days, and a clause naming a
// feast kept on two days.
int feastWindow(const QString& out, bool all) {
    Feestkalender window(1450, regions::defaultRegion());
    const auto type = [&](const char* box, const char* text) {
        window.findChild<QLineEdit*>(QString::fromLatin1(box))->setText(QString::fromUtf8(text));
    };
    if (all) {
        window.findChild<QComboBox*>(QStringLiteral("Keuze"))->setCurrentIndex(1);
        type("Filter", "Utrecht");
    }
    // Easter 1450 fell on 5 April, Easter 1451 on 25 April: in the Easter style
    // Sint-Joris (23 April) 1450 and 10 April 1450 are days of both modern years.
    // The clause as a Ghent charter would write it: the place is skipped.
    const auto styles = year_style::styles();
    for (std::size_t i = 0; i < styles.size(); ++i)
        if (styles[i].style == year_style::Style::Pasen)
            for (const char* box : {"UitdrukkingStijl", "Stijl"})
                window.findChild<QComboBox*>(QString::fromLatin1(box))->setCurrentIndex(static_cast<int>(i));
    type("Uitdrukking",
         all ? "in die beate Margarete 1450" : "Datum Gandavi in festo beati Georgii anno Domini M CCCC L");
    type("StijlDag", "10");
    type("StijlMaand", "4");
    type("StijlJaar", "1450");
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        std::fprintf(stderr, "the window was never shown\n");
        return 1;
    }
    QTest::qWait(200);  // let the first paint settle
    if (!window.grab().save(out)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(out));
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QStringList args = QApplication::arguments().mid(1);
    QString open;
    const regions::Region* region = &regions::defaultRegion();
    for (bool more = true; more && args.size() >= 2;) {
        more = false;
        if (args.first() == QStringLiteral("--open")) {
            open = args.at(1);
            args = args.mid(2);
            more = true;
        } else if (args.first() == QStringLiteral("--region")) {
            region = regions::find(args.at(1).toStdString());
            if (!region) {
                std::fprintf(stderr, "no region %s\n", qPrintable(args.at(1)));
                return 2;
            }
            args = args.mid(2);
            more = true;
        }
    }
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: %s [--open WHAT] [--region ID] YEAR...|feestkalender OUT.png\n",
                     argv[0]);
        return 2;
    }
    const QString out = args.takeLast();
    if (open.isEmpty() && args == QStringList{QStringLiteral("feestkalender")})
        return feastWindow(out, false);
    if (open.isEmpty() && args == QStringList{QStringLiteral("feestkalender-alle")})
        return feastWindow(out, true);
    Tarvindr window;
    window.chooseRegion(*region);
    for (const QString& year : args) window.findChild<QLineEdit*>(QStringLiteral("WelkJaar"))->setText(year);
    window.move(0, 0);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        std::fprintf(stderr, "the window was never shown\n");
        return 1;
    }
    QTest::qWait(200);  // let the first paint settle

    QPixmap picture;
    if (open.isEmpty()) {
        picture = window.grab();
    } else {
        if (auto* menu = window.findChild<QMenu*>(open)) {
            window.menuBar()->setActiveAction(menu->menuAction());
        } else if (auto* item = window.findChild<QAction*>(QStringLiteral("Mnu") + open)) {
            item->trigger();
        } else {
            std::fprintf(stderr, "nothing called %s to open\n", qPrintable(open));
            return 2;
        }
        QTest::qWait(500);
        QRect shown = window.frameGeometry();
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->isVisible()) shown |= top->frameGeometry();
        picture = window.screen()->grabWindow(0, shown.x(), shown.y(), shown.width(), shown.height());
    }
    if (!picture.save(out)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(out));
        return 1;
    }
    return 0;
}
