#pragma once
// The "HTML生成" tab: the two templates the user edits, the generated map and
// settings parameter text, and the finished page.

#include "ParameterText.h"

class QPlainTextEdit;
class SettingsList;
class StageMap;

class PageTab
{
public:
    struct Controls
    {
        QPlainTextEdit *before, *mapping, *setting, *after, *final;
    };

    explicit PageTab(const Controls &controls);

    // Rebuilds the parameter text and the finished page from scratch. A
    // template that the code page cannot hold throws before anything changes.
    void refresh(const StageMap &map, const SettingsList &settings);

    // The finished page as last refreshed, byte for byte; empty before.
    const QByteArray &finalPage() const { return m_final; }

private:
    static void show(QPlainTextEdit *box, const QByteArray &bytes);

    Controls c;
    QByteArray m_final;
};
