#pragma once
// The real dialogs: Qt's own, non-native, in Japanese, with the system's
// captions and buttons.

#include "platform/Dialogs.h"

class QtDialogs : public Dialogs
{
public:
    void message(const QString &text) override;
    WarningButton warning(const QString &text, const QList<WarningButton> &buttons) override;
    void error(const QString &text) override;
    QString inputBox(const QString &caption, const QString &prompt, const QString &initial) override;
    std::optional<QString> chooseFile(const FileDialog &dialog) override;
    std::optional<ColourValue> chooseColour(ColourValue initial) override;
    std::optional<QString> chooseFolder(const QString &prompt) override;
};
