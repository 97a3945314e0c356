#include "stage/CanvasGeometry.h"
#include "stage/CellCode.h"
#include "stage/StageMap.h"

#include <QTest>

class TestStageMap : public QObject
{
    Q_OBJECT
private slots:
    void letterOfEveryCode();
    void paletteCodes_data();
    void paletteCodes();
    void layoutIsColumnByColumn();
    void cellUnderACanvasPoint_data();
    void cellUnderACanvasPoint();
};

void TestStageMap::letterOfEveryCode()
{
    // All 256 codes against the table written out independently.
    const QByteArray expected = QByteArray("ABCDEFGHIJKLMNOPQRSTUVWXYZ") + "abcdefghijklmnopqrstuvwxyz" + "123456789"
                                + "+-*/" + QByteArray(256 - 65, '.');
    QCOMPARE(expected.size(), 256);
    for (int code = 0; code < 256; ++code)
        QCOMPARE(CellCodeToLetter(CellCode(code)), expected.at(code));
}

void TestStageMap::paletteCodes_data()
{
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("code");
    QTest::newRow("A  自分") << 0 << 0 << 0;
    QTest::newRow("E  ピカチー") << 0 << 4 << 4;
    QTest::newRow("Z  センクウザ") << 0 << 25 << 25;
    QTest::newRow("a  レンガ") << 1 << 0 << 26;
    QTest::newRow("z  すべる床") << 1 << 25 << 51;
    QTest::newRow("1  雲の左側") << 2 << 0 << 52;
    QTest::newRow("9  コイン") << 2 << 8 << 60;
    QTest::newRow("/  一言メッセージ４") << 2 << 12 << 64;
    QTest::newRow(".  空白") << 2 << 13 << 99;
    // No selected item: the low 8 bits of the sum.
    QTest::newRow("objects, none selected") << 0 << -1 << 255;
    QTest::newRow("blocks, none selected") << 1 << -1 << 25;
    QTest::newRow("decorations, none selected") << 2 << -1 << 51;
}

void TestStageMap::paletteCodes()
{
    QFETCH(int, group);
    QFETCH(int, index);
    QFETCH(int, code);
    QCOMPARE(int(paletteCode(PaletteGroup(group), index)), code);
    // Every entry's code leads back to that entry (the recall of a
    // registered item relies on it).
    if (index >= 0) {
        const PaletteEntry entry = paletteEntryOf(CellCode(code));
        QCOMPARE(int(entry.group), group);
        QCOMPARE(entry.index, index);
    }
}

void TestStageMap::layoutIsColumnByColumn()
{
    StageMap map;
    for (int i = 0; i < StageMap::Cells; ++i)
        QCOMPARE(int(map.atIndex(i)), int(EmptyCell));
    map.set(1, 0, 7);
    map.set(179, 29, 64);
    QCOMPARE(int(map.atIndex(30)), 7);
    QCOMPARE(int(map.atIndex(5399)), 64);
    QCOMPARE(StageMap::indexOf(60, 0), 1800);
}

void TestStageMap::cellUnderACanvasPoint_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QPoint>("origin");
    QTest::addColumn<bool>("onCanvas");
    QTest::addColumn<QPoint>("cell");
    QTest::newRow("top-left pixel") << QPoint(0, 0) << QPoint(0, 0) << true << QPoint(0, 0);
    QTest::newRow("last pixel of the first cell") << QPoint(31, 31) << QPoint(0, 0) << true << QPoint(0, 0);
    QTest::newRow("first pixel of the next") << QPoint(32, 64) << QPoint(0, 0) << true << QPoint(1, 2);
    QTest::newRow("bottom-right, view at its end") << QPoint(319, 319) << QPoint(170, 20) << true << QPoint(179, 29);
    QTest::newRow("just right of the canvas") << QPoint(320, 5) << QPoint(0, 0) << false << QPoint();
    QTest::newRow("just above the canvas") << QPoint(5, -1) << QPoint(0, 0) << false << QPoint();
}

void TestStageMap::cellUnderACanvasPoint()
{
    QFETCH(QPoint, point);
    QFETCH(QPoint, origin);
    QFETCH(bool, onCanvas);
    QFETCH(QPoint, cell);
    QCOMPARE(isOnCanvas(point), onCanvas);
    if (onCanvas)
        QCOMPARE(cellUnder(point, ViewOrigin{origin.x(), origin.y()}), cell);
}

QTEST_APPLESS_MAIN(TestStageMap)
#include "tst_stagemap.moc"
