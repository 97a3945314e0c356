#include "platform/ShiftJis.h"
#include "platform/VorzoError.h"

#include <QTest>

class TestShiftJis : public QObject
{
    Q_OBJECT
private slots:
    void encodes_data();
    void encodes();
    void refusesWhatTheCodePageCannotHold_data();
    void refusesWhatTheCodePageCannotHold();
    void decodes_data();
    void decodes();
    void decodingKeepsEveryUndecodableByteVisible_data();
    void decodingKeepsEveryUndecodableByteVisible();
    void errorBoxAppendsAFullStop_data();
    void errorBoxAppendsAFullStop();
};

void TestShiftJis::encodes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("ascii") << QStringLiteral("<PARAM NAME=\"a\">") << QByteArray("<PARAM NAME=\"a\">");
    QTest::newRow("backslash stays 0x5C") << QStringLiteral("\\~") << QByteArray("\x5C\x7E");
    QTest::newRow("hiragana") << QStringLiteral("ぼるぞ") << QByteArray::fromHex("82da82e982bc");
    QTest::newRow("half-width katakana") << QStringLiteral("ｱ") << QByteArray::fromHex("b1");
    QTest::newRow("fullwidth tilde") << QStringLiteral("～") << QByteArray::fromHex("8160");
    QTest::newRow("NEC circled digit") << QStringLiteral("①") << QByteArray::fromHex("8740");
    // What Linux input methods type for the code page's own characters.
    QTest::newRow("wave dash") << QStringLiteral("\u301C") << QByteArray::fromHex("8160");
    QTest::newRow("double vertical line") << QStringLiteral("\u2016") << QByteArray::fromHex("8161");
    QTest::newRow("minus sign") << QStringLiteral("\u2212") << QByteArray::fromHex("817c");
    QTest::newRow("em dash") << QStringLiteral("\u2014") << QByteArray::fromHex("815c");
    QTest::newRow("cent sign") << QStringLiteral("\u00A2") << QByteArray::fromHex("8191");
    QTest::newRow("pound sign") << QStringLiteral("\u00A3") << QByteArray::fromHex("8192");
    QTest::newRow("not sign") << QStringLiteral("\u00AC") << QByteArray::fromHex("81ca");
    QTest::newRow("empty") << QString() << QByteArray();
}

void TestShiftJis::encodes()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(ShiftJis::encode(text), bytes);
}

void TestShiftJis::refusesWhatTheCodePageCannotHold_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("named");
    QTest::newRow("euro sign") << QStringLiteral("価格€") << QStringLiteral("「€」(U+20AC)");
    QTest::newRow("hangul after ascii") << QStringLiteral("abc한") << QStringLiteral("「한」(U+D55C)");
    QTest::newRow("emoji, a surrogate pair") << QStringLiteral("x\U0001F600y") << QStringLiteral("(U+1F600)");
    QTest::newRow("first of two is named") << QStringLiteral("é€") << QStringLiteral("「é」(U+00E9)");
}

void TestShiftJis::refusesWhatTheCodePageCannotHold()
{
    QFETCH(QString, text);
    QFETCH(QString, named);
    try {
        ShiftJis::encode(text);
        QFAIL("an unencodable character was encoded");
    } catch (const VorzoError &e) {
        QVERIFY2(e.message().contains(named), qPrintable(e.message()));
    }
}

void TestShiftJis::decodes_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("kana and kanji") << QByteArray::fromHex("82da82e982bc8dec90ac") << QStringLiteral("ぼるぞ作成");
    QTest::newRow("0x8160 is fullwidth tilde") << QByteArray::fromHex("8160") << QStringLiteral("～");
    QTest::newRow("0x5C is backslash") << QByteArray("\\") << QStringLiteral("\\");
    QTest::newRow("IBM extension") << QByteArray::fromHex("fa5c") << QStringLiteral("纊");
    QTest::newRow("NEC-selected IBM extension") << QByteArray::fromHex("ed40") << QStringLiteral("纊");
}

void TestShiftJis::decodes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(ShiftJis::decode(bytes), text);
}

void TestShiftJis::decodingKeepsEveryUndecodableByteVisible_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("characters");
    QTest::newRow("lone trailing lead byte") << QByteArray("ab\x82", 3) << 3;
    QTest::newRow("0x80") << QByteArray("\x80", 1) << 1;
    QTest::newRow("0xA0 between letters") << QByteArray("a\xA0z", 3) << 3;
    QTest::newRow("0xFD") << QByteArray("\xFD", 1) << 1;
}

void TestShiftJis::decodingKeepsEveryUndecodableByteVisible()
{
    // The decoder is stateless: nothing is held back for a next call.
    QFETCH(QByteArray, bytes);
    QFETCH(int, characters);
    QCOMPARE(ShiftJis::decode(bytes).size(), characters);
}

void TestShiftJis::errorBoxAppendsAFullStop_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");
    QTest::newRow("japanese") << QStringLiteral("ファイル a は開けません") << QStringLiteral("ファイル a は開けません.");
    QTest::newRow("letter") << QStringLiteral("abc") << QStringLiteral("abc.");
    QTest::newRow("ends in full stop") << QStringLiteral("done.") << QStringLiteral("done.");
    QTest::newRow("ends in comma, sorts before") << QStringLiteral("x,") << QStringLiteral("x,");
    QTest::newRow("ends in slash, sorts after") << QStringLiteral("C:/") << QStringLiteral("C:/.");
    QTest::newRow("empty") << QString() << QString();
}

void TestShiftJis::errorBoxAppendsAFullStop()
{
    QFETCH(QString, message);
    QFETCH(QString, shown);
    QCOMPARE(errorBoxText(message), shown);
}

QTEST_APPLESS_MAIN(TestShiftJis)
#include "tst_shiftjis.moc"
