#include "output/PageTemplates.h"
#include "output/ParameterText.h"
#include "platform/LinkAddresses.h"
#include "platform/ShiftJis.h"
#include "platform/TextLines.h"
#include "settings/SettingsList.h"
#include "stage/StageMap.h"

#include <QTest>

using Lines = QList<QByteArray>;

class TestParameterText : public QObject
{
    Q_OBJECT
private slots:
    void emptyStage();
    void mapLinesCarryTheirCells();
    void settingsLines_data();
    void settingsLines();
    void keyLookup_data();
    void keyLookup();
    void defaultHead();
    void defaultTail();
    void pageJoinsPartsAsTheyStand();
};

void TestParameterText::emptyStage()
{
    const QByteArray text = MakeMapHTML(StageMap());
    QCOMPARE(text.size(), 8370);
    const Lines lines = TextLines::split(text);
    QCOMPARE(lines.size(), 90);
    const QByteArray dots(60, '.');
    QCOMPARE(lines.at(0), "<PARAM NAME=\"map0-0\"  VALUE=\"" + dots + "\">");
    QCOMPARE(lines.at(9), "<PARAM NAME=\"map0-9\"  VALUE=\"" + dots + "\">");
    QCOMPARE(lines.at(10), "<PARAM NAME=\"map0-10\" VALUE=\"" + dots + "\">");
    QCOMPARE(lines.at(30), "<PARAM NAME=\"map1-0\"  VALUE=\"" + dots + "\">");
    QCOMPARE(lines.at(89), "<PARAM NAME=\"map2-29\" VALUE=\"" + dots + "\">");
    // Every line 93 bytes with its CR LF.
    for (qsizetype at = 0; at < text.size(); at += 93)
        QCOMPARE(text.mid(at + 91, 2), QByteArray("\r\n"));
}

void TestParameterText::mapLinesCarryTheirCells()
{
    StageMap map;
    map.set(0, 0, 0);      // "A", first letter of map0-0
    map.set(59, 0, 26);    // "a", last letter of map0-0
    map.set(60, 0, 52);    // "1", first letter of map1-0, not a 61st of map0-0
    map.set(61, 9, 64);    // "/" in map1-9
    map.set(179, 29, 61);  // "+", last letter of map2-29
    map.set(120, 10, 200); // a code that only a file brings: "."
    map.set(121, 10, 65);  // "."
    map.set(122, 10, 25);  // "Z"
    const Lines lines = TextLines::split(MakeMapHTML(map));

    auto value = [&](int line) { return lines.at(line).mid(lines.at(line).indexOf("VALUE=\"") + 7, 60); };
    QCOMPARE(value(0), "A" + QByteArray(58, '.') + "a");
    QCOMPARE(value(30), "1" + QByteArray(59, '.'));
    QCOMPARE(value(39), "./" + QByteArray(58, '.'));
    QCOMPARE(value(89), QByteArray(59, '.') + "+");
    QCOMPARE(value(70), "..Z" + QByteArray(57, '.'));
    for (const QByteArray &line : lines)
        QCOMPARE(line.size(), 91);
}

void TestParameterText::settingsLines_data()
{
    QTest::addColumn<Lines>("entries");
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("empty list") << Lines{} << QByteArray();
    QTest::newRow("plain") << Lines{"time_max=0", "game_speed=70"}
                           << QByteArray("<PARAM NAME=\"time_max\" VALUE=\"0\">\r\n"
                                         "<PARAM NAME=\"game_speed\" VALUE=\"70\">\r\n");
    QTest::newRow("empty value") << Lines{"moji_jet="} << QByteArray("<PARAM NAME=\"moji_jet\" VALUE=\"\">\r\n");
    QTest::newRow("quotes and markup copied")
        << Lines{"a=\"<b>&c\"=d"} << QByteArray("<PARAM NAME=\"a\" VALUE=\"\"<b>&c\"=d\">\r\n");
    QTest::newRow("entry without =") << Lines{"lonely"} << QByteArray("<PARAM NAME=\"\" VALUE=\"\">\r\n");
    QTest::newRow("without =, and an entry beginning with =")
        << Lines{"lonely", "=found"}
        << QByteArray("<PARAM NAME=\"\" VALUE=\"found\">\r\n<PARAM NAME=\"\" VALUE=\"found\">\r\n");
    QTest::newRow("repeated key takes the first value, case ignored")
        << Lines{"Key=1", "key=2", "KEY=3"}
        << QByteArray("<PARAM NAME=\"Key\" VALUE=\"1\">\r\n<PARAM NAME=\"key\" VALUE=\"1\">\r\n"
                      "<PARAM NAME=\"KEY\" VALUE=\"1\">\r\n");
    const QByteArray raw("name=\x80\xFD\x82", 8); // bytes that do not decode pass unchanged
    QTest::newRow("undecodable bytes") << Lines{raw} << QByteArray("<PARAM NAME=\"name\" VALUE=\"\x80\xFD\x82\">\r\n");
}

void TestParameterText::settingsLines()
{
    QFETCH(Lines, entries);
    QFETCH(QByteArray, text);
    QCOMPARE(MakeSettingsHTML(SettingsList(entries)), text);
}

void TestParameterText::keyLookup_data()
{
    QTest::addColumn<Lines>("entries");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("value");
    QTest::newRow("ascii case ignored") << Lines{"URL1=x"} << QByteArray("url1") << QByteArray("x");
    QTest::newRow("value keeps later =") << Lines{"a=b=c"} << QByteArray("a") << QByteArray("b=c");
    QTest::newRow("missing key") << Lines{"a=1"} << QByteArray("b") << QByteArray();
    QTest::newRow("entry without = never found") << Lines{"a", "a=2"} << QByteArray("a") << QByteArray("2");
    // ア is 0x83 0x41 and ヂ is 0x83 0x61: their trail bytes are not letters.
    QTest::newRow("trail byte is not a letter")
        << Lines{"\x83\x61=no", "\x83\x41=yes"} << QByteArray("\x83\x41") << QByteArray("yes");
    QTest::newRow("fullwidth letters do not fold")
        << Lines{ShiftJis::encode(QStringLiteral("Ａ=1"))} << ShiftJis::encode(QStringLiteral("ａ")) << QByteArray();
}

void TestParameterText::keyLookup()
{
    QFETCH(Lines, entries);
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, value);
    QCOMPARE(SettingsList(entries).value(key), value);
}

void TestParameterText::defaultHead()
{
    const QByteArray head = defaultHeadTemplate();
    QCOMPARE(head.size(), 177);
    QVERIFY(head.endsWith(">\r\n\r\n"));
    QCOMPARE(TextLines::split(head).size(), 5);
    QVERIFY(head.startsWith(ShiftJis::encode(QStringLiteral("<HTML><HEAD><TITLE>ぼるぞ コンストラクション</TITLE>"))));
}

void TestParameterText::defaultTail()
{
    const QByteArray tail = defaultTailTemplate();
    const Lines lines = TextLines::split(tail);
    QCOMPARE(lines.size(), 24);
    QVERIFY(tail.startsWith("\r\n</APPLET>\r\n"));
    QVERIFY(tail.endsWith("</BODY>\r\n</HTML>\r\n"));
    QCOMPARE(lines.at(6), ShiftJis::encode(QStringLiteral("<DT>（←），（４）")));
    QCOMPARE(lines.at(20), "<P><a href=\"" + QByteArray(LinkAddresses::GameDownloadPage)
                               + ShiftJis::encode(QStringLiteral("\">サポートページ</A>へ移動する。")));
    QVERIFY(lines.at(21).contains("href=\"" + QByteArray(LinkAddresses::ToolAuthorPage) + "\""));
    QVERIFY(lines.at(21).contains("href=\"" + QByteArray(LinkAddresses::SiblingToolPage) + "\""));
}

void TestParameterText::pageJoinsPartsAsTheyStand()
{
    const PageParts page{"<head>", "map\r\n", "set\r\n", ""};
    QCOMPARE(page.joined(), QByteArray("<head>map\r\nset\r\n"));
}

QTEST_APPLESS_MAIN(TestParameterText)
#include "tst_parametertext.moc"
