#include <QtTest>

#include "PlaybackClock.h"

namespace {

// A clock whose time the test sets.
struct ManualTime {
    qint64 now = 0;
    PlaybackClock clock{[this] { return now; }};
};

} // namespace

class tst_PlaybackClock : public QObject
{
    Q_OBJECT

private slots:
    void playedDelay_data()
    {
        QTest::addColumn<int>("own");
        QTest::addColumn<int>("played");
        QTest::newRow("none") << 0 << 100;
        QTest::newRow("below zero") << -20 << 100;
        QTest::newRow("10 ms") << 10 << 100;
        QTest::newRow("11 ms") << 11 << 11;
        QTest::newRow("40 ms") << 40 << 40;
        QTest::newRow("two seconds") << 2000 << 2000;
    }
    void playedDelay()
    {
        QFETCH(int, own);
        QFETCH(int, played);
        QCOMPARE(PlaybackClock::playedDelay(own), played);
    }

    // Each step is "time:call delay=wait": at that time, start or next with the delay gives
    // the time to wait for the frame after.
    void waits_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::newRow("on time")
            << "0:start 40=40 40:next 40=40 80:next 40=40";
        QTest::newRow("decoding time is not added to the delay")
            << "0:start 40=40 55:next 40=25 80:next 40=40 130:next 40=30";
        QTest::newRow("a late frame is caught up with")
            << "0:start 40=40 90:next 40=0 91:next 40=29 120:next 40=40";
        QTest::newRow("a tenth of a second late is still caught up with")
            << "0:start 40=40 140:next 40=0 140:next 40=0 140:next 40=20";
        QTest::newRow("exactly a tenth of a second late")
            << "0:start 40=40 180:next 40=0 180:next 40=0 180:next 40=0 180:next 40=20";
        QTest::newRow("later than that goes on from now, without a burst")
            << "0:start 40=40 2000:next 40=0 2000:next 40=40 2040:next 40=40";
        QTest::newRow("each frame its own delay")
            << "0:start 30=30 30:next 70=70 100:next 10=10 110:next 200=200";
        QTest::newRow("a restart counts from then")
            << "0:start 40=40 40:next 40=40 500:start 40=40 540:next 40=40";
    }
    void waits()
    {
        QFETCH(QString, steps);
        ManualTime time;
        const QStringList tokens = steps.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        QVERIFY(tokens.size() % 2 == 0);
        for (int i = 0; i < tokens.size(); i += 2) {
            const QStringList when = tokens.at(i).split(QLatin1Char(':'));
            const QStringList delayWait = tokens.at(i + 1).split(QLatin1Char('='));
            time.now = when.at(0).toLongLong();
            const int delay = delayWait.at(0).toInt();
            const int wait = when.at(1) == QLatin1String("start") ? time.clock.start(delay)
                                                                  : time.clock.next(delay);
            QVERIFY2(wait == delayWait.at(1).toInt(),
                     qPrintable(QStringLiteral("at %1 ms: %2 %3 gave %4")
                                    .arg(when.at(0), when.at(1), delayWait.at(0))
                                    .arg(wait)));
        }
    }

    void knownDelayIsTheShortestReading()
    {
        PlaybackClock clock;
        clock.setFrameCount(3);
        QCOMPARE(clock.knownDelay(0), -1);
        clock.noteDelay(1, 250);
        clock.noteDelay(1, 40);
        clock.noteDelay(1, 90);
        QCOMPARE(clock.knownDelay(1), 40);
        clock.noteDelay(2, 100);
        QCOMPARE(clock.knownDelay(2), 100);
        QCOMPARE(clock.knownDelay(0), -1);

        // Frames the animation does not have are not kept.
        clock.noteDelay(3, 40);
        clock.noteDelay(-1, 40);
        QCOMPARE(clock.knownDelay(3), -1);
        QCOMPARE(clock.knownDelay(-1), -1);

        // A new animation starts with nothing known.
        clock.setFrameCount(2);
        QCOMPARE(clock.knownDelay(1), -1);
        clock.setFrameCount(0);
        clock.noteDelay(0, 40);
        QCOMPARE(clock.knownDelay(0), -1);
    }
};

QTEST_MAIN(tst_PlaybackClock)
#include "tst_playbackclock.moc"
