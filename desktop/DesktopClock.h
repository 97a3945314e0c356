#pragma once
// The system clock and the system's beep.

#include "platform/Clock.h"

class DesktopClock : public Clock
{
public:
    QDateTime now() const override;
    void beep() override;
};
