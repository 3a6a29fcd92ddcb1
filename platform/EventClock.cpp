#include "EventClock.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QTimer>

EventClock::EventClock()
{
    m_elapsed.start();
}

std::uint32_t EventClock::ticks() const
{
    return static_cast<std::uint32_t>(m_elapsed.elapsed());
}

void EventClock::pumpEvents()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void EventClock::pumpUntil(std::uint32_t deadline)
{
    pumpEvents();
    const std::int32_t left = tickDistance(ticks(), deadline);
    if (left <= 0)
        return;
    // The timer's only job is to wake the event loop at the deadline.
    QTimer alarm;
    alarm.setTimerType(Qt::PreciseTimer);
    alarm.setSingleShot(true);
    alarm.start(left);
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}
