// SPDX-License-Identifier: MIT
#include "support/mainwindowfixture.h"
#include "widgets/captionlabel.h"

#include <QApplication>
#include <QMouseEvent>

// The window on a screen of twice the usual density.
class tst_HighDensity : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        f = std::make_unique<MainWindowFixture>();
        f->start();
    }
    void cleanup() { f.reset(); }

    void layoutKeepsItsPlaces();
    void releaseAtAFractionalPositionPicksThePointUnderIt();

private:
    std::unique_ptr<MainWindowFixture> f;
};

void tst_HighDensity::layoutKeepsItsPlaces()
{
    QCOMPARE(f->window->devicePixelRatio(), 2.0);
    QCOMPARE(f->window->size(), QSize(619, 547));
    QCOMPARE(f->control("picGraphic")->geometry(), QRect(336, 128, 256, 256));
    QCOMPARE(f->control("cboWhatToCopy")->pos(), QPoint(196, 472));
}

void tst_HighDensity::releaseAtAFractionalPositionPicksThePointUnderIt()
{
    QWidget *plane = f->control("picGraphic");
    const QPointF at(10.5, 20.5); // the lower right device pixel of point (10, 20)
    QMouseEvent press(QEvent::MouseButtonPress, at, plane->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, plane->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(plane, &press);
    QApplication::sendEvent(plane, &release);
    // Green base: x is blue, y is red.
    QCOMPARE(f->caption("lblRedDecimal"), "20");
    QCOMPARE(f->caption("lblBlueDecimal"), "10");
}

int main(int argc, char **argv)
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    tst_HighDensity test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_highdensity.moc"
