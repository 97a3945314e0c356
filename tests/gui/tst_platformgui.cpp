#include "ScriptedDialogs.h"
#include "TestFiles.h"

#include "desktop/Desktop.h"
#include "desktop/DesktopShell.h"
#include "desktop/HintFilter.h"
#include "desktop/QtDialogs.h"
#include "platform/Guarded.h"
#include "platform/Shell.h"
#include "platform/VorzoError.h"

#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFontInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

// Receives what the desktop's opener is handed.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls.append(url); }
};

class TestPlatformGui : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { Desktop::install(*qApp); }
    void failingHandlerShowsErrorBoxAndKeepsEarlierSteps();
    void warningBoxButtons_data();
    void warningBoxButtons();
    void errorAndPlainBoxes();
    void shellOpenHandsProperAddresses_data();
    void shellOpenHandsProperAddresses();
    void nearestHintStopsAtTheWindow();
    void fontsAreSubstituted();
    void fileDialogTakesWildcards();
    void pictureDialogPreviewsTheFileSelectedAtOpen();
};

void TestPlatformGui::failingHandlerShowsErrorBoxAndKeepsEarlierSteps()
{
    ScriptedDialogs dialogs;
    QStringList steps;
    auto handler = guarded([&] {
        steps << "first";
        throw VorzoError::cannotCreate(QStringLiteral("/home/u/a.kwt"));
        steps << "never";
    });
    handler();
    QCOMPARE(steps, QStringList{"first"});
    QCOMPARE(dialogs.texts(ScriptedDialogs::Kind::Error),
             QStringList{QStringLiteral("ファイル /home/u/a.kwt を作成できません.")});
}

void TestPlatformGui::warningBoxButtons_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("answer");
    QTest::newRow("Enter chooses はい") << int(Qt::Key_Return) << int(WarningButton::Yes);
    QTest::newRow("Esc chooses the last button") << int(Qt::Key_Escape) << int(WarningButton::Cancel);
}

void TestPlatformGui::warningBoxButtons()
{
    QFETCH(int, key);
    QFETCH(int, answer);
    QtDialogs real;
    QStringList captions;
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QTimer::singleShot(50, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        title = box->windowTitle();
        icon = box->icon();
        QList<QAbstractButton *> buttons = box->buttons();
        std::sort(buttons.begin(), buttons.end(),
                  [](auto *a, auto *b) { return a->mapToGlobal(QPoint()).x() < b->mapToGlobal(QPoint()).x(); });
        for (QAbstractButton *b : buttons)
            captions << b->text();
        QTest::keyClick(box, Qt::Key(key));
    });
    const WarningButton chosen = real.warning(QStringLiteral("本当にいいですか。"),
                                              {WarningButton::Yes, WarningButton::No, WarningButton::Cancel});
    QCOMPARE(int(chosen), answer);
    QCOMPARE(title, QStringLiteral("警告"));
    QCOMPARE(icon, QMessageBox::Warning);
    QCOMPARE(captions, (QStringList{"はい(&Y)", "いいえ(&N)", "キャンセル"}));
}

void TestPlatformGui::errorAndPlainBoxes()
{
    QtDialogs real;
    struct Seen
    {
        QString title;
        QMessageBox::Icon icon;
        QString text;
        int buttons;
    };
    QList<Seen> seen;
    auto inspectNextBox = [&] {
        QTimer::singleShot(50, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            seen.append({box->windowTitle(), box->icon(), box->text(), int(box->buttons().size())});
            // One OK of the program's own, without the theme's picture on it.
            QCOMPARE(box->buttons().value(0)->text(), QStringLiteral("OK"));
            QVERIFY(box->buttons().value(0)->icon().isNull());
            QTest::keyClick(box, Qt::Key_Return);
        });
    };
    inspectNextBox();
    real.error(QStringLiteral("ファイル a は開けません."));
    inspectNextBox();
    real.message(QStringLiteral("入力値が不正です"));
    QCOMPARE(seen.size(), 2);
    QCOMPARE(seen.at(0).title, QStringLiteral("VorzoDazorad"));
    QCOMPARE(seen.at(0).icon, QMessageBox::Critical);
    QCOMPARE(seen.at(0).text, QStringLiteral("ファイル a は開けません."));
    QCOMPARE(seen.at(0).buttons, 1);
    QCOMPARE(seen.at(1).title, QStringLiteral("VorzoDazorad"));
    QCOMPARE(seen.at(1).icon, QMessageBox::NoIcon);
    QCOMPARE(seen.at(1).buttons, 1);
}

void TestPlatformGui::shellOpenHandsProperAddresses_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<QUrl>("url");
    QTest::newRow("web address") << "https://soyokaze.example.jp/" << QUrl("https://soyokaze.example.jp/");
    QTest::newRow("file address") << "file:///tmp/TestPlay.htm" << QUrl("file:///tmp/TestPlay.htm");
    QTest::newRow("path with blank and japanese")
        << QStringLiteral("/tmp/ぼるぞ 作品/TestPlay.htm")
        << QUrl::fromLocalFile(QStringLiteral("/tmp/ぼるぞ 作品/TestPlay.htm"));
    QTest::newRow("path with # and %") << "/tmp/a#b%c.htm" << QUrl::fromLocalFile("/tmp/a#b%c.htm");
}

void TestPlatformGui::shellOpenHandsProperAddresses()
{
    QFETCH(QString, target);
    QFETCH(QUrl, url);
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "open");
    DesktopShell().open(target);
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    QCOMPARE(catcher.urls, QList<QUrl>{url});
}

void TestPlatformGui::nearestHintStopsAtTheWindow()
{
    QWidget window;
    window.setStatusTip(QStringLiteral("window"));
    QWidget panel(&window);
    panel.setStatusTip(QStringLiteral("panel"));
    QLabel inner(&panel);
    QCOMPARE(HintFilter::nearestHint(&inner), QStringLiteral("panel"));
    panel.setStatusTip(QString());
    QCOMPARE(HintFilter::nearestHint(&inner), QStringLiteral("window"));

    QWidget popup(&panel, Qt::Window); // its own window: no hint from the owner
    QCOMPARE(HintFilter::nearestHint(&popup), QString());
}

void TestPlatformGui::fontsAreSubstituted()
{
    // The forms name the original desktop's fonts; the IPA fonts stand in.
    QCOMPARE(QFontInfo(QFont(QStringLiteral("ＭＳ Ｐゴシック"))).family(), QStringLiteral("IPAPGothic"));
    QCOMPARE(QFontInfo(QFont(QStringLiteral("ＭＳ ゴシック"))).family(), QStringLiteral("IPAGothic"));
}

namespace {

// The names the open file dialog lists, once its folder has been read.
QStringList listed(QFileDialog *box)
{
    auto *view = box->findChild<QListView *>(QStringLiteral("listView"));
    QStringList names;
    for (int row = 0; view && row < view->model()->rowCount(view->rootIndex()); ++row)
        names << view->model()->index(row, 0, view->rootIndex()).data().toString();
    names.sort();
    return names;
}

} // namespace

void TestPlatformGui::fileDialogTakesWildcards()
{
    // A wildcard name opens its folder listing only the matching names, the
    // pattern in the name box; a wildcard typed there lists anew and chooses
    // nothing. Captions that carry their own pattern text show as they are.
    QTemporaryDir dir;
    for (const char *name : {"Stages1.kwt", "Stages2.kwt", "other.kwt", "Stages.htm"})
        QVERIFY(TestFiles::put(dir.filePath(QLatin1String(name)), "x"));
    const FileDialog dialog{FileDialog::Kind::Open, QStringLiteral("開く"),
                            QStringLiteral("HTMLファイル(*.html,*.htm) (*.htm *.html);;すべてのファイル(*.*) (*)"),
                            QStringLiteral("htm"), dir.path() + QStringLiteral("/Stages*.kwt")};
    QStringList captions, first, second;
    QString nameBox;
    bool stayedOpen = false;
    QTimer::singleShot(50, [&] {
        auto *box = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        QVERIFY(box);
        auto *name = box->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        auto *types = box->findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
        for (int i = 0; i < types->count(); ++i)
            captions << types->itemText(i);
        nameBox = name->text();
        QTRY_COMPARE(listed(box).size(), 2);
        first = listed(box);
        name->setText(QStringLiteral("o*"));
        QTest::keyClick(name, Qt::Key_Return);
        QTRY_COMPARE(listed(box).size(), 1);
        second = listed(box);
        stayedOpen = box->isVisible();
        box->reject();
    });
    QtDialogs real;
    QCOMPARE(real.chooseFile(dialog), std::nullopt);
    QCOMPARE(captions, (QStringList{"HTMLファイル(*.html,*.htm)", "すべてのファイル(*.*)"}));
    QCOMPARE(nameBox, QStringLiteral("Stages*.kwt"));
    QCOMPARE(first, (QStringList{"Stages1.kwt", "Stages2.kwt"}));
    QCOMPARE(second, QStringList{"other.kwt"});
    QVERIFY(stayedOpen);
}

void TestPlatformGui::pictureDialogPreviewsTheFileSelectedAtOpen()
{
    QTemporaryDir dir;
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QVERIFY(picture.save(dir.filePath(QStringLiteral("zuzodovi.bmp"))));
    const FileDialog dialog{FileDialog::Kind::Open,
                            QStringLiteral("画像の選択"),
                            QStringLiteral("ビットマップ (*.bmp)"),
                            {},
                            dir.filePath(QStringLiteral("zuzodovi.bmp")),
                            true};
    QSize shown;
    QTimer::singleShot(50, [&] {
        auto *box = QApplication::activeModalWidget();
        QVERIFY(box);
        shown = box->findChild<QLabel *>(QStringLiteral("preview"))->pixmap().size();
        box->close();
    });
    QtDialogs real;
    real.chooseFile(dialog);
    QCOMPARE(shown, QSize(40, 30));
}

QTEST_MAIN(TestPlatformGui)
#include "tst_platformgui.moc"
