#include <QApplication>
#include <iostream>

#include "start_options.h"
#include "tarvindr.h"

int main(int argc, char* argv[]) {
    // Bad options end the program before Qt starts, so that they need no display.
    StartOptions options = parseStartOptions(argc, argv, true);
    if (!options.error.empty()) {
        std::cerr << "tarvinde: " << options.error << '\n';
        return 2;
    }
    QApplication app(argc, argv);
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
