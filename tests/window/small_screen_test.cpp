// The window on screens of several sizes (an offscreen screen of the size the
// run names): on a small one the client area scrolls inside a window that fits,
// on any other the window is as it always was.

#include <memory>

#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include "recording_box.h"
#include "tarvindr.h"

class SmallScreenTest : public QObject {
    Q_OBJECT

private:
    RecordingBox boxes_;
    std::unique_ptr<Tarvindr> window_;
    bool small_ = false;  // the run says whether its screen is too small for the window

    QLineEdit* box(const char* name) const {
        return window_->findChild<QLineEdit*>(QString::fromLatin1(name));
    }
    QScrollArea* scroll() const { return qobject_cast<QScrollArea*>(window_->centralWidget()); }

    // Whether the whole control lies in the part of the scroll area one sees.
    bool inView(QWidget* control) const {
        QScrollArea* area = scroll();
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
    }

    void windowFitsTheScreen() {
        const QRect available = window_->screen()->availableGeometry();
        QVERIFY2(window_->frameGeometry().width() <= available.width() &&
                     window_->frameGeometry().height() <= available.height(),
                 qPrintable(QStringLiteral("window %1x%2 on %3x%4")
                                .arg(window_->frameGeometry().width())
                                .arg(window_->frameGeometry().height())
                                .arg(available.width())
                                .arg(available.height())));
    }

    void scrollsOnlyWhenSmall() {
        QCOMPARE(scroll() != nullptr, small_);
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
    void wholeClientCanBeReached() {
        if (!small_) QSKIP("the window does not scroll on this screen");
        QScrollBar* down = scroll()->verticalScrollBar();
        QScrollBar* across = scroll()->horizontalScrollBar();
        QWidget* client = scroll()->widget();
        QWidget* viewport = scroll()->viewport();
        down->setValue(0);
        across->setValue(0);
        QCOMPARE(client->mapTo(viewport, QPoint(0, 0)), QPoint(0, 0));
        QVERIFY(inView(box("WelkJaar")));
        down->setValue(down->maximum());
        across->setValue(across->maximum());
        const QPoint corner = client->mapTo(viewport, QPoint(client->width() - 1, client->height() - 1));
        QVERIFY2(viewport->rect().contains(corner), qPrintable(QStringLiteral("corner at %1,%2 in %3x%4")
                                                                   .arg(corner.x())
                                                                   .arg(corner.y())
                                                                   .arg(viewport->width())
                                                                   .arg(viewport->height())));
        for (const char* name : {"TxtCorrecteWeekdag", "TxtMaand", "Oudjaarsavond"})
            QVERIFY2(inView(box(name)), name);
    }

    // Tabbing to a box below the fold scrolls it into view.
    void tabScrollsToTheFocus() {
        if (!small_) QSKIP("the window does not scroll on this screen");
        scroll()->verticalScrollBar()->setValue(0);
        box("WelkJaar")->setFocus();
        QVERIFY(!inView(box("TxtDag")));
        for (const char* name : {"cmdPlus1", "CmdMin1", "TxtDag"}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(name));
        }
        QVERIFY(inView(box("TxtDag")));
    }

    // The window works as before: Easter 2000 fell on 23 April.
    void stillCalculates() {
        box("WelkJaar")->setText(QStringLiteral("2000"));
        QCOMPARE(box("Pasen")->text(), QStringLiteral("zondag 23 april 2000"));
    }
};

QTEST_MAIN(SmallScreenTest)
#include "small_screen_test.moc"
