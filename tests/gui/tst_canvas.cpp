#include "pictures/BuiltInPattern.h"
#include "pictures/PatternImage.h"
#include "platform/VorzoError.h"
#include "stage/CanvasPicture.h"
#include "stage/StageMap.h"
#include "stage/ViewOrigin.h"

#include <QFile>
#include <QTest>

Q_DECLARE_METATYPE(ViewOrigin)

class TestCanvas : public QObject
{
    Q_OBJECT
private slots:
    void emptyViewIsCyanWithNineLinesEachWay();
    void tilesAreCopiedFromTheirSquares_data();
    void tilesAreCopiedFromTheirSquares();
    void squaresOutsideThePictureKeepTheBackground();
    void aPictureThatIsNotABitmapStopsAtTheFirstTile();
    void theWholeStageIsDrawnAsTheCanvasDrawsItsView_data();
    void theWholeStageIsDrawnAsTheCanvasDrawsItsView();
    void builtInPicture();
    void suppliedFileIsTheBuiltInPicture();

private:
    static QImage canvas() { return QImage(320, 320, QImage::Format_RGB32); }
    // Whether the canvas's 32 x 32 cell at `at` equals the pattern square
    // of `code`, away from the grid lines on its first column and row.
    static bool cellShows(const QImage &picture, QPoint at, const QImage &pattern, int code, bool skipLines);
};

bool TestCanvas::cellShows(const QImage &picture, QPoint at, const QImage &pattern, int code, bool skipLines)
{
    const QPoint square((code % 10) * 32, (code / 10) * 32);
    for (int y = skipLines ? 1 : 0; y < 32; ++y)
        for (int x = skipLines ? 1 : 0; x < 32; ++x)
            if (picture.pixel(at + QPoint(x, y)) != pattern.pixel(square + QPoint(x, y)))
                return false;
    return true;
}

void TestCanvas::emptyViewIsCyanWithNineLinesEachWay()
{
    QImage picture = canvas();
    RedrawCanvas(picture, StageMap(), ViewOrigin(), PatternImage::builtIn().tiles());
    const QRgb cyan = qRgb(0, 255, 255), yellow = qRgb(255, 255, 0);
    for (int y = 0; y < 320; ++y) {
        for (int x = 0; x < 320; ++x) {
            const bool onLine = (x % 32 == 0 && x > 0) || (y % 32 == 0 && y > 0);
            QCOMPARE(picture.pixel(x, y), onLine ? yellow : cyan);
        }
    }
}

void TestCanvas::tilesAreCopiedFromTheirSquares_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QPoint>("viewCell");
    QTest::newRow("61 at the view's corner") << 61 << QPoint(0, 0);
    QTest::newRow("5 inside the view") << 5 << QPoint(3, 2);
    QTest::newRow("0 at the far corner") << 0 << QPoint(9, 9);
    QTest::newRow("64, the last code") << 64 << QPoint(9, 0);
}

void TestCanvas::tilesAreCopiedFromTheirSquares()
{
    QFETCH(int, code);
    QFETCH(QPoint, viewCell);
    const PatternImage pattern = PatternImage::builtIn();
    const ViewOrigin origin{170, 20};
    StageMap map;
    map.set(origin.column + viewCell.x(), origin.row + viewCell.y(), CellCode(code));
    QImage picture = canvas();
    RedrawCanvas(picture, map, origin, pattern.tiles());
    QVERIFY(cellShows(picture, viewCell * 32, pattern.image(), code, viewCell != QPoint(0, 0)));
    // The tile's own background, not the canvas's cyan, surrounds the picture.
    QCOMPARE(picture.pixel(viewCell * 32 + QPoint(31, 31)) != qRgb(0, 255, 255), true);
}

void TestCanvas::squaresOutsideThePictureKeepTheBackground()
{
    // A 96 x 64 picture: squares beyond its third column or second row are missing.
    QImage small(96, 64, QImage::Format_RGB32);
    small.fill(qRgb(10, 20, 30));
    StageMap map;
    map.set(0, 0, 5);   // square (160, 0): wholly outside
    map.set(1, 0, 200); // a code only a file brings: far below
    map.set(2, 0, 12);  // square (64, 32): inside
    QImage picture = canvas();
    RedrawCanvas(picture, map, ViewOrigin(), PatternImage(small, PatternImage::Kind::Bitmap).tiles());
    QCOMPARE(picture.pixel(10, 10), qRgb(0, 255, 255));
    QCOMPARE(picture.pixel(42, 10), qRgb(0, 255, 255));
    QCOMPARE(picture.pixel(74, 10), qRgb(10, 20, 30));
}

void TestCanvas::aPictureThatIsNotABitmapStopsAtTheFirstTile()
{
    QImage icon(32, 32, QImage::Format_RGB32);
    icon.fill(Qt::black);
    const PatternImage pattern(icon, PatternImage::Kind::Icon);
    QImage picture = canvas();

    RedrawCanvas(picture, StageMap(), ViewOrigin(), pattern.tiles()); // nothing placed: draws normally
    QCOMPARE(picture.pixel(32, 5), qRgb(255, 255, 0));

    StageMap map;
    map.set(4, 4, 26);
    try {
        RedrawCanvas(picture, map, ViewOrigin(), pattern.tiles());
        QFAIL("drew tiles from a picture that is not a bitmap");
    } catch (const VorzoError &e) {
        QCOMPARE(e.message(), QStringLiteral("ビットマップを持っている時のみイメージの変更が可能です"));
    }
    for (QPoint p : {QPoint(32, 5), QPoint(5, 32), QPoint(140, 140), QPoint(319, 319)})
        QCOMPARE(picture.pixel(p), qRgb(0, 255, 255));
}

void TestCanvas::theWholeStageIsDrawnAsTheCanvasDrawsItsView_data()
{
    QTest::addColumn<ViewOrigin>("origin");
    QTest::newRow("the first view") << ViewOrigin{0, 0};
    QTest::newRow("the last view") << ViewOrigin{170, 20};
    QTest::newRow("in between") << ViewOrigin{93, 7};
}

void TestCanvas::theWholeStageIsDrawnAsTheCanvasDrawsItsView()
{
    QFETCH(ViewOrigin, origin);
    StageMap map;
    for (int i = 0; i < StageMap::Cells; ++i)
        map.setIndex(i, CellCode(i % 7 == 0 ? EmptyCell : (i * 37) % 256)); // foreign codes too
    const PatternImage pattern = PatternImage::builtIn();
    QImage view = canvas();
    RedrawCanvas(view, map, origin, pattern.tiles());

    for (bool grid : {true, false}) {
        const QImage stage = DrawStage(map, pattern.tiles(), grid);
        QCOMPARE(stage.size(), QSize(5760, 960));
        const QImage part = stage.copy(origin.column * 32, origin.row * 32, 320, 320);
        for (int y = 0; y < 320; ++y) {
            for (int x = 0; x < 320; ++x) {
                // The view has no line on its own first column and row; the
                // stage has one there unless it is the stage's first.
                const bool viewLine = (x % 32 == 0 && x > 0) || (y % 32 == 0 && y > 0);
                const bool stageLine = grid
                                       && ((x % 32 == 0 && origin.column + x > 0)
                                           || (y % 32 == 0 && origin.row + y > 0));
                if (viewLine == stageLine)
                    QCOMPARE(part.pixel(x, y), view.pixel(x, y));
                else if (stageLine)
                    QCOMPARE(part.pixel(x, y), qRgb(255, 255, 0));
            }
        }
    }
}

void TestCanvas::builtInPicture()
{
    const QImage image = PatternImage::builtIn().image();
    QCOMPARE(image.size(), QSize(320, 224));
    const QRgb background = qRgb(0, 192, 192);
    for (int code = 65; code < 70; ++code) {
        const QPoint square((code % 10) * 32, (code / 10) * 32);
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                QCOMPARE(image.pixel(square + QPoint(x, y)), background);
    }
    for (int y = 160; y < 192; ++y)
        for (int x = 160; x < 192; ++x)
            QCOMPARE(image.pixel(x, y), qRgb(0, 0, 255)); // square 55, water
    // Every thing the palette places has a picture of its own.
    for (int code = 0; code < 65; ++code) {
        const QPoint square((code % 10) * 32, (code / 10) * 32);
        int drawn = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                drawn += image.pixel(square + QPoint(x, y)) != background;
        QVERIFY2(drawn > 64, qPrintable(QStringLiteral("square %1 is almost empty").arg(code)));
    }
}

void TestCanvas::suppliedFileIsTheBuiltInPicture()
{
    QFile supplied(QStringLiteral(VORZO_DIST_DIR "/zuzodovi.bmp"));
    QVERIFY(supplied.open(QIODevice::ReadOnly));
    const QByteArray bytes = supplied.readAll();
    QCOMPARE(bytes, QByteArray(reinterpret_cast<const char *>(BuiltInPatternBitmap), int(BuiltInPatternBitmapSize)));

    auto u16 = [&](int at) { return quint16(uchar(bytes[at]) | uchar(bytes[at + 1]) << 8); };
    auto u32 = [&](int at) { return quint32(u16(at) | quint32(u16(at + 2)) << 16); };
    QCOMPARE(bytes.left(2), QByteArray("BM"));
    QCOMPARE(u32(2), quint32(bytes.size()));
    QCOMPARE(u32(10), 1078u); // headers and a 256-entry palette
    QCOMPARE(u32(18), 320u);
    QCOMPARE(int(u32(22)), 224);   // positive: bottom-up
    QCOMPARE(u16(28), quint16(8)); // bits per pixel
    QCOMPARE(u32(30), 0u);         // uncompressed
    QCOMPARE(u32(38), 3780u);
    QCOMPARE(u32(42), 3780u);
    QCOMPARE(bytes.size(), 1078 + 320 * 224);
}

QTEST_MAIN(TestCanvas)
#include "tst_canvas.moc"
