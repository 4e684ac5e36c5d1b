// Renders a window into a PNG, for the README:
//   tarvinde_screenshot YEAR OUT.png          the main window for YEAR
//   tarvinde_screenshot feestkalender OUT.png the feast window for 1450, with a
//                                              dating expression and a style date
//                                              that has two modern dates
// Run it on a real display server (`make screenshot` uses Xvfb); QT_SCALE_FACTOR=2
// gives the picture of a high-density screen.

#include <cstdio>
#include <cstring>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPixmap>
#include <QTest>

#include "feestkalender.h"
#include "tarvindr.h"
#include "year_style.h"

namespace {

void type(QWidget& window, const char* box, const char* text) {
    window.findChild<QLineEdit*>(QString::fromLatin1(box))->setText(QString::fromUtf8(text));
}

int shoot(QWidget& window, const char* out) {
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        std::fprintf(stderr, "the window was never shown\n");
        return 1;
    }
    QTest::qWait(200);  // let the first paint settle
    if (!window.grab().save(QString::fromLocal8Bit(out))) {
        std::fprintf(stderr, "cannot write %s\n", out);
        return 1;
    }
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s YEAR|feestkalender OUT.png\n", argv[0]);
        return 2;
    }
    if (std::strcmp(argv[1], "feestkalender") == 0) {
        Feestkalender window(1450, regions::defaultRegion());
        type(window, "Uitdrukking", "dinsdag na Sint-Maarten 1450");
        // Easter 1450 fell on 5 April, Easter 1451 on 25 April: in the Easter
        // style 10 April 1450 is a day of both modern years.
        const auto styles = year_style::styles();
        for (std::size_t i = 0; i < styles.size(); ++i)
            if (styles[i].style == year_style::Style::Pasen)
                window.findChild<QComboBox*>(QStringLiteral("Stijl"))->setCurrentIndex(static_cast<int>(i));
        type(window, "StijlDag", "10");
        type(window, "StijlMaand", "4");
        type(window, "StijlJaar", "1450");
        return shoot(window, argv[2]);
    }
    Tarvindr window;
    type(window, "WelkJaar", argv[1]);
    return shoot(window, argv[2]);
}
