#include "WindowFixture.h"

#include "environment/Environ.h"
#include "stage/Palette.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

using Kind = ScriptedDialogs::Kind;

class TestRegistered : public QObject
{
    Q_OBJECT
private slots:
    void firstShowWithoutPreferences();
    void firstShowWithOnlyRegisteredItems();
    void registerAndRecall_data();
    void registerAndRecall();
    void storedValuesTheProgramNeverWrites_data();
    void storedValuesTheProgramNeverWrites();
    void f2RecallsOutsideThePaletteLists();
    void saveWritesTheFive();
    void saveToAReadOnlyFile();

private:
    static QString box(int k)
    {
        return WindowFixture::control<QLineEdit>(qPrintable(QStringLiteral("No%1").arg(k)))->text();
    }
    static void putIni(const WindowFixture &f, const QByteArray &bytes)
    {
        QFile file(f.programFolder() + QStringLiteral("dazorad.ini"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    static QString checkedRadio()
    {
        for (const char *name : {"sel1", "sel2", "sel3"})
            if (WindowFixture::control<QRadioButton>(name)->isChecked())
                return QString::fromLatin1(name);
        return {};
    }
    static QList<int> rows()
    {
        QList<int> rows;
        for (const char *name : {"list1", "list2", "list3"})
            rows << WindowFixture::control<QListWidget>(name)->currentRow();
        return rows;
    }
    // F1..F5 pressed on the 登録 page, away from the palette lists.
    static void pressRecall(WindowFixture &f, int k)
    {
        WindowFixture::control<QTabWidget>("PageControl1")->setCurrentIndex(2);
        WindowFixture::control<QPushButton>("Save")->setFocus();
        f.press(Qt::Key_F1 + k - 1);
    }
};

void TestRegistered::firstShowWithoutPreferences()
{
    WindowFixture f;
    const EnvironmentValues values = workspace().environment().values();
    QCOMPARE(values.saveOpenFolder, f.programFolder() + "Projects" + QDir::separator());
    QCOMPARE(values.imageFile, QStringLiteral("zuzodovi.bmp"));
    QCOMPARE(values.foreColour, QStringLiteral("$FFFFFF"));
    QCOMPARE(values.backColour, QStringLiteral("$000000"));
    for (int k = 1; k <= 5; ++k)
        QCOMPARE(box(k), QStringLiteral("99"));
}

void TestRegistered::firstShowWithOnlyRegisteredItems()
{
    WindowFixture f(false);
    putIni(f, "[toroku]\r\nno1=0\r\nNo2=25\r\nNo4=\"64\"\r\n");
    f.show();
    QCOMPARE(workspace().environment().values().imageFile, QStringLiteral("zuzodovi.bmp"));
    QCOMPARE((QStringList{box(1), box(2), box(3), box(4), box(5)}), (QStringList{"0", "25", "99", "64", "99"}));
}

void TestRegistered::registerAndRecall_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("radio");
    QTest::newRow("A  自分") << "list1" << 0 << "0"
                             << "sel1";
    QTest::newRow("Z  センクウザ") << "list1" << 25 << "25"
                                   << "sel1";
    QTest::newRow("a  レンガ") << "list2" << 0 << "26"
                               << "sel2";
    QTest::newRow("z  すべる床") << "list2" << 25 << "51"
                                 << "sel2";
    QTest::newRow("1  雲の左側") << "list3" << 0 << "52"
                                 << "sel3";
    QTest::newRow("/  一言メッセージ４") << "list3" << 12 << "64"
                                         << "sel3";
    QTest::newRow(".  空白") << "list3" << 13 << "99"
                             << "sel3";
}

void TestRegistered::registerAndRecall()
{
    QFETCH(QString, list);
    QFETCH(int, row);
    QFETCH(QString, code);
    QFETCH(QString, radio);
    WindowFixture f;
    for (int k = 1; k <= 5; ++k) {
        WindowFixture::choose(qPrintable(list), row);
        f.control<QPushButton>(qPrintable(QStringLiteral("b%1").arg(k)))->click();
        QCOMPARE(box(k), code);

        // Somewhere else in all three lists, then the key brings it back.
        WindowFixture::choose("list1", 7);
        WindowFixture::choose("list3", 5);
        WindowFixture::choose("list2", 9);
        pressRecall(f, k);
        QCOMPARE(checkedRadio(), radio);
        auto *recalled = f.control<QListWidget>(qPrintable(list));
        QCOMPARE(recalled->currentRow(), row);
        QVERIFY(recalled->viewport()->rect().intersects(recalled->visualItemRect(recalled->item(row))));
        // The other two lists keep their items.
        const QList<int> expected{list == "list1" ? row : 7, list == "list2" ? row : 9, list == "list3" ? row : 5};
        QCOMPARE(rows(), expected);
        QVERIFY(f.dialogs.shown().isEmpty());
    }
}

void TestRegistered::storedValuesTheProgramNeverWrites_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("error");
    QTest::newRow("not an integer") << QByteArray("abc") << QStringLiteral("'abc' は整数ではありません.");
    QTest::newRow("empty") << QByteArray("\"\"") << QStringLiteral("'' は整数ではありません.");
    QTest::newRow("65") << QByteArray("65") << QString();
    QTest::newRow("98") << QByteArray("98") << QString();
    QTest::newRow("100") << QByteArray("100") << QString();
    QTest::newRow("-1") << QByteArray("-1") << QString();
}

void TestRegistered::storedValuesTheProgramNeverWrites()
{
    QFETCH(QByteArray, stored);
    QFETCH(QString, error);
    WindowFixture f(false);
    putIni(f, "[Toroku]\r\nNo3=" + stored + "\r\n");
    f.show();
    WindowFixture::choose("list2", 4);
    const QList<int> before = rows();
    pressRecall(f, 3);
    QCOMPARE(checkedRadio(), QStringLiteral("sel2"));
    QCOMPARE(rows(), before);
    QCOMPARE(f.dialogs.texts(Kind::Error), error.isEmpty() ? QStringList{} : QStringList{error});
}

void TestRegistered::f2RecallsOutsideThePaletteLists()
{
    WindowFixture f(false);
    putIni(f, "[Toroku]\r\nNo2=60\r\n");
    f.show();
    f.control<QPushButton>("ue1")->setFocus();
    f.press(Qt::Key_F2);
    QCOMPARE(checkedRadio(), QStringLiteral("sel3"));
    QCOMPARE(f.control<QListWidget>("list3")->currentRow(), 8);
}

void TestRegistered::saveWritesTheFive()
{
    WindowFixture f(false);
    putIni(f, "[Directory]\r\nImage=mine.bmp\r\n\r\n[Toroku]\r\nNo1=3\r\n");
    f.show();
    WindowFixture::choose("list2", 25);
    f.control<QPushButton>("b3")->click();
    QFile file(f.programFolder() + QStringLiteral("dazorad.ini"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    QCOMPARE(before, QByteArray("[Directory]\r\nImage=mine.bmp\r\n\r\n[Toroku]\r\nNo1=3\r\n")); // not yet saved

    f.control<QPushButton>("Save")->click();
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(),
             QByteArray(
                 "[Directory]\r\nImage=mine.bmp\r\n\r\n[Toroku]\r\nNo1=3\r\nNo2=99\r\nNo3=51\r\nNo4=99\r\nNo5=99\r\n"));
}

void TestRegistered::saveToAReadOnlyFile()
{
    WindowFixture f(false);
    const QString path = f.programFolder() + QStringLiteral("dazorad.ini");
    putIni(f, "[Toroku]\r\nNo1=3\r\n");
    QFile::setPermissions(path, QFile::ReadOwner);
    f.show();
    f.control<QPushButton>("Save")->click();
    QCOMPARE(f.dialogs.texts(Kind::Error), QStringList{QStringLiteral("%1 に書き込めません.").arg(path)});
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
}

QTEST_MAIN(TestRegistered)
#include "tst_registered.moc"
