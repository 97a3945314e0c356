// Usable without a mouse and with a screen reader: every control a user can
// reach names itself, the canvas is a keyboard control that paints through
// the same placement as the mouse.

#include "WindowFixture.h"

#include "accessories/Help.h"
#include "accessories/Vertion.h"
#include "accessories/VorzoEdit.h"
#include "environment/Environ.h"
#include "environment/VorzoImage.h"
#include "settings/Setting.h"
#include "stage/MapCanvas.h"
#include "stage/MapView.h"
#include "stage/Stage.h"

#include <QAccessible>
#include <QApplication>
#include <QTest>

class TestAccessibility : public QObject
{
    Q_OBJECT
private slots:
    void everyReachableControlHasAName();
    void theCanvasComesAfterTheMoveButtons();
    void theKeyboardPaintsAsTheMouse();

private:
    static MapCanvas *canvas() { return WindowFixture::control<MapCanvas>("maincan"); }
};

void TestAccessibility::everyReachableControlHasAName()
{
    WindowFixture f;
    const QList<QWidget *> windows{mainWindow(), editForm(), imageWindow(), settingForm(),
                                   pagesDlg(),   aboutBox(), helpForm()};
    QStringList faults;
    for (QWidget *window : windows) {
        QMap<QString, QString> names; // name -> object name
        for (QWidget *control : window->findChildren<QWidget *>()) {
            // Controls of every page count, not only of the page shown.
            if (control->focusPolicy() == Qt::NoFocus || control->window() != window || control->isHidden())
                continue;
            QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
            const QString name = accessible ? accessible->text(QAccessible::Name) : QString();
            const QString who = window->objectName() + QLatin1Char('/') + control->objectName() + QLatin1Char(' ')
                                + QString::fromLatin1(control->metaObject()->className());
            if (name.trimmed().isEmpty())
                faults << who + QStringLiteral(": no name");
            else if (names.contains(name))
                faults << who + QStringLiteral(": the name \"%1\" of %2 too").arg(name, names.value(name));
            else
                names.insert(name, control->objectName());
        }
    }
    for (const QString &fault : faults)
        qWarning("%s", qPrintable(fault));
    QVERIFY2(faults.isEmpty(), "controls without a name of their own (above)");
}

void TestAccessibility::theCanvasComesAfterTheMoveButtons()
{
    WindowFixture f;
    QWidget *main = mainWindow();
    QStringList chain;
    for (QWidget *next = main->nextInFocusChain(); next != main; next = next->nextInFocusChain()) {
        if (next->focusPolicy() & Qt::TabFocus)
            chain << next->objectName();
    }
    const qsizetype at = chain.indexOf(QStringLiteral("maincan"));
    QVERIFY2(at > 0, qPrintable(chain.join(QLatin1Char(' '))));
    QCOMPARE(chain.mid(at - 1, 3), (QStringList{"sita10", "maincan", "sel1"}));
}

void TestAccessibility::theKeyboardPaintsAsTheMouse()
{
    // Three clicks in a row with the mouse, the same with arrows and Space.
    StageMap clicked;
    {
        WindowFixture f;
        f.choose("list2", 0); // a  レンガ
        for (int column = 0; column < 3; ++column)
            QTest::mouseClick(canvas(), Qt::LeftButton, {}, QPoint(column * 32 + 16, 5 * 32 + 16));
        clicked = mainWindow()->stage().map();
    }
    WindowFixture f;
    f.choose("list2", 0);
    canvas()->setFocus(Qt::TabFocusReason);
    for (int row = 0; row < 5; ++row)
        QTest::keyClick(canvas(), Qt::Key_Down);
    QTest::keyClick(canvas(), Qt::Key_Space);
    QTest::keyClick(canvas(), Qt::Key_Right);
    QTest::keyClick(canvas(), Qt::Key_Return);
    QTest::keyClick(canvas(), Qt::Key_Right);
    QTest::keyClick(canvas(), Qt::Key_Space);
    QCOMPARE(mainWindow()->stage().map(), clicked);
    QCOMPARE(canvas()->accessibleName(), QStringLiteral("キャンバス 2, 5: レンガ"));

    QTest::keyClick(canvas(), Qt::Key_Delete);
    QCOMPARE(int(mainWindow()->stage().map().at(2, 5)), int(EmptyCell));
    QCOMPARE(canvas()->accessibleName(), QStringLiteral("キャンバス 2, 5: 空白"));

    // Past the view's edge the view scrolls by one cell, as 右に1 would.
    for (int column = 2; column < 10; ++column)
        QTest::keyClick(canvas(), Qt::Key_Right);
    QCOMPARE(mainWindow()->mapView().origin(), (ViewOrigin{1, 0}));
    QCOMPARE(canvas()->cursorCell(), QPoint(9, 5));
    QCOMPARE(canvas()->accessibleName(), QStringLiteral("キャンバス 10, 5: 空白"));
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
