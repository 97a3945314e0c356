#pragma once
// The once-a-day alarm: it rings from the clock tick whose time text equals
// the three alarm fields joined by ":" until it is switched off.

#include <QString>

class Alarm
{
public:
    // The three alarm fields, exactly as typed.
    struct Fields
    {
        QString hours, minutes, seconds;
    };

    // "hours:minutes:seconds", a plain ":" whatever the locale's separator.
    static QString alarmText(const Fields &fields);

    // A clock tick that shows `timeText`. True when it matches the fields
    // exactly (case and width of characters count): the alarm then rings, if
    // it did not already, and the clock's page is to be shown.
    bool tick(const QString &timeText, const Fields &fields);

    // "アラームオフ": quiet until the next matching tick.
    void switchOff() { m_ringing = false; }

    bool isRinging() const { return m_ringing; }

private:
    bool m_ringing = false;
};
