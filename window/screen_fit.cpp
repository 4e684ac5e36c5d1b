#include "screen_fit.h"

#include <QMainWindow>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>

namespace screen_fit {

bool scrollIfTooLarge(QMainWindow* window) {
    const QScreen* screen = window->screen();
    if (!screen) return false;
    const QSize room = screen->availableGeometry().size() - kFrameAllowance;
    const QSize natural = window->size();
    if (natural.width() <= room.width() && natural.height() <= room.height()) return false;

    QWidget* client = window->takeCentralWidget();
    client->resize(client->sizeHint());  // the client keeps its own size and scrolls
    auto* scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("clientScroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    // Beyond the client, when the window is made larger, the same background.
    scroll->setPalette(client->palette());
    scroll->setBackgroundRole(QPalette::Window);
    scroll->setWidget(client);
    window->setCentralWidget(scroll);

    // A bar across takes height, a bar down takes width: ask for both where needed.
    const int bar = scroll->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scroll);
    QSize wanted = natural;
    if (natural.height() > room.height()) wanted.rwidth() += bar;
    if (natural.width() > room.width()) wanted.rheight() += bar;
    window->resize(wanted.boundedTo(room));
    return true;
}

}  // namespace screen_fit
