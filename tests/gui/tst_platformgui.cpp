#include "ScriptedDialogs.h"

#include "desktop/Desktop.h"
#include "desktop/DesktopShell.h"
#include "platform/Guarded.h"
#include "desktop/HintFilter.h"
#include "desktop/QtDialogs.h"
#include "platform/Shell.h"
#include "platform/VorzoError.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFontInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
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
    const WarningButton chosen =
        real.warning(QStringLiteral("本当にいいですか。"), {WarningButton::Yes, WarningButton::No, WarningButton::Cancel});
    QCOMPARE(int(chosen), answer);
    QCOMPARE(title, QStringLiteral("警告"));
    QCOMPARE(icon, QMessageBox::Warning);
    QCOMPARE(captions, (QStringList{"はい(&Y)", "いいえ(&N)", "キャンセル"}));
}

void TestPlatformGui::errorAndPlainBoxes()
{
    QtDialogs real;
    struct Seen { QString title; QMessageBox::Icon icon; QString text; int buttons; };
    QList<Seen> seen;
    auto inspectNextBox = [&] {
        QTimer::singleShot(50, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            seen.append({box->windowTitle(), box->icon(), box->text(), int(box->buttons().size())});
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

QTEST_MAIN(TestPlatformGui)
#include "tst_platformgui.moc"
