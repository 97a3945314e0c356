// The workspace's commands, without any window: the environment put into
// effect step by step, and F7's page from the templates and the stage.

#include "TestFiles.h"

#include "app/Workspace.h"
#include "output/PageTemplates.h"
#include "output/ParameterText.h"
#include "platform/VorzoError.h"

#include <QDir>
#include <QTest>
#include <QTextDocument>

class TestWorkspace : public QObject
{
    Q_OBJECT
private slots:
    void applyEnvironmentStopsAtTheFailingStep_data();
    void applyEnvironmentStopsAtTheFailingStep();
    void refreshPageJoinsTheTemplatesAndTheStage();
};

void TestWorkspace::applyEnvironmentStopsAtTheFailingStep_data()
{
    QTest::addColumn<QString>("image");
    QTest::addColumn<QString>("fore");
    QTest::addColumn<QString>("back");
    QTest::addColumn<QString>("error");
    QTest::addColumn<int>("stepsDone"); // 6 the picture, 7 the text colour, 8 the background
    const QString picture = QStringLiteral(VORZO_DIST_DIR "/zuzodovi.bmp");
    QTest::newRow("every step") << picture << "clRed"
                                << "$00FF0000"
                                << "" << 8;
    QTest::newRow("a picture that is not there") << QStringLiteral("/nowhere/p.bmp") << "clRed"
                                                 << "clBlue"
                                                 << "ファイル /nowhere/p.bmp は開けません" << 5;
    QTest::newRow("a background that is no colour") << picture << "clRed"
                                                    << "black"
                                                    << "'black' は整数ではありません" << 7;
}

void TestWorkspace::applyEnvironmentStopsAtTheFailingStep()
{
    QFETCH(QString, image);
    QFETCH(QString, fore);
    QFETCH(QString, back);
    QFETCH(QString, error);
    QFETCH(int, stepsDone);
    Workspace workspace;
    workspace.pattern().setPattern(PatternImage(QImage(8, 8, QImage::Format_RGB32), PatternImage::Kind::Bitmap));
    workspace.environment().setValues({QStringLiteral("/s/"), image, fore, back});
    QString thrown;
    try {
        workspace.ApplyEnvironment();
    } catch (const VorzoError &e) {
        thrown = e.message();
    }
    QCOMPARE(thrown, error);
    QCOMPARE(workspace.stageCommands().MainSave.fileName, QStringLiteral("/s/*.kwt"));
    QCOMPARE(workspace.stageCommands().MainOpen.fileName, QStringLiteral("/s/*.kwt"));
    QCOMPARE(workspace.editor().OpenDialog1.fileName, QStringLiteral("/s/*.htm"));
    QCOMPARE(workspace.editor().SaveDialog1.fileName, QStringLiteral("/s/*.htm"));
    QCOMPARE(workspace.pattern().picdialog.fileName, image);
    QCOMPARE(workspace.pattern().pattern().image().width(), stepsDone >= 6 ? 320 : 8);
    QCOMPARE(workspace.editor().textColour(), stepsDone >= 7 ? readColourText(fore) : Colour(ColourValue(0xFFFFFF)));
    QCOMPARE(workspace.editor().backgroundColour(),
             stepsDone >= 8 ? readColourText(back) : Colour(SystemColour::WindowFrame));
}

void TestWorkspace::refreshPageJoinsTheTemplatesAndTheStage()
{
    Workspace workspace;
    workspace.stage().map().set(2, 3, CellCode(10));
    workspace.headTemplate().setPlainText(QStringLiteral("<HTML>\n<BODY>"));
    const PageParts page = workspace.refreshPage();
    QCOMPARE(page.before, QByteArray("<HTML>\r\n<BODY>"));
    QCOMPARE(page.mapping, MakeMapHTML(workspace.stage().map()));
    QCOMPARE(page.setting, MakeSettingsHTML(workspace.stage().settingsList()));
    QCOMPARE(page.after, defaultTailTemplate());
    QCOMPARE(workspace.stage().finishedPage(), page.before + page.mapping + page.setting + page.after);

    // A template the code page cannot hold: refused by its box's name, and
    // the page of the last refresh stays.
    workspace.tailTemplate().setPlainText(QStringLiteral("価格は€です"));
    try {
        workspace.refreshPage();
        QFAIL("the template was taken");
    } catch (const VorzoError &e) {
        QVERIFY2(e.message().startsWith(QStringLiteral("後につくデータの文字「€」")), qPrintable(e.message()));
    }
    QCOMPARE(workspace.stage().finishedPage(), page.joined());
}

QTEST_MAIN(TestWorkspace)
#include "tst_workspace.moc"
