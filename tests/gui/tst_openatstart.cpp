// A stage given on the command line opens after the first show, as the Open
// dialog would open it.

#include "TestFiles.h"
#include "WindowFixture.h"

#include "app/StartStage.h"
#include "output/StageCommands.h"
#include "stage/MapView.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using Kind = ScriptedDialogs::Kind;

class TestOpenAtStart : public QObject
{
    Q_OBJECT
private slots:
    void opensAsTheOpenDialog_data();
    void opensAsTheOpenDialog();
    void optionsAnswerWithoutAWindow_data();
    void optionsAnswerWithoutAWindow();
};

void TestOpenAtStart::opensAsTheOpenDialog_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("withSettings");
    QTest::addColumn<QString>("proposed"); // by the Open dialog next; empty: as before
    QTest::addColumn<QString>("opened");   // the project; empty: none
    QTest::addColumn<QString>("error");    // %1 the folder the name was given in
    QTest::newRow("a relative name") << QStringList{"VorzoDazorad", "stages/castle.kwt"} << true
                                     << "%1/stages/castle.kwt"
                                     << "%1/stages/castle"
                                     << "";
    QTest::newRow("a full name, further arguments ignored")
        << QStringList{"VorzoDazorad", "%1/stages/castle.kwt", "other.kwt"} << true << "%1/stages/castle.kwt"
        << "%1/stages/castle"
        << "";
    QTest::newRow("a name after --") << QStringList{"VorzoDazorad", "--", "stages/castle.kwt"} << true
                                     << "%1/stages/castle.kwt"
                                     << "%1/stages/castle"
                                     << "";
    QTest::newRow("no argument") << QStringList{"VorzoDazorad"} << true << ""
                                 << ""
                                 << "";
    QTest::newRow("a missing map file") << QStringList{"VorzoDazorad", "stages/none.kwt"} << true
                                        << "%1/stages/none.kwt"
                                        << ""
                                        << "ファイル %1/stages/none.kwt は開けません.";
    QTest::newRow("no settings file beside it")
        << QStringList{"VorzoDazorad", "stages/castle.kwt"} << false << "%1/stages/castle.kwt"
        << ""
        << "ファイル %1/stages/castle.kwp は開けません.";
}

void TestOpenAtStart::opensAsTheOpenDialog()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, withSettings);
    QFETCH(QString, proposed);
    QFETCH(QString, opened);
    QFETCH(QString, error);
    WindowFixture f;
    QTemporaryDir dir;
    const QString folder = dir.path();
    QVERIFY(QDir(folder).mkdir("stages"));
    const QByteArray map = QByteArray(5400, char(99)).replace(3 * 30 + 4, 1, "\x1a");
    QVERIFY(TestFiles::put(folder + "/stages/castle.kwt", map));
    if (withSettings)
        QVERIFY(TestFiles::put(folder + "/stages/castle.kwp", "time_max=300\r\nno equals sign\r\n"));
    for (QString &argument : arguments)
        argument.replace("%1", folder);
    mainWindow()->mapView().SetViewOrigin(50, 10);
    const QString proposedBefore = mainWindow()->stageCommands().MainOpen.fileName;
    const QString current = QDir::currentPath();
    QDir::setCurrent(folder);
    openStageGivenAtStart(arguments, *mainWindow());
    QDir::setCurrent(current); // a later change of folder does not matter
    QTest::qWait(50);

    Stage &stage = mainWindow()->stage();
    QCOMPARE(f.dialogs.texts(Kind::Error), error.isEmpty() ? QStringList() : QStringList{error.arg(folder)});
    QCOMPARE(stage.projectName(), QString(opened).replace("%1", folder));
    const bool read = !opened.isEmpty() || !withSettings; // the map comes in before its settings
    QCOMPARE(int(stage.map().at(3, 4)), read ? 26 : 99);
    if (!opened.isEmpty()) {
        QCOMPARE(stage.settingsList().entries(), (QList<QByteArray>{"time_max=300", "no equals sign"}));
        QCOMPARE(mainWindow()->mapView().origin(), (ViewOrigin{0, 0}));
    } else {
        QCOMPARE(stage.settingsList().size(), 71);
        QCOMPARE(mainWindow()->mapView().origin(), (ViewOrigin{50, 10}));
    }
    // The Open dialog proposes the name given, as it would after choosing it.
    QCOMPARE(mainWindow()->stageCommands().MainOpen.fileName,
             proposed.isEmpty() ? proposedBefore : proposed.arg(folder));
    QVERIFY(f.dialogs.fileDialogs.isEmpty());
}

void TestOpenAtStart::optionsAnswerWithoutAWindow_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");
    QTest::newRow("--help") << QStringList{"--help"} << 0 << "Usage: VorzoDazorad [STAGE.kwt]"
                            << "";
    QTest::newRow("--version after a stage") << QStringList{"a.kwt", "--version"} << 0 << "VorzoDazorad 1.0\n"
                                             << "";
    QTest::newRow("an unknown option") << QStringList{"-x"} << 2 << ""
                                       << "unknown option -x";
    QTest::newRow("an unknown long option") << QStringList{"--helpme", "a.kwt"} << 2 << ""
                                            << "Usage:";
}

void TestOpenAtStart::optionsAnswerWithoutAWindow()
{
    // Before any window, and for --help and --version without a display.
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, err);
    QProcess editor;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"),
                       status == 0 ? QStringLiteral("xcb") : QStringLiteral("offscreen"));
    environment.remove(QStringLiteral("DISPLAY"));
    editor.setProcessEnvironment(environment);
    editor.start(QStringLiteral(VORZO_DIST_DIR "/VorzoDazorad"), arguments);
    QVERIFY(editor.waitForFinished(20000));
    QCOMPARE(editor.exitStatus(), QProcess::NormalExit);
    QCOMPARE(editor.exitCode(), status);
    const QString printed = QString::fromUtf8(editor.readAllStandardOutput());
    const QString complained = QString::fromUtf8(editor.readAllStandardError());
    QVERIFY2(out.isEmpty() ? printed.isEmpty() : printed.contains(out), qPrintable(printed));
    QVERIFY2(err.isEmpty() ? complained.isEmpty() : complained.contains(err), qPrintable(complained));
}

QTEST_MAIN(TestOpenAtStart)
#include "tst_openatstart.moc"
