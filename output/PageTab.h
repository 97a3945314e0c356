#pragma once
// The "HTML生成" tab: the two templates the user edits (the workspace's
// documents, shown in the boxes before and after), the generated map and
// settings parameter text, and the finished page.

#include <QByteArray>

class QPlainTextEdit;
class QTextDocument;
struct PageParts;

class PageTab
{
public:
    struct Controls
    {
        QPlainTextEdit *before, *mapping, *setting, *after, *final;
    };

    // The boxes before and after show and edit `head` and `tail`, which
    // outlive them.
    PageTab(const Controls &controls, QTextDocument &head, QTextDocument &tail);

    // Shows the parameter texts and the finished page of a refresh.
    void show(const PageParts &page);

private:
    static void show(QPlainTextEdit *box, const QByteArray &bytes);

    Controls m_controls;
};
