#include "EditorDocument.h"

EditorDocument::EditorDocument(QObject *parent)
    : QObject(parent), OpenDialog1{FileDialog::Kind::Open, QStringLiteral("開く"), {}, QStringLiteral("htm"), {}},
      SaveDialog1{FileDialog::Kind::Save, QStringLiteral("名前を付けて保存"), {}, QStringLiteral("htm"), {}}
{
    // Three choices: HTML files, text files, all files. Each caption
    // carries its own pattern text; the dialog shows the caption alone and
    // matches the patterns that follow it.
    OpenDialog1.filter = SaveDialog1.filter = QStringLiteral(
        "HTMLファイル(*.html,*.htm) (*.htm *.html);;テキストファイル(*.txt) (*.txt);;すべてのファイル(*.*) (*)");
}

QString EditorDocument::shownName() const
{
    return isNew() ? QStringLiteral("新規") : m_fileName;
}

void EditorDocument::setFileName(const QString &path)
{
    m_fileName = path;
    emit fileNameChanged(shownName());
}

void EditorDocument::setTextColour(const Colour &colour)
{
    m_textColour = colour;
    emit coloursChanged();
}

void EditorDocument::setBackgroundColour(const Colour &colour)
{
    m_backgroundColour = colour;
    emit coloursChanged();
}

void EditorDocument::setFileDialogFolder(const QString &folder)
{
    OpenDialog1.fileName = SaveDialog1.fileName = folder + QStringLiteral("*.htm");
}
