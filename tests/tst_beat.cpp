// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "beat.h"
#include "fakeservices.h"

#include <QtTest>

// The shared beat on a clock the test moves by hand.
class TestBeat : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_now = 0;
        m_beat = std::make_unique<Beat>([this] { return m_now; });
    }
    void cleanup() { m_beat.reset(); }

    void timersFireOnTheBeatNearestTheirTime()
    {
        BeatTimer poll(*m_beat, 60);
        BeatTimer second(*m_beat, 1000);
        QList<qint64> polls, seconds;
        connect(&poll, &BeatTimer::timeout, this, [&] { polls << m_now; });
        connect(&second, &BeatTimer::timeout, this, [&] { seconds << m_now; });
        m_now = 7;  // the beat runs with a phase of its own
        poll.start();
        second.start();
        for (int i = 1; i <= 60; ++i)
            beatAt(60 * i);
        // The 60 ms timer fires on every beat, the first one nearest to 67.
        QCOMPARE(polls.size(), 60);
        QCOMPARE(polls.first(), qint64(60));
        QCOMPARE(polls.last(), qint64(3600));
        // The one-second timer stays within half a beat of each second.
        QCOMPARE(seconds.size(), 3);
        for (int i = 0; i < seconds.size(); ++i)
            QVERIFY2(qAbs(seconds[i] - (7 + 1000 * (i + 1))) <= Beat::period / 2, qPrintable(QString::number(seconds[i])));
    }

    void theBeatRunsOnlyWhileATimerIsActive()
    {
        QVERIFY(!m_beat->timer()->isActive());
        auto first = std::make_unique<BeatTimer>(*m_beat, 60);
        BeatTimer second(*m_beat, 1000);
        QVERIFY(!m_beat->timer()->isActive());
        first->start();
        second.start();
        QVERIFY(m_beat->timer()->isActive());
        QCOMPARE(m_beat->timer()->interval(), Beat::period);
        second.stop();
        QVERIFY(m_beat->timer()->isActive());
        first.reset();  // destroyed while active
        QVERIFY(!m_beat->timer()->isActive());
        second.start();
        QVERIFY(m_beat->timer()->isActive());
    }

    void dueTimersFireInTheOrderTheyWereMade()
    {
        QStringList fired;
        BeatTimer a(*m_beat, 60), b(*m_beat, 60), c(*m_beat, 60);
        connect(&a, &BeatTimer::timeout, this, [&] { fired << "a"; });
        connect(&b, &BeatTimer::timeout, this, [&] { fired << "b"; });
        connect(&c, &BeatTimer::timeout, this, [&] { fired << "c"; });
        c.start();
        a.start();
        b.start();
        beatAt(60);
        QCOMPARE(fired, QStringList({"a", "b", "c"}));
    }

    void aHandlerMayEndOrStartOtherTimers()
    {
        BeatTimer killer(*m_beat, 60);
        auto doomed = std::make_unique<BeatTimer>(*m_beat, 60);
        std::unique_ptr<BeatTimer> late;
        int doomedFired = 0, lateFired = 0;
        connect(&killer, &BeatTimer::timeout, this, [&] {
            doomed.reset();
            if (!late) {
                late = std::make_unique<BeatTimer>(*m_beat, 60);
                connect(late.get(), &BeatTimer::timeout, this, [&] { ++lateFired; });
                late->start();
            }
        });
        killer.start();
        connect(doomed.get(), &BeatTimer::timeout, this, [&] { ++doomedFired; });
        doomed->start();
        beatAt(60);
        QCOMPARE(doomedFired, 0);
        QCOMPARE(lateFired, 0);  // made during the beat, it waits for its time
        beatAt(120);
        QCOMPARE(lateFired, 1);
    }

    void aHeldUpProgramGetsOneTickNotABurst()
    {
        BeatTimer second(*m_beat, 1000);
        int fired = 0;
        connect(&second, &BeatTimer::timeout, this, [&] { ++fired; });
        second.start();
        beatAt(5000);
        QCOMPARE(fired, 1);
        beatAt(5060);
        QCOMPARE(fired, 1);
        beatAt(6000);
        QCOMPARE(fired, 2);
    }

    void stoppedTimersStayQuietAndRestartFromNow()
    {
        BeatTimer second(*m_beat, 1000);
        int fired = 0;
        connect(&second, &BeatTimer::timeout, this, [&] { ++fired; });
        second.start();
        second.stop();
        beatAt(1000);
        QCOMPARE(fired, 0);
        m_now = 1500;
        second.start();
        beatAt(2040);
        QCOMPARE(fired, 0);
        beatAt(2500);
        QCOMPARE(fired, 1);
    }

private:
    void beatAt(qint64 time)
    {
        m_now = time;
        if (!m_beat->timer()->isActive())
            m_beat->timer()->start();
        fireTimer(m_beat->timer());
    }

    qint64 m_now = 0;
    std::unique_ptr<Beat> m_beat;
};

QTEST_MAIN(TestBeat)
#include "tst_beat.moc"
