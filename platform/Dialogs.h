#pragma once
// Every modal question the program asks goes through this seam, so windows can
// be driven by tests with scripted answers.

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
};

// Runs the dialog and remembers the name chosen in it.
std::optional<QString> runFileDialog(FileDialog &dialog);

// The dialogs in use. The program starts with the real ones; a test installs
// its own for the test's lifetime.
Dialogs &dialogs();
Dialogs *setDialogs(Dialogs *replacement);

inline constexpr char ApplicationTitle[] = "VorzoDazorad";
