#include "platform/SafeSave.h"
#include "platform/TextLines.h"
#include "platform/VorzoError.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using Lines = QList<QByteArray>;

class TestTextFiles : public QObject
{
    Q_OBJECT
private slots:
    void splitsOnEveryLineEnd_data();
    void splitsOnEveryLineEnd();
    void joinEndsEveryLineWithCrLf();
    void editTextRoundTrip_data();
    void editTextRoundTrip();
    void safeSaveWritesWholeFile();
    void safeSaveKeepsOldFileWhenItCannotWrite();
    void safeSaveRefusesReadOnlyTarget();
};

void TestTextFiles::splitsOnEveryLineEnd_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<Lines>("lines");
    QTest::newRow("empty") << QByteArray() << Lines{};
    QTest::newRow("crlf") << QByteArray("a\r\nb\r\n") << Lines{"a", "b"};
    QTest::newRow("lone cr") << QByteArray("a\rb\r") << Lines{"a", "b"};
    QTest::newRow("lone lf") << QByteArray("a\nb\n") << Lines{"a", "b"};
    QTest::newRow("mixed") << QByteArray("a\r\nb\rc\nd") << Lines{"a", "b", "c", "d"};
    QTest::newRow("lf cr is two ends") << QByteArray("a\n\rb") << Lines{"a", "", "b"};
    QTest::newRow("empty lines kept") << QByteArray("\r\n\r\nx") << Lines{"", "", "x"};
    QTest::newRow("last line without end") << QByteArray("key=value") << Lines{"key=value"};
    QTest::newRow("double-byte trail 0x0D is not possible, but bytes pass")
        << QByteArray("\x83\x41=\x82\xa0\r\n") << Lines{QByteArray("\x83\x41=\x82\xa0")};
}

void TestTextFiles::splitsOnEveryLineEnd()
{
    QFETCH(QByteArray, text);
    QFETCH(Lines, lines);
    QCOMPARE(TextLines::split(text), lines);
}

void TestTextFiles::joinEndsEveryLineWithCrLf()
{
    QCOMPARE(TextLines::join({"a", "", "b"}), QByteArray("a\r\n\r\nb\r\n"));
    QCOMPARE(TextLines::join({}), QByteArray());
    const QByteArray undecodable("\x80\xFD\xA0", 3);
    QCOMPARE(TextLines::split(TextLines::join({undecodable})), Lines{undecodable});
}

void TestTextFiles::editTextRoundTrip_data()
{
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("no final line end") << QStringLiteral("<HTML>\n<BODY>") << QByteArray("<HTML>\r\n<BODY>");
    QTest::newRow("ends with empty line") << QStringLiteral("a\n\n") << QByteArray("a\r\n\r\n");
    QTest::newRow("tab kept") << QStringLiteral("\t<DL>") << QByteArray("\t<DL>");
    QTest::newRow("japanese") << QStringLiteral("遊び方\n") << QByteArray::fromHex("975682d195fb0d0a");
}

void TestTextFiles::editTextRoundTrip()
{
    QFETCH(QString, edit);
    QFETCH(QByteArray, bytes);
    QCOMPARE(TextLines::fromEditText(edit), bytes);
    QCOMPARE(TextLines::toEditText(bytes), edit);
}

void TestTextFiles::safeSaveWritesWholeFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ステージ 1.kwp"));
    saveFileSafely(path, "old\r\n");
    saveFileSafely(path, "new\r\n");
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("new\r\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("ステージ 1.kwp")});
}

void TestTextFiles::safeSaveKeepsOldFileWhenItCannotWrite()
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("gone/a.kwt"));
    try {
        saveFileSafely(missing, "x");
        QFAIL("saved into a folder that does not exist");
    } catch (const VorzoError &e) {
        QCOMPARE(e.message(), QStringLiteral("ファイル %1 を作成できません").arg(missing));
    }
}

void TestTextFiles::safeSaveRefusesReadOnlyTarget()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.kwt"));
    saveFileSafely(path, "old");
    QFile::setPermissions(path, QFile::ReadOwner);
    QVERIFY_THROWS_EXCEPTION(VorzoError, saveFileSafely(path, "new"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("old"));
}

QTEST_APPLESS_MAIN(TestTextFiles)
#include "tst_textfiles.moc"
