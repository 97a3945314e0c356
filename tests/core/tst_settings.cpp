#include "output/ParameterText.h"
#include "platform/LinkAddresses.h"
#include "platform/ShiftJis.h"
#include "platform/TextLines.h"
#include "platform/VorzoError.h"
#include "settings/DefaultSettings.h"
#include "settings/SettingHelp.h"
#include "settings/SettingsModel.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using Lines = QList<QByteArray>;

class TestSettings : public QObject
{
    Q_OBJECT
private slots:
    void defaultsInTheirOrder();
    void defaultsMakeSeventyOneParameterLines();
    void helpLinesEndOnEveryLineEnd();
    void helpOfARowWithoutLineIsAnError();
    void missingHelpFile();
    void builtHelpFile();
    void modelShowsKeysAndValues();
    void editsGoStraightIntoTheList_data();
    void editsGoStraightIntoTheList();
    void unencodableValueIsRefused();
};

void TestSettings::defaultsInTheirOrder()
{
    const SettingsList list = defaultSettings();
    QCOMPARE(list.size(), 71);
    const Lines expectedKeys = {"time_max",
                                "scroll_mode",
                                "score_v",
                                "j_tail_type",
                                "j_tail_hf",
                                "j_fire_mkf",
                                "grenade_type",
                                "suberuyuka_hkf",
                                "dengeki_mkf",
                                "yachamo_kf",
                                "airms_kf",
                                "ugokuyuka1_type",
                                "ugokuyuka2_type",
                                "ugokuyuka3_type",
                                "boss_type",
                                "boss2_type",
                                "boss3_type",
                                "url1",
                                "url2",
                                "url3",
                                "url4",
                                "dokan_mode",
                                "hitokoto1_name",
                                "hitokoto1-1",
                                "hitokoto1-2",
                                "hitokoto1-3",
                                "hitokoto2_name",
                                "hitokoto2-1",
                                "hitokoto2-2",
                                "hitokoto2-3",
                                "hitokoto3_name",
                                "hitokoto3-1",
                                "hitokoto3-2",
                                "hitokoto3-3",
                                "hitokoto4_name",
                                "hitokoto4-1",
                                "hitokoto4-2",
                                "hitokoto4-3",
                                "backcolor_red",
                                "backcolor_green",
                                "backcolor_blue",
                                "scorecolor_red",
                                "scorecolor_green",
                                "scorecolor_blue",
                                "grenade_red1",
                                "grenade_green1",
                                "grenade_blue1",
                                "grenade_red2",
                                "grenade_green2",
                                "grenade_blue2",
                                "mizunohadou_red",
                                "mizunohadou_green",
                                "mizunohadou_blue",
                                "firebar_red1",
                                "firebar_green1",
                                "firebar_blue1",
                                "firebar_red2",
                                "firebar_green2",
                                "firebar_blue2",
                                "moji_score",
                                "moji_highscore",
                                "moji_time",
                                "moji_jet",
                                "moji_grenade",
                                "moji_left",
                                "moji_size",
                                "filename_title",
                                "filename_ending",
                                "filename_gameover",
                                "filename_pattern",
                                "game_speed"};
    for (int i = 0; i < 71; ++i) {
        QCOMPARE(SettingsList::keyOf(list.entry(i)), expectedKeys.at(i));
        QVERIFY(!SettingsList::valueOf(list.entry(i)).isEmpty());
    }
    QCOMPARE(list.value("url1"), QByteArray(LinkAddresses::GameAuthorPage));
    QCOMPARE(list.value("url2"), QByteArray(LinkAddresses::GameDownloadPage));
    QCOMPARE(list.value("url3"), QByteArray(LinkAddresses::ToolAuthorPage));
    QCOMPARE(list.value("url4"), QByteArray(LinkAddresses::SiblingToolPage));
    QCOMPARE(list.value("hitokoto1-1"), ShiftJis::encode(QStringLiteral("今日は、いい天気だなあ、なんてね。")));
    QCOMPARE(list.value("hitokoto3-3"), QByteArray("0"));
    QCOMPARE(list.value("backcolor_red"), QByteArray("64"));
    QCOMPARE(list.value("mizunohadou_green"), QByteArray("32"));
    QCOMPARE(list.value("firebar_green2"), QByteArray("192"));
    QCOMPARE(list.value("dokan_mode"), QByteArray("2"));
}

void TestSettings::defaultsMakeSeventyOneParameterLines()
{
    const Lines lines = TextLines::split(MakeSettingsHTML(defaultSettings()));
    QCOMPARE(lines.size(), 71);
    QCOMPARE(lines.first(), QByteArray("<PARAM NAME=\"time_max\" VALUE=\"0\">"));
    QCOMPARE(lines.last(), QByteArray("<PARAM NAME=\"game_speed\" VALUE=\"70\">"));
    QCOMPARE(lines.at(34),
             "<PARAM NAME=\"hitokoto4_name\" VALUE=\"" + ShiftJis::encode(QStringLiteral("クリス")) + "\">");
}

void TestSettings::helpLinesEndOnEveryLineEnd()
{
    QTemporaryDir dir;
    QFile file(dir.filePath(QStringLiteral("Setting.cfg")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(ShiftJis::encode(QStringLiteral("一\r\n二\n三\r\r五")));
    file.close();
    const SettingHelp help = SettingHelp::load(file.fileName());
    QCOMPARE(help.size(), 5);
    QCOMPARE(help.line(0), QStringLiteral("一"));
    QCOMPARE(help.line(2), QStringLiteral("三"));
    QCOMPARE(help.line(3), QString());
    QCOMPARE(help.line(4), QStringLiteral("五"));
}

void TestSettings::helpOfARowWithoutLineIsAnError()
{
    const SettingHelp none;
    for (int index : {0, 5, 70}) {
        try {
            none.line(index);
            QFAIL("a missing help line was found");
        } catch (const VorzoError &e) {
            QCOMPARE(e.message(), QStringLiteral("リストのインデックスが範囲を超えています (%1)").arg(index));
        }
    }
}

void TestSettings::missingHelpFile()
{
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("Setting.cfg"));
    try {
        SettingHelp::load(name);
        QFAIL("a missing file was read");
    } catch (const VorzoError &e) {
        QCOMPARE(e.message(), QStringLiteral("ファイル %1 は開けません").arg(name));
    }
}

void TestSettings::builtHelpFile()
{
    QFile file(QStringLiteral(VORZO_DIST_DIR "/Setting.cfg"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.endsWith("\r\n"));
    QCOMPARE(bytes.count("\r\n"), 71);
    QCOMPARE(bytes.count('\n'), 71); // no lone LF
    QVERIFY(bytes.startsWith(ShiftJis::encode(QStringLiteral("制限時間,0を設定すると無制限\r\n"))));
    const SettingHelp help = SettingHelp::load(file.fileName());
    for (int i = 0; i < 71; ++i)
        QVERIFY2(!help.line(i).isEmpty(), qPrintable(QString::number(i)));
}

void TestSettings::modelShowsKeysAndValues()
{
    SettingsModel model;
    model.replaceAll(SettingsList(Lines{"time_max=0", "lonely", "=x", "a=b=c"}));
    QCOMPARE(model.rowCount(), 4);
    QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("設定項目"));
    QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("設定値"));
    auto shown = [&](int row, int column) { return model.index(row, column).data().toString(); };
    QCOMPARE(shown(0, 0), QStringLiteral("time_max"));
    QCOMPARE(shown(0, 1), QStringLiteral("0"));
    QCOMPARE(shown(1, 0), QString());
    QCOMPARE(shown(1, 1), QStringLiteral("lonely"));
    QCOMPARE(shown(2, 0), QString());
    QCOMPARE(shown(3, 1), QStringLiteral("b=c"));
    QVERIFY(!(model.flags(model.index(0, 0)) & Qt::ItemIsEditable));
    QVERIFY(model.flags(model.index(0, 1)) & Qt::ItemIsEditable);
}

void TestSettings::editsGoStraightIntoTheList_data()
{
    QTest::addColumn<QByteArray>("entry");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("stored");
    QTest::newRow("number") << QByteArray("time_max=0") << "300" << QByteArray("time_max=300");
    QTest::newRow("emptied keeps its key") << QByteArray("moji_jet=JET") << "" << QByteArray("moji_jet=");
    QTest::newRow("japanese, wave dash typed") << QByteArray("hitokoto1_name=a") << QStringLiteral("浩二\u301C")
                                               << "hitokoto1_name=" + ShiftJis::encode(QStringLiteral("浩二～"));
    QTest::newRow("quotes kept") << QByteArray("k=v") << "\"<&>\"" << QByteArray("k=\"<&>\"");
    QTest::newRow("entry without =") << QByteArray("lonely") << "x" << QByteArray("=x");
    QTest::newRow("entry without =, unchanged") << QByteArray("plain") << "plain" << QByteArray("plain");
    QTest::newRow("a pasted CR LF, tab kept")
        << QByteArray("moji_left=LEFT") << "abc\r\ndef\tghi" << QByteArray("moji_left=abcdef\tghi");
    QTest::newRow("lone CR and LF") << QByteArray("k=v") << "a\rb\nc\n" << QByteArray("k=abc");
    QTest::newRow("undecodable bytes, one typed after them")
        << QByteArray::fromHex("6b3d82ff80a0fd") << ShiftJis::decode(QByteArray::fromHex("82ff80a0fd")) + "1"
        << QByteArray::fromHex("6b3d82ff80a0fd31");
    QTest::newRow("undecodable bytes, unchanged")
        << QByteArray::fromHex("6b3d80fdff") << ShiftJis::decode(QByteArray::fromHex("80fdff"))
        << QByteArray::fromHex("6b3d80fdff");
}

void TestSettings::editsGoStraightIntoTheList()
{
    QFETCH(QByteArray, entry);
    QFETCH(QString, typed);
    QFETCH(QByteArray, stored);
    SettingsModel model;
    model.replaceAll(SettingsList(Lines{"first=1", entry}));
    QVERIFY(model.setData(model.index(1, 1), typed));
    QCOMPARE(model.settings().entries(), (Lines{"first=1", stored}));
}

void TestSettings::unencodableValueIsRefused()
{
    SettingsModel model;
    model.replaceAll(SettingsList(Lines{"moji_score=SCORE"}));
    QSignalSpy refused(&model, &SettingsModel::refused);
    QVERIFY(!model.setData(model.index(0, 1), QStringLiteral("SCORE€")));
    QCOMPARE(model.settings().entries(), Lines{"moji_score=SCORE"});
    QCOMPARE(refused.count(), 1);
    QVERIFY(refused.at(0).at(0).toString().contains(QStringLiteral("「€」")));
}

QTEST_APPLESS_MAIN(TestSettings)
#include "tst_settings.moc"
