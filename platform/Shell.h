#pragma once
// The desktop's "open with its default program" service.

#include <QString>

class Shell
{
public:
    virtual ~Shell() = default;
    virtual void open(const QString &target) = 0;
};

Shell &shell();
Shell *setShell(Shell *replacement);

// Hands a local path, a file:// address or a web address to the desktop's
// opener; does not wait and does not look at the outcome.
void ShellOpen(const QString &target);
