#include "WindowFixture.h"

#include "accessories/Help.h"
#include "accessories/Vertion.h"
#include "accessories/VorzoEdit.h"
#include "desktop/GuardedTextEdit.h"
#include "environment/Environ.h"
#include "environment/VorzoImage.h"
#include "output/PageTab.h"
#include "output/PageTemplates.h"
#include "output/ParameterText.h"
#include "platform/ShiftJis.h"
#include "platform/TextLines.h"
#include "settings/DefaultSettings.h"
#include "settings/Setting.h"
#include "stage/MapView.h"
#include "stage/Palette.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

using Kind = ScriptedDialogs::Kind;

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void startUpState();
    void coloursLookAsTheirStyleSheetsDrawThem_data();
    void coloursLookAsTheirStyleSheetsDrawThem();
    void everyShortcutReachesItsEntry_data();
    void everyShortcutReachesItsEntry();
    void closeAsks_data();
    void closeAsks();
    void paletteChoosesByListAndRadio_data();
    void paletteChoosesByListAndRadio();
    void onlyTheLeftButtonChooses();
    void aListAlwaysShowsTheItemInUse_data();
    void aListAlwaysShowsTheItemInUse();
    void f2InAPaletteListOpensTheEnvironmentDialog();
    void windowOpeners_data();
    void windowOpeners();
    void hintsReachTheStatusBar();
    void f7BuildsThePage();
    void f7JoinsTemplatesAsTheyStand_data();
    void f7JoinsTemplatesAsTheyStand();
    void f7RefusesATemplateTheCodePageCannotHold();
    void stageMenuShowsTheProjectAndTheStageFromItsStart();
    void clipboardDataWithoutFormatsPastesNothing();

private:
    static QString shownText(const char *box) { return WindowFixture::control<QPlainTextEdit>(box)->toPlainText(); }
};

static const QString CloseQuestion = QStringLiteral(
    "保存されていないデータはすべて失われます。\r\nよろしいですか。\r\n");

void TestMainWindow::startUpState()
{
    WindowFixture f;
    const QList<QPair<QWidget *, QString>> windows{
        {mainWindow(), QStringLiteral("ぼるぞクリエイター")},
        {editForm(), QStringLiteral("テキストエディタ")},
        {imageWindow(), QStringLiteral("画像")},
        {settingForm(), QStringLiteral("詳細設定")},
        {pagesDlg(), QStringLiteral("環境設定")},
        {aboutBox(), QStringLiteral("バージョン情報")},
        {helpForm(), QStringLiteral("ぼるぞクリエイター  ヘルプ")},
    };
    for (const auto &[window, caption] : windows) {
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), caption);
        QCOMPARE(window->isVisible(), window == mainWindow());
    }
    QVERIFY(mainWindow()->firstShowDone());

    // Client area 731 x 571 below the menu bar, not resizable.
    QCOMPARE(mainWindow()->width(), 731);
    QCOMPARE(mainWindow()->height() - mainWindow()->menuBar()->height(), 571);
    QCOMPARE(mainWindow()->minimumSize(), mainWindow()->maximumSize());
    QCOMPARE(mainWindow()->statusBar()->height(), 19);
    QCOMPARE(mainWindow()->font().pixelSize(), 12);

    auto *tabs = f.control<QTabWidget>("PageControl1");
    QCOMPARE(tabs->tabPosition(), QTabWidget::South);
    QCOMPARE(tabs->currentIndex(), 0);
    QStringList captions;
    for (int i = 0; i < tabs->count(); ++i)
        captions << tabs->tabText(i);
    QCOMPARE(captions, (QStringList{"メイン編集", "HTML生成", "登録", "時計"}));

    QVERIFY(f.control<QRadioButton>("sel1")->isChecked());
    for (const char *list : {"list1", "list2", "list3"})
        QCOMPARE(f.control<QListWidget>(list)->currentRow(), 0);
    QCOMPARE(f.control<QListWidget>("list1")->count(), 26);
    QCOMPARE(f.control<QListWidget>("list2")->count(), 26);
    QCOMPARE(f.control<QListWidget>("list3")->count(), 14);
    QCOMPARE(f.control<QListWidget>("list1")->visualItemRect(f.control<QListWidget>("list1")->item(1)).height(), 12);
    QCOMPARE(int(mainWindow()->stagePalette().PaletteSelection()), 0);
    QCOMPARE(mainWindow()->stage().map(), StageMap());

    QVERIFY(shownText("mapping").isEmpty());
    QVERIFY(shownText("setting").isEmpty());
    QVERIFY(shownText("final").isEmpty());
    QCOMPARE(TextLines::fromEditText(shownText("before")), defaultHeadTemplate());
    QCOMPARE(TextLines::fromEditText(shownText("after")), defaultTailTemplate());
    QVERIFY(f.control<QPlainTextEdit>("final")->isReadOnly());
    QVERIFY(!f.control<QPlainTextEdit>("before")->isReadOnly());
    QVERIFY(!f.control<QPlainTextEdit>("before")->tabChangesFocus());

    // A second show runs none of the first-show steps again.
    const QPoint placed = mainWindow()->pos();
    mainWindow()->hide();
    mainWindow()->move(placed + QPoint(5, 5));
    mainWindow()->show();
    QCOMPARE(mainWindow()->pos(), placed + QPoint(5, 5));
}

void TestMainWindow::everyShortcutReachesItsEntry_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("entry");
    QTest::newRow("F1") << "F1"
                        << "use1";
    QTest::newRow("F2 outside the lists") << "F2"
                                          << "use2";
    QTest::newRow("F3") << "F3"
                        << "use3";
    QTest::newRow("F4") << "F4"
                        << "use4";
    QTest::newRow("F5") << "F5"
                        << "use5";
    QTest::newRow("F7") << "F7"
                        << "N2";
    QTest::newRow("F9") << "F9"
                        << "T3";
    QTest::newRow("F10") << "F10"
                         << "N13";
    QTest::newRow("Ctrl+F1") << "Ctrl+F1"
                             << "N10";
    QTest::newRow("Ctrl+F2") << "Ctrl+F2"
                             << "SP1";
    QTest::newRow("Ctrl+F3") << "Ctrl+F3"
                             << "N12";
    QTest::newRow("Ctrl+F4") << "Ctrl+F4"
                             << "N14";
}

void TestMainWindow::everyShortcutReachesItsEntry()
{
    QFETCH(QString, keys);
    QFETCH(QString, entry);
    WindowFixture f;
    QAction *action = f.action(qPrintable(entry));
    QVERIFY(action);
    // Modal windows opened by the entry are closed at once.
    f.whenModalOpens([](QWidget *) {});
    QSignalSpy triggered(action, &QAction::triggered);
    f.control<QTabBar>("qt_tabwidget_tabbar")->setFocus();
    const QKeySequence sequence(keys);
    QTest::keySequence(mainWindow(), sequence);
    QCOMPARE(triggered.count(), 1);
}

void TestMainWindow::closeAsks_data()
{
    QTest::addColumn<bool>("answerYes");
    QTest::addColumn<bool>("viaMenu");
    QTest::addColumn<bool>("closes");
    QTest::newRow("はい from 終了") << true << true << true;
    QTest::newRow("キャンセル from 終了") << false << true << false;
    QTest::newRow("はい from the title bar") << true << false << true;
    QTest::newRow("Esc from the title bar") << false << false << false;
}

void TestMainWindow::closeAsks()
{
    QFETCH(bool, answerYes);
    QFETCH(bool, viaMenu);
    QFETCH(bool, closes);
    WindowFixture f;
    f.dialogs.answer(answerYes ? WarningButton::Yes : WarningButton::Cancel); // Esc chooses the last button
    QSignalSpy closed(mainWindow(), &TVorzo::closed);
    if (viaMenu)
        f.action("Exit1")->trigger();
    else
        mainWindow()->close();
    QCOMPARE(f.dialogs.shown().size(), 1);
    QCOMPARE(f.dialogs.shown().at(0).kind, Kind::Warning);
    QCOMPARE(f.dialogs.shown().at(0).text, CloseQuestion);
    QCOMPARE(f.dialogs.shown().at(0).buttons, (QList<WarningButton>{WarningButton::Yes, WarningButton::Cancel}));
    QCOMPARE(closed.count(), closes ? 1 : 0);
    QCOMPARE(mainWindow()->isVisible(), !closes);
}

void TestMainWindow::paletteChoosesByListAndRadio_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("radio");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("codeAbove");
    QTest::newRow("z  すべる床") << "list2" << 25 << "sel2" << 51 << 50;
    QTest::newRow(".  空白") << "list3" << 13 << "sel3" << 99 << 64;
    QTest::newRow("/  一言メッセージ４") << "list3" << 12 << "sel3" << 64 << 63;
    QTest::newRow("E  ピカチー") << "list1" << 4 << "sel1" << 4 << 3;
}

void TestMainWindow::paletteChoosesByListAndRadio()
{
    QFETCH(QString, list);
    QFETCH(int, row);
    QFETCH(QString, radio);
    QFETCH(int, code);
    QFETCH(int, codeAbove);
    WindowFixture f;
    auto *box = f.control<QListWidget>(qPrintable(list));

    // By mouse, with another radio button selected first.
    f.control<QRadioButton>(list == "list1" ? "sel3" : "sel1")->setChecked(true);
    box->scrollToItem(box->item(row));
    QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, box->visualItemRect(box->item(row)).center());
    QVERIFY(f.control<QRadioButton>(qPrintable(radio))->isChecked());
    QCOMPARE(int(mainWindow()->stagePalette().PaletteSelection()), code);

    // By keyboard: one step up chooses the item above.
    f.control<QRadioButton>(list == "list1" ? "sel3" : "sel1")->setChecked(true);
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Up);
    QVERIFY(f.control<QRadioButton>(qPrintable(radio))->isChecked());
    QCOMPARE(int(mainWindow()->stagePalette().PaletteSelection()), codeAbove);
}

void TestMainWindow::onlyTheLeftButtonChooses()
{
    WindowFixture f;
    auto *castleWall = f.control<QListWidget>("list2");
    const QPoint at = castleWall->visualItemRect(castleWall->item(7)).center(); // h  城の壁
    QTest::mouseClick(castleWall->viewport(), Qt::RightButton, {}, at);
    QTest::mouseClick(castleWall->viewport(), Qt::MiddleButton, {}, at);
    QTest::mouseDClick(castleWall->viewport(), Qt::MiddleButton, {}, at);
    QVERIFY(f.control<QRadioButton>("sel1")->isChecked());
    QCOMPARE(castleWall->currentRow(), 0);
    f.action("PopN20")->trigger(); // 全部埋める from the context menu
    StageMap filled;
    filled.fill(0);
    QCOMPARE(mainWindow()->stage().map(), filled);
}

void TestMainWindow::aListAlwaysShowsTheItemInUse_data()
{
    QTest::addColumn<bool>("control");
    QTest::addColumn<bool>("belowTheItems");
    QTest::newRow("Ctrl+click on the chosen item") << true << false;
    QTest::newRow("click below the items") << false << true;
}

void TestMainWindow::aListAlwaysShowsTheItemInUse()
{
    QFETCH(bool, control);
    QFETCH(bool, belowTheItems);
    WindowFixture f;
    auto *decorations = f.control<QListWidget>("list3"); // 14 items, space below them
    f.choose("list3", 2);
    const QPoint at = belowTheItems ? QPoint(10, decorations->viewport()->height() - 2)
                                    : decorations->visualItemRect(decorations->item(2)).center();
    QTest::mouseClick(decorations->viewport(), Qt::LeftButton, control ? Qt::ControlModifier : Qt::NoModifier, at);
    QCOMPARE(decorations->selectedItems().size(), 1);
    QCOMPARE(decorations->row(decorations->selectedItems().at(0)), decorations->currentRow());
    QCOMPARE(int(mainWindow()->stagePalette().PaletteSelection()), 52 + decorations->currentRow());
}

void TestMainWindow::f2InAPaletteListOpensTheEnvironmentDialog()
{
    WindowFixture f;
    // "E  ピカチー" in list1, then sel2 by hand: the list in use is list2.
    auto *list1 = f.control<QListWidget>("list1");
    QTest::mouseClick(list1->viewport(), Qt::LeftButton, {}, list1->visualItemRect(list1->item(4)).center());
    f.control<QRadioButton>("sel2")->click();
    QCOMPARE(int(mainWindow()->stagePalette().PaletteSelection()), 26);

    for (const char *name : {"list1", "list2", "list3"}) {
        auto *list = f.control<QListWidget>(name);
        QApplication::setActiveWindow(mainWindow()); // back from the dialog of the last round
        list->setFocus();
        QWidget *opened = nullptr;
        f.whenModalOpens([&](QWidget *modal) { opened = modal; });
        QSignalSpy recall(f.action("use2"), &QAction::triggered);
        f.press(Qt::Key_F2);
        QTRY_VERIFY(opened);
        QCOMPARE(opened, static_cast<QWidget *>(pagesDlg()));
        QCOMPARE(recall.count(), 0);
    }
}

void TestMainWindow::windowOpeners_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("page");
    QTest::newRow("詳細設定画面を開く (F10)") << "N13"
                                              << "詳細設定" << -1;
    QTest::newRow("palette menu's 詳細設定画面を開く") << "PopO1"
                                                       << "環境設定" << -1;
    QTest::newRow("設定画面を開く") << "O1"
                                    << "環境設定" << -1;
    QTest::newRow("フォルダ・ファイル") << "F1"
                                        << "環境設定" << 0;
    QTest::newRow("テキストエディタ page") << "T2"
                                           << "環境設定" << 1;
    QTest::newRow("使う画像を変更") << "N9"
                                    << "画像" << -1;
    QTest::newRow("ヘルプ") << "Help2"
                            << "ぼるぞクリエイター  ヘルプ" << -1;
    QTest::newRow("バージョン情報") << "About1"
                                    << "バージョン情報" << -1;
}

void TestMainWindow::windowOpeners()
{
    QFETCH(QString, entry);
    QFETCH(QString, caption);
    QFETCH(int, page);
    WindowFixture f;
    // Start the environment dialog on the page the entry does not choose.
    pagesDlg()->selectPage(page == 0 ? 1 : 0);
    QString opened;
    int shownPage = -2;
    bool openAfterReentry = false;
    // The entry reached again while its window runs (a right-click on the
    // menu item whose first press opened it does that) leaves it running.
    QTest::failOnWarning(QRegularExpression(QStringLiteral("Recursive call")));
    f.whenModalOpens([&](QWidget *modal) {
        opened = modal->windowTitle();
        if (auto *pages = modal->findChild<QTabWidget *>(QStringLiteral("PageControl1")))
            shownPage = pages->currentIndex();
        f.action(qPrintable(entry))->trigger();
        openAfterReentry = modal->isVisible() && QApplication::activeModalWidget() == modal;
    });
    f.action(qPrintable(entry))->trigger();
    QCOMPARE(opened, caption);
    QVERIFY(openAfterReentry);
    if (page >= 0)
        QCOMPARE(shownPage, page);
}

void TestMainWindow::hintsReachTheStatusBar()
{
    WindowFixture f;
    QStatusBar *status = mainWindow()->statusBar();
    auto enter = [](QWidget *w) {
        QEnterEvent event(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QApplication::sendEvent(w, &event);
    };
    auto leave = [](QWidget *w) {
        QEvent event(QEvent::Leave);
        QApplication::sendEvent(w, &event);
    };

    enter(f.control<QListWidget>("list2"));
    QCOMPARE(status->currentMessage(), QStringLiteral("ここから選んで左のキャンバスでクリックします"));

    // The list's viewport has no hint of its own: the list's is shown.
    enter(f.control<QListWidget>("list3")->viewport());
    QCOMPARE(status->currentMessage(), QStringLiteral("ここから選んで左のキャンバスでクリックします"));

    enter(f.control<QRadioButton>("sel1"));
    QCOMPARE(status->currentMessage(), QStringLiteral("これの下のリストで選ばれているアイテムを使用します"));

    // Leaving a hinted control for a page without hint clears the bar.
    leave(f.control<QRadioButton>("sel1"));
    QCOMPARE(status->currentMessage(), QString());

    // On the 登録 page anything without a hint shows the page's.
    auto *tabs = f.control<QTabWidget>("PageControl1");
    tabs->setCurrentIndex(2);
    enter(tabs->widget(2));
    QCOMPARE(status->currentMessage(), QStringLiteral("よく使うアイテムを登録できます"));

    // Pointing at the 登録 tab itself.
    QTabBar *bar = tabs->tabBar();
    QHoverEvent hover(QEvent::HoverMove, bar->tabRect(2).center(), bar->tabRect(2).center(), QPointF());
    QApplication::sendEvent(bar, &hover);
    QCOMPARE(status->currentMessage(), QStringLiteral("よく使うアイテムを登録できます"));

    // Back from the 登録 submenu with the Left key, its entry's hint again.
    auto *functions = mainWindow()->findChild<QMenu *>(QStringLiteral("K1"));
    auto *register_ = mainWindow()->findChild<QMenu *>(QStringLiteral("T1"));
    functions->popup(QPoint(0, 0));
    QVERIFY(QTest::qWaitForWindowExposed(functions));
    functions->setActiveAction(register_->menuAction());
    QTest::keyClick(functions, Qt::Key_Right);
    QTRY_VERIFY(register_->isVisible());
    QTest::keyClick(register_, Qt::Key_Left);
    QTRY_VERIFY(!register_->isVisible());
    QTRY_COMPARE(status->currentMessage(), QStringLiteral("登録は下のタブで「登録」ページに移動して行ってください"));
    functions->close();

    // No tooltip ever.
    QHelpEvent tip(QEvent::ToolTip, QPoint(2, 2), f.control<QListWidget>("list2")->mapToGlobal(QPoint(2, 2)));
    QVERIFY(QApplication::sendEvent(f.control<QListWidget>("list2"), &tip));
}

void TestMainWindow::f7BuildsThePage()
{
    WindowFixture f;
    mainWindow()->stage().map().set(60, 0, 36);
    f.press(Qt::Key_F7);
    QCOMPARE(f.control<QTabWidget>("PageControl1")->currentIndex(), 1);

    const QByteArray map = MakeMapHTML(mainWindow()->stage().map());
    QCOMPARE(mainWindow()->MakeMapHTML(), map);
    const QByteArray settings = MakeSettingsHTML(defaultSettings());
    const QByteArray page = defaultHeadTemplate() + map + settings + defaultTailTemplate();
    QCOMPARE(mainWindow()->stage().finishedPage(), page);
    QCOMPARE(TextLines::fromEditText(shownText("final")), page);
    QCOMPARE(TextLines::fromEditText(shownText("mapping")), map);
    QCOMPARE(TextLines::fromEditText(shownText("setting")), settings);
    QVERIFY(page.contains("\r\n\r\n<PARAM NAME=\"map0-0\"  VALUE=\""));
    QVERIFY(page.contains("<PARAM NAME=\"map2-29\" VALUE=\"" + QByteArray(60, '.')
                          + "\">\r\n<PARAM NAME=\"time_max\" VALUE=\"0\">"));
    QVERIFY(page.contains("<PARAM NAME=\"game_speed\" VALUE=\"70\">\r\n\r\n</APPLET>"));
    QVERIFY(page.contains("<PARAM NAME=\"map1-0\"  VALUE=\"k"));

    // A later edit shows only after the next refresh.
    mainWindow()->stage().map().clear();
    QCOMPARE(mainWindow()->stage().finishedPage(), page);
    f.action("N2")->trigger();
    QVERIFY(!mainWindow()->stage().finishedPage().contains("VALUE=\"k"));
}

void TestMainWindow::f7JoinsTemplatesAsTheyStand_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QByteArray>("head");
    QTest::addColumn<QByteArray>("tail");
    QTest::newRow("both emptied") << QString() << QString() << QByteArray() << QByteArray();
    QTest::newRow("head without its last line end") << QStringLiteral("<APPLET>") << QStringLiteral("\n</APPLET>")
                                                    << QByteArray("<APPLET>") << QByteArray("\r\n</APPLET>");
    QTest::newRow("tabs and japanese") << QStringLiteral("\t<B>ぼるぞ</B>\n") << QStringLiteral("終")
                                       << ShiftJis::encode(QStringLiteral("\t<B>ぼるぞ</B>\r\n"))
                                       << ShiftJis::encode(QStringLiteral("終"));
}

void TestMainWindow::f7JoinsTemplatesAsTheyStand()
{
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(QByteArray, head);
    QFETCH(QByteArray, tail);
    WindowFixture f;
    f.control<QPlainTextEdit>("before")->setPlainText(before);
    f.control<QPlainTextEdit>("after")->setPlainText(after);
    f.press(Qt::Key_F7);
    QCOMPARE(mainWindow()->stage().finishedPage(),
             head + MakeMapHTML(StageMap()) + MakeSettingsHTML(defaultSettings()) + tail);
}

void TestMainWindow::f7RefusesATemplateTheCodePageCannotHold()
{
    WindowFixture f;
    f.press(Qt::Key_F7);
    const QByteArray page = mainWindow()->stage().finishedPage();
    const QString mapping = shownText("mapping");
    const QString shown = shownText("final");
    f.control<QTabWidget>("PageControl1")->setCurrentIndex(0);

    mainWindow()->stage().map().fill(3);
    f.control<QPlainTextEdit>("after")->appendPlainText(QStringLiteral("価格は€です"));
    f.press(Qt::Key_F7);

    QCOMPARE(f.dialogs.texts(Kind::Error),
             QStringList{QStringLiteral("後につくデータの文字「€」(U+20AC) はシフトJISで表せないため使えません.")});
    QCOMPARE(mainWindow()->stage().finishedPage(), page);
    QCOMPARE(shownText("final"), shown);
    QCOMPARE(shownText("mapping"), mapping);
    QCOMPARE(f.control<QTabWidget>("PageControl1")->currentIndex(), 0);
}

void TestMainWindow::stageMenuShowsTheProjectAndTheStageFromItsStart()
{
    WindowFixture f;
    QTemporaryDir dir;
    f.dialogs.pick(dir.filePath("castle.kwt"));
    f.action("SaveAs1")->trigger();
    QCOMPARE(f.control<QLineEdit>("Project")->text(), dir.filePath("castle"));

    mainWindow()->mapView().SetViewOrigin(50, 10);
    f.dialogs.pick(dir.filePath("castle.kwt"));
    f.action("Open1")->trigger();
    QCOMPARE(mainWindow()->mapView().origin(), (ViewOrigin{0, 0}));
    QCOMPARE(f.control<QLabel>("x0")->text(), QStringLiteral("0"));
    QVERIFY(f.dialogs.texts(Kind::Error).isEmpty());
}

// Their colours were style sheets; palettes draw the same pixels at a
// fraction of the start's cost.
void TestMainWindow::coloursLookAsTheirStyleSheetsDrawThem_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("sheet");
    const QString column = QStringLiteral(
        "QLabel { background: red; color: blue; font-weight: bold; font-size: %1px; }");
    const QString row = QStringLiteral("QLabel { background: blue; color: red; font-weight: bold; font-size: %1px; }");
    QTest::newRow("x0") << "x0" << column.arg(14);
    QTest::newRow("x8, the wider one") << "x8" << column.arg(14);
    QTest::newRow("y9") << "y9" << row.arg(14);
    QTest::newRow("AxisX") << "AxisX" << column.arg(12);
    QTest::newRow("AxisY") << "AxisY" << row.arg(12);
    QTest::newRow("the mini-map") << "allmap"
                                  << "QLabel#allmap { background: yellow; }";
    QTest::newRow("its marker") << "mappos"
                                << "QFrame#mappos { background: red; border: 1px solid red; }";
    QTest::newRow("the first list") << "list1"
                                    << "QListWidget { background: white; }";
    QTest::newRow("the finished page's caption") << "FinalCaption"
                                                 << "background: lime;";
}

void TestMainWindow::coloursLookAsTheirStyleSheetsDrawThem()
{
    QFETCH(QString, name);
    QFETCH(QString, sheet);
    WindowFixture f;
    mainWindow()->mapView().SetViewOrigin(127, 13);
    f.control<QTabWidget>("PageControl1")->setCurrentIndex(name == "FinalCaption" ? TVorzo::HtmlPage : 0);
    auto *widget = f.control<QWidget>(qPrintable(name));
    if (auto *list = qobject_cast<QListWidget *>(widget)) {
        // Its frame shows focus, and its items a choice.
        mainWindow()->activateWindow();
        list->setFocus();
        list->setCurrentRow(3);
    }
    QApplication::processEvents();
    const QImage drawn = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    widget->setStyleSheet(sheet);
    QApplication::processEvents();
    QCOMPARE(drawn, widget->grab().toImage().convertToFormat(QImage::Format_RGB32));
}

void TestMainWindow::clipboardDataWithoutFormatsPastesNothing()
{
    // What the clipboard holds when the program that filled it has quit.
    WindowFixture f;
    f.control<QTabWidget>("PageControl1")->setCurrentIndex(TVorzo::HtmlPage);
    QApplication::clipboard()->setMimeData(new QMimeData);
    if (QApplication::clipboard()->supportsSelection())
        QApplication::clipboard()->setMimeData(new QMimeData, QClipboard::Selection);
    for (const char *name : {"before", "mapping", "setting", "after", "final"}) {
        auto *box = f.control<QPlainTextEdit>(name);
        const QString before = box->toPlainText();
        box->setFocus();
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
        QTest::mouseClick(box->viewport(), Qt::MiddleButton, {}, QPoint(5, 5));
        static_cast<GuardedPlainTextEdit *>(box)->paste();
        QCOMPARE(box->toPlainText(), before);
    }
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
