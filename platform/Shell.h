#pragma once
// The desktop's "open with its default program" service. The real opener
// (desktop/DesktopShell) is installed at start.

#include <QString>

class Shell
{
public:
    virtual ~Shell() = default;
    virtual void open(const QString &target) = 0;
};

// The opener in use, and the installation of another; returns the previous.
Shell &shell();
Shell *setShell(Shell *replacement);

// Hands a local path, a file:// address or a web address to the desktop's
// opener; does not wait and does not look at the outcome.
void ShellOpen(const QString &target);
