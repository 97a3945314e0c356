#include "FedClock.h"
#include "WindowFixture.h"

#include "accessories/ClockTab.h"
#include "accessories/Emblem.h"
#include "accessories/Help.h"
#include "accessories/Vertion.h"
#include "environment/Environ.h"
#include "platform/LinkAddresses.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

class TestAccessories : public QObject
{
    Q_OBJECT
private slots:
    void linkShortcutsFromAnywhere_data();
    void linkShortcutsFromAnywhere();
    void gameAuthorsEntryNamesTheAuthor();
    void clockShowsTheTimeAndTheAlarmRingsThroughModalWindows();
    void helpPages();
    void helpOpensOnThePageLastViewed();
    void versionWindowShowsTheEmblemUnsmoothed();
    void versionWindowCloses_data();
    void versionWindowCloses();
    void pixelText_data();
    void pixelText();
    void dialogsOpenCentredEachTime_data();
    void dialogsOpenCentredEachTime();

private:
    static QTabWidget *mainTabs() { return WindowFixture::control<QTabWidget>("PageControl1"); }
    template <typename T> static T *clockControl(const char *name)
    {
        return mainWindow()->findChild<ClockTab *>()->findChild<T *>(QLatin1String(name));
    }
};

void TestAccessories::linkShortcutsFromAnywhere_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("address");
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("focus");
    const struct
    {
        int key;
        const char *address;
    } links[] = {
        {Qt::Key_F1, LinkAddresses::ToolAuthorPage},
        {Qt::Key_F2, LinkAddresses::SiblingToolPage},
        {Qt::Key_F3, LinkAddresses::GameAuthorPage},
        {Qt::Key_F4, LinkAddresses::GameDownloadPage},
    };
    const struct
    {
        int page;
        const char *focus;
    } places[] = {
        {0, "list2"},
        {1, "before"},
        {2, "No3"},
        {3, "Watch1"},
    };
    for (const auto &link : links) {
        for (const auto &place : places) {
            QTest::addRow("Ctrl+F%d in %s", link.key - Qt::Key_F1 + 1, place.focus)
                << link.key << QString::fromLatin1(link.address) << place.page << QString::fromLatin1(place.focus);
        }
    }
}

void TestAccessories::linkShortcutsFromAnywhere()
{
    QFETCH(int, key);
    QFETCH(QString, address);
    QFETCH(int, page);
    QFETCH(QString, focus);
    WindowFixture f;
    mainTabs()->setCurrentIndex(page);
    QWidget *target = mainTabs()->widget(page)->findChild<QWidget *>(focus);
    QVERIFY(target);
    target->setFocus();
    QCOMPARE(QApplication::focusWidget(), target);
    f.press(key, Qt::ControlModifier);
    QCOMPARE(f.shell.opened, QStringList{address});
    QVERIFY(f.dialogs.shown().isEmpty());
}

void TestAccessories::gameAuthorsEntryNamesTheAuthor()
{
    WindowFixture f(false);
    const QString author = QString::fromUtf8(LinkAddresses::GameAuthorName);
    QVERIFY(f.action("N12")->text().startsWith(QStringLiteral("ぼるぞ開発者のページ(") + author + "のホームページ)"));
    QVERIFY(f.action("N12")->statusTip().contains(author));
}

void TestAccessories::clockShowsTheTimeAndTheAlarmRingsThroughModalWindows()
{
    FedClock clock;
    clock.time = QDateTime(QDate(2024, 3, 5), QTime(16, 4, 59, 500));
    WindowFixture f;
    auto *timeData = clockControl<QLabel>("TimeData");
    QTRY_COMPARE(timeData->text(), QStringLiteral("16:04:59"));
    QCOMPARE(clockControl<QLabel>("DateData")->text(), QStringLiteral("2024/03/05"));

    // The alarm typed as a person does.
    for (const auto &[field, typed] : {std::pair{"Watch1", "16"}, {"Watch2", "05"}, {"Watch3", "00"}}) {
        auto *box = clockControl<QLineEdit>(field);
        box->selectAll();
        QTest::keyClicks(box, QLatin1String(typed));
    }
    mainTabs()->setCurrentIndex(0);

    // The time comes while the help window is open: both timers go on in its loop.
    bool rangInModal = false;
    f.whenModalOpens([&](QWidget *) {
        clock.time = clock.time.addMSecs(500);
        QTRY_VERIFY_WITH_TIMEOUT(mainTabs()->currentIndex() == TVorzo::ClockPage && clock.beeps >= 2, 5000);
        rangInModal = true;
    });
    f.action("Help2")->trigger();
    QVERIFY(rangInModal);
    QCOMPARE(timeData->text(), QStringLiteral("16:05:00"));

    // アラームオフ after the matching second stops the beep for good.
    clock.time = clock.time.addSecs(1);
    QTRY_COMPARE(timeData->text(), QStringLiteral("16:05:01"));
    QTest::mouseClick(clockControl<QPushButton>("Button1"), Qt::LeftButton);
    const int beeps = clock.beeps;
    QTest::qWait(350);
    QCOMPARE(clock.beeps, beeps);
    QVERIFY(!clockControl<QTimer>("Alert")->isActive());
    QVERIFY(clockControl<QTimer>("Timer")->isActive());
}

void TestAccessories::helpPages()
{
    WindowFixture f;
    // The pages are filled when the window shows.
    helpForm()->show();
    auto *pages = helpForm()->findChild<QTabWidget *>(QStringLiteral("PageControl1"));
    const QList<QPair<QString, QString>> expected{
        {"基本的な使い方", "1.概要"},   {"セーブ・オープン", "1.ぼるぞクリエイターが保存するファイル"},
        {"詳細設定", "1.詳細設定とは"}, {"環境設定", "1.環境設定"},
        {"オマケ機能", "1.時計"},
    };
    const char *memos[] = {"Memo1", "Memo2", "Memo4", "Memo5", "Memo3"};
    QCOMPARE(pages->count(), expected.size());
    for (int i = 0; i < pages->count(); ++i) {
        QCOMPARE(pages->tabText(i), expected.at(i).first);
        auto *memo = pages->widget(i)->findChild<QPlainTextEdit *>();
        QCOMPARE(memo->objectName(), QLatin1String(memos[i]));
        QVERIFY(memo->toPlainText().startsWith(expected.at(i).second + u'\n'));
        QVERIFY(memo->isReadOnly());
        QCOMPARE(memo->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        QCOMPARE(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    }
    QCOMPARE(helpForm()->size(), QSize(502, 340));
    QCOMPARE(helpForm()->minimumSize(), helpForm()->maximumSize());
}

void TestAccessories::helpOpensOnThePageLastViewed()
{
    WindowFixture f;
    QStringList shown;
    auto openHelp = [&](int clickTab) {
        f.whenModalOpens([&shown, clickTab](QWidget *modal) {
            auto *pages = modal->findChild<QTabWidget *>(QStringLiteral("PageControl1"));
            shown << pages->tabText(pages->currentIndex());
            if (clickTab >= 0)
                QTest::mouseClick(pages->tabBar(), Qt::LeftButton, {}, pages->tabBar()->tabRect(clickTab).center());
        });
        f.action("Help2")->trigger();
    };
    openHelp(3);
    openHelp(-1);
    openHelp(-1);
    QCOMPARE(shown, (QStringList{"オマケ機能", "環境設定", "環境設定"}));
}

void TestAccessories::versionWindowShowsTheEmblemUnsmoothed()
{
    WindowFixture f;
    const QImage emblem = Emblem::image();
    QCOMPARE(emblem.size(), QSize(32, 32));
    QCOMPARE(emblem.pixelColor(0, 0).alpha(), 0);
    QCOMPARE(emblem.pixelColor(5, 5).alpha(), 255);

    auto *icon = aboutBox()->findChild<QLabel *>(QStringLiteral("ProgramIcon"));
    QCOMPARE(icon->geometry(), QRect(8, 8, 64, 64));
    const QImage shown = icon->pixmap().toImage().convertToFormat(emblem.format());
    QCOMPARE(shown.size(), QSize(64, 64));
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            if (shown.pixel(x, y) != emblem.pixel(x / 2, y / 2))
                QFAIL(qPrintable(QStringLiteral("pixel %1,%2 is not its source's").arg(x).arg(y)));
        }
    }
}

void TestAccessories::versionWindowCloses_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("OK") << "OK";
    QTest::newRow("Enter") << "Enter";
    QTest::newRow("title bar") << "close";
}

void TestAccessories::versionWindowCloses()
{
    QFETCH(QString, how);
    WindowFixture f;
    bool closedByIt = false;
    f.whenModalOpens([&](QWidget *modal) {
        QCOMPARE(modal, static_cast<QWidget *>(aboutBox()));
        if (how == "OK")
            QTest::mouseClick(modal->findChild<QPushButton *>(QStringLiteral("OKButton")), Qt::LeftButton);
        else if (how == "Enter")
            QTest::keyClick(modal, Qt::Key_Return);
        else
            modal->close();
        closedByIt = !modal->isVisible();
    });
    f.action("About1")->trigger();
    QVERIFY(closedByIt);
    QCOMPARE(aboutBox()->size(), QSize(298, 213));
    QVERIFY(f.dialogs.shown().isEmpty());
}

void TestAccessories::pixelText_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QSize>("size");
    const QByteArray palette = "# a comment\n. 0 0 0\nr 255 0 0  # red\r\nb 0 0 255\n";
    QTest::newRow("two by three, CR LF and comments") << palette + "# pixels\nrb\r\n.r\n\nbb\n" << QSize(2, 3);
    QTest::newRow("no pixels line") << palette + "rb\n" << QSize(0, 0);
    QTest::newRow("no rows") << palette + "# pixels\n" << QSize(0, 0);
    QTest::newRow("ragged rows") << palette + "# pixels\nrb\nr\n" << QSize(0, 0);
    QTest::newRow("colour not in palette") << palette + "# pixels\nrx\n" << QSize(0, 0);
    QTest::newRow("colour out of range") << QByteArray("r 256 0 0\n# pixels\nr\n") << QSize(0, 0);
    QTest::newRow("colour missing a part") << QByteArray("r 255 0\n# pixels\nr\n") << QSize(0, 0);
    QTest::newRow("colour defined twice") << QByteArray("r 1 2 3\nr 1 2 3\n# pixels\nr\n") << QSize(0, 0);
    QTest::newRow("too wide") << palette + "# pixels\n" + QByteArray(1025, 'r') + "\n" << QSize(0, 0);
}

void TestAccessories::pixelText()
{
    QFETCH(QByteArray, text);
    QFETCH(QSize, size);
    QString error;
    const QImage picture = Emblem::fromPixelText(text, &error);
    QCOMPARE(picture.size(), size);
    QCOMPARE(error.isEmpty(), !size.isEmpty());
    if (!size.isEmpty()) {
        QCOMPARE(picture.pixel(0, 0), qRgb(255, 0, 0));
        QCOMPARE(picture.pixel(1, 0), qRgb(0, 0, 255));
        QCOMPARE(qAlpha(picture.pixel(0, 1)), 0);
        QCOMPARE(picture.pixel(1, 2), qRgb(0, 0, 255));
    }
}

void TestAccessories::dialogsOpenCentredEachTime_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::newRow("environment") << QStringLiteral("pagesDlg()");
    QTest::newRow("help") << QStringLiteral("helpForm()");
    QTest::newRow("version") << QStringLiteral("aboutBox()");
}

void TestAccessories::dialogsOpenCentredEachTime()
{
    QFETCH(QString, dialog);
    WindowFixture f;
    QWidget *window = dialog == QLatin1String("pagesDlg()")   ? static_cast<QWidget *>(pagesDlg())
                      : dialog == QLatin1String("helpForm()") ? static_cast<QWidget *>(helpForm())
                                                              : static_cast<QWidget *>(aboutBox());
    const QPoint centre = window->screen()->availableGeometry().center();
    for (const QPoint movedTo : {QPoint(3, 5), QPoint(400, 300)}) {
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QVERIFY2((window->frameGeometry().center() - centre).manhattanLength() <= 1,
                 qPrintable(QStringLiteral("opened at %1, %2").arg(window->x()).arg(window->y())));
        window->move(movedTo);
        window->hide();
    }
}

int main(int argc, char *argv[])
{
    // The clock's texts as on a Japanese desktop, whoever runs the test.
    qputenv("LC_ALL", "ja_JP.UTF-8");
    QApplication app(argc, argv);
    QApplication::setAttribute(Qt::AA_Use96Dpi, true);
    TestAccessories test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_accessories.moc"
