#include "EventClock.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QTimer>

#include <thread>

namespace zand {

using namespace std::chrono_literals;

namespace {
constexpr std::int64_t NsPerTick = 1'000'000;

// Qt's timers count whole milliseconds from a moment inside the current
// millisecond, and the event loop rounds its wait up to a whole millisecond
// again, so an alarm set for the deadline rings up to two milliseconds after
// it. A frame that starts a millisecond late starts its own 25 ms that much
// later, and a spin would grow by half a millisecond a frame. The alarm rings
// within this margin before the deadline instead, and the rest is slept.
constexpr std::chrono::nanoseconds AlarmMargin = 2ms;
}

EventClock::EventClock()
{
    m_elapsed.start();
}

std::uint32_t EventClock::ticks() const
{
    return static_cast<std::uint32_t>(m_elapsed.elapsed());
}

std::chrono::nanoseconds EventClock::untilDeadline(std::uint32_t deadline) const
{
    const std::int64_t now = m_elapsed.nsecsElapsed();
    const auto nowTicks = static_cast<std::uint32_t>(now / NsPerTick);
    return std::chrono::nanoseconds(std::int64_t(tickDistance(nowTicks, deadline)) * NsPerTick
                                    - now % NsPerTick);
}

void EventClock::pumpEvents()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void EventClock::pumpUntil(std::uint32_t deadline)
{
    pumpEvents();
    std::chrono::nanoseconds left = untilDeadline(deadline);
    if (left >= AlarmMargin) {
        // The timer's only job is to wake the event loop; it rings between
        // one and two milliseconds before the deadline.
        QTimer alarm;
        alarm.setTimerType(Qt::PreciseTimer);
        alarm.setSingleShot(true);
        alarm.start(std::chrono::duration_cast<std::chrono::milliseconds>(left) - 1ms);
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        left = untilDeadline(deadline);
    }
    // Window events wait at most this short stretch.
    if (left > 0ns && left < AlarmMargin)
        std::this_thread::sleep_for(left);
}

} // namespace zand
