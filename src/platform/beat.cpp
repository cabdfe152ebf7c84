// SPDX-FileCopyrightText: 2026 Ombrano developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "beat.h"

#include <QElapsedTimer>

namespace {

Beat::Milliseconds monotonic()
{
    return [clock = QElapsedTimer()]() mutable {
        if (!clock.isValid())
            clock.start();
        return clock.elapsed();
    };
}

} // namespace

Beat::Beat(Milliseconds now, QObject *parent) : QObject(parent), m_now(now ? std::move(now) : monotonic())
{
    m_timer.setInterval(period);
    connect(&m_timer, &QTimer::timeout, this, &Beat::onBeat);
}

Beat::~Beat() = default;

void Beat::add(BeatTimer *timer)
{
    m_timers.append(timer);
}

void Beat::remove(BeatTimer *timer)
{
    m_timers.removeAll(timer);
    timerStopped();
}

void Beat::timerStarted()
{
    if (!m_timer.isActive())
        m_timer.start();
}

void Beat::timerStopped()
{
    for (const QPointer<BeatTimer> &timer : std::as_const(m_timers)) {
        if (timer && timer->isActive())
            return;
    }
    m_timer.stop();
}

void Beat::onBeat()
{
    const qint64 time = now();
    // A handler may close windows or open new ones; timers made during this
    // beat wait for the next.
    const QList<QPointer<BeatTimer>> timers = m_timers;
    for (const QPointer<BeatTimer> &timer : timers) {
        if (timer)
            timer->fireIfDue(time);
    }
}

BeatTimer::BeatTimer(Beat &beat, int interval, QObject *parent)
    : QObject(parent), m_beat(&beat), m_interval(interval)
{
    beat.add(this);
}

BeatTimer::~BeatTimer()
{
    m_active = false;
    if (m_beat)
        m_beat->remove(this);
}

void BeatTimer::start()
{
    if (!m_beat)
        return;
    m_active = true;
    m_due = m_beat->now() + m_interval;
    m_beat->timerStarted();
}

void BeatTimer::stop()
{
    if (!m_active)
        return;
    m_active = false;
    if (m_beat)
        m_beat->timerStopped();
}

void BeatTimer::fireIfDue(qint64 now)
{
    // Due on the beat nearest to its time: no more than half a beat early.
    if (!m_active || now < m_due - Beat::period / 2)
        return;
    m_due += m_interval;
    // After the program was held up, go on from now instead of catching up
    // with a burst of ticks.
    if (m_due <= now)
        m_due = now + m_interval;
    emit timeout();
}
