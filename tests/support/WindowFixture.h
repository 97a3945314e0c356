#pragma once
// The program's windows as the start sequence makes them, over a workspace
// of their own, with scripted dialogs and a recording shell, for one test
// function.

#include "RecordingShell.h"
#include "ScriptedDialogs.h"

#include "app/Windows.h"
#include "app/Workspace.h"

#include <QString>
#include <QTemporaryDir>
#include <QTimer>

#include <functional>
#include <memory>

class QAction;
class QWidget;

class WindowFixture
{
public:
    // Creates the workspace and the seven windows, the program folder an
    // empty one of the fixture's own, the current folder `startFolder` (where
    // the program finds Setting.cfg); shows the main window when `show` is
    // set.
    explicit WindowFixture(bool show = true, const QString &startFolder = QStringLiteral(VORZO_DIST_DIR));
    ~WindowFixture();

    // Shows the main window (its first show runs then).
    void show();

    // The program folder the windows see, ending in the separator.
    QString programFolder() const;

    ScriptedDialogs dialogs;
    RecordingShell shell;

    Workspace &workspace() { return *m_workspace; }
    const Windows &windows() const { return *m_windows; }

    // The fixture of the running test function.
    static WindowFixture &current();

    static QAction *action(const char *name);
    template <typename T> static T *control(const char *name);

    // Clicks item `row` of a palette list, scrolled into view, as a person would.
    static void choose(const char *list, int row);

    // Presses a key as a person would: through the focused window, so that
    // shortcuts resolve as they do for the user.
    static void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

    // Runs `during` as soon as the next modal window has opened, then closes
    // it. Waiting ends with the fixture.
    void whenModalOpens(std::function<void(QWidget *)> during);

private:
    QTemporaryDir m_programFolder;
    std::unique_ptr<Workspace> m_workspace;
    std::unique_ptr<Windows> m_windows;
    std::unique_ptr<QTimer> m_modalWatch;
};

#include "accessories/Help.h"
#include "accessories/Vertion.h"
#include "accessories/VorzoEdit.h"
#include "app/VorzoDazoradMain.h"
#include "environment/Environ.h"
#include "environment/VorzoImage.h"
#include "settings/Setting.h"

// The running fixture's workspace and windows.
inline Workspace &workspace()
{
    return WindowFixture::current().workspace();
}
inline TVorzo *mainWindow()
{
    return &WindowFixture::current().windows().main();
}
inline TEditForm *editForm()
{
    return &WindowFixture::current().windows().editor();
}
inline Timgform *imageWindow()
{
    return &WindowFixture::current().windows().image();
}
inline TSettingForm *settingForm()
{
    return &WindowFixture::current().windows().settings();
}
inline TPagesDlg *pagesDlg()
{
    return &WindowFixture::current().windows().environment();
}
inline TAboutBox *aboutBox()
{
    return &WindowFixture::current().windows().about();
}
inline THelpForm *helpForm()
{
    return &WindowFixture::current().windows().help();
}

template <typename T> T *WindowFixture::control(const char *name)
{
    return mainWindow()->findChild<T *>(QString::fromLatin1(name));
}
