// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>

class BeatTimer;

// One system timer that drives the periodic timers of every window. Each
// timer keeps its own interval and fires on the beat nearest to when that
// interval has come due, so any number of windows polling every 60 ms and
// every second cost one wake-up of the program per beat instead of one per
// timer. Timers due on the same beat fire in the order they were made.
//
// The beat runs only while some timer on it is active.
class Beat : public QObject
{
    Q_OBJECT
public:
    using Milliseconds = std::function<qint64()>;

    static constexpr int period = 60;

    // now: a steadily rising count of milliseconds; the monotonic clock when
    // not given.
    explicit Beat(Milliseconds now = {}, QObject *parent = nullptr);
    ~Beat() override;

    // The one system timer; a test fires it to run a beat.
    QTimer *timer() { return &m_timer; }

private:
    friend class BeatTimer;
    void add(BeatTimer *timer);
    void remove(BeatTimer *timer);
    void timerStarted();
    void timerStopped();
    void onBeat();
    qint64 now() const { return m_now(); }

    Milliseconds m_now;
    QTimer m_timer;
    QList<QPointer<BeatTimer>> m_timers;
};

// A periodic timer that rides a Beat: started, stopped and asked like a
// QTimer. Its interval should be at least the beat's period; it fires at most
// once per beat.
class BeatTimer : public QObject
{
    Q_OBJECT
public:
    BeatTimer(Beat &beat, int interval, QObject *parent = nullptr);
    ~BeatTimer() override;

    void start();
    void stop();
    bool isActive() const { return m_active; }
    int interval() const { return m_interval; }

signals:
    void timeout();

private:
    friend class Beat;
    void fireIfDue(qint64 now);

    QPointer<Beat> m_beat;
    int m_interval;
    bool m_active = false;
    qint64 m_due = 0;
};
