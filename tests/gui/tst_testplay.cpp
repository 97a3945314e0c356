#include "WindowFixture.h"

#include "output/PageTab.h"
#include "output/TestPlay.h"
#include "platform/ShiftJis.h"
#include "settings/Setting.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include "TestFiles.h"
#include <QUrl>

using Kind = ScriptedDialogs::Kind;

class TestTestPlay : public QObject
{
    Q_OBJECT
private slots:
    void writesThePageAndOpensItsAddress();
    void twoTestPlaysInARow();
    void withoutTheFolder();
    void theBrowserReadsTheStage();

private:
    static QString makeFolder(const WindowFixture &f)
    {
        QDir(f.programFolder()).mkdir(QStringLiteral("TestPlay"));
        return TestPlay::pagePath();
    }
};

void TestTestPlay::writesThePageAndOpensItsAddress()
{
    WindowFixture f;
    const QString page = makeFolder(f);
    f.control<QPlainTextEdit>("before")->setPlainText(QStringLiteral("<HTML>\n"));
    mainWindow()->stage().map().set(0, 0, 0);
    f.press(Qt::Key_F9);
    QCOMPARE(page, f.programFolder() + "TestPlay" + QDir::separator() + "TestPlay.htm");
    QCOMPARE(TestFiles::contents(page), mainWindow()->stage().finishedPage());
    QVERIFY(TestFiles::contents(page).startsWith("<HTML>\r\n<PARAM NAME=\"map0-0\"  VALUE=\"A."));
    QCOMPARE(f.control<QTabWidget>("PageControl1")->currentIndex(), 1);
    QCOMPARE(f.shell.opened, QStringList{QUrl::fromLocalFile(page).toString(QUrl::FullyEncoded)});
    QVERIFY(f.shell.opened.at(0).startsWith("file:///"));
    QVERIFY(f.dialogs.shown().isEmpty());
    QVERIFY(f.control<QLineEdit>("Project")->text().isEmpty());
}

void TestTestPlay::twoTestPlaysInARow()
{
    WindowFixture f;
    const QString page = makeFolder(f);
    f.press(Qt::Key_F9);
    mainWindow()->stage().map().set(1, 0, 26);
    f.press(Qt::Key_F9);
    QVERIFY(TestFiles::contents(page).contains("<PARAM NAME=\"map0-0\"  VALUE=\".a"));
    QCOMPARE(f.shell.opened.size(), 2);
}

void TestTestPlay::withoutTheFolder()
{
    WindowFixture f;
    f.press(Qt::Key_F9);
    QCOMPARE(f.dialogs.texts(Kind::Error),
             QStringList{QStringLiteral("ファイル %1 を作成できません.").arg(TestPlay::pagePath())});
    QVERIFY(!QDir(f.programFolder() + "TestPlay").exists()); // never created
    QVERIFY(f.shell.opened.isEmpty());
    QVERIFY(!mainWindow()->stage().finishedPage().isEmpty()); // the refresh happened
}

// The game reads the stage from what the browser makes of the page: its
// title and its 161 parameters, Japanese included.
void TestTestPlay::theBrowserReadsTheStage()
{
    const QString chromium = QStandardPaths::findExecutable(QStringLiteral("chromium"));
    if (chromium.isEmpty())
        QFAIL("chromium is not installed (./test.sh installs it)");
    WindowFixture f;
    const QString page = makeFolder(f);
    for (int column = 0; column < StageMap::Columns; ++column)
        mainWindow()->stage().map().set(column, column % 30, CellCode(column % 65));
    f.press(Qt::Key_F9);

    QTemporaryDir profile;
    QProcess browser;
    browser.start(chromium, {"--headless", "--no-sandbox", "--disable-gpu", "--disable-background-networking",
                             "--disable-component-update", "--no-first-run", "--user-data-dir=" + profile.path(),
                             "--dump-dom", f.shell.opened.value(0)});
    QVERIFY(browser.waitForFinished(60000));
    const QString dom = QString::fromUtf8(browser.readAllStandardOutput());

    QVERIFY2(dom.contains(QStringLiteral("<title>ぼるぞ コンストラクション</title>")), qPrintable(dom.left(300)));
    static const QRegularExpression param(QStringLiteral("<param name=\"([^\"]*)\" value=\"([^\"]*)\">"));
    QList<QPair<QString, QString>> read;
    for (const QRegularExpressionMatch &m : param.globalMatch(dom))
        read.append({m.captured(1), m.captured(2)});
    QCOMPARE(read.size(), 161);

    QList<QPair<QString, QString>> expected;
    for (int segment = 0; segment < 3; ++segment) {
        for (int row = 0; row < StageMap::Rows; ++row) {
            QString letters;
            for (int column = segment * 60; column < segment * 60 + 60; ++column)
                letters += QLatin1Char(CellCodeToLetter(mainWindow()->stage().map().at(column, row)));
            expected.append({QStringLiteral("map%1-%2").arg(segment).arg(row), letters});
        }
    }
    for (const QByteArray &entry : mainWindow()->stage().settingsList().entries())
        expected.append({ShiftJis::decode(SettingsList::keyOf(entry)), ShiftJis::decode(SettingsList::valueOf(entry))});
    QCOMPARE(read, expected);
}

QTEST_MAIN(TestTestPlay)
#include "tst_testplay.moc"
