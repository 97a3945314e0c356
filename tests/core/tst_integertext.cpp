#include "platform/IntegerText.h"

#include <QTest>

class TestIntegerText : public QObject
{
    Q_OBJECT
private slots:
    void integers_data();
    void integers();
};

void TestIntegerText::integers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<std::optional<int>>("value");
    QTest::newRow("decimal") << "51" << std::optional<int>(51);
    QTest::newRow("sign and leading blanks") << "  -3" << std::optional<int>(-3);
    QTest::newRow("dollar hexadecimal") << "$1A" << std::optional<int>(26);
    QTest::newRow("0x hexadecimal") << "0x63" << std::optional<int>(99);
    QTest::newRow("32-bit hexadecimal") << "$FFFFFFFF" << std::optional<int>(-1);
    QTest::newRow("trailing blank") << "5 " << std::optional<int>();
    QTest::newRow("letters") << "abc" << std::optional<int>();
    QTest::newRow("empty") << "" << std::optional<int>();
    QTest::newRow("too large") << "4294967296" << std::optional<int>();
}

void TestIntegerText::integers()
{
    QFETCH(QString, text);
    QFETCH(std::optional<int>, value);
    QCOMPARE(parseInteger(text), value);
}

QTEST_APPLESS_MAIN(TestIntegerText)
#include "tst_integertext.moc"
