#pragma once
// Dialogs for tests: answers come from a queue, every box shown is recorded,
// nothing ever blocks.

#include "platform/Dialogs.h"

#include <QList>
#include <QQueue>
#include <QString>

class ScriptedDialogs : public Dialogs
{
public:
    enum class Kind { Message, Warning, Error };
    struct Shown
    {
        Kind kind;
        QString text;
        QList<WarningButton> buttons;
    };

    ScriptedDialogs() { m_previous = setDialogs(this); }
    ~ScriptedDialogs() override { setDialogs(m_previous); }

    // Queues the answer of the next warning box. Without one queued, a warning
    // answers with its last button, as Esc would.
    void answer(WarningButton button) { m_answers.enqueue(button); }

    const QList<Shown> &shown() const { return m_shown; }
    QStringList texts(Kind kind) const;
    void forget() { m_shown.clear(); }

    void message(const QString &text) override;
    WarningButton warning(const QString &text, const QList<WarningButton> &buttons) override;
    void error(const QString &text) override;

private:
    Dialogs *m_previous = nullptr;
    QQueue<WarningButton> m_answers;
    QList<Shown> m_shown;
};
