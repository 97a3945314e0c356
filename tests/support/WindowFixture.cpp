#include "WindowFixture.h"

#include "desktop/Desktop.h"
#include "platform/ProgramFolder.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QTest>
#include <QTimer>

namespace {
WindowFixture *running = nullptr;
} // namespace

WindowFixture &WindowFixture::current()
{
    Q_ASSERT(running);
    return *running;
}

WindowFixture::WindowFixture(bool show, const QString &startFolder)
{
    running = this;
    // The program normally runs from its program folder.
    QDir::setCurrent(startFolder);
    static bool installed = false;
    if (!installed) {
        Desktop::install(*qApp);
        installed = true;
    }
    ProgramFolder::setOverride(m_programFolder.path());
    m_workspace = std::make_unique<Workspace>();
    m_windows = std::make_unique<Windows>(*m_workspace);
    if (show)
        this->show();
}

void WindowFixture::show()
{
    mainWindow()->show();
    QApplication::setActiveWindow(mainWindow());
    if (!QTest::qWaitForWindowExposed(mainWindow()))
        qWarning("the main window was not exposed");
}

QString WindowFixture::programFolder() const
{
    return ProgramFolder::path();
}

WindowFixture::~WindowFixture()
{
    m_modalWatch.reset();
    m_windows.reset();
    m_workspace.reset();
    ProgramFolder::setOverride(QString());
    running = nullptr;
}

QAction *WindowFixture::action(const char *name)
{
    return mainWindow()->findChild<QAction *>(QString::fromLatin1(name));
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
        target = QApplication::activeWindow() ? QApplication::activeWindow() : mainWindow();
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
