#pragma once
// The "HTML生成" tab: the two templates the user edits, the generated map and
// settings parameter text, and the finished page.

#include <QByteArray>

class QPlainTextEdit;
class Stage;

class PageTab
{
public:
    struct Controls
    {
        QPlainTextEdit *before, *mapping, *setting, *after, *final;
    };

    PageTab(const Controls &controls, Stage &stage);

    // Shows the new parameter texts and joins the finished page from the
    // templates as they stand and those texts; the page becomes the stage's.
    // A template that the code page cannot hold throws before anything
    // changes.
    void refresh(const QByteArray &mapping, const QByteArray &setting);

private:
    static void show(QPlainTextEdit *box, const QByteArray &bytes);

    Controls m_controls;
    Stage &m_stage;
};
