#include "Dialogs.h"
#include "Seam.h"

#include <cstdio>

namespace {

// Before the real dialogs are installed (and in programs without windows):
// messages go to standard error, every question is cancelled.
class QuietDialogs : public Dialogs
{
public:
    void message(const QString &text) override { say(text); }
    WarningButton warning(const QString &text, const QList<WarningButton> &buttons) override
    {
        say(text);
        return buttons.isEmpty() ? WarningButton::Cancel : buttons.constLast();
    }
    void error(const QString &text) override { say(text); }
    QString inputBox(const QString &, const QString &, const QString &initial) override { return initial; }
    std::optional<QString> chooseFile(const FileDialog &) override { return std::nullopt; }
    std::optional<ColourValue> chooseColour(ColourValue) override { return std::nullopt; }
    std::optional<QString> chooseFolder(const QString &) override { return std::nullopt; }

private:
    static void say(const QString &text) { std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData()); }
};

QuietDialogs quietDialogs;
Seam<Dialogs> seam(quietDialogs);

} // namespace

std::optional<QString> runFileDialog(FileDialog &dialog)
{
    const std::optional<QString> chosen = dialogs().chooseFile(dialog);
    if (chosen)
        dialog.fileName = *chosen;
    return chosen;
}

std::optional<ColourValue> runColourDialog(ColourDialog &dialog)
{
    const std::optional<ColourValue> chosen = dialogs().chooseColour(dialog.colour);
    if (chosen)
        dialog.colour = *chosen;
    return chosen;
}

Dialogs &dialogs()
{
    return seam.get();
}

Dialogs *setDialogs(Dialogs *replacement)
{
    return seam.replace(replacement);
}
