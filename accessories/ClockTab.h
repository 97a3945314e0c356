#pragma once
// The main window's 時計 page: the date and time in large type, and the
// alarm that switches to the page and beeps until "アラームオフ".

#include "Alarm.h"
#include "TimeText.h"

#include <QDate>
#include <QTime>
#include <QWidget>

namespace Ui {
class ClockTab;
}
class QTimer;

class ClockTab : public QWidget
{
    Q_OBJECT
public:
    // Fills `sheet`, the main window's 時計 page, and starts the clock.
    explicit ClockTab(QWidget *sheet, const QLocale &locale = QLocale::system());
    ~ClockTab() override;

    // The clock tick (`Timer`, every 100 ms): date, time, then the alarm.
    void TimerTimer();
    // The alarm tick (`Alert`, every 100 ms while ringing): one beep.
    void AlertTimer();
    // "アラームオフ".
    void Button1Click();

signals:
    // A tick matched the alarm: the 時計 page is to be shown.
    void alarmMatched();

private:
    Ui::ClockTab *m_ui;
    QTimer *Timer;
    QTimer *Alert;
    TimeText m_text;
    Alarm m_alarm;
    // What the labels show, so they change only when their text does.
    QDate m_shownDay;
    QTime m_shownSecond;
};
