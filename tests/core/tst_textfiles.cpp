#include "platform/SafeSave.h"
#include "platform/TextLines.h"
#include "platform/VorzoError.h"
#include "platform/WholeFile.h"

#include "TestFiles.h"
#include "Unprivileged.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <cstdlib>
#include <sys/resource.h>

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
    void safeSaveKeepsPermissionsAndLongNames();
    void safeSaveWritesInPlaceWhereTheFolderIsClosed();
    void safeSaveFollowsSymbolicLinks_data();
    void safeSaveFollowsSymbolicLinks();
    void safeSaveInPlaceKeepsOldBytesOnAFullDisk_data();
    void safeSaveInPlaceKeepsOldBytesOnAFullDisk();
    void wholeFileReadsWithinItsLimit_data();
    void wholeFileReadsWithinItsLimit();
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
    // A full disk, as the kernel reports it to a writer over its file size
    // limit: every write beyond it fails. The page is smaller than a write
    // buffer, so the failure only shows when the buffer is flushed.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("s.kwt"));
    QVERIFY(TestFiles::put(path, "old"));
    rlimit before{};
    QVERIFY(::getrlimit(RLIMIT_FSIZE, &before) == 0);
    const auto ignoreSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = before;
    limited.rlim_cur = 1000;
    QVERIFY(::setrlimit(RLIMIT_FSIZE, &limited) == 0);
    QString message;
    try {
        saveFileSafely(path, QByteArray(5000, 'x'));
    } catch (const VorzoError &e) {
        message = e.message();
    }
    ::setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, ignoreSignal);
    QCOMPARE(message, QStringLiteral("ファイル %1 を作成できません").arg(path));
    QCOMPARE(TestFiles::contents(path), QByteArray("old"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("s.kwt")});
}

void TestTextFiles::safeSaveRefusesReadOnlyTarget()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.kwt"));
    saveFileSafely(path, "old");
    QFile::setPermissions(path, QFile::ReadOwner);
    QVERIFY_THROWS_EXCEPTION(VorzoError, saveFileSafely(path, "new"));
    QCOMPARE(TestFiles::contents(path), QByteArray("old"));
}

void TestTextFiles::safeSaveKeepsPermissionsAndLongNames()
{
    QTemporaryDir dir;
    // The longest name a folder takes, saved and saved again.
    const QString path = dir.filePath(QString(255 - 4, QLatin1Char('n')) + QStringLiteral(".kwt"));
    saveFileSafely(path, "first");
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
    saveFileSafely(path, "second");
    QCOMPARE(TestFiles::contents(path), QByteArray("second"));
    QCOMPARE(QFile::permissions(path) & 0x7077, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
}

void TestTextFiles::safeSaveWritesInPlaceWhereTheFolderIsClosed()
{
    // A folder of someone else's (or closed to us) with a file we may write:
    // no file can be created beside it, so the file itself is written. A
    // read-only file there still refuses and keeps its bytes.
    QTemporaryDir dir;
    QFile::setPermissions(dir.path(),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
    const QString folder = dir.filePath(QStringLiteral("closed"));
    QVERIFY(QDir().mkdir(folder));
    const QString writable = folder + QStringLiteral("/x.kwt");
    const QString readOnly = folder + QStringLiteral("/y.kwt");
    QVERIFY(TestFiles::put(writable, "old") && TestFiles::put(readOnly, "kept"));
    QVERIFY(Unprivileged::giveAway(writable) && Unprivileged::giveAway(readOnly));
    QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ReadOther);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
    const std::optional<bool> result = Unprivileged::run([&] {
        bool refused = false;
        try {
            saveFileSafely(readOnly, "new");
        } catch (const VorzoError &) {
            refused = true;
        }
        try {
            saveFileSafely(writable, "new");
        } catch (const VorzoError &) {
            return false;
        }
        return refused;
    });
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (!result)
        QSKIP("running with privileges that cannot be dropped: file permissions would not apply");
    QVERIFY(*result);
    QCOMPARE(TestFiles::contents(writable), QByteArray("new"));
    QCOMPARE(TestFiles::contents(readOnly), QByteArray("kept"));
}

void TestTextFiles::safeSaveFollowsSymbolicLinks_data()
{
    QTest::addColumn<QStringList>("links"); // each names the next; the last names the real file
    QTest::addColumn<bool>("realExists");
    QTest::newRow("a link to another folder") << QStringList{"here/link.kwt", "../there/real.kwt"} << true;
    QTest::newRow("a relative chain of two") << QStringList{"here/a.kwt", "b.kwt", "../there/real.kwt"} << true;
    QTest::newRow("a dangling link creates its target") << QStringList{"here/link.kwt", "../there/real.kwt"} << false;
}

void TestTextFiles::safeSaveFollowsSymbolicLinks()
{
    QFETCH(QStringList, links);
    QFETCH(bool, realExists);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("here")) && QDir(dir.path()).mkpath(QStringLiteral("there")));
    const QString real = dir.filePath(QStringLiteral("there/real.kwt"));
    if (realExists)
        QVERIFY(TestFiles::put(real, "old"));
    for (qsizetype i = 0; i + 1 < links.size(); ++i) {
        const QString link = dir.filePath(i == 0 ? links.at(0) : QStringLiteral("here/") + links.at(i));
        QVERIFY(QFile::link(links.at(i + 1), link));
    }
    const QString first = dir.filePath(links.at(0));
    saveFileSafely(first, "new");
    QVERIFY(QFileInfo(first).isSymLink());
    QCOMPARE(TestFiles::contents(real), QByteArray("new"));
    QCOMPARE(QDir(dir.filePath(QStringLiteral("there"))).entryList(QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("real.kwt")});
}

void TestTextFiles::safeSaveInPlaceKeepsOldBytesOnAFullDisk_data()
{
    QTest::addColumn<int>("oldSize");
    QTest::addColumn<int>("newSize");
    QTest::addColumn<bool>("saved");
    QTest::newRow("a longer page than the disk holds") << 12827 << 20000 << false;
    QTest::newRow("a much longer one") << 21 << 40000 << false;
    QTest::newRow("a shorter one fits and is cut to length") << 12827 << 5000 << true;
}

void TestTextFiles::safeSaveInPlaceKeepsOldBytesOnAFullDisk()
{
    // A folder closed to us, on a file system with no room left: the file
    // is written in place, and what does not fit never touches it.
    QFETCH(int, oldSize);
    QFETCH(int, newSize);
    QFETCH(bool, saved);
    if (!Unprivileged::isPrivileged())
        QSKIP("making a small file system needs privileges");
    QTemporaryDir dir;
    const QByteArray mountPoint = QFile::encodeName(dir.path());
    const QByteArray command = "mount -t tmpfs -o size=64k tmpfs '" + mountPoint + "' 2>/dev/null";
    if (std::system(command.constData()) != 0)
        QSKIP("no tmpfs can be mounted here");
    struct Unmount
    {
        QByteArray point;
        ~Unmount() { std::system(("umount '" + point + "'").constData()); }
    } unmount{mountPoint};
    const QString folder = dir.filePath(QStringLiteral("closed"));
    QVERIFY(QDir().mkdir(folder));
    const QString path = folder + QStringLiteral("/s.htm");
    QByteArray old(oldSize, 'o');
    old.back() = '!';
    QVERIFY(TestFiles::put(path, old) && Unprivileged::giveAway(path));
    {
        QFile filler(dir.filePath(QStringLiteral("filler")));
        QVERIFY(filler.open(QIODevice::WriteOnly));
        const QByteArray block(4096, 'f');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
    }
    const QByteArray page(newSize, 'n');
    const std::optional<bool> result = Unprivileged::run([&] {
        try {
            saveFileSafely(path, page);
        } catch (const VorzoError &) {
            return false;
        }
        return true;
    });
    if (!result)
        QSKIP("running with privileges that cannot be dropped: file permissions would not apply");
    QCOMPARE(*result, saved);
    QCOMPARE(TestFiles::contents(path), saved ? page : old);
}

void TestTextFiles::wholeFileReadsWithinItsLimit_data()
{
    using WholeFile::Longer;
    using WholeFile::Outcome;
    QTest::addColumn<QString>("name"); // in a folder of its own: "folder" is a folder, "none" is missing
    QTest::addColumn<qint64>("limit");
    QTest::addColumn<int>("longer");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QByteArray>("bytes");
    const qint64 none = WholeFile::NoLimit;
    QTest::newRow("whole") << "five" << none << int(Longer::Refused) << int(Outcome::Read) << QByteArray("12345");
    QTest::newRow("just within the limit")
        << "five" << qint64(5) << int(Longer::Refused) << int(Outcome::Read) << QByteArray("12345");
    QTest::newRow("one byte over") << "five" << qint64(4) << int(Longer::Refused) << int(Outcome::TooLong)
                                   << QByteArray();
    QTest::newRow("cut at the limit") << "five" << qint64(3) << int(Longer::Cut) << int(Outcome::Read)
                                      << QByteArray("123");
    QTest::newRow("empty") << "empty" << qint64(0) << int(Longer::Refused) << int(Outcome::Read) << QByteArray();
    QTest::newRow("a folder") << "folder" << none << int(Longer::Refused) << int(Outcome::CannotRead) << QByteArray();
    QTest::newRow("missing") << "none" << none << int(Longer::Refused) << int(Outcome::CannotRead) << QByteArray();
}

void TestTextFiles::wholeFileReadsWithinItsLimit()
{
    QFETCH(QString, name);
    QFETCH(qint64, limit);
    QFETCH(int, longer);
    QFETCH(int, outcome);
    QFETCH(QByteArray, bytes);
    QTemporaryDir dir;
    QVERIFY(TestFiles::put(dir.filePath(QStringLiteral("five")), "12345"));
    QVERIFY(TestFiles::put(dir.filePath(QStringLiteral("empty")), QByteArray()));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    const WholeFile::Result read = WholeFile::read(dir.filePath(name), {limit, WholeFile::Longer(longer)});
    QCOMPARE(int(read.outcome), outcome);
    QCOMPARE(read.bytes, bytes);
}

QTEST_APPLESS_MAIN(TestTextFiles)
#include "tst_textfiles.moc"
