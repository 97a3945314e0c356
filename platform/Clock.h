#pragma once
// The clock and the beep of the alarm. The real ones (desktop/DesktopClock)
// are installed at start; tests feed times and count beeps.

#include <QDateTime>

class Clock
{
public:
    virtual ~Clock() = default;
    // The current local date and time.
    virtual QDateTime now() const = 0;
    // The system's default alert sound, once.
    virtual void beep() = 0;
};

// The clock in use, and the installation of another; returns the previous.
Clock &clockService();
Clock *setClockService(Clock *replacement);
