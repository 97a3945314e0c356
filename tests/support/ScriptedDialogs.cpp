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
    m_shown.append({Kind::Message, text, {}, {}});
}

WarningButton ScriptedDialogs::warning(const QString &text, const QList<WarningButton> &buttons)
{
    m_shown.append({Kind::Warning, text, buttons, {}});
    if (!m_answers.isEmpty())
        return m_answers.dequeue();
    return buttons.constLast();
}

void ScriptedDialogs::error(const QString &text)
{
    m_shown.append({Kind::Error, text, {}, {}});
}

QString ScriptedDialogs::inputBox(const QString &caption, const QString &prompt, const QString &initial)
{
    m_shown.append({Kind::Input, prompt, {}, caption});
    const std::optional<QString> typed = m_inputs.isEmpty() ? std::nullopt : m_inputs.dequeue();
    return typed.value_or(initial);
}

std::optional<QString> ScriptedDialogs::chooseFile(const FileDialog &dialog)
{
    m_shown.append({Kind::File, dialog.title, {}, {}});
    fileDialogs.append(dialog);
    return m_files.isEmpty() ? std::nullopt : m_files.dequeue();
}

std::optional<ColourValue> ScriptedDialogs::chooseColour(ColourValue initial)
{
    m_shown.append({Kind::Colour, QString(), {}, {}});
    colourDialogs.append(initial);
    return m_colours.isEmpty() ? std::nullopt : m_colours.dequeue();
}

std::optional<QString> ScriptedDialogs::chooseFolder(const QString &prompt)
{
    m_shown.append({Kind::Folder, prompt, {}, {}});
    return m_folders.isEmpty() ? std::nullopt : m_folders.dequeue();
}
