#include <QtTest>

#include <QApplication>
#include <QSemaphore>
#include <QThread>
#include <QWindow>

#include "BrvTest.h"
#include "QProgressIndicator.h"
#include "QWaitingDialog.h"

namespace {
const QColor kBackground(Qt::white);
const QColor kBar(Qt::red);

QImage paintedIndicator(QProgressIndicator &indicator, const QSize &size)
{
    indicator.resize(size);
    indicator.setColor(kBar);
    QPalette palette = indicator.palette();
    palette.setColor(QPalette::Window, kBackground);
    indicator.setPalette(palette);
    indicator.setAutoFillBackground(true);
    return indicator.grab().toImage();
}
} // namespace

class tst_ProgressIndicator : public QObject
{
    Q_OBJECT

private slots:
    void defaults()
    {
        QProgressIndicator indicator(nullptr);
        QVERIFY(!indicator.isAnimated());
        QVERIFY(!indicator.isDisplayedWhenStopped());
        QCOMPARE(indicator.animationDelay(), 40);
        QCOMPARE(indicator.color(), QColor(Qt::black));
        QCOMPARE(indicator.sizeHint(), QSize(20, 20));
        QCOMPARE(indicator.heightForWidth(33), 33);
        QCOMPARE(indicator.sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
        QCOMPARE(indicator.focusPolicy(), Qt::NoFocus);
    }

    // The leading bar points straight up from the centre: inside its length it is the bar's
    // colour, inside the inner radius and beside the bar it is the background.
    void barGeometry_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QPoint>("onBar");
        QTest::addColumn<QList<QPoint>>("offBar");
        // 80 x 80: outer 39, inner 15, bars 24 long and 5 wide about (39, 39).
        QTest::newRow("80 x 80") << QSize(80, 80) << QPoint(39, 12)
                                 << QList<QPoint>{{39, 30}, {34, 12}, {44, 12}};
        // 20 x 20: outer 9, inner 3, bars 6 long and 2 wide about (9, 9).
        QTest::newRow("20 x 20") << QSize(20, 20) << QPoint(9, 3)
                                 << QList<QPoint>{{9, 8}, {9, 11}};
        // 100 x 40 uses d = 40: outer 19, inner 7, bars 12 long and 2 wide about (49, 19).
        QTest::newRow("100 x 40") << QSize(100, 40) << QPoint(49, 5)
                                  << QList<QPoint>{{49, 15}, {46, 5}, {51, 5}};
    }
    void barGeometry()
    {
        QFETCH(QSize, size);
        QFETCH(QPoint, onBar);
        QFETCH(QList<QPoint>, offBar);
        QProgressIndicator indicator;
        indicator.setDisplayedWhenStopped(true);
        const QImage image = paintedIndicator(indicator, size);
        QCOMPARE(image.size(), size);
        QCOMPARE(image.pixelColor(onBar), kBar);
        for (const QPoint &p : offBar)
            QCOMPARE(image.pixelColor(p), kBackground);
    }

    void paintsOnlyWhenRunningOrAsked()
    {
        QProgressIndicator indicator;
        const QPoint onBar(39, 12);
        QCOMPARE(paintedIndicator(indicator, QSize(80, 80)).pixelColor(onBar), kBackground);

        indicator.startAnimation();
        QCOMPARE(paintedIndicator(indicator, QSize(80, 80)).pixelColor(onBar), kBar);

        // One tick turns the pattern 30 degrees: the fading second bar now points up.
        QTimerEvent tick(0);
        QCoreApplication::sendEvent(&indicator, &tick);
        QCOMPARE(indicator.angle(), 30);
        indicator.stopAnimation();
        QCOMPARE(paintedIndicator(indicator, QSize(80, 80)).pixelColor(onBar), kBackground);

        // Stopped but displayed: still, where it stopped.
        indicator.setDisplayedWhenStopped(true);
        const QColor faded = paintedIndicator(indicator, QSize(80, 80)).pixelColor(onBar);
        QVERIFY(faded != kBar && faded != kBackground);
        QCOMPARE(faded.red(), 255);
        QCOMPARE(indicator.angle(), 30);
    }

    void ticksWrapAround()
    {
        QProgressIndicator indicator;
        for (int i = 0; i < 13; ++i) {
            QTimerEvent tick(0);
            QCoreApplication::sendEvent(&indicator, &tick);
        }
        QCOMPARE(indicator.angle(), 30);
    }

    void restartKeepsTheTimer()
    {
        QProgressIndicator indicator;
        indicator.setAnimationDelay(5);
        indicator.startAnimation();
        QTRY_VERIFY_WITH_TIMEOUT(indicator.angle() != 0, BrvTest::kEventTimeoutMs);
        indicator.startAnimation();
        QCOMPARE(indicator.angle(), 0);
        QVERIFY(indicator.isAnimated());
        // The same timer keeps ticking.
        QTRY_VERIFY_WITH_TIMEOUT(indicator.angle() != 0, BrvTest::kEventTimeoutMs);
        indicator.stopAnimation();
        QVERIFY(!indicator.isAnimated());
    }

    void delayOfAStoppedIndicator()
    {
        QProgressIndicator indicator;
        indicator.setAnimationDelay(7);
        QVERIFY(!indicator.isAnimated());
        QCOMPARE(indicator.property("delay").toInt(), 7);
        indicator.startAnimation();
        QVERIFY(indicator.isAnimated());
        indicator.setAnimationDelay(9);
        QVERIFY(indicator.isAnimated());
        QTRY_VERIFY_WITH_TIMEOUT(indicator.angle() != 0, BrvTest::kEventTimeoutMs);
    }

    void waitingDialogForm()
    {
        QWidget page;
        QWaitingDialog dialog(&page);
        QCOMPARE(dialog.objectName(), QStringLiteral("QWaitingDialog"));
        QCOMPARE(dialog.size(), QSize(104, 104));
        QVERIFY(dialog.isModal());
        QVERIFY(dialog.isWindow());
        QVERIFY(dialog.windowFlags() & Qt::FramelessWindowHint);
        auto *indicator =
            dialog.findChild<QProgressIndicator *>(QStringLiteral("progressIndictor"));
        QVERIFY(indicator);
        QCOMPARE(indicator->minimumSize(), QSize(80, 80));
        QCOMPARE(indicator->maximumSize(), QSize(80, 80));
        QCOMPARE(indicator->color(), QColor(Qt::white));
        QVERIFY(indicator->isAnimated());
    }

    // The worker's end closes the dialog; Escape and the window manager cannot, also when the
    // caller sets no window flags of its own.
    void waitingDialogHoldsUntilTheThreadEnds()
    {
        QWidget page;
        page.show();
        QWaitingDialog dialog(&page);
        QSemaphore go;
        std::unique_ptr<QThread> thread(QThread::create([&go]() { go.acquire(); }));
        connect(thread.get(), &QThread::finished, &dialog, &QWaitingDialog::close);

        bool wasModal = false;
        bool afterEscape = false;
        bool afterWindowClose = false;
        BrvTest::answerNextModal([&](QWidget *modal) {
            wasModal = modal == &dialog && modal->isWindow();
            QTest::keyClick(modal, Qt::Key_Escape);
            afterEscape = modal->isVisible();
            if (modal->windowHandle())
                modal->windowHandle()->close();
            afterWindowClose = modal->isVisible();
            go.release();
            if (!afterEscape || !afterWindowClose)
                thread->wait();
        });
        thread->start();
        QTimer guard;
        guard.setSingleShot(true);
        connect(&guard, &QTimer::timeout, &dialog, [&]() {
            go.release();
            dialog.done(QDialog::Rejected);
        });
        guard.start(10000);
        dialog.exec();
        guard.stop();
        thread->wait();

        QVERIFY(wasModal);
        QVERIFY(afterEscape);
        QVERIFY(afterWindowClose);
        QVERIFY(!dialog.isVisible());
    }

    // Under the dark style the waiting dialog shows its white spinner in the middle of a dark,
    // rounded box, the leading bar straight up; a plain indicator spins in its own colour.
    void waitingDialogShowsItsSpinner()
    {
        BrvTest::applyDarkStyle();
        QWidget page;
        page.resize(200, 200);
        QWaitingDialog dialog(&page);
        const QImage shown = dialog.grab().toImage();
        BrvTest::saveScreenshot(&dialog, QStringLiteral("waitingdialog"));
        auto *spinner = dialog.findChild<QProgressIndicator *>();
        const QPoint origin = spinner->mapTo(&dialog, QPoint(0, 0));
        QCOMPARE(QRect(origin, spinner->size()), QRect(12, 12, 80, 80));
        QCOMPARE(shown.pixelColor(origin + QPoint(39, 12)), QColor(Qt::white));
        // Inside the inner radius the spinner's ground is dark; the box round it is dark and
        // see-through, and its rounded corners are left out.
        QVERIFY(shown.pixelColor(origin + QPoint(39, 39)).lightness() < 64);
        for (const QPoint &p : {QPoint(51, 4), QPoint(4, 51), QPoint(99, 51)}) {
            const QColor box = shown.pixelColor(p);
            QVERIFY2(box.lightness() < 64 && box.alpha() > 0 && box.alpha() < 255,
                     qPrintable(box.name(QColor::HexArgb)));
        }
        QCOMPARE(shown.pixelColor(0, 0).alpha(), 0);

        QProgressIndicator indicator;
        indicator.resize(80, 80);
        indicator.startAnimation();
        const QImage spinning = indicator.grab().toImage();
        BrvTest::saveScreenshot(&indicator, QStringLiteral("progressindicator"));
        QCOMPARE(spinning.pixelColor(39, 12), QColor(Qt::black));
        QVERIFY(spinning.pixelColor(39, 39) != QColor(Qt::black));
        qApp->setStyleSheet(QString());
    }
};

QTEST_MAIN(tst_ProgressIndicator)
#include "tst_progressindicator.moc"
