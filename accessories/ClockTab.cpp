#include "ClockTab.h"
#include "ui_ClockTab.h"

#include "desktop/Desktop.h"
#include "platform/Clock.h"
#include "platform/Guarded.h"

#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int TickMilliseconds = 100;
constexpr int LargePixels = 96;

} // namespace

ClockTab::ClockTab(QWidget *sheet, const QLocale &locale)
    : QWidget(sheet), m_ui(new Ui::ClockTab), Timer(new QTimer(this)), Alert(new QTimer(this)), m_text(locale)
{
    m_ui->setupUi(this);
    for (QWidget *large : {m_ui->Label1, m_ui->DateData, m_ui->TimeData})
        Desktop::usePixelSize(large, LargePixels);
    auto *fill = new QVBoxLayout(sheet);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->addWidget(this);

    Timer->setObjectName(QStringLiteral("Timer"));
    Alert->setObjectName(QStringLiteral("Alert"));
    Timer->setInterval(TickMilliseconds);
    Alert->setInterval(TickMilliseconds);
    connect(Timer, &QTimer::timeout, this, guarded([this] { TimerTimer(); }));
    connect(Alert, &QTimer::timeout, this, guarded([this] { AlertTimer(); }));
    connect(m_ui->Button1, &QPushButton::clicked, this, guarded([this] { Button1Click(); }));
    Timer->start();
}

ClockTab::~ClockTab()
{
    delete m_ui;
}

void ClockTab::TimerTimer()
{
    const QDateTime now = clockService().now();
    if (now.date() != m_shownDay) {
        m_shownDay = now.date();
        m_ui->DateData->setText(m_text.date(m_shownDay));
    }
    const QTime second(now.time().hour(), now.time().minute(), now.time().second());
    if (second != m_shownSecond) {
        m_shownSecond = second;
        m_ui->TimeData->setText(m_text.time(second));
    }

    if (m_alarm.tick(m_ui->TimeData->text(), {m_ui->Watch1->text(), m_ui->Watch2->text(), m_ui->Watch3->text()})) {
        emit alarmMatched();
        if (!Alert->isActive())
            Alert->start();
    }
}

void ClockTab::AlertTimer()
{
    clockService().beep();
}

void ClockTab::Button1Click()
{
    m_alarm.switchOff();
    Alert->stop();
}
