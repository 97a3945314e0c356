// The stage commands on a stage of their own, without any window.

#include "ScriptedDialogs.h"
#include "TestFiles.h"

#include "output/ParameterText.h"
#include "output/StageCommands.h"
#include "platform/Guarded.h"
#include "settings/DefaultSettings.h"
#include "stage/Stage.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using Kind = ScriptedDialogs::Kind;
using Lines = QList<QByteArray>;

// A stage, its commands, the dialogs they ask, and how often they brought
// the view back to its start.
struct Commands
{
    ScriptedDialogs dialogs;
    Stage stage;
    int shownFromStart = 0;
    StageCommands run{stage, [this] { ++shownFromStart; }};

    // Runs a command by the name of its menu entry, as the entry does.
    void trigger(const QString &entry)
    {
        const QHash<QString, void (StageCommands::*)()> handlers{
            {"New1", &StageCommands::New1Click},       {"Open1", &StageCommands::Open1Click},
            {"SaveAs1", &StageCommands::SaveAs1Click}, {"SaveAs2", &StageCommands::SaveAs2Click},
            {"N22", &StageCommands::N22Click},         {"HTML1", &StageCommands::HTML1Click},
        };
        runGuarded([&] { (run.*handlers.value(entry))(); });
    }
    // What a refresh leaves for the save commands.
    void refresh() { stage.setFinishedPage(MakeMapHTML(stage.map())); }
};

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
    Commands f;
    QTemporaryDir dir;
    f.dialogs.pick(dir.filePath("a.kwt"));
    f.trigger("SaveAs1");
    f.dialogs.pick(std::nullopt);
    f.trigger("Open1");
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
    QCOMPARE(f.run.MainSave.fileName, dir.filePath("a.kwt"));
}

void TestStageCommands::saveAsWritesTheFilesAndNamesTheProject_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("base");
    QTest::newRow("castle.kwt") << "castle.kwt"
                                << "SaveAs1"
                                << "castle";
    QTest::newRow("castle.txt") << "castle.txt"
                                << "SaveAs1"
                                << "castle";
    QTest::newRow("a.b.kwt, with the page") << "a.b.kwt"
                                            << "SaveAs2"
                                            << "a.b";
    QTest::newRow("no dot") << "castle"
                            << "SaveAs2"
                            << "castle";
}

void TestStageCommands::saveAsWritesTheFilesAndNamesTheProject()
{
    QFETCH(QString, chosen);
    QFETCH(QString, entry);
    QFETCH(QString, base);
    Commands f;
    QTemporaryDir dir;
    f.stage.map().set(3, 4, 26);
    f.refresh();
    f.dialogs.pick(dir.filePath(chosen));
    f.trigger(entry);

    StageMap expected;
    expected.set(3, 4, 26);
    const QByteArray map = TestFiles::contents(dir.filePath(chosen));
    QCOMPARE(map.size(), 5400);
    QCOMPARE(int(map.at(3 * 30 + 4)), 26);
    QCOMPARE(TestFiles::contents(dir.filePath(base + ".kwp")), settingsFile(defaultSettings()));
    const bool withPage = entry == "SaveAs2";
    QCOMPARE(TestFiles::contents(dir.filePath(base + ".htm")),
             withPage ? f.stage.finishedPage() : QByteArray("<missing>"));
    QCOMPARE(f.stage.projectName(), dir.filePath(base));
    QVERIFY(f.dialogs.texts(Kind::Error).isEmpty());
}

void TestStageCommands::saveAsWithThePageBeforeAnyRefresh()
{
    Commands f;
    QTemporaryDir dir;
    f.dialogs.pick(dir.filePath("early.kwt"));
    f.trigger("SaveAs2");
    QCOMPARE(TestFiles::contents(dir.filePath("early.htm")), QByteArray());
}

void TestStageCommands::saveAsRefusesAMapNameThatIsItsCompanion()
{
    Commands f;
    QTemporaryDir dir;
    f.dialogs.pick(dir.filePath("castle.kwp"));
    f.trigger("SaveAs1");
    f.dialogs.pick(dir.filePath("castle.htm"));
    f.trigger("SaveAs2");
    QCOMPARE(f.dialogs.texts(Kind::Error).size(), 2);
    QVERIFY(QDir(dir.path()).entryList(QDir::Files).isEmpty());
    QCOMPARE(f.stage.projectName(), QString());
}

void TestStageCommands::cancelledDialogsChangeNothing()
{
    Commands f;
    f.stage.map().fill(4);
    for (const char *entry : {"Open1", "SaveAs1", "SaveAs2"}) {
        f.dialogs.pick(std::nullopt);
        f.trigger(entry);
    }
    StageMap expected;
    expected.fill(4);
    QCOMPARE(f.stage.map(), expected);
    QCOMPARE(f.stage.projectName(), QString());
    QCOMPARE(f.run.MainOpen.fileName, QString());
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
    Commands f;
    f.trigger(entry);
    QCOMPARE(f.dialogs.texts(Kind::Message), QStringList{QStringLiteral("プロジェクト名が決まっていません。")});
    QCOMPARE(f.dialogs.shown().size(), 1);
}

void TestStageCommands::overwriteWritesUnderTheProjectName()
{
    Commands f;
    QTemporaryDir dir;
    f.dialogs.pick(dir.filePath("castle.txt"));
    f.trigger("SaveAs1");
    f.stage.map().set(0, 0, 1);
    f.refresh();
    f.trigger("HTML1");
    // The map now goes to castle.kwt, a file of its own; castle.txt stays.
    QCOMPARE(int(TestFiles::contents(dir.filePath("castle.kwt")).at(0)), 1);
    QCOMPARE(int(TestFiles::contents(dir.filePath("castle.txt")).at(0)), 99);
    QCOMPARE(TestFiles::contents(dir.filePath("castle.htm")), f.stage.finishedPage());
    QCOMPARE(f.stage.projectName(), dir.filePath("castle"));
    QCOMPARE(f.dialogs.fileDialogs.size(), 1); // no question
}

void TestStageCommands::aReadOnlyMapFileStopsTheSave()
{
    Commands f;
    QTemporaryDir dir;
    const QString map = dir.filePath("castle.kwt");
    QVERIFY(TestFiles::put(map, "old"));
    QFile::setPermissions(map, QFile::ReadOwner);
    f.dialogs.pick(map);
    f.trigger("SaveAs2");
    QCOMPARE(f.dialogs.texts(Kind::Error), QStringList{QStringLiteral("ファイル %1 を作成できません.").arg(map)});
    QCOMPARE(TestFiles::contents(map), QByteArray("old"));
    QCOMPARE(TestFiles::contents(dir.filePath("castle.kwp")), QByteArray("<missing>"));
    QCOMPARE(f.stage.projectName(), QString());
}

void TestStageCommands::saveOpenRoundTrip()
{
    Commands f;
    QTemporaryDir dir;
    for (int i = 0; i < StageMap::Cells; ++i)
        f.stage.map().setIndex(i, CellCode(i % 256));
    Lines entries = defaultSettings().entries();
    entries[0] = "time_max=300";
    entries.append("=extra");
    f.stage.settings().replace(SettingsList(entries));
    const StageMap painted = f.stage.map();

    f.dialogs.pick(dir.filePath("castle.kwt"));
    f.trigger("SaveAs1");
    f.dialogs.answer(WarningButton::Yes);
    f.trigger("New1");
    QCOMPARE(f.stage.map(), StageMap());
    QCOMPARE(f.stage.settingsList(), defaultSettings());

    f.dialogs.pick(dir.filePath("castle.kwt"));
    f.trigger("Open1");
    QCOMPARE(f.stage.map(), painted);
    QCOMPARE(f.stage.settingsList().entries(), entries);
    QCOMPARE(f.shownFromStart, 2); // by the new stage and by the open
    QCOMPARE(f.stage.projectName(), dir.filePath("castle"));
}

void TestStageCommands::openWithoutItsSettingsFile()
{
    Commands f;
    QTemporaryDir dir;
    QVERIFY(TestFiles::put(dir.filePath("lone.kwt"), QByteArray(100, char(7))));
    const SettingsList before = f.stage.settingsList();
    f.dialogs.pick(dir.filePath("lone.kwt"));
    f.trigger("Open1");
    QCOMPARE(f.dialogs.texts(Kind::Error),
             QStringList{QStringLiteral("ファイル %1 は開けません.").arg(dir.filePath("lone.kwp"))});
    QCOMPARE(int(f.stage.map().atIndex(99)), 7);   // the map was read
    QCOMPARE(int(f.stage.map().atIndex(100)), 99); // as far as the file goes
    QCOMPARE(f.stage.settingsList(), before);
    QCOMPARE(f.shownFromStart, 0);
    QCOMPARE(f.stage.projectName(), QString());
}

void TestStageCommands::openAMissingMapFile()
{
    Commands f;
    QTemporaryDir dir;
    f.stage.map().fill(9);
    f.dialogs.pick(dir.filePath("typed.kwt"));
    f.trigger("Open1");
    QCOMPARE(f.dialogs.texts(Kind::Error),
             QStringList{QStringLiteral("ファイル %1 は開けません.").arg(dir.filePath("typed.kwt"))});
    StageMap expected;
    expected.fill(9);
    QCOMPARE(f.stage.map(), expected);
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
    Commands f;
    QTemporaryDir dir;
    f.dialogs.pick(dir.filePath("kept.kwt"));
    f.trigger("SaveAs1");
    f.stage.map().fill(12);
    f.stage.settings().replace(SettingsList(Lines{"time_max=1"}));
    f.dialogs.answer(yes ? WarningButton::Yes : WarningButton::No);
    f.trigger("New1");

    QCOMPARE(f.dialogs.shown().last().text,
             QStringLiteral("マップと詳細設定を全部消します。\r\n元には戻せません。\r\n本当にいいですか。"));
    QCOMPARE(f.dialogs.shown().last().buttons, (QList<WarningButton>{WarningButton::Yes, WarningButton::No}));
    StageMap filled;
    filled.fill(12);
    QCOMPARE(f.stage.map(), yes ? StageMap() : filled);
    QCOMPARE(f.stage.settingsList(), yes ? defaultSettings() : SettingsList(Lines{"time_max=1"}));
    QCOMPARE(f.shownFromStart, yes ? 1 : 0);
    QCOMPARE(f.stage.projectName(), dir.filePath("kept")); // the project name stays
}

QTEST_MAIN(TestStageCommands)
#include "tst_stagecommands.moc"
