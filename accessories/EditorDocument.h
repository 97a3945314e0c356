#pragma once
// The text editor's document apart from its text: the file it belongs to,
// whether the user changed it, the text area's colours and the dialogs'
// remembered names. The text itself is the editor's text document.

#include "platform/ColourText.h"
#include "platform/Dialogs.h"

#include <QObject>
#include <QString>

class EditorDocument : public QObject
{
    Q_OBJECT
public:
    explicit EditorDocument(QObject *parent = nullptr);

    // The full path of the document's file; empty for a new document.
    const QString &fileName() const { return m_fileName; }
    bool isNew() const { return m_fileName.isEmpty(); }
    // What the status bar shows: "新規", or the full path.
    QString shownName() const;
    void setFileName(const QString &path);

    // Set once the user changes the text; only an open, a save or a new
    // document clears it.
    bool isChanged() const { return m_changed; }
    void setChanged(bool changed) { m_changed = changed; }

    const Colour &textColour() const { return m_textColour; }
    const Colour &backgroundColour() const { return m_backgroundColour; }
    void setTextColour(const Colour &colour);
    void setBackgroundColour(const Colour &colour);

    // Both file dialogs start on folder + "*.htm".
    void setFileDialogFolder(const QString &folder);

    FileDialog OpenDialog1;
    FileDialog SaveDialog1;
    ColourDialog ColorDialog1;

signals:
    void fileNameChanged(const QString &shownName);
    void coloursChanged();

private:
    QString m_fileName;
    bool m_changed = false;
    // The design colours, white on the window-frame colour.
    Colour m_textColour = ColourValue(0xFFFFFF);
    Colour m_backgroundColour = SystemColour::WindowFrame;
};
