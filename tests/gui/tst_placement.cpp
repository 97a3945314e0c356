#include "TestFiles.h"
#include "WindowFixture.h"

#include "environment/VorzoImage.h"
#include "stage/MapCanvas.h"
#include "stage/MapView.h"
#include "stage/Palette.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

using Kind = ScriptedDialogs::Kind;

class TestPlacement : public QObject
{
    Q_OBJECT
private slots:
    void moveButtonsClampAndRenumber_data();
    void moveButtonsClampAndRenumber();
    void clickPlacesInTheViewedCell_data();
    void clickPlacesInTheViewedCell();
    void leftDragPlacesWhereEventsLand();
    void dragWithAModifierPlacesOnlyOnRelease();
    void rightDragEmptiesButARightClickDoesNot();
    void otherPointerStatesWriteNothing_data();
    void otherPointerStatesWriteNothing();
    void bulkEdits_data();
    void bulkEdits();
    void coordinateInput_data();
    void coordinateInput();
    void aPictureThatIsNotABitmapStillWritesTheCell();
    void aPictureOpenedInTheImageWindow();

private:
    static MapCanvas *canvas() { return WindowFixture::control<MapCanvas>("maincan"); }
    static void mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held,
                      Qt::KeyboardModifiers keys = Qt::NoModifier)
    {
        QMouseEvent event(type, at, canvas()->mapToGlobal(at), button, held, keys);
        QApplication::sendEvent(canvas(), &event);
    }
    static QStringList labels(char axis)
    {
        QStringList texts;
        for (int i = 0; i < 10; ++i)
            texts << WindowFixture::control<QLabel>(qPrintable(QStringLiteral("%1%2").arg(axis).arg(i)))->text();
        return texts;
    }
};

static QStringList numbers(int first)
{
    QStringList texts;
    for (int i = 0; i < 10; ++i)
        texts << QString::number(first + i);
    return texts;
}

void TestPlacement::moveButtonsClampAndRenumber_data()
{
    QTest::addColumn<QPoint>("from");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QPoint>("to");
    QTest::newRow("↑に1 at the top") << QPoint(0, 0) << "ue1" << QPoint(0, 0);
    QTest::newRow("←に10 at the left") << QPoint(0, 0) << "hidari10" << QPoint(0, 0);
    QTest::newRow("→に10 from 165") << QPoint(165, 3) << "migi10" << QPoint(170, 3);
    QTest::newRow("↓に10 from 15") << QPoint(7, 15) << "sita10" << QPoint(7, 20);
    QTest::newRow("→に1") << QPoint(10, 10) << "migi1" << QPoint(11, 10);
    QTest::newRow("←に1") << QPoint(10, 10) << "hidari1" << QPoint(9, 10);
    QTest::newRow("↑に10 past the top") << QPoint(10, 4) << "ue10" << QPoint(10, 0);
    QTest::newRow("↓に1 at the bottom") << QPoint(10, 20) << "sita1" << QPoint(10, 20);
    QTest::newRow("(0,0)へ移動") << QPoint(123, 17) << "reset" << QPoint(0, 0);
}

void TestPlacement::moveButtonsClampAndRenumber()
{
    QFETCH(QPoint, from);
    QFETCH(QString, button);
    QFETCH(QPoint, to);
    WindowFixture f;
    mainWindow()->mapView().SetViewOrigin(from.x(), from.y());
    canvas()->picture().fill(Qt::black); // a redraw shows as cyan again

    f.control<QPushButton>(qPrintable(button))->click();

    QCOMPARE(mainWindow()->mapView().origin(), (ViewOrigin{to.x(), to.y()}));
    QCOMPARE(labels('x'), numbers(to.x()));
    QCOMPARE(labels('y'), numbers(to.y()));
    QCOMPARE(f.control<QWidget>("mappos")->pos(), QPoint(to.x() * 2, to.y() * 3));
    QCOMPARE(canvas()->picture().pixel(5, 5), qRgb(0, 255, 255));
}

void TestPlacement::clickPlacesInTheViewedCell_data()
{
    QTest::addColumn<QPoint>("origin");
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<QPoint>("cell");
    QTest::newRow("(319, 0) at the last view") << QPoint(170, 20) << QPoint(319, 0) << QPoint(179, 20);
    QTest::newRow("(32, 31) is offset (1, 0)") << QPoint(0, 0) << QPoint(32, 31) << QPoint(1, 0);
    QTest::newRow("(0, 319)") << QPoint(40, 5) << QPoint(0, 319) << QPoint(40, 14);
}

void TestPlacement::clickPlacesInTheViewedCell()
{
    QFETCH(QPoint, origin);
    QFETCH(QPoint, pixel);
    QFETCH(QPoint, cell);
    WindowFixture f;
    WindowFixture::choose("list2", 10); // "k  コイン", 36
    mainWindow()->mapView().SetViewOrigin(origin.x(), origin.y());
    QTest::mouseClick(canvas(), Qt::LeftButton, {}, pixel);
    StageMap expected;
    expected.set(cell.x(), cell.y(), 36);
    QCOMPARE(mainWindow()->stage().map(), expected);
    // The tile shows: its square's top-left pixel, away from the grid lines.
    const QPoint drawn(pixel.x() / 32 * 32 + 16, pixel.y() / 32 * 32 + 16);
    QCOMPARE(canvas()->picture().pixel(drawn),
             workspace().pattern().pattern().image().pixel(QPoint(192, 96) + QPoint(16, 16)));
}

void TestPlacement::leftDragPlacesWhereEventsLand()
{
    WindowFixture f;
    WindowFixture::choose("list1", 4); // "E  ピカチー"
    mouse(QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton, Qt::LeftButton);
    mouse(QEvent::MouseMove, {40, 5}, Qt::NoButton, Qt::LeftButton);
    mouse(QEvent::MouseMove, {140, 5}, Qt::NoButton, Qt::LeftButton); // jumps over cells 2 and 3
    mouse(QEvent::MouseMove, {400, 5}, Qt::NoButton, Qt::LeftButton); // outside: nothing
    mouse(QEvent::MouseMove, {200, 300}, Qt::NoButton, Qt::LeftButton);
    StageMap expected;
    expected.set(1, 0, 4);
    expected.set(4, 0, 4);
    expected.set(6, 9, 4);
    QCOMPARE(mainWindow()->stage().map(), expected);
    mouse(QEvent::MouseButtonRelease, {200, 300}, Qt::LeftButton, Qt::NoButton);
    QCOMPARE(mainWindow()->stage().map(), expected); // the release places once more, in the same cell
    mouse(QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton, Qt::LeftButton);
    mouse(QEvent::MouseButtonRelease, {400, 5}, Qt::LeftButton, Qt::NoButton); // released outside: no click
    QCOMPARE(mainWindow()->stage().map(), expected);
}

void TestPlacement::dragWithAModifierPlacesOnlyOnRelease()
{
    WindowFixture f;
    mouse(QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton, Qt::LeftButton, Qt::ShiftModifier);
    mouse(QEvent::MouseMove, {40, 40}, Qt::NoButton, Qt::LeftButton, Qt::ShiftModifier);
    mouse(QEvent::MouseMove, {80, 80}, Qt::NoButton, Qt::LeftButton, Qt::ShiftModifier);
    QCOMPARE(mainWindow()->stage().map(), StageMap());
    mouse(QEvent::MouseButtonRelease, {80, 80}, Qt::LeftButton, Qt::NoButton, Qt::ShiftModifier);
    StageMap expected;
    expected.set(2, 2, 0);
    QCOMPARE(mainWindow()->stage().map(), expected);
}

void TestPlacement::rightDragEmptiesButARightClickDoesNot()
{
    WindowFixture f;
    mainWindow()->stage().map().fillRow(0, 1);
    const StageMap before = mainWindow()->stage().map();
    mouse(QEvent::MouseButtonPress, {5, 5}, Qt::RightButton, Qt::RightButton);
    mouse(QEvent::MouseButtonRelease, {5, 5}, Qt::RightButton, Qt::NoButton);
    QCOMPARE(mainWindow()->stage().map(), before);

    mouse(QEvent::MouseButtonPress, {5, 5}, Qt::RightButton, Qt::RightButton);
    mouse(QEvent::MouseMove, {6, 5}, Qt::NoButton, Qt::RightButton);
    mouse(QEvent::MouseMove, {100, 5}, Qt::NoButton, Qt::RightButton);
    mouse(QEvent::MouseButtonRelease, {100, 5}, Qt::RightButton, Qt::NoButton);
    StageMap expected = before;
    expected.set(0, 0, EmptyCell);
    expected.set(3, 0, EmptyCell);
    QCOMPARE(mainWindow()->stage().map(), expected);
}

void TestPlacement::otherPointerStatesWriteNothing_data()
{
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("keys");
    QTest::newRow("no button") << int(Qt::NoButton) << int(Qt::NoModifier);
    QTest::newRow("both buttons") << int(Qt::LeftButton | Qt::RightButton) << int(Qt::NoModifier);
    QTest::newRow("middle") << int(Qt::MiddleButton) << int(Qt::NoModifier);
    QTest::newRow("left and middle") << int(Qt::LeftButton | Qt::MiddleButton) << int(Qt::NoModifier);
    QTest::newRow("right with Ctrl") << int(Qt::RightButton) << int(Qt::ControlModifier);
    QTest::newRow("left with Alt") << int(Qt::LeftButton) << int(Qt::AltModifier);
}

void TestPlacement::otherPointerStatesWriteNothing()
{
    QFETCH(int, buttons);
    QFETCH(int, keys);
    WindowFixture f;
    mainWindow()->stage().map().fill(7);
    mouse(QEvent::MouseMove, {50, 50}, Qt::NoButton, Qt::MouseButtons(buttons), Qt::KeyboardModifiers(keys));
    StageMap expected;
    expected.fill(7);
    QCOMPARE(mainWindow()->stage().map(), expected);
}

void TestPlacement::bulkEdits_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("cells"); // "all", "column N", "row N"
    QTest::newRow("fill all") << "N20"
                              << ""
                              << "all";
    QTest::newRow("fill all, palette menu") << "PopN20"
                                            << ""
                                            << "all";
    QTest::newRow("bottom row") << "Y291"
                                << ""
                                << "row 29";
    QTest::newRow("bottom row, palette menu") << "PopY291"
                                              << ""
                                              << "row 29";
    QTest::newRow("column 179") << "X11"
                                << "179"
                                << "column 179";
    QTest::newRow("column with blanks and sign") << "PopX11"
                                                 << " +5 "
                                                 << "column 5";
    QTest::newRow("row 29 as the bottom row") << "Y11"
                                              << "29"
                                              << "row 29";
    QTest::newRow("row 0, palette menu") << "PopY11"
                                         << "0"
                                         << "row 0";
}

void TestPlacement::bulkEdits()
{
    QFETCH(QString, entry);
    QFETCH(QString, typed);
    QFETCH(QString, cells);
    WindowFixture f;
    WindowFixture::choose("list2", 0); // "a  レンガ", 26
    mainWindow()->stage().map().set(3, 3, 60);
    if (!typed.isEmpty())
        f.dialogs.type(typed);
    f.action(qPrintable(entry))->trigger();

    StageMap expected;
    expected.set(3, 3, 60);
    const int n = cells.section(' ', 1).toInt();
    if (cells == "all")
        expected.fill(26);
    else if (cells.startsWith("column"))
        expected.fillColumn(n, 26);
    else
        expected.fillRow(n, 26);
    QCOMPARE(mainWindow()->stage().map(), expected);
    QVERIFY(f.dialogs.texts(Kind::Message).isEmpty());
}

void TestPlacement::coordinateInput_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<std::optional<QString>>("typed");
    QTest::addColumn<bool>("complains");
    QTest::newRow("180") << "X11" << std::optional<QString>("180") << true;
    QTest::newRow("-1") << "X11" << std::optional<QString>("-1") << true;
    QTest::newRow("abc") << "X11" << std::optional<QString>("abc") << true;
    QTest::newRow("hexadecimal") << "X11" << std::optional<QString>("$10") << true;
    QTest::newRow("decimal point") << "Y11" << std::optional<QString>("1.5") << true;
    QTest::newRow("row 30") << "Y11" << std::optional<QString>("30") << true;
    QTest::newRow("huge") << "Y11" << std::optional<QString>("99999999999") << true;
    QTest::newRow("empty field") << "X11" << std::optional<QString>("") << false;
    QTest::newRow("キャンセル") << "Y11" << std::optional<QString>() << false;
}

void TestPlacement::coordinateInput()
{
    QFETCH(QString, entry);
    QFETCH(std::optional<QString>, typed);
    QFETCH(bool, complains);
    WindowFixture f;
    f.dialogs.type(typed);
    f.action(qPrintable(entry))->trigger();
    QCOMPARE(mainWindow()->stage().map(), StageMap());
    QCOMPARE(f.dialogs.texts(Kind::Message), complains ? QStringList{"入力値が不正です"} : QStringList{});

    const ScriptedDialogs::Shown &box = f.dialogs.shown().at(0);
    QCOMPARE(box.kind, Kind::Input);
    if (entry == "X11") {
        QCOMPARE(box.caption, QStringLiteral("X座標の指定"));
        QCOMPARE(box.text, QStringLiteral("X座標を入力してください(0～179)"));
    } else {
        QCOMPARE(box.caption, QStringLiteral("Y座標の指定"));
        QCOMPARE(box.text, QStringLiteral("Y座標を入力してください(0～29)"));
    }
}

void TestPlacement::aPictureThatIsNotABitmapStillWritesTheCell()
{
    WindowFixture f;
    QImage icon(32, 32, QImage::Format_RGB32);
    icon.fill(Qt::black);
    workspace().pattern().setPattern(PatternImage(icon, PatternImage::Kind::Icon));
    QTest::mouseClick(canvas(), Qt::LeftButton, {}, {5, 5});
    QCOMPARE(mainWindow()->stage().map().at(0, 0), CellCode(0));
    QCOMPARE(f.dialogs.texts(Kind::Error), QStringList{"ビットマップを持っている時のみイメージの変更が可能です."});
    QCOMPARE(canvas()->picture().pixel(32, 5), qRgb(0, 255, 255)); // no grid either
}

void TestPlacement::aPictureOpenedInTheImageWindow()
{
    WindowFixture f;
    QTemporaryDir dir;
    auto *openpic = imageWindow()->findChild<QPushButton *>(QStringLiteral("openpic"));
    const QImage builtIn = workspace().pattern().pattern().image();
    QImage recoloured = builtIn;
    recoloured.invertPixels();
    const QString bitmap = dir.filePath(QStringLiteral("recoloured.BMP"));
    QVERIFY(recoloured.save(bitmap, "BMP"));
    QVERIFY(TestFiles::put(dir.filePath(QStringLiteral("broken.bmp")), "BM not a bitmap"));
    QImage icon(32, 32, QImage::Format_ARGB32);
    icon.fill(Qt::red);
    QVERIFY(icon.save(dir.filePath(QStringLiteral("emblem.ico")), "ICO"));

    QTest::mouseClick(canvas(), Qt::LeftButton, {}, {5, 5}); // "A" at (0, 0)
    const QRgb builtInPixel = canvas()->picture().pixel(10, 10);

    f.dialogs.pick(std::nullopt);
    openpic->click();
    QCOMPARE(workspace().pattern().pattern().image(), builtIn);
    QCOMPARE(workspace().pattern().picdialog.fileName, QStringLiteral("zuzodovi.bmp")); // as the environment set it

    f.dialogs.pick(bitmap);
    openpic->click();
    QCOMPARE(workspace().pattern().pattern().image(), recoloured.convertToFormat(QImage::Format_RGB32));
    QCOMPARE(f.dialogs.fileDialogs.last().title, QStringLiteral("使用する画像を変更する"));
    QCOMPARE(f.dialogs.fileDialogs.last().filter, QStringLiteral("ビットマップ (*.bmp)"));
    QVERIFY(f.dialogs.fileDialogs.last().preview);
    QCOMPARE(canvas()->picture().pixel(10, 10), builtInPixel); // until the next redraw
    QTest::mouseClick(canvas(), Qt::LeftButton, {}, {40, 40});
    QCOMPARE(canvas()->picture().pixel(10, 10), recoloured.pixel(10, 10));

    f.dialogs.pick(dir.filePath(QStringLiteral("broken.bmp")));
    openpic->click();
    QCOMPARE(f.dialogs.texts(Kind::Error), QStringList{"ビットマップイメージが不正です."});
    QCOMPARE(workspace().pattern().pattern().image(), recoloured.convertToFormat(QImage::Format_RGB32));

    // An icon shows in the window, but the canvas has no tiles to draw.
    f.dialogs.forget();
    f.dialogs.pick(dir.filePath(QStringLiteral("emblem.ico")));
    openpic->click();
    QCOMPARE(workspace().pattern().pattern().kind(), PatternImage::Kind::Icon);
    QTest::mouseClick(canvas(), Qt::LeftButton, {}, {70, 70});
    QCOMPARE(f.dialogs.texts(Kind::Error), QStringList{"ビットマップを持っている時のみイメージの変更が可能です."});
    QCOMPARE(canvas()->picture().pixel(10, 10), qRgb(0, 255, 255));
    QCOMPARE(mainWindow()->stage().map().at(2, 2), CellCode(0));
}

QTEST_MAIN(TestPlacement)
#include "tst_placement.moc"
