#pragma once
// The program's windows as the start sequence makes them, with scripted
// dialogs and a recording shell, for one test function.

#include "RecordingShell.h"
#include "ScriptedDialogs.h"

#include "stage/Stage.h"

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
    // Creates the seven windows, the program folder an empty one of the
    // fixture's own; shows the main window when `show` is set.
    explicit WindowFixture(bool show = true);
    ~WindowFixture();

    // Shows the main window (its first show runs then).
    void show();

    // The program folder the windows see, ending in the separator.
    QString programFolder() const;

    ScriptedDialogs dialogs;
    RecordingShell shell;
    Stage stage;

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
    std::unique_ptr<QTimer> m_modalWatch;
};

#include "app/VorzoDazoradMain.h"

template <typename T>
T *WindowFixture::control(const char *name)
{
    return Vorzo->findChild<T *>(QString::fromLatin1(name));
}
