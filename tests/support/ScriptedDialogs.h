#pragma once
// Dialogs for tests: answers come from a queue, every box shown is recorded,
// nothing ever blocks. A question nobody queued an answer for fails the test
// (and is answered as Esc would), and so do answers left over at the end.

#include "platform/Dialogs.h"

#include <QList>
#include <QQueue>
#include <QString>

#include <optional>

class ScriptedDialogs : public Dialogs
{
public:
    enum class Kind { Message, Warning, Error, Input, File, ColourChooser, Folder };
    struct Shown
    {
        Kind kind;
        QString text;
        QList<WarningButton> buttons;
        QString caption; // input boxes only
    };

    ScriptedDialogs() { m_previous = setDialogs(this); }
    ~ScriptedDialogs() override;

    // Queues the answer of the next warning box.
    void answer(WarningButton button) { m_answers.enqueue(button); }

    // Queues what the next input box returns: the typed text on OK, or
    // nothing for キャンセル (the box then returns its initial text).
    void type(std::optional<QString> text) { m_inputs.enqueue(std::move(text)); }

    // Queues the answer of the next file dialog: a full path, or nothing
    // for キャンセル.
    void pick(std::optional<QString> path) { m_files.enqueue(std::move(path)); }
    // The file dialogs shown, as they were when shown.
    QList<FileDialog> fileDialogs;

    // Queues the answer of the next colour chooser (nothing: キャンセル).
    void pickColour(std::optional<ColourValue> colour) { m_colours.enqueue(colour); }
    // The colour each chooser opened on.
    QList<ColourValue> colourDialogs;

    // Queues the answer of the next folder selection (nothing: キャンセル).
    void pickFolder(std::optional<QString> folder) { m_folders.enqueue(std::move(folder)); }

    const QList<Shown> &shown() const { return m_shown; }
    QStringList texts(Kind kind) const;
    void forget() { m_shown.clear(); }

    void message(const QString &text) override;
    WarningButton warning(const QString &text, const QList<WarningButton> &buttons) override;
    void error(const QString &text) override;
    QString inputBox(const QString &caption, const QString &prompt, const QString &initial) override;
    std::optional<QString> chooseFile(const FileDialog &dialog) override;
    std::optional<ColourValue> chooseColour(ColourValue initial) override;
    std::optional<QString> chooseFolder(const QString &prompt) override;

private:
    // Fails the test: `what` was asked with no answer queued.
    static void unanswered(const char *what, const QString &text);

    Dialogs *m_previous = nullptr;
    QQueue<WarningButton> m_answers;
    QQueue<std::optional<QString>> m_inputs;
    QQueue<std::optional<QString>> m_files;
    QQueue<std::optional<ColourValue>> m_colours;
    QQueue<std::optional<QString>> m_folders;
    QList<Shown> m_shown;
};
