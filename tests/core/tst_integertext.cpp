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
    QTest::newRow("tab, plus and hexadecimal") << "\t+$1a" << std::optional<int>(26);
    QTest::newRow("negative hexadecimal") << "-0X10" << std::optional<int>(-16);
    QTest::newRow("smallest") << "-2147483648" << std::optional<int>(INT32_MIN);
    QTest::newRow("smallest in hexadecimal") << "$80000000" << std::optional<int>(INT32_MIN);
    QTest::newRow("one past the largest") << "2147483648" << std::optional<int>();
    QTest::newRow("negative beyond 32 bits") << "-$FFFFFFFF" << std::optional<int>();
    QTest::newRow("sign alone") << "-" << std::optional<int>();
    QTest::newRow("0x without digits") << "0x" << std::optional<int>();
    QTest::newRow("two signs") << "+-1" << std::optional<int>();
    QTest::newRow("line end after the number") << "12\n" << std::optional<int>();
    QTest::newRow("full-width digits") << "１２" << std::optional<int>();
    QTest::newRow("forty thousand digits") << QString(40000, u'9') << std::optional<int>();
}

void TestIntegerText::integers()
{
    QFETCH(QString, text);
    QFETCH(std::optional<int>, value);
    QCOMPARE(parseInteger(text), value);
}

QTEST_APPLESS_MAIN(TestIntegerText)
#include "tst_integertext.moc"
