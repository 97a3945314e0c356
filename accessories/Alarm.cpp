#include "Alarm.h"

QString Alarm::alarmText(const Fields &fields)
{
    return fields.hours + u':' + fields.minutes + u':' + fields.seconds;
}

bool Alarm::tick(const QString &timeText, const Fields &fields)
{
    const bool matches = timeText == alarmText(fields);
    if (matches)
        m_ringing = true;
    return matches;
}
