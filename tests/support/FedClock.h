#pragma once
// A clock for tests: shows the time it is fed and counts the beeps asked of it.

#include "platform/Clock.h"

class FedClock : public Clock
{
public:
    FedClock() { m_previous = setClockService(this); }
    ~FedClock() override { setClockService(m_previous); }

    QDateTime now() const override { return time; }
    void beep() override { ++beeps; }

    QDateTime time{QDate(2024, 3, 5), QTime(12, 0)};
    int beeps = 0;

private:
    Clock *m_previous = nullptr;
};
