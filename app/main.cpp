#include <QApplication>
#include <iostream>

#include "no_display.h"
#include "start_options.h"
#include "tarvindr.h"

int main(int argc, char* argv[]) {
    // Bad options end the program before Qt starts, so that they need no display.
    StartOptions options = parseStartOptions(argc, argv, true);
    if (!options.error.empty()) {
        std::cerr << "tarvinde: " << options.error << '\n';
        return 2;
    }
    // Without a usable display this says so in one line and exits with status 1.
    no_display::holdQtMessages("tarvinde");
    QApplication app(argc, argv);
    no_display::releaseQtMessages();
    // Qt has taken its own options out of argv; what is left must be ours.
    options = parseStartOptions(argc, argv, false);
    if (!options.error.empty()) {
        std::cerr << "tarvinde: " << options.error << '\n';
        return 2;
    }
    Tarvindr window;
    applyStartOptions(window, options);
    window.show();
    return app.exec();
}
