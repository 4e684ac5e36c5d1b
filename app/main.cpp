#include <QApplication>

#include "no_display.h"
#include "tarvindr.h"

int main(int argc, char* argv[]) {
    // Without a usable display this says so in one line and exits with status 1.
    no_display::holdQtMessages("tarvinde");
    QApplication app(argc, argv);
    no_display::releaseQtMessages();
    Tarvindr window;
    window.show();
    return app.exec();
}
