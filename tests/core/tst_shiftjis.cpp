#include "platform/ShiftJis.h"
#include "platform/VorzoError.h"
#include "tools/Cp932FromConverter.h"

#include <QRandomGenerator>
#include <QStringEncoder>
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
    void undecodableBytesAreKeptAndShown_data();
    void undecodableBytesAreKeptAndShown();
    void everyByteStringComesBackAsItWas();
    void everyCharacterEncodedReadsBackAsItself();
    void theTablesAreTheConvertersRoundTrips();
    void everyCharacterEncodesAsTheConverterEncodesIt();
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
    QTest::newRow("zero-width no-break space, not taken for a byte order mark")
        << QStringLiteral("a\uFEFF") << QStringLiteral("「\uFEFF」(U+FEFF)");
    QTest::newRow("first of two is named") << QStringLiteral("é€") << QStringLiteral("「é」(U+00E9)");
    // Substitutes typed or pasted where no such byte was: they would be
    // written as other bytes than the text shows.
    QTest::newRow("substitute of NUL") << QStringLiteral("Z\uF700Z") << QStringLiteral("(U+F700)");
    QTest::newRow("substitutes of CR and LF") << QStringLiteral("A\uF70DB\uF70AC") << QStringLiteral("(U+F70D)");
    QTest::newRow("a substitute pair that is あ") << QStringLiteral("\uF782\uF7A0") << QStringLiteral("(U+F782)");
    QTest::newRow("a lone lead substitute before ア") << QStringLiteral("x\uF782ア") << QStringLiteral("(U+F782)");
    QTest::newRow("substitute of a katakana byte") << QStringLiteral("\uF7B1") << QStringLiteral("(U+F7B1)");
    QTest::newRow("a code that reads back as another") << QStringLiteral("\uF86F") << QStringLiteral("(U+F86F)");
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
    QTest::newRow("user-defined area") << QByteArray::fromHex("f040") << QStringLiteral("\uE000");
}

void TestShiftJis::decodes()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(ShiftJis::decode(bytes), text);
}

void TestShiftJis::undecodableBytesAreKeptAndShown_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    const QChar b80(0xF780), bA0(0xF7A0), bFD(0xF7FD), bFF(0xF7FF), b82(0xF782), b81(0xF781);
    QTest::newRow("lone trailing lead byte") << QByteArray("ab\x82", 3) << QString("ab") + b82;
    QTest::newRow("0x80") << QByteArray("\x80", 1) << QString(b80);
    QTest::newRow("0xA0 between letters") << QByteArray("a\xA0z", 3) << QString("a") + bA0 + "z";
    QTest::newRow("a settings value") << QByteArray::fromHex("82ff80a0fd") << QString(b82) + bFF + b80 + bA0 + bFD;
    QTest::newRow("lead byte before a blank") << QByteArray("\x81 ", 2) << QString(b81) + " ";
    QTest::newRow("unassigned pair") << QByteArray::fromHex("8540") << QString(QChar(0xF785)) + "@";
    QTest::newRow("unassigned pair, trail without a character")
        << QByteArray::fromHex("85a0") << QString(QChar(0xF785)) + bA0;
    // A duplicate code (the same character as IBM extension 0xFA5C) keeps
    // its own bytes rather than turning into the other code.
    QTest::newRow("NEC-selected IBM extension") << QByteArray::fromHex("ed40") << QString(QChar(0xF7ED)) + "@";
}

void TestShiftJis::undecodableBytesAreKeptAndShown()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(ShiftJis::decode(bytes), text);
    QCOMPARE(ShiftJis::encode(text), bytes);
}

void TestShiftJis::everyByteStringComesBackAsItWas()
{
    // Random byte strings, biased towards lead bytes so that pairs of every
    // kind occur, come back byte for byte; so does every two-byte string.
    QRandomGenerator random(932);
    for (int n = 0; n < 5000; ++n) {
        QByteArray bytes(int(random.bounded(1, 40)), Qt::Uninitialized);
        for (char &b : bytes)
            b = char(random.bounded(2) ? random.bounded(0x81, 0x100) : random.bounded(0x100));
        QCOMPARE(ShiftJis::encode(ShiftJis::decode(bytes)), bytes);
    }
    for (int lead = 0; lead < 256; ++lead) {
        for (int trail = 0; trail < 256; ++trail) {
            const char pair[] = {char(lead), char(trail)};
            const QByteArray bytes(pair, 2);
            if (ShiftJis::encode(ShiftJis::decode(bytes)) != bytes)
                QFAIL(qPrintable(QStringLiteral("%1 does not come back").arg(QString::fromLatin1(bytes.toHex()))));
        }
    }
}

void TestShiftJis::everyCharacterEncodedReadsBackAsItself()
{
    int refused = 0;
    for (char32_t c = 1; c < 0x10000; ++c) {
        if (QChar::isSurrogate(c))
            continue;
        const QString text = QString::fromUcs4(&c, 1);
        QByteArray bytes;
        try {
            bytes = ShiftJis::encode(text);
        } catch (const VorzoError &) {
            ++refused;
            continue;
        }
        if (ShiftJis::decode(bytes) != ShiftJis::normalise(text))
            QFAIL(qPrintable(QStringLiteral("U+%1 is written as bytes that read back otherwise").arg(uint(c), 4, 16)));
    }
    QVERIFY(refused > 40000); // most of Unicode is not in the code page
}

void TestShiftJis::theTablesAreTheConvertersRoundTrips()
{
    // The tables are source; the converter that encodes must still agree
    // with every entry, or a save would refuse what was read.
    const Cp932FromConverter converter;
    for (int b = 0; b < 128; ++b)
        QVERIFY2(CodePage932::kSingleBytes[b] == converter.single[b], qPrintable(QString::number(0x80 + b, 16)));
    for (int lead = 0; lead < CodePage932::kLeadCount; ++lead) {
        for (int trail = 0; trail < CodePage932::kTrailCount; ++trail) {
            QVERIFY2(CodePage932::kPairs[lead][trail] == converter.pairs[lead][trail],
                     qPrintable(QStringLiteral("lead %1, trail %2").arg(lead).arg(0x40 + trail, 0, 16)));
        }
    }
}

void TestShiftJis::everyCharacterEncodesAsTheConverterEncodesIt()
{
    // The converter's bytes, taken where they read back as the character;
    // what it cannot hold it replaces by bytes that never do.
    QStringEncoder converter("windows-31j", QStringConverter::Flag::Stateless);
    for (char16_t c = 0x80; c != 0; ++c) {
        const QString text(QChar{c});
        if (QChar::isSurrogate(c) || ShiftJis::byteOfSubstitute(text.at(0)))
            continue;
        const QString normalised = ShiftJis::normalise(text);
        QByteArray expected = converter.encode(normalised);
        if (ShiftJis::decode(expected) != normalised)
            expected.clear();
        QByteArray bytes;
        try {
            bytes = ShiftJis::encode(text);
        } catch (const VorzoError &e) {
            QVERIFY2(e.message().contains(text), qPrintable(e.message()));
        }
        if (bytes != expected)
            QFAIL(qPrintable(QStringLiteral("U+%1: %2 instead of %3")
                                 .arg(uint(c), 4, 16)
                                 .arg(QString::fromLatin1(bytes.toHex()), QString::fromLatin1(expected.toHex()))));
    }
}

QTEST_APPLESS_MAIN(TestShiftJis)
#include "tst_shiftjis.moc"
