#include "Clock.h"
#include "Seam.h"

namespace {

// Until the desktop's clock is installed: the system time, and silence.
class QuietClock : public Clock
{
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
    void beep() override {}
};

QuietClock quietClock;
Seam<Clock> seam(quietClock);

} // namespace

Clock &clockService()
{
    return seam.get();
}

Clock *setClockService(Clock *replacement)
{
    return seam.replace(replacement);
}
