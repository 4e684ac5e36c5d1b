#include "screen_fit.h"

#include <QLayout>
#include <QMainWindow>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>

namespace screen_fit {

bool fitToScreen(QMainWindow* window, QSize wanted, QSize smallest) {
    wanted = wanted.expandedTo(smallest);
    const QScreen* screen = window->screen();
    if (!screen) {
        window->resize(wanted);
        return false;
    }
    const QSize room = screen->availableGeometry().size() - kFrameAllowance;
    if (smallest.width() <= room.width() && smallest.height() <= room.height()) {
        window->resize(wanted.boundedTo(room));
        return false;
    }

    QWidget* client = window->takeCentralWidget();
    // A client with a layout shrinks to the layout's minimum; one without places
    // its controls itself and needs its preferred size. Beyond that it scrolls,
    // and it takes whatever room the window has to spare.
    client->setMinimumSize(client->layout() ? client->minimumSizeHint() : client->sizeHint());
    auto* scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("clientScroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    // Beyond the client, when the window is made larger, the same background.
    scroll->setPalette(client->palette());
    scroll->setBackgroundRole(QPalette::Window);
    scroll->setWidgetResizable(true);
    scroll->setWidget(client);
    window->setCentralWidget(scroll);

    // A bar across takes height, a bar down takes width: ask for both where needed.
    const int bar = scroll->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scroll);
    if (wanted.height() > room.height()) wanted.rwidth() += bar;
    if (wanted.width() > room.width()) wanted.rheight() += bar;
    window->resize(wanted.boundedTo(room));
    return true;
}

}  // namespace screen_fit
