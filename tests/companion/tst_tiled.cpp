// Stages to and from the Tiled map editor, with Tiled itself in the loop:
// a stage exported and imported again is the same two files, also after
// Tiled has read and saved the map; Tiled draws the exported stage as
// `render` does; a map that is no stage is refused with the problem and the
// cell, and nothing is written.

#include "TestFiles.h"

#include "platform/ShiftJis.h"
#include "platform/TextLines.h"
#include "settings/DefaultSettings.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run
{
    int status = -1;
    QByteArray out;
    QString err;
};

// `program` (by default vorzo-stage from the program folder) in `folder`,
// in Japanese.
Run run(const QStringList &arguments, const QString &folder,
        const QString &program = QStringLiteral(VORZO_DIST_DIR "/vorzo-stage"))
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("LC_ALL");
    environment.remove("LC_MESSAGES");
    environment.insert("LANG", "ja_JP.UTF-8");
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(folder);
    process.start(program, arguments);
    Run result;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return result;
    result.status = process.exitCode();
    result.out = process.readAllStandardOutput();
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

// Every code the palette places, each in many cells, with many empty ones.
QByteArray everyCodeMap()
{
    QByteArray map(5400, char(99));
    for (int i = 0; i < map.size(); ++i)
        map[i] = char((i * 7) % 66 == 65 ? 99 : (i * 7) % 66);
    return map;
}

// The defaults and every kind of line a settings file may hold.
QByteArray awkwardSettings()
{
    QList<QByteArray> lines = defaultSettings().entries();
    lines << "hitokoto1_name=" + ShiftJis::encode(QStringLiteral("ようこそ～ぼるぞへ")) << "key with\ttab=  spaced  "
          << "no equals sign"
          << "=an empty key"
          << "bytes=\x80\xFD\x81"
          << "control=a\x01z"
          << "del=\x7F"
          << "TIME_MAX=300"
          << ""
          << "path=C:\\stage=1";
    return TextLines::join(lines);
}

// The text of the layer's CSV with the id of cell `index` replaced.
QByteArray withCsvCell(const QByteArray &tmx, int index, const QByteArray &id)
{
    const qsizetype start = tmx.indexOf("<data encoding=\"csv\">") + 21;
    const qsizetype end = tmx.indexOf("</data>", start);
    QList<QByteArray> ids = tmx.mid(start, end - start).split(',');
    const bool endsLine = ids[index].endsWith('\n'); // the last of a row
    ids[index] = (ids[index].startsWith('\n') ? "\n" : "") + id + (endsLine ? "\n" : "");
    return tmx.left(start) + ids.join(',') + tmx.mid(end);
}

// The layer's data text replaced; `cut`: its first half kept instead.
QByteArray withData(const QByteArray &map, const QByteArray &data, bool cut)
{
    static const QRegularExpression text(QStringLiteral("(<data [^>]*>|\"data\":\\s*\")([^<\"]*)"));
    const QRegularExpressionMatch found = text.match(QString::fromLatin1(map));
    const QByteArray old = found.captured(2).toLatin1().trimmed();
    return QByteArray(map).replace(old, cut ? old.left(old.size() / 8 * 4) : data);
}

} // namespace

class TestTiled : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void exportThenImportGivesTheSameFiles_data();
    void exportThenImportGivesTheSameFiles();
    void tiledDrawsTheStageAsRenderDoes();
    void refusedImports_data();
    void refusedImports();

private:
    QString m_tiled;
    QString m_rasterizer;
};

void TestTiled::initTestCase()
{
    m_tiled = QStandardPaths::findExecutable("tiled");
    m_rasterizer = QStandardPaths::findExecutable("tmxrasterizer");
    QVERIFY2(!m_tiled.isEmpty() && !m_rasterizer.isEmpty(),
             "Tiled's tiled and tmxrasterizer are needed (Debian's tiled; tools/setup.sh installs it)");
}

void TestTiled::exportThenImportGivesTheSameFiles_data()
{
    QTest::addColumn<QString>("exported");    // the map export writes
    QTest::addColumn<QString>("layerFormat"); // its layer data
    QTest::addColumn<QString>("byTiled");     // what Tiled saves it as; empty: not through Tiled
    QTest::newRow("TMX, CSV") << "s.tmx"
                              << "csv"
                              << "";
    QTest::newRow("TMJ, zstd") << "s.tmj"
                               << "zstd"
                               << "";
    QTest::newRow("TMX, CSV, saved by Tiled as TMX") << "s.tmx"
                                                     << "csv"
                                                     << "t.tmx";
    QTest::newRow("TMX, CSV, saved by Tiled as TMJ") << "s.tmx"
                                                     << "csv"
                                                     << "t.tmj";
    QTest::newRow("TMX, base64, saved by Tiled as TMX") << "s.tmx"
                                                        << "base64"
                                                        << "t.tmx";
    QTest::newRow("TMX, zlib, saved by Tiled as TMJ") << "s.tmx"
                                                      << "zlib"
                                                      << "t.tmj";
    QTest::newRow("TMJ, gzip, saved by Tiled as TMX") << "s.tmj"
                                                      << "gzip"
                                                      << "t.tmx";
    QTest::newRow("TMJ, zstd, saved by Tiled as TMJ") << "s.tmj"
                                                      << "zstd"
                                                      << "t.tmj";
}

void TestTiled::exportThenImportGivesTheSameFiles()
{
    QFETCH(QString, exported);
    QFETCH(QString, layerFormat);
    QFETCH(QString, byTiled);
    QTemporaryDir dir;
    const QByteArray map = everyCodeMap(), settings = awkwardSettings();
    QVERIFY(TestFiles::put(dir.filePath("s.kwt"), map) && TestFiles::put(dir.filePath("s.kwp"), settings));
    const Run out = run({"export", "s.kwt", "-o", exported, "--layer-format", layerFormat}, dir.path());
    QCOMPARE(out.err, QString());
    QCOMPARE(out.status, 0);
    QVERIFY(!QImage(dir.filePath("s-tiles.png")).isNull());

    QString imported = exported;
    if (!byTiled.isEmpty()) {
        // Into another folder, so that Tiled writes the picture's path anew.
        QVERIFY(QDir(dir.path()).mkdir("tiled"));
        imported = "tiled/" + byTiled;
        const QString format = byTiled.endsWith(".tmj") ? "json" : "tmx";
        const Run saved = run({"--export-map", format, exported, imported}, dir.path(), m_tiled);
        QCOMPARE(saved.status, 0);
        QVERIFY2(TestFiles::contents(dir.filePath(imported)).contains("s-tiles.png"), "Tiled found the tileset");
    }
    const Run in = run({"import", imported, "-o", "back.kwt"}, dir.path());
    QCOMPARE(in.err, QString());
    QCOMPARE(in.status, 0);
    QCOMPARE(TestFiles::contents(dir.filePath("back.kwt")), map);
    QCOMPARE(TestFiles::contents(dir.filePath("back.kwp")), settings);
}

void TestTiled::tiledDrawsTheStageAsRenderDoes()
{
    QTemporaryDir dir;
    const QString sample = QStringLiteral(VORZO_DIST_DIR "/Projects/sample.kwt");
    QCOMPARE(run({"export", sample, "-o", "s.tmx"}, dir.path()).status, 0);
    QCOMPARE(run({"s.tmx", "tiled.png"}, dir.path(), m_rasterizer).status, 0);
    QCOMPARE(run({"render", sample, "-o", "render.png"}, dir.path()).status, 0);
    const QImage tiled = QImage(dir.filePath("tiled.png")).convertToFormat(QImage::Format_ARGB32);
    const QImage render = QImage(dir.filePath("render.png")).convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(tiled.size(), QSize(5760, 960));
    QCOMPARE(render.size(), tiled.size());
    const QByteArray map = TestFiles::contents(sample);
    int placed = 0;
    for (int column = 0; column < 180; ++column) {
        for (int row = 0; row < 30; ++row) {
            // An empty cell is no tile to Tiled: it shows the map's
            // background colour, which export sets to the canvas's cyan,
            // or nothing at all; the canvas paints it cyan.
            const bool empty = uchar(map.at(column * 30 + row)) == 99;
            placed += empty ? 0 : 1;
            for (int y = row * 32; y < row * 32 + 32; ++y) {
                for (int x = column * 32; x < column * 32 + 32; ++x) {
                    const QRgb drawn = tiled.pixel(x, y);
                    if (drawn == render.pixel(x, y) || (empty && qAlpha(drawn) == 0))
                        continue;
                    QFAIL(qPrintable(QStringLiteral("cell %1, %2 differs at pixel %3, %4: %5 against %6")
                                         .arg(column)
                                         .arg(row)
                                         .arg(x)
                                         .arg(y)
                                         .arg(drawn, 8, 16)
                                         .arg(render.pixel(x, y), 8, 16)));
                }
            }
        }
    }
    QVERIFY(placed > 100);
}

using Replacements = QList<std::pair<QByteArray, QByteArray>>;

void TestTiled::refusedImports_data()
{
    QTest::addColumn<QString>("exported");
    QTest::addColumn<QString>("layerFormat");
    QTest::addColumn<Replacements>("replacements"); // in the exported text
    QTest::addColumn<int>("cell");                  // whose CSV id becomes `id`; -1 none
    QTest::addColumn<QByteArray>("id");
    QTest::addColumn<QByteArray>("data"); // the layer's data instead; "cut": the first half
    QTest::addColumn<QString>("message");
    const Replacements none;
    QTest::newRow("a flipped tile") << "s.tmx"
                                    << "csv" << none << 2 * 180 + 5 << QByteArray("2147483659") << QByteArray()
                                    << "X 5, Y 2: タイルが反転か回転しています (ゲームのタイルに向きはありません)";
    QTest::newRow("tile 70") << "s.tmx"
                             << "csv" << none << 179 << QByteArray("71") << QByteArray()
                             << "X 179, Y 0: タイル 70 はステージのタイル (0～64) ではありません";
    QTest::newRow("a number that is no tile")
        << "s.tmx"
        << "csv" << none << 180 << QByteArray("-1") << QByteArray() << "X 0, Y 1: -1 はタイルの番号ではありません";
    QTest::newRow("a foreign tileset")
        << "s.tmx"
        << "csv" << Replacements{{"name=\"VorzoDazorad\"", "name=\"terrain\""}} << -1 << QByteArray() << QByteArray()
        << "タイルセット「terrain」はステージのもの (VorzoDazorad、32 × 32 のタイルが 10 列) ではありません";
    QTest::newRow("tiles of 16 pixels, in TMJ")
        << "s.tmj"
        << "csv" << Replacements{{"\"tilewidth\": 32", "\"tilewidth\": 16"}} << -1 << QByteArray() << QByteArray()
        << "マスが 16 × 32 ピクセルです (ステージは 32 × 32)";
    QTest::newRow("181 columns") << "s.tmx"
                                 << "csv"
                                 << Replacements{{"width=\"180\" height=\"30\" tilewidth",
                                                  "width=\"181\" height=\"30\" tilewidth"}}
                                 << -1 << QByteArray() << QByteArray()
                                 << "マップが 181 × 30 マスです (ステージは 180 × 30 マス)";
    QTest::newRow("two layers") << "s.tmx"
                                << "zlib"
                                << Replacements{{"</map>", "<layer id=\"2\" name=\"sky\" width=\"180\" "
                                                           "height=\"30\"><data encoding=\"csv\"/></layer></map>"}}
                                << -1 << QByteArray() << QByteArray()
                                << "2 つめのレイヤー「sky」があります (ステージはタイルレイヤー 1 つだけです)";
    QTest::newRow("an object layer, in TMJ")
        << "s.tmj"
        << "gzip" << Replacements{{"\"layers\": [", "\"layers\": [{\"type\": \"objectgroup\", \"name\": \"notes\"},"}}
        << -1 << QByteArray() << QByteArray()
        << "2 つめのレイヤー「notes」があります (ステージはタイルレイヤー 1 つだけです)";
    QTest::newRow("an infinite map") << "s.tmx"
                                     << "csv" << Replacements{{"infinite=\"0\"", "infinite=\"1\""}} << -1
                                     << QByteArray() << QByteArray() << "無限のマップです (ステージは 180 × 30 マス)";
    QTest::newRow("truncated base64") << "s.tmx"
                                      << "zlib" << none << -1 << QByteArray() << QByteArray("cut")
                                      << "レイヤーのデータが zlib の圧縮データとして壊れているか、途中で切れています";
    QTest::newRow("too few bytes, in TMJ") << "s.tmj"
                                           << "base64" << none << -1 << QByteArray() << QByteArray("cut")
                                           << "レイヤーのデータが 10,800 バイトです (21,600 バイトのはず)";
    QTest::newRow("no base64") << "s.tmx"
                               << "gzip" << none << -1 << QByteArray() << QByteArray("H4sI*")
                               << "レイヤーのデータが base64 になっていません";
    // 16 MiB of zeros in 16 KiB.
    QTest::newRow("a zlib bomb") << "s.tmx"
                                 << "zlib" << none << -1 << QByteArray()
                                 << qCompress(QByteArray(16 << 20, '\0'), 9).mid(4).toBase64()
                                 << "レイヤーのデータが展開すると 21,600 バイトを超えます (展開はそこでやめました)";
    QTest::newRow("a property that is no settings line")
        << "s.tmx"
        << "csv" << Replacements{{"<properties>", "<properties><property name=\"speed\" value=\"3\"/>"}} << -1
        << QByteArray() << QByteArray() << "プロパティ「speed」は詳細設定の行になりません (名前は「行番号 キー」です)";
    QTest::newRow("a character Shift-JIS lacks")
        << "s.tmx"
        << "csv" << Replacements{{"003 score_v\" value=\"1\"", "003 score_v\" value=\"\xF0\x9F\x98\x80\""}} << -1
        << QByteArray() << QByteArray() << "プロパティ「003 score_v」: " + ShiftJis::unencodableMessage(U'\U0001F600');
    QTest::newRow("no map") << "s.tmx"
                            << "csv" << Replacements{{"<map ", "<html "}, {"</map>", "</html>"}} << -1 << QByteArray()
                            << QByteArray() << "Tiled のマップではありません";
}

void TestTiled::refusedImports()
{
    QFETCH(QString, exported);
    QFETCH(QString, layerFormat);
    QFETCH(Replacements, replacements);
    QFETCH(int, cell);
    QFETCH(QByteArray, id);
    QFETCH(QByteArray, data);
    QFETCH(QString, message);
    QTemporaryDir dir;
    QVERIFY(TestFiles::put(dir.filePath("s.kwt"), everyCodeMap()));
    QVERIFY(TestFiles::put(dir.filePath("s.kwp"), TextLines::join(defaultSettings().entries())));
    QCOMPARE(run({"export", "s.kwt", "-o", exported, "--layer-format", layerFormat}, dir.path()).status, 0);
    QByteArray map = TestFiles::contents(dir.filePath(exported));
    for (const auto &[from, to] : replacements) {
        QVERIFY2(map.contains(from), from.constData());
        map.replace(from, to);
    }
    if (cell >= 0)
        map = withCsvCell(map, cell, id);
    if (!data.isEmpty())
        map = withData(map, data, data == "cut");
    QVERIFY(TestFiles::put(dir.filePath(exported), map));

    const Run in = run({"import", exported, "-o", "out.kwt"}, dir.path());
    QCOMPARE(in.err, "vorzo-stage: " + exported + ": " + message + '\n');
    QCOMPARE(in.status, 1);
    QVERIFY(!QFile::exists(dir.filePath("out.kwt")) && !QFile::exists(dir.filePath("out.kwp")));
}

QTEST_MAIN(TestTiled)
#include "tst_tiled.moc"
