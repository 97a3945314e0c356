#include "ScriptedDialogs.h"

#include <QTest>

ScriptedDialogs::~ScriptedDialogs()
{
    setDialogs(m_previous);
    const qsizetype left = m_answers.size() + m_inputs.size() + m_files.size() + m_colours.size() + m_folders.size();
    if (left > 0 && !QTest::currentTestFailed())
        QTest::qFail(qPrintable(QStringLiteral("%1 queued answers were never asked for").arg(left)), __FILE__,
                     __LINE__);
}

void ScriptedDialogs::unanswered(const char *what, const QString &text)
{
    if (!QTest::currentTestFailed())
        QTest::qFail(qPrintable(QStringLiteral("no answer queued for the %1 \"%2\"").arg(QLatin1String(what), text)),
                     __FILE__, __LINE__);
}

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
    unanswered("warning", text);
    return buttons.constLast();
}

void ScriptedDialogs::error(const QString &text)
{
    m_shown.append({Kind::Error, text, {}, {}});
}

QString ScriptedDialogs::inputBox(const QString &caption, const QString &prompt, const QString &initial)
{
    m_shown.append({Kind::Input, prompt, {}, caption});
    if (m_inputs.isEmpty()) {
        unanswered("input box", prompt);
        return initial;
    }
    return m_inputs.dequeue().value_or(initial);
}

std::optional<QString> ScriptedDialogs::chooseFile(const FileDialog &dialog)
{
    m_shown.append({Kind::File, dialog.title, {}, {}});
    fileDialogs.append(dialog);
    if (m_files.isEmpty()) {
        unanswered("file dialog", dialog.title);
        return std::nullopt;
    }
    return m_files.dequeue();
}

std::optional<ColourValue> ScriptedDialogs::chooseColour(ColourValue initial)
{
    m_shown.append({Kind::ColourChooser, QString(), {}, {}});
    colourDialogs.append(initial);
    if (m_colours.isEmpty()) {
        unanswered("colour chooser", QString());
        return std::nullopt;
    }
    return m_colours.dequeue();
}

std::optional<QString> ScriptedDialogs::chooseFolder(const QString &prompt)
{
    m_shown.append({Kind::Folder, prompt, {}, {}});
    if (m_folders.isEmpty()) {
        unanswered("folder selection", prompt);
        return std::nullopt;
    }
    return m_folders.dequeue();
}
