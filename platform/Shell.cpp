#include "Shell.h"
#include "Seam.h"

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
Seam<Shell> seam(desktopShell);

} // namespace

Shell &shell()
{
    return seam.get();
}

Shell *setShell(Shell *replacement)
{
    return seam.replace(replacement);
}

void ShellOpen(const QString &target)
{
    shell().open(target);
}
