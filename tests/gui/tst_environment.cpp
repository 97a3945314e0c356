// The environment: read at the first show, applied in order, browsed,
// stored by OK and applied again.

#include "TestFiles.h"
#include "WindowFixture.h"

#include "accessories/VorzoEdit.h"
#include "environment/Environ.h"
#include "environment/VorzoImage.h"
#include "output/StageCommands.h"

#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

using Kind = ScriptedDialogs::Kind;

class TestEnvironment : public QObject
{
    Q_OBJECT
private slots:
    void firstShowAppliesTheDefaults();
    void aFailingStepStopsTheLaterOnes_data();
    void aFailingStepStopsTheLaterOnes();
    void browseCancelThenOk();
    void imageWindowKeepsItsSizeForAnyPicture();

private:
    static QColor textColour() { return editArea()->palette().color(QPalette::Text); }
    static QColor backgroundColour() { return editArea()->palette().color(QPalette::Base); }
    static QPlainTextEdit *editArea() { return editForm()->findChild<QPlainTextEdit *>(QStringLiteral("MainEdit")); }
    static QString field(const char *name) { return pagesDlg()->findChild<QLineEdit *>(QLatin1String(name))->text(); }
};

void TestEnvironment::firstShowAppliesTheDefaults()
{
    WindowFixture f; // no dazorad.ini
    const QString projects = f.programFolder() + QStringLiteral("Projects") + QDir::separator();
    QCOMPARE(workspace().environment().values().saveOpenFolder, projects);
    QCOMPARE(mainWindow()->stageCommands().MainOpen.fileName, projects + QStringLiteral("*.kwt"));
    QCOMPARE(mainWindow()->stageCommands().MainSave.fileName, projects + QStringLiteral("*.kwt"));
    QCOMPARE(workspace().editor().OpenDialog1.fileName, projects + QStringLiteral("*.htm"));
    QCOMPARE(workspace().editor().SaveDialog1.fileName, projects + QStringLiteral("*.htm"));
    QCOMPARE(workspace().pattern().picdialog.fileName, QStringLiteral("zuzodovi.bmp"));
    QCOMPARE(textColour(), QColor(Qt::white));
    QCOMPARE(backgroundColour(), QColor(Qt::black));
    QVERIFY(f.dialogs.texts(Kind::Error).isEmpty());
}

void TestEnvironment::aFailingStepStopsTheLaterOnes_data()
{
    QTest::addColumn<QByteArray>("environment");
    QTest::addColumn<QString>("error");
    QTest::addColumn<bool>("pictureLoaded");
    QTest::addColumn<QColor>("text");
    QTest::newRow("a deleted picture") << QByteArray(
        "Image=gone.bmp\r\nSaveOpen=/s/\r\n[TextEditor]\r\nFore=clRed\r\nBack=clBlue\r\n")
                                       << "ファイル gone.bmp は開けません." << false << QColor(Qt::white);
    QTest::newRow("a text colour that is no colour")
        << QByteArray("SaveOpen=/s/\r\n[TextEditor]\r\nFore=bogus\r\nBack=clBlue\r\n")
        << "'bogus' は整数ではありません." << true << QColor(Qt::white);
    QTest::newRow("a bad background after a good text colour")
        << QByteArray("SaveOpen=/s/\r\n[TextEditor]\r\nFore=clRed\r\nBack=black\r\n") << "'black' は整数ではありません."
        << true << QColor(Qt::red);
}

void TestEnvironment::aFailingStepStopsTheLaterOnes()
{
    QFETCH(QByteArray, environment);
    QFETCH(QString, error);
    QFETCH(bool, pictureLoaded);
    QFETCH(QColor, text);
    WindowFixture f(false);
    QVERIFY(TestFiles::put(f.programFolder() + QStringLiteral("dazorad.ini"), "[Directory]\r\n" + environment));
    workspace().pattern().setPattern(PatternImage(QImage(8, 8, QImage::Format_RGB32), PatternImage::Kind::Bitmap));
    const QColor designBackground = backgroundColour();
    f.show();

    QCOMPARE(f.dialogs.texts(Kind::Error), QStringList{error});
    QCOMPARE(mainWindow()->stageCommands().MainOpen.fileName, QStringLiteral("/s/*.kwt")); // done before
    QCOMPARE(workspace().pattern().pattern().image().width(), pictureLoaded ? 320 : 8);
    QCOMPARE(textColour(), text);
    QCOMPARE(backgroundColour(), designBackground);
    QVERIFY(mainWindow()->firstShowDone());
}

void TestEnvironment::browseCancelThenOk()
{
    WindowFixture f(false);
    const QString ini = f.programFolder() + QStringLiteral("dazorad.ini");
    const QByteArray toroku("[Toroku]\r\nNo1=5\r\nno2 = 7\r\n");
    QVERIFY(TestFiles::put(ini, toroku));
    f.show();
    QTemporaryDir stages;

    // Browse, then キャンセル: the field keeps the choice, the file does not.
    f.dialogs.pickFolder(stages.path());
    f.whenModalOpens([](QWidget *dialog) { dialog->findChild<QPushButton *>(QStringLiteral("Button1"))->click(); });
    f.action("F1")->trigger();
    QCOMPARE(field("set1_1"), stages.path() + QDir::separator());
    QCOMPARE(TestFiles::contents(ini), toroku);
    QCOMPARE(f.dialogs.texts(Kind::Folder), QStringList{QStringLiteral("フォルダの選択")});

    // Reopened on the page shown last: a colour, then OK.
    f.dialogs.pickColour(0xFF8040);
    f.whenModalOpens([](QWidget *dialog) {
        QCOMPARE(dialog->findChild<QTabWidget *>(QStringLiteral("PageControl1"))->currentIndex(), 0);
        dialog->findChild<QTabWidget *>(QStringLiteral("PageControl1"))->setCurrentIndex(1);
        dialog->findChild<QPushButton *>(QStringLiteral("Button4"))->click();
        dialog->findChild<QPushButton *>(QStringLiteral("OKBtn"))->click();
    });
    f.action("O1")->trigger();
    QCOMPARE(field("set2_1"), QStringLiteral("$00FF8040"));
    QCOMPARE(f.dialogs.colourDialogs, QList<ColourValue>{0}); // black before the first use
    const QByteArray stored = TestFiles::contents(ini);
    QVERIFY2(stored.startsWith(toroku), stored.constData()); // byte for byte
    QCOMPARE(stored.mid(toroku.size()),
             "[Directory]\r\nSaveOpen=" + QFile::encodeName(stages.path() + QDir::separator())
                 + "\r\nImage=zuzodovi.bmp\r\n[TextEditor]\r\nFore=$00FF8040\r\nBack=$000000\r\n");
    // Applied at once.
    QCOMPARE(mainWindow()->stageCommands().MainOpen.fileName,
             stages.path() + QDir::separator() + QStringLiteral("*.kwt"));
    QCOMPARE(textColour(), QColor(64, 128, 255));
    QVERIFY(f.dialogs.texts(Kind::Error).isEmpty());
}

void TestEnvironment::imageWindowKeepsItsSizeForAnyPicture()
{
    // The picture is clipped by the window, never the window grown to it.
    WindowFixture f;
    workspace().pattern().setPattern(PatternImage(QImage(640, 448, QImage::Format_RGB32), PatternImage::Kind::Bitmap));
    imageWindow()->show();
    QVERIFY(QTest::qWaitForWindowExposed(imageWindow()));
    QCOMPARE(imageWindow()->size(), QSize(476, 283));
    imageWindow()->resize(400, 150);
    QCOMPARE(imageWindow()->height(), 150);
    imageWindow()->hide();
}

QTEST_MAIN(TestEnvironment)
#include "tst_environment.moc"
