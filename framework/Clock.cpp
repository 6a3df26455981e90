#include "framework/Clock.h"

#include <QGuiApplication>
#include <QStyleHints>

#include <chrono>

namespace {

class SystemClock final : public Clock {
public:
    int64_t now() const override
    {
        using namespace std::chrono;
        return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    }
};

const SystemClock systemClock;
const Clock* installed = &systemClock;

} // namespace

const Clock& Clock::current()
{
    return *installed;
}

const Clock* Clock::install(const Clock* clock)
{
    const Clock* previous = installed;
    installed = clock ? clock : &systemClock;
    return previous;
}

int Clock::doubleClickTime()
{
    return QGuiApplication::styleHints()->mouseDoubleClickInterval();
}
