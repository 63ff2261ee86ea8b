#include <QtTest>

#include <QLabel>
#include <QLayout>
#include <QPointer>

#include "BrvTest.h"
#include "QToast.h"

namespace {
// A 400 x 300 parent on screen, with a fixed-size toast inside.
struct Stage
{
    QWidget parent;
    QToast *toast;

    explicit Stage(const QSize &toastSize = QSize(100, 40))
    {
        parent.resize(400, 300);
        toast = new QToast(&parent);
        toast->setFixedSize(toastSize);
        toast->move(7, 9);
        parent.show();
    }
};
} // namespace

class tst_Toast : public QObject
{
    Q_OBJECT

private slots:
    void windowSetUp()
    {
        QWidget parent;
        QToast inside(&parent);
        QCOMPARE(inside.windowFlags() & ~Qt::Dialog, Qt::FramelessWindowHint | Qt::Widget);
        QToast alone;
        QVERIFY(alone.windowFlags().testFlag(Qt::Tool));
        QVERIFY(alone.windowFlags().testFlag(Qt::FramelessWindowHint));
        for (QToast *toast : {&inside, &alone}) {
            QVERIFY(toast->testAttribute(Qt::WA_TranslucentBackground));
            QVERIFY(toast->testAttribute(Qt::WA_AlwaysStackOnTop));
            QCOMPARE(toast->timeout(), -1);
            QVERIFY(toast->isAnimated());
            QVERIFY(!toast->deletesOnHide());
            QCOMPARE(toast->relativeX(), -1.0);
        }
    }

    void fadesInOnlyWhenAsked()
    {
        Stage stage;
        stage.toast->show();
        QTest::qWait(300);
        QCOMPARE(stage.toast->opacity(), 0.0);
        stage.toast->StartShowAnimation();
        QVERIFY(stage.toast->isVisible());
        QTRY_COMPARE_WITH_TIMEOUT(stage.toast->opacity(), 1.0, BrvTest::kEventTimeoutMs);
    }

    void placing_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<QPointF>("stored");
        QTest::addColumn<QPoint>("position");
        QTest::newRow("not placed") << -1.0 << -1.0 << QPointF(-1, -1) << QPoint(7, 9);
        QTest::newRow("centred") << 0.5 << 0.5 << QPointF(0.5, 0.5) << QPoint(150, 130);
        QTest::newRow("out of range") << -0.3 << 2.0 << QPointF(-1, 1) << QPoint(7, 9);
        QTest::newRow("right edge") << 1.0 << 0.25 << QPointF(1, 0.25) << QPoint(350, 55);
        QTest::newRow("truncated") << 0.3 << 0.3 << QPointF(0.3, 0.3) << QPoint(70, 70);
    }
    void placing()
    {
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(QPointF, stored);
        QFETCH(QPoint, position);
        Stage stage;
        if (x == 0.5 && y == 0.5)
            stage.toast->setCentered();
        else
            stage.toast->setRelativePosition(x, y);
        QCOMPARE(QPointF(stage.toast->relativeX(), stage.toast->relativeY()), stored);
        stage.toast->show();
        QCOMPARE(stage.toast->pos(), position);
    }

    void hiding_data()
    {
        QTest::addColumn<int>("timeout");
        QTest::addColumn<int>("hideAfter");
        QTest::addColumn<bool>("hides");
        QTest::newRow("timeout 0 never hides") << 0 << -1 << false;
        QTest::newRow("hideAfter 0 does nothing") << -1 << 0 << false;
        QTest::newRow("timeout 200") << 200 << -1 << true;
        QTest::newRow("hideAfter 150") << -1 << 150 << true;
    }
    void hiding()
    {
        QFETCH(int, timeout);
        QFETCH(int, hideAfter);
        QFETCH(bool, hides);
        Stage stage;
        stage.toast->setAnimated(false);
        stage.toast->setTimeout(timeout);
        stage.toast->show();
        if (hideAfter >= 0)
            stage.toast->hideAfter(hideAfter);
        if (hides) {
            QTRY_VERIFY_WITH_TIMEOUT(!stage.toast->isVisible(), BrvTest::kEventTimeoutMs);
        } else {
            QTest::qWait(400);
            QVERIFY(stage.toast->isVisible());
        }
    }

    // The hide waits for the toast to be fully shown, so that a late show animation cannot
    // leave it nothing to fade from.
    void animatedHideFadesOut()
    {
        Stage stage;
        stage.toast->StartShowAnimation();
        QTRY_COMPARE_WITH_TIMEOUT(stage.toast->opacity(), 1.0, BrvTest::kEventTimeoutMs);
        stage.toast->scheduleHide(50);
        QTRY_VERIFY_WITH_TIMEOUT(!stage.toast->isVisible(), BrvTest::kEventTimeoutMs);
        QCOMPARE(stage.toast->opacity(), 0.0);
    }

    void deleteOnHide()
    {
        Stage stage;
        QPointer<QToast> toast = stage.toast;
        toast->setAnimated(false);
        toast->setDeleteOnHide(true);
        toast->setTimeout(50);
        toast->show();
        QTRY_VERIFY_WITH_TIMEOUT(toast.isNull(), BrvTest::kEventTimeoutMs);
    }

    void scheduledHideOfDeletedToastDoesNothing()
    {
        Stage stage;
        QPointer<QToast> toast = stage.toast;
        toast->show();
        toast->scheduleHide(50);
        delete toast.data();
        QTest::qWait(150);
        QVERIFY(toast.isNull());
        QCOMPARE(stage.parent.children().size(), 0);
    }

    // A second content takes the first one's place in the toast's one layout.
    void secondWidgetReplacesFirst()
    {
        Stage stage;
        auto *first = new QLabel(QStringLiteral("first"));
        stage.toast->setWidget(first);
        QPointer<QLabel> firstGuard = first;
        QLayout *layout = stage.toast->layout();
        QVERIFY(layout);
        QCOMPARE(layout->contentsMargins(), QMargins());
        QCOMPARE(layout->spacing(), 0);
        auto *second = new QLabel(QStringLiteral("second"));
        stage.toast->setWidget(second);
        QCOMPARE(stage.toast->layout(), layout);
        QCOMPARE(stage.toast->widget(), second);
        QCOMPARE(layout->count(), 1);
        QCOMPARE(layout->itemAt(0)->widget(), second);
        QCOMPARE(second->parentWidget(), stage.toast);
        QTRY_VERIFY_WITH_TIMEOUT(firstGuard.isNull(), BrvTest::kEventTimeoutMs);
        stage.toast->setWidget(nullptr);
        QCOMPARE(stage.toast->widget(), second);
    }

    void toastOverItsParent()
    {
        BrvTest::applyDarkStyle();
        QWidget parent;
        parent.resize(400, 300);
        parent.setAutoFillBackground(true);
        auto *toast = new QToast(&parent);
        auto *label = new QLabel(QStringLiteral("3 photos converted"));
        label->setStyleSheet(QStringLiteral(
            "background: rgba(0, 0, 0, 200); color: white; padding: 10px; border-radius: 6px;"));
        toast->setWidget(label);
        toast->setCentered();
        toast->adjustSize();
        parent.show();
        toast->StartShowAnimation();
        QTRY_COMPARE_WITH_TIMEOUT(toast->opacity(), 1.0, BrvTest::kEventTimeoutMs);
        const QImage shot = parent.grab().toImage();
        const QRect area = toast->geometry();
        QVERIFY(qAbs(area.center().x() - 200) <= 1);
        QVERIFY(qAbs(area.center().y() - 150) <= 1);
        // The tip's dark box is drawn over the parent's background at its centre.
        QVERIFY(shot.pixelColor(area.left() + 3, area.center().y()).lightness() < 30);
        BrvTest::saveScreenshot(&parent, QStringLiteral("toast"));
    }
};

QTEST_MAIN(tst_Toast)
#include "tst_toast.moc"
