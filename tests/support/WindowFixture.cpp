#include "WindowFixture.h"

#include "app/Windows.h"
#include "desktop/Desktop.h"
#include "platform/ProgramFolder.h"

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QDir>
#include <QTest>
#include <QTimer>

WindowFixture::WindowFixture(bool show)
{
    // The program runs from its program folder, where it finds Setting.cfg.
    QDir::setCurrent(QStringLiteral(VORZO_DIST_DIR));
    static bool installed = false;
    if (!installed) {
        Desktop::install(*qApp);
        installed = true;
    }
    ProgramFolder::setOverride(m_programFolder.path());
    createWindows(stage);
    if (show)
        this->show();
}

void WindowFixture::show()
{
    Vorzo->show();
    QApplication::setActiveWindow(Vorzo);
    if (!QTest::qWaitForWindowExposed(Vorzo))
        qWarning("the main window was not exposed");
}

QString WindowFixture::programFolder() const
{
    return ProgramFolder::path();
}

WindowFixture::~WindowFixture()
{
    m_modalWatch.reset();
    destroyWindows();
    ProgramFolder::setOverride(QString());
}

QAction *WindowFixture::action(const char *name)
{
    return Vorzo->findChild<QAction *>(QString::fromLatin1(name));
}

void WindowFixture::choose(const char *list, int row)
{
    auto *box = control<QListWidget>(list);
    box->scrollToItem(box->item(row));
    QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, box->visualItemRect(box->item(row)).center());
}

void WindowFixture::press(int key, Qt::KeyboardModifiers modifiers)
{
    QWidget *target = QApplication::focusWidget();
    if (!target)
        target = QApplication::activeWindow() ? QApplication::activeWindow() : Vorzo;
    QTest::keyClick(target, Qt::Key(key), modifiers);
}

void WindowFixture::whenModalOpens(std::function<void(QWidget *)> during)
{
    m_modalWatch = std::make_unique<QTimer>();
    QTimer *poll = m_modalWatch.get();
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, during] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        poll->stop();
        during(modal);
        modal->close();
    });
    poll->start();
}
