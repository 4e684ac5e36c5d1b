// The main window and the feast window on screens of several sizes (an
// offscreen screen of the size the run names): on a small one the client area
// scrolls inside a window that fits, on any other the window is as it always was.

#include <memory>

#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include "feestkalender.h"
#include "recording_box.h"
#include "tarvindr.h"

class SmallScreenTest : public QObject {
    Q_OBJECT

private:
    RecordingBox boxes_;
    std::unique_ptr<Tarvindr> window_;
    bool small_ = false;              // the run says whether its screen is too small for the window
    Feestkalender* feast_ = nullptr;  // opened from the main window with Ctrl+K

    QLineEdit* box(const char* name) const {
        return window_->findChild<QLineEdit*>(QString::fromLatin1(name));
    }
    QMainWindow* window(bool feast) const {
        return feast ? feast_ : static_cast<QMainWindow*>(window_.get());
    }
    QScrollArea* scroll(bool feast = false) const {
        return qobject_cast<QScrollArea*>(window(feast)->centralWidget());
    }
    QWidget* control(bool feast, const QString& name) const {
        return window(feast)->findChild<QWidget*>(name);
    }
    // The two windows, each with controls at its top left and at its bottom right.
    static void bothWindows() {
        QTest::addColumn<bool>("feast");
        QTest::addColumn<QString>("top");
        QTest::addColumn<QStringList>("bottom");
        QTest::addColumn<QStringList>("tabs");  // from a box in view at the top to one out of view
        QTest::newRow("main window") << false << "WelkJaar"
                                     << QStringList{"TxtCorrecteWeekdag", "TxtMaand", "Oudjaarsavond"}
                                     << QStringList{"WelkJaar", "cmdPlus1", "CmdMin1", "TxtDag"};
        QTest::newRow("feast window") << true << "Jaar" << QStringList{"Modern"}
                                      << QStringList{"StijlDag", "StijlMaand", "StijlJaar", "Stijl"};
    }

    // Whether the whole control lies in the part of the scroll area one sees.
    bool inView(QWidget* control, bool feast = false) const {
        QScrollArea* area = scroll(feast);
        const QRect seen = area->viewport()->rect();
        const QRect where(control->mapTo(area->viewport(), QPoint(0, 0)), control->size());
        return seen.contains(where);
    }

private slots:
    void initTestCase() {
        small_ = qEnvironmentVariableIntValue("TARVINDE_SMALL_SCREEN") == 1;
        window_ = std::make_unique<Tarvindr>(&boxes_);
        window_->show();
        QApplication::setActiveWindow(window_.get());
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        QTest::keyClick(window_.get(), Qt::Key_K, Qt::ControlModifier);
        feast_ = window_->findChild<Feestkalender*>();
        QVERIFY(feast_ && QTest::qWaitForWindowExposed(feast_));
    }

    void windowFitsTheScreen_data() { bothWindows(); }
    void windowFitsTheScreen() {
        QFETCH(bool, feast);
        const QRect available = window(feast)->screen()->availableGeometry();
        const QRect frame = window(feast)->frameGeometry();
        QVERIFY2(frame.width() <= available.width() && frame.height() <= available.height(),
                 qPrintable(QStringLiteral("window %1x%2 on %3x%4")
                                .arg(frame.width())
                                .arg(frame.height())
                                .arg(available.width())
                                .arg(available.height())));
    }

    void scrollsOnlyWhenSmall() {
        QCOMPARE(scroll() != nullptr, small_);
        // The feast window's client, in a scroll area or not, keeps at least the
        // smallest size at which its layout shows every control.
        QCOMPARE(scroll(true) != nullptr, small_);
        const QWidget* feastClient = small_ ? scroll(true)->widget() : feast_->centralWidget();
        QCOMPARE(feastClient->objectName(), QStringLiteral("client"));
        QVERIFY(feastClient->width() >= feastClient->minimumSizeHint().width());
        QVERIFY(feastClient->height() >= feastClient->minimumSizeHint().height());
        if (!small_) {
            QCOMPARE(window_->centralWidget()->objectName(), QStringLiteral("client"));
            QCOMPARE(window_->centralWidget()->size(), QSize(385, 488));
            return;
        }
        // The client inside keeps its size (5775 x 7320 twips) and its controls
        // their places: the finder's answer at 240, 6840 twips, 5295 x 375.
        QWidget* client = scroll()->widget();
        QCOMPARE(client->objectName(), QStringLiteral("client"));
        QCOMPARE(client->size(), QSize(385, 488));
        QCOMPARE(box("TxtCorrecteWeekdag")->geometry(), QRect(16, 456, 353, 25));
        QCOMPARE(box("WelkJaar")->geometry(), QRect(272, 7, 105, 40));
        QVERIFY(scroll()->verticalScrollBar()->maximum() > 0);
    }

    // Scrolled to the top left the client's corner shows, scrolled to the end its
    // bottom right corner: every control can be brought into view.
    void wholeClientCanBeReached_data() { bothWindows(); }
    void wholeClientCanBeReached() {
        QFETCH(bool, feast);
        QFETCH(QString, top);
        QFETCH(QStringList, bottom);
        if (!small_) QSKIP("the window does not scroll on this screen");
        QVERIFY(scroll(feast));
        QScrollBar* down = scroll(feast)->verticalScrollBar();
        QScrollBar* across = scroll(feast)->horizontalScrollBar();
        QWidget* client = scroll(feast)->widget();
        QWidget* viewport = scroll(feast)->viewport();
        down->setValue(0);
        across->setValue(0);
        QCOMPARE(client->mapTo(viewport, QPoint(0, 0)), QPoint(0, 0));
        QVERIFY(inView(control(feast, top), feast));
        down->setValue(down->maximum());
        across->setValue(across->maximum());
        const QPoint corner = client->mapTo(viewport, QPoint(client->width() - 1, client->height() - 1));
        QVERIFY2(viewport->rect().contains(corner), qPrintable(QStringLiteral("corner at %1,%2 in %3x%4")
                                                                   .arg(corner.x())
                                                                   .arg(corner.y())
                                                                   .arg(viewport->width())
                                                                   .arg(viewport->height())));
        // Each control at the bottom can be scrolled to, wherever across it lies:
        // whole, or from its start where it is wider than the view (a label as
        // wide as the feast table beside the note column).
        for (const QString& name : bottom) {
            QWidget* shown = control(feast, name);
            scroll(feast)->ensureWidgetVisible(shown, 0, 0);
            QWidget* view = scroll(feast)->viewport();
            const bool wider = shown->width() > view->width();
            if (wider) across->setValue(shown->mapTo(client, QPoint(0, 0)).x());
            QVERIFY2(
                inView(shown, feast) || (wider && view->rect().contains(shown->mapTo(view, QPoint(0, 0)))),
                qPrintable(QStringLiteral("%1: %2 wide in a view of %3")
                               .arg(name)
                               .arg(shown->width())
                               .arg(view->width())));
        }
    }

    // Tabbing to a box below the fold scrolls it into view.
    void tabScrollsToTheFocus_data() { bothWindows(); }
    void tabScrollsToTheFocus() {
        QFETCH(bool, feast);
        QFETCH(QStringList, tabs);
        if (!small_) QSKIP("the window does not scroll on this screen");
        QVERIFY(scroll(feast));
        QApplication::setActiveWindow(window(feast));
        QVERIFY(QTest::qWaitForWindowActive(window(feast)));
        scroll(feast)->verticalScrollBar()->setValue(0);
        control(feast, tabs.first())->setFocus();
        QVERIFY(!inView(control(feast, tabs.last()), feast));
        for (const QString& name : tabs.mid(1)) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), name);
        }
        QVERIFY(inView(control(feast, tabs.last()), feast));
    }

    // The window works as before: Easter 2000 fell on 23 April.
    void stillCalculates() {
        box("WelkJaar")->setText(QStringLiteral("2000"));
        QCOMPARE(box("Pasen")->text(), QStringLiteral("zondag 23 april 2000"));
    }
};

QTEST_MAIN(SmallScreenTest)
#include "small_screen_test.moc"
