#pragma once
// Everything the editor holds for the whole run, created before the windows
// that show it: the stage, the environment values, the registered items,
// the page templates, the pattern image, the text editor's document and the
// stage commands. Windows show it and write the user's edits into it; the
// commands below work on it alone, so they run without windows.

#include "accessories/EditorDocument.h"
#include "environment/Environment.h"
#include "environment/PatternHolder.h"
#include "output/ParameterText.h"
#include "output/StageCommands.h"
#include "stage/RegisteredTexts.h"
#include "stage/Stage.h"

#include <QObject>
#include <QTextDocument>

#include <functional>

class Workspace : public QObject
{
    Q_OBJECT
public:
    Workspace();

    Stage &stage() { return m_stage; }
    StageCommands &stageCommands() { return m_stageCommands; }
    RegisteredTexts &registered() { return m_registered; }
    EditorDocument &editor() { return m_editor; }

    // The environment dialog's four values: the program's one copy.
    Environment &environment() { return m_environment; }
    // The pattern image and the image window's dialog.
    PatternHolder &pattern() { return m_pattern; }

    // The two templates of the "HTML生成" tab, as the user edits them
    // (lines separated by LF).
    QTextDocument &headTemplate() { return m_headTemplate; }
    QTextDocument &tailTemplate() { return m_tailTemplate; }

    // What a new or opened stage shows: the view back at column 0, row 0,
    // redrawn (it may fail, like any redraw). Set by the main window.
    void setShowFromStart(std::function<void()> show) { m_showFromStart = std::move(show); }

    // The nine reads of the preferences file: the environment values, then
    // the registered items.
    void readPreferences();

    // Puts the environment values into effect: the starting names of the
    // five file dialogs, the pattern image, the text editor's colours, in
    // that order. A failing step throws; those before it stay done.
    void ApplyEnvironment();

    // F7's page, from the templates as they stand and the stage's map and
    // settings; it becomes the stage's finished page. A template that the
    // code page cannot hold throws, naming its box, before anything changes.
    PageParts refreshPage();

private:
    Stage m_stage;
    StageCommands m_stageCommands;
    RegisteredTexts m_registered;
    EditorDocument m_editor;
    Environment m_environment;
    PatternHolder m_pattern;
    QTextDocument m_headTemplate;
    QTextDocument m_tailTemplate;
    std::function<void()> m_showFromStart;
};
