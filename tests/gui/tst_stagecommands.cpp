#include "WindowFixture.h"

#include "output/PageTab.h"
#include "output/StageCommands.h"
#include "platform/ShiftJis.h"
#include "settings/DefaultSettings.h"
#include "settings/Setting.h"
#include "stage/MapView.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include "TestFiles.h"

using Kind = ScriptedDialogs::Kind;
using Lines = QList<QByteArray>;

class TestStageCommands : public QObject
{
    Q_OBJECT
private slots:
    void dialogsAsDesigned();
    void saveAsWritesTheFilesAndNamesTheProject_data();
    void saveAsWritesTheFilesAndNamesTheProject();
    void saveAsWithThePageBeforeAnyRefresh();
    void saveAsRefusesAMapNameThatIsItsCompanion();
    void cancelledDialogsChangeNothing();
    void overwriteWithoutAProjectName_data();
    void overwriteWithoutAProjectName();
    void overwriteWritesUnderTheProjectName();
    void aReadOnlyMapFileStopsTheSave();
    void saveOpenRoundTrip();
    void openWithoutItsSettingsFile();
    void openAMissingMapFile();
    void newStage_data();
    void newStage();

private:
    static QString project() { return WindowFixture::control<QLineEdit>("Project")->text(); }
    static QByteArray settingsFile(const SettingsList &list)
    {
        QByteArray text;
        for (const QByteArray &entry : list.entries())
            text += entry + "\r\n";
        return text;
    }
};

void TestStageCommands::dialogsAsDesigned()
{
    WindowFixture f;
    QTemporaryDir dir;
    f.dialogs.pick(dir.filePath("a.kwt"));
    f.action("SaveAs1")->trigger();
    f.dialogs.pick(std::nullopt);
    f.action("Open1")->trigger();
    QCOMPARE(f.dialogs.fileDialogs.size(), 2);
    const FileDialog &save = f.dialogs.fileDialogs.at(0);
    QCOMPARE(save.kind, FileDialog::Kind::Save);
    QCOMPARE(save.title, QStringLiteral("マップを保存する(詳細設定も同時に保存します)"));
    QCOMPARE(save.filter, QStringLiteral("ぼるぞクリエイターファイル(*.kwt)"));
    QCOMPARE(save.defaultSuffix, QStringLiteral("kwt"));
    const FileDialog &open = f.dialogs.fileDialogs.at(1);
    QCOMPARE(open.kind, FileDialog::Kind::Open);
    QCOMPARE(open.title, QStringLiteral("マップを開く(詳細設定も同時に開きます)"));
    QCOMPARE(open.filter, QStringLiteral("ぼるぞクリエイターマップファイル(*.kwt)"));
    QCOMPARE(open.defaultSuffix, QStringLiteral("kwt"));
    // Each remembers only its own name.
    QCOMPARE(open.fileName, QString());
    QCOMPARE(Vorzo->stageCommands().MainSave.fileName, dir.filePath("a.kwt"));
}

void TestStageCommands::saveAsWritesTheFilesAndNamesTheProject_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("base");
    QTest::newRow("castle.kwt") << "castle.kwt" << "SaveAs1" << "castle";
    QTest::newRow("castle.txt") << "castle.txt" << "SaveAs1" << "castle";
    QTest::newRow("a.b.kwt, with the page") << "a.b.kwt" << "SaveAs2" << "a.b";
    QTest::newRow("no dot") << "castle" << "SaveAs2" << "castle";
}

void TestStageCommands::saveAsWritesTheFilesAndNamesTheProject()
{
    QFETCH(QString, chosen);
    QFETCH(QString, entry);
    QFETCH(QString, base);
    WindowFixture f;
    QTemporaryDir dir;
    Vorzo->stageMap().set(3, 4, 26);
    f.press(Qt::Key_F7);
    f.dialogs.pick(dir.filePath(chosen));
    f.action(qPrintable(entry))->trigger();

    StageMap expected;
    expected.set(3, 4, 26);
    const QByteArray map = TestFiles::contents(dir.filePath(chosen));
    QCOMPARE(map.size(), 5400);
    QCOMPARE(int(map.at(3 * 30 + 4)), 26);
    QCOMPARE(TestFiles::contents(dir.filePath(base + ".kwp")), settingsFile(defaultSettings()));
    const bool withPage = entry == "SaveAs2";
    QCOMPARE(TestFiles::contents(dir.filePath(base + ".htm")), withPage ? Vorzo->pageTab().finalPage() : QByteArray("<missing>"));
    QCOMPARE(project(), dir.filePath(base));
    QVERIFY(f.dialogs.texts(Kind::Error).isEmpty());
}

void TestStageCommands::saveAsWithThePageBeforeAnyRefresh()
{
    WindowFixture f;
    QTemporaryDir dir;
    f.dialogs.pick(dir.filePath("early.kwt"));
    f.action("SaveAs2")->trigger();
    QCOMPARE(TestFiles::contents(dir.filePath("early.htm")), QByteArray());
}

void TestStageCommands::saveAsRefusesAMapNameThatIsItsCompanion()
{
    WindowFixture f;
    QTemporaryDir dir;
    f.dialogs.pick(dir.filePath("castle.kwp"));
    f.action("SaveAs1")->trigger();
    f.dialogs.pick(dir.filePath("castle.htm"));
    f.action("SaveAs2")->trigger();
    QCOMPARE(f.dialogs.texts(Kind::Error).size(), 2);
    QVERIFY(QDir(dir.path()).entryList(QDir::Files).isEmpty());
    QCOMPARE(project(), QString());
}

void TestStageCommands::cancelledDialogsChangeNothing()
{
    WindowFixture f;
    Vorzo->stageMap().fill(4);
    for (const char *entry : {"Open1", "SaveAs1", "SaveAs2"}) {
        f.dialogs.pick(std::nullopt);
        f.action(entry)->trigger();
    }
    StageMap expected;
    expected.fill(4);
    QCOMPARE(Vorzo->stageMap(), expected);
    QCOMPARE(project(), QString());
    QCOMPARE(Vorzo->stageCommands().MainOpen.fileName, QString());
    QCOMPARE(f.dialogs.shown().size(), 3);
}

void TestStageCommands::overwriteWithoutAProjectName_data()
{
    QTest::addColumn<QString>("entry");
    QTest::newRow("map and settings") << "N22";
    QTest::newRow("with the page") << "HTML1";
}

void TestStageCommands::overwriteWithoutAProjectName()
{
    QFETCH(QString, entry);
    WindowFixture f;
    f.action(qPrintable(entry))->trigger();
    QCOMPARE(f.dialogs.texts(Kind::Message), QStringList{QStringLiteral("プロジェクト名が決まっていません。")});
    QCOMPARE(f.dialogs.shown().size(), 1);
}

void TestStageCommands::overwriteWritesUnderTheProjectName()
{
    WindowFixture f;
    QTemporaryDir dir;
    f.dialogs.pick(dir.filePath("castle.txt"));
    f.action("SaveAs1")->trigger();
    Vorzo->stageMap().set(0, 0, 1);
    f.press(Qt::Key_F7);
    f.action("HTML1")->trigger();
    // The map now goes to castle.kwt, a file of its own; castle.txt stays.
    QCOMPARE(int(TestFiles::contents(dir.filePath("castle.kwt")).at(0)), 1);
    QCOMPARE(int(TestFiles::contents(dir.filePath("castle.txt")).at(0)), 99);
    QCOMPARE(TestFiles::contents(dir.filePath("castle.htm")), Vorzo->pageTab().finalPage());
    QCOMPARE(project(), dir.filePath("castle"));
    QCOMPARE(f.dialogs.fileDialogs.size(), 1); // no question
}

void TestStageCommands::aReadOnlyMapFileStopsTheSave()
{
    WindowFixture f;
    QTemporaryDir dir;
    const QString map = dir.filePath("castle.kwt");
    QVERIFY(TestFiles::put(map, "old"));
    QFile::setPermissions(map, QFile::ReadOwner);
    f.dialogs.pick(map);
    f.action("SaveAs2")->trigger();
    QCOMPARE(f.dialogs.texts(Kind::Error), QStringList{QStringLiteral("ファイル %1 を作成できません.").arg(map)});
    QCOMPARE(TestFiles::contents(map), QByteArray("old"));
    QCOMPARE(TestFiles::contents(dir.filePath("castle.kwp")), QByteArray("<missing>"));
    QCOMPARE(project(), QString());
}

void TestStageCommands::saveOpenRoundTrip()
{
    WindowFixture f;
    QTemporaryDir dir;
    for (int i = 0; i < StageMap::Cells; ++i)
        Vorzo->stageMap().setIndex(i, CellCode(i % 256));
    Lines entries = defaultSettings().entries();
    entries[0] = "time_max=300";
    entries.append("=extra");
    SettingForm->replaceSettings(SettingsList(entries));
    const StageMap painted = Vorzo->stageMap();

    f.dialogs.pick(dir.filePath("castle.kwt"));
    f.action("SaveAs1")->trigger();
    Vorzo->mapView().SetViewOrigin(50, 10);
    f.dialogs.answer(WarningButton::Yes);
    f.action("New1")->trigger();
    QCOMPARE(Vorzo->stageMap(), StageMap());
    QCOMPARE(SettingForm->settings(), defaultSettings());

    f.dialogs.pick(dir.filePath("castle.kwt"));
    f.action("Open1")->trigger();
    QCOMPARE(Vorzo->stageMap(), painted);
    QCOMPARE(SettingForm->settings().entries(), entries);
    QCOMPARE(Vorzo->mapView().origin(), (ViewOrigin{0, 0}));
    QCOMPARE(project(), dir.filePath("castle"));
}

void TestStageCommands::openWithoutItsSettingsFile()
{
    WindowFixture f;
    QTemporaryDir dir;
    QVERIFY(TestFiles::put(dir.filePath("lone.kwt"), QByteArray(100, char(7))));
    Vorzo->mapView().SetViewOrigin(30, 5);
    const SettingsList before = SettingForm->settings();
    f.dialogs.pick(dir.filePath("lone.kwt"));
    f.action("Open1")->trigger();
    QCOMPARE(f.dialogs.texts(Kind::Error),
             QStringList{QStringLiteral("ファイル %1 は開けません.").arg(dir.filePath("lone.kwp"))});
    QCOMPARE(int(Vorzo->stageMap().atIndex(99)), 7);   // the map was read
    QCOMPARE(int(Vorzo->stageMap().atIndex(100)), 99); // as far as the file goes
    QCOMPARE(SettingForm->settings(), before);
    QCOMPARE(Vorzo->mapView().origin(), (ViewOrigin{30, 5}));
    QCOMPARE(project(), QString());
}

void TestStageCommands::openAMissingMapFile()
{
    WindowFixture f;
    QTemporaryDir dir;
    Vorzo->stageMap().fill(9);
    f.dialogs.pick(dir.filePath("typed.kwt"));
    f.action("Open1")->trigger();
    QCOMPARE(f.dialogs.texts(Kind::Error),
             QStringList{QStringLiteral("ファイル %1 は開けません.").arg(dir.filePath("typed.kwt"))});
    StageMap expected;
    expected.fill(9);
    QCOMPARE(Vorzo->stageMap(), expected);
}

void TestStageCommands::newStage_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("はい") << true;
    QTest::newRow("いいえ") << false;
}

void TestStageCommands::newStage()
{
    QFETCH(bool, yes);
    WindowFixture f;
    QTemporaryDir dir;
    f.dialogs.pick(dir.filePath("kept.kwt"));
    f.action("SaveAs1")->trigger();
    Vorzo->stageMap().fill(12);
    SettingForm->replaceSettings(SettingsList(Lines{"time_max=1"}));
    Vorzo->mapView().SetViewOrigin(100, 20);
    if (yes)
        f.dialogs.answer(WarningButton::Yes);
    f.action("New1")->trigger();

    QCOMPARE(f.dialogs.shown().last().text,
             QStringLiteral("マップと詳細設定を全部消します。\r\n元には戻せません。\r\n本当にいいですか。"));
    QCOMPARE(f.dialogs.shown().last().buttons, (QList<WarningButton>{WarningButton::Yes, WarningButton::No}));
    StageMap filled;
    filled.fill(12);
    QCOMPARE(Vorzo->stageMap(), yes ? StageMap() : filled);
    QCOMPARE(SettingForm->settings(), yes ? defaultSettings() : SettingsList(Lines{"time_max=1"}));
    QCOMPARE(Vorzo->mapView().origin(), (yes ? ViewOrigin{0, 0} : ViewOrigin{100, 20}));
    QCOMPARE(project(), dir.filePath("kept")); // the project name stays
}

QTEST_MAIN(TestStageCommands)
#include "tst_stagecommands.moc"
