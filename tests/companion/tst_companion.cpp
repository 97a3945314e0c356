// vorzo-stage as a user runs it: the page equals the editor's, the picture
// shows every cell as the canvas does, the check finds each planted fault,
// the text and the comparison of stages show every change, and wrong usage
// or a failure never passes for success.

#include "MetafileBytes.h"
#include "TestFiles.h"
#include "WindowFixture.h"

#include "companion/PaletteNames.h"
#include "pictures/PatternImage.h"
#include "platform/ShiftJis.h"
#include "platform/TextLines.h"
#include "settings/DefaultSettings.h"

#include <QDir>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <clocale>
#include <cstring>

namespace {

struct Run
{
    int status = -1;
    QByteArray out;
    QString err;
};

// vorzo-stage (or another program of the program folder) with `arguments`
// in `folder`, under the locale `lang`.
Run companion(const QStringList &arguments, const QString &folder, const QByteArray &lang = "ja_JP.UTF-8",
              const QString &outputFile = {}, const QString &program = QStringLiteral("vorzo-stage"))
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove("LC_ALL");
    environment.remove("LC_MESSAGES");
    environment.insert("LANG", QString::fromLatin1(lang));
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(folder);
    if (!outputFile.isEmpty())
        process.setStandardOutputFile(outputFile);
    process.start(QStringLiteral(VORZO_DIST_DIR "/") + program, arguments);
    Run run;
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.status = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

// The system's text for the error `error` under the locale `lang`, as the C
// library gives it (untranslated where the locale is not installed).
QString reason(int error, const char *lang = "ja_JP.UTF-8")
{
    const QByteArray previous = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, lang))
        std::setlocale(LC_ALL, "C");
    const QString text = QString::fromLocal8Bit(std::strerror(error));
    std::setlocale(LC_ALL, previous.constData());
    return text;
}

// The columns a line takes on a terminal: every character beyond ASCII two
// (the Japanese text's are all wide, and "×" is two columns on a Japanese
// terminal).
qsizetype columnsOf(const QString &line)
{
    qsizetype columns = 0;
    for (const char32_t c : line.toUcs4())
        columns += c < 0x80 ? 1 : 2;
    return columns;
}

QByteArray settingsFile(const QList<QByteArray> &lines)
{
    return TextLines::join(lines);
}

QByteArray defaultsFile()
{
    return settingsFile(defaultSettings().entries());
}

// The line of the default settings that holds `key`, from 0.
qsizetype lineOfDefault(const QByteArray &key)
{
    const QList<QByteArray> lines = defaultSettings().entries();
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines.at(i).startsWith(key + '='))
            return i;
    }
    return -1;
}

QByteArray emptyMap()
{
    return QByteArray(5400, char(99));
}

QByteArray mapWith(std::initializer_list<std::pair<int, int>> cells) // index, code
{
    QByteArray map = emptyMap();
    for (const auto &[index, code] : cells)
        map[index] = char(code);
    return map;
}

} // namespace

class TestCompanion : public QObject
{
    Q_OBJECT
private slots:
    void pageIsTheEditorsPage_data();
    void pageIsTheEditorsPage();
    void renderDrawsEveryCellAsTheCanvas_data();
    void renderDrawsEveryCellAsTheCanvas();
    void checkFindsEachFault_data();
    void checkFindsEachFault();
    void checkAsJson();
    void failuresAndWrongUsage_data();
    void failuresAndWrongUsage();
    void helpFitsEightyColumns_data();
    void helpFitsEightyColumns();
    void textAndDiffForVersionControl();
    void paletteNamesAreTheForms();
};

void TestCompanion::pageIsTheEditorsPage_data()
{
    QTest::addColumn<QByteArray>("head"); // template files; empty: the defaults
    QTest::addColumn<QByteArray>("tail");
    QTest::newRow("default templates") << QByteArray() << QByteArray();
    QTest::newRow("template files with every kind of line end and a stray byte")
        << QByteArray("<HTML>\n<BODY>\r<APPLET>\r\n") << ShiftJis::encode(QStringLiteral("</APPLET>\r\n終")) + "\xFD";
}

void TestCompanion::pageIsTheEditorsPage()
{
    QFETCH(QByteArray, head);
    QFETCH(QByteArray, tail);
    QTemporaryDir dir;
    // A stage the editor did not make: a foreign code, a short map, settings
    // with a Japanese value, bytes that are no text, a line without "=".
    QByteArray map = mapWith({{0, 0}, {61 * 30 + 29, 64}, {100 * 30, 200}});
    map.chop(400);
    QList<QByteArray> lines = defaultSettings().entries();
    lines[lineOfDefault("hitokoto1_name")] = "hitokoto1_name=" + ShiftJis::encode(QStringLiteral("ようこそ")) + "\x80";
    lines.append("no equals sign");
    QVERIFY(TestFiles::put(dir.filePath("given.kwt"), map));
    QVERIFY(TestFiles::put(dir.filePath("given.kwp"), settingsFile(lines)));

    // The editor opens it, refreshes and saves it with the page.
    {
        WindowFixture f;
        f.dialogs.pick(dir.filePath("given.kwt"));
        f.action("Open1")->trigger();
        if (!head.isEmpty()) {
            // As a user pastes the template files' texts into their boxes.
            f.control<QPlainTextEdit>("before")->setPlainText(TextLines::toEditText(head));
            f.control<QPlainTextEdit>("after")->setPlainText(TextLines::toEditText(tail));
        }
        f.press(Qt::Key_F7);
        f.dialogs.pick(dir.filePath("saved.kwt"));
        f.action("SaveAs2")->trigger();
        QVERIFY(f.dialogs.texts(ScriptedDialogs::Kind::Error).isEmpty());
    }
    const QByteArray editors = TestFiles::contents(dir.filePath("saved.htm"));
    QVERIFY(editors.contains("map1-29\" VALUE=\"./"));

    QStringList templates;
    if (!head.isEmpty()) {
        QVERIFY(TestFiles::put(dir.filePath("head.txt"), head) && TestFiles::put(dir.filePath("tail.txt"), tail));
        templates = QStringList{"--before", "head.txt", "--after", "tail.txt"};
    }
    for (const QString stage : {"given.kwt", "saved.kwt"}) {
        for (const QStringList &output : {QStringList(), QStringList{"-o", "-"}}) {
            const Run toStandardOutput = companion(QStringList{"page", stage} + output + templates, dir.path());
            QCOMPARE(toStandardOutput.status, 0);
            QCOMPARE(toStandardOutput.out, editors);
        }
        const Run toFile = companion(QStringList{"page", stage, "-o", "out.htm"} + templates, dir.path());
        QCOMPARE(toFile.status, 0);
        QCOMPARE(TestFiles::contents(dir.filePath("out.htm")), editors);
        QVERIFY(toFile.out.isEmpty() && toFile.err.isEmpty());
    }
}

void TestCompanion::renderDrawsEveryCellAsTheCanvas_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("scale");
    QTest::addColumn<bool>("grid");
    QTest::addColumn<bool>("fullColour");       // a picture of thousands of colours given
    QTest::addColumn<bool>("toStandardOutput"); // -o -
    QTest::newRow("built-in picture") << QStringList() << 1 << false << false << false;
    QTest::newRow("with the grid") << QStringList{"--grid"} << 1 << true << false << false;
    QTest::newRow("twice the size, grid") << QStringList{"--scale", "2", "--grid"} << 2 << true << false << false;
    QTest::newRow("a full-colour bitmap") << QStringList{"--picture", "colours.bmp"} << 1 << false << true << false;
    QTest::newRow("to standard output") << QStringList{"--grid"} << 1 << true << false << true;
}

void TestCompanion::renderDrawsEveryCellAsTheCanvas()
{
    QFETCH(QStringList, options);
    QFETCH(int, scale);
    QFETCH(bool, grid);
    QFETCH(bool, fullColour);
    QFETCH(bool, toStandardOutput);
    QTemporaryDir dir;
    QImage pattern = PatternImage::builtIn().image();
    if (fullColour) {
        pattern = QImage(320, 224, QImage::Format_RGB32);
        for (int y = 0; y < 224; ++y)
            for (int x = 0; x < 320; ++x)
                pattern.setPixel(x, y, qRgb(x % 256, y, (x * 7 + y * 3) % 256));
        QVERIFY(pattern.save(dir.filePath("colours.bmp"), "BMP"));
    }
    // Column, row, code: the corners, a message marker, a foreign code whose
    // square lies below the picture, an empty cell.
    const struct
    {
        int column, row, code;
    } cells[] = {
        {0, 0, 0}, {179, 29, 51}, {90, 15, 61}, {1, 0, 64}, {2, 0, 200}, {3, 0, 99},
    };
    QByteArray map = emptyMap();
    for (const auto &cell : cells)
        map[cell.column * 30 + cell.row] = char(cell.code);
    QVERIFY(TestFiles::put(dir.filePath("stage.kwt"), map));
    const Run run = toStandardOutput
                        ? companion(QStringList{"render", "stage.kwt", "-o", "-"} + options, dir.path(), "ja_JP.UTF-8",
                                    dir.filePath("stage.png"))
                        : companion(QStringList{"render", "stage.kwt", "-o", "stage.png"} + options, dir.path());
    QCOMPARE(run.err, QString());
    QCOMPARE(run.status, 0);

    const QImage picture(dir.filePath("stage.png"));
    QCOMPARE(picture.size(), QSize(5760, 960) * scale);
    const QRgb cyan = qRgb(0, 255, 255), yellow = qRgb(255, 255, 0);
    for (const auto &cell : cells) {
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                const bool onLine = grid && ((x == 0 && cell.column > 0) || (y == 0 && cell.row > 0));
                const QPoint square((cell.code % 10) * 32 + x, (cell.code / 10) * 32 + y);
                const QRgb expected = onLine                                      ? yellow
                                      : cell.code == 99 || !pattern.valid(square) ? cyan
                                                                                  : pattern.pixel(square);
                for (const QPoint corner : {QPoint(0, 0), QPoint(scale - 1, scale - 1)}) {
                    const QPoint at = (QPoint(cell.column * 32 + x, cell.row * 32 + y)) * scale + corner;
                    if (picture.pixel(at) != expected)
                        QFAIL(qPrintable(QStringLiteral("cell %1, %2 differs at %3, %4")
                                             .arg(cell.column)
                                             .arg(cell.row)
                                             .arg(x)
                                             .arg(y)));
                }
            }
        }
    }
}

void TestCompanion::checkFindsEachFault_data()
{
    QTest::addColumn<QByteArray>("map");
    QTest::addColumn<QByteArray>("settings"); // "<none>": no settings file
    QTest::addColumn<QByteArray>("lang");
    QTest::addColumn<int>("status");
    QTest::addColumn<QStringList>("lines");
    const QByteArray defaults = defaultsFile();
    QList<QByteArray> lines = defaultSettings().entries();
    QTest::newRow("a sound stage") << mapWith({{0, 0}, {5399, 64}}) << defaults << QByteArray("ja_JP.UTF-8") << 0
                                   << QStringList();
    QTest::newRow("a short map")
        << emptyMap().left(100) << defaults << QByteArray("ja_JP.UTF-8") << 1
        << QStringList{
               "s.kwt: マップファイルが 100 バイトしかありません (5,400 バイトに足りないぶんのマスは空白になります)"};
    QTest::newRow("a long map, in English")
        << emptyMap() + "xyz" << defaults << QByteArray("en_GB.UTF-8") << 1
        << QStringList{"s.kwt: the map file has 5,403 bytes (5,400 expected; the bytes beyond are ignored)"};
    QTest::newRow("foreign codes") << mapWith({{0, 65}, {179 * 30 + 29, 255}, {31, 98}}) << defaults
                                   << QByteArray("ja_JP.UTF-8") << 1
                                   << QStringList{"s.kwt: X 0, Y 0: コード 65 は 0～64 でも 99 でもありません",
                                                  "s.kwt: X 1, Y 1: コード 98 は 0～64 でも 99 でもありません",
                                                  "s.kwt: X 179, Y 29: コード 255 は 0～64 でも 99 でもありません"};
    QTest::newRow("no settings file") << emptyMap() << QByteArray("<none>") << QByteArray("ja_JP.UTF-8") << 1
                                      << QStringList{"s.kwp: ファイル s.kwp は開けません: " + reason(ENOENT)};
    QTest::newRow("no settings file, in English")
        << emptyMap() << QByteArray("<none>") << QByteArray("en_US.UTF-8") << 1
        << QStringList{"s.kwp: cannot open file s.kwp: No such file or directory"};
    QTest::newRow("72 settings") << emptyMap() << settingsFile(lines + QList<QByteArray>{"boss4_type=1"})
                                 << QByteArray("ja_JP.UTF-8") << 1
                                 << QStringList{"s.kwp:72: キー boss4_type は既定の 71 個にありません"};
    QTest::newRow("70 settings, a key repeated in other letters")
        << emptyMap() << settingsFile(lines.mid(0, 70) + QList<QByteArray>{"TIME_MAX=300"}) << QByteArray("ja_JP.UTF-8")
        << 1
        << QStringList{"s.kwp:71: キー TIME_MAX は 1 行目にもあります (最初の値が使われます)",
                       "s.kwp: キー game_speed がありません"};
    QList<QByteArray> broken = lines;
    broken[2] = "score_v 1";
    broken[lineOfDefault("hitokoto1_name")] = "hitokoto1_name=" + ShiftJis::encode(QStringLiteral("ぼるぞ"))
                                              + "\xFD\x81";
    broken.append(QByteArray("\0after=1", 8));
    QTest::newRow("no equals sign, bytes that are no text, a zero byte")
        << emptyMap() << settingsFile(broken) << QByteArray("ja_JP.UTF-8") << 1
        << QStringList{"s.kwp:3: 「=」がありません", "s.kwp:23:22: バイト 0xFD はコードページ 932 の文字になりません",
                       "s.kwp:23:23: バイト 0x81 はコードページ 932 の文字になりません",
                       "s.kwp:72: ゼロのバイトがあり、ここから先は読まれません", "s.kwp: キー score_v がありません"};
}

void TestCompanion::checkFindsEachFault()
{
    QFETCH(QByteArray, map);
    QFETCH(QByteArray, settings);
    QFETCH(QByteArray, lang);
    QFETCH(int, status);
    QFETCH(QStringList, lines);
    QTemporaryDir dir;
    QVERIFY(TestFiles::put(dir.filePath("s.kwt"), map));
    if (settings != "<none>")
        QVERIFY(TestFiles::put(dir.filePath("s.kwp"), settings));
    const Run run = companion({"check", "s.kwt"}, dir.path(), lang);
    QCOMPARE(run.err, QString());
    QCOMPARE(QString::fromUtf8(run.out), lines.isEmpty() ? QString() : lines.join('\n') + '\n');
    QCOMPARE(run.status, status);
}

void TestCompanion::checkAsJson()
{
    QTemporaryDir dir;
    QVERIFY(TestFiles::put(dir.filePath("s.kwt"), mapWith({{61, 70}})));
    QVERIFY(TestFiles::put(dir.filePath("s.kwp"), defaultsFile() + "x=\xFD\r\n"));
    const Run run = companion({"check", "--json", "s.kwt"}, dir.path());
    QCOMPARE(run.status, 1);
    const QJsonArray findings = QJsonDocument::fromJson(run.out).object().value("findings").toArray();
    QCOMPARE(findings.size(), 3);
    const QJsonObject code = findings.at(0).toObject();
    QCOMPARE(code.value("kind").toString(), QString("foreign-code"));
    QCOMPARE(code.value("column").toInt(), 2);
    QCOMPARE(code.value("row").toInt(), 1);
    QCOMPARE(code.value("code").toInt(), 70);
    const QJsonObject byte = findings.at(1).toObject();
    QCOMPARE(byte.value("kind").toString(), QString("invalid-byte"));
    QCOMPARE(byte.value("line").toInt(), 72);
    QCOMPARE(byte.value("byte").toInt(), 3);
    QCOMPARE(byte.value("value").toInt(), 0xFD);
    QCOMPARE(findings.at(2).toObject().value("key").toString(), QString("x"));
}

void TestCompanion::failuresAndWrongUsage_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");   // the first line on standard error
    QTest::addColumn<QString>("untouched"); // a file that must keep its bytes, or not appear
    QTest::newRow("nothing") << QStringList() << 2 << "vorzo-stage: コマンドがありません"
                             << "";
    QTest::newRow("an unknown command") << QStringList{"draw", "s.kwt"} << 2 << "vorzo-stage: 不明なコマンドです: draw"
                                        << "";
    QTest::newRow("an option of another command") << QStringList{"page", "s.kwt", "--grid"} << 2
                                                  << "vorzo-stage: page コマンドに --grid というオプションはありません"
                                                  << "";
    QTest::newRow("no stage") << QStringList{"check", "--json"} << 2
                              << "vorzo-stage: ステージのマップファイル (.kwt) を指定してください"
                              << "";
    QTest::newRow("two stages") << QStringList{"check", "s.kwt", "t.kwt"} << 2 << "vorzo-stage: 余分な引数です: t.kwt"
                                << "";
    QTest::newRow("-o without its name") << QStringList{"page", "s.kwt", "-o"} << 2
                                         << "vorzo-stage: -o オプションには値が要ります"
                                         << "";
    QTest::newRow("a scale too large") << QStringList{"render", "s.kwt", "-o", "p.png", "--scale", "5"} << 2
                                       << "vorzo-stage: --scale は 1 から 4 までの整数です: 5"
                                       << "p.png";
    QTest::newRow("render without -o") << QStringList{"render", "s.kwt"} << 2
                                       << "vorzo-stage: render には -o 画像.png が要ります"
                                       << "";
    QTest::newRow("a picture not named .png")
        << QStringList{"render", "s.kwt", "-o", "p.jpg"} << 2
        << "vorzo-stage: 画像は PNG で書きます。-o には .png で終わる名前か - を指定してください: p.jpg"
        << "p.jpg";
    QTest::newRow("the page over the map") << QStringList{"page", "s.kwt", "-o", "s.kwt"} << 2
                                           << "vorzo-stage: 出力先 s.kwt は読み込むファイルの 1 つです。上書きしません"
                                           << "s.kwt";
    QTest::newRow("the page over the settings, through a link")
        << QStringList{"page", "s.kwt", "-o", "link.htm"} << 2
        << "vorzo-stage: 出力先 link.htm は読み込むファイルの 1 つです。上書きしません"
        << "s.kwp";
    // A file that cannot be read or written: the system's reason follows.
    QTest::newRow("a missing map") << QStringList{"page", "none.kwt", "-o", "p.htm"} << 1
                                   << "vorzo-stage: ファイル none.kwt は開けません: " + reason(ENOENT) << "p.htm";
    QTest::newRow("a map that is a folder")
        << QStringList{"check", "folder"} << 1 << "vorzo-stage: ファイル folder は開けません: " + reason(EISDIR) << "";
    QTest::newRow("a missing settings file")
        << QStringList{"page", "alone.kwt", "-o", "p.htm"} << 1
        << "vorzo-stage: ファイル alone.kwp は開けません: " + reason(ENOENT) << "p.htm";
    QTest::newRow("a folder that does not exist")
        << QStringList{"page", "s.kwt", "-o", "gone/p.htm"} << 1
        << "vorzo-stage: ファイル gone/p.htm を作成できません: " + reason(ENOENT) << "";
    QTest::newRow("the picture over a folder")
        << QStringList{"render", "s.kwt", "-o", "folder.png"} << 1
        << "vorzo-stage: ファイル folder.png を作成できません: " + reason(EISDIR) << "";
    QTest::newRow("a full disk under the page") << QStringList{"page", "s.kwt", "-o", "-"} << 1
                                                << "vorzo-stage: 標準出力 に書き込めません: " + reason(ENOSPC) << "";
    QTest::newRow("a picture of no known kind") << QStringList{"render", "s.kwt", "-o", "p.png", "--picture", "x.gif"}
                                                << 1 << "vorzo-stage: 拡張子 .gif の画像形式は処理できません"
                                                << "p.png";
    QTest::newRow("a missing picture") << QStringList{"render", "s.kwt", "-o", "p.png", "--picture", "none.bmp"} << 1
                                       << "vorzo-stage: ファイル none.bmp は開けません: " + reason(ENOENT) << "p.png";
    QTest::newRow("a bitmap that is not one") << QStringList{"render", "s.kwt", "-o", "p.png", "--picture", "bad.bmp"}
                                              << 1 << "vorzo-stage: ビットマップイメージが不正です"
                                              << "p.png";
    QTest::newRow("an icon for a placed cell")
        << QStringList{"render", "s.kwt", "-o", "p.png", "--picture", "i.ico"} << 1
        << "vorzo-stage: ビットマップを持っている時のみイメージの変更が可能です"
        << "p.png";
    QTest::newRow("an icon for an empty stage")
        << QStringList{"render", "empty.kwt", "-o", "p.png", "--picture", "i.ico"} << 0 << ""
        << "";
    // Drawing a metafile's text takes the desktop's fonts, in either spelling
    // of the option.
    QTest::newRow("a metafile with text, --picture FILE")
        << QStringList{"render", "empty.kwt", "-o", "p.png", "--picture", "text.wmf"} << 0 << ""
        << "";
    QTest::newRow("a metafile with text, --picture=FILE")
        << QStringList{"render", "empty.kwt", "-o", "p.png", "--picture=text.wmf"} << 0 << ""
        << "";
    QTest::newRow("help") << QStringList{"check", "--help"} << 0 << ""
                          << "";
}

void TestCompanion::failuresAndWrongUsage()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, message);
    QFETCH(QString, untouched);
    QTemporaryDir dir;
    QVERIFY(TestFiles::put(dir.filePath("s.kwt"), mapWith({{0, 26}})));
    QVERIFY(TestFiles::put(dir.filePath("s.kwp"), defaultsFile()));
    QVERIFY(TestFiles::put(dir.filePath("empty.kwt"), emptyMap()));
    QVERIFY(TestFiles::put(dir.filePath("alone.kwt"), emptyMap()));
    QVERIFY(TestFiles::put(dir.filePath("bad.bmp"), "BM not a bitmap"));
    QVERIFY(TestFiles::put(dir.filePath("text.wmf"), MetafileBytes::wmf(64, 48, true, MetafileBytes::wmfText(48))));
    QVERIFY(QDir(dir.path()).mkdir("folder") && QDir(dir.path()).mkdir("folder.png"));
    QVERIFY(QFile::link(dir.filePath("s.kwp"), dir.filePath("link.htm")));
    QImage icon(32, 32, QImage::Format_ARGB32);
    icon.fill(Qt::red);
    QVERIFY(icon.save(dir.filePath("i.ico"), "ICO"));
    const QByteArray before = TestFiles::contents(dir.filePath(untouched));

    const bool toFullDisk = QTest::currentDataTag() == QLatin1String("a full disk under the page");
    const Run run = companion(arguments, dir.path(), "ja_JP.UTF-8", toFullDisk ? "/dev/full" : QString());
    QCOMPARE(run.err.section('\n', 0, 0), message);
    QCOMPARE(run.status, status);
    if (!untouched.isEmpty())
        QCOMPARE(TestFiles::contents(dir.filePath(untouched)), before);
    if (status == 0 && arguments.contains("--help"))
        QVERIFY(QString::fromUtf8(run.out).startsWith("使い方: vorzo-stage <コマンド> ステージ.kwt [オプション]\n"));
    if (status == 0 && arguments.contains("p.png"))
        QCOMPARE(QImage(dir.filePath("p.png")).size(), QSize(5760, 960));
    // Nothing half-written is left behind.
    QVERIFY(QDir(dir.path()).entryList({".vz-*"}, QDir::Files | QDir::Hidden).isEmpty());
}

void TestCompanion::helpFitsEightyColumns_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("lang");
    for (const char *lang : {"ja_JP.UTF-8", "en_US.UTF-8"}) {
        QTest::addRow("help, %s", lang) << "vorzo-stage" << QStringList{"--help"} << QByteArray(lang);
        QTest::addRow("the drawing program's help, %s", lang)
            << "vorzo-stage-render" << QStringList{"render", "--help"} << QByteArray(lang);
        QTest::addRow("wrong usage, %s", lang) << "vorzo-stage" << QStringList{"page"} << QByteArray(lang);
    }
}

void TestCompanion::helpFitsEightyColumns()
{
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, lang);
    QTemporaryDir dir;
    const Run run = companion(arguments, dir.path(), lang, {}, program);
    const QStringList lines = (QString::fromUtf8(run.out) + run.err).split('\n');
    QVERIFY(lines.size() > 1);
    for (const QString &line : lines) {
        if (columnsOf(line) > 80)
            QFAIL(qPrintable(QStringLiteral("%1 columns: %2").arg(columnsOf(line)).arg(line)));
    }
}

void TestCompanion::textAndDiffForVersionControl()
{
    QTemporaryDir dir;
    QByteArray map(5400, char(99));
    map[0] = char(0);              // X 0, Y 0: "A"
    map[179 * 30 + 29] = char(64); // X 179, Y 29: "/"
    map[10 * 30 + 5] = char(26);   // X 10, Y 5: "a"
    QList<QByteArray> lines = defaultSettings().entries();
    QVERIFY(TestFiles::put(dir.filePath("a.kwt"), map)
            && TestFiles::put(dir.filePath("a.kwp"), TextLines::join(lines)));

    const Run text = companion({"text", "a.kwt"}, dir.path());
    QCOMPARE(text.status, 0);
    const QList<QByteArray> rows = text.out.split('\n');
    QCOMPARE(rows.size(), 31); // and nothing after the last line's end
    QVERIFY(rows.last().isEmpty());
    QCOMPARE(rows.at(0), 'A' + QByteArray(179, '.'));
    QCOMPARE(rows.at(5).mid(9, 3), QByteArray(".a."));
    QCOMPARE(rows.at(29), QByteArray(179, '.') + '/');

    map[10 * 30 + 5] = char(36);  // "k  コイン"
    map[20 * 30 + 7] = char(200); // a code no entry places
    const qsizetype second = 1;   // score_v, the second line
    const QByteArray secondKey = lines.at(second).left(lines.at(second).indexOf('='));
    const QByteArray removed = lines.takeAt(3);
    lines[second] = secondKey + "=9";
    lines.append("extra=" + ShiftJis::encode(QStringLiteral("追加")));
    QVERIFY(TestFiles::put(dir.filePath("b.kwt"), map)
            && TestFiles::put(dir.filePath("b.kwp"), TextLines::join(lines)));

    const Run diff = companion({"diff", "a.kwt", "b.kwt"}, dir.path());
    QCOMPARE(diff.status, 1);
    const QString value = QString::fromLatin1(SettingsList::valueOf(defaultSettings().entry(second)));
    QCOMPARE(QString::fromUtf8(diff.out),
             QStringLiteral("X 10, Y 5: a レンガ → k コイン\n"
                            "X 20, Y 7: . 空白 → . (コード 200)\n"
                            "設定 %1: %2 → 9\n"
                            "設定の行がなくなりました: %3\n"
                            "設定の行が加わりました: extra=追加\n")
                 .arg(QString::fromLatin1(secondKey), value, QString::fromLatin1(removed)));

    const Run json = companion({"diff", "--json", "a.kwt", "b.kwt"}, dir.path());
    QCOMPARE(json.status, 1);
    const QJsonObject report = QJsonDocument::fromJson(json.out).object();
    QCOMPARE(report.value("equal").toBool(true), false);
    const QJsonObject cell = report.value("cells").toArray().at(0).toObject();
    QCOMPARE(cell.value("column").toInt(), 10);
    QCOMPARE(cell.value("after").toObject().value("name").toString(), QString("コイン"));
    QCOMPARE(report.value("settings").toArray().size(), 3);

    // Reordered lines are a difference too; the same stage is none.
    std::swap(lines[0], lines[1]);
    QVERIFY(TestFiles::put(dir.filePath("c.kwt"), map)
            && TestFiles::put(dir.filePath("c.kwp"), TextLines::join(lines)));
    const Run order = companion({"diff", "b.kwt", "c.kwt"}, dir.path());
    QCOMPARE(QString::fromUtf8(order.out), QString("設定の行の並びが変わりました\n"));
    QCOMPARE(order.status, 1);
    const Run same = companion({"diff", "a.kwt", "a.kwt"}, dir.path());
    QCOMPARE(same.out, QByteArray());
    QCOMPARE(same.status, 0);
}

void TestCompanion::paletteNamesAreTheForms()
{
    WindowFixture f(false);
    int code = 0;
    for (const char *name : {"list1", "list2", "list3"}) {
        const QListWidget *list = f.control<QListWidget>(name);
        for (int i = 0; i < list->count(); ++i, ++code) {
            const CellCode placed = code > LastPlaceableCode ? EmptyCell : CellCode(code);
            QCOMPARE(paletteNameOf(placed), list->item(i)->text().mid(1).trimmed());
        }
    }
    QCOMPARE(code, LastPlaceableCode + 2);
    QCOMPARE(paletteNameOf(65), QString());
}

QTEST_MAIN(TestCompanion)
#include "tst_companion.moc"
