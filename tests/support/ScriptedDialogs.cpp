#include "ScriptedDialogs.h"

QStringList ScriptedDialogs::texts(Kind kind) const
{
    QStringList result;
    for (const Shown &s : m_shown) {
        if (s.kind == kind)
            result.append(s.text);
    }
    return result;
}

void ScriptedDialogs::message(const QString &text)
{
    m_shown.append({Kind::Message, text, {}});
}

WarningButton ScriptedDialogs::warning(const QString &text, const QList<WarningButton> &buttons)
{
    m_shown.append({Kind::Warning, text, buttons});
    if (!m_answers.isEmpty())
        return m_answers.dequeue();
    return buttons.constLast();
}

void ScriptedDialogs::error(const QString &text)
{
    m_shown.append({Kind::Error, text, {}});
}
