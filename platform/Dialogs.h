#pragma once
// Every modal question the program asks goes through this seam, so commands
// and windows can be driven by tests with scripted answers. The real dialogs
// (desktop/QtDialogs) are installed at start; without them every question is
// answered as if cancelled.

#include "ColourText.h"

#include <QList>
#include <QString>
#include <optional>

enum class WarningButton { Yes, No, Cancel };

// A file dialog that remembers the name last chosen in it between uses.
struct FileDialog
{
    enum class Kind { Open, Save };
    Kind kind;
    QString title;
    QString filter;        // "description(*.ext)"
    QString defaultSuffix; // added to a name typed without extension
    QString fileName;      // proposed at the next use; a wildcard name opens its folder
    bool preview = false;  // a picture dialog: shows the picture of the file under the cursor
};

// A colour chooser that opens on the colour last confirmed in it (black
// before the first use).
struct ColourDialog
{
    ColourValue colour = 0;
};

class Dialogs
{
public:
    virtual ~Dialogs() = default;

    // Plain box: caption the application title, no icon, OK.
    virtual void message(const QString &text) = 0;

    // Warning box: caption "警告", warning icon, the given buttons in order
    // among "はい(&Y)", "いいえ(&N)", "キャンセル". Enter chooses Yes; Esc and
    // the title bar's close choose the last button.
    virtual WarningButton warning(const QString &text, const QList<WarningButton> &buttons) = 0;

    // Error box: caption the application title, error icon, OK. The text is
    // shown as given (see errorBoxText).
    virtual void error(const QString &text) = 0;

    // Input box: caption, prompt, an edit field holding `initial`, OK and
    // キャンセル. Returns the edited text on OK, `initial` on キャンセル.
    virtual QString inputBox(const QString &caption, const QString &prompt, const QString &initial) = 0;

    // Runs the file dialog: the chosen file's full path, or nothing when the
    // user cancels. A save dialog asks before replacing an existing file.
    virtual std::optional<QString> chooseFile(const FileDialog &dialog) = 0;

    // The colour chooser, opened on `initial`: the confirmed colour, or
    // nothing when cancelled.
    virtual std::optional<ColourValue> chooseColour(ColourValue initial) = 0;

    // Folder selection with `prompt` above a folder tree; only real folders
    // can be confirmed and none is preselected. The chosen folder's full path
    // (without a trailing separator but for the root), or nothing.
    virtual std::optional<QString> chooseFolder(const QString &prompt) = 0;
};

// Runs the dialog and remembers the name chosen in it.
std::optional<QString> runFileDialog(FileDialog &dialog);

// Runs the colour chooser and remembers the colour confirmed in it.
std::optional<ColourValue> runColourDialog(ColourDialog &dialog);

// The dialogs in use, and the installation of others (the real ones at
// start, scripted ones in a test); returns what was installed before.
Dialogs &dialogs();
Dialogs *setDialogs(Dialogs *replacement);

inline constexpr char ApplicationTitle[] = "VorzoDazorad";
