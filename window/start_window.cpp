#include <QLineEdit>

#include "start_options.h"
#include "tarvindr.h"

void applyStartOptions(Tarvindr& window, const StartOptions& options) {
    if (options.region) window.chooseRegion(*options.region);
    if (options.year)
        window.findChild<QLineEdit*>(QStringLiteral("WelkJaar"))
            ->setText(QString::fromStdString(*options.year));
}
