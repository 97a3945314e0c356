#include "WindowFixture.h"

#include "output/PageTab.h"
#include "output/ParameterText.h"
#include "platform/ShiftJis.h"
#include "settings/DefaultSettings.h"
#include "settings/Setting.h"
#include "settings/SettingHelp.h"
#include "settings/SettingsModel.h"

#include "TestFiles.h"

#include "platform/TextLines.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStatusBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

using Kind = ScriptedDialogs::Kind;
using Lines = QList<QByteArray>;

class TestSettingsWindow : public QObject
{
    Q_OBJECT
private slots:
    void windowAsDesigned();
    void restoreDefaults_data();
    void restoreDefaults();
    void helpLineFollowsTheRow();
    void helpLineIsByPositionAfterReplacing();
    void aRowWithoutHelpCannotBeSelected();
    void missingHelpFileAtStartUp();
    void typedValueReachesThePage();
    void unencodableValueIsRefused_data();
    void unencodableValueIsRefused();
    void pastedLinesBecomeOneValue();
    void aVeryLongValueKeepsEveryCharacter();
    void aPasteBeyondTheLongestValueIsRefused();
    void restoringDefaultsOverAnEmptyList();

private:
    static QTableView *grid() { return settingForm()->findChild<QTableView *>(QStringLiteral("Main")); }
    static QString status()
    {
        return settingForm()->findChild<QStatusBar *>(QStringLiteral("Status"))->currentMessage();
    }
    static void openSettings()
    {
        settingForm()->show();
        QApplication::setActiveWindow(settingForm());
        QVERIFY(QTest::qWaitForWindowExposed(settingForm()));
    }
    static QString help(int index)
    {
        return SettingHelp::load(QStringLiteral(VORZO_DIST_DIR "/Setting.cfg")).line(index);
    }
    // What the user types into: the value editor, which has the focus.
    static QLineEdit *editor() { return qobject_cast<QLineEdit *>(QApplication::focusWidget()); }
    // Types text as an input method delivers it: characters, no key codes.
    static void typeText(QWidget *into, const QString &text)
    {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
        QApplication::sendEvent(into, &press);
    }
    static void clickRow(int row)
    {
        grid()->scrollTo(grid()->model()->index(row, 1));
        const QRect cell = grid()->visualRect(grid()->model()->index(row, 1));
        QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, cell.center());
    }
    static QString helpFile(const QStringList &lines)
    {
        static QTemporaryDir dir; // outlives the window that reads from it
        QFile file(dir.filePath(QStringLiteral("Setting.cfg")));
        file.open(QIODevice::WriteOnly);
        for (const QString &line : lines)
            file.write(ShiftJis::encode(line) + "\r\n");
        return dir.path();
    }
};

void TestSettingsWindow::windowAsDesigned()
{
    WindowFixture f;
    QCOMPARE(settingForm()->pos(), QPoint(196, 120));
    QCOMPARE(settingForm()->size(), QSize(800, 574));
    QCOMPARE(grid()->columnWidth(0), 124);
    QCOMPARE(grid()->columnWidth(1), 645);
    QCOMPARE(grid()->model()->rowCount(), 71);
    QCOMPARE(status(), QStringLiteral("制限時間,0を設定すると無制限"));
    auto *d2 = settingForm()->findChild<QAction *>(QStringLiteral("D2"));
    QCOMPARE(d2->text(), QStringLiteral("すべてデフォルトに戻す(&D)"));
    QCOMPARE(d2->shortcut(), QKeySequence(Qt::Key_F12));

    openSettings();
    QCOMPARE(grid()->currentIndex().row(), 0);
    QCOMPARE(grid()->currentIndex().column(), 1); // the key column is never current
    QVERIFY(editor());                            // the value's editor is open at once
    QCOMPARE(editor()->text(), QStringLiteral("0"));
    QVERIFY(f.dialogs.shown().isEmpty());
}

void TestSettingsWindow::restoreDefaults_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("はい") << true;
    QTest::newRow("いいえ") << false;
}

void TestSettingsWindow::restoreDefaults()
{
    QFETCH(bool, yes);
    WindowFixture f;
    const Lines opened{"time_max=99", "extra=1"};
    mainWindow()->stage().settings().replace(SettingsList(opened));
    openSettings();
    f.dialogs.answer(yes ? WarningButton::Yes : WarningButton::No);
    f.press(Qt::Key_F12);
    QCOMPARE(f.dialogs.shown().size(), 1);
    QCOMPARE(f.dialogs.shown().at(0).text, QStringLiteral("元には戻せません。\r\n本当にいいですか。"));
    QCOMPARE(f.dialogs.shown().at(0).buttons, (QList<WarningButton>{WarningButton::Yes, WarningButton::No}));
    QCOMPARE(mainWindow()->stage().settingsList(), yes ? defaultSettings() : SettingsList(opened));
    QCOMPARE(grid()->model()->rowCount(), yes ? 71 : 2);
}

void TestSettingsWindow::helpLineFollowsTheRow()
{
    WindowFixture f;
    openSettings();
    clickRow(5);
    QCOMPARE(status(), help(5));
    QTest::keyClick(editor(), Qt::Key_Down);
    QCOMPARE(grid()->currentIndex().row(), 6);
    QCOMPARE(status(), help(6));
    clickRow(70);
    QCOMPARE(status(), help(70));
    clickRow(0);
    QCOMPARE(status(), help(0));
    QVERIFY(f.dialogs.shown().isEmpty());
}

void TestSettingsWindow::helpLineIsByPositionAfterReplacing()
{
    WindowFixture f;
    Lines reversed = defaultSettings().entries();
    std::reverse(reversed.begin(), reversed.end());
    mainWindow()->stage().settings().replace(SettingsList(reversed));
    openSettings();
    clickRow(0);
    clickRow(1);
    QCOMPARE(grid()->model()->index(1, 0).data().toString(), QStringLiteral("filename_pattern"));
    QCOMPARE(status(), help(1));
}

void TestSettingsWindow::aRowWithoutHelpCannotBeSelected()
{
    const QString folder = helpFile({QStringLiteral("一行目"), QStringLiteral("二行目")});
    // The program started from the folder with the short file.
    WindowFixture f(false, folder);
    openSettings();
    clickRow(1);
    QCOMPARE(status(), QStringLiteral("二行目"));
    clickRow(2);
    QCOMPARE(f.dialogs.texts(Kind::Error), QStringList{QStringLiteral("リストのインデックスが範囲を超えています (2)")});
    QCOMPARE(grid()->currentIndex().row(), 1);
    QCOMPARE(grid()->selectionModel()->selectedIndexes().value(0).row(), 1);
    QCOMPARE(status(), QStringLiteral("二行目"));
}

void TestSettingsWindow::missingHelpFileAtStartUp()
{
    QTemporaryDir empty;
    WindowFixture f(false, empty.path());
    QCOMPARE(f.dialogs.texts(Kind::Error), QStringList{QStringLiteral("ファイル Setting.cfg は開けません.")});
    QCOMPARE(mainWindow()->stage().settingsList(), defaultSettings());
    QCOMPARE(status(), QStringLiteral("制限時間,0を設定すると無制限"));
}

void TestSettingsWindow::typedValueReachesThePage()
{
    WindowFixture f;
    openSettings();
    clickRow(59); // moji_score
    QVERIFY(editor());
    editor()->selectAll();
    typeText(editor(), QStringLiteral("とくてん"));
    settingForm()->close(); // no OK: what was typed stays
    QCOMPARE(mainWindow()->stage().settingsList().value("moji_score"), ShiftJis::encode(QStringLiteral("とくてん")));

    QApplication::setActiveWindow(mainWindow());
    f.press(Qt::Key_F7);
    QVERIFY(mainWindow()->stage().finishedPage().contains("<PARAM NAME=\"moji_score\" VALUE=\""
                                                          + ShiftJis::encode(QStringLiteral("とくてん")) + "\">\r\n"));
}

void TestSettingsWindow::unencodableValueIsRefused_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("named");
    QTest::newRow("a character outside the code page") << QStringLiteral("€") << QStringLiteral("「€」");
    // Substitutes pasted where no such bytes were: a NUL, a line break.
    QTest::newRow("the substitute of NUL") << QStringLiteral("Z\uF700Z") << QStringLiteral("(U+F700)");
    QTest::newRow("the substitutes of CR LF") << QStringLiteral("A\uF70DB\uF70AC") << QStringLiteral("(U+F70D)");
}

void TestSettingsWindow::unencodableValueIsRefused()
{
    QFETCH(QString, typed);
    QFETCH(QString, named);
    WindowFixture f;
    openSettings();
    clickRow(60); // moji_highscore
    QTest::keyClick(editor(), Qt::Key_End);
    typeText(editor(), typed);
    QTRY_COMPARE(f.dialogs.texts(Kind::Error).size(), 1);
    QVERIFY(f.dialogs.texts(Kind::Error).at(0).contains(named));
    QCOMPARE(mainWindow()->stage().settingsList().value("moji_highscore"), QByteArray("HIGHSCORE"));
    QCOMPARE(editor()->text(), QStringLiteral("HIGHSCORE"));
}

void TestSettingsWindow::pastedLinesBecomeOneValue()
{
    WindowFixture f;
    openSettings();
    clickRow(64); // moji_left
    editor()->selectAll();
    QApplication::clipboard()->setText(QStringLiteral("abc\r\ndef\tghi"));
    QTest::keyClick(editor(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(mainWindow()->stage().settingsList().value("moji_left"), QByteArray("abcdef\tghi"));
    QCOMPARE(editor()->text(), QStringLiteral("abcdef\tghi"));
    QCOMPARE(mainWindow()->stage().settingsList().size(), 71);
    QCOMPARE(TextLines::split(MakeSettingsHTML(mainWindow()->stage().settingsList())).size(), 71);
}

void TestSettingsWindow::aVeryLongValueKeepsEveryCharacter()
{
    WindowFixture f;
    Lines entries = defaultSettings().entries();
    entries[59] = "moji_score=" + QByteArray(40000, 'x');
    mainWindow()->stage().settings().replace(SettingsList(entries));
    openSettings();
    clickRow(59);
    QTest::keyClick(editor(), Qt::Key_End);
    QTest::keyClick(editor(), Qt::Key_Backspace);
    QCOMPARE(mainWindow()->stage().settingsList().value("moji_score"), QByteArray(39999, 'x'));
}

void TestSettingsWindow::aPasteBeyondTheLongestValueIsRefused()
{
    // A megabyte pasted into a value kept the window repainting for minutes.
    WindowFixture f;
    openSettings();
    clickRow(64); // moji_left
    const QByteArray before = mainWindow()->stage().settingsList().value("moji_left");
    QTest::keyClick(editor(), Qt::Key_End);
    QApplication::clipboard()->setText(QString(SettingsModel::LongestEditedValue, QLatin1Char('y')));
    QTest::keyClick(editor(), Qt::Key_V, Qt::ControlModifier);
    QTRY_COMPARE(f.dialogs.texts(Kind::Error).size(), 1);
    QVERIFY(f.dialogs.texts(Kind::Error).at(0).contains(QStringLiteral("65535")));
    QCOMPARE(mainWindow()->stage().settingsList().value("moji_left"), before);
    QCOMPARE(editor()->text(), QString::fromLatin1(before));
    // Up to the limit is a value like any other.
    editor()->selectAll();
    QTest::keyClick(editor(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(mainWindow()->stage().settingsList().value("moji_left"),
             QByteArray(SettingsModel::LongestEditedValue, 'y'));
}

void TestSettingsWindow::restoringDefaultsOverAnEmptyList()
{
    WindowFixture f;
    QTemporaryDir dir;
    QVERIFY(TestFiles::put(dir.filePath("empty.kwt"), QByteArray()));
    QVERIFY(TestFiles::put(dir.filePath("empty.kwp"), QByteArray()));
    f.dialogs.pick(dir.filePath("empty.kwt"));
    f.action("Open1")->trigger();
    QCOMPARE(mainWindow()->stage().settingsList().size(), 0);
    openSettings();
    f.dialogs.answer(WarningButton::Yes);
    QTest::keyClick(settingForm(), Qt::Key_F12);
    QCOMPARE(grid()->model()->rowCount(), 71);
    QCOMPARE(grid()->currentIndex().row(), 0);
    QVERIFY(f.dialogs.texts(Kind::Error).isEmpty());
}

QTEST_MAIN(TestSettingsWindow)
#include "tst_settingswindow.moc"
