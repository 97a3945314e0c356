#include "FedClock.h"
#include "WindowFixture.h"

#include "accessories/ClockTab.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

class TestAccessories : public QObject
{
    Q_OBJECT
private slots:
    void clockShowsTheTimeAndTheAlarmRingsThroughModalWindows();

private:
    static QTabWidget *mainTabs() { return WindowFixture::control<QTabWidget>("PageControl1"); }
    template <typename T> static T *clockControl(const char *name)
    {
        return Vorzo->findChild<ClockTab *>()->findChild<T *>(QLatin1String(name));
    }
};

void TestAccessories::clockShowsTheTimeAndTheAlarmRingsThroughModalWindows()
{
    FedClock clock;
    clock.time = QDateTime(QDate(2024, 3, 5), QTime(16, 4, 59, 500));
    WindowFixture f;
    auto *timeData = clockControl<QLabel>("TimeData");
    QTRY_COMPARE(timeData->text(), QStringLiteral("16:04:59"));
    QCOMPARE(clockControl<QLabel>("DateData")->text(), QStringLiteral("2024/03/05"));

    // The alarm typed as a person does.
    for (const auto &[field, typed] : {std::pair{"Watch1", "16"}, {"Watch2", "05"}, {"Watch3", "00"}}) {
        auto *box = clockControl<QLineEdit>(field);
        box->selectAll();
        QTest::keyClicks(box, QLatin1String(typed));
    }
    mainTabs()->setCurrentIndex(0);

    // The time comes while the help window is open: both timers go on in its loop.
    bool rangInModal = false;
    f.whenModalOpens([&](QWidget *) {
        clock.time = clock.time.addMSecs(500);
        QTRY_VERIFY_WITH_TIMEOUT(mainTabs()->currentIndex() == TVorzo::ClockPage && clock.beeps >= 2, 5000);
        rangInModal = true;
    });
    f.action("Help2")->trigger();
    QVERIFY(rangInModal);
    QCOMPARE(timeData->text(), QStringLiteral("16:05:00"));

    // アラームオフ after the matching second stops the beep for good.
    clock.time = clock.time.addSecs(1);
    QTRY_COMPARE(timeData->text(), QStringLiteral("16:05:01"));
    QTest::mouseClick(clockControl<QPushButton>("Button1"), Qt::LeftButton);
    const int beeps = clock.beeps;
    QTest::qWait(350);
    QCOMPARE(clock.beeps, beeps);
    QVERIFY(!clockControl<QTimer>("Alert")->isActive());
    QVERIFY(clockControl<QTimer>("Timer")->isActive());
}

int main(int argc, char *argv[])
{
    // The clock's texts as on a Japanese desktop, whoever runs the test.
    qputenv("LC_ALL", "ja_JP.UTF-8");
    QApplication app(argc, argv);
    QApplication::setAttribute(Qt::AA_Use96Dpi, true);
    TestAccessories test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_accessories.moc"
