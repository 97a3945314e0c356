#include "platform/ColourText.h"
#include "platform/VorzoError.h"

#include <QRandomGenerator>
#include <QTest>

Q_DECLARE_METATYPE(Colour)

class TestColourText : public QObject
{
    Q_OBJECT
private slots:
    void written_data();
    void written();
    void read_data();
    void read();
    void everyWrittenColourReadsBackAsItself();
};

void TestColourText::written_data()
{
    QTest::addColumn<uint>("value");
    QTest::addColumn<QString>("text");
    const QList<QPair<QString, uint>> twenty{
        {"clBlack", 0x000000},      {"clMaroon", 0x000080},  {"clGreen", 0x008000}, {"clOlive", 0x008080},
        {"clNavy", 0x800000},       {"clPurple", 0x800080},  {"clTeal", 0x808000},  {"clGray", 0x808080},
        {"clSilver", 0xC0C0C0},     {"clRed", 0x0000FF},     {"clLime", 0x00FF00},  {"clYellow", 0x00FFFF},
        {"clBlue", 0xFF0000},       {"clFuchsia", 0xFF00FF}, {"clAqua", 0xFFFF00},  {"clWhite", 0xFFFFFF},
        {"clMoneyGreen", 0xC0DCC0}, {"clSkyBlue", 0xF0CAA6}, {"clCream", 0xF0FBFF}, {"clMedGray", 0xA4A0A0},
    };
    for (const auto &[name, value] : twenty)
        QTest::newRow(qPrintable(name)) << value << name;
    QTest::newRow("red 64, green 128, blue 255") << 0xFF8040u << "$00FF8040";
    QTest::newRow("almost black") << 0x000001u << "$00000001";
}

void TestColourText::written()
{
    QFETCH(uint, value);
    QFETCH(QString, text);
    QCOMPARE(colourText(value), text);
}

void TestColourText::read_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<Colour>("colour"); // a value of 0xFFFFFFFF: refused
    QTest::newRow("a name in any case") << "CLRED" << Colour(ColourValue(0x0000FF));
    QTest::newRow("dollar hexadecimal") << "$00FF8040" << Colour(ColourValue(0xFF8040));
    QTest::newRow("the default white") << "$FFFFFF" << Colour(ColourValue(0xFFFFFF));
    QTest::newRow("0x") << "0x10" << Colour(ColourValue(0x10));
    QTest::newRow("decimal with blanks") << "  255" << Colour(ColourValue(0xFF));
    QTest::newRow("minus one, its low 24 bits") << " -1" << Colour(ColourValue(0xFFFFFF));
    QTest::newRow("a system colour by name") << "clwindowframe" << Colour(SystemColour::WindowFrame);
    QTest::newRow("a system colour by number") << "$80000005" << Colour(SystemColour::Window);
    QTest::newRow("a word") << "bogus" << Colour(ColourValue(0xFFFFFFFF));
    QTest::newRow("a trailing blank") << "$FF " << Colour(ColourValue(0xFFFFFFFF));
    QTest::newRow("empty") << "" << Colour(ColourValue(0xFFFFFFFF));
}

void TestColourText::read()
{
    QFETCH(QString, text);
    QFETCH(Colour, colour);
    if (colour == Colour(ColourValue(0xFFFFFFFF))) {
        try {
            readColourText(text);
            QFAIL("a text that is no colour was read");
        } catch (const VorzoError &e) {
            QCOMPARE(e.message(), QStringLiteral("'%1' は整数ではありません").arg(text));
        }
        return;
    }
    QVERIFY(readColourText(text) == colour);
}

void TestColourText::everyWrittenColourReadsBackAsItself()
{
    QRandomGenerator random(5);
    for (int i = 0; i < 2000; ++i) {
        const ColourValue value = random.bounded(0x1000000u);
        QVERIFY(readColourText(colourText(value)) == Colour(value));
    }
}

QTEST_APPLESS_MAIN(TestColourText)
#include "tst_colourtext.moc"
