#include "platform/Preferences.h"
#include "platform/ProfileFile.h"
#include "platform/ProgramFolder.h"
#include "platform/ShiftJis.h"
#include "platform/VorzoError.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "TestFiles.h"
#include "Unprivileged.h"

class TestProfile : public QObject
{
    Q_OBJECT
private slots:
    void reads_data();
    void reads();
    void writes_data();
    void writes();
    void readOnlyFileIsNotWritten();
    void lineBreaksAreRefused_data();
    void lineBreaksAreRefused();
    void anUnreadableFileIsNotRewritten();
    void preferencesDefaults();
    void preferencesFromAFileWithOnlyToroku();
    void registeredItemsCreateTheFile();
};

void TestProfile::reads_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    const QByteArray toroku("[Toroku]\r\nNo1=5\r\n");
    QTest::newRow("plain") << toroku << "Toroku"
                           << "No1"
                           << "5";
    QTest::newRow("lower-case names in the file") << QByteArray("[toroku]\r\nno1=5\r\n") << "Toroku"
                                                  << "No1"
                                                  << "5";
    QTest::newRow("upper-case names asked") << toroku << "TOROKU"
                                            << "NO1"
                                            << "5";
    QTest::newRow("blanks around") << QByteArray("[A]\r\n  k  =  7 \t\r\n") << "A"
                                   << "k"
                                   << "7";
    QTest::newRow("quotes stripped") << QByteArray("[A]\r\nk=\"C:\\My Stages\\\"\r\n") << "A"
                                     << "k"
                                     << "C:\\My Stages\\";
    QTest::newRow("one pair only") << QByteArray("[A]\r\nk=\"\"x\"\"\r\n") << "A"
                                   << "k"
                                   << "\"x\"";
    QTest::newRow("single quotes stripped") << QByteArray("[A]\r\nnO5='7'\r\n") << "A"
                                            << "No5"
                                            << "7";
    QTest::newRow("mixed quotes stay") << QByteArray("[A]\r\nk=\"7'\r\n") << "A"
                                       << "k"
                                       << "\"7'";
    QTest::newRow("a lone quote stays") << QByteArray("[A]\r\nk=\"x\r\n") << "A"
                                        << "k"
                                        << "\"x";
    QTest::newRow("value keeps later =") << QByteArray("[A]\r\nk=a=b\r\n") << "A"
                                         << "k"
                                         << "a=b";
    QTest::newRow("2,047 characters at most") << "[A]\r\nk=" + QByteArray(3000, 'a') + "\r\n"
                                              << "A"
                                              << "k" << QString(2047, 'a');
    QTest::newRow("missing file") << QByteArray("<missing>") << "A"
                                  << "k"
                                  << "default";
    QTest::newRow("missing section") << toroku << "Directory"
                                     << "No1"
                                     << "default";
    QTest::newRow("missing key") << toroku << "Toroku"
                                 << "No2"
                                 << "default";
    QTest::newRow("key of another section") << QByteArray("[B]\r\nk=1\r\n[A]\r\nj=2\r\n") << "A"
                                            << "k"
                                            << "default";
    QTest::newRow("comment is no key") << QByteArray("[A]\r\n;k=1\r\n") << "A"
                                       << "k"
                                       << "default";
    QTest::newRow("lines without = are passed over") << QByteArray("[A]\r\nrubbish\r\nk=1\r\n") << "A"
                                                     << "k"
                                                     << "1";
    QTest::newRow("first of duplicate keys") << QByteArray("[A]\r\nk=1\r\nk=2\r\n") << "A"
                                             << "k"
                                             << "1";
    QTest::newRow("first of duplicate sections") << QByteArray("[A]\r\nk=1\r\n[A]\r\nk=2\r\n") << "A"
                                                 << "k"
                                                 << "1";
    QTest::newRow("LF and CR lines") << QByteArray("[A]\nj=0\rk=3") << "A"
                                     << "k"
                                     << "3";
    QTest::newRow("japanese value") << "[Directory]\r\nImage=" + ShiftJis::encode(QStringLiteral("絵.bmp")) + "\r\n"
                                    << "Directory"
                                    << "Image" << QStringLiteral("絵.bmp");
}

void TestProfile::reads()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("dazorad.ini"));
    if (file != "<missing>")
        QVERIFY(TestFiles::put(path, file));
    QCOMPARE(ProfileFile::read(path, section, key, QStringLiteral("default")), value);
}

void TestProfile::writes_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("replaced in place") << QByteArray("[A]\r\nk=1\r\nj=2\r\n") << "A"
                                       << "k"
                                       << "9" << QByteArray("[A]\r\nk=9\r\nj=2\r\n");
    QTest::newRow("lower-case names keep their spelling") << QByteArray("[toroku]\r\nno1=51\r\n") << "Toroku"
                                                          << "No1"
                                                          << "31" << QByteArray("[toroku]\r\nno1=31\r\n");
    QTest::newRow("blanks around = go") << QByteArray("[A]\r\n  Key = 1 \r\n") << "A"
                                        << "key"
                                        << "2" << QByteArray("[A]\r\nKey=2\r\n");
    const QByteArray zo = ShiftJis::encode(QStringLiteral("ゾーン")); // ゾ is 0x83 0x5D
    QTest::newRow("a section name with the trail byte 0x5D") << "[" + zo + "]\r\nk=1\r\n"
                                                             << QStringLiteral("ゾーン") << "k"
                                                             << "2"
                                                             << "[" + zo + "]\r\nk=2\r\n";
    QTest::newRow("undecodable bytes written back") << QByteArray() << "Toroku"
                                                    << "No4" << ShiftJis::decode(QByteArray::fromHex("80fdff"))
                                                    << QByteArray::fromHex("5b546f726f6b755d0d0a4e6f343d80fdff0d0a");
    QTest::newRow("key added at its section's end") << QByteArray("[A]\r\nj=2\r\n\r\n[B]\r\nx=1\r\n") << "A"
                                                    << "k"
                                                    << "9" << QByteArray("[A]\r\nj=2\r\nk=9\r\n\r\n[B]\r\nx=1\r\n");
    QTest::newRow("key added to the last section") << QByteArray("[A]\r\nj=2\r\n") << "A"
                                                   << "k"
                                                   << "1" << QByteArray("[A]\r\nj=2\r\nk=1\r\n");
    QTest::newRow("section added at the end") << QByteArray("[A]\r\nj=2\r\n") << "B"
                                              << "k"
                                              << "1" << QByteArray("[A]\r\nj=2\r\n[B]\r\nk=1\r\n");
    QTest::newRow("no line end at the end") << QByteArray("[A]\r\nj=2") << "A"
                                            << "k"
                                            << "1" << QByteArray("[A]\r\nj=2\r\nk=1\r\n");
    QTest::newRow("file created") << QByteArray("<missing>") << "Toroku"
                                  << "No1"
                                  << "0" << QByteArray("[Toroku]\r\nNo1=0\r\n");
    const QByteArray odd("; kept\n[A]\nj=\x80\xFD\n[Toroku]\r\nNo1=1\r\n");
    QTest::newRow("other lines byte for byte") << odd << "Toroku"
                                               << "No1"
                                               << "2" << QByteArray(odd).replace("No1=1", "No1=2");
    QTest::newRow("japanese value") << QByteArray() << "Directory"
                                    << "Image" << QStringLiteral("絵.bmp")
                                    << "[Directory]\r\nImage=" + ShiftJis::encode(QStringLiteral("絵.bmp")) + "\r\n";
}

void TestProfile::writes()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QFETCH(QByteArray, after);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("dazorad.ini"));
    if (before != "<missing>")
        QVERIFY(TestFiles::put(path, before));
    ProfileFile::write(path, section, key, value);
    QCOMPARE(TestFiles::contents(path), after);
    QCOMPARE(ProfileFile::read(path, section, key, QString()), value);
}

void TestProfile::lineBreaksAreRefused_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::newRow("a folder with LF") << "Directory"
                                      << "SaveOpen"
                                      << "/home/u/a\nb/";
    QTest::newRow("CR in a value") << "Directory"
                                   << "Image"
                                   << "a\rb.bmp";
    QTest::newRow("in a key") << "Toroku"
                              << "No1\r\nNo2"
                              << "5";
}

void TestProfile::lineBreaksAreRefused()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("dazorad.ini"));
    QVERIFY(TestFiles::put(path, "[Toroku]\r\nNo1=1\r\n"));
    QVERIFY_THROWS_EXCEPTION(VorzoError, ProfileFile::write(path, section, key, value));
    QCOMPARE(TestFiles::contents(path), QByteArray("[Toroku]\r\nNo1=1\r\n"));
}

void TestProfile::anUnreadableFileIsNotRewritten()
{
    QTemporaryDir dir;
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther
                                          | QFile::WriteOther | QFile::ExeOther);
    const QString path = dir.filePath(QStringLiteral("dazorad.ini"));
    const QByteArray stored("[Directory]\r\nSaveOpen=/s/\r\n[TextEditor]\r\nFore=$FFFFFF\r\n");
    QVERIFY(TestFiles::put(path, stored));
    QVERIFY(Unprivileged::giveAway(path));
    QFile::setPermissions(path, QFile::WriteOwner);
    const std::optional<bool> refused = Unprivileged::run([&] {
        try {
            ProfileFile::write(path, QStringLiteral("Toroku"), QStringLiteral("No1"), QStringLiteral("2"));
        } catch (const VorzoError &e) {
            return e.message() == QStringLiteral("%1 に書き込めません").arg(path);
        }
        return false;
    });
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    if (!refused)
        QSKIP("running with privileges that cannot be dropped: file permissions would not apply");
    QVERIFY(*refused);
    QCOMPARE(TestFiles::contents(path), stored);
}

void TestProfile::readOnlyFileIsNotWritten()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("dazorad.ini"));
    QVERIFY(TestFiles::put(path, "[Toroku]\r\nNo1=1\r\n"));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    try {
        ProfileFile::write(path, QStringLiteral("Toroku"), QStringLiteral("No1"), QStringLiteral("2"));
        QFAIL("a read-only file was written");
    } catch (const VorzoError &e) {
        QCOMPARE(e.message(), QStringLiteral("%1 に書き込めません").arg(path));
    }
    QCOMPARE(TestFiles::contents(path), QByteArray("[Toroku]\r\nNo1=1\r\n"));
}

void TestProfile::preferencesDefaults()
{
    QTemporaryDir dir;
    ProgramFolder::setOverride(dir.path());
    const Preferences p = Preferences::read();
    ProgramFolder::setOverride(QString());
    QCOMPARE(p.saveOpenFolder, QDir::toNativeSeparators(dir.path() + "/Projects/"));
    QCOMPARE(p.imageFile, QStringLiteral("zuzodovi.bmp"));
    QCOMPARE(p.foreColour, QStringLiteral("$FFFFFF"));
    QCOMPARE(p.backColour, QStringLiteral("$000000"));
    QCOMPARE(p.registered, QStringList(5, QStringLiteral("99")));
}

void TestProfile::preferencesFromAFileWithOnlyToroku()
{
    QTemporaryDir dir;
    QVERIFY(TestFiles::put(dir.filePath(QStringLiteral("dazorad.ini")), "[toroku]\r\nno1=0\r\nNO3=51\r\nNo5=abc\r\n"));
    ProgramFolder::setOverride(dir.path());
    const Preferences p = Preferences::read();
    ProgramFolder::setOverride(QString());
    QCOMPARE(p.imageFile, QStringLiteral("zuzodovi.bmp"));
    QCOMPARE(p.registered, (QStringList{"0", "99", "51", "99", "abc"}));
}

void TestProfile::registeredItemsCreateTheFile()
{
    QTemporaryDir dir;
    ProgramFolder::setOverride(dir.path());
    Preferences::writeRegistered({"0", "25", "26", "64", "99"});
    ProgramFolder::setOverride(QString());
    QCOMPARE(TestFiles::contents(dir.filePath(QStringLiteral("dazorad.ini"))),
             QByteArray("[Toroku]\r\nNo1=0\r\nNo2=25\r\nNo3=26\r\nNo4=64\r\nNo5=99\r\n"));
}

QTEST_APPLESS_MAIN(TestProfile)
#include "tst_profile.moc"
