// The clock tick of the 時計 page in the real main window (offscreen): nine
// ticks in ten show the same second, one in ten a new one; once a day the
// date changes too.

#include "Median.h"
#include "Offscreen.h"

#include "accessories/ClockTab.h"
#include "app/VorzoDazoradMain.h"
#include "app/Windows.h"
#include "app/Workspace.h"
#include "desktop/Desktop.h"
#include "platform/Clock.h"

#include <QApplication>
#include <QDir>
#include <QTabWidget>

namespace {

// A clock that moves on by a fixed step at each reading.
class SteppingClock : public Clock
{
public:
    explicit SteppingClock(qint64 stepMilliseconds) : m_step(stepMilliseconds) {}
    QDateTime now() const override { return m_time = m_time.addMSecs(m_step); }
    void beep() override {}

private:
    qint64 m_step;
    mutable QDateTime m_time{QDate(2024, 3, 5), QTime(16, 4, 0)};
};

} // namespace

int main(int argc, char *argv[])
{
    const auto app = offscreenApplication(argc, argv);

    Workspace workspace;
    const Windows windows(workspace);
    windows.main().show();
    windows.main().findChild<QTabWidget *>(QStringLiteral("PageControl1"))->setCurrentIndex(TVorzo::ClockPage);
    QApplication::processEvents();
    ClockTab *clock = windows.main().findChild<ClockTab *>();

    const int runs = 20000;
    const struct
    {
        const char *what;
        qint64 step;
    } cases[] = {
        {"TimerTimer, same second (9 ticks in 10)", 0},
        {"TimerTimer, a new second", 1000},
        {"TimerTimer, a new day", 86400 * 1000},
    };
    for (const auto &c : cases) {
        SteppingClock stepping(c.step);
        Clock *previous = setClockService(&stepping);
        report(c.what, runs, medianMicroseconds(runs, [&] { clock->TimerTimer(); }));
        setClockService(previous);
    }
    return 0;
}
