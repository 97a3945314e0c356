#include "platform/VorzoError.h"

#include <QTest>

class TestVorzoError : public QObject
{
    Q_OBJECT
private slots:
    void errorBoxAppendsAFullStop_data();
    void errorBoxAppendsAFullStop();
};

void TestVorzoError::errorBoxAppendsAFullStop_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");
    QTest::newRow("japanese") << QStringLiteral("ファイル a は開けません")
                              << QStringLiteral("ファイル a は開けません.");
    QTest::newRow("letter") << QStringLiteral("abc") << QStringLiteral("abc.");
    QTest::newRow("ends in full stop") << QStringLiteral("done.") << QStringLiteral("done.");
    QTest::newRow("ends in comma, sorts before") << QStringLiteral("x,") << QStringLiteral("x,");
    QTest::newRow("ends in slash, sorts after") << QStringLiteral("C:/") << QStringLiteral("C:/.");
    QTest::newRow("empty") << QString() << QString();
}

void TestVorzoError::errorBoxAppendsAFullStop()
{
    QFETCH(QString, message);
    QFETCH(QString, shown);
    QCOMPARE(errorBoxText(message), shown);
}

QTEST_APPLESS_MAIN(TestVorzoError)
#include "tst_vorzoerror.moc"
