#include "DesktopClock.h"

#include <QApplication>

QDateTime DesktopClock::now() const
{
    return QDateTime::currentDateTime();
}

void DesktopClock::beep()
{
    QApplication::beep();
}
