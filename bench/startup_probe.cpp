// The program's start-up, cut short: creates the application and the window as
// main() does, and exits as soon as the window is first exposed. Run by
// bench_window_startup as a fresh process.

#include <QApplication>
#include <QTimer>
#include <QWindow>

#include "tarvindr.h"

namespace {

class FirstExpose : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed())
            QApplication::exit(0);
        return false;
    }
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    Tarvindr window;
    window.winId();  // the native window exists now, so its expose can be watched
    FirstExpose watcher;
    window.windowHandle()->installEventFilter(&watcher);
    window.show();
    if (window.windowHandle()->isExposed()) return 0;
    QTimer giveUp;  // a window that is never exposed fails the benchmark instead of hanging it
    giveUp.setSingleShot(true);
    QObject::connect(&giveUp, &QTimer::timeout, [] { QApplication::exit(1); });
    giveUp.start(10000);
    return QApplication::exec();
}
