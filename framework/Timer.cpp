#include "framework/Timer.h"

#include "base/ErrorFrame.h"
#include "core/GrowableArray.h"

#include <QObject>
#include <QTimerEvent>

namespace {

GrowableArray<Timer*>& running()
{
    static GrowableArray<Timer*> timers;
    return timers;
}

// Receives the platform's timer events for every framework timer.
class TimerHost : public QObject {
protected:
    void timerEvent(QTimerEvent* event) override { Timer::deliver(event->timerId()); }
};

TimerHost& host()
{
    static TimerHost timers;
    return timers;
}

} // namespace

Timer::~Timer()
{
    stop();
}

bool Timer::start(int intervalMs, Precision precision)
{
    stop();
    int id = host().startTimer(intervalMs, precision == Precision::precise ? Qt::PreciseTimer : Qt::CoarseTimer);
    if (id == 0)
        return false;
    m_id = id;
    running().append(this);
    return true;
}

void Timer::stop()
{
    if (m_id == 0)
        return;
    host().killTimer(m_id);
    m_id = 0;
    running().removeAt(running().indexOf(this));
}

void Timer::fire()
{
    if (m_target && m_target->tick(*this))
        stop();
}

uint32_t Timer::runningCount()
{
    return running().count();
}

bool Timer::deliver(int id)
{
    for (uint32_t i = 0; i < running().count(); ++i) {
        Timer* timer = running()[i];
        if (timer->m_id == id) {
            guardCallback([timer] { timer->fire(); });
            return true;
        }
    }
    host().killTimer(id);
    return false;
}
