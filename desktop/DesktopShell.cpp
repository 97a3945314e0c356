#include "DesktopShell.h"

#include <QDesktopServices>
#include <QUrl>

void DesktopShell::open(const QString &target)
{
    const QUrl asAddress(target, QUrl::StrictMode);
    const bool isAddress = asAddress.isValid() && asAddress.scheme().size() > 1;
    QDesktopServices::openUrl(isAddress ? asAddress : QUrl::fromLocalFile(target));
}
