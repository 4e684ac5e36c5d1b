// Renders the window into a PNG, for the README:
//   tarvinde_screenshot YEAR... OUT.png
// Each YEAR text is put into the year box in turn, as if typed over the last, so
// that "210 2101" shows a refused year above the rows of 210.
// Run it on a real display server (`make screenshot` uses Xvfb); QT_SCALE_FACTOR=2
// gives the picture of a high-density screen.

#include <cstdio>

#include <QApplication>
#include <QLineEdit>
#include <QPixmap>
#include <QTest>

#include "tarvindr.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s YEAR... OUT.png\n", argv[0]);
        return 2;
    }
    Tarvindr window;
    for (int i = 1; i < argc - 1; ++i)
        window.findChild<QLineEdit*>(QStringLiteral("WelkJaar"))->setText(QString::fromLocal8Bit(argv[i]));
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        std::fprintf(stderr, "the window was never shown\n");
        return 1;
    }
    QTest::qWait(200);  // let the first paint settle
    if (!window.grab().save(QString::fromLocal8Bit(argv[argc - 1]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[argc - 1]);
        return 1;
    }
    return 0;
}
