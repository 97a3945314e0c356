#include "Shell.h"

#include <QDesktopServices>
#include <QUrl>

namespace {

class DesktopShell : public Shell
{
public:
    void open(const QString &target) override
    {
        // An address is opened as it is; anything else is a local path, turned
        // into a proper file:// address. No command line is ever built.
        const QUrl asAddress(target, QUrl::StrictMode);
        const bool isAddress = asAddress.isValid() && asAddress.scheme().size() > 1;
        QDesktopServices::openUrl(isAddress ? asAddress : QUrl::fromLocalFile(target));
    }
};

DesktopShell desktopShell;
Shell *current = &desktopShell;

} // namespace

Shell &shell()
{
    return *current;
}

Shell *setShell(Shell *replacement)
{
    Shell *previous = current;
    current = replacement ? replacement : &desktopShell;
    return previous;
}

void ShellOpen(const QString &target)
{
    shell().open(target);
}
