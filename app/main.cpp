#include <QApplication>

#include "tarvindr.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    Tarvindr window;
    window.show();
    return app.exec();
}
