// Writes the program's icon as PNG files for installation, from the same
// drawing the window uses: icon_export DIR writes DIR/tarvinde-16.png and -32.png.
#include <QGuiApplication>
#include <QPixmap>

#include "appearance.h"

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    qputenv("QT_QPA_PLATFORM", "offscreen");  // runs during the build, without a display
    QGuiApplication app(argc, argv);
    const QString dir = QString::fromLocal8Bit(argv[1]);
    for (const int size : {16, 32}) {
        if (!appearance::iconPixmap(size).save(dir + QStringLiteral("/tarvinde-%1.png").arg(size))) return 1;
    }
    return 0;
}
