#include "RecordingShell.h"

#include "accessories/Alarm.h"
#include "accessories/RelatedLinks.h"
#include "accessories/TimeText.h"
#include "output/PageTemplates.h"
#include "platform/LinkAddresses.h"
#include "platform/ShiftJis.h"

#include <QDate>
#include <QRegularExpression>
#include <QTest>

class TestClock : public QObject
{
    Q_OBJECT
private slots:
    void timeText_data();
    void timeText();
    void dateText_data();
    void dateText();
    void alarm_data();
    void alarm();
    void linksAreThePageTailsAddresses();
};

void TestClock::timeText_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QString>("text");
    QTest::newRow("Japanese afternoon") << "ja_JP" << QTime(16, 5, 0) << "16:05:00";
    QTest::newRow("Japanese: no leading zero") << "ja_JP" << QTime(9, 5, 7) << "9:05:07";
    QTest::newRow("Japanese midnight") << "ja_JP" << QTime(0, 0, 0) << "0:00:00";
    QTest::newRow("US afternoon") << "en_US" << QTime(16, 5, 0) << "4:05:00 PM";
    QTest::newRow("US morning") << "en_US" << QTime(9, 5, 0) << "9:05:00 AM";
    QTest::newRow("US midnight is 12") << "en_US" << QTime(0, 0, 9) << "12:00:09 AM";
    QTest::newRow("US noon is 12 PM") << "en_US" << QTime(12, 30, 0) << "12:30:00 PM";
    QTest::newRow("German leading zero") << "de_DE" << QTime(9, 5, 0) << "09:05:00";
    QTest::newRow("Finnish: no zero, its separator") << "fi_FI" << QTime(9, 5, 0) << "9.05.00";
    QTest::newRow("Korean mark before") << "ko_KR" << QTime(16, 5, 0) << "오후 4:05:00";
    QTest::newRow("Taiwanese day period") << "zh_TW" << QTime(16, 5, 0) << "下午 4:05:00";
    QTest::newRow("Canadian French: a unit is no separator") << "fr_CA" << QTime(16, 5, 0) << "16:05:00";
    QTest::newRow("Bulgarian: trailing unit left out") << "bg_BG" << QTime(9, 5, 0) << "9:05:00";
    QTest::newRow("C locale") << "C" << QTime(9, 5, 0) << "09:05:00";
}

void TestClock::timeText()
{
    QFETCH(QString, locale);
    QFETCH(QTime, time);
    QFETCH(QString, text);
    QCOMPARE(TimeText(QLocale(locale)).time(time), text);
}

void TestClock::dateText_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::newRow("Japanese") << "ja_JP"
                              << "2024/03/05";
    QTest::newRow("US") << "en_US"
                        << "3/5/24";
    QTest::newRow("German") << "de_DE"
                            << "05.03.24";
}

void TestClock::dateText()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QCOMPARE(TimeText(QLocale(locale)).date(QDate(2024, 3, 5)), text);
}

void TestClock::alarm_data()
{
    // Clock ticks every `step` ms from `from`; "アラームオフ" after tick `offAfter`.
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QTime>("from");
    QTest::addColumn<int>("step");
    QTest::addColumn<int>("ticks");
    QTest::addColumn<int>("offAfter");
    QTest::addColumn<int>("firstMatch");
    QTest::addColumn<int>("matches");
    QTest::addColumn<bool>("ringingAtEnd");
    const QStringList at1605{"16", "05", "00"};
    const QTime before1605(16, 4, 59);
    QTest::newRow("XX never rings, all day")
        << "ja_JP" << QStringList{"XX", "XX", "XX"} << QTime(0, 0) << 1000 << 86400 << -1 << -1 << 0 << false;
    QTest::newRow("16 05 00 rings for the whole second")
        << "ja_JP" << at1605 << before1605 << 100 << 30 << -1 << 10 << 10 << true;
    QTest::newRow("5 for minutes never matches")
        << "ja_JP" << QStringList{"16", "5", "00"} << before1605 << 100 << 30 << -1 << -1 << 0 << false;
    QTest::newRow("full-width digits never match")
        << "ja_JP" << QStringList{"１６", "05", "00"} << before1605 << 100 << 30 << -1 << -1 << 0 << false;
    QTest::newRow("no leading zero: 9 matches")
        << "ja_JP" << QStringList{"9", "05", "00"} << QTime(9, 4, 59) << 100 << 30 << -1 << 10 << 10 << true;
    QTest::newRow("no leading zero: 09 never")
        << "ja_JP" << QStringList{"09", "05", "00"} << QTime(9, 4, 59) << 100 << 30 << -1 << -1 << 0 << false;
    QTest::newRow("leading zero: 09 matches")
        << "de_DE" << QStringList{"09", "05", "00"} << QTime(9, 4, 59) << 100 << 30 << -1 << 10 << 10 << true;
    QTest::newRow("12-hour: the mark typed with the seconds")
        << "en_US" << QStringList{"4", "05", "00 PM"} << before1605 << 100 << 30 << -1 << 10 << 10 << true;
    QTest::newRow("off in the matching second: the next tick re-arms")
        << "ja_JP" << at1605 << before1605 << 100 << 30 << 12 << 10 << 10 << true;
    QTest::newRow("off on its last tick: re-armed no more")
        << "ja_JP" << at1605 << before1605 << 100 << 30 << 19 << 10 << 10 << false;
    QTest::newRow("off after the second holds")
        << "ja_JP" << at1605 << before1605 << 100 << 30 << 25 << 10 << 10 << false;
}

void TestClock::alarm()
{
    QFETCH(QString, locale);
    QFETCH(QStringList, fields);
    QFETCH(QTime, from);
    QFETCH(int, step);
    QFETCH(int, ticks);
    QFETCH(int, offAfter);
    QFETCH(int, firstMatch);
    QFETCH(int, matches);
    QFETCH(bool, ringingAtEnd);
    const TimeText text{QLocale(locale)};
    const Alarm::Fields set{fields.at(0), fields.at(1), fields.at(2)};
    Alarm alarm;
    int first = -1, matched = 0;
    for (int tick = 0; tick < ticks; ++tick) {
        if (alarm.tick(text.time(from.addMSecs(tick * step)), set)) {
            QVERIFY(alarm.isRinging());
            if (first < 0)
                first = tick;
            ++matched;
        }
        if (tick == offAfter) {
            alarm.switchOff();
            QVERIFY(!alarm.isRinging());
        }
    }
    QCOMPARE(first, firstMatch);
    QCOMPARE(matched, matches);
    QCOMPARE(alarm.isRinging(), ringingAtEnd);
}

void TestClock::linksAreThePageTailsAddresses()
{
    RecordingShell shell;
    for (void (*handler)() :
         {RelatedLinks::N10Click, RelatedLinks::SP1Click, RelatedLinks::N12Click, RelatedLinks::N14Click})
        handler();
    using namespace LinkAddresses;
    QCOMPARE(shell.opened, (QStringList{ToolAuthorPage, SiblingToolPage, GameAuthorPage, GameDownloadPage}));

    // Every address the page's tail links to is one the menu opens.
    const QString tail = ShiftJis::decode(defaultTailTemplate());
    QStringList linked;
    for (const auto &match :
         QRegularExpression(QStringLiteral("href=\"([^\"]*)\""), QRegularExpression::CaseInsensitiveOption)
             .globalMatch(tail))
        linked << match.captured(1);
    QVERIFY(!linked.isEmpty());
    for (const QString &address : linked)
        QVERIFY2(shell.opened.contains(address), qPrintable(address));
}

QTEST_GUILESS_MAIN(TestClock)
#include "tst_clock.moc"
