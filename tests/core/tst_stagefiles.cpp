#include "output/StageFiles.h"
#include "platform/VorzoError.h"
#include "settings/DefaultSettings.h"
#include "stage/StageMap.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "TestFiles.h"

using Lines = QList<QByteArray>;

class TestStageFiles : public QObject
{
    Q_OBJECT
private slots:
    void baseNames_data();
    void baseNames();
    void mapFileIsTheCellsInIndexOrder();
    void roundTripKeepsEveryByte();
    void openingReadsWhatTheFileHas_data();
    void openingReadsWhatTheFileHas();
    void settingsFileLines_data();
    void settingsFileLines();
    void missingFilesCannotBeOpened();
    void aFailedSaveKeepsTheOldFile();
    void mapPathMustDifferFromItsCompanions_data();
    void mapPathMustDifferFromItsCompanions();
};

void TestStageFiles::baseNames_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("base");
    QTest::newRow("map file") << "/stages/castle.kwt"
                              << "/stages/castle";
    QTest::newRow("another extension") << "/stages/castle.txt"
                                       << "/stages/castle";
    QTest::newRow("last extension only") << "/stages/a.b.kwt"
                                         << "/stages/a.b";
    QTest::newRow("no dot") << "/stages/castle"
                            << "/stages/castle";
    QTest::newRow("dot in the folder only") << "/my.stages/castle"
                                            << "/my.stages/castle";
    QTest::newRow("japanese and blanks") << QStringLiteral("/ステージ 集/お城.kwt")
                                         << QStringLiteral("/ステージ 集/お城");
}

void TestStageFiles::baseNames()
{
    QFETCH(QString, path);
    QFETCH(QString, base);
    QCOMPARE(StageFiles::baseOf(path), base);
}

void TestStageFiles::mapFileIsTheCellsInIndexOrder()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("castle.kwt"));
    StageMap map;
    StageFiles::writeMap(path, map);
    QCOMPARE(TestFiles::contents(path), QByteArray(5400, char(99)));

    map.set(0, 1, 0);
    map.set(1, 0, 64);
    map.set(179, 29, 26);
    StageFiles::writeMap(path, map);
    const QByteArray bytes = TestFiles::contents(path);
    QCOMPARE(bytes.size(), 5400);
    QCOMPARE(int(bytes.at(1)), 0);
    QCOMPARE(int(bytes.at(30)), 64);
    QCOMPARE(int(bytes.at(5399)), 26);
}

void TestStageFiles::roundTripKeepsEveryByte()
{
    QTemporaryDir dir;
    StageMap map;
    for (int i = 0; i < StageMap::Cells; ++i)
        map.setIndex(i, CellCode(i * 7)); // every byte value, foreign ones included
    Lines entries = defaultSettings().entries();
    entries << "lonely"
            << "=starts with equals" << QByteArray("raw=\x80\xFD\x82", 7) << "time_max=5";
    const SettingsList settings{entries};

    StageFiles::writeMap(dir.filePath(QStringLiteral("s.kwt")), map);
    StageFiles::writeSettings(dir.filePath(QStringLiteral("s.kwp")), settings);
    StageMap read;
    StageFiles::readMap(dir.filePath(QStringLiteral("s.kwt")), read);
    QCOMPARE(read, map);
    QCOMPARE(StageFiles::readSettings(dir.filePath(QStringLiteral("s.kwp"))), settings);
}

void TestStageFiles::openingReadsWhatTheFileHas_data()
{
    QTest::addColumn<int>("size");
    QTest::newRow("empty file") << 0;
    QTest::newRow("100 bytes") << 100;
    QTest::newRow("exact") << 5400;
    QTest::newRow("longer") << 6000;
}

void TestStageFiles::openingReadsWhatTheFileHas()
{
    QFETCH(int, size);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("m.kwt"));
    QVERIFY(TestFiles::put(path, QByteArray(size, char(200))));
    StageMap map;
    map.fill(5);
    StageFiles::readMap(path, map);
    for (int i = 0; i < StageMap::Cells; ++i)
        QCOMPARE(int(map.atIndex(i)), i < size ? 200 : 5);
}

void TestStageFiles::settingsFileLines_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<Lines>("entries");
    QTest::newRow("empty") << QByteArray() << Lines{};
    QTest::newRow("crlf") << QByteArray("a=1\r\nb=2\r\n") << Lines{"a=1", "b=2"};
    QTest::newRow("lone CR and LF") << QByteArray("a=1\rb=2\nc=3") << Lines{"a=1", "b=2", "c=3"};
    QTest::newRow("zero byte ends the text") << QByteArray("a=1\r\nb=\0x\r\nc=3\r\n", 16) << Lines{"a=1", "b="};
    QTest::newRow("lines without = are entries") << QByteArray("a=1\r\n\r\nnote\r\n") << Lines{"a=1", "", "note"};
}

void TestStageFiles::settingsFileLines()
{
    QFETCH(QByteArray, file);
    QFETCH(Lines, entries);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("s.kwp"));
    QVERIFY(TestFiles::put(path, file));
    QCOMPARE(StageFiles::readSettings(path).entries(), entries);
}

void TestStageFiles::missingFilesCannotBeOpened()
{
    QTemporaryDir dir;
    const QString map = dir.filePath(QStringLiteral("none.kwt"));
    StageMap untouched;
    untouched.fill(3);
    StageMap read = untouched;
    QVERIFY_THROWS_EXCEPTION(VorzoError, StageFiles::readMap(map, read));
    QCOMPARE(read, untouched);
    try {
        StageFiles::readSettings(dir.filePath(QStringLiteral("none.kwp")));
        QFAIL("a missing settings file was read");
    } catch (const VorzoError &e) {
        QCOMPARE(e.message(), QStringLiteral("ファイル %1 は開けません").arg(dir.filePath(QStringLiteral("none.kwp"))));
    }
    QVERIFY_THROWS_EXCEPTION(VorzoError, StageFiles::readMap(dir.path(), read)); // a folder is no map
}

void TestStageFiles::aFailedSaveKeepsTheOldFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("castle.kwt"));
    QVERIFY(TestFiles::put(path, "old map"));
    QFile::setPermissions(path, QFile::ReadOwner);
    try {
        StageFiles::writeMap(path, StageMap());
        QFAIL("a read-only map file was replaced");
    } catch (const VorzoError &e) {
        QCOMPARE(e.message(), QStringLiteral("ファイル %1 を作成できません").arg(path));
    }
    QCOMPARE(TestFiles::contents(path), QByteArray("old map"));
}

void TestStageFiles::mapPathMustDifferFromItsCompanions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("withPage");
    QTest::addColumn<bool>("refused");
    QTest::newRow(".kwt") << "castle.kwt" << true << false;
    QTest::newRow(".kwp") << "castle.kwp" << false << true;
    QTest::newRow(".htm with the page") << "castle.htm" << true << true;
    QTest::newRow(".htm without the page") << "castle.htm" << false << false;
    QTest::newRow(".KWP is another file here") << "castle.KWP" << false << false;
}

void TestStageFiles::mapPathMustDifferFromItsCompanions()
{
    QFETCH(QString, name);
    QFETCH(bool, withPage);
    QFETCH(bool, refused);
    bool threw = false;
    try {
        StageFiles::checkDistinctPaths(QStringLiteral("/stages/") + name, withPage);
    } catch (const VorzoError &e) {
        threw = true;
        QVERIFY(e.message().contains(name));
    }
    QCOMPARE(threw, refused);
}

QTEST_APPLESS_MAIN(TestStageFiles)
#include "tst_stagefiles.moc"
